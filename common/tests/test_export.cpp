// The spreadsheet export, read back with a spreadsheet library of its own
// (openpyxl): sheet, texts, numbers, colours, fitted heading columns, skipped rows.

#include "export.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <gtest/gtest.h>

#include <iterator>

using namespace kb;

namespace {

const char *const kPython = "/usr/bin/python3";

// Every cell of every sheet as {"sheets": [...], "cells": {"B3": {"v": value, "t": type, "rgb": colour, "fmt": number format}},
// "widths": {"B": w}}.
const char *const kReader = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
cells = {}
for row in ws.iter_rows():
    for c in row:
        if c.value is None and not c.has_style:
            continue
        cells[c.coordinate] = {"v": c.value, "t": c.data_type, "rgb": (c.font.color.rgb if c.font and c.font.color else None), "fmt": c.number_format}
widths = {k: v.width for k, v in ws.column_dimensions.items() if v.customWidth}
print(json.dumps({"sheets": wb.sheetnames, "cells": cells, "widths": widths}, ensure_ascii=False))
)";

bool haveReader()
{
    QProcess p;
    p.start(QString::fromLatin1(kPython), {QStringLiteral("-c"), QStringLiteral("import openpyxl")});
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

QJsonObject readBack(const QString &path)
{
    QProcess p;
    p.start(QString::fromLatin1(kPython), {QStringLiteral("-c"), QString::fromUtf8(kReader), path});
    EXPECT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(p.readAllStandardOutput()).object();
}

// A voltage-drop grid: headings, results in rows 1, 3, 29 and 30, row 2 without a voltage.
void fillVoltageDropGrid(GridModel &g)
{
    g.setShape(101, 21);
    const QStringList headings = {"ＮＯ", "　名　称", "電源電圧(V)", "電線サイズ", "長さ(m)", "負荷容量(kW)", "力　率",
                                  "負荷電流(A)", "電線の許容電流(A)", "最大許容負荷(kW)", "電圧降下(V)", "降下率(%)",
                                  "接地線サイズ", "ボンド線", "遮断機AF", "遮断機AT", "布設方法"};
    for (int c = 0; c < headings.size(); ++c)
        g.setTextMatrix(0, c, headings[c]);
    for (int r : {1, 3, 29, 30}) {
        g.setTextMatrix(r, 0, QString::number(r));
        g.setTextMatrix(r, 1, QStringLiteral(" 動力%1 ").arg(r));
        g.setTextMatrix(r, 2, QStringLiteral("105V"));
        g.setTextMatrix(r, 3, QStringLiteral("CV5.5-2C"));
        g.setTextMatrix(r, 4, QStringLiteral("50"));
        g.setTextMatrix(r, 11, QStringLiteral("3.05"));
        g.setTextMatrix(r, 13, QStringLiteral("2.0"));
        g.setTextMatrix(r, 16, QStringLiteral("ｹｰﾌﾞﾙﾗｯｸ"));
    }
    g.setTextMatrix(2, 1, QStringLiteral("電圧なし"));
}

} // namespace

// A number cell shows its number again; a text whose digits it would not show stays a text.
TEST(Export, NumberTexts)
{
    for (const char *t : {"12", "-0.5", "3.05", "+7", ".5", "2.0", "0", "0.5", "-0", "0.", "100", "-0.05"})
        EXPECT_TRUE(isNumberText(QString::fromLatin1(t))) << t;
    for (const char *t : {"", "105V", "1e5", "1,000", "E2", " 5", "5 ", "-", ".", "0012", "00", "00.5", "-0012", "+0123", "007.0"})
        EXPECT_FALSE(isNumberText(QString::fromLatin1(t))) << t;
}

