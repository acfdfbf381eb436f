#include "menudesc.h"

namespace kb {

MenuItemDesc menuItem(const char *name, const char *caption, const char *handler)
{
    return {QString::fromUtf8(name), QString::fromUtf8(caption),
            handler ? QString::fromUtf8(handler) : QString::fromUtf8(name) + QStringLiteral("_Click")};
}

MenuItemDesc menuSeparator(const char *name)
{
    return {QString::fromUtf8(name), QStringLiteral("-"), QString()};
}

MenuDesc fileMenu()
{
    return {QStringLiteral("IDM_FILE"), QStringLiteral("ファイル"),
            {menuItem("IDM_DOPEN", "開　く"), menuItem("IDM_DSAVE", "保　存"), menuSeparator("IDM_KUGIRI1"),
             menuItem("IDM_PRINT", "印　刷"), menuItem("IDM_END", "終　了")}};
}

MenuDesc clearAllMenu()
{
    return {QStringLiteral("IDM_HYOJI"), QStringLiteral("表　示"), {menuItem("IDM_ALLCLIA", "全てクリアーする")}};
}

MenuDesc exportMenu(const QString &itemCaption)
{
    return {QStringLiteral("IDM_EXL"), QStringLiteral("エクセル"),
            {{QStringLiteral("IDM_EXLSAVE"), itemCaption, QStringLiteral("IDM_EXLSAVE_Click")}}};
}

} // namespace kb
