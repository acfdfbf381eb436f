#include "racewaymodel.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"
#include "rackcalc.h"

namespace kb {

const QStringList kRacewayHeadings = {u"電　線　名　称"_qs, u"本数"_qs, u"断面積"_qs, u"断面積合計"_qs, u"重量kg/m"_qs, u"重量合計kg/m"_qs};
const int kRacewayColumnWidths[6] = {2800, 600, 1200, 1500, 1200, 1800};

namespace {

QString typeSentence(const QString &type, const QString &prefix)
{
    if (sameText(type, u"DP2"))
        return prefix + u"レースウェイは標準型です。"_qs;
    if (sameText(type, u"DP1"))
        return prefix + u"レースウェイは小型です。"_qs;
    return QString();
}

} // namespace

Form19Model::Form19Model() : CableListModel(Field3::SectionArea, kRacewayHeadings, kRacewayColumnWidths)
{
    m_busyFromSearchStart = true;
    m_focusOnEmptySearch = false;
    m_racewayKinds = true;
    Combo1Items = {u"1.5"_qs, u"1.4"_qs, u"1.3"_qs, u"1.2"_qs, u"1.1"_qs, u"1"_qs, u"--------"_qs,
                   u"2"_qs, u"1.9"_qs, u"1.8"_qs, u"1.7"_qs, u"1.6"_qs};
    Combo4Items = {u"１"_qs};
    for (int i = 3; i <= 20; ++i)
        Combo4Items.append(Str(i / 2.0));
}

void Form19Model::Form_Load()
{
    TOROKU_SUU = 0;
    SAKUJO_MODE = 0;
    KENSAKU_GYOU = 0;
    RACE_SHUBETU = u"DP2"_qs;
    Label1 = u"ケーブル名称、本数を登録して下さい。初期設定は「標準タイプ」です。"_qs;
    Label2 = u"吊り間隔(m)"_qs;
    Label3 = u"器具の台数(ｍ/台)"_qs;
    Label4.clear();
    Label5 = u"器具の種類"_qs;
    Label6 = Label7 = Label8 = QString();
    Label9 = u"本数"_qs;
    Label10 = u"低圧電線・ケーブル"_qs;
    Label11.clear();
    Label12 = u"器具がある場合は１スパン当りの台数を入力する"_qs;
    Label13 = Label14 = QString();
    Text1 = u"　　     名　　　　　　称"_qs;
    Text2 = u"1"_qs;
    Combo1 = u"1.5"_qs;
    Combo2 = Combo3 = Combo4 = QString();
    Combo5 = u"1"_qs;
    writeHeadings();

    Busy busy(*this);
    trapped(u"Form_Load"_qs, [&] {
        loadTable();
        COM_BOTWO();
        Combo3.clear();
        Combo3Items = cableNameList(CABLE_DATA, CableKind::LowVoltage, false);
    });
}

void Form19Model::COM_BOTWO()
{
    trapped(u"COM_BOTWO"_qs, [&] {
        Combo2 = u"FL40Wx2"_qs;
        Combo2Items = {u"FL110Wx1"_qs, u"FL110Wx2"_qs, u"FL40Wx1"_qs, u"FL40Wx2"_qs, u"FL40Wx3"_qs,
                       u"FL20Wx1"_qs, u"FL20Wx2"_qs, u"FL20Wx3"_qs, u"FL15Wx1"_qs, u"FL10Wx1"_qs};
        Combo6 = u"1"_qs;
        Combo6Items.clear();
        for (int i = 1; i <= 10; ++i)
            Combo6Items.append(Str(i));
    });
}

void Form19Model::Command2_Click()
{
    trapped(u"Command2_Click"_qs, [&] {
        if (TOROKU_SUU == 0) {
            // The results of a list that 削除 has emptied belong to no list on show.
            clearResults();
            message(u"電線を登録して下さい。"_qs);
            return;
        }
        // A calculation that ends on a box leaves no result of other inputs on show.
        try {
            calculate();
        } catch (...) {
            clearResults();
            throw;
        }
    });
}

void Form19Model::calculate()
{
    // Inputs that make no sense are refused before any result is written: fixtures of a type
    // the table does not weigh, a negative count or a spacing of no length, and an interval
    // that is no number or of no length (with the box the judgement ends on for it).
    if (!Combo4.isEmpty()) {
        if (CDbl(Combo6) < 0)
            throw Failure(u"negative fixture count"_qs);
        if (CDbl(Combo4) <= 0)
            throw Failure(u"fixture spacing not above 0"_qs);
        if (!rack::fixtureWeight(Combo2))
            throw Failure(u"fixture type without a weight"_qs);
    }
    // A refusal stands over empty figures, as the rack's and the duct's do.
    if (const std::optional<double> L = tryReadNumber(Combo1); !L || *L <= 0) {
        clearResults();
        errorBox(u"HAN_TEI"_qs);
        return;
    }
    if (Combo4.isEmpty()) {
        fixturesVisible = false;
        Label3.clear();
        Label5.clear();
    }
    Label13 = u" (kg)"_qs;
    Label14 = u"(mm2)"_qs;
    // A section sum beyond the window's figures is far above 20 % of either raceway: the list
    // is refused as one too full. The sums round at every row, so their order does not matter.
    num.DANMEN_GOUKEI = 0;
    try {
        for (int i = 1; i <= TOROKU_SUU; ++i)
            num.DANMEN_GOUKEI = CInt(fieldNumber(DENSEN_TOROKU[i], 4) * 10 + num.DANMEN_GOUKEI);
    } catch (const Overflow &) {
        clearResults();
        message(u"許容断面積の２０％をオーバーしています。ケーブルを少なくしてください。"_qs);
        return;
    }
    int16_t cableWeight = 0; // DENSEN_JURYO, 0.01 kg/m
    for (int i = 1; i <= TOROKU_SUU; ++i)
        cableWeight = CInt(fieldNumber(DENSEN_TOROKU[i], 6) * 100 + cableWeight);
    Label8 = u"断面積合計"_qs;
    Label6 = Str(num.DANMEN_GOUKEI / 10.0);
    RACE_OMOSA();
    Label8 = u"断面積合計 　　占有率"_qs;
    if (num.NAIBU_MENSEKI == 0)
        throw Failure(u"raceway without inner area"_qs);
    num.SENYU_RITU = CInt(double(num.DANMEN_GOUKEI) / num.NAIBU_MENSEKI * 1000);
    Label11 = Str(num.SENYU_RITU / 10.0) + u"(%)"_qs;
    double fixtureLoad = 0; // KIGU_KAJU, 0.1 kg/m
    if (!Combo4.isEmpty())
        fixtureLoad = CDbl(Combo6) * num.KIGU_JURYO / CDbl(Combo4);
    const int16_t spanWeight = CInt(CDbl(Combo1) * (fixtureLoad + cableWeight / 10.0 + num.RACE_JURYO));
    Label7 = u"支持間の重量"_qs;
    Label4 = Str(spanWeight / 10.0);
    HAN_TEI();
    Label1 = typeSentence(RACE_SHUBETU, QString());
}

void Form19Model::clearResults()
{
    Label4.clear();
    Label6.clear();
    Label11.clear();
}

void Form19Model::RACE_OMOSA()
{
    trapped(u"RACE_OMOSA"_qs, [&] {
        if (const auto type = rack::racewayType(RACE_SHUBETU)) {
            num.RACE_JURYO = type->weight;
            num.NAIBU_MENSEKI = type->innerArea;
        }
        if (const auto weight = rack::fixtureWeight(Combo2))
            num.KIGU_JURYO = *weight;
    });
}

void Form19Model::HAN_TEI()
{
    trapped(u"HAN_TEI"_qs, [&] {
        if (num.SENYU_RITU / 10.0 > 20)
            message(u"許容断面積の２０％をオーバーしています。ケーブルを少なくしてください。"_qs);
        const double L = CDbl(Combo1);
        if (L > 1.5)
            message(u"支持間隔は１.５ｍとすることが望ましいのです。"_qs);
        const double W = CDbl(Label4);
        if (const auto limit = rack::spanWeightLimit(RACE_SHUBETU, L); limit && W > *limit)
            message(rack::spanWeightMessage(*limit));
    });
}

void Form19Model::Command3_Click()
{
    trapped(u"Command3_Click"_qs, [&] {
        MSFlexGrid1.clear();
        writeHeadings();
        clearRegisteredRows();
        Label1 = typeSentence(RACE_SHUBETU, u"ケーブル名称、本数を登録して下さい。"_qs);
        fixturesVisible = true;
        Label3 = u"器具の台数(ｍ/台)"_qs;
        Label4.clear();
        Label5 = u"器具の種類"_qs;
        Label6 = Label7 = Label8 = Label11 = Label13 = Label14 = QString();
        Text1 = u"　　名　　　　　　称"_qs;
        startNextCalculation(Text2, [&] {
            Combo1 = u"1.5"_qs;
            Combo2 = u"FL40Wx2"_qs;
            Combo4.clear();
        });
    });
}

void Form19Model::IDM_DPONE_Click()
{
    RACE_SHUBETU = u"DP1"_qs;
    Label1 = u"レースウェイを小型タイプに設定しました。"_qs;
}

void Form19Model::IDM_DPTWO_Click()
{
    RACE_SHUBETU = u"DP2"_qs;
    Label1 = u"レースウェイを標準型タイプに設定しました。"_qs;
}

ControlBindings Form19Model::bindings()
{
    ControlBindings b = cableListBindings();
    b += {
        {u"Text1"_qs, &Text1}, {u"Text2"_qs, &Text2},
        {u"Combo1"_qs, &Combo1, &Combo1Items},
        {u"Combo2"_qs, &Combo2, &Combo2Items, &fixturesVisible},
        {u"Combo4"_qs, &Combo4, &Combo4Items, &fixturesVisible},
        {u"Combo6"_qs, &Combo6, &Combo6Items, &fixturesVisible},
        {u"Label2"_qs, &Label2}, {u"Label3"_qs, &Label3}, {u"Label4"_qs, &Label4},
        {u"Label5"_qs, &Label5}, {u"Label6"_qs, &Label6}, {u"Label7"_qs, &Label7},
        {u"Label8"_qs, &Label8}, {u"Label9"_qs, &Label9}, {u"Label11"_qs, &Label11},
        {u"Label12"_qs, &Label12}, {u"Label13"_qs, &Label13}, {u"Label14"_qs, &Label14},
    };
    return b;
}

} // namespace kb
