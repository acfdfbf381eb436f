#include "rackmodel.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"
#include "rackcalc.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kb {

const QStringList kRackHeadings = {u"電　線　名　称"_qs, u"本数"_qs, u"仕上り外径"_qs, u"外径合計"_qs, u"重量kg/m"_qs, u"重量合計kg/m"_qs};
const int kRackColumnWidths[6] = {2800, 600, 1400, 1100, 1200, 1600};

namespace {

const QString kLoadTitle = u"　　     名　　　　　　称"_qs;
const QString kNextTitle = u"　　名　　　　　　称"_qs;
const QString kRegisterPrompt = u"ケーブル名称、本数を登録して下さい。"_qs;
const QString kChangeHint = u"条件の変更は計算した後に行えます。"_qs;
const QString kRecalcPrompt = u"ケーブルの追加又は削除も出来ます。新規の計算は「次の計算」をクリックする。"_qs;

// A factor box read as a number against a factor of the list.
bool sameFactor(double shown, double factor)
{
    return std::abs(shown - factor) <= 1e-9;
}

} // namespace

RackModel::RackModel(Variant variant)
    : CableListModel(Field3::OuterDiameter, kRackHeadings, kRackColumnWidths), m_variant(variant)
{
    if (!isDuct())
        Combo1Items.append(QString());
    for (const char16_t *i : {u"2", u"1.9", u"1.8", u"1.7", u"1.6", u"1.5", u"1.4", u"1.3", u"1.2", u"1.1", u"1"})
        Combo1Items.append(QString::fromUtf16(i));
    Combo2Items = {u"S=d"_qs, u"S=2d"_qs, u"S=3d"_qs};
    Combo4Items = {u"１"_qs, u"0.95"_qs, u"0.9"_qs, u"0.85"_qs, u"0.8"_qs, u"0.7"_qs};
    Combo1Visible = isDuct();
    Label13Visible = !isDuct();
}

void RackModel::Form_Load()
{
    TOROKU_SUU = 0;
    KENSAKU_GYOU = 0;
    SAKUJO_MODE = 0;
    KEISAN_KAISUU = 0;
    RACK_SHUBETU = u"QR"_qs;
    Label1 = kRegisterPrompt;
    Label2 = isDuct() ? u"支持間隔(m)"_qs : QString();
    Label3 = Label4 = Label5 = Label6 = Label7 = Label8 = QString();
    Label9 = u"本数"_qs;
    Label10 = u"低圧電線・ケーブル"_qs;
    Label11 = isDuct() ? u"幅(mm)"_qs : QString();
    Label12 = kChangeHint;
    Label13 = Label15 = QString();
    Label14 = isDuct() ? u"高さ(mm)"_qs : QString();
    Text1 = kLoadTitle;
    Text2 = u"1"_qs;
    Text3 = Text4 = QString();
    Combo1 = isDuct() ? u"2"_qs : QString();
    Combo2 = Combo3 = Combo4 = Combo6 = Combo7 = Combo8 = QString();
    Combo5 = u"1"_qs;
    writeHeadings();

    Busy busy(*this);
    // The duct window's load has no box of its own; it reports a failed read as the rack window does.
    trapped(u"Form_Load"_qs, [&] {
        loadTable();
        Combo3.clear();
        Combo3Items = cableNameList(CABLE_DATA, CableKind::LowVoltage, false);
        if (isDuct())
            setPitch(100);
    });
}

void RackModel::IDM_PITCH100_Click()
{
    setPitch(100);
}

void RackModel::IDM_PITCH50_Click()
{
    setPitch(50);
}

void RackModel::setPitch(int p)
{
    Label1 = p == 100 ? u"ダクトの寸法を１００ピッチに設定しました。"_qs : u"ダクトの寸法を５０ピッチに設定しました。"_qs;
    Combo6Items.clear();
    Combo6 = u"200"_qs;
    for (int h = 100; h <= 1000; h += p)
        Combo6Items.append(Str(h));
    Combo7Items.clear();
    Combo7 = u"400"_qs;
    for (int w = 100; w <= 2000; w += p)
        Combo7Items.append(Str(w));
}

