#include "form7model.h"

#include "conductorsizing.h"
#include "dialogs.h"
#include "feederstep.h"
#include "numtext.h"
#include "refdata.h"

namespace kb::feeder {

namespace {

// The drop of a three-phase three-wire circuit, to 0.01 V.
constexpr double kK = vd::koukaKeisuu::ThreePhaseThreeWire;
constexpr int kStepsPerVolt = 100;

// Columns of MotorDesignRow.
enum DesignColumn {
    RatedCurrent = 2, IvSize, IvLength, CvSize, CvLength, CabtyreSize, FrameDirect, FrameStarDelta,
    EarthSize = 11, BondSize, CapMicro50, CapKvar50, CapMicro60, CapKvar60, CapWire50, CapWire60, BreakerTrip
};

const QString kStarDelta = QStringLiteral("ｽﾀｰﾃﾞﾙﾀ");
const QStringList kVoltageClasses = {QStringLiteral("200V級"), QStringLiteral("400V級")};
const QString kCurrentPrompt = QStringLiteral("必須条件３箇所,定格電流,電線長さを入力してください。");

// The motor output of a grid cell, without the unit the grid row appends to it.
QString capacityOf(const QString &cell)
{
    if (sameText(QStringView(cell).right(2), u"kW"))
        return trimBlanks(cell.chopped(2));
    return cell;
}

} // namespace

Form7Model::Form7Model()
    : Label13(QStringLiteral("ｺﾝﾃﾞﾝｻ")), DD(emptyTable(db::CableSize))
{
    MSFlexGrid1.setShape(101, 26);
    MSFlexGrid1.setFixed(1, 1);
}

void Form7Model::readSettings()
{
    const auto cell = [&](int c) { return DD.at(c, 2); };
    DENGEN_SHUBETU = sameText(cell(1), u"自家用") ? QStringLiteral("JIKAYO") : QStringLiteral("TODEN");
    SHUHASU = sameText(cell(2), u"50") ? QStringLiteral("50") : QStringLiteral("60");
    KEISAN_MODE = sameText(cell(3), u"設計") ? QStringLiteral("SEKKEI") : cell(3).isEmpty() ? QStringLiteral("SEKOU") : QString();
    const auto oneOf = [](const QString &text, std::initializer_list<const char16_t *> values) {
        for (const char16_t *v : values)
            if (sameText(text, v))
                return QString::fromUtf16(v);
        return QString();
    };
    DENSEN_SHUBETU = oneOf(cell(6), {u"CV-3C", u"IV"});
    KONDENSA_HYOJI = oneOf(cell(7), {u"KVAR", u"MICRO"});
    FUSETU_HOUHOU = oneOf(cell(8), {u"C", u"G", u"RACK"});
}

bool Form7Model::conduitLaying() const
{
    return vd::layingOf(FUSETU_HOUHOU) == vd::Laying::Conduit;
}

bool Form7Model::rackLaying() const
{
    return vd::layingOf(FUSETU_HOUHOU) == vd::Laying::Rack;
}

bool Form7Model::starDelta() const
{
    return sameText(Combo3, kStarDelta);
}

const vd::WireType *Form7Model::wire() const
{
    // The motor feeder knows the IV wire and the three-core CV cable only.
    if (!sameText(DENSEN_SHUBETU, u"IV") && !sameText(DENSEN_SHUBETU, u"CV-3C"))
        return nullptr;
    return vd::findWireType(DENSEN_SHUBETU, false);
}

const QString &Form7Model::design(int column) const
{
    if (TAISHOU_GYOU == 0)
        throw Failure(QStringLiteral("no motor design row"));
    return DD.at(column, TAISHOU_GYOU);
}

void Form7Model::Command1_Click()
{
    click();
}

bool Form7Model::click()
{
    return countedCommand(KEISAN_KAISUU, [&] { calculate(); });
}

void Form7Model::calculate()
{
    // An output or voltage read back from a cell that could not be read whole is none.
    if (Combo1.isEmpty() || isUnreadable(Combo1))
        endWith(QStringLiteral("モーターの容量を選択して下さい。"));
    if (Combo2.isEmpty() || isUnreadable(Combo2))
        endWith(QStringLiteral("電圧を選択して下さい。"));
    if (Combo3.isEmpty())
        endWith(QStringLiteral("始動方式を選択して下さい。"));
    setResultBoxes(true);
    Text1Enabled = Text4Enabled = true;
    checkClassLimits();

    // A later click recalculates the motor of the last calculation; another
    // output, voltage class or start method is another motor, calculated afresh.
    const bool recalculation = KEISAN_KAISUU > 0 && editedBoxes(motor(), ZENKAI.mid(watched().size())).count == 0;
    // A length typed as no figure ("30m", "1,000") is refused with the window's prompt; a
    // first design calculation takes its length from the table. A recalculation's current
    // is judged with the edits, which put the row's figures back when it is refused.
    if ((recalculation || KEISAN_MODE != QLatin1String("SEKKEI")) && !positiveFigure(Text1))
        endWith(kCurrentPrompt);
    HENKOU_CODE.clear();
    KEISAN_KAISUU = recalculation ? CInt(KEISAN_KAISUU + 1) : int16_t(1);
    if (recalculation)
        step(QStringLiteral("NANKAI_ME"), [&] { NANKAI_ME(); });

    // The design row of this calculation: only design mode chooses one, and a
    // voltage outside both classes chooses none (an earlier motor's row is not used).
    const bool designMode = KEISAN_MODE == QLatin1String("SEKKEI");
    bool rowChosen = false;
    if (designMode) {
        if (const int first = designRows(); first == 31) {
            SEKKEI(first, QStringLiteral("SEKKEI_200"));
            rowChosen = true;
        } else if (first == 11) {
            SEKKEI(first, QStringLiteral("SEKKEI_400"));
            rowChosen = true;
        }
    }
    // The current of a first calculation is refused before any box is written;
    // without a design row HYOU_JI has nothing to show and fails on its own.
    if (KEISAN_KAISUU == 1 && (rowChosen || !designMode) && !drawsCurrent(rowChosen ? design(RatedCurrent) : Text4))
        endWith(kCurrentPrompt);
    if (KEISAN_KAISUU == 1 && designMode)
        step(QStringLiteral("HYOU_JI"), [&] {
            if (!rowChosen)
                throw Failure(QStringLiteral("no design row for this voltage"));
            HYOU_JI();
        });
    step(QStringLiteral("HAIKAN_SAIZU"), [&] {
        if (conduitLaying() && designMode && !rowChosen)
            throw Failure(QStringLiteral("no design row for this voltage"));
        if (designMode || !conduitLaying())
            HAIKAN_SAIZU();
        else
            Label7.clear(); // no design row gives no earth key: no conduit to show
    });
    if (KEISAN_KAISUU == 1) {
        DENATU_KOUKA();
        KOUKA_LITU();
    }
    powerFactor();
    if (rackLaying()) {
        Label7.clear();
        Label16.clear();
        Label17.clear();
    }
    step(QStringLiteral("NAGASA_HANTEI"), [&] {
        if (const vd::LengthBand *band = vd::lengthBand(DENGEN_SHUBETU, CDbl(Text1)))
            if (CDbl(Combo6) > band->limit)
                message(band->message);
    });
    // Nothing re-derived: remind the user how a recalculation is asked for.
    if (HENKOU_CODE.isEmpty())
        Label1 = QStringLiteral("設定変更は１回につき１箇所だけです。");
    ZENKAI = watched() + motor();
    GR_HYOJI();
    // The row may now hold another supply than the calculation that chose its capacitor, and
    // the frequency or unit may have changed since: the labels follow the row as written.
    showRowCapacitor();
    step(QStringLiteral("KYOYOU_CHECK"), [&] { KYOYOU_CHECK(); });
    overloadTest();
}

QStringList Form7Model::watched() const
{
    return {Combo4, Text1, Combo5, Combo6, Text4};
}

QStringList Form7Model::motor() const
{
    return {Combo1, Combo2, Combo3};
}

bool Form7Model::drawsCurrent(const QString &current) const
{
    // The output or voltage that is no number is left to the steps that read them.
    const std::optional<double> P = tryReadNumber(Combo1);
    const double V = Val(Combo2);
    if (!P || V <= 0)
        return true;
    const std::optional<double> I = tryReadNumber(current);
    // The factor as its label would show it, in whole percent.
    return I && *I > 0 && CInt(qMin(powerFactorPercent(*P, *I), 32767.0)) <= 100;
}

void Form7Model::setWatched(const QStringList &texts)
{
    Combo4 = texts.value(0);
    Text1 = texts.value(1);
    Combo5 = texts.value(2);
    Combo6 = texts.value(3);
    Text4 = texts.value(4);
}

double Form7Model::powerFactorPercent(double P, double I) const
{
    return vd::divide(P * 100000, I * (Val(Combo2) * vd::kRoot3));
}

void Form7Model::checkClassLimits() const
{
    const double V = Val(Combo2);
    const double P = Val(Combo1);
    const auto limit = [&](const char16_t *cls, double most, const char16_t *mostText) {
        if (P > most)
            endWith(QString::fromUtf16(cls) + QStringLiteral("は設計モードでは") + QString::fromUtf16(mostText) + QStringLiteral("までしか計算できません"));
        if (P < 5.5 && starDelta())
            endWith(QString::fromUtf16(cls) + QStringLiteral("は設計モードでは５．５ｋＷ未満のスターデルタは計算できません"));
    };
    if (V < 250)
        limit(u"200V級", 37, u"３７ｋＷ");
    else if (V > 350)
        limit(u"400V級", 75, u"７５ｋＷ");
}

int Form7Model::designRows() const
{
    // A voltage that could not be read whole is of no class (a row read back may hold one).
    if (isUnreadable(Combo2))
        return 0;
    const double V = Val(Combo2);
    return V > 150 && V < 250 ? 31 : V > 350 && V < 450 ? 11 : 0;
}

std::optional<int16_t> Form7Model::designRowOf(int firstRow) const
{
    const QString key = trimBlanks(Combo1);
    for (int r = firstRow; r < firstRow + 20; ++r)
        if (sameText(trimBlanks(DD.at(1, r)), key))
            return int16_t(r);
    return std::nullopt;
}

void Form7Model::SEKKEI(int firstRow, const QString &tag)
{
    std::optional<int16_t> row;
    step(tag, [&] { row = designRowOf(firstRow); });
    if (!row)
        endWith(QStringLiteral("該当する容量がありません、該当するものに変更して下さい。"));
    TAISHOU_GYOU = *row;
}

void Form7Model::HYOU_JI()
{
    Text4 = design(RatedCurrent);
    if (sameText(DENSEN_SHUBETU, u"IV")) {
        Combo4 = design(IvSize);
        Text1 = design(IvLength);
    } else if (sameText(QStringView(DENSEN_SHUBETU).left(2), u"CV")) {
        Combo4 = design(CvSize);
        Text1 = design(CvLength);
    }
    if (sameText(Combo3, u"直入れ"))
        Label10 = design(FrameDirect) + QStringLiteral(" AF");
    else if (starDelta())
        Label10 = design(FrameStarDelta) + QStringLiteral(" AF");
    Label11 = design(BreakerTrip) + QStringLiteral(" AT");
    Label8 = QStringLiteral("E") + design(EarthSize);
    Label14 = QStringLiteral("ﾎﾞﾝﾄﾞ") + design(BondSize);
    Label18 = design(CabtyreSize) + QStringLiteral("mm2");
    showCapacitor(TAISHOU_GYOU);
}

void Form7Model::showCapacitor(int16_t g)
{
    // A private receiving station corrects its power factor itself: no capacitor of
    // another motor may stand beside its figures.
    if (!sameText(DENGEN_SHUBETU, u"TODEN")) {
        Label12.clear();
        Label13.clear();
        return;
    }
    const bool at50 = SHUHASU == QLatin1String("50");
    if (sameText(KONDENSA_HYOJI, u"MICRO"))
        Label13 = DD.at(at50 ? CapMicro50 : CapMicro60, g) + QStringLiteral("μF");
    else if (sameText(KONDENSA_HYOJI, u"KVAR"))
        Label13 = DD.at(at50 ? CapKvar50 : CapKvar60, g) + QStringLiteral("kVar");
    Label12 = QStringLiteral("IV") + DD.at(at50 ? CapWire50 : CapWire60, g);
}

void Form7Model::showRowCapacitor()
{
    // The capacitor is not in the row: the design row of the row's motor gives it, as the first
    // calculation of that motor did; without one the row's motor shows none.
    const int first = designRows();
    const std::optional<int16_t> row = KEISAN_MODE == QLatin1String("SEKKEI") && first ? designRowOf(first) : std::nullopt;
    if (row) {
        showCapacitor(*row);
    } else {
        Label12.clear();
        Label13.clear();
    }
}

void Form7Model::HAIKAN_SAIZU()
{
    if (!conduitLaying()) {
        if (rackLaying()) {
            Label7.clear();
            Label16.clear();
            Label17.clear();
        }
        return;
    }
    const bool thick = sameText(FUSETU_HOUHOU, u"G");
    const bool secondary = starDelta() && KEISAN_KAISUU == 1;
    const QString &earth = design(EarthSize);
    for (int r = 151; r <= 250; ++r) {
        if (!sameText(DD.at(1, r), Combo4) || !sameText(DD.at(2, r), earth))
            continue;
        Label7 = DD.at(thick ? 4 : 3, r) + QStringLiteral("・可とう管") + DD.at(5, r);
        if (secondary) {
            Label15 = DD.at(8, r);
            Label16 = DD.at(thick ? 10 : 9, r);
            Label17 = DD.at(11, r);
        }
        return;
    }
    // No row: the labels must not keep another wire's conduit for this row.
    Label7.clear();
    if (secondary) {
        Label15.clear();
        Label16.clear();
        Label17.clear();
    }
    message(QStringLiteral("電線とアース線に対応する配管サイズが登録されていません"));
}

void Form7Model::DENSEN_SUCHI()
{
    step(QStringLiteral("DENSEN_SUCHI"), [&] {
        const vd::WireType *w = wire();
        if (!w)
            throw Failure(QStringLiteral("no wire type"));
        DANMENSEKI = vd::DENSEN_SUCHI(*w, Combo4, true);
    });
}

void Form7Model::writeDrop()
{
    Combo5 = Str(vd::DENATU_KOUKA(CDbl(Text1), CDbl(Text4), DANMENSEKI, kK, kStepsPerVolt));
}

void Form7Model::DENATU_KOUKA()
{
    DENSEN_SUCHI();
    step(QStringLiteral(" DENATU_KOUKA"), [&] { writeDrop(); });
}

void Form7Model::KOUKA_LITU()
{
    step(QStringLiteral("KOUKA_LITU"), [&] { Combo6 = Str(vd::KOUKA_LITU(CDbl(Combo5), CDbl(QStringView(Combo2).left(3)))); });
}

void Form7Model::NANKAI_ME()
{
    // Only one box may be edited per click: which one decides what is re-derived.
    static const char *const codes[] = {"C4", "T1", "C5", "C6", "T4"};
    const EditedBoxes edited = editedBoxes(watched(), ZENKAI);
    if (edited.count > 1)
        endWith(QStringLiteral("変更は１回につき１箇所です。"));
    // Every result below is worked out on the current in the box. A refused one
    // leaves the row's figures in the boxes, so that the next edit counts alone.
    if (!drawsCurrent(Text4)) {
        setWatched(ZENKAI);
        endWith(kCurrentPrompt);
    }
    if (edited.count == 0)
        return; // nothing edited: the results stand as the last calculation left them
    const bool dropEdited = edited.index == 2 || edited.index == 3;
    const std::optional<double> tenTimesDrop = dropEdited ? editedDrop(edited.index == 3) : std::nullopt;
    if (dropEdited && !tenTimesDrop) {
        setWatched(ZENKAI);
        endWith(kOverSize);
    }
    KEISAN_KAISUU = CInt(KEISAN_KAISUU + 1);
    HENKOU_CODE = QLatin1String(codes[edited.index]);
    DENSEN_SUCHI();
    if (HENKOU_CODE == QLatin1String("T1") || HENKOU_CODE == QLatin1String("C4") || HENKOU_CODE == QLatin1String("T4")) {
        writeDrop();
        Combo6 = Str(vd::KOUKA_LITU(CDbl(Combo5), CDbl(QStringView(Combo2).left(3))));
        Label1 = HENKOU_CODE == QLatin1String("T4") ? QStringLiteral("定格電流の変更計算をしました。")
                                                    : QStringLiteral("電線のサイズ又は長さの変更計算をしました。");
    } else {
        backCalculate(*tenTimesDrop);
        Label1 = HENKOU_CODE == QLatin1String("C5") ? QStringLiteral("電圧降下変更計算をしました。")
                                                    : QStringLiteral("電圧降下率変更計算をしました。");
    }
}

std::optional<double> Form7Model::editedDrop(bool rate) const
{
    const std::optional<double> tenTimesDrop = editedTenthsOfDrop(rate ? Combo6 : Combo5, rate, Combo2);
    if (!tenTimesDrop)
        return std::nullopt;
    try {
        // The section backCalculate takes, in hundredths of mm²: past the largest size there is no wire.
        const int16_t section = CInt(vd::divide(CDbl(Text4) * (CDbl(Text1) * kK), *tenTimesDrop));
        const vd::WireType *w = wire();
        if (w && !vd::SAIZU_CHOSEI(*w, section / 100.0))
            return std::nullopt;
        return tenTimesDrop;
    } catch (const Overflow &) {
        return std::nullopt;
    }
}

void Form7Model::backCalculate(double tenTimesDrop)
{
    // The section that gives the drop, in hundredths of mm².
    const double L = CDbl(Text1), I = CDbl(Text4);
    DANMENSEKI = CInt(vd::divide(I * (L * kK), tenTimesDrop));
    Combo4 = Str(DANMENSEKI / 100.0);
    SAIZU_CHOSEI();
    DENSEN_SUCHI();
    writeDrop();
    Combo6 = Str(vd::KOUKA_LITU(CDbl(Combo5), Val(Combo2)));
}

void Form7Model::SAIZU_CHOSEI()
{
    step(QStringLiteral("SAIZU_CHOSEI"), [&] {
        const double x = CDbl(Combo4);
        const vd::WireType *w = wire();
        if (!w)
            return;
        if (const auto name = vd::SAIZU_CHOSEI(*w, x))
            Combo4 = *name; // above 325 mm² the box keeps the number
    });
}

void Form7Model::powerFactor()
{
    const int16_t p = CInt(powerFactorPercent(CDbl(Combo1), CDbl(Text4)));
    Label9 = QStringLiteral("CosΘ=") + Str(p / 100.0);
}

void Form7Model::GR_HYOJI()
{
    const int row = dataRow(Text2, MSFlexGrid1);
    const QString none = QStringLiteral("-----");
    const QString supply = sameText(DENGEN_SHUBETU, u"JIKAYO") ? QStringLiteral("自家用")
        : sameText(DENGEN_SHUBETU, u"TODEN")                   ? QStringLiteral("東京電力")
                                                               : QString();
    const QString laying = conduitLaying() ? QStringLiteral("配管") : rackLaying() ? QStringLiteral("ｹｰﾌﾞﾙﾗｯｸ") : QString();
    MSFlexGrid1.writeRow(row,
             {Text3, supply, Combo2, Label10, Label11, Combo1 + QStringLiteral("kW"), Label9, none, none, Text4,
              Combo4, Combo5, Combo6, none, laying, QStringLiteral("30℃"), Label7, Label8, Label14, Text1, Label15,
              Label16, Label17, Label18});
}

void Form7Model::KYOYOU_CHECK()
{
    const vd::WireType *w = wire();
    if (!w)
        throw Failure(QStringLiteral("no wire type"));
    // A CV cable with no laying set has no current column: the allowable current stays as it was.
    const int column = vd::currentColumn(*w, vd::layingOf(FUSETU_HOUHOU));
    if (!column)
        return;
    KYOYOU_DENRYU = vd::allowableCurrent(DD, Combo4, vd::AllowableScan{vd::nameColumn(false), column, true, 251, 350});
}

void Form7Model::overloadTest()
{
    const double I = CDbl(Text4);
    const double Ia = KYOYOU_DENRYU;
    const double k = Val(DD.at(2, 9));
    if (!(I >= Ia || snap(I + I * k) >= Ia))
        return;
    if (conduitLaying())
        message(QStringLiteral("電線が配管時の許容電流を超えています。サイズを上げるかラック配線にして下さい。"));
    else if (rackLaying())
        message(QStringLiteral("電線が許容電流を超えています。サイズを上て下さい。"));
}

// ---- The window around the calculation ----

const QStringList Form7Model::Headings = {
    QStringLiteral("ＮＯ"), QStringLiteral("名　称"), QStringLiteral("電　源"), QStringLiteral("電　圧(V)"),
    QStringLiteral("遮断器電流定格(AF)"), QStringLiteral("遮断器電流遮断(AT)"), QStringLiteral("負荷容量(kW)"),
    QStringLiteral("力　率(%)"), QStringLiteral("効　率(η)"), QStringLiteral("1/(Θxη)"), QStringLiteral("負荷電流(A)"),
    QStringLiteral("結果電線サイズmm2"), QStringLiteral("電圧降下(V)"), QStringLiteral("降下率(%)"), QStringLiteral("電線種別"),
    QStringLiteral("配線方法"), QStringLiteral("布設温度(℃)"), QStringLiteral("1次配管サイズ"), QStringLiteral("接地線サイズ"),
    QStringLiteral("ボンド線サイズ"), QStringLiteral("1次配線長さ(m)"), QStringLiteral("2次電線サイズ"),
    QStringLiteral("2次配管サイズ"), QStringLiteral("2次プリカサイズ"), QStringLiteral("ｷｬﾌﾞﾀｲﾔｹｰﾌﾞﾙ"), QStringLiteral("予　備"),
};

void Form7Model::setResultBoxes(bool enabled)
{
    Combo4Enabled = Combo5Enabled = Combo6Enabled = enabled;
}

void Form7Model::layOutGrid()
{
    MSFlexGrid1.setColWidth(0, 450);
    for (int c = 1; c <= 24; ++c)
        MSFlexGrid1.setColWidth(c, 1300);
    IDM_GRCLA_Click();
}

void Form7Model::IDM_GRCLA_Click()
{
    resetGrid(MSFlexGrid1, Headings, 0);
}

void Form7Model::setDefaults()
{
    readSettings();
    Text2 = QStringLiteral("1");
    Text3.clear();
    KEISAN_KAISUU = 0;
    if (KEISAN_MODE == QLatin1String("SEKKEI"))
        Text4Enabled = false;
    else if (KEISAN_MODE == QLatin1String("SEKOU"))
        Text4Enabled = true;
    trapped(QStringLiteral("SHOKI_KA"), [&] { SHOKI_KA(); });
    Combo2 = kVoltageClasses.first();
    Combo2Items = kVoltageClasses;
    Combo3 = QStringLiteral("直入れ");
    Combo3Items = {QStringLiteral("直入れ"), kStarDelta};
    Combo5Items.clear();
    for (int v = 1; v <= 20; ++v)
        Combo5Items << Str(v);
    for (int v = 22; v <= 30; v += 2)
        Combo5Items << Str(v);
    Combo6Items.clear();
    for (int v = 1; v <= 10; ++v)
        Combo6Items << Str(v);
    if (DENSEN_SHUBETU == QLatin1String("CV-3C"))
        IDM_CV3C_Click();
    else if (DENSEN_SHUBETU == QLatin1String("IV"))
        IDM_IV_Click();
    if (KEISAN_MODE == QLatin1String("SEKKEI"))
        Label1 = QStringLiteral("必須条件３箇所を入力してください。");
    else if (KEISAN_MODE == QLatin1String("SEKOU"))
        Label1 = QStringLiteral("必須条件３箇所,定格電流,電線長さを入力してください。");
}

void Form7Model::SHOKI_KA()
{
    Combo1Items.clear();
    Combo1.clear();
    for (int r = 11; r <= 27; ++r)
        Combo1Items << DD.at(1, r);
}

void Form7Model::Command2_Click()
{
    Text2 = Str(MSFlexGrid1.nextDataNumber(CDbl(Text2)));
    KEISAN_KAISUU = 0;
    Combo1.clear();
    Combo3 = QStringLiteral("直入れ");
    Combo4.clear();
    Combo5.clear();
    Combo6.clear();
    setResultBoxes(false);
    if (KEISAN_MODE == QLatin1String("SEKKEI"))
        Text1Enabled = false;
    for (QString *label : {&Label1, &Label7, &Label8, &Label9, &Label10, &Label11, &Label12, &Label13, &Label14,
                           &Label15, &Label16, &Label17, &Label18})
        label->clear();
    Text1.clear();
    Text3.clear();
    Text4.clear();
    Label1 = QStringLiteral("必須条件３箇所,定格電流,電線長さを入力してください。");
}

void Form7Model::Command4_Click()
{
    KEISAN_KAISUU = 0;
    Combo4.clear();
    Combo5.clear();
    Combo6.clear();
    setResultBoxes(false);
    Text1Enabled = false;
    for (QString *label : {&Label1, &Label9, &Label10, &Label11, &Label12, &Label13, &Label14, &Label18})
        label->clear();
    Text1.clear();
    // A refused calculation leaves the status line to the refusal.
    if (click())
        Label1 = QStringLiteral("初期条件で計算しました。");
}

void Form7Model::Command5_Click()
{
    setResultBoxes(true);
    Text1Enabled = Text4Enabled = true;
    if (SENTAKU_GYOU == 0) {
        message(QStringLiteral("読込む行番号を選択後にクリックして下さい。"));
        return;
    }
    const GridRowReader g{MSFlexGrid1, SENTAKU_GYOU};
    Text2 = g.dataNumber();
    Text3 = g.trimmed(1);
    DENGEN_SHUBETU = g.trimmed(2) == QStringLiteral("自家用") ? QStringLiteral("JIKAYO") : QStringLiteral("TODEN");
    // The voltage class as the box shows it: "200V級" for "200V級" or "200".
    Combo2 = listItemOf(g.cell(3), kVoltageClasses);
    Label10 = g.trimmed(4);
    Label11 = g.trimmed(5);
    Combo1 = capacityOf(g.trimmed(6));
    Label9 = g.trimmed(7);
    Text4 = g.number(10);
    Combo4 = g.trimmed(11);
    Combo5 = g.number(12);
    Combo6 = g.trimmed(13);
    if (sameText(g.cell(15), u"配管"))
        FUSETU_HOUHOU = QStringLiteral("C");
    else if (sameText(g.cell(15), u"ｹｰﾌﾞﾙﾗｯｸ"))
        FUSETU_HOUHOU = QStringLiteral("RACK");
    Label7 = g.cell(17);
    Label8 = g.cell(18);
    Label14 = g.cell(19);
    Text1 = g.cell(20);
    Label15 = g.cell(21);
    Label16 = g.cell(22);
    Label17 = g.cell(23);
    Label18 = g.cell(24);
    showRowCapacitor();
    SENTAKU_GYOU = 0;
    // The row stands for a completed calculation of its motor: the next 計算
    // recalculates it from the one result the user edits.
    KEISAN_KAISUU = 1;
    ZENKAI = watched() + motor();
}

void Form7Model::MSFlexGrid1_Click()
{
    SENTAKU_GYOU = CInt(MSFlexGrid1.row());
}

void Form7Model::IDM_ALLCLIA_Click()
{
    clearAll([&] { IDM_GRCLA_Click(); }, [&] { Command2_Click(); }, Text2);
}

void Form7Model::IDM_TOKYO_Click()
{
    setting(DENGEN_SHUBETU, QStringLiteral("TODEN"), Label1, QStringLiteral("東京電力に設定"));
}

void Form7Model::IDM_JIKAYO_Click()
{
    setting(DENGEN_SHUBETU, QStringLiteral("JIKAYO"), Label1, QStringLiteral("自家用に設定"));
}

void Form7Model::IDM_GOJU_Click()
{
    setting(SHUHASU, QStringLiteral("50"), Label1, QStringLiteral("５０Ｈｚに設定"));
}

void Form7Model::IDM_ROKUJU_Click()
{
    setting(SHUHASU, QStringLiteral("60"), Label1, QStringLiteral("６０Ｈｚに設定"));
}

void Form7Model::IDM_USUI_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("C"), Label1, QStringLiteral("薄鋼配管「Ｃ」に設定"));
}

