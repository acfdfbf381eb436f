// The fire-alarm windows on screen: the frame with its menus and the title they
// set, the modal calculators, and one calculator driven through its controls.

#include "cellfile.h"
#include "detectorwindow.h"
#include "firealarmmenus.h"
#include "flexgrid.h"
#include "pictures.h"
#include "refdata.h"
#include "registerFirealarm.h"
#include "registry.h"
#include "testenv.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kb;

namespace {

class FireAlarmGui : public ::testing::Test
{
protected:
    test::TestFolder folder;

    void SetUp() override
    {
        registerFirealarmWindows();
        setAppTitle(QStringLiteral("Kembrel"));
        TextTable t = emptyTable(db::Kahou);
        const QStringList site{"本社ビル", "耐火", "2", "1", "1", "1", "煙感知器", "4m未満", "0.4m未満"};
        for (int c = 0; c < site.size(); ++c)
            t.set(c + 1, 11, site.at(c));
        const QStringList room{"事務室", "S", "4m未満", "0.4m未満", "1"};
        for (int c = 0; c < room.size(); ++c)
            t.set(c + 1, 51, room.at(c));
        t.set(1, 52, QStringLiteral("END"));
        writeTable(databasePath(db::Kahou), 300, 10, t);
    }
    void TearDown() override { WindowRegistry::instance().reset(); }

    static Window *loaded(const char *name) { return WindowRegistry::instance().window(QString::fromLatin1(name)); }
    template<class T> static T *child(QWidget *w, const QString &name)
    {
        T *c = w->findChild<T *>(name);
        EXPECT_NE(c, nullptr) << name.toStdString();
        return c;
    }
    static void click(QWidget *w, const char *button) { child<QAbstractButton>(w, QString::fromLatin1(button))->click(); }
    static void trigger(QWidget *w, const char *action) { child<QAction>(w, QString::fromLatin1(action))->trigger(); }
    static void setText(QWidget *w, const char *box, const QString &text) { child<QLineEdit>(w, QString::fromLatin1(box))->setText(text); }
    static void setCombo(QWidget *w, const char *combo, const QString &text)
    {
        child<QComboBox>(w, QString::fromLatin1(combo))->setEditText(text);
    }
    static QString text(QWidget *w, const char *box) { return child<QLineEdit>(w, QString::fromLatin1(box))->text(); }
};

TEST_F(FireAlarmGui, FrameMenusAndTitle)
{
    auto *frame = qobject_cast<MDIForm1 *>(openWindow(QStringLiteral("MDIForm1")));
    ASSERT_NE(frame, nullptr);
    // A maximized menu child adds its caption to the frame's, as a frame window does.
    EXPECT_TRUE(frame->windowTitle().startsWith(QStringLiteral("火災報知設備計算"))) << frame->windowTitle().toStdString();
    EXPECT_EQ(appTitle(), "メインメニュー");
    Window *menuA = loaded("FrmMENUA");
    ASSERT_NE(menuA, nullptr);
    EXPECT_EQ(menuA->windowTitle(), "メインメニュー");
    EXPECT_EQ(child<QLabel>(menuA, "Label1")->text(), "絵をクリックして下さい。");
    EXPECT_EQ(frame->area()->subWindowList().size(), 1);

    // The frame has no menu of its own: its bar shows the active child's menus.
    auto frameMenus = [frame] {
        QStringList names;
        for (QAction *a : frame->menuBar()->actions())
            names << (a->menu() ? a->menu()->parent()->parent()->objectName() + QLatin1Char('.') + a->menu()->objectName() : QString());
        return names;
    };
    EXPECT_EQ(frameMenus(), QStringList{"FrmMENUA.IDM_FILE"});
    EXPECT_TRUE(menuA->menuBar()->isHidden());

    click(menuA, "Command1"); // no action
    EXPECT_EQ(appTitle(), "メインメニュー");
    click(menuA, "Command3");
    Window *menuC = loaded("FrmMENUC");
    ASSERT_NE(menuC, nullptr);
    EXPECT_EQ(frameMenus(), QStringList{"FrmMENUC.IDM_FILE"});
    EXPECT_TRUE(menuC->menuBar()->isHidden());
    EXPECT_EQ(appTitle(), "感知器計算");
    EXPECT_EQ(menuC->windowTitle(), "感知器計算");
    EXPECT_EQ(child<QLabel>(menuC, "Label1")->text(), "感知器計算メニュー");
    click(menuA, "Command3"); // again: only the caption
    EXPECT_EQ(frame->area()->subWindowList().size(), 2);

    click(menuA, "Command2");
    Window *form10 = loaded("Form10");
    ASSERT_NE(form10, nullptr);
    EXPECT_FALSE(form10->isVisible());
    EXPECT_EQ(form10->windowTitle(), "無窓階チェック");
    EXPECT_EQ(appTitle(), "無窓階チェック");

    folder.fake().printFile.clear(); // the printer dialog is cancelled
    trigger(menuA, "IDM_PRINT");
    trigger(menuC, "IDM_PRINT");
    EXPECT_EQ(folder.messages(), (QStringList{"プリントを中止しました。IDM_PRINT", "エラーが発生しました。IDM_PRINT"}));
    EXPECT_EQ(folder.fake().captions.last(), "無窓階チェック");

    trigger(menuC, "IDM_END");
    QCoreApplication::processEvents();
    EXPECT_EQ(frameMenus(), QStringList{"FrmMENUA.IDM_FILE"}); // the other child's menus come back
    click(menuA, "Command3");
    menuC = loaded("FrmMENUC");
    trigger(menuA, "IDM_END");
    QCoreApplication::processEvents();
    EXPECT_EQ(loaded("FrmMENUA"), nullptr);
    EXPECT_NE(loaded("MDIForm1"), nullptr);
    EXPECT_NE(loaded("FrmMENUC"), nullptr);
    EXPECT_EQ(frameMenus(), QStringList{"FrmMENUC.IDM_FILE"});
    trigger(menuC, "IDM_END");
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame->menuBar()->actions().isEmpty()); // an empty frame shows no menu

