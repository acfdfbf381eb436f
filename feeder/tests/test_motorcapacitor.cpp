// The motor window's capacitor wire and capacitor (Label12, Label13), which the grid row does
// not hold, belong to the motor whose figures the boxes show: after a データ読込み of a row, and
// after a 計算 that follows it. On the default CABLE-SIZE rows (utility supply, 50 Hz, design
// mode, IV in conduit, kVar): 200 V 22 kW has IV5.5 and 7.54 kVar, 7.5 kW IV1.6 and 2.51 kVar.

#include "form7model.h"
#include "feedertest.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace kb;
using namespace kb::feeder;

namespace {

void calculate(Form7Model &m, const QString &kW)
{
    m.Combo1 = kW;
    m.Command1_Click();
}

void readBack(Form7Model &m, int row)
{
    m.MSFlexGrid1.setRow(row);
    m.MSFlexGrid1_Click();
    m.Command5_Click();
}

// Row 1: 22 kW; row 2: 7.5 kW, which the window shows when the sequence reads row 1 back.
void twoMotors(Form7Model &m)
{
    calculate(m, QStringLiteral("22"));
    m.Command2_Click();
    calculate(m, QStringLiteral("7.5"));
}

// Row 1: 22 kW on a private supply; row 2: 7.5 kW on the utility supply; row 1 read back.
void privateRowReadBack(Form7Model &m)
{
    m.IDM_JIKAYO_Click();
    calculate(m, QStringLiteral("22"));
    m.Command2_Click();
    m.IDM_TOKYO_Click();
    calculate(m, QStringLiteral("7.5"));
    readBack(m, 1);
}

struct Case
{
    const char *what;
    std::function<void(Form7Model &)> sequence;
    QStringList shown; // capacity, rated current, Label12, Label13
    QStringList boxes;
};

} // namespace

TEST(MotorCapacitor, BelongsToTheMotorWhoseFiguresTheBoxesShow)
{
    const std::vector<Case> cases = {
        {"first calculations", [](Form7Model &m) { calculate(m, QStringLiteral("22")); },
         {"22", "93", "IV5.5", "7.54kVar"}, {}},
        {"a utility row read back", [](Form7Model &m) {
             twoMotors(m);
             ASSERT_EQ((QStringList{m.Label12, m.Label13}), QStringList({"IV1.6", "2.51kVar"}));
             readBack(m, 1);
         },
         {"22", "93", "IV5.5", "7.54kVar"}, {}},
        {"a 計算 after a changed length of the row read back", [](Form7Model &m) {
             twoMotors(m);
             readBack(m, 1);
             m.Text1 = QStringLiteral("60");
             m.Command1_Click();
             ASSERT_EQ(m.Label1, "電線のサイズ又は長さの変更計算をしました。");
             ASSERT_EQ(m.MSFlexGrid1.textMatrix(1, 20), "60");
         },
         {"22", "93", "IV5.5", "7.54kVar"}, {}},
        {"a utility row read back at the window's 60 Hz and μF", [](Form7Model &m) {
             twoMotors(m);
             m.IDM_ROKUJU_Click();
             m.IDM_MICRO_Click();
             readBack(m, 1);
         },
         {"22", "93", "IV5.5", "500μF"}, {}},
        {"a private row read back", privateRowReadBack, {"22", "93", "", ""}, {}},
        {"a 計算 after the private row read back", [](Form7Model &m) {
             privateRowReadBack(m);
             m.Text1 = QStringLiteral("60");
             m.Command1_Click();
             ASSERT_EQ(m.MSFlexGrid1.textMatrix(1, 2), "自家用");
         },
         {"22", "93", "", ""}, {}},
        {"a row whose output has no design row", [](Form7Model &m) {
             twoMotors(m);
             m.MSFlexGrid1.setTextMatrix(1, 6, QStringLiteral("23kW"));
             readBack(m, 1);
         },
         {"23", "93", "", ""}, {}},
        // Another output is another motor, calculated afresh: a private one shows no capacitor
        // of the motor before.
        {"a private motor after a utility one", [](Form7Model &m) {
             calculate(m, QStringLiteral("22"));
             m.IDM_JIKAYO_Click();
             calculate(m, QStringLiteral("7.5"));
         },
         {"7.5", "34", "", ""}, {}},
    };
    for (const Case &c : cases) {
        test::TestFolder folder;
        Form7Model m;
        m.DD = feedertest::defaultCableSize();
        m.layOutGrid();
        m.setDefaults();
        c.sequence(m);
        EXPECT_EQ((QStringList{m.Combo1, m.Text4, m.Label12, m.Label13}), c.shown) << c.what;
        EXPECT_EQ(folder.messages(), c.boxes) << c.what;
    }
}

// A supply, frequency or unit menu reaches the labels at the next 計算 that writes the row, a
// recalculation included: after each step they are what データ読込み of the row shows. The step
// changes the length, or nothing at all, so that each 計算 recalculates the motor of row 1.
TEST(MotorCapacitor, FollowsEverySettingIntoTheRowThatACalculationWrites)
{
    struct Step
    {
        const char *what;
        std::function<void(Form7Model &)> settings;
        const char *length; // null: unchanged
        QString supply;     // the row's supply column
        QStringList labels; // Label12, Label13
    };
    const QString utility = QStringLiteral("東京電力"), own = QStringLiteral("自家用");
    const Step steps[] = {
        {"60 Hz", [](Form7Model &m) { m.IDM_ROKUJU_Click(); }, "40", utility, {"IV1.6", "2.49kVar"}},
        {"private supply", [](Form7Model &m) { m.IDM_JIKAYO_Click(); }, "45", own, {"", ""}},
        {"utility supply and μF", [](Form7Model &m) {
             m.IDM_TOKYO_Click();
             m.IDM_MICRO_Click();
         },
         "50", utility, {"IV1.6", "165μF"}},
        {"50 Hz, nothing edited", [](Form7Model &m) { m.IDM_GOJU_Click(); }, nullptr, utility, {"IV1.6", "200μF"}},
        {"kVar, nothing edited", [](Form7Model &m) { m.IDM_KVAR_Click(); }, nullptr, utility, {"IV1.6", "2.51kVar"}},
        {"private supply, nothing edited", [](Form7Model &m) { m.IDM_JIKAYO_Click(); }, nullptr, own, {"", ""}},
    };
    test::TestFolder folder;
    Form7Model m;
    m.DD = feedertest::defaultCableSize();
    m.layOutGrid();
    m.setDefaults();
    calculate(m, QStringLiteral("7.5"));
    ASSERT_EQ((QStringList{m.Label12, m.Label13}), QStringList({"IV1.6", "2.51kVar"}));
    for (const Step &s : steps) {
        SCOPED_TRACE(s.what);
        s.settings(m);
        if (s.length)
            m.Text1 = QString::fromLatin1(s.length);
        m.Command1_Click();
        EXPECT_EQ(m.MSFlexGrid1.textMatrix(1, 2), s.supply);
        EXPECT_EQ((QStringList{m.Label12, m.Label13}), s.labels);
        readBack(m, 1);
        EXPECT_EQ((QStringList{m.Label12, m.Label13}), s.labels) << "データ読込み";
    }
    EXPECT_EQ(folder.messages(), QStringList());
}
