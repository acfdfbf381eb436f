#include "fillratio.h"

#include "numtext.h"

namespace kb {

const QVector<ConduitType> &conduitTypes()
{
    static const QVector<ConduitType> types = {
        {u"PF-CD"_qs, 28, 34, {u"PF-CD(14)"_qs, u"PF-CD(16)"_qs, u"PF-CD(22)"_qs, u"PF-CD(28)"_qs, u"PF-CD(36)"_qs, u"PF-CD(42)"_qs}},
        {u"C"_qs, 1, 7, {u"C(19)"_qs, u"C(25)"_qs, u"C(31)"_qs, u"C(39)"_qs, u"C(51)"_qs, u"C(63)"_qs}},
        {u"G"_qs, 9, 18, {u"G(16)"_qs, u"G(22)"_qs, u"G(28)"_qs, u"G(36)"_qs, u"G(42)"_qs, u"G(54)"_qs, u"G(70)"_qs, u"G(82)"_qs, u"G(92)"_qs}},
        {u"E"_qs, 20, 26, {u"E(19)"_qs, u"E(25)"_qs, u"E(31)"_qs, u"E(39)"_qs, u"E(51)"_qs, u"E(63)"_qs}},
        {u"PE"_qs, 44, 53, {u"PE(16)"_qs, u"PE(22)"_qs, u"PE(28)"_qs, u"PE(36)"_qs, u"PE(42)"_qs, u"PE(54)"_qs, u"PE(70)"_qs, u"PE(82)"_qs, u"PE(92)"_qs}},
        {u"PRI"_qs, 55, 64, {u"PRI(15)"_qs, u"PRI(17)"_qs, u"PRI(24)"_qs, u"PRI(30)"_qs, u"PRI(38)"_qs, u"PRI(50)"_qs, u"PRI(63)"_qs, u"PRI(76)"_qs, u"PRI(83)"_qs}},
        {u"VE"_qs, 66, 74, {u"VE(14)"_qs, u"VE(16)"_qs, u"VE(22)"_qs, u"VE(28)"_qs, u"VE(36)"_qs, u"VE(42)"_qs, u"VE(54)"_qs, u"VE(70)"_qs}},
        {u"FEP"_qs, 76, 84, {u"FEP(30)"_qs, u"FEP(40)"_qs, u"FEP(50)"_qs, u"FEP(65)"_qs, u"FEP(80)"_qs, u"FEP(100)"_qs, u"FEP(125)"_qs, u"FEP(150)"_qs}},
        {u"VP"_qs, 86, 98, {u"VP(13)"_qs, u"VP(16)"_qs, u"VP(20)"_qs, u"VP(25)"_qs, u"VP(30)"_qs, u"VP(40)"_qs, u"VP(50)"_qs, u"VP(65)"_qs, u"VP(75)"_qs, u"VP(100)"_qs, u"VP(125)"_qs, u"VP(150)"_qs}},
        {u"SGP"_qs, 100, 111, {u"SGP(25)"_qs, u"SGP(32)"_qs, u"SGP(40)"_qs, u"SGP(50)"_qs, u"SGP(65)"_qs, u"SGP(80)"_qs, u"SGP(90)"_qs, u"SGP(100)"_qs, u"SGP(125)"_qs, u"SGP(150)"_qs, u"SGP(175)"_qs}},
        {u"METAL"_qs, 36, 38, {u"METAL-A"_qs, u"METAL-B"_qs}},
    };
    return types;
}

const ConduitType *conduitType(QStringView name)
{
    for (const ConduitType &t : conduitTypes())
        if (sameText(name, t.name))
            return &t;
    return nullptr;
}

int cutOffCount(const ConduitType &type, QStringView maxSize)
{
    for (int k = 0; k < type.maxSizes.size(); ++k)
        if (sameText(maxSize, type.maxSizes[k]))
            return type.sizes() - (k + 1);
    return 0;
}

float allowableArea(double d, int16_t p)
{
    return float(Int((((d / 2) * (d / 2)) * 3.14 * p) * 0.01));
}

std::optional<FillChoice> chooseFillRatio(const FillInputs &in, const ConduitSettings &s)
{
    std::optional<FillChoice> choice;
    const auto apply = [&](int16_t p, const QString &before, const QString &after) {
        choice = FillChoice{Str(p) + u'%', before + Str(p) + after};
    };
    const QString set = QStringLiteral("％に設定した。");
    const QString setFormally = QStringLiteral("％に設定しました。");
    const int c = in.conditionCode;
    const int n = in.cableCount;
    const bool same = in.sameNames;
    const FillRatios &pw = s.power;
    const FillRatios &cm = s.communication;

    if (s.isAutomatic()) {
        if (c == 3)
            apply(pw.otherCases, u"３芯ケーブルにつき"_qs, set);
        if (c != 3 && c < 5) {
            if (n > 2 && c <= 2)
                apply(pw.otherCases, u"電力又は弱電ケーブルにつき"_qs, set);
            if (n > 2 && c == 4)
                apply(cm.otherCases, u"通信ケーブルにつき"_qs, set);
            if (n == 1 && c == 4)
                apply(cm.oneCable, u"国土交通省の通信ケーブルの"_qs, setFormally);
            if (n == 2 && same && c == 4)
                apply(cm.twoCables, u"国土交通省の通信ケーブルの"_qs, setFormally);
            if (n == 2 && !same && c == 4)
                apply(cm.otherCases, u"通信ケーブル２本が同一でない為の"_qs, set);
            if (n == 1 && c == 1)
                apply(pw.oneCable, u"電力又は弱電ケーブル１本時の"_qs, setFormally);
            if (n == 1 && c == 2)
                apply(pw.twoCables, u"電力又は弱電ケーブル２ＣＸ１本時の"_qs, setFormally);
            // A pair whose first cable is no communication cable takes the power
            // group's ratios, whatever its code (two-core pairs, rows without a code).
            if (n == 2 && same && c <= 2)
                apply(pw.twoCables, u"電力又は弱電ケーブル１ＣＸ２本時の"_qs, setFormally);
            if (n == 2 && !same && c <= 2)
                apply(pw.otherCases, u"電力又は弱電ケーブル２本が同一でない為"_qs, set);
        }
    }
    const bool ivWire = s.wiringCodeOn() && n <= 2 && sameText(QStringView(in.cableBox).left(2), u"IV");
    if (ivWire && same)
        choice = FillChoice{u"32%"_qs, u"IV電線の２本時の３２％に設定しました。"_qs};
    if (ivWire && n == 1)
        choice = FillChoice{u"32%"_qs, u"IV電線の１本時の３２％に設定しました。"_qs};
    return choice;
}

} // namespace kb
