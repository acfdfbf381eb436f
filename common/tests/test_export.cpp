// The spreadsheet export, read back with a spreadsheet library of its own
// (openpyxl): sheet, texts, numbers, colours, fitted heading columns, skipped rows.

#include "export.h"
#include "testenv.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kb;

namespace {

const char *const kPython = "/usr/bin/python3";

// Every cell of every sheet as {"sheets": [...], "cells": {"B3": {"v": value, "t": type, "rgb": colour}}, "widths": {"B": w}}.
const char *const kReader = R"(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
cells = {}
for row in ws.iter_rows():
    for c in row:
        if c.value is None and not c.has_style:
            continue
        cells[c.coordinate] = {"v": c.value, "t": c.data_type, "rgb": (c.font.color.rgb if c.font and c.font.color else None)}
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

// A voltage-drop grid: headings, results in rows 1, 3 and 29 and 30, row 2 without a voltage.
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

TEST(Export, DecimalNumbers)
{
    for (const char *t : {"12", "-0.5", "3.05", "+7", ".5", "2.0", "0"})
        EXPECT_TRUE(isDecimalNumber(QString::fromLatin1(t))) << t;
    for (const char *t : {"", "105V", "1e5", "1,000", "E2", " 5", "5 ", "-", "."})
        EXPECT_FALSE(isDecimalNumber(QString::fromLatin1(t))) << t;
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
    QFile::remove(path);

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
    // Grid row 29 is the last one exported; row 30 is not.
    EXPECT_EQ(cell("A30")["v"].toString(), "動力29");
    EXPECT_FALSE(cells.contains("A31"));

    // Each heading's column is widened to its heading; columns without a heading keep the default.
    const QJsonObject widths = book["widths"].toObject();
    EXPECT_GT(widths["H"].toDouble(), 17);   // "電線の許容電流(A)": 7 wide characters and 3 narrow ones
    EXPECT_GT(widths["A"].toDouble(), 8);
    EXPECT_FALSE(widths.contains("T"));
}

TEST(Export, OtherLayoutsSkipTheirOwnWay)
{
    if (!haveReader())
        GTEST_SKIP() << "no python3-openpyxl to read the workbook back";
    test::TestFolder folder;

    // The fire-alarm layout ends a row at its first empty cell and exports grid row 30.
    GridModel alarm;
    alarm.setShape(101, 16);
    for (int c = 1; c <= 15; ++c)
        alarm.setTextMatrix(0, c, QStringLiteral("見出し%1").arg(c));
    for (int c : {1, 2, 3, 5})
        alarm.setTextMatrix(1, c, QString::number(c));
    alarm.setTextMatrix(30, 1, QStringLiteral("最後"));
    ASSERT_TRUE(exportGrid(alarm, exportlayout::FireAlarm));
    QJsonObject cells = readBack(folder.fake().openedDocuments.last())["cells"].toObject();
    EXPECT_TRUE(cells.contains("C2"));
    EXPECT_FALSE(cells.contains("D2"));
    EXPECT_FALSE(cells.contains("E2"));
    EXPECT_EQ(cells["A31"].toObject()["v"].toString(), "最後");

    // The motor layout: two heading rows, data from grid row 2 on sheet row 3, no fitted columns.
    GridModel motor;
    motor.setShape(101, 26);
    motor.setTextMatrix(0, 1, QStringLiteral("名　称"));
    motor.setTextMatrix(1, 1, QStringLiteral("単位"));
    motor.setTextMatrix(2, 1, QStringLiteral("M1"));
    motor.setTextMatrix(2, 3, QStringLiteral("200V級"));
    motor.setTextMatrix(3, 1, QStringLiteral("電圧なし"));
    motor.setTextMatrix(31, 3, QStringLiteral("400"));
    ASSERT_TRUE(exportGrid(motor, exportlayout::Motor));
    const QJsonObject book = readBack(folder.fake().openedDocuments.last());
    cells = book["cells"].toObject();
    EXPECT_EQ(cells["A2"].toObject()["v"].toString(), "単位");
    EXPECT_EQ(cells["A2"].toObject()["rgb"].toString(), "FFFF0000");
    EXPECT_EQ(cells["A3"].toObject()["v"].toString(), "M1");
    EXPECT_FALSE(cells.contains("A4"));
    EXPECT_EQ(cells["C32"].toObject()["v"].toDouble(), 400);
    EXPECT_TRUE(book["widths"].toObject().isEmpty());
    for (const QString &p : folder.fake().openedDocuments)
        QFile::remove(p);
}

TEST(Export, FailuresShowTheCommandsBox)
{
    test::TestFolder folder;
    GridModel grid;
    fillVoltageDropGrid(grid);

    // The spreadsheet program does not open the workbook.
    folder.fake().openDocumentResult = false;
    EXPECT_FALSE(exportGrid(grid, exportlayout::VoltageDrop));
    EXPECT_EQ(folder.messages(), QStringList({"エラーが発生しました。IDM_EXLSAVE"}));
    for (const QString &p : folder.fake().openedDocuments)
        QFile::remove(p);

    // A grid smaller than the layout: the heading step of a layout with its own box goes on to the data.
    folder.fake().messages.clear();
    folder.fake().openDocumentResult = true;
    GridModel small;
    small.setShape(40, 10);
    small.setTextMatrix(1, 1, QStringLiteral("x"));
    EXPECT_FALSE(exportGrid(small, exportlayout::Package));
    EXPECT_EQ(folder.messages(), QStringList({"エラーが発生しました。EXLNO_KOUMOKU", "エラーが発生しました。IDM_EXLSAVE"}));
    for (const QString &p : folder.fake().openedDocuments)
        QFile::remove(p);
}
