#pragma once

#include "dialogs.h"

#include <QApplication>
#include <memory>

class QPrinter;

namespace kb {

// The real dialogs: Qt message boxes, file and printer dialogs, the desktop.
class QtDialogs : public Dialogs
{
public:
    QtDialogs();
    ~QtDialogs() override;
    void message(const QString &text) override;
    QString fileName(QObject *window, const QString &title, const QString &filter, bool forSaving) override;
    QPagedPaintDevice *choosePrinter(QObject *window) override;
    bool openDocument(const QString &path) override;
    bool startProgram(const QString &program) override;

private:
    std::unique_ptr<QPrinter> m_printer;
};

// Whether the desktop names a program for the file's type (xdg-mime). xdg-open
// starts even where none does, and then nothing opens; without xdg-mime to ask,
// the answer is yes and the desktop is left to it.
bool desktopHasProgramFor(const QString &path);

// Turns a filter of the form "データファイル(*.qvx)|*.qvx" into Qt's form.
QString qtFileFilter(const QString &filter);

// The application: the program's icon on every window; a failure that escapes a
// handler anyway is shown, never fatal, and so is a write past the file-size limit.
class Application : public QApplication
{
public:
    Application(int &argc, char **argv);
    bool notify(QObject *receiver, QEvent *event) override;
};

} // namespace kb
