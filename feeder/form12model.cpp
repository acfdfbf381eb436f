#include "form12model.h"

#include "conductorsizing.h"
#include "dialogs.h"
#include "feederstep.h"
#include "numtext.h"
#include "refdata.h"

#include <array>
#include <optional>

namespace kb::feeder {

namespace {

// Single-phase two-wire drop coefficient.
constexpr double kK = vd::koukaKeisuu::SinglePhaseTwoWire;
// The lamp circuit's breaker frames, and its earth wires by frame.
constexpr std::array<int, 6> kFrames{20, 30, 50, 100, 150, 200};
const vd::EarthRung kEarth[] = {{30, "2"}, {50, "3.5"}, {100, "5.5"}, {150, "8"}, {200, "14"}};
const QString kTooLarge = QStringLiteral("負荷を小さくして下さい");

// The smallest frame for the breaker product; 0 above the largest.
int breakerFrame(int16_t x)
{
    for (int frame : kFrames)
        if (x <= frame)
            return frame;
    return 0;
}

// The drop 35.6 × L × I ÷ (1000 × A) in tenths of a volt, before rounding.
double dropTenths(double L, double I, int16_t A)
{
    return vd::divide(L * kK * I / 100, CInt(A * 10)) * 10;
}

// A rate in tenths of a percent, floored: drop × 1000 ÷ V.
double flooredRate(const QString &drop, double V)
{
    return CInt(Int(vd::divide(CDbl(drop) * 1000, V))) / 10.0;
}

} // namespace

Form12Model::Form12Model()
    : DD(emptyTable(db::CableSize))
{
    MSFlexGrid1.setShape(101, 26);
    MSFlexGrid1.setFixed(1, 1);
}

const vd::WireType *Form12Model::wire() const
{
    // The lamp circuit knows the IV wire and the two-core CV cable only.
    if (!sameText(DENSEN_SHUBETU, u"IV") && !sameText(DENSEN_SHUBETU, u"CV-2C"))
        return nullptr;
    return vd::findWireType(DENSEN_SHUBETU, true);
}

int16_t Form12Model::section(const QString &name, bool solidWires) const
{
    const vd::WireType *w = wire();
    if (!w)
        throw Failure(QStringLiteral("no wire type"));
    return vd::DENSEN_SUCHI(*w, name, solidWires);
}

void Form12Model::Command1_Click()
{
    click();
}

bool Form12Model::click()
{
    return countedCommand(KEISAN_KAISUU, [&] { calculate(); });
}

void Form12Model::calculate()
{
    // A ratio or a ballast current that is no number makes no group, as an empty one does.
    const bool groupB = tryReadNumber(Text8) && tryReadNumber(Text9);
    const bool groupA = tryReadNumber(Combo1) && Text8.isEmpty() && Text9.isEmpty();
    // Inputs that make neither group would leave the currents of an earlier circuit in place.
    if (!groupA && !groupB)
        endWith(QStringLiteral("倍率又はＢグループを入力してください。"));
    if (!tryReadNumber(Text4) || !tryReadNumber(Text1))
        endWith(QStringLiteral("電線の長さを入力してください。"));
    if (!tryReadNumber(Combo3))
        endWith(QStringLiteral("器具の灯数を入力してください。"));

    // A later press re-derives the primary size of the circuit last calculated;
    // other lamps, voltages, lengths or wire settings are another circuit,
    // calculated afresh, so that no row joins new inputs to old currents.
    if (KEISAN_KAISUU > 0 && editedBoxes(circuit(), ZENKAI_JOUKEN).count > 0)
        KEISAN_KAISUU = 0;
    KEISAN_KAISUU = CInt(KEISAN_KAISUU + 1);
    if (KEISAN_KAISUU == 1) {
        const Currents c = currents();
        // A load that no wire size carries, or that needs a breaker above the
        // largest frame, is refused before any result is shown.
        const int16_t secondaryRow = sizeRow(c.niji, true);
        const int16_t primaryRow = sizeRow(c.shidou, false);
        if (!secondaryRow || !primaryRow)
            endWith(kTooLarge);
        step(QStringLiteral("MCB_SAIZU"), [&] {
            if (!breakerFrame(breakerProduct(c.shidou)))
                endWith(kTooLarge);
        });
        ANTEI_DENRYU = c.antei;
        SHIDOU_DENRYU = c.shidou;
        NIJI_DENRYU = c.niji;
        if (groupB)
            Combo1.clear();
        Label19 = Str(SHIDOU_DENRYU);
        Label20 = Str(ANTEI_DENRYU);
        resultsEnabled = true;
        SAIZU_GYOU = secondaryRow;
        Label30 = DD.at(4, SAIZU_GYOU);
        SAIZU_GYOU = primaryRow;
        Label28 = DD.at(4, SAIZU_GYOU);
        Label1 = settingsText();
        step(QStringLiteral("DENATU_KOUKAA"), [&] { DENATU_KOUKAA(); });
        step(QStringLiteral("DENATU_KOUKAB"), [&] { DENATU_KOUKAB(); });
        step(QStringLiteral("KOUKA_LITUA"), [&] { KOUKA_LITUA(); });
        step(QStringLiteral("KOUKA_LITUB"), [&] { KOUKA_LITUB(); });
    } else {
        step(QStringLiteral("NANKAI_ME"), [&] { NANKAI_ME(); });
    }
    step(QStringLiteral("MCB_SAIZU"), [&] { MCB_SAIZU(); });
    step(QStringLiteral("HAIKAN_SAIZU"), [&] { HAIKAN_SAIZU(); });
    step(QStringLiteral("GR_TENSOU"), [&] { GR_TENSOU(); });
    if (Val(Label25) >= 5)
        message(QStringLiteral("合計の電圧降下率が５％以上ではランプが点灯しない場合があります。"));
    ZENKAI = resultBoxes();
    ZENKAI_JOUKEN = circuit();
}

QStringList Form12Model::resultBoxes() const
{
    return {Text12, Text13, Text14, Text15};
}

void Form12Model::setResultBoxes(const QStringList &texts)
{
    Text12 = texts.value(0);
    Text13 = texts.value(1);
    Text14 = texts.value(2);
    Text15 = texts.value(3);
}

// Every input the first calculation reads.
QStringList Form12Model::circuit() const
{
    return {Combo1, Combo2, Text8, Text9, Text10, Combo3, Combo4, Combo5, Text1, Text4, DENSEN_SHUBETU, FUSETU_HOUHOU};
}

Form12Model::Currents Form12Model::currents() const
{
    const double n = CDbl(Combo3);
    if (!Text8.isEmpty() && !Text9.isEmpty())
        return {CInt(CDbl(Text8) * n), CInt(CDbl(Text9) * n), CInt(CDbl(Text10))};
    const double W = CDbl(Combo2);
    const double pf1 = CDbl(DD.at(1, 5));
    const int16_t tenths = CInt(Int(vd::divide(vd::divide(n * W * 10, CDbl(Combo4)), pf1)));
    const int16_t antei = CInt(tenths / 10.0);
    return {antei, CInt(CDbl(Combo1) * antei), CInt(vd::divide(W, CDbl(Combo5)))};
}

int16_t Form12Model::sizeRow(int16_t current, bool atLeast) const
{
    const bool iv = sameText(DENSEN_SHUBETU, u"IV");
    const bool cv = sameText(DENSEN_SHUBETU, u"CV-2C");
    const int first = iv ? 251 : 271, last = iv ? 270 : 285;
    const int column = cv && vd::layingOf(FUSETU_HOUHOU) == vd::Laying::Rack ? 6 : 5;
    atLeast = atLeast && iv; // only the IV secondary takes a current equal to the load
    if (iv || cv)
        for (int r = first; r <= last; ++r) {
            if (DD.at(4, r).isEmpty())
                continue; // a row without a size name holds no size
            const double amps = Val(DD.at(column, r));
            if (atLeast ? amps >= current : amps > current)
                return int16_t(r);
        }
    return 0; // no size carries the current
}

int16_t Form12Model::breakerProduct(double startingCurrent) const
{
    return CInt(startingCurrent * CDbl(DD.at(3, 5)));
}

void Form12Model::DENATU_KOUKAA()
{
    DANMENSEKI = section(Label28, true);
    Text12 = Str(CInt(dropTenths(CDbl(Text1), SHIDOU_DENRYU, DANMENSEKI)) / 10.0);
}

void Form12Model::DENATU_KOUKAB()
{
    DANMENSEKI = section(Label30, true);
    Text14 = Str(CInt(Int(dropTenths(CDbl(Text4), NIJI_DENRYU, DANMENSEKI))) / 10.0);
}

void Form12Model::KOUKA_LITUA()
{
    Text13 = Str(flooredRate(Text12, CDbl(QStringView(Combo4).left(3))));
}

void Form12Model::KOUKA_LITUB()
{
    Text15 = Str(flooredRate(Text14, CDbl(QStringView(Combo5).left(3))));
    totalRate();
}

void Form12Model::totalRate()
{
    const double r1 = Val(Text13), r2 = Val(Text15);
    const double P = Int((100 - r1) * (100 - r2));
    Label25 = Str((10000 - P) / 100);
}

void Form12Model::MCB_SAIZU()
{
    const int frame = breakerFrame(breakerProduct(CDbl(Label19)));
    if (!frame)
        endWith(kTooLarge);
    Label26 = Str(frame) + QStringLiteral("AF");
    EARTH_SEN = vd::earthSize(frame, kEarth, QString());
    Label27 = QStringLiteral("E") + EARTH_SEN + QStringLiteral("mm2");
}

void Form12Model::HAIKAN_SAIZU()
{
    const vd::Laying laying = vd::layingOf(FUSETU_HOUHOU);
    if (laying != vd::Laying::Conduit) {
        Label29.clear(); // no conduit on the rack, nor another circuit's
        return;
    }
    const bool thick = sameText(FUSETU_HOUHOU, u"G");
    for (int r = 291; r <= 330; ++r)
        if (sameText(DD.at(2, r), EARTH_SEN) && sameText(DD.at(1, r), Label28)) {
            const QString &conduit = DD.at(thick ? 4 : 3, r), &flexible = DD.at(5, r);
            if (isUnreadable(conduit) || isUnreadable(flexible))
                break; // a row that could not be read gives no conduit
            Label29 = conduit + QStringLiteral(" ") + flexible;
            return;
        }
    Label29.clear(); // no conduit row for the wire and its earth
}

void Form12Model::GR_TENSOU()
{
    const int row = dataRow(Text2, MSFlexGrid1);
    MSFlexGrid1.writeRow(row,
             {Text3, Combo2, Combo1, Text9, Text8, Text10, Combo4, Combo5, Combo3, Text1, Text4, Label19, Label20,
              Text12, Text13, Text14, Text15, Label25, Label28, Label30, Label26, Label27, Label29, DENSEN_SHUBETU});
}

void Form12Model::NANKAI_ME()
{
    const EditedBoxes e = editedBoxes(resultBoxes(), ZENKAI);
    if (e.count > 1)
        endWith(QStringLiteral("変更は１回につき１箇所です。"));
    const int edited = e.index;
    if (e.count == 1 && edited <= 1) {
        const double L = CDbl(Text1);
        // A drop no wire gives: the boxes show the row again, so that the next edit is judged on its own.
        const auto refuse = [&] {
            setResultBoxes(ZENKAI);
            endWith(kOverSize);
        };
        // A text that is no figure, a drop of 0 V (a rate is taken in whole volts) or one so
        // small that its section passes every size gives no wire.
        const std::optional<double> tenTimesDrop = editedTenthsOfDrop(edited == 0 ? Text12 : Text13, edited == 1, Combo4);
        if (!tenTimesDrop)
            refuse();
        int16_t needed = 0;
        try {
            needed = CInt(vd::divide(L * kK * SHIDOU_DENRYU / 100, *tenTimesDrop));
        } catch (const Overflow &) {
            refuse();
        }
        // SAIZU_CHOSEI2: the next standard size up to 325 mm²; above it the size stays.
        const vd::WireType *w = wire();
        if (!w)
            throw Failure(QStringLiteral("no wire type"));
        std::optional<QString> name = vd::SAIZU_CHOSEI(*w, needed);
        if (!name)
            refuse();
        // A larger drop never takes a wire that cannot carry the starting current.
        if (const int16_t carrying = sizeRow(SHIDOU_DENRYU, false))
            if (section(DD.at(4, carrying), false) > section(*name, false))
                name = DD.at(4, carrying);
        DANMENSEKI = needed;
        CHOSEI_SAIZU = *name;
        Label28 = CHOSEI_SAIZU;
        step(QStringLiteral("DENSEN_SUCHI"), [&] { DANMENSEKI = section(CHOSEI_SAIZU, false); });
        Text12 = Str(CInt(vd::divide(L * kK / 100 * SHIDOU_DENRYU, DANMENSEKI)) / 10.0);
        Text13 = Str(CInt(vd::divide(CDbl(Text12) * 1000, Val(Combo4))) / 10.0);
    }
    resultsEnabled = true;
    totalRate();
    HAIKAN_SAIZU();
}

QString Form12Model::settingsText() const
{
    return QStringLiteral("１次側の力率設定＝") + DD.at(1, 5) + QStringLiteral("  ２次側の力率設定＝") + DD.at(2, 5);
}

// ---- The window around the calculation ----

namespace {

const QString kPrompt = QStringLiteral("共通条件とＡ又はＢグループを入力して下さい。");

QStringList texts(std::initializer_list<const char *> list)
{
    QStringList out;
    for (const char *t : list)
        out << QString::fromUtf8(t);
    return out;
}

QStringList counting(int from, int to)
{
    QStringList out;
    for (int i = from; i <= to; ++i)
        out << Str(i);
    return out;
}

} // namespace

const QStringList Form12Model::LoadHeadings = texts({
    "名   称   ", "Ｗ   数   ", "倍   率   ", "始動時電流1台分", "安定時電流1台分", "ランプ電流1台分", "1次電圧   ",
    "ランプ電圧 ", "灯   数   ", "1次長さ(m)", "2次長さ(m)", "1次始動電流合計", "1次安定電流合計", "1次電圧降下(V)",
    "1次降下率(%)", "2次電圧降下(V)", "2次降下率(%)", "降下率合計(%)", "1次電線サイズ", "2次線サイズ", "配線遮断器定格",
    "アース線サイズ", "1次配管サイズ", "電線種別", "予　備",
});

const QStringList Form12Model::ClearHeadings = texts({
    "名   称    ", "Ｗ   数    ", "倍   率    ", "始動時電流１台分", "安定時電流１台分", "ランプ電流1台分", "1次電圧      ",
    "ランプ電圧   ", "灯   数      ", "1次長さ(m)   ", "2次長さ(m)   ", "1次始動電流合計", "1次安定電流合計", "1次電圧降下(V)",
    "1次降下率(%)", "２次電圧降下(V)", "２次降下率(%)", "降下率合計(%)", "１次電線サイズ", "２次線サイズ", "配線遮断器定格",
    "アース線サイズ", "1次配管サイズ", "電線種別", "予　備",
});

void Form12Model::setDefaults()
{
    IDM_INCLIA_Click();
    KEISAN_KAISUU = 0;
    Text2 = QStringLiteral("1");
    DENSEN_SHUBETU = QStringLiteral("IV");
    FUSETU_HOUHOU = QStringLiteral("C");
    Label1 = kPrompt;
    MSFlexGrid1.setColWidth(0, 450);
    for (int c = 1; c <= 25; ++c)
        MSFlexGrid1.setColWidth(c, 1800);
    Combo1Items = texts({"1", "1.1", "1.2", "1.3", "1.4", "1.5", "1.6", "1.7", "1.8", "1.9", "2", "2.2", "2.5"});
    Combo1.clear();
    Combo2Items = texts({"100", "180", "200", "220", "250", "270", "300", "360", "400", "660", "700", "940", "1000", "1500", "2000"});
    Combo2 = QStringLiteral("250");
    Combo3Items = counting(1, 15);
    Combo3 = QStringLiteral("1");
    Combo4Items = texts({"100", "105", "200", "210", "220", "415", "440"});
    Combo4 = QStringLiteral("200");
    Combo5Items = texts({"95", "100", "115", "120", "130", "250"});
    Combo5 = QStringLiteral("130");
    numberRows(MSFlexGrid1, 30);
    writeHeadings(MSFlexGrid1, LoadHeadings);
}

void Form12Model::Command2_Click()
{
    KEISAN_KAISUU = 0;
    Text1.clear();
    Text2 = Str(MSFlexGrid1.nextDataNumber(CDbl(Text2)));
    for (QString *text : {&Text3, &Text4, &Combo1, &Combo3, &Text8, &Text9, &Text10, &Text12, &Text13, &Text14, &Text15,
                          &Label19, &Label20, &Label25, &Label26, &Label27, &Label28, &Label29, &Label30, &Label31})
        text->clear();
    Label1 = kPrompt;
}

void Form12Model::Command3_Click()
{
    if (!tryReadNumber(Text4) || !tryReadNumber(Text1)) {
        message(QStringLiteral("電線の長さを入力してください。"));
        return;
    }
    if (!tryReadNumber(Combo3)) {
        message(QStringLiteral("器具の灯数を入力してください。"));
        return;
    }
    KEISAN_KAISUU = 0;
    // A refused calculation leaves the status line to the refusal.
    if (click())
        Label1 = QStringLiteral("初期の条件で計算しました。。") + settingsText();
}

void Form12Model::Command5_Click()
{
    resultsEnabled = true;
    KEISAN_KAISUU = 0;
    if (SENTAKU_GYOU == 0) {
        message(QStringLiteral("読込む行番号を選択後にクリックして下さい。"));
        return;
    }
    const GridRowReader g{MSFlexGrid1, SENTAKU_GYOU};
    const auto number = [&](int c) { return g.number(c); };
    const auto cell = [&](int c) { return g.cell(c); };
    const auto numberOrEmpty = [&](int c) {
        const QString n = g.number(c);
        return n == u"0" ? QString() : n;
    };
    Text2 = g.dataNumber();
    Text3 = g.trimmed(1);
    Combo2 = number(2);
    Combo1 = numberOrEmpty(3);
    Text9 = numberOrEmpty(4);
    Text8 = numberOrEmpty(5);
    Text10 = numberOrEmpty(6);
    Combo4 = number(7);
    Combo5 = number(8);
    Combo3 = number(9);
    Text1 = number(10);
    Text4 = number(11);
    Label19 = number(12);
    Label20 = number(13);
    Text12 = number(14);
    Text13 = number(15);
    Text14 = number(16);
    Text15 = number(17);
    Label25 = number(18);
    Label28 = cell(19);
    Label30 = cell(20);
    Label26 = cell(21);
    Label27 = cell(22);
    Label29 = cell(23);
    DENSEN_SHUBETU = cell(24);
    SENTAKU_GYOU = 0;
    // A row with a starting current and a primary size stands for a completed
    // calculation of its circuit: the next 計算 recalculates it from the one
    // result the user edits, on the row's own size, lengths and current.
    const std::optional<double> starting = tryReadNumber(Label19);
    if (starting && *starting > 0 && *starting < 32767.5 && !Label28.isEmpty()) {
        SHIDOU_DENRYU = CInt(*starting);
        KEISAN_KAISUU = 1;
        ZENKAI = resultBoxes();
        ZENKAI_JOUKEN = circuit();
    }
}

void Form12Model::MSFlexGrid1_Click()
{
    SENTAKU_GYOU = CInt(MSFlexGrid1.row());
}

void Form12Model::IDM_INCLIA_Click()
{
    for (QString *text : {&Text1, &Text4, &Text8, &Text9, &Text10, &Text3, &Text12, &Text13, &Text14, &Text15, &Label19,
                          &Label20, &Label25, &Label26, &Label27, &Label28, &Label29, &Label30, &Label31})
        text->clear();
    resultsEnabled = false;
    KEISAN_KAISUU = 0; // the next 計算 starts from the inputs again
}

void Form12Model::IDM_GRCLA_Click()
{
    resetGrid(MSFlexGrid1, ClearHeadings);
}

void Form12Model::IDM_ALLCLIA_Click()
{
    clearAll([&] { IDM_GRCLA_Click(); }, [&] { Command2_Click(); }, Text2);
}

void Form12Model::IDM_USUI_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("C"), Label1, QStringLiteral("薄鋼配管「Ｃ」に設定"));
}

void Form12Model::IDM_ATUKOU_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("G"), Label1, QStringLiteral("厚鋼配管「Ｇ」に設定に設定しました。"));
}

void Form12Model::IDM_RACK_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("RACK"), Label1, QStringLiteral("ケーブルラックに設定しました。"));
}

void Form12Model::IDM_IV_Click()
{
    setting(DENSEN_SHUBETU, QStringLiteral("IV"), Label1, QStringLiteral("ＩＶ電線に設定しました。"));
}

void Form12Model::IDM_CV_Click()
{
    setting(DENSEN_SHUBETU, QStringLiteral("CV-2C"), Label1, QStringLiteral("ＣＶ－２Ｃケーブルに設定しました。"));
}

} // namespace kb::feeder
