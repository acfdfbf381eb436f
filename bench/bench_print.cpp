// The window print to a 1200 dpi PDF printer: the voltage-drop window Form14 and the
// database editor with CABLE-PIPE open, the largest window the program prints.
// Run: build/bin/kb_bench --benchmark_filter=Print

#include "dialogs.h"
#include "registry.h"
#include "window.h"
#include "windows.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Dialogs whose printer dialog always answers a printer of 1200 dpi, the
// resolution of an office laser printer, set to print to a PDF file.
class PdfPrinterDialogs : public kb::Dialogs
{
public:
    explicit PdfPrinterDialogs(const QString &file) : m_file(file) {}
    void message(const QString &text) override { messages << text; }
    QString fileName(QObject *, const QString &, const QString &, bool) override { return {}; }
    QPagedPaintDevice *choosePrinter(QObject *) override
    {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setOutputFileName(m_file);
        m_printer->setResolution(1200);
        return m_printer.get();
    }
    bool openDocument(const QString &) override { return false; }
    bool startProgram(const QString &) override { return false; }

    QStringList messages;

private:
    QString m_file;
    std::unique_ptr<QPrinter> m_printer;
};

// Opens the window as the menus do, lets `prepare` bring it into the state to
// print, and times its print command.
void printWindow(benchmark::State &state, const char *form, const char *prepare = nullptr)
{
    QTemporaryDir dir;
    PdfPrinterDialogs printer(dir.filePath(QStringLiteral("print.pdf")));
    kb::setDialogs(&printer);
    kb::registerAllWindows();
    auto &registry = kb::WindowRegistry::instance();
    kb::Window *w = registry.open(QLatin1String(form));
    if (w && prepare)
        QMetaObject::invokeMethod(w, prepare);
    QApplication::processEvents();
    if (!w || !printer.messages.isEmpty()) {
        state.SkipWithError("the window did not open");
    } else {
        for (auto _ : state)
            w->printWindow();
        if (!printer.messages.isEmpty())
            state.SkipWithError(qPrintable(printer.messages.first()));
        state.counters["pdf_kB"] = QFileInfo(dir.filePath(QStringLiteral("print.pdf"))).size() / 1024.0;
    }
    registry.reset();
    QApplication::processEvents();
    kb::setDialogs(nullptr);
}

void PrintVoltageDropWindow(benchmark::State &state)
{
    printWindow(state, "Form14");
}

void PrintEditorWithCablePipe(benchmark::State &state)
{
    printWindow(state, "Form8", "IDM_OPENA_Click");
}

} // namespace

BENCHMARK(PrintVoltageDropWindow)->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(PrintEditorWithCablePipe)->Unit(benchmark::kMillisecond)->MinTime(2);
