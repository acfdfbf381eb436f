#pragma once

#include "calculatorwindow.h"
#include "form12model.h"

namespace kb {

// The mercury-lamp window (水銀灯計算) over the display-free Form12Model.
class Form12 : public CalculatorWindow
{
    Q_OBJECT
public:
    Form12();

    void Form_Load() override;
    feeder::Form12Model &model() { return m_model; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command5_Click();
    void MSFlexGrid1_Click();
    void IDM_INCLIA_Click();
    void IDM_GRCLA_Click();
    void IDM_ALLCLIA_Click();
    void IDM_USUI_Click();
    void IDM_ATUKOU_Click();
    void IDM_RACK_Click();
    void IDM_IV_Click();
    void IDM_CV_Click();

protected:
    QString &statusLine() override { return m_model.Label1; }
    // The texts, then the enabled looks.
    void showState() override;

private:
    void buildControls();
    void act(const QString &tag, void (feeder::Form12Model::*procedure)());

    feeder::Form12Model m_model;
};

} // namespace kb