TEST(Export, VoltageDropGridReadsBackWithColoursAndNumbers)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;
    GridModel grid;
    fillVoltageDropGrid(grid);

    ASSERT_TRUE(exportGrid(grid, exportlayout::VoltageDrop));
    EXPECT_TRUE(folder.messages().isEmpty());
    ASSERT_EQ(folder.fake().openedDocuments.size(), 1);
    const QString path = folder.fake().openedDocuments.first();
    EXPECT_TRUE(path.endsWith(QStringLiteral(".xlsx")));
    const QJsonObject book = readBack(path);

    EXPECT_EQ(book["sheets"].toArray(), QJsonArray({"Sheet1"}));
    const QJsonObject cells = book["cells"].toObject();
    const auto cell = [&](const char *ref) { return cells[QLatin1String(ref)].toObject(); };

    // Headings: unchanged texts in red; the grid's row-number column is not exported.
    EXPECT_EQ(cell("A1")["v"].toString(), "　名　称");
    EXPECT_EQ(cell("P1")["v"].toString(), "布設方法");
    EXPECT_EQ(cell("A1")["rgb"].toString(), "FFFF0000");
    EXPECT_EQ(cell("T1")["rgb"].toString(), "FFFF0000"); // empty heading, coloured all the same
    EXPECT_FALSE(cells.contains("U1"));

    // Data: grid row r on sheet row r + 1, trimmed, blue; numbers as numbers.
    EXPECT_EQ(cell("A2")["v"].toString(), "動力1");
    EXPECT_EQ(cell("A2")["rgb"].toString(), "FF0000FF");
    EXPECT_EQ(cell("B2")["v"].toString(), "105V");
    EXPECT_EQ(cell("B2")["t"].toString(), "s");
    EXPECT_EQ(cell("D2")["v"].toDouble(), 50);
    EXPECT_EQ(cell("D2")["t"].toString(), "n");
    EXPECT_EQ(cell("K2")["v"].toDouble(), 3.05);
    EXPECT_EQ(cell("M2")["v"].toDouble(), 2);
    EXPECT_EQ(cell("P2")["v"].toString(), "ｹｰﾌﾞﾙﾗｯｸ");

    // Grid row 2 has no voltage: sheet row 3 stays empty, row 4 holds grid row 3.
    for (const QString &ref : cells.keys())
        EXPECT_FALSE(ref.endsWith(QLatin1Char('3')) && ref.size() == 2) << ref.toStdString();
    EXPECT_EQ(cell("A4")["v"].toString(), "動力3");
    EXPECT_EQ(cell("A30")["v"].toString(), "動力29");
    EXPECT_EQ(cell("A31")["v"].toString(), "動力30");

    // Each heading's column is widened to its heading; columns without a heading keep the default.
    const QJsonObject widths = book["widths"].toObject();
    EXPECT_GT(widths["H"].toDouble(), 17);   // "電線の許容電流(A)": 7 wide characters and 3 narrow ones
    EXPECT_GT(widths["A"].toDouble(), 8);
    EXPECT_FALSE(widths.contains("T"));
}

// A heat analog row has no class (column 8); a refused room no coverage or count
// (columns 9, 10): every column of the row goes out all the same.
TEST(Export, FireAlarmRowsGoOutWholeWhateverCellIsEmpty)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;
    GridModel alarm;
    alarm.setShape(101, 16);
    for (int c = 1; c <= 15; ++c)
        alarm.setTextMatrix(0, c, QStringLiteral("見出し%1").arg(c));
    // As the calculators write them: a heat analog row leaves its class empty, 13 to 15 are dashes.
    const QStringList heatAnalog = {"現場", "事務室", "10", "20", "4m未満", "0.6m未満", "熱アナログスポット", "", "70", "3", "耐火", "200", "-----", "-----", "-----"};
    for (int c = 1; c <= heatAnalog.size(); ++c)
        alarm.setTextMatrix(1, c, heatAnalog[c - 1]);
    const QStringList refused = {"現場", "倉庫", "5", "5", "20m以上", "", "差動式スポット", "２種", "", "", "耐火", "25", "-----", "-----", "-----"};
    for (int c = 1; c <= refused.size(); ++c)
        alarm.setTextMatrix(2, c, refused[c - 1]);
    alarm.setTextMatrix(3, 5, QStringLiteral("名前なし")); // column 1 empty: not exported

    ASSERT_TRUE(exportGrid(alarm, exportlayout::FireAlarm));
    const QJsonObject cells = readBack(folder.fake().openedDocuments.last())["cells"].toObject();
    const auto value = [&](const QString &ref) -> QJsonValue { return cells[ref].toObject().value(QStringLiteral("v")); };
    for (int c = 1; c <= 15; ++c) {
        const QString column(QChar(u'A' + c - 1));
        EXPECT_EQ(value(column + u'2').toVariant().toString(), heatAnalog[c - 1]) << c;
        EXPECT_EQ(value(column + u'3').toVariant().toString(), refused[c - 1]) << c;
    }
    EXPECT_EQ(cells["L2"].toObject()["t"].toString(), "n");
    EXPECT_EQ(cells["H2"].toObject()["rgb"].toString(), "FF0000FF"); // the empty class cell is there, blue and empty
    EXPECT_FALSE(cells.contains("P2"));
    for (const QString &ref : cells.keys())
        EXPECT_NE(ref.mid(1), u"4") << ref.toStdString();
}

