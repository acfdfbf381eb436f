#include "conductorsizing.h"

#include "numtext.h"

#include <limits>

namespace kb::vd {

namespace {

// A floored 16-bit count, as the calculators keep their intermediate results.
double floorCount(double x)
{
    return CInt(Int(x));
}

const WireType kTwoCoreTypes[] = {
    {"IV", "", "X2", 3.5, 3.5, 3, 251, 267, true, true},
    {"CV-2C", "CV", "-2C", 2, 3.5, 3, 271, 284, true, false},
    {"FP-2C", "FP", "-2C", 2, 3.5, 3, 222, 233, true, false},
};

const WireType kThreeCoreTypes[] = {
    {"IV", "", "X3", 3.5, 3.5, 3, 251, 267, false, true},
    {"CV-3C", "CV", "-3C", 2, 3.5, 3, 271, 284, false, false},
    {"CVT", "CVT", "", 8, 14, 4, 234, 245, false, false},
    // The smallest FP rung writes "FP2-3C", the three-core form of the two-wire window's "FP2-2C".
    {"FP-3C", "FP", "-3C", 2, 3.5, 3, 222, 233, false, false},
};

const EarthRung kEarth[] = {
    {30, "2"}, {50, "3.5"}, {100, "5.5"}, {150, "8"}, {200, "14"}, {400, "22"},
    {600, "38"}, {1000, "60"}, {1200, "100"}, {1600, "100"}, {2000, "150"},
};

constexpr double kNoEnd = std::numeric_limits<double>::infinity();

const LengthBand kTodenBands[] = {
    {60, 120, 4, QStringLiteral("電線長さ６０ｍを超え１２０ｍ以下は降下率４％迄です。")},
    {120, 200, 5, QStringLiteral("電線長さ１２０ｍを超え２００ｍ以下は降下率５％迄です。")},
    {200, kNoEnd, 6, QStringLiteral("電線長さ２００ｍ超は降下率６％迄です。")},
};

const LengthBand kJikayoBands[] = {
    {60, 120, 5, QStringLiteral("電線長さ６０ｍを超え１２０ｍ以下は降下率５％迄です。")},
    {120, 200, 6, QStringLiteral("電線長さ１２０ｍを超え２００ｍ以下は降下率６％迄です。")},
    {200, kNoEnd, 7, QStringLiteral("電線長さ２００ｍ超は降下率７％迄です。")},
};

} // namespace

double divide(double a, double b)
{
    if (b == 0)
        throw Failure(QStringLiteral("division by zero"));
    return a / b;
}

double readVoltage(const QString &text, VoltageRead how)
{
    switch (how) {
    case VoltageRead::Whole:
        return Val(text);
    case VoltageRead::FirstThree:
        return Val(QStringView(text).left(3));
    case VoltageRead::WholeTimesRoot3:
        return Val(text) * kRoot3;
    }
    return 0;
}

// ---- Wire types and size names ----

std::span<const WireType> wireTypes(bool twoCore)
{
    if (twoCore)
        return kTwoCoreTypes;
    return kThreeCoreTypes;
}

const WireType *findWireType(const QString &type, bool twoCore)
{
    for (const WireType &w : wireTypes(twoCore))
        if (sameText(type, QString::fromLatin1(w.type)))
            return &w;
    return nullptr;
}

QString sizeText(double size)
{
    return Str(size);
}

QString sizeName(const WireType &wire, double size)
{
    return QLatin1String(wire.prefix) + sizeText(size) + QLatin1String(wire.suffix);
}

QStringList sizeList(const WireType &wire)
{
    QStringList names;
    for (double s : HYOUJUN_SAIZU)
        if (s >= wire.firstListed)
            names << sizeName(wire, s);
    return names;
}

std::optional<QString> SAIZU_CHOSEI(const WireType &wire, double x)
{
    if (x > kLargestSize)
        return std::nullopt;
    for (double s : HYOUJUN_SAIZU)
        if (s >= wire.lowestRung && x <= s)
            return sizeName(wire, s);
    return std::nullopt; // not reached: x ≤ 325
}

int16_t DENSEN_SUCHI(const WireType &wire, const QString &name, bool solidWires)
{
    const QString prefix = QString::fromLatin1(wire.prefix), suffix = QString::fromLatin1(wire.suffix);
    const qsizetype digits = name.size() - prefix.size() - suffix.size();
    const auto refuse = [&] { return Failure(QStringLiteral("not a size name of %1: %2").arg(QLatin1String(wire.type), name)); };
    if (digits < 1 || digits > wire.maxDigits)
        throw refuse();
    if (!sameText(QStringView(name).left(prefix.size()), prefix) || !sameText(QStringView(name).right(suffix.size()), suffix))
        throw refuse();
    const QStringView slice = QStringView(name).mid(prefix.size(), digits);
    const std::optional<double> size = tryReadNumber(slice);
    if (!size || *size <= 0)
        throw refuse();
    double section = *size;
    if (solidWires && sameText(QString::fromLatin1(wire.type), u"IV")) {
        // Solid wires are named by their diameter: 1.6 mm is 2.01 mm², 2.0 mm is 3.14 mm².
        if (section == 1.6)
            section = 2.01;
        else if (section == 2.0)
            section = 3.14;
    }
    return CInt(section);
}

// ---- Allowable currents ----

Laying layingOf(const QString &fusetuHouhou)
{
    if (sameText(fusetuHouhou, u"RACK"))
        return Laying::Rack;
    if (sameText(fusetuHouhou, u"C") || sameText(fusetuHouhou, u"G"))
        return Laying::Conduit;
    return Laying::Unknown;
}

int currentColumn(const WireType &wire, Laying laying)
{
    const int conduit = wire.twoCore ? 5 : 2;
    if (wire.conduitOnly)
        return conduit;
    switch (laying) {
    case Laying::Rack:
        return conduit + 1;
    case Laying::Conduit:
        return conduit;
    case Laying::Unknown:
        break;
    }
    return 0;
}

std::optional<QString> DENSEN_SAIZU(const TextTable &DD, const WireType &wire, int column, int16_t a)
{
    if (Val(DD.at(column, wire.largestRow)) <= a)
        return std::nullopt;
    for (int r = wire.blockFirst; r <= wire.largestRow; ++r)
        if (Val(DD.at(column, r)) > a)
            return DD.at(nameColumn(wire.twoCore), r);
    return std::nullopt; // not reached: the largest-size row qualifies
}

int16_t allowableCurrent(const TextTable &DD, const QString &name, const AllowableScan &scan)
{
    if (name.isEmpty())
        throw Failure(QStringLiteral("no size name"));
    const QString *cell = nullptr;
    for (int r = scan.firstRow; r <= scan.lastRow; ++r)
        if (sameText(DD.at(scan.nameColumn, r), name))
            cell = &DD.at(scan.currentColumn, r);
    if (!cell)
        throw Failure(QStringLiteral("no allowable current for ") + name);
    return CInt(scan.strict ? CDbl(*cell) : Val(*cell));
}

double maxLoad(double x, double Ia, double pf)
{
    return floorCount(x * Ia * pf / 100) / 10;
}

CurrentWarning currentWarning(double Ia, double I)
{
    if (Ia <= I)
        return CurrentWarning::OverCurrent;
    if (snap(1.1 * I) >= Ia && snap(0.9 * Ia) < I)
        return CurrentWarning::Growth;
    return CurrentWarning::None;
}

QString warningText(CurrentWarning w)
{
    switch (w) {
    case CurrentWarning::OverCurrent:
        return msg::OverCurrent;
    case CurrentWarning::Growth:
        return msg::Growth;
    case CurrentWarning::None:
        break;
    }
    return {};
}

// ---- Load current, drop and drop rate ----

double FUKA_DENRYU(double P, double pf, double V)
{
    return floorCount(divide((P * 1000) * 10, pf * V)) / 10;
}

double DENATU_KOUKA(double L, double I, double A, double K, int stepsPerVolt)
{
    const double tenths = ((L / 100) * K) * divide(I, A);
    return double(CInt(tenths * stepsPerVolt / 10)) / stepsPerVolt;
}

double KOUKA_LITU(double e, double U)
{
    return double(CInt(divide((e * 100) * 100, U))) / 100;
}

int16_t backCalculatedSection(double L, double I, double e, double K)
{
    return CInt(divide((L * K) * I, e * 1000));
}

// ---- Length bands ----

const LengthBand *lengthBand(const QString &dengenShubetu, double L)
{
    std::span<const LengthBand> bands;
    if (sameText(dengenShubetu, u"TODEN"))
        bands = kTodenBands;
    else if (sameText(dengenShubetu, u"JIKAYO"))
        bands = kJikayoBands;
    for (const LengthBand &b : bands)
        if (L > b.above && L <= b.upTo)
            return &b;
    return nullptr;
}

// ---- Breaker, grounding and bonding wires ----

int16_t MCB_SAIZUAT(double I)
{
    return CInt(I * 1.1);
}

QString tripText(int16_t trip)
{
    return Str(trip) + QStringLiteral("AT");
}

QString breakerFrameText(int allowable)
{
    for (int f : AF_HYOU)
        if (allowable <= f)
            return Str(f) + QStringLiteral("AF");
    return Str(AF_HYOU.back()) + QStringLiteral("AF以上");
}

std::span<const EarthRung> earthTable()
{
    return kEarth;
}

QString earthSize(int rating, std::span<const EarthRung> table, const QString &above)
{
    for (const EarthRung &r : table)
        if (rating <= r.upTo)
            return QString::fromUtf8(r.size);
    return above;
}

int16_t earthRating(const QString &tripLabel, int16_t allowable)
{
    if (tripLabel.size() == 4)
        return CInt(CDbl(QStringView(tripLabel).left(2)));
    if (tripLabel.size() == 5)
        return CInt(CDbl(QStringView(tripLabel).left(3)));
    return allowable;
}

QString bondSize(double frame)
{
    if (frame <= 100)
        return QStringLiteral("2.0");
    if (frame <= 225)
        return QStringLiteral("5.5");
    if (frame <= 600)
        return QStringLiteral("14");
    return {};
}

} // namespace kb::vd
