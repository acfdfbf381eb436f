#pragma once

#include "menuwindow.h"

namespace kb {

// The wire-size menu.
class Form6 : public MenuWindow
{
    Q_OBJECT
public:
    Form6();
public slots:
    void IDM_END_Click() { close(); }
};

// The voltage-drop menu.
class Form13 : public MenuWindow
{
    Q_OBJECT
public:
    Form13();
public slots:
    void IDM_END_Click() { close(); }
};

// The pull-box menu: it closes its own calculators as well.
class Form20 : public MenuWindow
{
    Q_OBJECT
public:
    Form20();
    static QStringList pullBoxWindows();
public slots:
    void IDM_MEND_Click() { close(); }
    void IDM_END_Click() { closeInOrder(pullBoxWindows()); }
};

} // namespace kb
