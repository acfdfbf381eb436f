// The row a user chooses in a result grid, by a click or by the keys, is the row
// that データ読込み, 削除 and a pick from the cable search list take: the one
// highlighted when the user acts.

#include "calculators.h"
#include "flexgrid.h"
#include "programtest.h"
#include "window.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace kb;
using test::click;
using test::setBox;
using test::setCombo;
using test::trigger;

namespace {

using RowChoice = test::ProgramTest;

const QString kPickRowToRead = QStringLiteral("読込む行番号を選択後にクリックして下さい。");

FlexGrid *gridOf(Window *w)
{
    return test::child<FlexGrid>(w, "MSFlexGrid1");
}

QString boxText(Window *w, const char *name)
{
    if (auto *box = w->findChild<QLineEdit *>(QLatin1String(name)))
        return box->text();
    return test::child<QComboBox>(w, name)->currentText();
}

// Moves the grid's highlight with a key, as a user with the focus in the grid does.
void key(FlexGrid *g, Qt::Key k)
{
    g->setFocus();
    QTest::keyClick(g, k);
}

QString messages(const test::TestFolder &folder)
{
    return folder.messages().join(QLatin1Char('|'));
}

} // namespace

// Rows 1 to 3 hold calculations; データ読込み reads the highlighted row back, its
// data number into the data-number box.
TEST_F(RowChoice, DataReadTakesTheHighlightedRowChosenByAClickOrByTheKeys)
{
    for (const test::Calculator &k : test::calculators()) {
        SCOPED_TRACE(k.form);
        folder.fake().messages.clear();
        Window *w = open(k.form);
        FlexGrid *g = gridOf(w);
        const auto calculate = [&](const char *n) {
            k.fill(w);
            setBox(w, k.dataBox, QLatin1String(n));
            click(w, k.button);
        };
        const auto read = [&] {
            setBox(w, k.dataBox, QStringLiteral("9"));
            click(w, k.reload);
            return boxText(w, k.dataBox);
        };
        calculate("1");
        calculate("2");

        // A row chosen, then a calculation moves the highlight to the row it writes: that row is read.
        g->clickCell(1, 1);
        calculate("3");
        ASSERT_EQ(g->textMatrix(3, 0).trimmed(), u"3") << messages(folder).toStdString();
        ASSERT_EQ(g->highlightedRow(), 3);
        EXPECT_EQ(read(), u"3");

        // A click on row 1, then Down: row 2 is read.
        g->clickCell(1, 1);
        key(g, Qt::Key_Down);
        ASSERT_EQ(g->highlightedRow(), 2);
        EXPECT_EQ(read(), u"2");

        // The keys alone choose a row.
        key(g, Qt::Key_Up);
        ASSERT_EQ(g->highlightedRow(), 1);
        EXPECT_EQ(read(), u"1");
        EXPECT_FALSE(folder.messages().contains(kPickRowToRead));

        // Read once, the row is chosen again before the next read.
        click(w, k.reload);
        EXPECT_EQ(folder.messages().last(), kPickRowToRead);
        w->close();
        QApplication::processEvents();
    }
}

namespace {

struct CableWindow
{
    const char *form;
    int nameCol;           // the grid column of a cable's name
    const char *deleteMode; // the menu command that turns 電線登録 into 削除
};

const CableWindow kCableWindows[] = {
    {"Form17", 0, "IDM_SAKUJO"},
    {"Form19", 0, "IDM_SAKUJO"},
    {"Form1", 1, "IDM_DEL"},
};

void registerCable(Window *w, const QString &name)
{
    setCombo(w, "Combo3", name);
    setCombo(w, "Combo5", QStringLiteral("1"));
    click(w, "Command1");
}

} // namespace

// 削除 deletes the highlighted row, whether the keys moved on from a click or
// chose it alone; the row clicked before is kept.
TEST_F(RowChoice, DeleteTakesTheHighlightedRow)
{
    const QString cables[] = {QStringLiteral("CV14-3C"), QStringLiteral("CV5.5-3C"), QStringLiteral("IV2.0")};
    for (const CableWindow &k : kCableWindows) {
        SCOPED_TRACE(k.form);
        folder.fake().messages.clear();
        Window *w = open(k.form);
        FlexGrid *g = gridOf(w);
        const auto names = [&] {
            QStringList out;
            for (int r = 1; r <= 3; ++r)
                out << g->textMatrix(r, k.nameCol).trimmed();
            return out;
        };
        for (const QString &name : cables)
            registerCable(w, name);
        ASSERT_EQ(names(), QStringList({"CV14-3C", "CV5.5-3C", "IV2.0"})) << messages(folder).toStdString();

        // The keys alone: the grid's highlight moves down one row from where it stands.
        trigger(w, k.deleteMode);
        g->setFocus();
        const int start = g->highlightedRow();
        key(g, start < 2 ? Qt::Key_Down : Qt::Key_Up);
        ASSERT_EQ(g->highlightedRow(), start < 2 ? start + 1 : start - 1);
        const int keyed = g->highlightedRow();
        click(w, "Command1");
        QStringList expected = {"CV14-3C", "CV5.5-3C", "IV2.0"};
        expected.removeAt(keyed - 1);
        expected << QString();
        EXPECT_EQ(names(), expected);

        // A click on row 1, then Down: row 2 goes, row 1 stays.
        registerCable(w, cables[keyed - 1]);
        ASSERT_EQ(names().size(), 3);
        const QString second = names()[1];
        trigger(w, k.deleteMode);
        g->clickCell(1, k.nameCol);
        key(g, Qt::Key_Down);
        click(w, "Command1");
        EXPECT_FALSE(names().contains(second));
        EXPECT_EQ(names()[0], expected[0]);
        EXPECT_TRUE(folder.messages().isEmpty()) << messages(folder).toStdString();
        EXPECT_TRUE(test::child<QLabel>(w, "Label1")->text().startsWith(QStringLiteral("削除行番号は2です。")));
        w->close();
        QApplication::processEvents();
    }
}

// A cable picked from the search list, by a click and then with the keys, is in
// the name box at each step, and 電線登録 registers the highlighted one.
TEST_F(RowChoice, TheSearchListPickFollowsTheHighlight)
{
    for (const CableWindow &k : kCableWindows) {
        SCOPED_TRACE(k.form);
        Window *w = open(k.form);
        FlexGrid *g = gridOf(w);
        setCombo(w, "Combo3", QStringLiteral("CV"));
        click(w, "Command7");
        // The list starts under its heading line in row 2.
        const QString first = g->textMatrix(3, k.nameCol), second = g->textMatrix(4, k.nameCol);
        ASSERT_FALSE(second.isEmpty());
        ASSERT_NE(first, second);
        g->clickCell(3, k.nameCol);
        EXPECT_EQ(boxText(w, "Combo3"), first);
        key(g, Qt::Key_Down);
        EXPECT_EQ(boxText(w, "Combo3"), second);
        setCombo(w, "Combo5", QStringLiteral("1"));
        click(w, "Command1");
        EXPECT_EQ(g->textMatrix(1, k.nameCol), second);
        EXPECT_TRUE(folder.messages().isEmpty()) << messages(folder).toStdString();
        w->close();
        QApplication::processEvents();
    }
}
