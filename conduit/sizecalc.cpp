#include "sizecalc.h"

#include "numtext.h"

#include <QStringList>

namespace kb {

namespace {

const char16_t *const kDoubledWires[] = {
    u"IV1.0", u"IV1.2", u"HIV1.2", u"IV1.6", u"HIV1.6", u"IV2.0", u"HIV2.0", u"IV2", u"HIV2", u"IV3.5", u"HIV3.5",
    u"EM-IE1.2", u"EM-HIE1.2", u"EM-IE1.6", u"EM-HIE1.6", u"EM-IE2.0", u"EM-HIE2.0", u"EM-IE2", u"EM-HIE2",
    u"EM-IE3.5", u"EM-HIE3.5",
};
const char16_t *const kMediumWires[] = {
    u"IV5.5", u"HIV5.5", u"IV8", u"HIV8", u"EM-IE5.5", u"EM-HIE5.5", u"EM-IE8", u"EM-HIE8",
};

template<size_t N>
bool isOneOf(const QString &name, const char16_t *const (&names)[N])
{
    for (const char16_t *n : names)
        if (sameText(name, QStringView(n)))
            return true;
    return false;
}

struct WiringCodeEntry
{
    QStringList types;
    QStringList downForOne;  // -1 with one cable
    QStringList upForTwo;    // +1 with two cables
    struct Extra { const char16_t *name; int count; int move; };
    QVector<Extra> extras;
};

const QVector<WiringCodeEntry> &wiringCodeTable()
{
    static const QVector<WiringCodeEntry> table = {
        {{u"E"_qs}, {u"IV60"_qs, u"IV100"_qs, u"IV150"_qs},
         {u"IV8"_qs, u"IV22"_qs, u"IV38"_qs, u"IV60"_qs, u"IV100"_qs, u"IV200"_qs}, {}},
        {{u"G"_qs}, {u"IV60"_qs, u"IV100"_qs, u"IV150"_qs, u"IV200"_qs, u"IV250"_qs},
         {u"IV60"_qs, u"IV100"_qs, u"IV150"_qs, u"IV250"_qs}, {}},
        {{u"C"_qs}, {u"IV22"_qs, u"IV60"_qs, u"IV100"_qs, u"IV150"_qs}, {u"IV100"_qs, u"IV200"_qs}, {}},
        {{u"CD"_qs, u"PF-CD"_qs}, {u"IV22"_qs, u"IV60"_qs, u"IV100"_qs}, {u"IV5.5"_qs, u"IV8"_qs, u"IV60"_qs},
         {{u"IV14", 7, 1}, {u"IV38", 3, 1}}},
        {{u"VE"_qs}, {u"IV38"_qs, u"IV60"_qs, u"IV100"_qs, u"IV150"_qs, u"IV200"_qs, u"IV250"_qs},
         {u"IV2.0"_qs, u"IV5.5"_qs, u"IV8"_qs, u"IV250"_qs}, {}},
        {{u"PRI"_qs}, {u"IV60"_qs, u"IV100"_qs, u"IV150"_qs, u"IV200"_qs, u"IV325"_qs},
         {u"IV2.0"_qs, u"IV5.5"_qs, u"IV8"_qs, u"IV22"_qs, u"IV38"_qs, u"IV60"_qs, u"IV200"_qs}, {{u"IV325", 2, 3}}},
    };
    return table;
}

bool listed(const QStringList &names, const QString &text)
{
    for (const QString &n : names)
        if (sameText(n, text))
            return true;
    return false;
}

[[noreturn]] void doesNotFit()
{
    throw Failure(QStringLiteral("the cables do not fit the largest allowed size"));
}

class Sizing
{
public:
    Sizing(const SizeCalculation &c, GridModel &g) : calc(c), grid(g), rec(c.records), n(c.cableCount) {}