// Earth (12) and bond (13) go out under their headings; 14 is the grid's spare.
TEST(Export, PackageRowsCarryEarthAndBond)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;
    GridModel package;
    package.setShape(101, 15);
    for (int c = 1; c <= 14; ++c) {
        package.setTextMatrix(0, c, QStringLiteral("見出し%1").arg(c));
        package.setTextMatrix(1, c, QStringLiteral("値%1").arg(c));
    }
    ASSERT_TRUE(exportGrid(package, exportlayout::Package));
    const QJsonObject cells = readBack(folder.fake().openedDocuments.last())["cells"].toObject();
    EXPECT_EQ(cells["L1"].toObject()["v"].toString(), "見出し12");
    EXPECT_EQ(cells["M1"].toObject()["v"].toString(), "見出し13");
    EXPECT_EQ(cells["L2"].toObject()["v"].toString(), "値12");
    EXPECT_EQ(cells["M2"].toObject()["v"].toString(), "値13");
    EXPECT_FALSE(cells.contains("N1"));
    EXPECT_FALSE(cells.contains("N2"));
}

// The motor window calculates into grid row 1 first: that row is a result, blue on sheet row 2.
TEST(Export, MotorsFirstResultRowIsDataAndNoColumnIsFitted)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;

    GridModel motor;
    motor.setShape(101, 26);
    motor.setTextMatrix(0, 1, QStringLiteral("名　称"));
    motor.setTextMatrix(1, 1, QStringLiteral("M1"));
    motor.setTextMatrix(1, 3, QStringLiteral("200V級"));
    motor.setTextMatrix(2, 1, QStringLiteral("電圧なし"));
    ASSERT_TRUE(exportGrid(motor, exportlayout::Motor));
    const QJsonObject book = readBack(folder.fake().openedDocuments.last());
    const QJsonObject cells = book["cells"].toObject();
    EXPECT_EQ(cells["A1"].toObject()["rgb"].toString(), "FFFF0000");
    EXPECT_EQ(cells["A2"].toObject()["v"].toString(), "M1");
    EXPECT_EQ(cells["A2"].toObject()["rgb"].toString(), "FF0000FF");
    EXPECT_EQ(cells["C2"].toObject()["rgb"].toString(), "FF0000FF");
    EXPECT_FALSE(cells.contains("A3"));
    EXPECT_TRUE(book["widths"].toObject().isEmpty());
}

// Every row that holds data goes out, however far down the grid, on sheet row r + 1, and
// each layout's skip rule still leaves a row out: a window that calculated 60 rows
// finds all 60 in the workbook.
TEST(Export, EveryRowWithDataGoesOutHoweverFarDown)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;
    struct Case { const char *window; ExportLayout layout; int columns; };
    const Case cases[] = {
        {"Form9", exportlayout::VoltageDrop, 21},
        {"Form16", exportlayout::Unbalanced, 21},
        {"Form7", exportlayout::Motor, 26},
        {"Form11", exportlayout::Package, 15},
        {"Form12", exportlayout::MercuryLamp, 26},
        {"Frm1", exportlayout::FireAlarm, 16},
    };
    const int filled[] = {1, 29, 30, 31, 40, 60, 100};
    const int skipped = 50;
    for (const Case &k : cases) {
        SCOPED_TRACE(k.window);
        GridModel grid;
        grid.setShape(101, k.columns);
        grid.setTextMatrix(0, 1, QStringLiteral("見出し"));
        const int other = k.layout.skipColumn == 1 ? 2 : 1;
        for (int r : filled) {
            grid.setTextMatrix(r, 0, QString::number(r));
            grid.setTextMatrix(r, k.layout.skipColumn, QStringLiteral("値"));
            grid.setTextMatrix(r, other, QStringLiteral("行%1").arg(r));
        }
        grid.setTextMatrix(skipped, other, QStringLiteral("行%1").arg(skipped));

        ASSERT_TRUE(exportGrid(grid, k.layout));
        const QJsonObject cells = readBack(folder.fake().openedDocuments.last())["cells"].toObject();
        QSet<int> sheetRows;
        for (const QString &ref : cells.keys())
            sheetRows.insert(ref.mid(1).toInt());
        QSet<int> expected{1};
        for (int r : filled) {
            expected.insert(r + 1);
            const QJsonObject cell = cells[QStringLiteral("%1%2").arg(QChar(u'A' + other - 1)).arg(r + 1)].toObject();
            EXPECT_EQ(cell["v"].toString(), QStringLiteral("行%1").arg(r)) << r;
            EXPECT_EQ(cell["rgb"].toString(), "FF0000FF") << r;
        }
        EXPECT_EQ(sheetRows, expected);
    }
}

