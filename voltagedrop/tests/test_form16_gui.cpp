#include "flexgrid.h"
#include "form16.h"
#include "registry.h"
#include "testenv.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kb;

namespace {

class Form16Gui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        WindowRegistry::instance().registerWindow(QStringLiteral("Form16"), [] { return new Form16; });
        w = qobject_cast<Form16 *>(openWindow(QStringLiteral("Form16")));
        ASSERT_NE(w, nullptr);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    template<class T> T *child(const char *name) const { return test::child<T>(w, name); }
    void type(const char *box, const QString &text) { child<QLineEdit>(box)->setText(text); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    QString label(const char *name) { return child<QLabel>(name)->text(); }
    FlexGrid *grid() { return child<FlexGrid>("MSFlexGrid1"); }

    test::TestFolder folder;
    Form16 *w = nullptr;
};

} // namespace

TEST_F(Form16Gui, OpensWithItsDefaultsAndMenus)
{
    EXPECT_EQ(w->windowTitle(), u"１相３線不平衡負荷計算");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), u"1");
    EXPECT_EQ(label("Label1"), u"負荷が無い所は入力しないで下さい。");
    EXPECT_EQ(child<QPushButton>("Command3")->text(), u"データ読込み");
    for (const char *pf : {"Combo1", "Combo2", "Combo3"}) {
        QComboBox *combo = child<QComboBox>(pf);
        EXPECT_EQ(combo->currentText(), u"0.75");
        EXPECT_EQ(combo->count(), 9);
        EXPECT_TRUE(combo->isEditable());
    }
    EXPECT_EQ(grid()->textMatrix(0, 11), u"不平衡率(%)");
    EXPECT_EQ(grid()->textMatrix(0, 1), u"   名　  称");
    EXPECT_EQ(child<QAction>("IDM_EXLSAVE")->text(), u"エクセルへ出力");
    EXPECT_EQ(child<QAction>("IDM_ALLCLIA")->text(), u"全てクリアーする");
    EXPECT_EQ(child<QMenu>("IDM_FILE")->title(), u"ファイル");
    EXPECT_TRUE(child<QAction>("IDM_KUGIRI1")->isSeparator());

    QApplication::processEvents();
    w->grab().save(QStringLiteral("/tmp/vd-Form16.png"));
}

TEST_F(Form16Gui, SchematicDotsEveryJoinOfALoadWireAndNoCrossing)
{
    // Drawn at its own size, so that the points below are those of the drawing.
    QWidget *picture = child<QWidget>("Image1");
    ASSERT_EQ(picture->size(), QSize(504, 269));
    QImage image(picture->size(), QImage::Format_RGB32);
    picture->render(&image);
    // Just above the line, on both sides of the wire: only a dot puts ink there.
    const auto ink = [&](int x, int y) { return qGray(image.pixel(x, y)) < 128; };
    const auto dotted = [&](QPoint at) { return ink(at.x() - 2, at.y() - 3) && ink(at.x() + 1, at.y() - 3); };
    const struct
    {
        const char *where;
        QPoint at;
        bool joins;
    } points[] = {
        {"R-N on R", {106, 20}, true},          {"R-N on N", {140, 40}, true},
        {"N-T on N", {88, 40}, true},           {"N-T on T", {156, 60}, true},
        {"R-T on R", {448, 20}, true},          {"R-T on T", {484, 60}, true},
        {"R-N's R wire over N", {106, 40}, false}, {"R-N's N wire over T", {140, 60}, false},
        {"N-T's N wire over T", {88, 60}, false},  {"R-T's R wire over N", {448, 40}, false},
    };
    for (const auto &p : points)
        EXPECT_EQ(dotted(p.at), p.joins) << p.where;
}

