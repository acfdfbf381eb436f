#include "vdmenus.h"

#include "conductorsizing.h"
#include "dialogs.h"
#include "failure.h"
#include "numtext.h"

#include <functional>

namespace kb {

namespace vd {

namespace {

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *t : list)
        out << QString::fromUtf8(t);
    return out;
}

const QStringList kPowerFactors = texts({"1", "0.98", "0.95", "0.85", "0.8", "0.75", "0.7", "0.65", "0.6", "0.55", "0.5", "0.45"});
const QStringList kDropSteps = texts({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "12", "14", "16"});
const QStringList kRates = texts({"1", "2", "3", "4", "5", "6", "7"});
const QStringList kSingleVoltages = texts({"100V", "102V", "105V", "110V"});

// Column 0..20 headings: the columns of the result row, then four empty ones.
QStringList headings(const char *name, const char *load, const char *current, const char *laying)
{
    QStringList h = texts({"ＮＯ", name, "電源電圧(V)", "電線サイズ", "長さ(m)", load, "力　率", current, "電線の許容電流(A)",
                           "最大許容負荷(kW)", "電圧降下(V)", "降下率(%)", "接地線サイズ", "ボンド線", "遮断機AF",
                           "遮断機AT", laying, "", "", "", ""});
    return h;
}

const QStringList kResetHeadings = headings("　名　称", "負荷容量(kW)", "負荷電流(A)", "布設方法");

// The grid widths of the windows whose columns are fitted to their contents.
const QVector<int> kFittedWidths = {450, 1800, 1300, 1300, 900, 1500, 900, 1500, 2000, 2000, 1300,
                                    1100, 1500, 1000, 1100, 1100, 1300, 1300, 1300, 1300, 1300};

QVector<int> evenWidths()
{
    QVector<int> w(kGridCols, 1300);
    w[0] = 450;
    return w;
}

struct WireItem
{
    const char *item;
    const char *caption;
    const char *value;
    const char *status;
};

QVector<WireTypeDesc> wireTypeDescs(bool twoCore, std::initializer_list<WireItem> items)
{
    QVector<WireTypeDesc> out;
    for (const WireItem &w : items) {
        const QString value = QString::fromUtf8(w.value);
        const WireType *type = findWireType(value, twoCore);
        out.append({QString::fromUtf8(w.item), QString::fromUtf8(w.caption), value, QString::fromUtf8(w.status),
                    type ? sizeList(*type) : QStringList()});
    }
    return out;
}

QVector<WireTypeDesc> threeCoreTypes()
{
    return wireTypeDescs(false, {{"IDM_IV", "ＩＶ電線", "IV", "ＩＶに設定"},
                                 {"IDM_CV3C", "ＣＶ－３Ｃケーブル", "CV-3C", "ＣＶ－３Ｃに設定"},
                                 {"IDM_CVT", "ＣＶＴケーブル", "CVT", "ＣＶＴに設定"},
                                 {"IDM_FP3C", "ＦＰ－３Ｃケーブル", "FP-3C", "ＦＰ－３Ｃに設定"}});
}

QVector<WireTypeDesc> twoCoreTypes()
{
    return wireTypeDescs(true, {{"IDM_IV", "ＩＶ電線", "IV", "ＩＶに設定"},
                                {"IDM_CV2C", "ＣＶ－２Ｃケーブル", "CV-2C", "ＣＶ－２Ｃに設定"},
                                {"IDM_FP2C", "ＦＰ－２Ｃケーブル", "FP-2C", "ＦＰ－２Ｃに設定"}});
}

MenuDesc supplyMenu(const char *jikayoItem)
{
    return {QStringLiteral("IDM_DENGEN"), QStringLiteral("電源種別"),
            {menuItem(jikayoItem, "自家用", "IDM_JIKAYO_Click"), menuItem("IDM_TODEN", "東京電力")}};
}

MenuDesc wireMenu(const char *name, const QVector<WireTypeDesc> &types)
{
    MenuDesc m{QString::fromUtf8(name), QStringLiteral("電線種別"), {}};
    for (const WireTypeDesc &t : types)
        m.items.append({t.item, t.caption, t.item + QStringLiteral("_Click")});
    return m;
}

MenuDesc layingMenu(const char *title, const char *conduitItem)
{
    return {QString::fromUtf8(title), QStringLiteral("配管種別"), {menuItem(conduitItem, "配管に布設"), menuItem("IDM_RACK", "ラックに布設")}};
}

// The menu bar of the three-wire windows and of the two-wire windows.
QVector<MenuDesc> threeWireMenus(const char *jikayoItem, const char *wireMenuName, const char *exportCaption)
{
    return {fileMenu(), supplyMenu(jikayoItem), wireMenu(wireMenuName, threeCoreTypes()), layingMenu("IDM_HAIKAN", "IDM_PIPE"),
            clearAllMenu(), exportMenu(QString::fromUtf8(exportCaption))};
}

QVector<MenuDesc> twoWireMenus()
{
    return {fileMenu(), supplyMenu("IDM_JIKAYO"), wireMenu("IDM_DENSEN", twoCoreTypes()), layingMenu("IDM_PIPE", "IDM_C"),
            clearAllMenu(), exportMenu(QStringLiteral("エクセルへ出力"))};
}

const QStringList kLegends = texts({"1.電源電圧", "2.電線ｻｲｽﾞ", "3.電線長さ", "4.負荷容量", "5.力　率"});

} // namespace