void RackModel::addUpList(bool roundWeights)
{
    for (int i = 1; i <= TOROKU_SUU; ++i) {
        num.HABA_GOUKEI = CInt(fieldNumber(DENSEN_TOROKU[i], 4) + num.HABA_GOUKEI);
        const double weight = fieldNumber(DENSEN_TOROKU[i], 6) * 10 + num.DENSEN_JURYO;
        num.DENSEN_JURYO = roundWeights ? CInt(weight) : weight;
    }
}

double RackModel::hangingInterval() const
{
    // An interval of no length is refused like one that is no number.
    const double L = CDbl(Combo1);
    if (L <= 0)
        throw Failure(u"the hanging interval is not above 0"_qs);
    return L;
}

bool RackModel::addUpSpacedList()
{
    // A spacing typed past the list spreads nothing: a width of 0 is no result.
    const int k = rack::spacingCoefficient(Combo2);
    if (k == 0)
        throw Failure(u"the cable spacing is none of the list"_qs);
    num.HABA_GOUKEI = 0;
    num.DENSEN_JURYO = 0;
    addUpList(!isDuct());
    try {
        CInt(k * num.HABA_GOUKEI);
    } catch (const Overflow &) {
        // A spaced width beyond the window's figures is far beyond the widest rack, as in a
        // full calculation.
        clearResults();
        message(specialOrder());
        return false;
    }
    return true;
}

QString RackModel::spacedWidthSum() const
{
    return Str(rack::spacingCoefficient(Combo2) * num.HABA_GOUKEI / 10.0);
}

void RackModel::spanWeightStep(bool roundWeights)
{
    const double L = hangingInterval();
    Label4 = (isDuct() ? u"ダクトの重量"_qs : u"ラックの重量"_qs) + Str(L * num.RACK_JURYO / 10) + u"kgを含む"_qs;
    if (roundWeights)
        num.TSURIMA_JURYO = CInt(L * CInt(num.RACK_JURYO + num.DENSEN_JURYO));
    else
        num.TSURIMA_JURYO = L * (num.RACK_JURYO + num.DENSEN_JURYO);
    Label7 = u"吊り間重量 "_qs + Str(num.TSURIMA_JURYO / 10) + u" kg"_qs;
}

void RackModel::insertStep()
{
    num.BORUTO_KAJU = CInt(num.TSURIMA_JURYO / 20);
    const rack::InsertLoads loads = rack::insertLoads(CABLE_DATA);
    num.KYOYOU_KAJU3 = loads.kg3;
    num.KYOYOU_KAJU4 = loads.kg4;
    num.KYOYOU_KAJU5 = loads.kg5;
    const rack::InsertChoice insert = rack::chooseInsert(num.BORUTO_KAJU, loads);
    Label11 = insert.size;
    Label13 = insert.allowed;
    Label14.clear();
}

void RackModel::intervalWarning()
{
    if (!isDuct() && CDbl(ZENKAI[0]) > 2)
        message(u"吊り間隔は２ｍ以下にして下さい。"_qs);
}

