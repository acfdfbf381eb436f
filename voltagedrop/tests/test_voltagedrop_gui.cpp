#include "cellfile.h"
#include "flexgrid.h"
#include "numtext.h"
#include "refdata.h"
#include "registerVoltagedrop.h"
#include "registry.h"
#include "testenv.h"
#include "voltagedropwindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kb;

namespace {

class VdGui : public ::testing::Test
{
protected:
    void SetUp() override { registerVoltagedropWindows(); }
    void TearDown() override { WindowRegistry::instance().reset(); }

    VoltageDropWindow *open(const char *form)
    {
        w = qobject_cast<VoltageDropWindow *>(openWindow(QString::fromLatin1(form)));
        EXPECT_NE(w, nullptr);
        return w;
    }
    template<class T> T *child(const char *name) const { return test::child<T>(w, name); }
    QComboBox *combo(const char *name) const { return child<QComboBox>(name); }
    QString text(const char *box) const { return child<QLineEdit>(box)->text(); }
    void type(const char *box, const QString &t) { child<QLineEdit>(box)->setText(t); }
    QString label(const char *name) const { return child<QLabel>(name)->text(); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    FlexGrid *grid() const { return child<FlexGrid>("MSFlexGrid1"); }
    QStringList items(const char *name) const
    {
        QStringList out;
        for (int i = 0; i < combo(name)->count(); ++i)
            out << combo(name)->itemText(i);
        return out;
    }
    // The menu bar as "title(name): item(name) ..." lines.
    QStringList menuBar() const
    {
        QStringList lines;
        for (QAction *title : w->menuBar()->actions()) {
            QMenu *menu = title->menu();
            QString line = menu->title() + QLatin1Char('(') + menu->objectName() + QStringLiteral("):");
            for (QAction *a : menu->actions())
                line += QLatin1Char(' ') + (a->isSeparator() ? QStringLiteral("-") : a->text()) + QLatin1Char('(') + a->objectName() + QLatin1Char(')');
            lines << line;
        }
        return lines;
    }

    test::TestFolder folder;
    VoltageDropWindow *w = nullptr;
};

const QString kFileMenu = QStringLiteral("ファイル(IDM_FILE): 開　く(IDM_DOPEN) 保　存(IDM_DSAVE) -(IDM_KUGIRI1) 印　刷(IDM_PRINT) 終　了(IDM_END)");
const QString kClearMenu = QStringLiteral("表　示(IDM_HYOJI): 全てクリアーする(IDM_ALLCLIA)");

} // namespace

TEST_F(VdGui, EachWindowOpensWithItsCaptionMenusAndDefaults)
{
    struct Expect
    {
        const char *form, *caption, *pf, *voltage;
        QStringList menus;
    };
    const Expect expects[] = {
        {"Form14", "3相3線式電圧降下計算", "0.65", "210V",
         {kFileMenu, "電源種別(IDM_DENGEN): 自家用(IDM_JIKAYOU) 東京電力(IDM_TODEN)",
          "電線種別(IDM_DENSENSETTEI): ＩＶ電線(IDM_IV) ＣＶ－３Ｃケーブル(IDM_CV3C) ＣＶＴケーブル(IDM_CVT) ＦＰ－３Ｃケーブル(IDM_FP3C)",
          "配管種別(IDM_HAIKAN): 配管に布設(IDM_PIPE) ラックに布設(IDM_RACK)", kClearMenu, "エクセル(IDM_EXL): エクセルヘ出力(IDM_EXLSAVE)"}},
        {"Form3", "1相3線式電圧降下計算", "1", "210V/105V",
         {kFileMenu, "電源種別(IDM_DENGEN): 自家用(IDM_JIKAYO) 東京電力(IDM_TODEN)",
          "電線種別(IDM_SETTEI): ＩＶ電線(IDM_IV) ＣＶ－３Ｃケーブル(IDM_CV3C) ＣＶＴケーブル(IDM_CVT) ＦＰ－３Ｃケーブル(IDM_FP3C)",
          "配管種別(IDM_HAIKAN): 配管に布設(IDM_PIPE) ラックに布設(IDM_RACK)", kClearMenu, "エクセル(IDM_EXL): エクセルへ出力(IDM_EXLSAVE)"}},
        {"Form9", "１相２線式電圧降下計算", "1", "105V",
         {kFileMenu, "電源種別(IDM_DENGEN): 自家用(IDM_JIKAYO) 東京電力(IDM_TODEN)",
          "電線種別(IDM_DENSEN): ＩＶ電線(IDM_IV) ＣＶ－２Ｃケーブル(IDM_CV2C) ＦＰ－２Ｃケーブル(IDM_FP2C)",
          "配管種別(IDM_PIPE): 配管に布設(IDM_C) ラックに布設(IDM_RACK)", kClearMenu, "エクセル(IDM_EXL): エクセルへ出力(IDM_EXLSAVE)"}},
        {"Form15", "直流２線式電圧降下計算", nullptr, "105V",
         {kFileMenu, "電源種別(IDM_DENGEN): 自家用(IDM_JIKAYO) 東京電力(IDM_TODEN)",
          "電線種別(IDM_DENSEN): ＩＶ電線(IDM_IV) ＣＶ－２Ｃケーブル(IDM_CV2C) ＦＰ－２Ｃケーブル(IDM_FP2C)",
          "配管種別(IDM_PIPE): 配管に布設(IDM_C) ラックに布設(IDM_RACK)", kClearMenu, "エクセル(IDM_EXL): エクセルへ出力(IDM_EXLSAVE)"}},
    };
    for (const Expect &e : expects) {
        SCOPED_TRACE(e.form);
        ASSERT_NE(open(e.form), nullptr);
        EXPECT_EQ(w->objectName(), QString::fromLatin1(e.form));
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(e.caption));
        EXPECT_EQ(menuBar().join(QLatin1Char('\n')).toStdString(), e.menus.join(QLatin1Char('\n')).toStdString());
        EXPECT_EQ(text("Text2"), u"1");
        EXPECT_EQ(combo("Combo3")->currentText(), QString::fromUtf8(e.voltage));
        if (e.pf) {
            EXPECT_EQ(combo("Combo2")->currentText(), QString::fromUtf8(e.pf));
            EXPECT_EQ(child<QLabel>("Label18")->text(), u"5.力　率");
        } else {
            EXPECT_EQ(w->findChild<QComboBox *>(QStringLiteral("Combo2")), nullptr);
            EXPECT_EQ(w->findChild<QLabel *>(QStringLiteral("Label18")), nullptr);
        }
        EXPECT_TRUE(combo("Combo1")->currentText().isEmpty());
        EXPECT_EQ(combo("Combo1")->count(), 12);
        EXPECT_TRUE(label("Label1").startsWith(u"配管=RACK  電線=CV-"));
        EXPECT_EQ(grid()->textMatrix(0, 2), u"電源電圧(V)");
        EXPECT_EQ(grid()->textMatrix(50, 0), u"50");
        QApplication::processEvents();
        w->grab().save(QStringLiteral("/tmp/vd-%1.png").arg(QString::fromLatin1(e.form)));
        trigger("IDM_END");
        QApplication::processEvents();
        EXPECT_FALSE(WindowRegistry::instance().isLoaded(QString::fromLatin1(e.form)));
    }
}

