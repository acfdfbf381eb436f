// Every registered window driven from the keyboard: where the focus starts, the
// Tab order, long texts in boxes without the focus, and the focus after a busy step.

#include "detectorwindow.h"
#include "flexgrid.h"
#include "programtest.h"
#include "testenv.h"
#include "window.h"
#include "windows.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace kb;

namespace {

using Keyboard = test::ProgramTest;

// The controls a key stops at from the focus, the focus first, until it comes back
// there (or stops coming back: then the list ends where it went astray).
QWidgetList walk(Qt::Key key)
{
    QWidget *const start = QApplication::focusWidget();
    QWidgetList stops{start};
    for (int i = 0; i < 100 && QApplication::focusWidget(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), key);
        if (QApplication::focusWidget() == start)
            return stops;
        stops << QApplication::focusWidget();
    }
    stops << nullptr;
    return stops;
}

QString names(const QWidgetList &widgets)
{
    QStringList out;
    for (const QWidget *w : widgets)
        out << (w ? w->objectName() : QStringLiteral("(none)"));
    return out.join(QLatin1Char(' '));
}

bool isInput(const QWidget *w)
{
    return qobject_cast<const QLineEdit *>(w) || qobject_cast<const QComboBox *>(w);
}

} // namespace

TEST_F(Keyboard, EveryWindowOpensInItsFirstInputAndTabWalksItsControlsOnceInReadingOrder)
{
    const char *voltageDrop = "Text2 Text3 Combo3 Combo1 Text1 Text4 Combo2 Command1 Command2 Combo4 Combo5 Command3 MSFlexGrid1";
    const char *detector = "Text1 Combo4 Combo5 Text4 Text5 Command3 Combo1 Combo2 Combo3 Option2(0) Option1(0) Command2 Command4 "
                           "Command1 MSFlexGrid1";
    const char *rack = "Text2 Text1 Combo3 Command7 Combo5 Command1 MSFlexGrid1";
    const char *pullBoxStart = "Text2 Text1 Combo1 Command4";
    const char *pullBoxEnd = "Command5 Command1 MSFlexGrid1";
    const char *menu8 = "Command1 Command2 Command3 Command4 Command5 Command6 Command7 Command8";
    // The first name is the control the window opens in; Tab goes on from it along
    // the list and back to it.
    const struct
    {
        const char *form;
        QString order;
    } cases[] = {
        {"Form5", menu8},
        {"Form6", menu8},
        {"Form13", "Command1 Command2 Command3 Command4 Command5 Command6"},
        {"Form20", menu8},
        {"Form8", "Text1 Text2 Text3 Text4 Text5 Command1 Command2 Command3 Command4 Command5 Command6 Command7 MSFlexGrid1"},
        {"Form1", "Combo3 Combo5 Command7 Command1 Command5 Command11 Command10 Command4 Command3 Command2 Text1 MSFlexGrid1 Command6"},
        {"Form3", voltageDrop},
        {"Form9", voltageDrop},
        {"Form14", voltageDrop},
        {"Form15", "Text2 Text3 Combo3 Combo1 Text1 Text4 Command1 Command2 Combo4 Combo5 Command3 MSFlexGrid1"},
        {"Form16", "Text2 Text1 Text3 Text4 Combo1 Text5 Text6 Combo2 Text7 Text8 Combo3 Command1 Command2 Command3 MSFlexGrid1"},
        {"Form7", "Combo1 Combo2 Combo3 Text2 Text3 Combo4 Text1 Combo5 Combo6 Command1 Command2 Command4 Command5 MSFlexGrid1"},
        {"Form11", "Text2 Text3 Option1(0) Combo1 Option3(0) Combo2 Option2(0) Command1 Command2 Command5 MSFlexGrid1"},
        {"Form12", "Text2 Text3 Combo5 Combo4 Combo3 Text1 Text4 Combo2 Combo1 Text8 Text9 Text10 Command1 Command2 Command3 Command5 "
                   "MSFlexGrid1"},
        {"Form17", QString::fromLatin1(rack) + " Text3 Text4 Command2 Command3"},
        {"Form19", QString::fromLatin1(rack) + " Combo1 Combo4 Combo6 Combo2 Command2 Command3"},
        {"Form29", QString::fromLatin1(rack) + " Combo1 Combo6 Combo7 Text3 Command2 Command3"},
        // The option frames of the lower row: 4 (Option3), then 2 and 3 in each window's own places.
        {"Form21", QString("%1 Command6 Command2 Command3 Option3 Option1 Option2 %2").arg(pullBoxStart, pullBoxEnd)},
        {"Form22", QString("%1 Command6 Command2 Command3 Option3 Option2 Option1 %2").arg(pullBoxStart, pullBoxEnd)},
        {"Form23", QString("%1 Command6 Command2 Command3 Option3 Option2 Option1 %2").arg(pullBoxStart, pullBoxEnd)},
        {"Form24", QString("%1 Command2 Command3 Option3 Option2 Option1 %2").arg(pullBoxStart, pullBoxEnd)},
        {"Form25", QString("%1 Command2 Command3 Option3 Option1 Option2 %2").arg(pullBoxStart, pullBoxEnd)},
        {"Form26", QString("%1 Command2 Command3 Option3 Option1 Option2 %2").arg(pullBoxStart, pullBoxEnd)},
        {"Form27", "Combo1 Combo2 Command5 Combo3 Combo4 Option1 Command1 Command2 Command3 Command4 MSFlexGrid2 MSFlexGrid1"},
        // The frame's keyboard stays in the menu it shows.
        {"MDIForm1", menu8},
        {"FrmMENUA", menu8},
        {"FrmMENUC", menu8},
        {"Frm1", detector},
        {"Frm2", detector},
        {"Frm3", detector},
        {"Form4", "Text1 Combo4 Combo5 Text4 Text5 Command3 Combo1 Combo2 Combo3 Option2(0) Option1(0) Text2 Command2 Command4 Command1 "
                  "MSFlexGrid1"},
        {"Form10", "Combo1 Combo2 Combo3 Text1 Text2 Command1 Command2 Command3 Command4 Command5 Command6"},
    };
    QSet<QString> covered;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.form);
        covered << QLatin1String(c.form);
        Window *w = open(c.form);
        ASSERT_TRUE(w->isVisible());
        EXPECT_FALSE(w->menuBar()->actions().isEmpty());

        QWidget *first = QApplication::focusWidget();
        ASSERT_NE(first, nullptr);
        EXPECT_EQ(qobject_cast<FlexGrid *>(first), nullptr);
        const QWidgetList controls = w->tabStops();
        if (std::any_of(controls.begin(), controls.end(), isInput))
            EXPECT_TRUE(isInput(first)) << first->objectName().toStdString();

        const QWidgetList forward = walk(Qt::Key_Tab);
        EXPECT_EQ(names(forward), c.order);
        // Every control once, the grids included. An option group is one stop: its
        // checked option, or its first when none is checked.
        const QWidgetList stops = w->tabStops();
        EXPECT_EQ(QSet<QWidget *>(forward.begin(), forward.end()), QSet<QWidget *>(stops.begin(), stops.end()));
        EXPECT_EQ(forward.size(), stops.size());

        QWidgetList backward = walk(Qt::Key_Backtab);
        std::reverse(backward.begin() + 1, backward.end());
        EXPECT_EQ(names(backward), c.order) << "Shift+Tab";

        reg().close(QLatin1String(c.form));
        QApplication::processEvents();
    }
    for (const QString &name : closeAllOrder())
        if (reg().isRegistered(name))
            EXPECT_TRUE(covered.contains(name)) << name.toStdString();
}

