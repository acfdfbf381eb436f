#pragma once

// The window side of the voltage-drop calculators (three-phase three-wire Form14,
// single-phase three-wire Form3, single-phase two-wire Form9, DC two-wire Form15):
// what sets the four windows apart, as data, and the procedures around the
// calculate command: load defaults, clears, 次の計算, データ読込み, the grid
// click and the wire-type, laying and supply setters.

#include "menudesc.h"
#include "vdwindow.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace kb {

namespace vd {

// One item of the 電線種別 menu.
struct WireTypeDesc
{
    QString item;    // menu item name ("IDM_CV3C")
    QString caption; // "ＣＶ－３Ｃケーブル"
    QString value;   // DENSEN_SHUBETU ("CV-3C")
    QString status;  // Label1 ("ＣＶ－３Ｃに設定")
    QStringList sizes;
};

// Everything that sets one voltage-drop window apart from the others.
struct WindowDesc
{
    const VoltageDropVariant *variant = nullptr;
    QString caption;
    QStringList legends; // "1.電源電圧" .. in entry order
    QStringList powerFactorItems;
    QString powerFactorDefault;
    QStringList voltageItems;
    QString voltageDefault;
    QStringList dropItems;
    QStringList rateItems;
    QVector<WireTypeDesc> wireTypes;
    QString defaultWireType;
    QStringList loadHeadings;  // row 0 after the window loads, columns 0..20
    QStringList resetHeadings; // row 0 after 全てクリアーする
    QVector<int> widths;       // twips, columns 0..20
    QVector<MenuDesc> menus;
    // The circuit picture.
    QString circuitMark;       // "3φ3W", "1φ3W", "1φ2W", "DC2W"
    QString panelLabel;        // "動力盤", "電灯盤"

    bool hasPowerFactor() const { return variant->hasPowerFactor; }
    const WireTypeDesc *wireType(const QString &item) const;
};

const WindowDesc &threePhaseThreeWireWindow(); // Form14
const WindowDesc &singlePhaseThreeWireWindow(); // Form3
const WindowDesc &singlePhaseTwoWireWindow();   // Form9
const WindowDesc &dcTwoWireWindow();            // Form15

constexpr int kGridRows = 101;
constexpr int kGridCols = 21;

// The procedures of a voltage-drop window that are not the calculation.
class WindowProcedures
{
public:
    WindowProcedures(VoltageDropModel &model, const WindowDesc &desc) : m(model), s(desc) {}

    // Load, before the table is read: grid shape, widths, row numbers, load headings.
    void layOutGrid();
    // Load, after the table is read: cleared fields, defaults, guidance, lists.
    void setDefaults();

    void ALL_CLIA();
    void COMBO_SETTEI();
    void GR_CLIA();
    void Command2_Click();   // 次の計算
    void Command3_Click();   // データ読込み
    void MSFlexGrid1_Click();
    void IDM_ALLCLIA_Click();

    // Menu setters; a wire-type item unknown to the window does nothing.
    void setWireType(const QString &item);
    void setLaying(const QString &value);
    void setSupply(const QString &value);

    QString guidance() const;

private:
    void writeRowNumbers();
    void writeHeadings(const QStringList &headings);
    void nextCalculation();
    void readBack();

    VoltageDropModel &m;
    const WindowDesc &s;
};

} // namespace vd
} // namespace kb