    std::optional<int16_t> run()
    {
        for (int r = 1; r <= n; ++r)
            rec[r].correctionFactor = correctionFactor(calc.conduitType, rec[r].cableName);
        for (int r = 1; r <= n; ++r)
            for (int c = 2; c <= 8; ++c)
                grid.setTextMatrix(r, c, QString());
        grid.setTextMatrix(0, 3, QStringLiteral("断面積累計"));
        writeRows();
        for (int r = 1; r <= n; ++r) {
            rec[r].sizeText = kContinuationMark;
            grid.setTextMatrix(r, 2, kContinuationMark);
        }
        const float pmax = calc.areas[calc.sizeCount];
        if (rec[n].cumulativeArea <= pmax)
            return oneConduit();
        severalConduits(pmax);
        return std::nullopt;
    }

private:
    void writeRows()
    {
        float area = 0;
        double diameter = 0;
        for (int r = 1; r <= n; ++r) {
            CableRecord &x = rec[r];
            grid.setTextMatrix(r, 6, StrSng(x.sectionArea));
            area = float(area + float(x.correctionFactor * x.sectionArea));
            x.cumulativeArea = area;
            grid.setTextMatrix(r, 3, StrSng(x.cumulativeArea));
            const QString od = StrSng(x.outerDiameter);
            grid.setTextMatrix(r, 4, od);
            diameter += Val(od);
            x.cumulativeDiameter = float(diameter);
            grid.setTextMatrix(r, 5, StrSng(x.cumulativeDiameter));
            grid.setTextMatrix(r, 7, StrSng(x.correctionFactor));
            grid.setTextMatrix(r, 8, x.weightText);
        }
    }

    // The first allowed size that holds this area; 0 when none does.
    int firstFitting(float area) const
    {
        for (int k = 1; k <= calc.sizeCount; ++k)
            if (area <= calc.areas[k])
                return k;
        return 0;
    }

    // A group end on a row without a name shows its size on the row above (never on the headings).
    void label(int row, int k, bool ownRowOnly)
    {
        const int at = (!ownRowOnly && row > 1 && rec[row].cableName.isEmpty()) ? row - 1 : row;
        grid.setTextMatrix(at, 2, kSizeIndent + calc.sizeNames[k]);
    }

    std::optional<int16_t> oneConduit()
    {
        int k = firstFitting(rec[n].cumulativeArea);
        if (calc.wiringCode) {
            k += wiringCodeMove(calc.typeBox, calc.cableBox, n);
            // Below the smallest size the smallest stays; above the largest allowed
            // size the wiring code asks for a larger conduit than the user allows.
            if (k < 1)
                k = 1;
            if (k > calc.sizeCount)
                doesNotFit();
        }
        label(n, k, true);
        return int16_t(k);
    }

    // The largest row from n down to first whose sum fits; 0 when none.
    int lastFittingRow(int first, float pmax) const
    {
        for (int x = n; x >= first; --x)
            if (rec[x].cumulativeArea <= pmax)
                return x;
        return 0;
    }

    void severalConduits(float pmax)
    {
        int e = lastFittingRow(1, pmax);
        if (e == 0)
            doesNotFit();
        label(e, firstFitting(rec[e].cumulativeArea), false);
        for (int pass = 0; pass < 30; ++pass) {
            rec[e].cumulativeArea = 0;
            for (int j = e + 1; j <= n; ++j) {
                rec[j].cumulativeArea = float(rec[j - 1].cumulativeArea + float(rec[j].correctionFactor * rec[j].sectionArea));
                grid.setTextMatrix(j, 3, StrSng(rec[j].cumulativeArea));
            }
            if (rec[n].cumulativeArea <= pmax)
                break;
            // A cable that alone exceeds the largest size: no group can take it,
            // and the groups already labelled keep their sizes.
            if (rec[e + 1].cumulativeArea > pmax)
                doesNotFit();
            const int x = lastFittingRow(e + 1, pmax);
            label(x, firstFitting(rec[x].cumulativeArea), false);
            e = x;
        }
        const int k = firstFitting(rec[n].cumulativeArea);
        if (k == 0)
            doesNotFit();
        label(n, k, true);
    }

    const SizeCalculation &calc;
    GridModel &grid;
    CableRecords &rec;
    const int n;
};

} // namespace

float correctionFactor(const QString &conduitType, const QString &cableName)
{
    const double base = sameText(conduitType, u"PF-CD") ? 0.3 : 1.0;
    const double addition = isOneOf(cableName, kDoubledWires) ? 1.0 : isOneOf(cableName, kMediumWires) ? 0.2 : 0.0;
    const double factor = base + addition;
    return float(factor < 1 ? 1.0 : factor);
}

int wiringCodeMove(const QString &typeBox, const QString &cableBox, int n)
{
    for (const WiringCodeEntry &e : wiringCodeTable()) {
        if (!listed(e.types, typeBox))
            continue;
        if (n == 1 && listed(e.downForOne, cableBox))
            return -1;
        if (n == 2 && listed(e.upForTwo, cableBox))
            return 1;
        for (const auto &x : e.extras)
            if (n == x.count && sameText(cableBox, QStringView(x.name)))
                return x.move;
        return 0;
    }
    return 0;
}

std::optional<int16_t> calculateConduitSizes(const SizeCalculation &calc, GridModel &grid)
{
    return Sizing(calc, grid).run();
}

} // namespace kb
