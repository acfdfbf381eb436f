#pragma once

#include "calculatorwindow.h"
#include "unbalanced.h"

namespace kb {

// The single-phase three-wire unbalanced-load calculator window.
class Form16 : public CalculatorWindow
{
    Q_OBJECT
public:
    Form16();

    void Form_Load() override;
    Form16Model &model() { return m_model; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MSFlexGrid1_Click();
    void IDM_ALLCLIA_Click();

protected:
    QString &statusLine() override { return m_model.Label1; }

private:
    Form16Model m_model;
};

} // namespace kb