TEST_F(Form16Gui, CalculatesNextAndReadsBackThroughTheControls)
{
    type("Text1", QStringLiteral("盤１"));
    type("Text3", QStringLiteral("2"));
    type("Text4", QStringLiteral("5"));
    child<QComboBox>("Combo1")->setEditText(QStringLiteral("0.8"));
    type("Text5", QStringLiteral("5"));
    type("Text7", QStringLiteral("3"));
    click("Command1");
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_EQ(label("Label2"), u"14.2");
    EXPECT_EQ(label("Label1"), u"どこでも自由に設定変更が出来ます。");
    EXPECT_EQ(grid()->textMatrix(1, 1), u"盤１");
    EXPECT_EQ(grid()->textMatrix(1, 4), u"0.8");
    EXPECT_EQ(grid()->textMatrix(1, 7), u""); // kVA only: no power factor
    EXPECT_EQ(child<QComboBox>("Combo2")->currentText(), u"");
    EXPECT_EQ(child<QComboBox>("Combo1")->count(), 9); // the typed factor is not added to the list

    click("Command2");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), u"2");
    EXPECT_EQ(child<QLineEdit>("Text3")->text(), u"");
    EXPECT_EQ(child<QComboBox>("Combo1")->currentText(), u"0.8");
    EXPECT_EQ(child<QComboBox>("Combo2")->currentText(), u"0.75");
    EXPECT_EQ(label("Label2"), u"");

    click("Command3");
    EXPECT_EQ(folder.messages(), QStringList({"読込む行番号を選択後にクリックして下さい。"}));
    grid()->clickCell(1, 3);
    click("Command3");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), u"1");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), u"盤１");
    EXPECT_EQ(child<QLineEdit>("Text4")->text(), u"5");
    EXPECT_EQ(child<QComboBox>("Combo2")->currentText(), u"0");
    EXPECT_EQ(label("Label2"), u"14.2");
}

TEST_F(Form16Gui, PromptsStopTheCalculationAndClearAllResetsTheGrid)
{
    type("Text3", QStringLiteral("10"));
    type("Text5", QStringLiteral("6"));
    type("Text7", QStringLiteral("0"));
    click("Command1");
    EXPECT_EQ(folder.messages(), QStringList({"不平衡です。負荷のバランスを調整してください。"}));
    EXPECT_EQ(label("Label2"), u"50");

    type("Text8", QStringLiteral("2"));
    child<QComboBox>("Combo3")->setEditText(QString());
    click("Command1");
    EXPECT_EQ(folder.messages().last(), u"Ｒ－Ｔ相の力率を設定して下さい。");
    EXPECT_EQ(label("Label2"), u"50");

    type("Text2", QStringLiteral("x"));
    trigger("IDM_ALLCLIA");
    EXPECT_EQ(folder.messages().last(), u"エラーが発生しました。Command2_Click");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), u"1");
    EXPECT_EQ(grid()->textMatrix(1, 11), u"");
    EXPECT_EQ(grid()->textMatrix(0, 11), u"不平衡率(%)");
}

TEST_F(Form16Gui, ResultFileStopsAtTheFirstRowWithoutARate)
{
    type("Text3", QStringLiteral("10"));
    type("Text5", QStringLiteral("6"));
    type("Text7", QStringLiteral("0"));
    click("Command1");
    type("Text2", QStringLiteral("3"));
    click("Command1");
    const QString path = folder.path(QStringLiteral("unbalanced.qvx"));
    folder.fake().fileAnswers << path;
    trigger("IDM_DSAVE");
    EXPECT_EQ(label("Label1"), u"計算結果データ－を保存しました。");
    EXPECT_EQ(test::readBytes(path).size(), 80000);

    trigger("IDM_ALLCLIA");
    folder.fake().fileAnswers << path;
    trigger("IDM_DOPEN");
    EXPECT_EQ(label("Label1"), u"ファイルより結果データ－を読み込みました。");
    EXPECT_EQ(grid()->textMatrix(1, 11), u"50");
    EXPECT_EQ(grid()->textMatrix(3, 11), u"50");
    EXPECT_EQ(grid()->textMatrix(3, 2), u"10");

    trigger("IDM_EXLSAVE");
    EXPECT_EQ(folder.fake().openedDocuments.size(), 1);
    EXPECT_TRUE(w->isEnabled());
}