    frame->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(loaded("FrmMENUC"), nullptr);
    EXPECT_EQ(loaded("MDIForm1"), nullptr);
    EXPECT_NE(loaded("Form10"), nullptr);

    openWindow(QStringLiteral("MDIForm1"));
    EXPECT_EQ(appTitle(), "メインメニュー");
    EXPECT_NE(loaded("FrmMENUA"), nullptr);
}

TEST_F(FireAlarmGui, FrameAndItsMenusShowTheProgramsIcon)
{
    auto *frame = qobject_cast<MDIForm1 *>(openWindow(QStringLiteral("MDIForm1")));
    ASSERT_NE(frame, nullptr);
    click(loaded("FrmMENUA"), "Command3");
    QCoreApplication::processEvents();
    const QImage icon = programIcon().pixmap(16).toImage();
    // The maximised child's icon stands at the left end of the frame's menu bar.
    QWidget *childIcon = frame->menuBar()->cornerWidget(Qt::TopLeftCorner);
    ASSERT_NE(childIcon, nullptr);
    EXPECT_EQ(childIcon->windowIcon().pixmap(16).toImage(), icon);
    for (const char *name : {"MDIForm1", "FrmMENUA", "FrmMENUC"})
        EXPECT_EQ(loaded(name)->windowIcon().pixmap(16).toImage(), icon) << name;
}

TEST_F(FireAlarmGui, MenuButtonsShowPicturesLikeTheOtherMenus)
{
    openWindow(QStringLiteral("MDIForm1"));
    click(loaded("FrmMENUA"), "Command3");
    // Each button that opens or names something has a picture of its own; the spare
    // ones and the one without a caption share the spare picture of the other menus.
    const QImage spare = pictureIcon(Picture::Spare).pixmap(kPictureSize).toImage();
    QList<QImage> seen{spare};
    for (const char *menu : {"FrmMENUA", "FrmMENUC"})
        for (int n = 1; n <= 8; ++n) {
            const QString name = QStringLiteral("Command%1").arg(n);
            auto *button = child<QToolButton>(loaded(menu), name);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->iconSize(), QSize(kPictureSize, kPictureSize)) << menu << n;
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon) << menu << n;
            const QImage picture = button->icon().pixmap(kPictureSize).toImage();
            EXPECT_EQ(picture.size(), QSize(kPictureSize, kPictureSize)) << menu << n;
            if (button->text().isEmpty() || button->text() == QStringLiteral("予備")) {
                EXPECT_EQ(picture, spare) << menu << n;
            } else {
                EXPECT_FALSE(seen.contains(picture)) << menu << n;
                seen << picture;
            }
        }
    EXPECT_EQ(seen.size(), 1 + 7 + 6);
}

