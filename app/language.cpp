#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kb {

QTranslator *installQtTranslation(QCoreApplication *app)
{
    // Every text of the program is Japanese, whatever the desktop's language.
    auto *translator = new QTranslator(app);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && app->installTranslator(translator))
        return translator;
    delete translator;
    return nullptr;
}

} // namespace kb