// A number keeps the digits the grid shows: a 2.0 mm bond wire stays 2.0, not 2.
TEST(Export, NumbersKeepTheGridsDecimals)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;
    struct Case { const char *text; const char *type; double value; const char *format; };
    const Case cases[] = {
        {"2.0", "n", 2, "0.0"},
        {"3.50", "n", 3.5, "0.00"},
        {"4", "n", 4, "0"},
        {"-0.125", "n", -0.125, "0.000"},
        {".5", "n", 0.5, "#.0"},
        {"0", "n", 0, "0"},
        {"0.05", "n", 0.05, "0.00"},
        {"105V", "s", 0, "General"},
        {"0012", "s", 0, "General"},
        {"00.5", "s", 0, "General"},
        {"5.5-2C", "s", 0, "General"},
    };
    GridModel grid;
    grid.setShape(101, 21);
    grid.setTextMatrix(0, 1, QStringLiteral("3.0")); // a heading that reads as a number keeps its point too
    for (int i = 0; i < int(std::size(cases)); ++i) {
        grid.setTextMatrix(i + 1, 2, QStringLiteral("200"));
        grid.setTextMatrix(i + 1, 13, QString::fromLatin1(cases[i].text));
    }
    ASSERT_TRUE(exportGrid(grid, exportlayout::VoltageDrop));
    const QJsonObject cells = readBack(folder.fake().openedDocuments.last())["cells"].toObject();
    EXPECT_EQ(cells["A1"].toObject()["fmt"].toString(), "0.0");
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const Case &k = cases[i];
        const QJsonObject cell = cells[QStringLiteral("M%1").arg(i + 2)].toObject();
        EXPECT_EQ(cell["t"].toString(), QLatin1String(k.type)) << k.text;
        EXPECT_EQ(cell["fmt"].toString(), QLatin1String(k.format)) << k.text;
        EXPECT_EQ(cell["rgb"].toString(), "FF0000FF") << k.text;
        if (*k.type == 'n')
            EXPECT_EQ(cell["v"].toDouble(), k.value) << k.text;
        else
            EXPECT_EQ(cell["v"].toString(), QLatin1String(k.text));
    }
    EXPECT_EQ(cells["B2"].toObject()["fmt"].toString(), "0");
}

// A data name made of digits is a code: "0012" goes out as "0012", not as the number 12.
TEST(Export, DataNamesKeepTheirLeadingZeros)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;
    struct Case { const char *window; ExportLayout layout; int columns; };
    const Case cases[] = {
        {"Form14", exportlayout::VoltageDrop, 21},
        {"Form7", exportlayout::Motor, 26},
    };
    for (const Case &k : cases) {
        SCOPED_TRACE(k.window);
        GridModel grid;
        grid.setShape(101, k.columns);
        for (int r : {1, 2}) {
            grid.setTextMatrix(r, k.layout.skipColumn, QStringLiteral("200"));
            grid.setTextMatrix(r, 1, r == 1 ? QStringLiteral("0123") : QStringLiteral("  0012 "));
        }
        ASSERT_TRUE(exportGrid(grid, k.layout));
        const QJsonObject cells = readBack(folder.fake().openedDocuments.last())["cells"].toObject();
        EXPECT_EQ(cells["A2"].toObject()["v"].toString(), "0123");
        EXPECT_EQ(cells["A2"].toObject()["t"].toString(), "s");
        EXPECT_EQ(cells["A3"].toObject()["v"].toString(), "0012");
    }
}