void RackModel::Command2_Click()
{
    if (TOROKU_SUU == 0) {
        // The results of a list that 削除 has emptied belong to no list on show.
        clearResults();
        message(u"電線・ケーブルを登録して下さい。"_qs);
        return;
    }
    // The duct window's 計算 has no box of its own; it reports a failure as the rack window does.
    trapped(u"Command2_Click"_qs, [&] {
        Combo1Visible = Combo2Visible = Combo4Visible = true;
        if (isDuct())
            Combo8Visible = true;
        KEISAN_KAISUU = CInt(KEISAN_KAISUU + 1);
        num.HABA_GOUKEI = 0;
        num.DENSEN_JURYO = 0;
        if (KEISAN_KAISUU == 1)
            Combo1 = u"2"_qs;
        if (KEISAN_KAISUU >= 2) {
            DOKO_KAETA();
            return;
        }
        // A full calculation that ends on a box leaves no result of the list before it on
        // show, and none to recalculate from: the next press starts afresh.
        try {
            fullCalculation();
        } catch (const Overflow &) {
            clearResults();
            KEISAN_KAISUU = 0;
            // Widths or weights beyond the window's figures are far beyond the widest rack.
            message(specialOrder());
        } catch (...) {
            clearResults();
            KEISAN_KAISUU = 0;
            throw;
        }
    });
}

void RackModel::fullCalculation()
{
    // A new list starts from no rack: a special order must not carry the weight of a
    // rack found for another list.
    num.RACK_HABA = 0;
    num.RACK_JURYO = 0;
    addUpList(true);
    // The required width and the span weight on the heaviest rack must fit as well, so a list
    // too large is refused before any result is written.
    CInt(num.HABA_GOUKEI + 40);
    CInt(hangingInterval() * CInt(rack::rackWeight(1200).value() + num.DENSEN_JURYO)); // the widest rack
    Label5 = u"ケーブル幅合計(mm)"_qs;
    Text3 = Str(num.HABA_GOUKEI);
    Label2 = u"吊り間隔(m)"_qs;
    num.YOYUU_HABA = 40;
    RACK_KENSA();
    if (isDuct()) {
        Label3 = u"段数"_qs;
    } else {
        Label3 = u"ラックの幅(mm)"_qs;
        Text4 = Str(num.RACK_HABA);
    }
    Label6 = u"ケーブルの間隔"_qs;
    Combo2 = u"S=d"_qs;
    Label8 = u"電流減少係数"_qs;
    DENRYU_GENSHO();
    Combo4 = Str(num.GENSHO_KEISU / 100.0);
    RACK_OMOSA();
    spanWeightStep(true);
    if (!isDuct())
        insertStep();
    ZENKAI = {Combo1, Combo2, Combo4};
    if (isDuct()) {
        Label13Visible = true;
        Label13 = u"断面積(%)"_qs;
        Label15 = u"１段"_qs;
    }
    Label1 = u"変更は「吊り間隔」「ケーブルの間隔」「電流減少係数」で行えます。"_qs;
    Label12 = u"ケーブルの追加、削除が出来ます。"_qs;
}

void RackModel::clearResults()
{
    Text3.clear();
    Label4.clear();
    Label7.clear();
    if (!isDuct()) {
        Text4.clear();
        Label11.clear();
        Label13.clear();
        Label14.clear();
    }
}

void RackModel::RACK_KENSA()
{
    trapped(u"RACK_KENSA"_qs, [&] {
        const double width = Val(Text3);
        if (width == 0)
            return;
        num.HITSUYOU_HABA = CInt(width + num.YOYUU_HABA);
        if (const auto w = rack::ladderWidth(num.HITSUYOU_HABA)) {
            num.RACK_HABA = int16_t(*w);
        } else {
            // The duct window keeps the width it held.
            if (!isDuct())
                num.RACK_HABA = 0;
            message(specialOrder());
        }
    });
}

void RackModel::DENRYU_GENSHO()
{
    trapped(u"DENRYU_GENSHO"_qs, [&] {
        num.DENSEN_HONSUU = int16_t(registeredCount());
        if (const auto f = rack::reductionFactor(Combo2, num.DENSEN_HONSUU))
            num.GENSHO_KEISU = int16_t(*f);
    });
}

void RackModel::RACK_OMOSA()
{
    trapped(u"RACK_OMOSA"_qs, [&] {
        if (!sameText(RACK_SHUBETU, u"QR"))
            return;
        if (const auto w = rack::rackWeight(num.RACK_HABA))
            num.RACK_JURYO = *w;
        else if (!isDuct() && num.RACK_HABA == 0)
            num.RACK_JURYO = 0; // a special order has no standard rack to weigh
    });
}

