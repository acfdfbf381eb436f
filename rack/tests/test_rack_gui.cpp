#include "flexgrid.h"
#include "form17.h"
#include "form19.h"
#include "rackdrawing.h"
#include "rackfixture.h"
#include "registerRack.h"
#include "registry.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kb;
using namespace kb::test;

namespace {

struct RackGui : ::testing::Test
{
    TestFolder folder;
    Window *w = nullptr;

    void SetUp() override
    {
        writeDatabase(rackFixture());
        WindowRegistry::instance().reset();
        registerRackWindows();
    }
    void TearDown() override { WindowRegistry::instance().reset(); }
    void open(const QString &form)
    {
        w = openWindow(form);
        ASSERT_NE(w, nullptr);
    }

    template<class T> T *child(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    void setCombo(const char *name, const QString &text) { child<QComboBox>(name)->setEditText(text); }
    QString text(const char *name)
    {
        if (auto *l = child<QLabel>(name))
            return l->text();
        if (auto *e = child<QLineEdit>(name))
            return e->text();
        return child<QComboBox>(name)->currentText();
    }
};

} // namespace

TEST_F(RackGui, RackWindowRegistersCalculatesAndRecalculates)
{
    open(u"Form17"_qs);
    EXPECT_EQ(w->windowTitle(), u"ケーブルラック幅計算");
    EXPECT_EQ(text("Label10"), u"低圧電線・ケーブル");
    EXPECT_TRUE(child<QComboBox>("Combo1")->isHidden());
    EXPECT_FALSE(child<QAction>("IDM_TAISHIN")->isEnabled());
    EXPECT_FALSE(child<QAction>("IDM_KEISAN")->isEnabled());
    EXPECT_EQ(child<QAction>("IDM_KEISAN")->text(), u"耐震計算");
    EXPECT_EQ(child<QAction>("IDM_TAISHIN")->text(), u"耐震計算");
    EXPECT_NE(child<QAction>("IDM_EMKOATU"), nullptr);

    setCombo("Combo3", u"CV2-2C"_qs);
    setCombo("Combo5", u"2"_qs);
    click("Command1");
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid1")->textMatrix(1, 3), u"26");
    click("Command2");
    EXPECT_FALSE(child<QComboBox>("Combo1")->isHidden());
    EXPECT_EQ(text("Text4"), u"200");
    EXPECT_EQ(text("Combo4"), u"0.85");
    EXPECT_EQ(text("Label7"), u"吊り間重量 12.2 kg");
    EXPECT_EQ(text("Label11"), u"インサートは３分です");

    setCombo("Combo1", u"1.5"_qs);
    click("Command2");
    EXPECT_EQ(text("Label7"), u"吊り間重量 9.2 kg");

    child<QAction>("IDM_JAKU")->trigger();
    EXPECT_EQ(text("Label10"), u"弱電ケーブル");
    child<QAction>("IDM_END")->trigger();
    EXPECT_FALSE(WindowRegistry::instance().isLoaded(u"Form17"_qs));

    open(u"Form17"_qs); // a new opening: empty list, number 1, hidden conditions, results kept
    EXPECT_EQ(text("Text2"), u"1");
    EXPECT_TRUE(child<QComboBox>("Combo1")->isHidden());
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid1")->textMatrix(1, 0), u"");
    EXPECT_EQ(qobject_cast<Form17 *>(w)->model().num.RACK_JURYO, 53);
    EXPECT_TRUE(folder.messages().isEmpty());
    EXPECT_TRUE(w->isEnabled());
}

TEST_F(RackGui, RacewayWindowChecksThroughItsWidgets)
{
    open(u"Form19"_qs);
    EXPECT_EQ(w->windowTitle(), u"レースウェイ計算");
    EXPECT_EQ(text("Combo2"), u"FL40Wx2");
    EXPECT_FALSE(child<QAction>("IDM_TAISHIN")->isEnabled());
    EXPECT_EQ(child<QAction>("IDM_KOUATU"), nullptr);
    setCombo("Combo3", u"CV2-2C"_qs);
    click("Command1");
    child<QAction>("IDM_DPONE")->trigger();
    click("Command2");
    EXPECT_EQ(text("Label6"), u"100");
    EXPECT_EQ(text("Label11"), u"11.5(%)");
    EXPECT_EQ(text("Label1"), u"レースウェイは小型です。");
    EXPECT_TRUE(child<QComboBox>("Combo4")->isHidden());
    click("Command3");
    EXPECT_FALSE(child<QComboBox>("Combo4")->isHidden());
    EXPECT_EQ(text("Text2"), u"2");
    EXPECT_TRUE(folder.messages().isEmpty());
}

TEST_F(RackGui, DuctWindowOpensOnlyThroughTheRegistryAndClosesWithCloseAll)
{
    open(u"Form29"_qs);
    EXPECT_EQ(w->windowTitle(), u"ワイヤリングダクト計算");
    EXPECT_EQ(text("Label1"), u"ダクトの寸法を１００ピッチに設定しました。");
    EXPECT_EQ(child<QComboBox>("Combo7")->count(), 20);
    EXPECT_EQ(child<QAction>("IDM_KEISAN"), nullptr);
    EXPECT_EQ(child<QAction>("IDM_KENSASAKUJO")->text(), u"検索結果の削除");
    child<QAction>("IDM_PITCH50")->trigger();
    EXPECT_EQ(child<QComboBox>("Combo6")->count(), 19);
    setCombo("Combo3", u"CV2-2C"_qs);
    setCombo("Combo5", u"2"_qs);
    click("Command1");
    click("Command2");
    EXPECT_EQ(text("Label15"), u"１段");
    EXPECT_FALSE(child<QComboBox>("Combo8")->isHidden());
    WindowRegistry::instance().closeAll({u"Form29"_qs});
    EXPECT_FALSE(WindowRegistry::instance().isLoaded(u"Form29"_qs));
}

TEST_F(RackGui, PicturesDrawTheirMarksWhereTheBoxesOfTheQuantitiesStand)
{
    using S = RackDrawing::Subject;
    // A point on each dimension arrow, in window twips: the arrow lies next to its boxes.
    const struct { const char16_t *form; S subject; QPoint mark; const char *quantity; } cases[] = {
        {u"Form17", S::LadderRack, {2040, 1200}, "interval"},
        {u"Form17", S::LadderRack, {1500, 4740}, "cable spacing"},
        {u"Form17", S::LadderRack, {3000, 4920}, "rack width"},
        {u"Form19", S::Raceway, {1800, 1020}, "interval"},
        {u"Form19", S::Raceway, {1860, 2640}, "fixture spacing"},
        {u"Form29", S::WiringDuct, {3120, 1710}, "interval"},
        {u"Form29", S::WiringDuct, {1440, 3240}, "height"},
        {u"Form29", S::WiringDuct, {2820, 3990}, "width"},
    };
    for (const auto &c : cases) {
        open(QString::fromUtf16(c.form));
        auto *picture = child<RackDrawing>("Image1");
        ASSERT_NE(picture, nullptr) << c.quantity;
        EXPECT_EQ(picture->subject(), c.subject);
        const QImage image = picture->grab().toImage();
        const QPoint centre = (c.mark - picture->geometry().topLeft() * 15) / 15;
        bool marked = false;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                const QColor px = image.pixelColor(centre + QPoint(dx, dy));
                marked = marked || (px.blue() > 120 && px.red() < 100 && px.green() < 100);
            }
        EXPECT_TRUE(marked) << c.quantity;
    }
}