TEST_F(FireAlarmGui, DetectorMenuOpensCalculatorsModally)
{
    openWindow(QStringLiteral("MDIForm1"));
    click(loaded("FrmMENUA"), "Command3");
    Window *menuC = loaded("FrmMENUC");
    for (const char *form : {"Frm1", "Frm2", "Frm3", "Form4"}) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            Window *calc = loaded(form);
            seen = calc && calc->isVisible() && calc->isModal();
            if (calc) {
                EXPECT_EQ(child<QPushButton>(calc, QStringLiteral("Command3"))->text(), "検　索");
                click(calc, "Command1"); // no row picked: a box with the detector menu's title
                EXPECT_EQ(folder.fake().captions.last(), "感知器計算");
                trigger(calc, "IDM_END");
            }
        });
        const int n = QByteArray(form) == "Form4" ? 4 : QByteArray(form).right(1).toInt();
        click(menuC, QStringLiteral("Command%1").arg(n).toLatin1().constData());
        EXPECT_TRUE(seen) << form;
        QCoreApplication::processEvents();
        EXPECT_EQ(loaded(form), nullptr) << form;
    }
    EXPECT_EQ(folder.messages().size(), 4);
}

TEST_F(FireAlarmGui, CalculatorLooksUpCalculatesAndKeepsItsRows)
{
    Window *w = openWindow(QStringLiteral("Frm1"));
    EXPECT_EQ(w->windowTitle(), "感知器台数計算(一般居室)");
    EXPECT_EQ(text(w, "Text1"), "1");
    EXPECT_FALSE(child<QLineEdit>(w, QStringLiteral("Text7"))->isEnabled());
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("Combo4"))->itemText(0), "本社ビル");
    setCombo(w, "Combo4", QStringLiteral("本社ビル"));
    setCombo(w, "Combo5", QStringLiteral("事務室"));
    setText(w, "Text4", QStringLiteral("10"));
    setText(w, "Text5", QStringLiteral("20"));
    click(w, "Command3");
    EXPECT_TRUE(child<QRadioButton>(w, QStringLiteral("Option1(2)"))->isChecked());
    EXPECT_TRUE(child<QRadioButton>(w, QStringLiteral("Option2(0)"))->isChecked());
    EXPECT_EQ(child<QComboBox>(w, QStringLiteral("Combo1"))->currentText(), "煙感知器");
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label16"))->text(), "感知器、天井及び梁の高さを確認後「計算」をクリックして下さい。");

    // Enter in a combo box presses 計算 once: one box for the missing room name.
    setCombo(w, "Combo5", QString());
    EXPECT_TRUE(folder.messages().isEmpty());
    QTest::keyClick(child<QComboBox>(w, QStringLiteral("Combo4"))->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(folder.messages(), QStringList{"現場名称及び部屋名称を入力して下さい。"});
    folder.fake().messages.clear();
    setCombo(w, "Combo5", QStringLiteral("事務室"));

    QTest::keyClick(child<QLineEdit>(w, QStringLiteral("Text4")), Qt::Key_Return); // Enter presses 計算
    EXPECT_EQ(text(w, "Text7"), "2");
    EXPECT_TRUE(child<QLineEdit>(w, QStringLiteral("Text7"))->isEnabled());
    auto *grid = child<FlexGrid>(w, QStringLiteral("MSFlexGrid1"));
    EXPECT_EQ(grid->textMatrix(1, 6), "0.6m未満");
    EXPECT_EQ(grid->textMatrix(1, 8), "２種");

    // Save, clear the table, open again.
    const QString file = folder.path(QStringLiteral("rooms.qvx"));
    folder.fake().fileAnswers = {file, file};
    trigger(w, "IDM_DSAVE");
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1"))->text(), "計算結果データ－を保存しました。");
    trigger(w, "IDM_GRCLA");
    EXPECT_EQ(grid->textMatrix(1, 1), "");
    trigger(w, "IDM_DOPEN");
    EXPECT_EQ(grid->textMatrix(1, 10), "2");
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1"))->text(), "ファイルより結果データ－を読み込みました。");

    // The export opens one workbook and gives the window back.
    trigger(w, "IDM_EXLSAVE");
    EXPECT_EQ(folder.fake().openedDocuments.size(), 1);
    EXPECT_TRUE(w->isEnabled());

    // The picked row outlives the window.
    grid->clickCell(1, 3);
    trigger(w, "IDM_END");
    QCoreApplication::processEvents();
    w = openWindow(QStringLiteral("Frm1"));
    EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1"))->text(), "感知器台数計算　(一般居室)");
    EXPECT_EQ(child<FlexGrid>(w, QStringLiteral("MSFlexGrid1"))->textMatrix(1, 1), "");
    click(w, "Command1");
    EXPECT_EQ(text(w, "Text1"), "1");
    EXPECT_EQ(text(w, "Text4"), "0");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join('\n').toStdString();
}

