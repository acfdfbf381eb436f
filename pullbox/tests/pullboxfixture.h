#pragma once

// Settings rows and registrations made by hand for the pull-box tests. The
// values are the ones the worked examples use; they are chosen for the tests,
// the real ones come from CABLE-PIPE.

#include "cellfile.h"
#include "numtext.h"
#include "pullboxcalc.h"
#include "refdata.h"

#include <QMap>

#include <initializer_list>
#include <map>

namespace kb::pullbox::test {

// Row -> text of the value column.
using SettingsCells = std::map<int, QString>;

inline SettingsCells exampleSettings()
{
    return {{row::Pitch, "30"},         {row::PowerBend, "4"},     {row::Angle1, "40"},       {row::Angle2, "50"},
            {row::Angle3, "65"},        {row::Angle4, "75"},       {row::Unit, "50"},         {row::HeightFactor, "3"},
            {row::StraightPower, "5"},  {row::TierPitch, "30"},    {row::StraightWeak, "3"}};
}

inline State makeState(const QString &power, int angleMode, const SettingsCells &cells = exampleSettings())
{
    State s;
    s.CABLE_DATA = emptyTable(db::CablePipe);
    for (const auto &[r, text] : cells)
        s.CABLE_DATA.set(1, r, text);
    s.SUNPOU_MODE = 1;
    s.DENGEN_KUBUN = power;
    s.ANGURU_MODE = int16_t(angleMode);
    s.DAN_BANGOU = 1;
    return s;
}

// Registers the diameters of tier t and makes it the current tier.
inline void tier(State &s, int t, std::initializer_list<int> diameters)
{
    int j = 0;
    for (int d : diameters)
        s.GAIKEI_HYOU[t][++j] = int16_t(d);
    s.DAN_HONSUU[t] = int16_t(j);
    s.DAN_BANGOU = int16_t(t);
    s.HONSUU = int16_t(j);
}

// CABLE-PIPE with the settings rows: the example values in all three mode columns,
// mode 標準, weak current and the automatic angle at load, and a label for every row.
struct Database
{
    QMap<qint64, QString> cells;
    Database()
    {
        for (const auto &[r, text] : exampleSettings())
            for (int c = 1; c <= 3; ++c)
                set(r, c, text);
        set(row::Mode, 1, QStringLiteral("ON"));
        set(row::AngleMode, 1, QStringLiteral("1"));
        set(row::PowerKind, 1, QStringLiteral("OFF"));
        for (int r = row::Heading; r <= row::Last; ++r)
            set(r, 4, QStringLiteral("項目") + Str(r));
    }
    void set(int r, int c, const QString &text) { cells[qint64(r - 1) * 5 + c] = text; }
    void write(const QString &path) const { writeRecordsAt(path, cells); }
};

struct Dims
{
    int W, D, H, angle;
    bool operator==(const Dims &o) const { return W == o.W && D == o.D && H == o.H && angle == o.angle; }
};

inline Dims dims(const State &s) { return {s.HABA, s.OKUYUKI, s.TAKASA, s.ANGURU_SUNPOU}; }

inline std::ostream &operator<<(std::ostream &os, const Dims &d)
{
    return os << "W=" << d.W << " D=" << d.D << " H=" << d.H << " angle=" << d.angle;
}

} // namespace kb::pullbox::test