TEST_F(Keyboard, ADetectorTypeLongerThanItsBoxShowsItsBeginning)
{
    auto *w = qobject_cast<DetectorWindow *>(open("Frm1"));
    ASSERT_NE(w, nullptr);
    auto *type = test::child<QComboBox>(w, "Combo1");
    QLineEdit *edit = type->lineEdit();
    const QString analog = QStringLiteral("熱アナログスポット");
    ASSERT_GT(edit->fontMetrics().horizontalAdvance(analog), edit->width()) << "the box must be too short for the text";

    // Read back from a row of the grid by データ読込み: set by the program.
    FlexGrid *grid = test::child<FlexGrid>(w, "MSFlexGrid1");
    grid->setTextMatrix(1, 7, analog);
    grid->clickCell(1, 3);
    test::child<QPushButton>(w, "Command1")->click();
    ASSERT_EQ(type->currentText(), analog);
    EXPECT_EQ(edit->cursorPosition(), 0);

    // Chosen by the user: the cursor at the end while the box has the focus, the
    // beginning shown again once Tab has left it.
    type->setFocus();
    type->setCurrentIndex(0); // another item first, so that choosing the type again changes the box
    type->setCurrentIndex(type->findText(analog));
    EXPECT_EQ(edit->cursorPosition(), analog.size());
    QTest::keyClick(type, Qt::Key_Tab);
    EXPECT_FALSE(type->hasFocus());
    EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(Keyboard, AfterAnExportOrASearchTheFocusIsBackInTheControlThatHadIt)
{
    // Both make the window busy, which takes the focus away from its controls.
    Window *drop = open("Form14");
    auto *load = test::child<QLineEdit>(drop, "Text4");
    for (const bool opens : {true, false}) {
        SCOPED_TRACE(opens ? "exported" : "the workbook did not open");
        folder.fake().openDocumentResult = opens;
        load->setFocus();
        test::child<QAction>(drop, "IDM_EXLSAVE")->trigger();
        EXPECT_EQ(folder.fake().openedDocuments.size(), opens ? 1 : 2);
        EXPECT_TRUE(drop->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), load);
    }
    EXPECT_EQ(folder.messages().size(), 1) << folder.messages().join(QLatin1Char('\n')).toStdString();

    Window *rack = open("Form17");
    auto *cable = test::child<QComboBox>(rack, "Combo3");
    cable->setEditText(cable->itemText(1));
    auto *search = test::child<QPushButton>(rack, "Command7");
    search->setFocus();
    QTest::keyClick(search, Qt::Key_Space);
    EXPECT_EQ(folder.messages().size(), 1) << folder.messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(QApplication::focusWidget(), search);
}