TEST(Export, FailuresShowTheCommandsBox)
{
    test::TestFolder folder;
    GridModel grid;
    fillVoltageDropGrid(grid);

    // Written, but no program opened it: the box names the workbook, which stays for the user.
    folder.fake().openDocumentResult = false;
    EXPECT_FALSE(exportGrid(grid, exportlayout::VoltageDrop));
    ASSERT_EQ(folder.fake().openedDocuments.size(), 1);
    const QString path = folder.fake().openedDocuments.first();
    EXPECT_EQ(folder.messages(), QStringList{QStringLiteral("エラーが発生しました。IDM_EXLSAVE\n") + path});
    EXPECT_TRUE(QFileInfo(path).isFile());

    // A grid smaller than the layout: the heading step of a layout with its own box goes on
    // to the data; no workbook is left, so the box names none.
    folder.fake().messages.clear();
    folder.fake().openDocumentResult = true;
    const QStringList before = QDir(workbookFolder()).entryList(QDir::Files);
    GridModel small;
    small.setShape(40, 10);
    small.setTextMatrix(1, 1, QStringLiteral("x"));
    EXPECT_FALSE(exportGrid(small, exportlayout::Package));
    EXPECT_EQ(folder.messages(), QStringList({"エラーが発生しました。EXLNO_KOUMOKU", "エラーが発生しました。IDM_EXLSAVE"}));
    EXPECT_EQ(QDir(workbookFolder()).entryList(QDir::Files), before);
}

// Workbooks go to the program's own folder in the user's cache folder, never loose in
// the temporary folder; the test run points both into its own folder.
TEST(Export, WorkbooksGoToTheProgramsCacheFolder)
{
    test::TestFolder folder;
    const QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
    ASSERT_FALSE(cache.isEmpty());
    EXPECT_EQ(workbookFolder(), QDir(cache).filePath(QStringLiteral("kembrel")));

    GridModel grid;
    fillVoltageDropGrid(grid);
    ASSERT_TRUE(exportGrid(grid, exportlayout::VoltageDrop));
    const QFileInfo book(folder.fake().openedDocuments.last());
    EXPECT_EQ(book.absolutePath(), QFileInfo(workbookFolder()).absoluteFilePath());
    EXPECT_TRUE(book.fileName().startsWith(QStringLiteral("kembrel-")));
    EXPECT_TRUE(QDir(QDir::tempPath()).entryList({QStringLiteral("*.xlsx")}, QDir::Files).isEmpty());
}

TEST(Export, WorkbooksOlderThanSevenDaysAreRemovedAtStart)
{
    test::TestFolder folder;
    const QDateTime now = QDateTime::currentDateTime();
    struct Case { const char *name; int ageHours; bool stays; };
    const Case cases[] = {
        {"new.xlsx", 1, true},
        {"six-days.xlsx", 6 * 24 + 23, true},
        {"eight-days.xlsx", 8 * 24, false},
        {"a-year.xlsx", 365 * 24, false},
        {"notes.txt", 30 * 24, true}, // not a workbook
    };
    for (const Case &c : cases) {
        QFile f(folder.path(QLatin1String(c.name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.setFileTime(now.addSecs(-3600LL * c.ageHours), QFileDevice::FileModificationTime));
    }
    ASSERT_TRUE(QDir(folder.folder()).mkdir(QStringLiteral("old.xlsx"))); // a folder is left alone
    EXPECT_EQ(removeOldWorkbooks(folder.folder(), now), 2);
    for (const Case &c : cases)
        EXPECT_EQ(QFile::exists(folder.path(QLatin1String(c.name))), c.stays) << c.name;
    EXPECT_TRUE(QFileInfo(folder.path(QStringLiteral("old.xlsx"))).isDir());
    EXPECT_EQ(removeOldWorkbooks(folder.path(QStringLiteral("missing")), now), 0);
}
