#pragma once

#include "calculatorwindow.h"
#include "form7model.h"

namespace kb {

// The motor-feeder window (モーター１台計算): the controls over the display-free
// Form7Model, which holds the texts, the settings and the procedures.
class Form7 : public CalculatorWindow
{
    Q_OBJECT
public:
    Form7();

    void Form_Load() override;
    feeder::Form7Model &model() { return m_model; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command4_Click();
    void Command5_Click();
    void MSFlexGrid1_Click();
    void IDM_GRCLA_Click();
    void IDM_ALLCLIA_Click();
    void IDM_TOKYO_Click();
    void IDM_JIKAYO_Click();
    void IDM_GOJU_Click();
    void IDM_ROKUJU_Click();
    void IDM_IV_Click();
    void IDM_CV3C_Click();
    void IDM_USUI_Click();
    void IDM_ATUKOU_Click();
    void IDM_RACK_Click();
    void IDM_KVAR_Click();
    void IDM_MICRO_Click();

protected:
    QString &statusLine() override { return m_model.Label1; }
    // The texts, then the enabled looks.
    void showState() override;

private:
    void buildControls();
    // Runs a procedure of the model and shows the texts and the open boxes again.
    void act(const QString &tag, void (feeder::Form7Model::*procedure)());

    feeder::Form7Model m_model;
};

} // namespace kb