// A box of the calculation stands over the window as the calculation has left it
// so far: a refused narrow room shows no width, depth or earlier count behind it.
TEST_F(FireAlarmGui, NarrowRoomBoxStandsOverEmptiedBoxes)
{
    struct Watching : FakeDialogs
    {
        std::function<void()> onMessage;
        void message(const QString &text) override
        {
            FakeDialogs::message(text);
            onMessage();
        }
    } watching;
    Window *w = openWindow(QStringLiteral("Frm1"));
    QStringList shownOver;
    watching.onMessage = [&] {
        QStringList texts;
        for (const char *box : {"Text4", "Text5", "Text3", "Text6", "Text7"})
            texts << text(w, box);
        shownOver << texts.join('|');
        EXPECT_FALSE(child<QLineEdit>(w, QStringLiteral("Text7"))->isEnabled());
    };
    setDialogs(&watching);

    setCombo(w, "Combo4", QStringLiteral("本社ビル"));
    setCombo(w, "Combo5", QStringLiteral("事務室"));
    setText(w, "Text4", QStringLiteral("10"));
    setText(w, "Text5", QStringLiteral("20"));
    click(w, "Command3");
    child<QRadioButton>(w, QStringLiteral("Option1(3)"))->click(); // smoke ３種: narrow from 20 m
    click(w, "Command2");
    EXPECT_EQ(text(w, "Text7"), "4");
    setText(w, "Text4", QStringLiteral("2"));
    click(w, "Command2");
    setDialogs(&folder.fake());
    EXPECT_EQ(watching.messages, QStringList{"間口が３m未満の部屋は細長い部屋にて計算して下さい。"});
    EXPECT_EQ(shownOver, QStringList{"||||"});
}

