// The mercury-lamp window driven through its controls, on the default CABLE-SIZE rows.

#include "flexgrid.h"
#include "form12.h"
#include "registerFeeder.h"
#include "registry.h"
#include "feedertest.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace kb;

TEST(LampGui, CalculatesFromTheDefaultRows)
{
    test::TestFolder folder;
    feedertest::installDefaultCableSize(folder);
    registerFeederWindows();
    auto *w = qobject_cast<Form12 *>(openWindow(QStringLiteral("Form12")));
    ASSERT_NE(w, nullptr);
    const auto child = [&](const char *name) { return w->findChild<QWidget *>(QString::fromLatin1(name)); };
    const auto text = [&](const char *name) { return qobject_cast<QLineEdit *>(child(name))->text(); };

    EXPECT_EQ(w->windowTitle(), "水銀灯計算");
    EXPECT_FALSE(child("Text12")->isEnabled());
    EXPECT_EQ(qobject_cast<QComboBox *>(child("Combo2"))->currentText(), "250");

    qobject_cast<QComboBox *>(child("Combo1"))->setCurrentText(QStringLiteral("1.5"));
    qobject_cast<QComboBox *>(child("Combo3"))->setCurrentText(QStringLiteral("4"));
    qobject_cast<QLineEdit *>(child("Text1"))->setText(QStringLiteral("30"));
    qobject_cast<QLineEdit *>(child("Text4"))->setText(QStringLiteral("10"));
    qobject_cast<QPushButton *>(child("Command1"))->click();
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join('\n').toStdString();
    EXPECT_TRUE(child("Text12")->isEnabled());
    EXPECT_FALSE(text("Text12").isEmpty());
    auto *grid = w->findChild<FlexGrid *>(QStringLiteral("MSFlexGrid1"));
    EXPECT_EQ(grid->textMatrix(1, 14), text("Text12"));
    EXPECT_EQ(grid->textMatrix(1, 24), "IV");
    EXPECT_EQ(grid->textMatrix(1, 19), qobject_cast<QLabel *>(child("Label28"))->text());
    // Four 250 W lamps start at 9 A: 1.6X2 on a 20 A frame with its 2 mm² earth, in 19 mm thin-steel conduit.
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label28"))->text(), "1.6X2");
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label29"))->text(), "19 15");
    // The result captions stand on the wiring picture.
    for (const char *name : {"Label26", "Label27", "Label28", "Label29", "Label30", "Label31"})
        EXPECT_TRUE(child("Image1")->geometry().contains(child(name)->geometry())) << name;

    w->findChild<QAction *>(QStringLiteral("IDM_RACK"))->trigger();
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label1"))->text(), "ケーブルラックに設定しました。");
    WindowRegistry::instance().reset();
}
