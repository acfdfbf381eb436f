#pragma once

#include "window.h"

namespace kb {

// The main menu: the start-up window.
class Form5 : public Window
{
    Q_OBJECT
public:
    Form5();
    void Form_Load() override;
};

} // namespace kb