TEST_F(FireAlarmGui, VariantsShowTheirTypeAndColours)
{
    auto colour = [](QWidget *w, QPalette::ColorRole role) { return w->palette().color(role).name(); };
    struct Case
    {
        const char *form;
        double title, buttons;
        const char *search, *calc, *next, *reload, *headings, *resultsFace;
    };
    const Case cases[] = {
        {"Frm1", 14.25, 15.75, "#ff8000", "#8080ff", "#ffff00", "#ffc080", "#ffffff", "IPAPMincho"},
        {"Frm2", 14.25, 15.75, "#ff8000", "#8080ff", "#ffff00", "#8080ff", "#ffffff", "IPAPMincho"},
        {"Frm3", 14.25, 15.75, "#ff8000", "#8080ff", "#ffff00", "#ffc080", "#c0ffff", "IPAPMincho"},
        {"Form4", 15.75, 14.25, "#ff8080", "#ff8080", "#ff8080", "#8080ff", "", "IPAPGothic"},
    };
    for (const Case &c : cases) {
        Window *w = openWindow(QString::fromLatin1(c.form));
        EXPECT_EQ(child<QLabel>(w, QStringLiteral("Label1"))->font().pointSizeF(), c.title) << c.form;
        EXPECT_EQ(child<QLineEdit>(w, QStringLiteral("Text7"))->font().pointSizeF(), 14.25) << c.form;
        EXPECT_EQ(child<QLineEdit>(w, QStringLiteral("Text4"))->font().pointSizeF(), 12) << c.form;
        EXPECT_EQ(child<QLineEdit>(w, QStringLiteral("Text4"))->font().family(), "IPAPGothic") << c.form;
        auto *search = child<QPushButton>(w, QStringLiteral("Command3"));
        EXPECT_EQ(search->font().pointSizeF(), c.buttons) << c.form;
        EXPECT_EQ(child<QPushButton>(w, QStringLiteral("Command2"))->font().pointSizeF(), c.buttons) << c.form;
        EXPECT_EQ(colour(search, QPalette::Button), c.search) << c.form;
        EXPECT_EQ(colour(child<QPushButton>(w, QStringLiteral("Command2")), QPalette::Button), c.calc) << c.form;
        EXPECT_EQ(colour(child<QPushButton>(w, QStringLiteral("Command4")), QPalette::Button), c.next) << c.form;
        EXPECT_EQ(colour(child<QPushButton>(w, QStringLiteral("Command1")), QPalette::Button), c.reload) << c.form;
        auto *grid = child<FlexGrid>(w, QStringLiteral("MSFlexGrid1"));
        if (*c.headings)
            EXPECT_EQ(colour(grid->verticalHeader(), QPalette::Button), c.headings) << c.form;
        else // the system's button face
            EXPECT_EQ(grid->verticalHeader()->palette().color(QPalette::Button), QApplication::palette().color(QPalette::Button));
        const char *results = QByteArray(c.form) == "Form4" ? "Frame3" : "Frame1";
        EXPECT_EQ(child<QWidget>(w, QString::fromLatin1(results))->font().family(), c.resultsFace) << c.form;
        EXPECT_EQ(child<QLineEdit>(w, QStringLiteral("Text3"))->font().family(), "IPAPGothic") << c.form;
    }
}

TEST_F(FireAlarmGui, VariantsDifferInMenusEnterAndPrintText)
{
    Window *w = openWindow(QStringLiteral("Form4"));
    EXPECT_EQ(child<QAction>(w, QStringLiteral("IDM_OFFICE"))->text(), "事務所");
    EXPECT_EQ(child<QAction>(w, QStringLiteral("IDM_GRCLA"))->text(), "表をクリア");
    EXPECT_NE(w->findChild<QLineEdit *>(QStringLiteral("Text2")), nullptr);
    setText(w, "Text4", QStringLiteral("10"));
    QTest::keyClick(child<QLineEdit>(w, QStringLiteral("Text4")), Qt::Key_Return);
    EXPECT_TRUE(folder.messages().isEmpty()); // Enter does not press 計算 here

    Window *narrow = openWindow(QStringLiteral("Frm2"));
    EXPECT_EQ(narrow->findChild<QLineEdit *>(QStringLiteral("Text6")), nullptr);
    EXPECT_EQ(child<QAction>(narrow, QStringLiteral("IDM_PRINT"))->text(), "印刷");
    trigger(narrow, "IDM_PRINT");
    EXPECT_EQ(folder.messages(), QStringList{"プリントを中止しました｡IDM_PRINT \""});

    Window *row = openWindow(QStringLiteral("Frm3"));
    EXPECT_NE(row->findChild<QMenu *>(QStringLiteral("IDM_HYIUJI")), nullptr);
    trigger(row, "IDM_HOSPITAL");
    EXPECT_EQ(child<QComboBox>(row, QStringLiteral("Combo5"))->count(), 4); // 事務室, END, empty; an empty hospital block
}

} // namespace
