#include "export.h"
#include "language.h"
#include "qtdialogs.h"
#include "registry.h"
#include "windows.h"

int main(int argc, char **argv)
{
    kb::Application app(argc, argv);
    kb::installQtTranslation(&app);
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("kembrel"));
    kb::QtDialogs dialogs;
    kb::setDialogs(&dialogs);
    kb::removeOldWorkbooks(); // exports older than seven days
    kb::registerAllWindows();
    auto &registry = kb::WindowRegistry::instance();
    registry.setQuitWhenLastClosed(true);
    registry.setQuitOrder(kb::closeAllOrder());
    QApplication::setQuitOnLastWindowClosed(false);
    registry.open(QStringLiteral("Form5"));
    const int rc = app.exec();
    kb::setDialogs(nullptr);
    return rc;
}
