#include "pullboxcalc.h"

#include "dialogs.h"
#include "failure.h"
#include "numtext.h"

#include <algorithm>

namespace kb::pullbox {

namespace {
const QString kCommand2 = QStringLiteral("Command2_Click");
const QString kChouSei = QStringLiteral("CHOU_SEI");
const QString kTakasaChousei = QStringLiteral("TAKASA_CHOUSEI");
const QString kSunpouChosei = QStringLiteral("SUNPOU_CHOSEI");
} // namespace

double State::setting(int r) const
{
    // A SUNPOU_MODE of 0 (no column of row 170 read "ON") addresses no column and fails.
    return CDbl(CABLE_DATA.at(SUNPOU_MODE, r));
}

bool State::isPower() const { return sameText(DENGEN_KUBUN, u"ON"); }
bool State::isWeak() const { return sameText(DENGEN_KUBUN, u"OFF"); }

bool State::conditionsValid() const
{
    return SUNPOU_MODE >= 1 && SUNPOU_MODE <= 3 && (isPower() || isWeak()) && ANGURU_MODE >= 1 && ANGURU_MODE <= 3;
}

bool State::hasConduits() const
{
    for (int t = 1; t <= std::clamp<int>(DAN_BANGOU, 1, kTierSlots); ++t)
        if (n(t) > 0)
            return true;
    return false;
}

Calculation::Outcome Calculation::run()
{
    // Settings rows 170, 181 and 183 that name no mode would size a box of nothing.
    if (!s.conditionsValid()) {
        errorBox(kCommand2);
        return Outcome::Refused;
    }
    return compute() ? Outcome::Done : Outcome::Failed;
}

void State::clearTiers()
{
    for (int t = 1; t <= kScannedTiers; ++t) {
        DAN_HONSUU[t] = 0;
        DAN_GOUKEI[t] = 0;
        GAIKEI_HYOU[t].fill(0);
    }
}

int angleRow(int x, int angleMode, bool smallTakesAngle)
{
    if (angleMode != 1 && angleMode != 2)
        return 0;
    if (x <= 400)
        return (angleMode == 2 && smallTakesAngle) ? row::Angle1 : 0;
    if (x <= 600)
        return row::Angle1;
    if (x <= 800)
        return row::Angle2;
    if (x <= 1000)
        return row::Angle3;
    return row::Angle4;
}

int16_t roundUpToUnit(int16_t x, double u, bool wholeFloor)
{
    if (u == 0)
        throw Failure(QStringLiteral("rounding unit 0"));
    const double steps = Int(x / u);
    const double floor = wholeFloor ? double(CInt(steps * u)) : steps * u;
    if (x > floor)
        return CInt((steps + 1) * u);
    return x;
}

namespace {

// The largest of the 16-bit values, 0 when there is none.
template<class It> int16_t largest(It first, It last)
{
    return first == last ? int16_t(0) : std::max<int16_t>(0, *std::max_element(first, last));
}

// Shared steps of the geometries.
class Common : public Calculation
{
public:
    using Calculation::Calculation;

protected:
    // A tier's pitches and diameters in registration order, rounded at every conduit;
    // the tier width adds one pitch more.
    int16_t runningSum(int t, int from, double p) const
    {
        if (s.n(t) > kMaxConduits)
            throw Failure(QStringLiteral("tier count above 50"));
        double sum = 0;
        for (int j = from; j <= s.n(t); ++j)
            sum = CInt((p + s.d(t, j)) + sum);
        return int16_t(sum);
    }
    int16_t weakWidth(int t, double p)
    {
        s.DAN_GOUKEI[t] = runningSum(t, 1, p);
        return CInt(p + s.DAN_GOUKEI[t]);
    }
    // Every scanned tier competes with its width; one without conduits gives one pitch.
    int16_t widestScannedTier(double p)
    {
        for (int t = 1; t <= kScannedTiers; ++t)
            s.HABA_KOUHO[t] = weakWidth(t, p);
        return largest(s.HABA_KOUHO.begin() + 1, s.HABA_KOUHO.begin() + 1 + kScannedTiers);
    }
    // The bend of conduit v needs k times its own diameter plus the pitches and
    // diameters of itself and every conduit after it; the widest bend wins.
    int16_t powerWidth(int t, double p, int candidateSlots)
    {
        if (s.n(t) > candidateSlots)
            throw Failure(QStringLiteral("too many conduits for the width candidates"));
        int16_t widest = 0;
        for (int v = 1; v <= s.n(t); ++v) {
            s.HABA_KOUHO[v] = CInt(s.setting(row::PowerBend) * s.d(t, v) + runningSum(t, v, p));
            widest = std::max(widest, s.HABA_KOUHO[v]);
        }
        return widest;
    }
    int16_t largestOfTier(int t) const { return largest(s.GAIKEI_HYOU[t].begin() + 1, s.GAIKEI_HYOU[t].end()); }
    int16_t largestOfRow() const { return largest(s.GAIKEI_HYOU[1].begin() + 1, s.GAIKEI_HYOU[1].begin() + 1 + s.HONSUU); }

