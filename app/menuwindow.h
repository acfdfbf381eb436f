#pragma once

#include "pictures.h"
#include "window.h"

#include <QVector>
#include <optional>

class QLabel;
class QMenu;

namespace kb {

// One picture button of a menu window.
struct MenuButton
{
    QString caption;
    std::optional<QString> hint; // written into Label1 before anything else; none keeps Label1
    QString target;              // the window it opens; empty opens nothing
    Picture picture;
    QString notice = {};         // a box shown in place of opening a window
};

// A menu window: a grid of picture buttons Command1.., the hint line Label1 and a menu bar.
// A button whose window the program does not have yet is disabled, its caption kept.
class MenuWindow : public Window
{
    Q_OBJECT
public:
    // How the load step reports a failure: a tag for its box, or nothing at all.
    MenuWindow(const QString &formName, const QString &caption, const QVector<MenuButton> &buttons,
               std::optional<QString> loadFailTag, const QString &printFailText);
    void Form_Load() override;

public slots:
    void Command1_Click() { press(1); }
    void Command2_Click() { press(2); }
    void Command3_Click() { press(3); }
    void Command4_Click() { press(4); }
    void Command5_Click() { press(5); }
    void Command6_Click() { press(6); }
    void Command7_Click() { press(7); }
    void Command8_Click() { press(8); }
    void IDM_PRINT_Click();

protected:
    QMenu *addTopMenu(const char *name, const QString &caption);
    template<class W> void addCommand(QMenu *menu, const char *name, const QString &caption, void (W::*slot)())
    {
        connectCommand(menu, name, caption, [this, slot] { (static_cast<W *>(this)->*slot)(); });
    }
    void addSeparator(QMenu *menu, const char *name);
    // Closes this menu, then each named window that is loaded.
    void closeInOrder(const QStringList &order);

private:
    void connectCommand(QMenu *menu, const char *name, const QString &caption, const std::function<void()> &handler);
    void press(int number);

    QVector<MenuButton> m_buttons;
    std::optional<QString> m_loadFailTag;
    QString m_printFailText;
    QLabel *m_label1 = nullptr;
};

} // namespace kb
