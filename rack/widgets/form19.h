#pragma once

#include "racewaymodel.h"
#include "rackwindow.h"

namespace kb {

// レースウェイ計算: the raceway window. Its state and procedures live in Form19Model.
class Form19 : public RackWindow
{
    Q_OBJECT
public:
    Form19();
    ~Form19() override;

    Form19Model &model() { return m_model; }
    void Form_Load() override;
    bool Form_Unload() override;

public slots:
    void Command2_Click();
    void Command3_Click();
    void IDM_DPONE_Click();
    void IDM_DPTWO_Click();

private:
    Form19Model m_model;
};

} // namespace kb