namespace {

// Types the keys into an editable combo box from empty, then leaves it by Tab.
void typeThenTab(QComboBox *box, const QString &keys)
{
    box->setFocus();
    box->lineEdit()->clear();
    QTest::keyClicks(box, keys);
    QTest::keyClick(box, Qt::Key_Tab);
}

// Keys that Qt's default completer would have turned into an item: the shortest
// beginning of an item that is not an item itself. Typing Japanese through keys
// is not possible here, so only items that begin with plain characters count.
QString beginningOfAnItem(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    for (const QString &item : std::as_const(items))
        for (qsizetype n = 1; n < item.size() && item.at(n - 1).unicode() > 0x20 && item.at(n - 1).unicode() < 0x7F; ++n)
            if (!items.contains(item.left(n), Qt::CaseInsensitive))
                return item.left(n);
    return {};
}

} // namespace

TEST_F(Keyboard, AComboBoxKeepsExactlyTheTypedTextWhenTabLeavesIt)
{
    // The cases the users met: the text each completed to is in the comments.
    const auto calculateRack = [] {
        QWidget *rack = QApplication::activeWindow();
        auto *cable = test::child<QComboBox>(rack, "Combo3");
        cable->setEditText(cable->itemText(1));
        test::child<QComboBox>(rack, "Combo5")->setEditText(QStringLiteral("1"));
        test::child<QPushButton>(rack, "Command1")->click();
        test::child<QPushButton>(rack, "Command2")->click(); // shows the condition boxes
    };
    const struct
    {
        const char *form, *combo, *keys;
        std::function<void()> prepare;
    } cases[] = {
        {"Form14", "Combo2", "0.8", {}}, // 0.85
        {"Form14", "Combo4", "1", {}}, // 10
        {"Form3", "Combo2", "0.7", {}}, // 0.75
        {"Form9", "Combo2", "0.6", {}}, // 0.65
        {"Form16", "Combo1", "0.8", {}}, // 0.85
        {"Form17", "Combo4", "0.9", calculateRack}, // 0.95
        {"Form17", "Combo1", "1", calculateRack}, // 1.9
        {"Form19", "Combo1", "1", {}}, // 1.5
        {"Form19", "Combo4", "1", {}}, // 1.5
        {"Form12", "Combo2", "150", {}}, // 1500
        {"Form1", "Combo3", "CV1", {}}, // CV14-2C
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.form) + " " + c.combo);
        Window *w = open(c.form);
        if (c.prepare)
            c.prepare();
        auto *box = test::child<QComboBox>(w, c.combo);
        ASSERT_TRUE(box->isVisible());
        typeThenTab(box, QLatin1String(c.keys));
        EXPECT_FALSE(box->hasFocus());
        EXPECT_EQ(box->currentText(), QLatin1String(c.keys));
        reg().close(QLatin1String(c.form));
        QApplication::processEvents();
    }

    // Every other editable box of every window, with the beginning of one of its items.
    for (const QString &form : closeAllOrder()) {
        if (!reg().isRegistered(form))
            continue;
        Window *w = open(form.toLatin1().constData());
        for (QComboBox *box : w->findChildren<QComboBox *>()) {
            const QString keys = beginningOfAnItem(box);
            if (!box->isEditable() || !box->isVisible() || !box->isEnabled() || keys.isEmpty())
                continue;
            SCOPED_TRACE((form + QLatin1Char(' ') + box->objectName() + QLatin1Char(' ') + keys).toStdString());
            typeThenTab(box, keys);
            EXPECT_EQ(box->currentText(), keys);
            // Enter selects no other item and adds none.
            const int count = box->count();
            box->setFocus();
            QTest::keyClick(box, Qt::Key_Return);
            EXPECT_EQ(box->currentText(), keys);
            EXPECT_EQ(box->count(), count);
        }
        reg().close(form);
        QApplication::processEvents();
    }
}

