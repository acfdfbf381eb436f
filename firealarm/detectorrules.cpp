#include "detectorrules.h"

#include "numtext.h"

namespace kb::fa {

namespace {

bool is(const QString &text, const char16_t *item) { return sameText(text, QStringView(item)); }

// a / b: the value for a fire-resistant structure / for any other structure.
int byStructure(const QString &structureCode, int taika, int sonota, bool &known)
{
    known = true;
    if (is(structureCode, u"TAIKA"))
        return taika;
    if (is(structureCode, u"SONOTA"))
        return sonota;
    known = false;
    return 0;
}

const QString Box2 = QStringLiteral("感知器の種別を選択して下さい。");
const QString Box10 = QStringLiteral("感知器の種別を選択して下さい。-H2");
const QString Box11 = QStringLiteral("煙感知器は２０ｍ以上では使用できません。他の感知器を選択して下さい。");
const QString Box12 = QStringLiteral("２種,３種は、１５ｍ以上では使用できません。１種を選択して下さい。");
const QString Box13 = QStringLiteral("３種は、４ｍ以上では使用できません。１種又は２種を選択して下さい。");
const QString Box14 = QStringLiteral("２種は、４ｍ以上では使用できません。１種又は特種を選択して下さい。");
const QString Box15 = QStringLiteral("熱感知器は８ｍ以上では使用できません。煙感知器を選択して下さい。");
const QString Box16 = QStringLiteral("３種煙感知器は８ｍ以上では使用できません。他の感知器を選択して下さい。");
const QString Box17 = QStringLiteral("煙感知器は８ｍ以上では使用できません。他の感知器を選択して下さい。");

const QString BeamTooDeep = QStringLiteral("梁が規定以上です「小区画が連続」又は部屋の寸法を梁のところで計算して下さい。");
const QString BeamTooDeepRow = QStringLiteral("梁が規定以上です間口,奥行寸法を梁のところで計算して下さい。");
const QString BeamTooShallowRow = QStringLiteral("梁が規定以下です一般居室のところで計算して下さい。");
const QString BeamNeedsOwn = QStringLiteral("梁が規定以上です小区画に専用感知器が必要です。");
const QString CompartmentWarning = QStringLiteral("面積が大きい為小区画に感知器が必要です。");
const QString HeatAbove8 = QStringLiteral("この感知器は８ｍ以上では使用できません。煙感知器又は熱分布(空気管)等を選択して下さい。");
const QString HeatAbove4 = QStringLiteral("この感知器は４ｍ以上では使用できません。煙感知器又は熱分布(空気管)等を選択して下さい。");

Coverage smokeByArea(Variant v, const QString &cls, int t)
{
    const bool first = is(cls, u"ICHI"), second = is(cls, u"NI"), third = is(cls, u"SAN");
    if (t >= 20)
        return {0, {Box11}};
    if (t >= 15)
        return first ? Coverage{v == Variant::Row ? 40 : 75, {}} : (second || third) ? Coverage{0, {Box12}} : Coverage{};
    if (t >= 4) {
        if (third)
            return {0, {Box13}};
        const int value = v != Variant::Row ? 75 : (t >= 8 ? 40 : 60);
        return (first || second) ? Coverage{value, {}} : Coverage{};
    }
    if (third)
        return {v == Variant::Row ? 20 : 50, {}};
    return (first || second) ? Coverage{v == Variant::Row ? 60 : 150, {}} : Coverage{};
}

Coverage smokeByWalking(const QString &cls, int t)
{
    const bool firstOrSecond = is(cls, u"ICHI") || is(cls, u"NI"), third = is(cls, u"SAN");
    if (third && t >= 4)
        return {0, {Box16}};
    if (firstOrSecond && t >= 8)
        return {0, {Box17}};
    if (firstOrSecond)
        return {30, {}};
    if (third)
        return {20, {}};
    return {};
}

// Heat detectors: the (TAIKA, SONOTA) pair of a class, or none.
struct Pair
{
    int taika = 0, sonota = 0;
    bool found = false;
};

Pair heatPair(Variant v, DetectorType t, const QString &cls, bool low)
{
    const bool toku = is(cls, u"TOKU"), ichi = is(cls, u"ICHI"), ni = is(cls, u"NI");
    auto pick = [](bool c, int a, int b) { return c ? Pair{a, b, true} : Pair{}; };
    switch (v) {
    case Variant::Ordinary:
    case Variant::Single:
        if (t == DetectorType::Analog)
            return low ? Pair{70, 40, true} : Pair{35, 25, true};
        if (t == DetectorType::FixedTemp) {
            if (toku)
                return low ? Pair{70, 40, true} : Pair{35, 25, true};
            if (ichi)
                return low ? Pair{60, 30, true} : Pair{30, 15, true};
            return pick(ni && low, 20, 15);
        }
        if (ichi)
            return low ? Pair{90, 50, true} : Pair{45, 30, true};
        return ni ? (low ? Pair{70, 40, true} : Pair{35, 25, true}) : Pair{};
    case Variant::Row:
        if (t == DetectorType::Analog)
            return {15, 10, true};
        if (t == DetectorType::FixedTemp)
            return toku ? Pair{15, 10, true} : pick(ichi, 13, 8);
        return ichi ? Pair{20, 15, true} : pick(ni, 15, 10);
    case Variant::Narrow:
        if (!low)
            return {};
        // A heat analog detector walks as far as the narrow-room limit of its family.
        if (t == DetectorType::Analog)
            return {13, 8, true};
        if (t == DetectorType::FixedTemp)
            return toku ? Pair{13, 8, true} : pick(ichi, 10, 6);
        return ichi ? Pair{15, 10, true} : pick(ni, 13, 8);
    }
    return {};
}

Coverage heat(Variant v, DetectorType t, const QString &cls, const QString &structure, int tenjou)
{
    if (v == Variant::Row) {
        if (tenjou >= 8)
            return {0, {Box15}};
        if (tenjou <= 0)
            return {};
    }
    if (v == Variant::Ordinary || v == Variant::Single) {
        if (t == DetectorType::FixedTemp && is(cls, u"NI") && tenjou >= 4)
            return {0, {Box14}};
    }
    const Pair p = heatPair(v, t, cls, tenjou < 4);
    if (!p.found)
        return {};
    bool known = false;
    const int value = byStructure(structure, p.taika, p.sonota, known);
    return {known ? value : 0, {}};
}

} // namespace

DetectorType detectorType(const QString &text)
{
    if (is(text, u"煙感知器"))
        return DetectorType::Smoke;
    if (is(text, u"差動スポット"))
        return DetectorType::Differential;
    if (is(text, u"補償スポット"))
        return DetectorType::Compensated;
    if (is(text, u"定温スポット") || is(text, u"定温防水スポット"))
        return DetectorType::FixedTemp;
    if (is(text, u"熱アナログスポット"))
        return DetectorType::Analog;
    return DetectorType::None;
}

std::optional<int> representativeHeight(const QString &ceilingItem)
{
    static const std::pair<const char16_t *, int> table[] = {
        {u"4m未満", 1}, {u"4m-8m未満", 6}, {u"8m-15m未満", 10}, {u"15m-20m未満", 18}, {u"20m以上", 25}};
    for (const auto &[item, height] : table)
        if (is(ceilingItem, item))
            return height;
    return std::nullopt;
}

QString classCode(int option)
{
    static const char *codes[] = {"TOKU", "ICHI", "NI", "SAN"};
    return option >= 0 && option < 4 ? QString::fromLatin1(codes[option]) : QString();
}

QString classText(int option)
{
    static const char16_t *texts[] = {u"特種", u"１種", u"２種", u"３種"};
    return option >= 0 && option < 4 ? QString::fromUtf16(texts[option]) : QString();
}

int classOption(const QString &text)
{
    for (int i = 0; i < 4; ++i)
        if (sameText(text, classText(i)))
            return i;
    return -1;
}

QString structureCode(int option)
{
    return option == 0 ? QStringLiteral("TAIKA") : option == 1 ? QStringLiteral("SONOTA") : QString();
}

bool isBeamItem(const QString &beam)
{
    return beamCode(Variant::Ordinary, false, beam).code.has_value();
}

BeamCode beamCode(Variant v, bool smoke, const QString &beam)
{
    // The tests run in this order on the text as rewritten so far.
    BeamCode out{std::nullopt, beam};
    if (is(out.beamText, u"0.4m未満")) {
        out.code = 3;
        if (smoke)
            out.beamText = QStringLiteral("0.6m未満");
    }
    if (is(out.beamText, u"0.6m未満"))
        out.code = (smoke && v != Variant::Narrow) ? 3 : 5;
    if (is(out.beamText, u"0.4m-1m未満")) {
        out.code = 5;
        if (smoke)
            out.beamText = QStringLiteral("0.6m-1m未満");
    }
    if (is(out.beamText, u"0.6m-1m未満"))
        out.code = 8;
    if (is(out.beamText, u"1m以上"))
        out.code = 20;
    return out;
}

Verdict beamVerdict(Variant v, bool smoke, int hariCode, int tenjou, double compartmentArea)
{
    switch (v) {
    case Variant::Ordinary:
        if (hariCode >= 4)
            return {BeamTooDeep, {}};
        if (!smoke && tenjou >= 8)
            return {HeatAbove8, {}};
        return {};
    case Variant::Narrow:
        if (!smoke && tenjou >= 4)
            return {HeatAbove4, {}};
        if (hariCode >= (smoke ? 6 : 4))
            return {BeamTooDeep, {}};
        return {};
    case Variant::Row: {
        const int lowest = smoke ? 6 : 4;
        if (hariCode > 10)
            return {BeamTooDeepRow, {}};
        if (hariCode < lowest)
            return {BeamTooShallowRow, {}};
        if (!smoke && tenjou >= 8)
            return {HeatAbove8, {}};
        return {};
    }
    case Variant::Single: {
        Verdict out;
        if ((!smoke && compartmentArea > 5 && hariCode >= 4) || (smoke && compartmentArea > 10 && hariCode >= 6))
            out.warning = CompartmentWarning;
        else if (hariCode >= 10)
            out.refusal = BeamNeedsOwn;
        if (out.refusal.isEmpty() && !smoke && tenjou >= 8)
            out.refusal = HeatAbove8;
        return out;
    }
    }
    return {};
}

Family familyOf(DetectorType t)
{
    switch (t) {
    case DetectorType::Smoke:
        return Family::Smoke;
    case DetectorType::FixedTemp:
        return Family::FixedTemp;
    case DetectorType::Analog:
        return Family::Analog;
    default:
        return Family::Differential;
    }
}

std::optional<double> narrowLimit(Family f, const QString &cls, const QString &structure)
{
    if (f == Family::Smoke) {
        if (is(cls, u"ICHI") || is(cls, u"NI"))
            return 30;
        if (is(cls, u"SAN"))
            return 20;
        return std::nullopt;
    }
    Pair p;
    if (f == Family::Analog)
        p = {13, 8, true};
    else if (f == Family::Differential)
        p = is(cls, u"ICHI") ? Pair{15, 10, true} : is(cls, u"NI") ? Pair{13, 8, true} : Pair{};
    else
        p = is(cls, u"TOKU") ? Pair{13, 8, true} : is(cls, u"ICHI") ? Pair{10, 6, true} : Pair{};
    if (!p.found)
        return std::nullopt;
    bool known = false;
    const int limit = byStructure(structure, p.taika, p.sonota, known);
    return known ? std::optional<double>(limit) : std::nullopt;
}

bool tooNarrow(double width, double depth, double limit)
{
    return (width < 3 && depth >= limit) || (width >= limit && depth < 3);
}

bool wideTestApplies(Family f, const QString &cls, const QString &structure)
{
    const bool structureKnown = is(structure, u"TAIKA") || is(structure, u"SONOTA");
    switch (f) {
    case Family::Smoke:
        return true;
    case Family::Analog:
        return structureKnown;
    case Family::Differential:
        return structureKnown && (is(cls, u"ICHI") || is(cls, u"NI"));
    case Family::FixedTemp:
        return structureKnown && (is(cls, u"TOKU") || is(cls, u"ICHI"));
    }
    return false;
}

QString tooNarrowMessage(Family f)
{
    return f == Family::Differential ? QStringLiteral("間口が３m未満の部屋は「細長い部屋」にて計算して下さい。")
                                     : QStringLiteral("間口が３m未満の部屋は細長い部屋にて計算して下さい。");
}

QString tooWideMessage()
{
    return QStringLiteral("間口が３m以上の部屋は「一般居室」にて計算して下さい。");
}

ClassCheck classCheck(Variant v, DetectorType t, int option)
{
    switch (t) {
    case DetectorType::Smoke:
        if (option == 0)
            return {{QStringLiteral("煙感知器に特種はありません。")}, true};
        if (option < 0)
            return {{Box2}, true};
        return {};
    case DetectorType::FixedTemp:
        if (option == 3)
            return {{QStringLiteral("定温スポット型感知器に３種はありません。"), Box2}, true};
        if (option < 0)
            return {{Box2}, true};
        if (option == 2 && v == Variant::Row)
            return {{QStringLiteral("小区画が連続に定温スポット型感知器に２種は使えません。")}, false};
        if (option == 2 && v == Variant::Narrow)
            return {{QStringLiteral("定温スポット型感知器２種は使えません。１種以上を選択して下さい。")}, false};
        return {};
    case DetectorType::Differential:
    case DetectorType::Compensated: {
        const bool differential = t == DetectorType::Differential;
        if (option == 0)
            return {{differential ? QStringLiteral("差動スポット型感知器に特種はありません。")
                                  : QStringLiteral("補償式スポット型感知器に特種はありません。"),
                     Box10},
                    true};
        if (option == 3)
            return {{differential ? QStringLiteral("差動スポット型感知器に３種はありません。")
                                  : QStringLiteral("補償式スポット型感知器に３種はありません。")},
                    true};
        if (option < 0)
            return {{Box10}, true};
        return {};
    }
    default:
        return {};
    }
}

Coverage coverage(Variant v, DetectorType t, const QString &cls, const QString &structure, int tenjou)
{
    if (t == DetectorType::None)
        return {};
    if (t == DetectorType::Smoke)
        return v == Variant::Narrow ? smokeByWalking(cls, tenjou) : smokeByArea(v, cls, tenjou);
    return heat(v, t, cls, structure, tenjou);
}

double detectorCount(double ratio)
{
    const double a = ratio * 100;
    const double b = Int(ratio) * 100;
    return a > b ? Int(ratio) + 1 : Int(ratio);
}

} // namespace kb::fa
