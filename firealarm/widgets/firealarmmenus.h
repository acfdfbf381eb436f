#pragma once

// The fire-alarm frame MDIForm1 with its two menu children, the fire-alarm menu
// FrmMENUA and the detector menu FrmMENUC, and the windowless-floor check screen
// Form10, which the fire-alarm menu creates but nothing shows.

#include "pictures.h"
#include "window.h"

#include <QVector>

class QMdiArea;
class QMdiSubWindow;

namespace kb {

class MDIForm1 : public Window
{
    Q_OBJECT
public:
    MDIForm1();
    ~MDIForm1() override;
    void Form_Load() override { MDIForm_Load(); }
    bool Form_Unload() override;

    // Gives a menu child the current title as caption, loading it and showing it
    // inside the frame when it is not loaded.
    void showChild(const QString &formName);
    QMdiArea *area() const { return m_area; }

public slots:
    void MDIForm_Load();

private:
    // The frame has no menu of its own: its menu bar shows the menus of the
    // active child, and the children's own menu bars stay hidden.
    void showChildMenus();

    QMdiArea *m_area;
};

// A menu child: a hint label above eight picture buttons, and ファイル with 印刷 and 終了.
class MenuChild : public Window
{
    Q_OBJECT
public:
    MenuChild(const QString &formName, const QString &caption, const QString &hint, unsigned background, unsigned hintBackground);

public slots:
    void IDM_END_Click() { close(); }

protected:
    // A picture button at its place in the board (row and column from 1); a button
    // runs the slot <name>_Click when the window has one.
    struct BoardButton
    {
        const char *name;
        const char16_t *caption;
        int row, column;
        Picture picture;
    };
    void addButtons(const QVector<BoardButton> &buttons);

private:
    QWidget *m_board;
};

class FrmMENUA : public MenuChild
{
    Q_OBJECT
public:
    FrmMENUA();
    void Form_Load() override;

public slots:
    void Command1_Click() {}
    void Command2_Click();
    void Command3_Click();
    void Command7_Click() {}
    void Command8_Click() {}
    void IDM_PRINT_Click() { printWindow(); }
};

class FrmMENUC : public MenuChild
{
    Q_OBJECT
public:
    FrmMENUC();
    void Form_Load() override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void IDM_PRINT_Click() { printWindow(QStringLiteral("エラーが発生しました。IDM_PRINT")); }
};

class Form10 : public Window
{
    Q_OBJECT
public:
    Form10();

public slots:
    void IDM_PRINT_Click() { printWindow(); }
};

} // namespace kb