TEST_F(Keyboard, APowerFactorTypedIntoItsBoxIsTheOneCalculated)
{
    Window *w = open("Form14");
    test::child<QLineEdit>(w, "Text1")->setText(QStringLiteral("100"));
    test::child<QLineEdit>(w, "Text4")->setText(QStringLiteral("10"));
    typeThenTab(test::child<QComboBox>(w, "Combo2"), QStringLiteral("0.8"));
    test::child<QPushButton>(w, "Command1")->click();
    EXPECT_EQ(folder.messages(), QStringList{"電線長さ６０ｍを超え１２０ｍ以下は降下率５％迄です。"});
    auto *grid = test::child<FlexGrid>(w, "MSFlexGrid1");
    EXPECT_EQ(grid->textMatrix(1, 6), "0.8");
    EXPECT_EQ(grid->textMatrix(1, 3), "CV5.5-3C");
    EXPECT_EQ(grid->textMatrix(1, 10), "17.6");
    EXPECT_EQ(grid->textMatrix(1, 11), "8.38");
}

namespace {

// 検索 of an office room in a detector window: the class option ２種 checked.
void searchRoom(Window *w)
{
    auto *site = test::child<QComboBox>(w, "Combo4");
    site->setEditText(site->itemText(0));
    test::child<QComboBox>(w, "Combo5")->setEditText(QStringLiteral("事務室"));
    test::child<QLineEdit>(w, "Text4")->setText(QStringLiteral("10"));
    test::child<QLineEdit>(w, "Text5")->setText(QStringLiteral("20"));
    if (auto *compartment = w->findChild<QLineEdit *>(QStringLiteral("Text2"))) // one compartment: its area
        compartment->setText(QStringLiteral("5"));
    test::child<QPushButton>(w, "Command3")->click();
}

} // namespace

TEST_F(Keyboard, EnterInADetectorWindowCalculatesFromEveryControlButAnotherButton)
{
    Window *w = open("Frm1");
    searchRoom(w);
    ASSERT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('\n')).toStdString();
    auto *number = test::child<QLineEdit>(w, "Text1");
    auto *grid = test::child<FlexGrid>(w, "MSFlexGrid1");
    // Each Enter calculates into the row of its own data number.
    const char *controls[] = {"Combo1", "Option2(0)", "MSFlexGrid1", "Text4"};
    for (int row = 1; row <= 4; ++row) {
        const char *control = controls[row - 1];
        SCOPED_TRACE(control);
        number->setText(QString::number(row));
        QWidget *focus = test::child<QWidget>(w, control);
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(grid->textMatrix(row, 8), "２種");
        EXPECT_EQ(QApplication::focusWidget(), focus);
    }
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('\n')).toStdString();

    // On 次の計算 Enter presses 次の計算: the next data number, nothing calculated.
    number->setText(QStringLiteral("5"));
    auto *next = test::child<QPushButton>(w, "Command4");
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(number->text(), "6");
    EXPECT_EQ(grid->textMatrix(5, 8), "");
}