const WireTypeDesc *WindowDesc::wireType(const QString &item) const
{
    for (const WireTypeDesc &t : wireTypes)
        if (t.item == item)
            return &t;
    return nullptr;
}

namespace {

// What every voltage-drop window has alike; the two-wire windows share their
// supply voltages, wire types and menus.
WindowDesc commonDesc(const VoltageDropVariant &variant, const char *caption, const char *mark, const char *panel)
{
    WindowDesc s;
    s.variant = &variant;
    s.caption = QString::fromUtf8(caption);
    s.circuitMark = QString::fromUtf8(mark);
    s.panelLabel = QString::fromUtf8(panel);
    s.legends = variant.hasPowerFactor ? kLegends : kLegends.mid(0, 4);
    if (variant.hasPowerFactor) {
        s.powerFactorItems = kPowerFactors;
        s.powerFactorDefault = QStringLiteral("1");
    }
    s.dropItems = kDropSteps;
    s.rateItems = kRates;
    s.resetHeadings = kResetHeadings;
    s.widths = kFittedWidths;
    if (variant.twoWire) {
        s.voltageItems = kSingleVoltages;
        s.voltageDefault = QStringLiteral("105V");
        s.wireTypes = twoCoreTypes();
        s.defaultWireType = QStringLiteral("CV-2C");
        s.menus = twoWireMenus();
    } else {
        s.wireTypes = threeCoreTypes();
        s.defaultWireType = QStringLiteral("CV-3C");
    }
    return s;
}

WindowDesc makeThreePhaseThreeWire()
{
    WindowDesc s = commonDesc(threePhaseThreeWire(), "3相3線式電圧降下計算", "3φ3W", "動力盤");
    s.powerFactorDefault = QStringLiteral("0.65");
    s.voltageItems = texts({"200V", "205V", "210V", "220V", "400V", "415V", "440V"});
    s.voltageDefault = QStringLiteral("210V");
    s.dropItems = texts({"2", "4", "6", "8", "10", "12", "14", "16", "18", "20", "24", "26", "30"});
    s.loadHeadings = headings("名　称", "負荷容量(kW)", "負荷電流(A)", "布設方法");
    s.menus = threeWireMenus("IDM_JIKAYOU", "IDM_DENSENSETTEI", "エクセルヘ出力");
    return s;
}

WindowDesc makeSinglePhaseThreeWire()
{
    WindowDesc s = commonDesc(singlePhaseThreeWire(), "1相3線式電圧降下計算", "1φ3W", "電灯盤");
    s.voltageItems = texts({"200V/100V", "204V/102V", "210V/105V", "220V/110V"});
    s.voltageDefault = QStringLiteral("210V/105V");
    s.loadHeadings = headings("名　称", "負荷容量", "負荷電流", "布設方法");
    s.menus = threeWireMenus("IDM_JIKAYO", "IDM_SETTEI", "エクセルへ出力");
    return s;
}

WindowDesc makeSinglePhaseTwoWire()
{
    WindowDesc s = commonDesc(singlePhaseTwoWire(), "１相２線式電圧降下計算", "1φ2W", "電灯盤");
    s.loadHeadings = headings("名　称", "負荷容量", "負荷電流", "");
    s.widths = evenWidths();
    return s;
}

WindowDesc makeDcTwoWire()
{
    WindowDesc s = commonDesc(dcTwoWire(), "直流２線式電圧降下計算", "DC2W", "電灯盤");
    s.loadHeadings = headings("　　名　　称", "負荷容量(kW)", "負荷電流(A)", "布設方法");
    return s;
}

} // namespace

