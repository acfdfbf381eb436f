#pragma once

#include "calculatorwindow.h"
#include "vdmenus.h"
#include "vdwindow.h"

namespace kb {

// The window of the three-phase three-wire, single-phase three-wire,
// single-phase two-wire and DC two-wire voltage-drop calculators. One class
// serves the four: what sets them apart is their WindowDesc.
class VoltageDropWindow : public CalculatorWindow
{
    Q_OBJECT
public:
    explicit VoltageDropWindow(const vd::WindowDesc &desc);

    void Form_Load() override;
    vd::VoltageDropModel &model() { return m_model; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MSFlexGrid1_Click();
    void IDM_ALLCLIA_Click();
    // Supply, wire-type and laying setters; each window's menu uses those it has.
    void IDM_JIKAYO_Click();
    void IDM_TODEN_Click();
    void IDM_IV_Click();
    void IDM_CV3C_Click();
    void IDM_CVT_Click();
    void IDM_FP3C_Click();
    void IDM_CV2C_Click();
    void IDM_FP2C_Click();
    void IDM_PIPE_Click();
    void IDM_C_Click();
    void IDM_RACK_Click();

protected:
    QString &statusLine() override { return m_model.Label1; }

private:
    void buildControls();
    void setWireType(const char *item);

    const vd::WindowDesc &m_desc;
    vd::VoltageDropModel m_model;
    vd::WindowProcedures m_procedures;
};

} // namespace kb
