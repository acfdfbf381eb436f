#pragma once

#include "dialogs.h"

#include <functional>

namespace kb {

// A stand-in that records what the program showed and answers from queues.
class FakeDialogs : public Dialogs
{
public:
    QStringList messages;          // every message box, in order
    QStringList captions;          // appTitle() at each message
    QStringList fileAnswers;       // next answers of fileName(); empty queue answers a cancel
    QStringList fileTitles;        // titles the file dialog was shown with
    QString printFile;             // PDF the printer prints to (a printer's print to file); empty answers a cancel
    int printResolution = 300;     // its dots per inch, below most printers' so that a page draws quickly
    int printerDialogs = 0;
    QStringList openedDocuments;
    bool openDocumentResult = true;
    QStringList startedPrograms;
    QStringList startablePrograms; // programs startProgram() succeeds for
    // Run as each message box comes up, before it is recorded: a test reads there
    // what the window shows behind the box.
    std::function<void(const QString &text)> onMessage;
    // Run as each file dialog comes up, before it is answered.
    std::function<void(const QString &title)> onFileDialog;

    void message(const QString &text) override;
    QString fileName(QObject *window, const QString &title, const QString &filter, bool forSaving) override;
    QPagedPaintDevice *choosePrinter(QObject *window) override;
    bool openDocument(const QString &path) override;
    bool startProgram(const QString &program) override;

    ~FakeDialogs() override;

private:
    QPagedPaintDevice *m_printer = nullptr;
};

// Installs a FakeDialogs for the lifetime of a scope (tests).
class ScopedFakeDialogs
{
public:
    ScopedFakeDialogs() { setDialogs(&fake); }
    ~ScopedFakeDialogs() { setDialogs(nullptr); }
    FakeDialogs fake;
    FakeDialogs *operator->() { return &fake; }
};

} // namespace kb
