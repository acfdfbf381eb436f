// What a later 計算 makes of the boxes a user edited, or of a row read back, in
// the motor, lamp and package windows: each case makes a first calculation,
// edits, reads rows back and presses, then checks the boxes and the written row
// against the figures worked out again from the row's own size, length and
// current (the package's from its own unit in a fresh window).

#include "form11model.h"
#include "form12model.h"
#include "form7model.h"
#include "feedertest.h"
#include "numtext.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace kb;
using namespace kb::feeder;
using namespace kb::feedertest;

namespace {

// Row 5: lamp power factors and breaker factor; row 31: a 5.5 kW motor of 26 A
// on 17 m of CV3.5-3C; row 121: a 7.5 kW package on 30 m of IV5.5, and its
// conduit (row 151); the IV sizes up to 60 mm² and the motor's CV size (rack 32 A).
const QByteArray kRows = QByteArray(R"(
@row 5
0.9 | 0.85 | 1.5
@row 31
5.5 | 26 | 5.5X3 | 20 | CV3.5-3C | 17 | 5.5 | 50 | 50 | | 5.5 | 2.0 | 100 | 2 | 75 | 1.5 | 2.0 | 2.0 | 40
@row 121
7.5 | 0.4 | 5.5 | 30 | 30 | 40 | 50 | 60 | 75 | 100 | 125 | 150 | 175 | 200
@row 151
5.5 | 3.5 | 25 | 22 | 24
)") + kIvRows + R"(38X3 | 113 | 113 | 38X2 | 113 | 113
60X3 | 152 | 152 | 60X2 | 152 | 152
@row 272
CV3.5-3C | 26 | 32 | CV3.5-2C | 30 | 37
)";

const QString kCurrentPrompt = QStringLiteral("必須条件３箇所,定格電流,電線長さを入力してください。");
const QString kOneChange = QStringLiteral("変更は１回につき１箇所です。");
const QString kOversize = QStringLiteral("サイズをオーバーしました、325m㎡以下にして下さい。");
const QString kLampWarning = QStringLiteral("合計の電圧降下率が５％以上ではランプが点灯しない場合があります。");

// The whole mm² a size name stands for ("CV3.5-3C" 4, "38X2" 38).
double sectionOf(QString name)
{
    if (name.startsWith(QLatin1String("CV")))
        name = name.mid(2);
    const qsizetype end = name.indexOf(QRegularExpression(QStringLiteral("[X-]")));
    return std::nearbyint(name.left(end).toDouble());
}

double cell(const QStringList &row, int column)
{
    return Val(row.at(column - 1));
}

// The windows a case may open.
struct Windows
{
    Form7Model motor;
    Form11Model package;
    Form12Model lamp;
};

// One window under test: its 計算, the boxes a case may edit, and its figures
// (size, length, current, drop, rate …) as the boxes show them and as the row of
// its data number holds them.
struct Window
{
    std::function<void()> press;
    QHash<QString, QString *> editable;
    QList<const QString *> figureBoxes;
    GridModel *grid;
    QList<int> figureColumns;
    // The figures worked out again from the row's own size, length, current and voltage.
    std::function<QStringList(const QStringList &row)> recompute;
    // The allowable current of a size, and the column of the current it must carry; none for the motor.
    std::function<double(const QString &size)> allowable;
    int currentColumn = 0;
    QString *dataNo = nullptr;
    // データ読込み of the grid's current row.
    std::function<void()> reload;