void RackModel::DOKO_KAETA()
{
    trapped(u"DOKO_KAETA"_qs, [&] {
        // Two conditions changed at once are refused: the results of the conditions before
        // belong to none of those on show.
        const auto twoChanges = [this] {
            clearResults();
            message(u"１計算で２箇所以上変更しないで下さい。"_qs);
        };
        const bool same1 = sameText(Combo1, ZENKAI[0]);
        const bool same2 = sameText(Combo2, ZENKAI[1]);
        const bool same4 = sameText(Combo4, ZENKAI[2]);
        if (!same1) {
            HENKOU_CODE = u"C1"_qs;
            same2 && same4 ? KAETA_KEISAN() : twoChanges();
        } else if (!same2) {
            HENKOU_CODE = u"C2"_qs;
            same4 ? KAETA_KEISAN() : twoChanges();
        } else if (!same4) {
            HENKOU_CODE = u"C4"_qs;
            KAETA_KEISAN();
        } else if (Label7.isEmpty()) {
            // A refused recalculation emptied the results: the conditions that stand again
            // (the user put the refused one back) are calculated afresh.
            BASHO_CNI();
        }
    });
}

void RackModel::KAETA_KEISAN()
{
    trapped(u"KAETA_KEISAN"_qs, [&] {
        if (HENKOU_CODE == u"C1")
            BASHO_CICHI();
        else if (HENKOU_CODE == u"C2")
            BASHO_CNI();
        else if (HENKOU_CODE == u"C4")
            BASHO_CYON();
    });
}

void RackModel::recalculation(const QString &tag, const std::function<void()> &procedure)
{
    // A recalculation that ends on its box leaves no result of the conditions before on show.
    trapped(tag, [&] {
        try {
            procedure();
        } catch (...) {
            clearResults();
            throw;
        }
    });
}

QString RackModel::specialOrder() const
{
    return isDuct() ? u"特別注文のダクトです。"_qs : u"特別注文のラックです。"_qs;
}

void RackModel::BASHO_CICHI()
{
    recalculation(u" BASHO_CICHI"_qs, [&] {
        hangingInterval();
        // The spacing on show may be one a factor asked for and the window refused: the interval
        // is taken, so the spacing can be changed alone next, but no figure is written beside it.
        if (!addUpSpacedList()) {
            ZENKAI[0] = Combo1;
            return;
        }
        RACK_OMOSA();
        // The width beside the spacing box is the spaced one, as the last spacing change showed it.
        Text3 = spacedWidthSum();
        if (!isDuct())
            Text4 = Str(num.RACK_HABA); // the rack as it stands, also where a refusal emptied its box
        spanWeightStep(!isDuct());
        Label1 = kRecalcPrompt;
        ZENKAI[0] = Combo1;
        if (!isDuct())
            insertStep();
        intervalWarning();
    });
}

void RackModel::BASHO_CNI()
{
    recalculation(u" BASHO_CNI"_qs, [&] {
        // A spacing too wide is not taken, so the next press refuses it again.
        if (!addUpSpacedList())
            return;
        Text3 = spacedWidthSum();
        DENRYU_GENSHO();
        RACK_KENSA();
        Combo4 = Str(num.GENSHO_KEISU / 100.0);
        RACK_OMOSA();
        spanWeightStep(!isDuct());
        if (!isDuct()) {
            insertStep(); // the insert follows the new span weight, so the two lines never disagree
            Text4 = Str(num.RACK_HABA);
        }
        Label1 = kRecalcPrompt;
        ZENKAI[1] = Combo2;
        ZENKAI[2] = Combo4;
        intervalWarning();
    });
}