TEST_F(VdGui, CombosKeepTypedAndSetTextsOutOfTheirLists)
{
    open("Form14");
    combo("Combo3")->setEditText(QStringLiteral("230V"));
    combo("Combo2")->setEditText(QStringLiteral("0.9"));
    type("Text1", QStringLiteral("30"));
    click("Command2");
    EXPECT_EQ(text("Text2"), u"2");
    EXPECT_EQ(combo("Combo3")->currentText(), u"230V");
    EXPECT_EQ(combo("Combo2")->currentText(), u"0.9");
    EXPECT_EQ(items("Combo3"), QStringList({"200V", "205V", "210V", "220V", "400V", "415V", "440V"}));
    EXPECT_EQ(text("Text1"), u"");

    // Pressing Enter in an editable box does not add the typed text to its list.
    combo("Combo4")->setEditText(QStringLiteral("3.3"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(combo("Combo4")->lineEdit(), &enter);
    EXPECT_EQ(combo("Combo4")->count(), 13);
    EXPECT_EQ(combo("Combo4")->currentText(), u"3.3");
}

TEST_F(VdGui, MenusSetTheirStatusAndSizeLists)
{
    open("Form3");
    combo("Combo1")->setEditText(QStringLiteral("CV22-3C"));
    trigger("IDM_CVT");
    EXPECT_EQ(label("Label1"), u"ＣＶＴに設定");
    EXPECT_EQ(combo("Combo1")->currentText(), u"");
    EXPECT_EQ(items("Combo1").first(), u"CVT14");
    EXPECT_EQ(w->model().DENSEN_SHUBETU, u"CVT");
    trigger("IDM_TODEN");
    EXPECT_EQ(label("Label1"), u"東京電力に設定");
    trigger("IDM_JIKAYO");
    EXPECT_EQ(label("Label1"), u"自家用に設定");
    trigger("IDM_PIPE");
    EXPECT_EQ(label("Label1"), u"配管に布設に設定");
    EXPECT_EQ(w->model().FUSETU_HOUHOU, u"C");
    click("Command2");
    EXPECT_TRUE(label("Label1").startsWith(u"配管=C  電線=CVT  JIKAYO　長さ"));

    open("Form9");
    trigger("IDM_C");
    EXPECT_EQ(w->model().FUSETU_HOUHOU, u"C");
    trigger("IDM_RACK");
    EXPECT_EQ(label("Label1"), u"ケーブルラックに設定");
    trigger("IDM_IV");
    EXPECT_EQ(items("Combo1").last(), u"325X2");

    open("Form14");
    trigger("IDM_JIKAYOU");
    EXPECT_EQ(label("Label1"), u"自家用に設定");
}

TEST_F(VdGui, ReadBackAndClearAllThroughTheWidgets)
{
    open("Form15");
    const QStringList row = {"照明", "105V", "CV5.5-2C", "30", "1.5", "0.8", "14.2", "49", "5.1", "2.5", "2.38",
                             "E2", "2.0", "50AF", "16AT", "ｹｰﾌﾞﾙﾗｯｸ"};
    for (int c = 1; c <= 16; ++c)
        grid()->setTextMatrix(3, c, row[c - 1]);
    click("Command3");
    EXPECT_EQ(folder.messages(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));
    trigger("IDM_C");
    grid()->clickCell(3, 5);
    click("Command3");
    EXPECT_EQ(text("Text2"), u"3");
    EXPECT_EQ(text("Text3"), u"照明");
    EXPECT_EQ(combo("Combo3")->currentText(), u"105V");
    EXPECT_EQ(combo("Combo1")->currentText(), u"CV5.5-2C");
    EXPECT_EQ(label("Label5"), u"2");
    EXPECT_EQ(label("Label3"), u"16AT");
    EXPECT_EQ(w->model().FUSETU_HOUHOU, u"RACK");

    type("Text2", QString());
    trigger("IDM_ALLCLIA");
    EXPECT_EQ(folder.messages().last(), u"エラーが発生しました。Command2_Click");
    EXPECT_EQ(text("Text2"), u"1");
    EXPECT_EQ(grid()->textMatrix(3, 3), u"");
    EXPECT_EQ(grid()->textMatrix(0, 1), u"　名　称");
}

TEST_F(VdGui, SaveOpenAndExportTheGrid)
{
    open("Form14");
    const QStringList row = {"動力", "210V", "CV14-3C", "30", "5.5", "0.65", "22.4", "61", "17.9", "1.3", "0.62",
                             "E2", "2.0", "100AF", "25AT", "ｹｰﾌﾞﾙﾗｯｸ"};
    for (int r : {1, 2, 4})
        for (int c = 1; c <= 16; ++c)
            grid()->setTextMatrix(r, c, row[c - 1]);

    const QString path = folder.path(QStringLiteral("result.qvx"));
    folder.fake().fileAnswers << path;
    trigger("IDM_DSAVE");
    EXPECT_EQ(folder.fake().fileTitles.last(), u"ファイルを保存する。");
    EXPECT_EQ(label("Label1"), u"計算結果データ－を保存しました。");
    EXPECT_EQ(test::readBytes(path).size(), 80000);

    folder.fake().fileAnswers.clear();
    trigger("IDM_DSAVE"); // the dialog cancelled
    EXPECT_EQ(folder.messages().last(), u"中止しました。IDM_DSAVE");
    trigger("IDM_DOPEN");
    EXPECT_EQ(folder.messages().last(), u"中止しました。IDM_DOPEN");

    trigger("IDM_ALLCLIA");
    EXPECT_EQ(grid()->textMatrix(4, 3), u"");
    folder.fake().fileAnswers << path;
    trigger("IDM_DOPEN");
    EXPECT_EQ(folder.fake().fileTitles.last(), u"ファイルを開く");
    EXPECT_EQ(label("Label1"), u"ファイルより結果データ－を読み込みました。");
    EXPECT_EQ(grid()->textMatrix(4, 3), u"CV14-3C");
    EXPECT_EQ(grid()->textMatrix(4, 13), u"2.0");
    EXPECT_EQ(grid()->textMatrix(3, 2), u"");
    EXPECT_EQ(text("Text2"), u"1"); // the inputs are not touched

    trigger("IDM_EXLSAVE");
    ASSERT_EQ(folder.fake().openedDocuments.size(), 1);
    EXPECT_TRUE(folder.fake().openedDocuments.first().endsWith(u".xlsx"));
    EXPECT_TRUE(w->isEnabled());

    folder.fake().openDocumentResult = false;
    trigger("IDM_EXLSAVE");
    EXPECT_EQ(folder.messages().last(), QStringLiteral("エラーが発生しました。IDM_EXLSAVE\n") + folder.fake().openedDocuments.last());
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(VdGui, PrintsTheWindowOrSaysItStopped)
{
    open("Form9");
    trigger("IDM_PRINT");
    EXPECT_EQ(folder.messages(), QStringList({"プリントを中止しました。IDM_PRINT"}));
    folder.fake().printFile = folder.path(QStringLiteral("print.pdf"));
    trigger("IDM_PRINT");
    EXPECT_EQ(folder.messages().size(), 1);
    EXPECT_GT(test::readBytes(folder.fake().printFile).size(), 1000);
}

namespace {

// CABLE-SIZE with the CV block of the allowable currents (rows 272..284):
// three-core in conduit and on the rack, two-core in conduit and on the rack.
void writeCvBlock(const QString &path)
{
    TextTable t = emptyTable(db::CableSize);
    struct Row
    {
        const char *size;
        int c3, r3, c2, r2;
    };
    const Row rows[] = {{"2", 19, 23, 22, 27},     {"3.5", 26, 32, 30, 37},    {"5.5", 34, 42, 39, 49},
                        {"8", 46, 53, 49, 61},     {"14", 61, 74, 69, 86},     {"22", 80, 97, 91, 115},
                        {"38", 113, 138, 129, 162}, {"60", 150, 184, 172, 217}, {"100", 208, 254, 238, 298},
                        {"150", 269, 328, 315, 395}, {"200", 318, 382, 372, 469}, {"250", 364, 441, 440, 556},
                        {"325", 430, 521, 514, 650}};
    int r = 272;
    for (const Row &row : rows) {
        const QString size = QString::fromLatin1(row.size);
        t.set(1, r, QStringLiteral("CV%1-3C").arg(size));
        t.set(2, r, Str(row.c3));
        t.set(3, r, Str(row.r3));
        t.set(4, r, QStringLiteral("CV%1-2C").arg(size));
        t.set(5, r, Str(row.c2));
        t.set(6, r, Str(row.r2));
        ++r;
    }
    writeTable(path, db::CableSize.fileRows, db::CableSize.columns, t);
}

} // namespace

TEST_F(VdGui, ThreePhaseCalculationFillsTheLabelsAndTheGridRow)
{
    writeCvBlock(databasePath(db::CableSize));
    open("Form14");
    type("Text3", QStringLiteral("動力盤１"));
    type("Text1", QStringLiteral("50"));
    type("Text4", QStringLiteral("10"));
    click("Command1");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(label("Label1"), u"電圧降下及び降下率で設定変更が出来ます。(１回に付１箇所)");
    EXPECT_EQ(combo("Combo1")->currentText(), u"CV8-3C");
    EXPECT_EQ(label("Label12"), u"42.2");
    EXPECT_EQ(label("Label11"), u"53");
    EXPECT_EQ(label("Label13"), u"12.5");
    EXPECT_EQ(combo("Combo4")->currentText(), u"8.1");
    EXPECT_EQ(combo("Combo5")->currentText(), u"3.86");
    EXPECT_EQ(label("Label2"), u"100AF");
    EXPECT_EQ(label("Label3"), u"46AT");
    EXPECT_EQ(label("Label4"), u"E3.5");
    EXPECT_EQ(label("Label5"), u"2.0");
    const QStringList row = {"1", "動力盤１", "210V", "CV8-3C", "50", "10", "0.65", "42.2", "53", "12.5", "8.1", "3.86",
                             "E3.5", "2.0", "100AF", "46AT", "ｹｰﾌﾞﾙﾗｯｸ", ""};
    for (int c = 0; c < row.size(); ++c)
        EXPECT_EQ(grid()->textMatrix(1, c), row[c]) << c;
    QApplication::processEvents();
    w->grab().save(QStringLiteral("/tmp/vd-Form14-calculated.png"));

    // 次の計算 moves to row 2 and keeps the voltage and the power factor.
    click("Command2");
    EXPECT_EQ(text("Text2"), u"2");
    EXPECT_EQ(label("Label11"), u"");
    EXPECT_EQ(combo("Combo2")->currentText(), u"0.65");
}

TEST_F(VdGui, DcWorkedExampleAndTheBackCalculationFromAnEditedDrop)
{
    writeCvBlock(databasePath(db::CableSize));
    open("Form15");
    type("Text1", QStringLiteral("30"));
    type("Text4", QStringLiteral("1.5"));
    combo("Combo1")->setEditText(QStringLiteral("CV5.5-2C"));
    click("Command1");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(label("Label12"), u"14.2");
    EXPECT_EQ(combo("Combo4")->currentText(), u"2.5");
    EXPECT_EQ(combo("Combo5")->currentText(), u"2.38");
    EXPECT_EQ(label("Label3"), u"16AT");
    EXPECT_EQ(label("Label11"), u"49");
    EXPECT_EQ(label("Label13"), u"5.1");
    EXPECT_EQ(label("Label2"), u"50AF");
    EXPECT_EQ(label("Label5"), u"2.0");
    EXPECT_EQ(grid()->textMatrix(1, 6), u""); // no power factor in a DC row

    combo("Combo4")->setEditText(QStringLiteral("1.5"));
    click("Command1");
    EXPECT_EQ(label("Label1"), u"電圧降下を変更した計算をしました。");
    EXPECT_EQ(combo("Combo1")->currentText(), u"CV14-2C");
    EXPECT_EQ(combo("Combo4")->currentText(), u"1.1");
    EXPECT_EQ(grid()->textMatrix(1, 3), u"CV14-2C");

    // Both drops edited: refused.
    combo("Combo4")->setEditText(QStringLiteral("2"));
    combo("Combo5")->setEditText(QStringLiteral("2"));
    click("Command1");
    EXPECT_EQ(folder.messages(), QStringList({"変更は１回につき１箇所です。"}));
}

TEST_F(VdGui, SinglePhaseThreeWireBackCalculatesFromAnEditedRate)
{
    writeCvBlock(databasePath(db::CableSize));
    open("Form3");
    combo("Combo2")->setEditText(QStringLiteral("1"));
    type("Text1", QStringLiteral("40"));
    type("Text4", QStringLiteral("5"));
    click("Command1");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(label("Label12"), u"23.8");
    EXPECT_EQ(combo("Combo1")->currentText(), u"CV3.5-3C");
    EXPECT_EQ(combo("Combo4")->currentText(), u"4.2");
    EXPECT_EQ(combo("Combo5")->currentText(), u"2");

    // The rate turned into volts with 210 from "210V/105V".
    combo("Combo5")->setEditText(QStringLiteral("1"));
    click("Command1");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(label("Label1"), u"電圧降下率を変更した計算をしました。");
    EXPECT_EQ(combo("Combo1")->currentText(), u"CV8-3C");
    EXPECT_EQ(combo("Combo4")->currentText(), u"2.1");
    EXPECT_EQ(combo("Combo5")->currentText(), u"1");
    EXPECT_EQ(label("Label11"), u"53");
    EXPECT_EQ(grid()->textMatrix(1, 3), u"CV8-3C");
    EXPECT_EQ(combo("Combo1")->count(), 12); // the size written by the program is not added to the list

    // データ読込み of that row and a plain recalculation rewrite the same row.
    grid()->clickCell(1, 1);
    click("Command3");
    EXPECT_EQ(combo("Combo3")->currentText(), u"210V/105V");
    click("Command1");
    EXPECT_EQ(grid()->textMatrix(1, 2), u"210V/105V");
    EXPECT_EQ(grid()->textMatrix(2, 2), u"");
}
