// The default CABLE-SIZE rows of the feeder calculators, run through the
// calculations themselves: every motor of the capacity list in either class,
// wire type and laying, and every package unit with every largest motor,
// calculates without a box.

#include "form11model.h"
#include "form7model.h"
#include "feedertest.h"

using namespace kb;
using namespace kb::feeder;
using kb::feedertest::defaultCableSize;


TEST(FeederDefaults, EveryMotorOfTheListCalculatesWithoutABox)
{
    const TextTable dd = defaultCableSize();
    for (const char *voltage : {"200V級", "400V級"})
        for (int r = 11; r <= 27; ++r)
            for (const char *wire : {"IV", "CV-3C"})
                for (const char *laying : {"C", "G", "RACK"})
                    for (const char *start : {"直入れ", "ｽﾀｰﾃﾞﾙﾀ"}) {
                        const QString output = dd.at(1, r);
                        const double kw = output.toDouble();
                        if ((voltage[0] == '2' && kw > 37) || (kw < 5.5 && start[0] != "直"[0]))
                            continue; // the class limits refuse these
                        test::TestFolder folder;
                        Form7Model m;
                        m.DD = dd;
                        m.readSettings();
                        m.DENSEN_SHUBETU = QString::fromUtf8(wire);
                        m.FUSETU_HOUHOU = QString::fromUtf8(laying);
                        m.Combo1 = output;
                        m.Combo2 = QString::fromUtf8(voltage);
                        m.Combo3 = QString::fromUtf8(start);
                        m.Text2 = QStringLiteral("1");
                        m.Command1_Click();
                        // Published sizes may be under the window's own allowable-current
                        // margin (the data tests list which); no other box may show.
                        for (const QString &box : folder.messages())
                            EXPECT_TRUE(box == QStringLiteral("電線が配管時の許容電流を超えています。サイズを上げるかラック配線にして下さい。")
                                        || box == QStringLiteral("電線が許容電流を超えています。サイズを上て下さい。"))
                                << voltage << " " << output.toStdString() << " kW " << wire << " " << laying << " " << start
                                << ": " << box.toStdString();
                        EXPECT_FALSE(m.MSFlexGrid1.textMatrix(1, 12).isEmpty()) << output.toStdString();
                        if (QByteArray(laying) != "RACK")
                            EXPECT_FALSE(m.Label7.isEmpty()) << output.toStdString();
                    }
}

TEST(FeederDefaults, MotorSettingsRowGivesADesignWindow)
{
    Form7Model m;
    m.DD = defaultCableSize();
    m.readSettings();
    EXPECT_EQ(m.KEISAN_MODE, "SEKKEI");
    EXPECT_EQ(m.DENGEN_SHUBETU, "TODEN");
    EXPECT_FALSE(m.DENSEN_SHUBETU.isEmpty());
    EXPECT_FALSE(m.FUSETU_HOUHOU.isEmpty());
    EXPECT_FALSE(m.KONDENSA_HYOJI.isEmpty());
}

TEST(FeederDefaults, EveryPackageUnitCalculatesWithoutABox)
{
    const TextTable dd = defaultCableSize();
    const char *motors[] = {"2.2", "3.7", "5.5", "7.5", "11", "15", "19", "22", "30", "37"};
    int units = 0;
    for (int g = 121; g <= 145; ++g) {
        const QString unit = dd.at(1, g);
        if (unit.isEmpty())
            continue;
        ++units;
        EXPECT_TRUE(dd.at(1, g + 1).isEmpty()) << "row " << g + 1 << " is the switch row of " << unit.toStdString();
        for (const char *largest : motors)
            for (int cooling : {0, 1})
                for (int start : {0, 1})
                    for (int kind : {0, 1})
                        for (const char *laying : {"C", "G"}) {
                            if (cooling == 0 && QString::fromUtf8(largest).toDouble() > unit.toDouble())
                                continue; // refused: larger than the unit
                            if (cooling == 1 && start == 0 && QByteArray(largest) == "37")
                                continue; // a water-cooled unit has no class-14 column
                            test::TestFolder folder;
                            Form11Model m;
                            m.DD = dd;
                            m.Combo1 = unit;
                            m.Combo2 = QString::fromUtf8(largest);
                            m.Option1 = cooling;
                            m.Option2 = kind;
                            m.Option3 = start;
                            m.FUSETU_HOUHOU = QString::fromUtf8(laying);
                            m.Text2 = QStringLiteral("1");
                            m.Command1_Click();
                            EXPECT_TRUE(folder.messages().isEmpty())
                                << unit.toStdString() << " kW, largest " << largest << ", cooling " << cooling << ", start "
                                << start << ", kind " << kind << ": " << folder.messages().join('\n').toStdString();
                            EXPECT_EQ(m.Label5.right(2), "AF");
                            EXPECT_GT(m.Label5.size(), 2);
                        }
    }
    EXPECT_EQ(units, 10);
}
