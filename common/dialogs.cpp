#include "dialogs.h"

#include <QFileInfo>
#include <QVector>

#include <cstdio>

namespace kb {

namespace {
QString g_title = QStringLiteral("Kembrel");

// Without a window system (tools, tests that install nothing) messages go to
// standard error and every dialog answers a cancel.
class ConsoleDialogs : public Dialogs
{
public:
    void message(const QString &text) override { std::fprintf(stderr, "%s\n", qPrintable(text)); }
    QString fileName(QObject *, const QString &, const QString &, bool) override { return QString(); }
    QPagedPaintDevice *choosePrinter(QObject *) override { return nullptr; }
    bool openDocument(const QString &) override { return false; }
    bool startProgram(const QString &) override { return false; }
};
ConsoleDialogs g_recorder;
Dialogs *g_dialogs = nullptr;
QVector<PressShow *> g_presses;
bool g_showing = false;
} // namespace

PressShow::PressShow(std::function<void()> show) : m_show(std::move(show))
{
    g_presses.append(this);
}

PressShow::~PressShow()
{
    g_presses.removeOne(this);
}

void showPressesUnderWay()
{
    if (g_showing || g_presses.isEmpty())
        return;
    g_showing = true;
    // A copy: nothing a show does may move the list under the loop.
    const QVector<PressShow *> presses = g_presses;
    for (PressShow *press : presses) {
        try {
            press->m_show();
        } catch (...) {
            // What could not be shown stays as it stood; the box must still come.
        }
    }
    g_showing = false;
}

void message(const QString &text)
{
    showPressesUnderWay();
    dialogs().message(text);
}

QString appTitle()
{
    return g_title;
}

void setAppTitle(const QString &title)
{
    g_title = title;
}

Dialogs &dialogs()
{
    return g_dialogs ? *g_dialogs : g_recorder;
}

void setDialogs(Dialogs *d)
{
    g_dialogs = d;
}

QString chooseFile(QObject *window, const QString &title, const QString &filter, bool forSaving, const QString &defaultSuffix)
{
    showPressesUnderWay();
    QString path = dialogs().fileName(window, title, filter, forSaving);
    if (!path.isEmpty() && !defaultSuffix.isEmpty() && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + defaultSuffix;
    return path;
}

QString errorText(const QString &tag)
{
    return QStringLiteral("エラーが発生しました。") + tag;
}

void errorBox(const QString &tag)
{
    message(errorText(tag));
}

bool trapped(const QString &tag, const std::function<void()> &procedure)
{
    try {
        procedure();
        return true;
    } catch (...) {
        errorBox(tag);
        return false;
    }
}

} // namespace kb