void RackModel::BASHO_CYON()
{
    recalculation(u" BASHO_CYON"_qs, [&] {
        // A factor typed past the list asks for no spacing, so nothing would follow it.
        const double typed = CDbl(Combo4);
        if (std::none_of(std::begin(rack::kFactorOrder), std::end(rack::kFactorOrder),
                         [&](double factor) { return sameFactor(typed, factor); }))
            throw Failure(u"the reduction factor is none of the list"_qs);
        num.DENSEN_HONSUU = int16_t(registeredCount());
        for (double factor : rack::kFactorOrder) {
            // The box is read afresh: a recalculation may have rewritten it to a later factor.
            if (!sameFactor(CDbl(Combo4), factor))
                continue;
            const rack::FactorRule rule = rack::factorRule(factor, num.DENSEN_HONSUU);
            if (rule.refused)
                message(u"計算対象外です。ケーブルの間隔を変更して下さい。"_qs);
            else if (!rule.spacing.isEmpty())
                Combo2 = rule.spacing;
            BASHO_CNI();
        }
        // Saved even where the spacing was refused: it was the window's choice, not a second
        // change, so a press with nothing changed refuses it again over the emptied results.
        ZENKAI = {Combo1, Combo2, Combo4};
        intervalWarning();
    });
}

void RackModel::Command3_Click()
{
    trapped(u"Command3_Click"_qs, [&] {
        if (!isDuct())
            Combo1Visible = false;
        Combo2Visible = Combo4Visible = false;
        if (isDuct())
            Combo8Visible = false;
        MSFlexGrid1.clear();
        writeHeadings();
        if (isDuct()) {
            MSFlexGrid1.setTextMatrix(0, 4, u"重量/m"_qs);
            MSFlexGrid1.setTextMatrix(0, 5, u"重量合計/m"_qs);
        }
        clearRegisteredRows();
        Label1 = kRegisterPrompt;
        if (!isDuct())
            Label2.clear();
        Label3 = Label4 = Label5 = Label6 = Label7 = Label8 = QString();
        Label12 = kChangeHint;
        if (isDuct()) {
            Label13.clear();
            Label15.clear();
        } else {
            Label11 = Label13 = Label14 = QString();
        }
        Text1 = kNextTitle;
        startNextCalculation(Text2, [&] {
            Text3 = Text4 = QString();
            Combo1 = Combo2 = Combo4 = QString();
            KEISAN_KAISUU = 0;
        });
    });
}

ControlBindings RackModel::bindings()
{
    ControlBindings b = cableListBindings();
    b += {
        {u"Text1"_qs, &Text1}, {u"Text2"_qs, &Text2}, {u"Text3"_qs, &Text3},
        {u"Combo1"_qs, &Combo1, &Combo1Items, &Combo1Visible},
        {u"Combo2"_qs, &Combo2, &Combo2Items, &Combo2Visible},
        {u"Combo4"_qs, &Combo4, &Combo4Items, &Combo4Visible},
        {u"Label2"_qs, &Label2}, {u"Label3"_qs, &Label3}, {u"Label4"_qs, &Label4},
        {u"Label5"_qs, &Label5}, {u"Label6"_qs, &Label6}, {u"Label7"_qs, &Label7},
        {u"Label8"_qs, &Label8}, {u"Label9"_qs, &Label9}, {u"Label11"_qs, &Label11},
        {u"Label12"_qs, &Label12}, {u"Label13"_qs, &Label13, nullptr, &Label13Visible},
        {u"Label14"_qs, &Label14},
    };
    if (isDuct())
        b += {
            {u"Combo6"_qs, &Combo6, &Combo6Items},
            {u"Combo7"_qs, &Combo7, &Combo7Items},
            {u"Combo8"_qs, &Combo8, nullptr, &Combo8Visible},
            {u"Label15"_qs, &Label15},
        };
    else
        b += {{u"Text4"_qs, &Text4}};
    return b;
}

} // namespace kb