    // The band's angle row for X: the dimension grows by twice the cell's exact value
    // and the angle shown is the cell rounded half to even.
    bool widen(int16_t &x, int r)
    {
        if (r == 0)
            return false;
        const double a = s.setting(r);
        x = CInt(2 * a + x);
        s.ANGURU_SUNPOU = CInt(a);
        return true;
    }
    int16_t twiceAngle() const { return CInt(2.0 * s.ANGURU_SUNPOU); }

    // The tiered height: m times the largest conduit of slot 1, plus every further
    // tier's largest conduit and one tier pitch, plus the angle above and below.
    void tieredHeight()
    {
        double tiers = 0;
        for (int t = 2; t <= s.DAN_BANGOU; ++t)
            tiers += s.SAIDAI_GAIKEI[t] + s.setting(row::TierPitch);
        const double m = s.setting(row::HeightFactor);
        if (s.ANGURU_MODE == 3)
            s.TAKASA = CInt(tiers + m * s.SAIDAI_GAIKEI[1]);
        else
            s.TAKASA = CInt(tiers + (m * s.SAIDAI_GAIKEI[1] + twiceAngle()));
    }

    void roundAll(std::initializer_list<int16_t *> dims)
    {
        for (int16_t *x : dims)
            *x = roundUpToUnit(*x, s.setting(row::Unit));
    }
};

// 水平左曲り / 水平右曲りPBOX: the conduits turn in the horizontal plane, so D = W.
class HorizontalBend : public Common
{
public:
    using Common::Common;
    bool compute() override
    {
        if (!trapped(kCommand2, [&] { widthAndDiameters(); }))
            return false;
        if (!trapped(kChouSei, [&] {
                s.ANGURU_SUNPOU = 0;
                widen(s.HABA, angleRow(s.HABA, s.ANGURU_MODE));
                tieredHeight();
            }))
            return false;
        if (!trapped(kSunpouChosei, [&] { roundAll({&s.HABA, &s.TAKASA}); }))
            return false;
        s.OKUYUKI = s.HABA;
        return true;
    }

private:
    void widthAndDiameters()
    {
        s.HABA = s.OKUYUKI = s.TAKASA = 0;
        const double p = s.setting(row::Pitch);
        const int tiers = s.DAN_BANGOU;
        if (s.isWeak() && tiers == 1) {
            s.HABA = weakWidth(1, p);
        } else if (s.isWeak() && tiers >= 2) {
            s.HABA = widestScannedTier(p);
        } else if (s.isPower() && tiers == 1) {
            s.HABA = powerWidth(1, p, kPowerSlots);
        } else if (s.isPower() && tiers >= 2) {
            for (int t = 1; t <= tiers; ++t)
                if (s.n(t) > 0) {
                    s.DAN_HABA[t] = powerWidth(t, p, kPowerSlots);
                    s.HABA = std::max(s.HABA, s.DAN_HABA[t]);
                }
        }
        const int refreshed = tiers >= 2 ? kScannedTiers : 1;
        for (int t = 1; t <= refreshed; ++t)
            s.SAIDAI_GAIKEI[t] = largestOfTier(t);
    }
};

// ストレートPBOX計算: the conduits run straight through; the depth follows from the
// largest conduit of all tiers and takes an angle band and a rounding of its own.
class Straight : public Common
{
public:
    using Common::Common;
    bool compute() override
    {
        return trapped(kCommand2, [&] { sizes(); }) && trapped(kChouSei, [&] { angles(); })
            && trapped(kSunpouChosei, [&] {
                   roundAll({&s.HABA, &s.TAKASA});
                   // The depth compares with its floor multiple made a whole number first.
                   s.OKUYUKI = roundUpToUnit(s.OKUYUKI, s.setting(row::Unit), true);
               });
    }

private:
    void sizes()
    {
        s.HABA = s.OKUYUKI = s.TAKASA = 0;
        const double p = s.setting(row::Pitch);
        if (s.DAN_BANGOU == 1) {
            s.HABA = weakWidth(1, p);
            s.SAIDAI_GAIKEI[1] = largestOfTier(1);
        } else if (s.DAN_BANGOU >= 2) {
            s.HABA = widestScannedTier(p);
            for (int t = 1; t <= kScannedTiers; ++t)
                s.SAIDAI_GAIKEI[t] = largestOfTier(t);
            // From here slot 1 holds the largest conduit of all tiers.
            s.SAIDAI_GAIKEI[1] = largest(s.SAIDAI_GAIKEI.begin() + 1, s.SAIDAI_GAIKEI.begin() + 1 + kScannedTiers);
        }
        s.OKUYUKI = CInt(s.setting(s.isPower() ? row::StraightPower : row::StraightWeak) * s.SAIDAI_GAIKEI[1]);
    }
    void angles()
    {
        s.ANGURU_SUNPOU = 0;
        widen(s.HABA, angleRow(s.HABA, s.ANGURU_MODE));
        // In 自動設定 the depth's angle replaces the width's; in 補強付 the width's stays.
        const int16_t widthAngle = s.ANGURU_SUNPOU;
        if (widen(s.OKUYUKI, angleRow(s.OKUYUKI, s.ANGURU_MODE, false)) && s.ANGURU_MODE == 2)
            s.ANGURU_SUNPOU = widthAngle;
        tieredHeight();
    }
};

// 立ち下げ: one row of conduits dropping out of the box; the angle is chosen from
// the larger of the width and the base height.
class Drop : public Common
{
public:
    using Common::Common;
    bool compute() override
    {
        double largestDiameter = 0, baseHeight = 0;
        if (!trapped(kCommand2, [&] {
                s.SAIDAI_GAIKEI[1] = largestOfRow();
                largestDiameter = s.SAIDAI_GAIKEI[1];
                baseHeight = height(largestDiameter, 0);
                s.TAKASA = int16_t(baseHeight);
                const double p = s.setting(row::Pitch);
                double w = 0;
                for (int i = 1; i <= s.HONSUU; ++i)
                    w = CInt(w + p + s.d(1, i));
                s.HABA = CInt(w + p);
            }))
            return false;
        const bool byWidth = baseHeight < s.HABA;
        const auto chooseByWidth = [&] {
            s.ANGURU_SUNPOU = 0;
            widen(s.HABA, angleRow(s.HABA, s.ANGURU_MODE));
        };
        const auto chooseByHeight = [&] {
            s.ANGURU_SUNPOU = 0;
            const int r = angleRow(int16_t(baseHeight), s.ANGURU_MODE);
            if (r != 0)
                s.ANGURU_SUNPOU = CInt(s.setting(r));
        };
        const bool angled = byWidth ? trapped(kChouSei, chooseByWidth) : trapped(kTakasaChousei, chooseByHeight);
        if (!angled)
            return false;
        if (!trapped(kCommand2, [&] {
                const bool withAngle = s.ANGURU_MODE == 1 || s.ANGURU_MODE == 2;
                // W carries the angle once on both paths.
                if (!byWidth && withAngle)
                    s.HABA = CInt(double(s.HABA) + twiceAngle());
                if (withAngle)
                    s.TAKASA = height(largestDiameter, twiceAngle());
            }))
            return false;
        if (!trapped(kSunpouChosei, [&] { roundAll({&s.HABA, &s.TAKASA}); }))
            return false;
        if (!trapped(kCommand2, [&] {
                s.OKUYUKI = s.TAKASA;
                s.sideValue = s.TAKASA - (s.setting(row::Pitch) + largestDiameter / 2 + s.ANGURU_SUNPOU);
            }))
            return false;
        return true;
    }

private:
    // Weak current: m times the largest conduit; power: k times it plus itself and one pitch.
    int16_t height(double largestDiameter, int16_t twoA) const
    {
        if (s.isWeak())
            return CInt(s.setting(row::HeightFactor) * largestDiameter + twoA);
        return CInt(s.setting(row::PowerBend) * largestDiameter + largestDiameter + s.setting(row::Pitch) + twoA);
    }
};

// 左ねじりPBOX計算 / 右ねじりPBOX計算: a row turns into a stack.
class Twist : public Common
{
public:
    using Common::Common;
    bool compute() override
    {
        if (s.isWeak()) {
            if (!trapped(kCommand2, [&] {
                    const double p = s.setting(row::Pitch);
                    s.HABA = CInt(p + runningSum(1, 1, p));
                }))
                return false;
            if (!trapped(kChouSei, [&] { angleAndDepth(); }) || !trapped(kSunpouChosei, [&] { roundAll({&s.HABA, &s.OKUYUKI}); }))
                return false;
            s.TAKASA = s.HABA;
        } else {
            if (!trapped(kCommand2, [&] { s.HABA = powerWidth(1, s.setting(row::Pitch), kMaxConduits); }))
                return false;
            if (!trapped(kChouSei, [&] { angleAndDepth(); }))
                return false;
            // The stack leaving the side face: every conduit with its pitch, one pitch more, the angle twice.
            if (!trapped(kCommand2, [&] {
                    const double p = s.setting(row::Pitch);
                    s.TAKASA = CInt((p + runningSum(1, 1, p)) + twiceAngle());
                }))
                return false;
            if (!trapped(kSunpouChosei, [&] { roundAll({&s.HABA, &s.OKUYUKI, &s.TAKASA}); }))
                return false;
        }
        return trapped(kCommand2, [&] {
            const double p = s.setting(row::Pitch);
            double sum = 0;
            for (int i = 1; i <= s.HONSUU; ++i)
                sum += p + s.d(1, i);
            const double first = s.HONSUU > 0 ? s.d(1, 1) : 0.0;
            // From the edge of the front face on the exit side to the centre of conduit 1.
            s.sideValue = s.HABA - ((s.ANGURU_SUNPOU + sum) - first / 2);
        });
    }

private:
    void angleAndDepth()
    {
        s.ANGURU_SUNPOU = 0;
        widen(s.HABA, angleRow(s.HABA, s.ANGURU_MODE));
        s.SAIDAI_GAIKEI[1] = largestOfRow();
        const double m = s.SAIDAI_GAIKEI[1];
        s.OKUYUKI = CInt(s.setting(row::Pitch) + ((s.setting(row::PowerBend) * m + m) + twiceAngle()));
    }
};

} // namespace

std::unique_ptr<Calculation> makeCalculation(Geometry g, State &s)
{
    switch (g) {
    case Geometry::HorizontalBend:
        return std::make_unique<HorizontalBend>(s);
    case Geometry::Straight:
        return std::make_unique<Straight>(s);
    case Geometry::Drop:
        return std::make_unique<Drop>(s);
    case Geometry::Twist:
        return std::make_unique<Twist>(s);
    }
    return nullptr;
}

} // namespace kb::pullbox
