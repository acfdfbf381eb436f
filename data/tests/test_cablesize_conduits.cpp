// The conduit cells of the default CABLE-SIZE wire-and-conduit rows against the
// conduit window's own rule on the default CABLE-PIPE: a feeder calculator must
// name the conduit the conduit calculator would give for the same wires, and the
// motor rows must hold every pair of size and earth that a motor reaches.

#include "fakedialogs.h"
#include "form1model.h"
#include "numtext.h"
#include "refdata.h"
#include "testenv.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace kb;
namespace cs = kb::cablesize;

namespace {

const TextTable &cableSize()
{
    static const TextTable t = test::readDataText("CABLE-SIZE.txt", db::CableSize);
    return t;
}

const TextTable &cablePipe()
{
    static const TextTable t = test::readDataText("CABLE-PIPE.txt", db::CablePipe);
    return t;
}

// What the conduit cells say when no single conduit of the kind holds the wires.
const QString kNone = QStringLiteral("なし");

struct Cables
{
    QString name;
    int count;
};

// The IV wire of an earth size: 2 mm² is the 1.6 mm wire.
QString earthWire(const QString &earth)
{
    return earth == QLatin1String("2") ? QStringLiteral("IV1.6") : QStringLiteral("IV") + earth;
}

// The cables of a wire size key: "22X3" three IV22, "1.6X2" two IV1.6, "CV22-3C" one cable,
// a package's bare "22" three IV22; `sets` circuits of them.
Cables wireCables(const QString &key, int sets = 1)
{
    static const QRegularExpression ivName(QStringLiteral("^([0-9.]+)X([23])$"));
    if (key.startsWith(QLatin1String("CV")))
        return {key, sets};
    const auto m = ivName.match(key);
    if (m.hasMatch())
        return {QStringLiteral("IV") + m.captured(1), m.captured(2).toInt() * sets};
    return {QStringLiteral("IV") + key, 3 * sets};
}

// The conduit window on these cables, earth first, in one conduit type: the number in the
// chosen size's name ("C(25)" gives "25"), or kNone when they need more than one conduit.
QString conduitWindow(const QList<Cables> &cables, const QString &type)
{
    ScopedFakeDialogs dialogs;
    Form1Model m;
    m.CABLE_DATA = cablePipe();
    m.settings.load(m.CABLE_DATA);
    int count = 0;
    for (const Cables &c : cables) {
        m.Combo3 = c.name;
        m.Combo5 = Str(c.count);
        m.Command1_Click();
        count += c.count;
    }
    if (m.TOROKU_SUU != count) // a name that is no cable row
        return QStringLiteral("(not registered: ") + dialogs.fake.messages.join(' ') + u')';
    m.Combo1 = type;
    m.Command4_Click();
    m.SAIZU_NO = 0;
    m.Command2_Click();
    if (m.SAIZU_NO == 0)
        return kNone;
    static const QRegularExpression inner(QStringLiteral("\\(([0-9]+)\\)"));
    return inner.match(m.SAIZU_MEI[m.SAIZU_NO]).captured(1);
}

// Thin steel, thick steel and flexible (type-2 flexible metal conduit) for the cables.
QStringList conduits(const QList<Cables> &cables)
{
    return {conduitWindow(cables, QStringLiteral("C")), conduitWindow(cables, QStringLiteral("G")),
            conduitWindow(cables, QStringLiteral("PRI"))};
}

QStringList cells(int row, int first, int last)
{
    QStringList out;
    for (int c = first; c <= last; ++c)
        out << cableSize().at(c, row);
    return out;
}

// The row as the data text writes it, for pasting a mended row.
std::string rowText(int row, const QStringList &primary, const QStringList &secondary)
{
    QStringList out = cells(row, 1, 2) + primary;
    if (!secondary.isEmpty())
        out << QString() << QString() << cableSize().at(8, row) << secondary;
    return out.join(QStringLiteral(" | ")).toStdString();
}

} // namespace

TEST(CableSizeConduits, EveryCellIsWhatTheConduitWindowGives)
{
    // Three-core rows (packages and motors), then the lamp's two-core rows.
    const std::pair<int, int> blocks[] = {{cs::WireConduit3First, cs::WireConduit3Last}, {cs::WireConduit2First, cs::WireConduit2Last}};
    int checked = 0;
    for (const auto &[first, last] : blocks)
        for (int r = first; r <= last; ++r) {
            const QString wire = cableSize().at(1, r);
            if (wire.isEmpty())
                continue;
            ++checked;
            const Cables earth{earthWire(cableSize().at(2, r)), 1};
            const QStringList primary = conduits({earth, wireCables(wire)});
            QStringList secondary;
            const QString starDelta = cableSize().at(8, r);
            if (!starDelta.isEmpty())
                secondary = conduits({earth, wireCables(starDelta, 2)}); // two three-wire circuits to the motor
            EXPECT_TRUE(cells(r, 3, 5) == primary && (secondary.isEmpty() || cells(r, 9, 11) == secondary))
                << "row " << r << " should read: " << rowText(r, primary, secondary);
        }
    EXPECT_GT(checked, 60);
}

TEST(CableSizeConduits, HandWorkedPairs)
{
    // Three IV22 and an IV5.5 earth: 3 x 66 + 1.2 x 20 = 222 mm² against 32 % of the inner
    // section, C(31) 205 mm² and C(39) 306 mm².
    EXPECT_EQ(conduitWindow({{QStringLiteral("IV5.5"), 1}, {QStringLiteral("IV22"), 3}}, QStringLiteral("C")), "39");
    // One CV100-3C (1257 mm²) and an IV22 earth (66 mm²): C(75) holds 1309 mm², so no thin-steel
    // conduit does; G(82) holds 1701 mm².
    EXPECT_EQ(conduitWindow({{QStringLiteral("IV22"), 1}, {QStringLiteral("CV100-3C"), 1}}, QStringLiteral("C")), kNone);
    EXPECT_EQ(conduitWindow({{QStringLiteral("IV22"), 1}, {QStringLiteral("CV100-3C"), 1}}, QStringLiteral("G")), "82");
}