    QStringList row() const { return gridRow(*grid, CInt(Val(*dataNo)), grid->cols() - 2); }
    QStringList boxFigures() const
    {
        QStringList out;
        for (const QString *box : figureBoxes)
            out << *box;
        return out;
    }
    QStringList rowFigures() const
    {
        QStringList out;
        for (int c : figureColumns)
            out << row().at(c - 1);
        return out;
    }
};

// A 5.5 kW motor of the 200 V class, CV-3C on a cable rack, design mode.
Window motor(Windows &windows)
{
    Form7Model &m = windows.motor;
    m.layOutGrid();
    m.DD = table(kRows);
    m.DENGEN_SHUBETU = "TODEN";
    m.SHUHASU = "60";
    m.KEISAN_MODE = "SEKKEI";
    m.DENSEN_SHUBETU = "CV-3C";
    m.FUSETU_HOUHOU = "RACK";
    m.Combo1 = "5.5";
    m.Combo2 = "200V級";
    m.Combo3 = "直入れ";
    m.Text2 = "1";
    return {[&m] { m.Command1_Click(); },
            {{"Combo4", &m.Combo4}, {"Text1", &m.Text1}, {"Text4", &m.Text4}, {"Combo5", &m.Combo5},
             {"Combo6", &m.Combo6}},
            {&m.Combo4, &m.Text1, &m.Text4, &m.Combo5, &m.Combo6, &m.Label9},
            &m.MSFlexGrid1,
            {11, 20, 10, 12, 13, 7},
            [](const QStringList &r) {
                const double A = sectionOf(r.at(10)), L = cell(r, 20), I = cell(r, 10), V = cell(r, 3), P = cell(r, 6);
                const double drop = std::nearbyint((L / 100 * 30.8) * (I / A) * 100 / 10) / 100;
                const double rate = std::nearbyint(drop * 10000 / V) / 100;
                const double pf = std::nearbyint(P * 100000 / (I * (V * 1.73205))) / 100;
                return QStringList({r.at(10), r.at(19), r.at(9), Str(drop), Str(rate), QStringLiteral("CosΘ=") + Str(pf)});
            },
            {}, 0, &m.Text2, [&m] { m.MSFlexGrid1_Click(); m.Command5_Click(); }};
}

// A lamp circuit, IV in thin-steel conduit: `count` lamps of `watts` W with the
// starting `ratio`, at V1 / V2 on L1 and L2 m of primary and secondary.
Window lamp(Form12Model &m, const char *watts, const char *count, const char *ratio, const char *v1, const char *v2,
            const char *l1, const char *l2)
{
    m.setDefaults();
    m.DD = table(kRows);
    m.DENSEN_SHUBETU = "IV";
    m.FUSETU_HOUHOU = "C";
    m.Combo2 = watts;
    m.Combo3 = count;
    m.Combo1 = ratio;
    m.Combo4 = v1;
    m.Combo5 = v2;
    m.Text1 = l1;
    m.Text4 = l2;
    m.Text2 = "1";
    return {[&m] { m.Command1_Click(); },
            {{"Text12", &m.Text12}, {"Text13", &m.Text13}, {"Text14", &m.Text14}, {"Text15", &m.Text15}, {"Text1", &m.Text1}},
            {&m.Label28, &m.Text1, &m.Label19, &m.Text12, &m.Text13},
            &m.MSFlexGrid1,
            {19, 10, 12, 14, 15},
            [](const QStringList &r) {
                const double A = sectionOf(r.at(18)), L = cell(r, 10), I = cell(r, 12), V = cell(r, 7);
                const double drop = std::nearbyint(L * 35.6 / 100 * I / A) / 10;
                const double rate = std::nearbyint(drop * 1000 / V) / 10;
                return QStringList({r.at(18), r.at(9), r.at(11), Str(drop), Str(rate)});
            },
            [&m](const QString &size) {
                for (int r = 251; r <= 270; ++r)
                    if (m.DD.at(4, r) == size)
                        return Val(m.DD.at(5, r));
                return 0.0;
            },
            12, &m.Text2, [&m] { m.MSFlexGrid1_Click(); m.Command5_Click(); }};
}

// 10 lamps of 400 W, ratio 2: 44 A starting current, carried by 14X2 over 20 m.
Window lamps400(Windows &w)
{
    return lamp(w.lamp, "400", "10", "2", "200", "130", "20", "20");
}

// The same lamps on 100 m of primary: 14X2 drops 11.2 V (5.6 %).
Window lamps400far(Windows &w)
{
    return lamp(w.lamp, "400", "10", "2", "200", "130", "100", "20");
}

// The same lamps at 100 V: 88 A starting current, 38X2, 1.6 V and 1.6 %.
Window lamps400at100(Windows &w)
{
    return lamp(w.lamp, "400", "10", "2", "100", "130", "20", "20");
}

// 12 lamps of 660 W, ratio 1.2, 105 V / 120 V: 84 A stable, 101 A starting, 38X2 over 13 m.
Window lamps660(Windows &w)
{
    return lamp(w.lamp, "660", "12", "1.2", "105", "120", "13", "11");
}

// A package window on the table: the unit, its largest motor and the options, written to row 1.
void setUnit(Form11Model &m, const QString &unit, const QString &largest, int cooling, int start, int kind)
{
    m.DD = table(kRows);
    m.Text2 = QStringLiteral("1");
    m.Combo1 = unit;
    m.Combo2 = largest;
    m.Option1 = cooling;
    m.Option3 = start;
    m.Option2 = kind;
}

// The package's figures of a unit, largest motor and options, as a window of its own calculates them.
QStringList packageFigures(const QString &unit, const QString &largest, int cooling, int start, int kind)
{
    Form11Model fresh;
    setUnit(fresh, unit, largest, cooling, start, kind);
    fresh.Command1_Click();
    return {fresh.Text5, fresh.Text1, fresh.Label5, fresh.Label7, fresh.Label6, fresh.Label8};
}

// A 7.5 kW air-cooled package whose largest motor is 3.7 kW, direct-on-line, with a breaker.
Window package(Windows &windows)
{
    Form11Model &m = windows.package;
    m.setDefaults();
    setUnit(m, "7.5", "3.7", 0, 0, 0);
    return {[&m] { m.Command1_Click(); },
            {},
            {&m.Text5, &m.Text1, &m.Label5, &m.Label7, &m.Label6, &m.Label8},
            &m.MSFlexGrid1,
            {7, 8, 9, 11, 12, 13},
            [](const QStringList &r) {
                return packageFigures(r.at(2), r.at(4), r.at(1) == QStringLiteral("水冷式"),
                                      r.at(5) == QStringLiteral("始動器"), r.at(8).isEmpty());
            },
            {}, 0, &m.Text2, [&m] { m.MSFlexGrid1_Click(); m.Command5_Click(); }};
}

// A box typed into before a press; the box データ読込み reads back the grid row its text names.
struct Edit
{
    const char *box, *text;
};
const char *const kReload = "データ読込み";

// How the last press ends: with a written row, or refused, the typed texts
// left in their boxes or the boxes showing the row again.
enum class Ending { Written, RefusedTyped, RefusedShowsRow };

struct Case
{
    const char *name;
    Window (*open)(Windows &);
    std::vector<std::vector<Edit>> presses;
    QStringList boxes;
    Ending ending;
    const char *size;
    // The data number the first calculation writes, and every later one.
    int dataNo = 1;
};

} // namespace