const WindowDesc &threePhaseThreeWireWindow()
{
    static const WindowDesc s = makeThreePhaseThreeWire();
    return s;
}

const WindowDesc &singlePhaseThreeWireWindow()
{
    static const WindowDesc s = makeSinglePhaseThreeWire();
    return s;
}

const WindowDesc &singlePhaseTwoWireWindow()
{
    static const WindowDesc s = makeSinglePhaseTwoWire();
    return s;
}

const WindowDesc &dcTwoWireWindow()
{
    static const WindowDesc s = makeDcTwoWire();
    return s;
}

// ---- Procedures ---------------------------------------------------------------

QString WindowProcedures::guidance() const
{
    return QStringLiteral("配管=") + m.FUSETU_HOUHOU + QStringLiteral("  ") + QStringLiteral("電線=") + m.DENSEN_SHUBETU +
           QStringLiteral("  ") + m.DENGEN_SHUBETU +
           QStringLiteral("　長さ、容量、力率を入力して下さい。サイズは入力しなくても計算できます。 ");
}

void WindowProcedures::writeRowNumbers()
{
    for (int r = 1; r < kGridRows; ++r)
        m.MSFlexGrid1.setTextMatrix(r, 0, Str(r));
}

void WindowProcedures::writeHeadings(const QStringList &headings)
{
    for (int c = 0; c < kGridCols; ++c)
        m.MSFlexGrid1.setTextMatrix(0, c, headings.value(c));
}

void WindowProcedures::layOutGrid()
{
    m.MSFlexGrid1.setShape(kGridRows, kGridCols);
    m.MSFlexGrid1.setFixed(1, 1);
    for (int c = 0; c < kGridCols; ++c)
        m.MSFlexGrid1.setColWidth(c, s.widths.value(c));
    writeRowNumbers();
    writeHeadings(s.loadHeadings);
}

void WindowProcedures::setDefaults()
{
    ALL_CLIA();
    m.Text2 = QStringLiteral("1");
    m.Text3.clear();
    m.FUSETU_HOUHOU = QStringLiteral("RACK");
    m.DENGEN_SHUBETU = QStringLiteral("JIKAYO");
    m.DENSEN_SHUBETU = s.defaultWireType;
    m.KEISAN_KAISUU = 0;
    m.Label1 = guidance();
    m.Combo1.clear();
    for (const WireTypeDesc &t : s.wireTypes)
        if (t.value == s.defaultWireType)
            m.Combo1Items = t.sizes;
    COMBO_SETTEI();
}

void WindowProcedures::ALL_CLIA()
{
    trapped(QStringLiteral("ALL_CLIA"), [this] {
        m.KEISAN_KAISUU = 0;
        for (QString *t : {&m.Combo1, &m.Combo2, &m.Combo3, &m.Combo4, &m.Combo5, &m.Text1, &m.Text2, &m.Text3, &m.Text4,
                           &m.Label1, &m.Label2, &m.Label3, &m.Label4, &m.Label5, &m.Label11, &m.Label12, &m.Label13})
            t->clear();
    });
}

void WindowProcedures::COMBO_SETTEI()
{
    if (s.hasPowerFactor()) {
        m.Combo2 = s.powerFactorDefault;
        m.Combo2Items = s.powerFactorItems;
    }
    m.Combo3 = s.voltageDefault;
    m.Combo3Items = s.voltageItems;
    m.Combo4.clear();
    m.Combo4Items = s.dropItems;
    m.Combo5.clear();
    m.Combo5Items = s.rateItems;
}