TEST_F(Keyboard, EnterOnAFocusedButtonPressesItInEveryWindow)
{
    Window *w = open("Form14");
    auto *next = test::child<QPushButton>(w, "Command2"); // 次の計算
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Return);
    EXPECT_EQ(test::child<QLineEdit>(w, "Text2")->text(), "2");
    // A key held down presses once.
    QTest::keyPress(next, Qt::Key_Return);
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(next, &repeat);
    QTest::keyRelease(next, Qt::Key_Return);
    EXPECT_EQ(test::child<QLineEdit>(w, "Text2")->text(), "3");

    // A window without a default button leaves Enter in a text box as it was.
    auto *load = test::child<QLineEdit>(w, "Text4");
    load->setFocus();
    QTest::keyClick(load, Qt::Key_Return);
    EXPECT_EQ(test::child<QLineEdit>(w, "Text2")->text(), "3");
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('\n')).toStdString();
}

// The menus' buttons are picture (tool) buttons: Enter presses them as Space does.
TEST_F(Keyboard, EnterOnAMenusPictureButtonOpensItsWindow)
{
    open("MDIForm1"); // the fire-alarm frame shows its menu FrmMENUA
    const struct
    {
        const char *menu, *button, *opens;
        Qt::Key key;
    } cases[] = {
        {"Form5", "Command1", "Form1", Qt::Key_Return},      // main menu: 配管サイズ
        {"Form6", "Command5", "Form13", Qt::Key_Return},     // wire-size menu: 電圧降下計算
        {"Form13", "Command2", "Form3", Qt::Key_Enter},      // voltage-drop menu: 1 相 3 線 式, the keypad's Enter
        {"FrmMENUA", "Command3", "FrmMENUC", Qt::Key_Return}, // fire-alarm menu: 感知器台数
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.menu);
        Window *menu = reg().isLoaded(QLatin1String(c.menu)) ? reg().window(QLatin1String(c.menu)) : open(c.menu);
        ASSERT_NE(menu, nullptr);
        ASSERT_FALSE(reg().isLoaded(QLatin1String(c.opens)));
        auto *button = test::child<QToolButton>(menu, c.button);
        QApplication::setActiveWindow(button->window());
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        QTest::keyClick(button, c.key, c.key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        EXPECT_TRUE(reg().isLoaded(QLatin1String(c.opens)));
    }
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join(QLatin1Char('\n')).toStdString();
}

TEST_F(Keyboard, TabEntersAnOptionGroupAtItsCheckedOptionAndTheArrowsCheckTheOneTheyMoveTo)
{
    for (const char *form : {"Frm2", "Frm3", "Form4"}) {
        SCOPED_TRACE(form);
        Window *w = open(form);
        const auto option = [w](int i) { return test::child<QRadioButton>(w, QStringLiteral("Option1(%1)").arg(i).toLatin1().constData()); };
        QWidget *beam = test::child<QComboBox>(w, "Combo3");

        // A group with no option checked yet: Tab comes in at its first, and an arrow checks the option it moves to.
        beam->setFocus();
        QTest::keyClick(beam, Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), option(0));
        ASSERT_FALSE(option(0)->isChecked());
        QTest::keyClick(option(0), Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), option(1));
        EXPECT_TRUE(option(1)->isChecked());

        searchRoom(w);
        ASSERT_TRUE(option(2)->isChecked()) << folder.messages().join(QLatin1Char('\n')).toStdString();

        beam->setFocus();
        QTest::keyClick(beam, Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), "Option2(0)"); // 耐火, checked by 検索
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), option(2));

        QTest::keyClick(option(2), Qt::Key_Up);
        EXPECT_EQ(QApplication::focusWidget(), option(1));
        EXPECT_TRUE(option(1)->isChecked());
        EXPECT_FALSE(option(2)->isChecked());

        // Out of the group and back by Shift+Tab: at the option now checked.
        QTest::keyClick(option(1), Qt::Key_Tab);
        EXPECT_EQ(qobject_cast<QRadioButton *>(QApplication::focusWidget()), nullptr) << "Tab leaves the group";
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        EXPECT_EQ(QApplication::focusWidget(), option(1));

        test::child<QPushButton>(w, "Command2")->click();
        EXPECT_EQ(test::child<FlexGrid>(w, "MSFlexGrid1")->textMatrix(1, 8), "１種");
        reg().close(QLatin1String(form));
        QApplication::processEvents();
    }
}
