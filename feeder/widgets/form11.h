#pragma once

#include "calculatorwindow.h"
#include "form11model.h"

class QRadioButton;

namespace kb {

// The package air-conditioner window (パッケージ計算) over the display-free Form11Model.
class Form11 : public CalculatorWindow
{
    Q_OBJECT
public:
    Form11();

    void Form_Load() override;
    feeder::Form11Model &model() { return m_model; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command5_Click();
    void MSFlexGrid1_Click();
    void IDM_ALLCLIA_Click();
    void IDM_MCB_Click();
    void IDM_KS_Click();
    void IDM_KUREI_Click();
    void IDM_SUIREI_Click();
    void IDM_USUI_Click();
    void IDM_ATUKO_Click();

protected:
    QString &statusLine() override { return m_model.Label1; }
    // The texts, then the enabled looks and the options.
    void showState() override;
    // The texts and the options.
    void takeState() override;

private:
    void buildControls();
    void paint();
    void act(const QString &tag, void (feeder::Form11Model::*procedure)());

    feeder::Form11Model m_model;
    QVector<QRadioButton *> m_option1, m_option2, m_option3;
};

} // namespace kb
