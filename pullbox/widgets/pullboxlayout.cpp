#include "pullboxlayout.h"

#include <initializer_list>
#include <utility>

namespace kb::pullbox {

namespace {

constexpr quint32 kWhite = 0x00FFFFFF;

using Places = std::initializer_list<std::pair<const char *, Place>>;
using Colours = std::initializer_list<std::pair<const char *, quint32>>;

// A place given only by its corner keeps the size it had.
void move(Layout &l, Places places)
{
    for (const auto &[name, p] : places) {
        Place &at = l.places[QString::fromLatin1(name)];
        at.left = p.left;
        at.top = p.top;
        if (p.width)
            at.width = p.width;
        if (p.height)
            at.height = p.height;
    }
}

void paint(Layout &l, Colours colours)
{
    for (const auto &[name, c] : colours)
        l.colours[QString::fromLatin1(name)] = c;
}

// 水平左曲り: the design the other five windows change.
Layout leftBendLayout()
{
    Layout l;
    l.clientWidth = 7650;
    l.clientHeight = 5100;
    move(l, {{"Text2", {120, 50, 855, 375}},        {"Text1", {120, 480, 2895, 375}},
             {"Label1", {3120, 45, 4455, 855}},     {"Image1", {120, 960, 6060, 4065}},
             {"Frame1", {6240, 960, 1335, 1815}},   {"Label2", {120, 360, 1095, 255}},
             {"Combo1", {120, 720, 1095, 360}},     {"Command4", {120, 1200, 1095, 495}},
             {"Command6", {6240, 2880, 1335, 495}}, {"Command2", {6240, 3480, 1335, 975}},
             {"Command3", {6240, 4560, 1335, 495}}, {"Frame4", {120, 5280, 1695, 1455}},
             {"Frame2", {1920, 5280, 1455, 1455}},  {"Frame3", {3480, 5400, 1455, 1095}},
             {"Command5", {5040, 5280, 1215, 855}}, {"Command1", {6360, 5280, 1215, 855}},
             {"Label9", {7800, 150, 3495, 350}},    {"MSFlexGrid1", {7680, 600, 3855, 4455}}});
    paint(l, {{"Form", 0x00FFFFC0}, {"Label1", kWhite}, {"Label3", kWhite}, {"Label4", kWhite}, {"Label5", kWhite},
              {"Label6", kWhite}, {"Label7", kWhite}, {"Label8", kWhite}, {"Label9", kWhite}, {"Command1", 0x0080FFFF},
              {"Command3", 0x0080FFFF}, {"Command6", 0x0080FFFF}, {"Command5", 0x008080FF}, {"Command4", 0x00FF8080},
              {"Command2", 0x000080FF}, {"Frame1", 0x00FFFF00}, {"Label2", 0x00FFFF00}});
    return l;
}

// 水平右曲りPBOX: the mirror image, with the option frames side by side.
Layout rightBendLayout()
{
    Layout l = leftBendLayout();
    l.clientWidth = 7665;
    move(l, {{"Label9", {7920, 120, 3495, 345}}, {"Text2", {120, 0}},
             {"Frame1", {6240, 960, 1335, 1935}}, {"Command4", {120, 1200, 1095, 615}},
             {"Command6", {6240, 3000, 1335, 375}}, {"Command2", {6240, 3420}},
             {"Command3", {6240, 4500}},         {"Frame4", {120, 5220}},
             {"Frame3", {1920, 5220}},           {"Frame2", {3480, 5220}},
             {"Option2(0)", {240, 360, 1095, 255}}, {"Option2(1)", {240, 720, 1095, 255}},
             {"MSFlexGrid1", {7800, 570, 3855, 5535}}});
    paint(l, {{"Form", 0x00C0FFC0}, {"Frame1", 0x0000FF00}, {"Label2", 0x0000FF00}});
    return l;
}

// ストレートPBOX計算.
Layout straightLayout()
{
    Layout l = leftBendLayout();
    l.clientWidth = 7665;
    l.clientHeight = 5085;
    move(l, {{"Text2", {120, 0, 855, 375}},          {"Text1", {120, 480, 3015, 375}},
             {"Label1", {3240, 45, 4335, 855}},      {"Image1", {120, 960, 6060, 4035}},
             {"Frame1", {6240, 900, 1335, 1935}},    {"Command4", {120, 1200, 1095, 615}},
             {"Command6", {6240, 2880, 1335, 495}},  {"Command2", {6240, 3420, 1335, 975}},
             {"Command3", {6240, 4500, 1335, 495}},  {"Frame4", {120, 5160, 1695, 1455}},
             {"Frame3", {1920, 5160, 1455, 1095}},   {"Option2(0)", {240, 360, 975, 255}},
             {"Option2(1)", {240, 720, 1095, 255}},  {"Frame2", {3480, 5160, 1455, 1455}},
             {"Label9", {7920, 240, 3975, 495}},     {"MSFlexGrid1", {7800, 840, 4335, 5295}}});
    paint(l, {{"Form", 0x00C0FFFF}, {"Frame1", 0x0000FFFF}, {"Label2", 0x0000FFFF}, {"Command4", 0x0000FF00},
              {"Command6", 0x0080FF80}, {"Command2", 0x000080FF}, {"Command3", 0x0000FF00}, {"Command5", 0x00FF8080},
              {"Command1", 0x0080FF80}});
    return l;
}

// 立ち下げ: one row of conduits; its colours are those of the shared design.
Layout dropLayout()
{
    Layout l = leftBendLayout();
    move(l, {{"Text2", {120, 0, 975, 375}},         {"Text1", {120, 540, 2295, 375}},
             {"Label1", {2520, 50, 5055, 855}},     {"Frame1", {6240, 960, 1335, 1935}},
             {"Command4", {120, 1200, 1095, 615}},  {"Label9", {6240, 3000, 1335, 495}},
             {"MSFlexGrid1", {7800, 120, 4335, 4575}}, {"Frame4", {120, 5340}},
             {"Frame3", {1920, 5340}},              {"Frame2", {3600, 5340}},
             {"Command5", {7800, 5160, 1335, 975}}, {"Command1", {9240, 5160, 1215, 975}}});
    return l;
}

// 左ねじりPBOX計算 and 右ねじりPBOX計算: the grid and the lower buttons stand
// further up and left; the count of registered conduits has the window colour.
Layout twistLayout(bool exitLeft)
{
    Layout l = leftBendLayout();
    l.clientWidth = exitLeft ? 7620 : 7650;
    l.clientHeight = exitLeft ? 5160 : 5130;
    move(l, {{"Frame4", {120, 5220}}, {"Frame2", {1920, 5220}}, {"Frame3", {3480, 5220}},
             {"Command5", {7680, 5160, 1335, 975}}, {"Command1", {9120, 5160, 1215, 975}},
             {"MSFlexGrid1", {7680, 420, 4335, 4575}}, {"Label9", {6240, 3000, 1335, 495}},
             {"Frame1", {6240, 960, 1335, 1935}}, {"Command4", {120, 1200, 1095, 615}}});
    l.colours.remove(QStringLiteral("Label9"));
    paint(l, {{"Command1", 0x0080FFFF}, {"Command3", 0x0080FFFF}, {"Command2", 0x0000FF00}, {"Command4", 0x00FF8080}});
    if (exitLeft)
        paint(l, {{"Form", 0x00C0C0FF}, {"Frame1", 0x008080FF}, {"Label2", 0x008080FF}, {"Command5", 0x00FF8080}});
    else
        paint(l, {{"Form", 0x00FFC0C0}, {"Frame1", 0x00FF8080}, {"Label2", 0x00FF8080}, {"Command5", 0x0080C0FF}});
    return l;
}

} // namespace

const Layout &layoutOf(const QString &formName)
{
    static const QHash<QString, Layout> layouts = {
        {QStringLiteral("Form21"), leftBendLayout()}, {QStringLiteral("Form22"), rightBendLayout()},
        {QStringLiteral("Form23"), straightLayout()}, {QStringLiteral("Form24"), dropLayout()},
        {QStringLiteral("Form25"), twistLayout(true)}, {QStringLiteral("Form26"), twistLayout(false)}};
    static const Layout none;
    const auto it = layouts.constFind(formName);
    return it == layouts.constEnd() ? none : *it;
}

} // namespace kb::pullbox
