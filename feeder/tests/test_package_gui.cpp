// The package window driven through its controls, on the default CABLE-SIZE rows.

#include "flexgrid.h"
#include "form11.h"
#include "registerFeeder.h"
#include "registry.h"
#include "feedertest.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace kb;

TEST(PackageGui, CalculatesFromTheDefaultRows)
{
    test::TestFolder folder;
    feedertest::installDefaultCableSize(folder);
    registerFeederWindows();
    auto *w = qobject_cast<Form11 *>(openWindow(QStringLiteral("Form11")));
    ASSERT_NE(w, nullptr);
    const auto child = [&](const char *name) { return w->findChild<QWidget *>(QString::fromLatin1(name)); };

    EXPECT_EQ(w->windowTitle(), "パッケージ計算");
    EXPECT_TRUE(qobject_cast<QRadioButton *>(child("Option1(0)"))->isChecked());
    EXPECT_FALSE(child("Text5")->isEnabled());
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label1"))->text(), "必須条件及び始動方法を選択入力して下さい。");

    qobject_cast<QComboBox *>(child("Combo1"))->setCurrentText(QStringLiteral("11"));
    qobject_cast<QComboBox *>(child("Combo2"))->setCurrentText(QStringLiteral("5.5"));
    qobject_cast<QRadioButton *>(child("Option2(1)"))->setChecked(true);
    qobject_cast<QPushButton *>(child("Command1"))->click();
    EXPECT_TRUE(folder.messages().isEmpty()) << folder.messages().join('\n').toStdString();
    EXPECT_EQ(qobject_cast<QLabel *>(child("Label9"))->text(), "開閉器");
    EXPECT_TRUE(child("Text5")->isEnabled());
    auto *grid = w->findChild<FlexGrid *>(QStringLiteral("MSFlexGrid1"));
    EXPECT_EQ(grid->textMatrix(1, 3), "11");
    EXPECT_EQ(grid->textMatrix(1, 7), qobject_cast<QLineEdit *>(child("Text5"))->text());
    EXPECT_FALSE(grid->textMatrix(1, 10).isEmpty());
    // The result captions stand on the wiring picture.
    for (const char *name : {"Label5", "Label6", "Label7", "Label8", "Label9"})
        EXPECT_TRUE(child("Image1")->geometry().contains(child(name)->geometry())) << name;

    w->findChild<QAction *>(QStringLiteral("IDM_SUIREI"))->trigger();
    EXPECT_TRUE(qobject_cast<QRadioButton *>(child("Option1(1)"))->isChecked());
    WindowRegistry::instance().reset();
}

TEST(PackageGui, OptionsStandBelowTheBorderOfTheirFrames)
{
    test::TestFolder folder;
    feedertest::installDefaultCableSize(folder);
    registerFeederWindows();
    Window *w = openWindow(QStringLiteral("Form11"));
    ASSERT_NE(w, nullptr);
    QApplication::processEvents();
    const QList<QRadioButton *> options = w->findChildren<QRadioButton *>();
    EXPECT_EQ(options.size(), 6);
    for (QRadioButton *option : options) {
        auto *frame = qobject_cast<QGroupBox *>(option->parentWidget());
        ASSERT_NE(frame, nullptr) << option->objectName().toStdString();
        EXPECT_GE(option->geometry().top(), frame->contentsRect().top()) << option->objectName().toStdString();
    }
    WindowRegistry::instance().reset();
}
