#include "vdwindow.h"

#include "dialogs.h"
#include "numtext.h"
#include "refdata.h"

namespace kb::vd {

namespace {

// formName, K, twoWire, load-current voltage, back-calculation voltage, maximum-load voltage,
// power factor, strict current cell, drop step with its own box.
const VoltageDropVariant kVariants[] = {
    {"Form9", koukaKeisuu::SinglePhaseTwoWire, true, VoltageRead::Whole, VoltageRead::FirstThree, VoltageRead::Whole, true, false, true},
    {"Form3", koukaKeisuu::SinglePhaseThreeWire, false, VoltageRead::FirstThree, VoltageRead::FirstThree, VoltageRead::FirstThree, true, true, true},
    {"Form14", koukaKeisuu::ThreePhaseThreeWire, false, VoltageRead::WholeTimesRoot3, VoltageRead::Whole, VoltageRead::WholeTimesRoot3, true, true, true},
    // Direct current: no power factor, and the drop step has no trap of its own.
    {"Form15", koukaKeisuu::DirectCurrent, true, VoltageRead::Whole, VoltageRead::FirstThree, VoltageRead::Whole, false, true, false},
};

} // namespace

const VoltageDropVariant &singlePhaseTwoWire() { return kVariants[0]; }
const VoltageDropVariant &singlePhaseThreeWire() { return kVariants[1]; }
const VoltageDropVariant &threePhaseThreeWire() { return kVariants[2]; }
const VoltageDropVariant &dcTwoWire() { return kVariants[3]; }

const VoltageDropVariant *variantOf(const QString &formName)
{
    for (const VoltageDropVariant &v : kVariants)
        if (formName == QLatin1String(v.formName))
            return &v;
    return nullptr;
}

VoltageDropModel::VoltageDropModel(const VoltageDropVariant &variant)
    : DD(emptyTable(db::CableSize)), m_variant(&variant)
{
    MSFlexGrid1.setShape(101, 21);
    MSFlexGrid1.setFixed(1, 1);
}

namespace {

// Raised inside the command's own trap to end the click quietly (after a message box).
struct EndClick
{
};

// A step that traps its own errors: on any failure it shows its box and the
// calculation ends there, so no later step works on a field the failed step
// should have written.
template<class F>
bool runStep(const QString &tag, F &&f)
{
    try {
        f();
        return true;
    } catch (const EndClick &) {
        throw;
    } catch (...) {
        errorBox(tag);
        return false;
    }
}

const QString kGuidance = QStringLiteral("電圧降下及び降下率で設定変更が出来ます。(１回に付１箇所)");

} // namespace

void VoltageDropModel::Command1_Click()
{
    try {
        calculate();
    } catch (const EndClick &) {
    } catch (...) {
        errorBox(QStringLiteral("Command1_Click"));
    }
}

const WireType *VoltageDropModel::wire() const
{
    return findWireType(DENSEN_SHUBETU, m_variant->twoWire);
}

double VoltageDropModel::powerFactor() const
{
    return m_variant->hasPowerFactor ? CDbl(Combo2) : 1.0;
}

void VoltageDropModel::calculate()
{
    const VoltageDropVariant &v = *m_variant;
    Label1 = kGuidance;
    if (!positiveFigure(Text1)) {
        message(QStringLiteral("ケーブルの長さを入力して下さい。"));
        return;
    }
    if (!positiveFigure(Text4)) {
        message(QStringLiteral("負荷の容量を入力して下さい。"));
        return;
    }
    need(runStep(QStringLiteral(" FUKA_DENRYU"), [&] { FUKA_DENRYU_step(); }));
    if (Combo1.isEmpty())
        need(runStep(QStringLiteral("DENSEN_SAIZU"), [&] { DENSEN_SAIZU_step(); }));
    if (FUKA_OVER == QLatin1String("ON")) {
        FUKA_OVER = QStringLiteral("OFF");
        return;
    }
    KEISAN_KAISUU = CInt(KEISAN_KAISUU + 1);
    if (KEISAN_KAISUU > 1)
        backCalculate();

    need(runStep(QStringLiteral("DENSEN_SUCHI"), [&] {
        const WireType *w = wire();
        if (!w)
            throw Failure(QStringLiteral("no wire type"));
        DANMENSEKI = vd::DENSEN_SUCHI(*w, Combo1);
    }));
    need(runStep(v.dropStepTrapped ? QStringLiteral(" DENATU_KOUKA") : QStringLiteral("Command1_Click"), [&] {
        Combo4 = Str(vd::DENATU_KOUKA(CDbl(Text1), CDbl(Label12), DANMENSEKI, v.K));
    }));
    need(runStep(QStringLiteral("KOUKA_LITU"), [&] {
        Combo5 = Str(vd::KOUKA_LITU(CDbl(Combo4), CDbl(QStringView(Combo3).left(3))));
    }));
    need(runStep(QStringLiteral("NAGASA_HANTEI"), [&] { NAGASA_HANTEI_step(); }));
    need(runStep(QStringLiteral("KYOYOU_CHECK"), [&] { KYOYOU_CHECK_step(); }));
    need(runStep(QStringLiteral("MCB_SAIZUAT"), [&] { Label3 = tripText(vd::MCB_SAIZUAT(Val(Label12))); }));
    // MCB_SAIZUAF has no trap of its own: a failure is the command's.
    const int16_t allowable = CInt(CDbl(Label11));
    Label2 = breakerFrameText(allowable);
    Label4 = QStringLiteral("E") + earthSize(earthRating(Label3, allowable));

    const double frame = Val(Label2);
    if (frameTripMismatch(frame, Val(Label3)))
        message(msg::FrameTrip);
    Label5 = bondSize(frame);

    ZENKAI = savedTexts();
    runStep(QStringLiteral("GR_HYOJI"), [&] { GR_HYOJI(); });
}

void VoltageDropModel::need(bool stepSucceeded)
{
    if (!stepSucceeded)
        throw EndClick{};
}

QStringList VoltageDropModel::savedTexts() const
{
    if (m_variant->hasPowerFactor)
        return {Text1, Text4, Combo1, Combo2, Combo3, Combo4, Combo5};
    return {Text1, Text4, Combo1, Combo3, Combo4, Combo5};
}

void VoltageDropModel::FUKA_DENRYU_step()
{
    const double P = CDbl(Text4);
    const double pf = powerFactor();
    // A power factor is a ratio of powers; 0 fails the division below, as does a supply of 0 V.
    if (pf < 0 || pf > 1)
        throw Failure(QStringLiteral("power factor outside 0 to 1"));
    const double V = readVoltage(Combo3, m_variant->loadCurrentVoltage);
    if (V < 0)
        throw Failure(QStringLiteral("negative supply voltage"));
    Label12 = Str(vd::FUKA_DENRYU(P, pf, V));
}

void VoltageDropModel::DENSEN_SAIZU_step()
{
    const int16_t a = CInt(CDbl(Label12));
    const WireType *w = wire();
    const int column = w ? currentColumn(*w, layingOf(FUSETU_HOUHOU)) : 0;
    if (!column)
        return;
    if (const auto name = vd::DENSEN_SAIZU(DD, *w, column, a)) {
        Combo1 = *name;
    } else {
        message(msg::LoadTooLarge);
        FUKA_OVER = QStringLiteral("ON");
    }
}

void VoltageDropModel::backCalculate()
{
    const int n = int(ZENKAI.size());
    const QString lastDrop = n >= 2 ? ZENKAI.at(n - 2) : QString();
    const QString lastRate = n >= 1 ? ZENKAI.at(n - 1) : QString();
    const bool dropEdited = !sameText(Combo4, lastDrop);
    const bool rateEdited = !sameText(Combo5, lastRate);
    if (dropEdited && rateEdited) {
        message(QStringLiteral("変更は１回につき１箇所です。"));
        throw EndClick{};
    }
    if (!dropEdited && !rateEdited)
        return; // HENKOU_CODE stays empty: a plain recalculation
    const double L = CDbl(Text1);
    const double I = CDbl(Label12);
    const double e = dropEdited ? CDbl(Combo4) : CDbl(Combo5) * (readVoltage(Combo3, m_variant->backCalcVoltage) / 100);
    DANMENSEKI = backCalculatedSection(L, I, e, m_variant->K);
    Combo1 = Str(DANMENSEKI);
    need(runStep(QStringLiteral("SAIZU_CHOSEI"), [&] {
        const WireType *w = wire();
        if (!w)
            return; // no ladder for the type: the box keeps the number
        const auto name = vd::SAIZU_CHOSEI(*w, CDbl(Combo1));
        if (!name) {
            message(msg::OverSize);
            throw EndClick{};
        }
        Combo1 = *name;
    }));
    Label1 = dropEdited ? QStringLiteral("電圧降下を変更した計算をしました。") : QStringLiteral("電圧降下率を変更した計算をしました。");
}

void VoltageDropModel::NAGASA_HANTEI_step()
{
    const double L = CDbl(Text1);
    if (const LengthBand *band = lengthBand(DENGEN_SHUBETU, L))
        if (CDbl(Combo5) > band->limit)
            message(band->message);
}

void VoltageDropModel::KYOYOU_CHECK_step()
{
    const VoltageDropVariant &v = *m_variant;
    const WireType *w = wire();
    const int column = w ? currentColumn(*w, layingOf(FUSETU_HOUHOU)) : 0;
    if (!column)
        throw Failure(QStringLiteral("no current column"));
    KYOYOU_DENRYU = allowableCurrent(DD, Combo1, AllowableScan{nameColumn(v.twoWire), column, v.strictAllowableCell});
    Label11 = Str(KYOYOU_DENRYU);
    Label13 = Str(maxLoad(readVoltage(Combo3, v.maxLoadVoltage), CDbl(Label11), powerFactor()));
    const CurrentWarning w2 = currentWarning(Val(Label11), Val(Label12));
    if (w2 != CurrentWarning::None)
        message(warningText(w2));
}

void VoltageDropModel::GR_HYOJI()
{
    const int row = CInt(CDbl(Text2));
    // Row 0 holds the headings: a data number must name a result row.
    if (row < 1 || row >= MSFlexGrid1.rows())
        throw Failure(QStringLiteral("data number outside the grid"));
    const QString laying = layingOf(FUSETU_HOUHOU) == Laying::Conduit ? QStringLiteral("配管")
        : layingOf(FUSETU_HOUHOU) == Laying::Rack                     ? QStringLiteral("ｹｰﾌﾞﾙﾗｯｸ")
                                                                      : QString();
    // The DC window has no power factor and leaves its column as it is.
    const QString powerFactor = m_variant->hasPowerFactor ? Combo2 : MSFlexGrid1.textMatrix(row, 6);
    MSFlexGrid1.writeRow(row, {Text3, Combo3, Combo1, Text1, Text4, powerFactor, Label12, Label11, Label13, Combo4, Combo5,
                               Label4, Label5, Label2, Label3, laying});
}

} // namespace kb::vd