void Form7Model::IDM_ATUKOU_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("G"), Label1, QStringLiteral("厚鋼配管「Ｇ」に設定"));
}

void Form7Model::IDM_RACK_Click()
{
    setting(FUSETU_HOUHOU, QStringLiteral("RACK"), Label1, QStringLiteral("ケーブルラックに設定"));
}

void Form7Model::IDM_KVAR_Click()
{
    setting(KONDENSA_HYOJI, QStringLiteral("KVAR"), Label1, QStringLiteral("コンデンサ kVar表示に設定"));
}

void Form7Model::IDM_MICRO_Click()
{
    setting(KONDENSA_HYOJI, QStringLiteral("MICRO"), Label1, QStringLiteral("コンデンサ μF表示に設定"));
}

void Form7Model::setWireType(const QString &type, const QString &status)
{
    DENSEN_SHUBETU = type;
    Label1 = status;
    Combo4Items.clear();
    Combo4.clear();
    const vd::WireType &w = *wire();
    // The motor's lists reach below and above the voltage-drop windows' ones:
    // the solid wires and 400, 500 mm² for IV, 2 mm² for CV.
    const bool iv = sameText(type, u"IV");
    if (iv)
        Combo4Items << QStringLiteral("1.6X3") << QStringLiteral("2.0X3");
    else
        Combo4Items << vd::sizeName(w, 2);
    Combo4Items << vd::sizeList(w);
    if (iv)
        Combo4Items << vd::sizeName(w, 400) << vd::sizeName(w, 500);
}

void Form7Model::IDM_IV_Click()
{
    setWireType(QStringLiteral("IV"), QStringLiteral("ＩＶに設定"));
}

void Form7Model::IDM_CV3C_Click()
{
    setWireType(QStringLiteral("CV-3C"), QStringLiteral("ＣＶ－３Ｃに設定"));
}

} // namespace kb::feeder
