#pragma once

// The calculator windows with a result grid, and how a test fills each one's
// boxes for a calculation that writes a row.

#include "testenv.h"
#include "window.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <vector>
#include <gtest/gtest.h>

namespace kb::test {

inline void setBox(Window *w, const char *box, const QString &text)
{
    child<QLineEdit>(w, box)->setText(text);
}

inline void setCombo(Window *w, const char *combo, const QString &text)
{
    child<QComboBox>(w, combo)->setCurrentText(text);
}

// The first item of a combo box's list, as a user picks it.
inline void pickFirst(Window *w, const char *combo)
{
    QComboBox *box = child<QComboBox>(w, combo);
    ASSERT_GT(box->count(), 0) << combo;
    box->setCurrentIndex(0);
}

inline void click(Window *w, const char *button)
{
    child<QAbstractButton>(w, button)->click();
}

inline void trigger(Window *w, const char *action)
{
    child<QAction>(w, action)->trigger();
}

// A cable of the rack, raceway, duct or conduit window registered: its name, its count, 登録.
inline void registerCable(Window *w, const char *name, const char *count)
{
    setCombo(w, "Combo3", QString::fromLatin1(name));
    setCombo(w, "Combo5", QString::fromLatin1(count));
    click(w, "Command1");
}

struct Calculator
{
    const char *form;
    const char *dataBox; // the data-number box
    const char *button;  // 計算
    const char *reload;  // データ読込み
    std::function<void(Window *)> fill;
};

inline void fillVoltageDrop(Window *w)
{
    setBox(w, "Text3", QStringLiteral("動力盤"));
    setBox(w, "Text1", QStringLiteral("50"));
    setBox(w, "Text4", QStringLiteral("10"));
}

inline void fillDetector(Window *w)
{
    setCombo(w, "Combo4", QStringLiteral("本社ビル"));
    setCombo(w, "Combo5", QStringLiteral("事務室"));
    setBox(w, "Text4", QLatin1String(w->objectName() == u"Frm2" ? "2" : "10")); // the long narrow room is under 3 m wide
    setBox(w, "Text5", QStringLiteral("20"));
    for (const char *combo : {"Combo1", "Combo2", "Combo3"})
        pickFirst(w, combo);
    click(w, "Option1(2)"); // ２種
    click(w, "Option2(0)"); // 耐火
    if (w->objectName() == u"Form4")
        setBox(w, "Text2", QStringLiteral("30"));
}

// Every calculator whose 計算 writes a row of the result grid at its data number.
inline const std::vector<Calculator> &calculators()
{
    static const std::vector<Calculator> all = {
        {"Form14", "Text2", "Command1", "Command3", fillVoltageDrop},
        {"Form3", "Text2", "Command1", "Command3", fillVoltageDrop},
        {"Form9", "Text2", "Command1", "Command3", fillVoltageDrop},
        {"Form15", "Text2", "Command1", "Command3", fillVoltageDrop},
        {"Form16", "Text2", "Command1", "Command3",
         [](Window *w) {
             setBox(w, "Text1", QStringLiteral("盤１"));
             setBox(w, "Text3", QStringLiteral("3"));
             setBox(w, "Text5", QStringLiteral("3"));
             setBox(w, "Text7", QStringLiteral("3"));
         }},
        {"Form7", "Text2", "Command1", "Command5", [](Window *w) { setCombo(w, "Combo1", QStringLiteral("22")); }},
        {"Form11", "Text2", "Command1", "Command5",
         [](Window *w) {
             setCombo(w, "Combo1", QStringLiteral("11"));
             setCombo(w, "Combo2", QStringLiteral("5.5"));
             click(w, "Option2(1)");
         }},
        {"Form12", "Text2", "Command1", "Command5",
         [](Window *w) {
             setCombo(w, "Combo1", QStringLiteral("1.5"));
             setCombo(w, "Combo3", QStringLiteral("4"));
             setBox(w, "Text1", QStringLiteral("30"));
             setBox(w, "Text4", QStringLiteral("10"));
         }},
        {"Frm1", "Text1", "Command2", "Command1", fillDetector},
        {"Frm2", "Text1", "Command2", "Command1", fillDetector},
        {"Frm3", "Text1", "Command2", "Command1", fillDetector},
        {"Form4", "Text1", "Command2", "Command1", fillDetector},
    };
    return all;
}

} // namespace kb::test
