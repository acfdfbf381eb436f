// What the user typed or chose stays as typed through every press that does not
// write it: behind each box and file dialog the press brings up, and after it.
// Every window with inputs is worked up to a state, every input it lets the user
// change is then changed (text boxes, list choices, options), and each of its
// presses is made once on a fresh window: its buttons, its menu commands, a click
// on the first row of its grid and on each option not checked.

#include "calculators.h"
#include "flexgrid.h"
#include "programtest.h"
#include "windows.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <gtest/gtest.h>

using namespace kb;
using test::click;
using test::registerCable;
using test::setBox;
using test::setCombo;

namespace {

using Inputs = QMap<QString, QString>;

bool isComboPart(const QWidget *w)
{
    return qobject_cast<const QComboBox *>(w->parentWidget()) != nullptr;
}

// Every input of the window a user can change, by name, with what it shows: a text
// box's or a combo box's text, and for an option group (Option1(0), Option1(1) …, or
// the options of one name) the caption of its checked option.
Inputs inputsOf(const Window *w)
{
    Inputs inputs;
    for (const QLineEdit *e : w->findChildren<QLineEdit *>())
        if (!isComboPart(e))
            inputs[e->objectName()] = e->text();
    for (const QComboBox *c : w->findChildren<QComboBox *>())
        inputs[c->objectName()] = c->currentText();
    for (const QRadioButton *o : w->findChildren<QRadioButton *>()) {
        const QString group = o->objectName().section(u'(', 0, 0);
        if (o->isChecked() || !inputs.contains(group))
            inputs[group] = o->isChecked() ? o->text() : QString();
    }
    return inputs;
}

bool usable(const QWidget *w)
{
    return w->isEnabled() && w->isVisible();
}

// Changes every input the user can reach, as the user does: another option of each
// group is clicked, then each text box gets a number of its own and each combo box
// another item of its list (a number of its own where the list offers none).
void changeEveryInput(Window *w)
{
    QMap<QString, QList<QRadioButton *>> groups;
    for (QRadioButton *o : w->findChildren<QRadioButton *>())
        groups[o->objectName().section(u'(', 0, 0)] << o;
    for (const QList<QRadioButton *> &options : std::as_const(groups))
        for (auto o = options.crbegin(); o != options.crend(); ++o)
            if (usable(*o) && !(*o)->isChecked()) {
                (*o)->click();
                break;
            }
    int typed = 31;
    for (QLineEdit *e : w->findChildren<QLineEdit *>())
        if (!isComboPart(e) && usable(e) && !e->isReadOnly())
            e->setText(QString::number(typed++));
    for (QComboBox *c : w->findChildren<QComboBox *>()) {
        if (!usable(c))
            continue;
        const QString before = c->currentText();
        for (int step = 1; step < c->count() && c->currentText() == before; ++step)
            c->setCurrentIndex((std::max(c->currentIndex(), 0) + step) % c->count());
        if (c->currentText() == before && c->isEditable())
            c->setEditText(QString::number(typed++));
    }
}

struct Press
{
    QString name;
    std::function<void()> run;
};

// Every press the window offers as it stands: its buttons, its menu commands (but
// 終了, which closes it), each option not checked and a click on the first row of
// each grid that has one.
QList<Press> pressesOf(Window *w)
{
    QList<Press> presses;
    for (QPushButton *b : w->findChildren<QPushButton *>())
        if (b->objectName().startsWith(u"Command") && usable(b))
            presses.append({b->objectName(), [b] { b->click(); }});
    for (QAction *a : w->findChildren<QAction *>()) {
        const QString name = a->objectName();
        if (name.startsWith(u"IDM_") && name != u"IDM_END" && !a->isSeparator() && !a->menu() && a->isEnabled())
            presses.append({name, [a] { a->trigger(); }});
    }
    // An option's click is a press of its own in the pull-box windows; elsewhere it is
    // the user's choice alone.
    for (QRadioButton *o : w->findChildren<QRadioButton *>())
        if (usable(o) && !o->isChecked())
            presses.append({o->objectName() + u' ' + o->text(), [o] { o->click(); }});
    for (FlexGrid *g : w->findChildren<FlexGrid *>())
        if (g->rows() > g->fixedRows())
            presses.append({g->objectName() + u" row 1"_qs, [g] { g->clickCell(g->fixedRows(), g->fixedCols()); }});
    return presses;
}

// How each window is worked up before its inputs change: a calculation on show, with a
// row in its grid where it keeps one.
std::map<std::string, std::function<void(Window *)>> workUps()
{
    std::map<std::string, std::function<void(Window *)>> all;
    // A calculator's row is chosen too, so that データ読込み reads it back.
    for (const test::Calculator &c : test::calculators())
        all[c.form] = [c](Window *w) {
            c.fill(w);
            click(w, c.button);
            w->findChild<FlexGrid *>(u"MSFlexGrid1"_qs)->clickCell(1, 1);
        };
    all["Form1"] = [](Window *w) {
        registerCable(w, "IV2.0", "2");
        setCombo(w, "Combo1", u"C"_qs);
        click(w, "Command4"); // 配管登録
    };
    all["Form17"] = all["Form29"] = [](Window *w) {
        registerCable(w, "CV14-3C", "3");
        click(w, "Command2");
    };
    all["Form19"] = [](Window *w) {
        registerCable(w, "CV5.5-3C", "1");
        click(w, "Command2");
    };
    for (const char *form : {"Form21", "Form22", "Form23", "Form24", "Form25", "Form26"})
        all[form] = [](Window *w) {
            setCombo(w, "Combo1", u"54"_qs);
            click(w, "Command4");
            click(w, "Command2");
        };
    all["Form8"] = [](Window *w) { test::trigger(w, "IDM_OPENA"); };
    all["Form27"] = [](Window *) {};
    return all;
}

using Writes = std::map<std::pair<std::string, std::string>, QStringList>;

// The inputs a press writes itself, by window and press. Every other input must stay
// as the user left it.
const Writes &writes()
{
    static const Writes table = [] {
        Writes t;
        const auto add = [&t](std::initializer_list<const char *> forms, std::initializer_list<const char *> presses,
                              const QStringList &inputs) {
            for (const char *form : forms)
                for (const char *press : presses)
                    t[{form, press}] += inputs;
        };
        const QStringList texts1to8 = {"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Text8"};

        // Voltage drop: 計算 writes the size and drop it chose, 次の計算 and 全てクリア start
        // afresh, a wire-type menu writes the wire.
        add({"Form14", "Form3", "Form9", "Form15"}, {"Command1"}, {"Combo4", "Combo5"});
        add({"Form14", "Form3", "Form9", "Form15"}, {"Command2", "IDM_ALLCLIA"},
            {"Combo1", "Combo4", "Combo5", "Text1", "Text2", "Text3", "Text4"});
        add({"Form14", "Form3"}, {"IDM_IV", "IDM_CV3C", "IDM_CVT", "IDM_FP3C"}, {"Combo1"});
        add({"Form9", "Form15"}, {"IDM_IV", "IDM_CV2C", "IDM_FP2C"}, {"Combo1"});
        add({"Form16"}, {"Command2", "IDM_ALLCLIA"}, texts1to8);
        // データ読込み writes the chosen row's inputs back.
        add({"Form14", "Form3", "Form9", "Form15"}, {"Command3"},
            {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text2", "Text3", "Text4"});
        add({"Form16"}, {"Command3"}, QStringList{"Combo1", "Combo2", "Combo3"} + texts1to8);
        add({"Form7"}, {"Command5"}, {"Combo1", "Combo2", "Combo4", "Combo5", "Combo6", "Text1", "Text2", "Text3", "Text4"});
        add({"Form11"}, {"Command5"},
            {"Combo1", "Combo2", "Option1", "Option2", "Option3", "Text1", "Text2", "Text3", "Text4", "Text5"});
        add({"Form12"}, {"Command5"},
            {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text2", "Text3", "Text4", "Text8", "Text9", "Text10",
             "Text12", "Text13", "Text14", "Text15"});
        add({"Frm1", "Frm2", "Frm3", "Form4"}, {"Command1"},
            {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Option1", "Option2", "Text1", "Text3", "Text4", "Text5", "Text6",
             "Text7"});

        // Motor: 計算 and 始に戻す write the design row's size, length, drops and rated current.
        add({"Form7"}, {"Command1"}, {"Combo4", "Combo5", "Text1", "Text4"});
        add({"Form7"}, {"Command2", "IDM_ALLCLIA"},
            {"Combo1", "Combo3", "Combo4", "Combo5", "Combo6", "Text1", "Text2", "Text3", "Text4"});
        add({"Form7"}, {"Command4"}, {"Combo4", "Combo5", "Combo6", "Text1", "Text4"});
        add({"Form7"}, {"IDM_IV", "IDM_CV3C"}, {"Combo4"});
        // Package: 計算 writes its results (Text1, Text4, Text5); the menus set the options they name.
        add({"Form11"}, {"Command1"}, {"Text1", "Text4", "Text5"});
        add({"Form11"}, {"Command2", "IDM_ALLCLIA"}, {"Combo1", "Combo2", "Text1", "Text2", "Text3", "Text4", "Text5"});
        add({"Form11"}, {"IDM_KUREI", "IDM_SUIREI"}, {"Option1"});
        add({"Form11"}, {"IDM_MCB", "IDM_KS"}, {"Option2"});
        // Lamp: the clears and 次の計算 empty the drop boxes too.
        const QStringList drops = {"Text12", "Text13", "Text14", "Text15"};
        add({"Form12"}, {"Command2", "IDM_ALLCLIA"}, QStringList{"Combo1", "Combo3", "Text1", "Text2", "Text3", "Text4", "Text8", "Text9", "Text10"} + drops);
        add({"Form12"}, {"IDM_INCLIA"}, QStringList{"Text1", "Text3", "Text4", "Text8", "Text9", "Text10"} + drops);

        // Detectors: 計算 writes the results (Text3, Text6, Text7 where the window has them),
        // 検索 the room's presets, 次の計算 the next data number and room, a room-name menu the
        // room list's choice.
        const QStringList results[] = {{"Text3", "Text6", "Text7"}, {"Text3", "Text7"}, {}};
        const std::initializer_list<const char *> variants[] = {{"Frm1", "Form4"}, {"Frm2"}, {"Frm3"}};
        for (int v = 0; v < 3; ++v) {
            add(variants[v], {"Command2", "Command3", "Command4", "IDM_ALLCLA", "IDM_INCLA"}, results[v]);
            add(variants[v], {"Command3"}, {"Combo1", "Combo2", "Combo3", "Option1", "Option2"});
            add(variants[v], {"Command4"}, {"Combo5", "Text1", "Text4", "Text5"});
            add(variants[v], {"IDM_ALLCLA"}, {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text4", "Text5"});
            add(variants[v], {"IDM_INCLA"}, {"Text4", "Text5"});
            add(variants[v], {"IDM_OFFICE", "IDM_PLANT", "IDM_SCHOOL", "IDM_HOSPITAL", "IDM_SONOTA"}, {"Combo5"});
        }

        // Conduit: 電線登録 and its reset set the count back to 1, a click on a cable's row
        // writes its name, a cable-kind menu empties the name, 開く writes the file's data
        // number, count and percentage.
        add({"Form1"}, {"Command1", "Command3"}, {"Combo5"});
        add({"Form1"}, {"MSFlexGrid1 row 1"}, {"Combo3"});
        add({"Form1"}, {"IDM_DOPEN"}, {"Combo5", "Combo7", "Text1"});
        add({"Form1"}, {"IDM_TUCA", "IDM_JAKU", "IDM_DOJIKU", "IDM_KOUATU", "IDM_CASTAMA", "IDM_ECOTEIATU", "IDM_JAKUECO",
                        "IDM_EMDOJIKU", "IDM_EMKOATU", "IDM_CASTAMB"},
            {"Combo3"});
        // Rack, duct and raceway: 登録 sets the count back to 1, a click on a cable's row writes
        // its name, a cable-kind menu empties it, 計算 writes the width boxes, 次の計算 starts
        // afresh, the duct's pitch menus write its width and height lists.
        add({"Form17", "Form19", "Form29"}, {"Command1"}, {"Combo5"});
        add({"Form17", "Form19", "Form29"},
            {"MSFlexGrid1 row 1", "IDM_TUCA", "IDM_KOUATU", "IDM_JAKU", "IDM_DOJIKU", "IDM_ECOTEIATU", "IDM_EMKOATU",
             "IDM_JAKUECO", "IDM_EMDOJIKU"},
            {"Combo3"});
        add({"Form17"}, {"Command2"}, {"Text3", "Text4"});
        add({"Form17"}, {"Command3"}, {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text2", "Text3", "Text4"});
        add({"Form29"}, {"Command2"}, {"Text3"});
        add({"Form29"}, {"Command3"}, {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text2", "Text3"});
        add({"Form29"}, {"IDM_PITCH100", "IDM_PITCH50"}, {"Combo6", "Combo7"});
        add({"Form19"}, {"Command3"}, {"Combo1", "Combo2", "Combo3", "Combo4", "Combo5", "Text1", "Text2"});
        // Pull boxes: 次の計算 starts afresh; each setting menu checks its option.
        const std::initializer_list<const char *> pullBoxes = {"Form21", "Form22", "Form23", "Form24", "Form25", "Form26"};
        add(pullBoxes, {"Command3"}, {"Combo1", "Text1", "Text2"});
        add(pullBoxes, {"IDM_JIDOU", "IDM_SETUYAKU", "IDM_USAER"}, {"Option1"});
        add(pullBoxes, {"IDM_KYODEN", "IDM_JAKU"}, {"Option2"});
        add(pullBoxes, {"IDM_ANGL", "IDM_TUKERU", "IDM_NASHI"}, {"Option3"});
        // Database editor: 登録 empties the text it stored, a click on a cell writes its text,
        // 入力欄クリア empties the boxes.
        add({"Form8"}, {"Command1", "MSFlexGrid1 row 1"}, {"Text1"});
        add({"Form8"}, {"IDM_INCLIA"}, {"Text1", "Text2", "Text3", "Text4"});
        return t;
    }();
    return table;
}

bool pressWrites(const std::string &form, const QString &press, const QString &input)
{
    // An option clicked is the user's choice of its group.
    if (press.section(u'(', 0, 0).section(u' ', 0, 0) == input)
        return true;
    const auto found = writes().find({form, press.toStdString()});
    return found != writes().end() && found->second.contains(input);
}

class UserInputs : public test::ProgramTest
{
protected:
    // Every press starts on fresh windows and fresh copies of the default databases.
    Window *openAfresh(const char *form)
    {
        startAfresh();
        QFile::remove(folder.path(u"saved.dat"_qs));
        return open(form);
    }
};

} // namespace

TEST_F(UserInputs, StayAsTypedThroughEveryPressThatDoesNotWriteThem)
{
    // 保存 saves where it asks and 開く opens a file the window saved before; each file
    // press is made once more with its dialog cancelled. No program opens an export.
    folder.fake().openDocumentResult = false;
    const QString saved = folder.path(u"saved.dat"_qs), before = folder.path(u"before.dat"_qs);
    for (const auto &[form, workUp] : workUps()) {
        QStringList names;
        {
            Window *w = openAfresh(form.c_str());
            workUp(w);
            for (const Press &p : pressesOf(w))
                names << p.name;
            folder.fake().fileAnswers = {before};
            if (QAction *save = w->findChild<QAction *>(u"IDM_DSAVE"_qs))
                save->trigger();
        }
        // Makes the press on a fresh window worked up and changed; whether it showed a file dialog.
        const auto pressOnce = [&, form = form, workUp = workUp](const QString &name, bool answer) {
            SCOPED_TRACE(form + ' ' + name.toStdString() + (answer ? "" : " cancelled"));
            Window *w = openAfresh(form.c_str());
            workUp(w);
            changeEveryInput(w);
            const Inputs typed = inputsOf(w);
            const QList<Press> presses = pressesOf(w);
            const auto press = std::find_if(presses.begin(), presses.end(), [&](const Press &p) { return p.name == name; });
            if (press == presses.end())
                return false; // the changed inputs switched it off
            folder.fake().messages.clear();
            folder.fake().fileAnswers.clear();
            if (answer)
                folder.fake().fileAnswers << (name == u"IDM_DOPEN" ? before : saved);
            QStringList lost;
            const auto check = [&](const QString &when) {
                const Inputs now = inputsOf(w);
                for (auto i = typed.cbegin(); i != typed.cend(); ++i)
                    if (now.value(i.key()) != i.value() && !pressWrites(form, name, i.key()))
                        lost << u"%1 %2 shows \"%3\" where the user left \"%4\""_qs.arg(when, i.key(), now.value(i.key()), i.value());
            };
            bool fileDialog = false;
            folder.fake().onMessage = [&](const QString &text) { check(u"behind \"%1\":"_qs.arg(text)); };
            folder.fake().onFileDialog = [&](const QString &title) {
                fileDialog = true;
                check(u"behind the file dialog \"%1\":"_qs.arg(title));
            };
            const QPointer<Window> alive(w);
            press->run();
            folder.fake().onMessage = nullptr;
            folder.fake().onFileDialog = nullptr;
            if (alive)
                check(u"after the press:"_qs);
            EXPECT_TRUE(lost.isEmpty()) << lost.join(u'\n').toStdString();
            return fileDialog;
        };
        for (const QString &name : std::as_const(names))
            if (pressOnce(name, true))
                pressOnce(name, false);
    }
}

// After a file press, the next 計算 counts with what the user changed before it: the grid
// reads as after a 計算 made straight after the change. 保存 and 開く are cancelled; no
// program opens the export, so it ends on its box.
TEST_F(UserInputs, TheNextCalculationCountsWithWhatTheUserChangedBeforeAFilePress)
{
    folder.fake().openDocumentResult = false;
    const auto voltageDrop = [](Window *w) {
        setBox(w, "Text1", u"55"_qs);
        setBox(w, "Text4", u"20"_qs);
    };
    const auto detector = [](Window *w) {
        click(w, "Option1(1)"); // １種
        click(w, "Option2(1)"); // その他
        setBox(w, "Text5", u"25"_qs);
    };
    // Each calculator's inputs changed after its first calculation.
    const std::map<std::string, std::function<void(Window *)>> changes = {
        {"Form14", voltageDrop}, {"Form3", voltageDrop}, {"Form9", voltageDrop}, {"Form15", voltageDrop},
        {"Form16", [](Window *w) { setBox(w, "Text3", u"4"_qs), setBox(w, "Text5", u"2"_qs); }},
        {"Form7", [](Window *w) { setCombo(w, "Combo1", u"15"_qs), setBox(w, "Text3", u"M-2"_qs); }},
        {"Form11", [](Window *w) { click(w, "Option2(0)"), click(w, "Option3(1)"); }},
        {"Form12", [](Window *w) { setBox(w, "Text1", u"40"_qs), setBox(w, "Text4", u"15"_qs); }},
        {"Frm1", detector}, {"Frm2", detector}, {"Frm3", detector}, {"Form4", detector},
    };
    for (const test::Calculator &c : test::calculators()) {
        const auto gridAfter = [&](const char *press) {
            Window *w = openAfresh(c.form);
            c.fill(w);
            click(w, c.button);
            changes.at(c.form)(w);
            if (press)
                test::trigger(w, press);
            click(w, c.button);
            // The rows that hold anything, a line each.
            const FlexGrid *g = w->findChild<FlexGrid *>(u"MSFlexGrid1"_qs);
            QStringList rows;
            for (int r = 1; r < g->rows(); ++r) {
                QStringList row;
                for (int col = 1; col < g->cols(); ++col)
                    row << g->textMatrix(r, col).trimmed();
                if (!row.join(QString()).isEmpty())
                    rows << row.join(u" | "_qs);
            }
            return rows.join(u'\n').toStdString();
        };
        const std::string straight = gridAfter(nullptr);
        if (c.form == std::string("Frm1"))
            EXPECT_NE(straight.find("１種 | 150 | 2 | その他"), std::string::npos) << straight;
        for (const char *press : {"IDM_DSAVE", "IDM_DOPEN", "IDM_EXLSAVE"})
            EXPECT_EQ(gridAfter(press), straight) << c.form << ' ' << press;
    }
}
