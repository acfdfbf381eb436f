#pragma once

// The seam between the procedures and everything that waits on the user or the
// desktop: message boxes, file dialogs, the printer dialog, the spreadsheet
// program and the calculator. The program installs the real one (common/widgets);
// tests install a FakeDialogs that records messages and answers in advance.

#include <QString>
#include <QStringList>

#include <functional>

class QObject;
class QPagedPaintDevice;

namespace kb {

// The program-wide title: the caption of every message box. Starts as "Kembrel".
QString appTitle();
void setAppTitle(const QString &title);

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // An OK-only message box without icon, captioned appTitle(). Waits for OK.
    virtual void message(const QString &text) = 0;

    // The open-file dialog of a result-file command; an empty result is a cancel.
    virtual QString fileName(QObject *window, const QString &title, const QString &filter, bool forSaving) = 0;

    // The printer dialog; returns the device to print on, or null for a cancel.
    // The device stays valid until the next call.
    virtual QPagedPaintDevice *choosePrinter(QObject *window) = 0;

    // Opens a file with the desktop's program for it (the spreadsheet workbook).
    virtual bool openDocument(const QString &path) = 0;

    // Starts one program detached; false when it could not be started.
    virtual bool startProgram(const QString &program) = 0;
};

Dialogs &dialogs();
// Installs another implementation (not owned); null restores the default, which only records.
void setDialogs(Dialogs *d);

// The file dialog of a result-file command: an empty answer is a cancel; a name
// typed without an extension gets the dialog's default extension, when it has one.
QString chooseFile(QObject *window, const QString &title, const QString &filter, bool forSaving,
                   const QString &defaultSuffix = QString());

// A press under way: while one lives, each message box and file dialog first
// runs its `show`, which puts on screen what the press has set so far. A box
// thus stands over the state its press has reached, not over the screen from
// before the press. Presses nest (a press that opens another window); each
// shows once per box, the outermost first.
class PressShow
{
public:
    explicit PressShow(std::function<void()> show);
    ~PressShow();
    PressShow(const PressShow &) = delete;
    PressShow &operator=(const PressShow &) = delete;

private:
    friend void showPressesUnderWay();
    std::function<void()> m_show;
};

// Runs the show of every press under way, as a box is about to come up. A show
// that fails leaves the screen as it stands: the box comes all the same.
void showPressesUnderWay();

// Shorthands used everywhere. A message box stands over what the presses under way have set.
void message(const QString &text);
// ErrorBox: "エラーが発生しました。" followed by the procedure's tag.
void errorBox(const QString &tag);
QString errorText(const QString &tag);

// Runs a trapped procedure: any failure shows errorBox(tag) and returns false.
bool trapped(const QString &tag, const std::function<void()> &procedure);

} // namespace kb
