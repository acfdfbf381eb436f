#include "fakedialogs.h"

#include <QPdfWriter>

namespace kb {

void FakeDialogs::message(const QString &text)
{
    messages.append(text);
    captions.append(appTitle());
}

QString FakeDialogs::fileName(QObject *, const QString &title, const QString &, bool)
{
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
    auto *writer = new QPdfWriter(printFile);
    writer->setResolution(printResolution);
    m_printer = writer;
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
