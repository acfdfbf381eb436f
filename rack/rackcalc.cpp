#include "rackcalc.h"

#include "numtext.h"
#include "refdata.h"

#include <QStringList>

namespace kb::rack {

namespace {

constexpr int kLadder[] = {200, 300, 400, 500, 600, 700, 800, 900, 1000, 1200};
// T of the QR rack per width; the weight per metre is a third of it.
constexpr int kQrRackT[] = {160, 170, 180, 200, 220, 230, 240, 250, 270, 280};

} // namespace

std::optional<int> ladderWidth(int required)
{
    for (int w : kLadder)
        if (w >= required)
            return w;
    return std::nullopt;
}

std::optional<int16_t> rackWeight(int width)
{
    for (int i = 0; i < int(std::size(kLadder)); ++i)
        if (kLadder[i] == width)
            return CInt(kQrRackT[i] / 3.0);
    return std::nullopt;
}

std::optional<int> reductionFactor(QStringView spacing, int n)
{
    static const struct { const char16_t *spacing; int byCount[5]; } rows[] = {
        {u"S=d", {100, 85, 80, 70, 70}},
        {u"S=2d", {100, 95, 95, 90, 80}},
        {u"S=3d", {100, 100, 100, 95, 95}},
    };
    if (n < 1)
        return std::nullopt;
    const int column = n <= 3 ? n - 1 : (n <= 6 ? 3 : 4);
    for (const auto &row : rows)
        if (sameText(spacing, QStringView(row.spacing)))
            return row.byCount[column];
    return std::nullopt;
}

int spacingCoefficient(QStringView spacing)
{
    static const struct { const char16_t *spacing; int k; } rows[] = {
        {u"S=d", 10}, {u"S=1.5d", 15}, {u"S=2d", 20}, {u"S=2.5d", 25}, {u"S=3d", 30},
    };
    for (const auto &row : rows)
        if (sameText(spacing, QStringView(row.spacing)))
            return row.k;
    return 0;
}

FactorRule factorRule(double factor, int n)
{
    struct Band { int from, to; const char16_t *spacing; };
    static const struct { double factor; int refusedFrom; Band bands[3]; } rows[] = {
        {1, 4, {{1, 3, u"S=3d"}}},
        {0.95, 7, {{2, 3, u"S=2d"}, {4, 6, u"S=3d"}}},
        {0.9, 21, {{4, 6, u"S=2d"}, {7, 20, u"S=3d"}}},
        {0.85, 0, {{2, 2, u"S=d"}, {3, 6, u"S=2d"}, {7, 32767, u"S=3d"}}},
        {0.8, 21, {{3, 3, u"S=d"}, {4, 20, u"S=2d"}}},
        {0.7, 21, {{6, 20, u"S=d"}}},
    };
    FactorRule rule{factor};
    for (const auto &row : rows) {
        if (row.factor != factor)
            continue;
        if (row.refusedFrom > 0 && n >= row.refusedFrom) {
            rule.refused = true;
            return rule;
        }
        for (const Band &b : row.bands)
            if (b.spacing && n >= b.from && n <= b.to)
                rule.spacing = QString::fromUtf16(b.spacing);
    }
    return rule;
}

InsertLoads insertLoads(const TextTable &t)
{
    const auto kg = [&](int c) { return CInt(Val(t.at(c, cablepipe::InsertLoadRow)) / 9.806); };
    return {kg(1), kg(2), kg(3)};
}

InsertChoice chooseInsert(int boltLoad, const InsertLoads &loads)
{
    if (boltLoad < loads.kg3)
        return {u"インサートは３分です"_qs, u"３分の許容荷重kg/本は "_qs + Str(loads.kg3)};
    if (boltLoad < loads.kg4)
        return {u"インサートは４分です"_qs, u"４分の許容荷重kg/本は "_qs + Str(loads.kg4)};
    return {u"インサートは５分以上です"_qs, u"５分の許容荷重kg/本は "_qs + Str(loads.kg5)};
}

std::optional<RacewayType> racewayType(QStringView type)
{
    if (sameText(type, u"DP1"))
        return RacewayType{16, 8700};
    if (sameText(type, u"DP2"))
        return RacewayType{22, 14000};
    return std::nullopt;
}

std::optional<int16_t> fixtureWeight(QStringView type)
{
    static const struct { const char16_t *type; int16_t weight; } rows[] = {
        {u"FL110Wx1", 44}, {u"FL110Wx2", 50}, {u"FL40Wx1", 17}, {u"FL40Wx2", 33}, {u"FL40Wx3", 40},
        {u"FL32Wx1", 17}, {u"FL32Wx2", 32}, {u"FL32Wx3", 39}, {u"FL20Wx1", 7}, {u"FL20Wx2", 10},
        {u"FL20Wx3", 13}, {u"FL15Wx1", 6}, {u"FL10Wx1", 6},
    };
    for (const auto &row : rows)
        if (sameText(type, QStringView(row.type)))
            return row.weight;
    return std::nullopt;
}

std::optional<int> spanWeightLimit(QStringView type, double L)
{
    static const struct { double upTo; int dp2, dp1; } bands[] = {
        {1, 140, 66}, {1.5, 82, 28}, {1.8, 55, 18}, {2, 43, 14}, {2.5, 25, 7}, {3, 15, 3},
    };
    const bool dp2 = sameText(type, u"DP2");
    if (!dp2 && !sameText(type, u"DP1"))
        return std::nullopt;
    double lower = 0;
    for (const auto &b : bands) {
        if (L > lower && L <= b.upTo)
            return dp2 ? b.dp2 : b.dp1;
        lower = b.upTo;
    }
    return std::nullopt;
}

QString spanWeightMessage(int limitKg)
{
    return u"支持間重量が"_qs + Str(limitKg) + u"kgを超えています。支持間隔を狭めるか重量を軽くして下さい。"_qs;
}

} // namespace kb::rack