TEST(EditedResults, LaterPressesWriteRowsTrueToTheirSizeLengthAndCurrent)
{
    const Case cases[] = {
        {"motor: the current alone gives the drop, rate and power factor of the row's size and length", motor,
         {{{"Text4", "20"}}}, {}, Ending::Written, "CV3.5-3C"},
        {"motor: a current after a length edit works on the new length", motor,
         {{{"Text1", "30"}}, {{"Text4", "20"}}}, {}, Ending::Written, "CV3.5-3C"},
        {"motor: a current the output cannot draw below a power factor of 1 shows the row again", motor,
         {{{"Text4", "10"}}}, {kCurrentPrompt}, Ending::RefusedShowsRow, "CV3.5-3C"},
        {"motor: no current", motor, {{{"Text4", "0"}}}, {kCurrentPrompt}, Ending::RefusedShowsRow, "CV3.5-3C"},
        {"motor: after a refused current one edited length counts as one edit", motor,
         {{{"Text4", "10"}}, {{"Text1", "30"}}}, {kCurrentPrompt}, Ending::Written, "CV3.5-3C"},
        {"motor: the current and the length together", motor, {{{"Text4", "20"}, {"Text1", "30"}}}, {kOneChange},
         Ending::RefusedTyped, "CV3.5-3C"},
        {"lamp: primary drop and rate together", lamps400, {{{"Text12", "1"}}, {{"Text12", "0.3"}, {"Text13", "0.1"}}},
         {kOneChange}, Ending::RefusedTyped, "38X2"},
        {"lamp: a primary and a secondary box together", lamps400, {{{"Text12", "1"}, {"Text15", "1"}}}, {kOneChange},
         Ending::RefusedTyped, "14X2"},
        {"lamp: a drop above the ladder shows the row again", lamps400, {{{"Text12", "1"}}, {{"Text12", "0.05"}}},
         {kOversize}, Ending::RefusedShowsRow, "38X2"},
        {"lamp: after a refused drop one edited rate counts as one edit", lamps400,
         {{{"Text12", "1"}}, {{"Text12", "0.3"}}, {{"Text12", "0.05"}}, {{"Text13", "0.5"}}}, {kOversize},
         Ending::Written, "38X2"},
        {"lamp: a larger drop keeps the wire that carries the starting current", lamps400, {{{"Text12", "5"}}}, {},
         Ending::Written, "14X2"},
        {"lamp: a drop of 1 then 3 on 101 A", lamps660, {{{"Text12", "1"}}, {{"Text12", "3"}}}, {}, Ending::Written,
         "38X2"},
        {"lamp: a rate that asks for a wire below the current's", lamps660, {{{"Text13", "3"}}}, {}, Ending::Written,
         "38X2"},
        {"lamp: a drop edited after データ読込み works on the row read back", lamps400far,
         {{{"Text12", "3"}}, {{kReload, "1"}, {"Text12", "5"}}}, {kLampWarning}, Ending::Written, "38X2"},
        {"lamp: a press after データ読込み keeps the size the row holds", lamps400far,
         {{{"Text12", "3"}}, {{kReload, "1"}}}, {kLampWarning}, Ending::Written, "60X2"},
        {"lamp: a length changed after データ読込み calculates afresh", lamps400far,
         {{{"Text12", "3"}}, {{kReload, "1"}, {"Text1", "50"}}}, {kLampWarning}, Ending::Written, "14X2"},
        {"lamp: a row below row 30 read back is written again", lamps400, {{{kReload, "40"}}}, {},
         Ending::Written, "14X2", 40},
        {"package: a row below row 30 read back is written again", package, {{{kReload, "40"}}}, {}, Ending::Written,
         "IV5.5", 40},
        {"lamp: a rate that comes to 0 V shows the row again", lamps400at100, {{{"Text13", "0.5"}}}, {kOversize},
         Ending::RefusedShowsRow, "38X2"},
        {"lamp: after a drop of 0 V one edited rate counts as one edit", lamps400at100,
         {{{"Text12", "0"}}, {{"Text13", "2"}}}, {kOversize}, Ending::Written, "38X2"},
        {"lamp: a drop that is no figure shows the row again", lamps400, {{{"Text12", "3V"}}}, {kOversize},
         Ending::RefusedShowsRow, "14X2"},
        {"lamp: a drop whose section passes every size shows the row again", lamps400, {{{"Text13", "0.0001"}}},
         {kOversize}, Ending::RefusedShowsRow, "14X2"},
        {"motor: a drop that is no figure shows the row again", motor, {{{"Combo5", "1,000"}}}, {kOversize},
         Ending::RefusedShowsRow, "CV3.5-3C"},
        {"motor: a rate that comes to 0 V shows the row again", motor, {{{"Combo6", "0.2"}}}, {kOversize},
         Ending::RefusedShowsRow, "CV3.5-3C"},
        {"motor: after a drop whose section passes every size one edited length counts as one edit", motor,
         {{{"Combo5", "0.01"}}, {{"Text1", "30"}}}, {kOversize}, Ending::Written, "CV3.5-3C"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        test::TestFolder folder;
        Windows windows;
        const Window w = c.open(windows);
        *w.dataNo = Str(c.dataNo);
        w.press();
        ASSERT_EQ(w.rowFigures(), w.boxFigures());

        QStringList before;
        for (const std::vector<Edit> &edits : c.presses) {
            before = w.rowFigures();
            for (const Edit &e : edits) {
                if (qstrcmp(e.box, kReload) == 0) {
                    w.grid->setRow(CInt(Val(QString::fromUtf8(e.text))));
                    w.reload();
                } else {
                    *w.editable.value(QString::fromUtf8(e.box)) = QString::fromUtf8(e.text);
                }
            }
            w.press();
        }
        EXPECT_EQ(folder.messages(), c.boxes);
        EXPECT_EQ(*w.dataNo, Str(c.dataNo));
        EXPECT_EQ(w.rowFigures().first(), QString::fromUtf8(c.size));
        EXPECT_EQ(w.rowFigures(), w.recompute(w.row()));
        if (w.allowable)
            EXPECT_GT(w.allowable(w.rowFigures().first()), cell(w.row(), w.currentColumn));
        switch (c.ending) {
        case Ending::Written:
            EXPECT_EQ(w.boxFigures(), w.rowFigures());
            break;
        case Ending::RefusedTyped:
            EXPECT_EQ(w.rowFigures(), before);
            for (const Edit &e : c.presses.back())
                EXPECT_EQ(*w.editable.value(QString::fromUtf8(e.box)), QString::fromUtf8(e.text));
            break;
        case Ending::RefusedShowsRow:
            EXPECT_EQ(w.rowFigures(), before);
            EXPECT_EQ(w.boxFigures(), w.rowFigures());
            break;
        }
    }
}
