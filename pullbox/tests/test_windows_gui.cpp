// The pull-box windows and the tier-division screen as the user meets them:
// opened by form name, driven through their named controls and menu commands.

#include "busystate.h"
#include "cellfile.h"
#include "flexgrid.h"
#include "form27.h"
#include "pullboxfixture.h"
#include "pullboxwindow.h"
#include "registerPullbox.h"
#include "registry.h"
#include "testenv.h"

#include <QAction>
#include <QImage>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace kb;
using namespace kb::pullbox;
using kb::test::TestFolder;

namespace {

struct PullBoxGui : ::testing::Test
{
    TestFolder folder;
    Window *w = nullptr;

    void SetUp() override
    {
        pullbox::test::Database().write(folder.path("CABLE-PIPE.qvx"));
        WindowRegistry::instance().reset();
        registerPullboxWindows();
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    void open(const char *form) { w = openWindow(QString::fromLatin1(form)); }
    template<class T> T *child(const char *name) { return w->findChild<T *>(QLatin1String(name)); }
    void click(const char *button) { child<QPushButton>(button)->click(); }
    void trigger(const char *action) { child<QAction>(action)->trigger(); }
    QString text(const char *label) { return child<QLabel>(label)->text(); }
    QRadioButton *option(const char *array, int index)
    {
        for (QRadioButton *b : w->findChildren<QRadioButton *>(QLatin1String(array)))
            if (b->property("index").toInt() == index)
                return b;
        return nullptr;
    }
    void add(const char *size)
    {
        child<QComboBox>("Combo1")->setEditText(QString::fromUtf8(size));
        click("Command4");
    }
};

} // namespace

TEST_F(PullBoxGui, EachWindowOpensLoadedAndCalculates)
{
    struct Case
    {
        const char *form, *caption, *gridClear;
        bool tiers;
        QString W, D, H;
    } cases[] = {
        {"Form21", "水平左曲り", "IDM_GRCLIA", true, "W=200", "D=200", "H=100"},
        {"Form22", "水平右曲りPBOX", "IDM_GRCLIA", true, "W=200", "D=200", "H=100"},
        {"Form23", "ストレートPBOX計算", "IDM_GRCLIA", true, "W=200", "D=100", "H=100"},
        {"Form24", "立ち下げ", "IDM_GRCLIA", false, "W=200", "D=100", "H=100"},
        {"Form25", "左ねじりPBOX計算", "IDM_GRCLA", false, "W=200", "D=200", "H=200"},
        {"Form26", "右ねじりPBOX計算", "IDM_GRCLIA", false, "W=200", "D=200", "H=200"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.form);
        open(c.form);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->objectName(), c.form);
        EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_TRUE(w->isEnabled());
        EXPECT_FALSE(BusyState::isBusy(w));
        // Opening a window loads no other one.
        EXPECT_EQ(WindowRegistry::instance().isLoaded("Form21"), QLatin1String(c.form) == QLatin1String("Form21"));
        EXPECT_TRUE(option("Option1", 0)->isChecked());
        EXPECT_TRUE(option("Option2", 1)->isChecked());
        EXPECT_TRUE(option("Option3", 0)->isChecked());
        EXPECT_EQ(child<QPushButton>("Command6") != nullptr, c.tiers);
        EXPECT_EQ(child<QAction>("IDM_DAN") != nullptr, c.tiers);
        EXPECT_NE(child<QAction>(c.gridClear), nullptr);
        for (const char *name : {"IDM_PRINT", "IDM_END", "IDM_DENTAKU", "IDM_ANGL", "IDM_USAER"})
            EXPECT_NE(child<QAction>(name), nullptr) << name;

        for (const char *size : {"16", "22", "28"})
            add(size);
        click("Command2");
        EXPECT_EQ((QStringList{text("Label3"), text("Label4"), text("Label5")}), (QStringList{c.W, c.D, c.H}));
        trigger(c.gridClear);
        EXPECT_TRUE(child<FlexGrid>("MSFlexGrid1")->textMatrix(1, 0).isEmpty());
        trigger("IDM_END");
        EXPECT_FALSE(WindowRegistry::instance().isLoaded(c.form));
    }
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(u'|').toStdString();
}

TEST_F(PullBoxGui, ConditionsFollowMenusAndButtons)
{
    open("Form21");
    EXPECT_FALSE(child<QAction>("IDM_PRINT2")->isEnabled());
    EXPECT_EQ(child<QAction>("IDM_PRINT")->text(), "フォームを印刷");
    trigger("IDM_SETUYAKU");
    EXPECT_TRUE(option("Option1", 1)->isChecked());
    trigger("IDM_KYODEN");
    EXPECT_TRUE(option("Option2", 2)->isChecked());
    auto &m = static_cast<PullBoxWindow *>(w)->model();
    EXPECT_EQ(m.s.SUNPOU_MODE, 2);
    EXPECT_EQ(m.s.DENGEN_KUBUN, "ON");
    option("Option3", 2)->click();
    EXPECT_EQ(m.s.ANGURU_MODE, 3);
    option("Option2", 1)->click();
    EXPECT_EQ(m.s.DENGEN_KUBUN, "OFF");

    // The tier buttons and the settings display.
    add("19");
    click("Command6");
    EXPECT_EQ(child<QPushButton>("Command6")->text(), "3段目登録");
    trigger("IDM_DAN");
    EXPECT_EQ(child<QPushButton>("Command6")->text(), "2段目登録");
    trigger("IDM_SHOKI");
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid1")->textMatrix(2, 1), "30");

    click("Command3");
    EXPECT_EQ(child<QLineEdit>("Text2")->text(), "2");
    EXPECT_TRUE(folder.messages().isEmpty());
}

