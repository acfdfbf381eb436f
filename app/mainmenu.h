#pragma once

#include "menuwindow.h"

namespace kb {

// The main menu: the start-up window, with the program-wide exit, the window
// print, the calculator and the maker's boxes.
class Form5 : public MenuWindow
{
    Q_OBJECT
public:
    Form5();

    // The texts of the maker's boxes.
    static QString supportText();
    static QString versionText();
    static QString companyText();

public slots:
    void IDM_MEND_Click();
    void IDM_END_Click();
    void IDM_CASTAMA_Click();
    void IDM_JOHO_Click();
    void IDM_ANNAI_Click();
    void IDM_DENTAKU_Click();
};

} // namespace kb
