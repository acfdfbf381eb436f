#include "fakedialogs.h"

#include <QPdfWriter>
#ifdef KB_FAKE_PRINTER_IS_QPRINTER
#include <QPrinter>
#endif

namespace kb {

void FakeDialogs::message(const QString &text)
{
    if (onMessage)
        onMessage(text);
    messages.append(text);
    captions.append(appTitle());
}

QString FakeDialogs::fileName(QObject *, const QString &title, const QString &, bool)
{
    if (onFileDialog)
        onFileDialog(title);
    fileTitles.append(title);
    return fileAnswers.isEmpty() ? QString() : fileAnswers.takeFirst();
}

QPagedPaintDevice *FakeDialogs::choosePrinter(QObject *)
{
    ++printerDialogs;
    delete m_printer;
    m_printer = nullptr;
    if (printFile.isEmpty())
        return nullptr;
#ifdef KB_FAKE_PRINTER_IS_QPRINTER
    // A printer set to print to a PDF file, as the printer dialog leaves it, with the
    // page a PDF writer has.
    auto *printer = new QPrinter(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(printFile);
    printer->setPageLayout(QPdfWriter(QString()).pageLayout());
    printer->setResolution(printResolution);
    m_printer = printer;
#else
    auto *writer = new QPdfWriter(printFile);
    writer->setResolution(printResolution);
    m_printer = writer;
#endif
    return m_printer;
}

bool FakeDialogs::openDocument(const QString &path)
{
    openedDocuments.append(path);
    return openDocumentResult;
}

bool FakeDialogs::startProgram(const QString &program)
{
    startedPrograms.append(program);
    return startablePrograms.contains(program);
}

FakeDialogs::~FakeDialogs()
{
    delete m_printer;
}

} // namespace kb