// Each window stands as its own design places and paints it (twips, &H00BBGGRR),
// not as a copy of the left-bend window.
TEST_F(PullBoxGui, EachWindowFollowsItsOwnLayout)
{
    struct Case
    {
        const char *form, *control;
        int left, top, width, height;
        quint32 colour; // 0: not checked
    } cases[] = {
        {"Form21", "Command2", 6240, 3480, 1335, 975, 0x000080FF},
        {"Form21", "Frame3", 3480, 5400, 1455, 1095, 0x00FFFFC0},
        {"Form22", "Command6", 6240, 3000, 1335, 375, 0x0080FFFF},
        {"Form22", "Frame2", 3480, 5220, 1455, 1455, 0x00C0FFC0},
        {"Form22", "Frame1", 6240, 960, 1335, 1935, 0x0000FF00},
        {"Form22", "MSFlexGrid1", 7800, 570, 3855, 5535, 0},
        {"Form23", "Command3", 6240, 4500, 1335, 495, 0x0000FF00},
        {"Form23", "Command1", 6360, 5280, 1215, 855, 0x0080FF80},
        {"Form23", "Label9", 7920, 240, 3975, 495, 0x00FFFFFF},
        {"Form24", "Command5", 7800, 5160, 1335, 975, 0},
        {"Form24", "Label9", 6240, 3000, 1335, 495, 0},
        {"Form25", "Command2", 6240, 3480, 1335, 975, 0x0000FF00},
        {"Form25", "Label9", 6240, 3000, 1335, 495, 0x00C0C0FF},
        {"Form25", "MSFlexGrid1", 7680, 420, 4335, 4575, 0},
        {"Form26", "Command5", 7680, 5160, 1335, 975, 0x0080C0FF},
        {"Form26", "Frame1", 6240, 960, 1335, 1935, 0x00FF8080},
    };
    auto px = [](int twips) { return FlexGrid::twipsToPixels(twips); };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.control);
        open(c.form);
        QWidget *control = child<QWidget>(c.control);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->geometry(), QRect(px(c.left), px(c.top), px(c.width), px(c.height)));
        if (c.colour) {
            const QColor expected(c.colour & 0xFF, (c.colour >> 8) & 0xFF, (c.colour >> 16) & 0xFF);
            const auto role = qobject_cast<QPushButton *>(control) ? QPalette::Button : QPalette::Window;
            EXPECT_EQ(control->palette().color(role), expected);
        }
        trigger("IDM_END");
    }
    open("Form27");
    EXPECT_EQ(child<QPushButton>("Command5")->palette().color(QPalette::Button), QColor(0xFF, 0x80, 0x00));
}

TEST_F(PullBoxGui, TierDivisionScreen)
{
    open("Form27");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), "段数分割計算");
    EXPECT_EQ(child<QPushButton>("Command1")->text(), "下段・太い順");
    child<QComboBox>("Combo2")->setEditText("3");
    click("Command5");
    child<QComboBox>("Combo1")->setEditText("104");
    child<QComboBox>("Combo2")->setEditText("1");
    click("Command5");
    click("Command1");
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid1")->textMatrix(1, 1), "281");
    EXPECT_EQ(text("Label4"), "40  40  281");
    EXPECT_EQ(child<FlexGrid>("MSFlexGrid2")->textMatrix(4, 1), "104");
    trigger("IDM_END");
    EXPECT_FALSE(WindowRegistry::instance().isLoaded("Form27"));
}

// After a calculation each window shows its own box: the pictures of the six
// geometries differ, and the result labels stand on the picture.
TEST_F(PullBoxGui, EachWindowPicturesItsOwnBox)
{
    QList<QImage> pictures;
    for (const char *form : {"Form21", "Form22", "Form23", "Form24", "Form25", "Form26"}) {
        SCOPED_TRACE(form);
        open(form);
        w->resize(w->sizeHint().expandedTo(w->size()));
        w->show();
        for (const char *size : {"16", "22", "28"})
            add(size);
        if (child<QPushButton>("Command6")) {
            click("Command6");
            add("42");
            add("42");
        }
        click("Command2");
        QWidget *image = child<QWidget>("Image1");
        const QImage picture = w->centralWidget()->grab(image->geometry()).toImage();
        // KB_PICTURE_DIR keeps the pictures for a person to look at.
        if (qEnvironmentVariableIsSet("KB_PICTURE_DIR"))
            picture.save(qEnvironmentVariable("KB_PICTURE_DIR") + QStringLiteral("/pullbox-%1.png").arg(QLatin1String(form)));
        for (const char *label : {"Label3", "Label4", "Label5", "Label6", "Label7", "Label8"}) {
            QLabel *l = child<QLabel>(label);
            EXPECT_FALSE(l->text().isEmpty()) << label;
            EXPECT_TRUE(image->geometry().contains(l->geometry())) << label;
        }
        for (const QImage &other : pictures)
            EXPECT_NE(picture, other);
        pictures << picture;
        trigger("IDM_END");
    }
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(u'|').toStdString();
}