void WindowProcedures::GR_CLIA()
{
    m.MSFlexGrid1.clear();
    writeRowNumbers();
    writeHeadings(s.resetHeadings);
}

void WindowProcedures::Command2_Click()
{
    trapped(QStringLiteral("Command2_Click"), [this] { nextCalculation(); });
}

void WindowProcedures::nextCalculation()
{
    m.Text2 = Str(m.MSFlexGrid1.nextDataNumber(CDbl(m.Text2)));
    m.KEISAN_KAISUU = 0;
    const int16_t n = CInt(CDbl(m.Text2));
    const QString powerFactor = m.Combo2;
    const QString voltage = m.Combo3;
    ALL_CLIA();
    COMBO_SETTEI();
    m.Text2 = Str(n);
    if (s.hasPowerFactor())
        m.Combo2 = powerFactor;
    m.Combo3 = voltage;
    m.Label1 = guidance();
}

void WindowProcedures::Command3_Click()
{
    m.KEISAN_KAISUU = 0;
    if (m.SENTAKU_GYOU == 0) {
        message(QStringLiteral("読込む行番号を選択後にクリックして下さい。"));
        return;
    }
    trapped(QStringLiteral("Command3_Click"), [this] { readBack(); });
}

void WindowProcedures::readBack()
{
    enum How { Number, Text, Skip };
    struct Target
    {
        QString *field;
        How how;
    };
    // Grid columns 0..15 in the order the result row writes them.
    const Target targets[] = {{&m.Text2, Number},   {&m.Text3, Text},    {&m.Combo3, Number},  {&m.Combo1, Text},
                              {&m.Text1, Number},   {&m.Text4, Number},
                              {&m.Combo2, s.hasPowerFactor() ? Number : Skip},
                              {&m.Label12, Number}, {&m.Label11, Number}, {&m.Label13, Number}, {&m.Combo4, Number},
                              {&m.Combo5, Number},  {&m.Label4, Text},    {&m.Label5, Number},  {&m.Label2, Text},
                              {&m.Label3, Text}};
    const int row = m.SENTAKU_GYOU;
    // Read by address: the highlight stays on the cell the user chose, where the arrow
    // keys go on from.
    for (int c = 0; c <= 15; ++c) {
        if (targets[c].how == Skip)
            continue;
        const QString cell = m.MSFlexGrid1.textMatrix(row, c);
        *targets[c].field = targets[c].how == Text ? cell : numberShown(cell);
    }
    // The voltage shows as its list item, so the rows written after the read-back show it too.
    m.Combo3 = listItemOf(m.Combo3, m.Combo3Items);
    const QString laying = m.MSFlexGrid1.textMatrix(row, 16);
    if (sameText(laying, u"ケーブルラック"))
        m.FUSETU_HOUHOU = QStringLiteral("RACK");
    else if (sameText(laying, u"配管"))
        m.FUSETU_HOUHOU = QStringLiteral("C");
    m.SENTAKU_GYOU = 0;
}

void WindowProcedures::MSFlexGrid1_Click()
{
    trapped(QStringLiteral("MSFlexGrid1_Click"), [this] { m.SENTAKU_GYOU = int16_t(m.MSFlexGrid1.row()); });
}

void WindowProcedures::IDM_ALLCLIA_Click()
{
    GR_CLIA();
    Command2_Click();
    m.Text2 = QStringLiteral("1");
}

void WindowProcedures::setWireType(const QString &item)
{
    const WireTypeDesc *t = s.wireType(item);
    if (!t)
        return;
    m.DENSEN_SHUBETU = t->value;
    m.Label1 = t->status;
    m.Combo1Items.clear();
    m.Combo1.clear();
    m.Combo1Items = t->sizes;
}

void WindowProcedures::setLaying(const QString &value)
{
    m.FUSETU_HOUHOU = value;
    m.Label1 = value == u"C" ? QStringLiteral("配管に布設に設定") : QStringLiteral("ケーブルラックに設定");
}

void WindowProcedures::setSupply(const QString &value)
{
    m.DENGEN_SHUBETU = value;
    m.Label1 = value == u"TODEN" ? QStringLiteral("東京電力に設定") : QStringLiteral("自家用に設定");
}

} // namespace vd
} // namespace kb
