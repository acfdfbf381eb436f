#pragma once

#include "calculatorwindow.h"
#include "detectormodel.h"

#include <QVector>

class QButtonGroup;
class QLineEdit;
class QRadioButton;

namespace kb {

// The detector calculator window: ordinary room Frm1, long narrow room Frm2,
// compartments in a row Frm3 and one compartment Form4, one class for the four.
// Its window-level state outlives a close; the controls are built afresh.
class DetectorWindow : public CalculatorWindow
{
    Q_OBJECT
public:
    explicit DetectorWindow(const fa::DetectorVariant &variant);

    void Form_Load() override;
    fa::DetectorModel &model() { return m_model; }

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void MSFlexGrid1_Click();
    void IDM_OFFICE_Click();
    void IDM_PLANT_Click();
    void IDM_SCHOOL_Click();
    void IDM_HOSPITAL_Click();
    void IDM_SONOTA_Click();
    void IDM_ALLCLA_Click();
    void IDM_INCLA_Click();
    void IDM_GRCLA_Click();
    void IDM_PRINT_Click();
    // The 解説 items carry no action.
    void noAction() {}

protected:
    QString &statusLine() override { return m_model.Label1; }
    // The texts, then the options and the result boxes' looks.
    void showState() override;
    // The texts and the options.
    void takeState() override;

private:
    void buildControls();
    void buildMenus();
    // Runs a procedure of the state as a press.
    void act(const QString &tag, void (fa::DetectorModel::*procedure)());

    const fa::DetectorVariant &m_variant;
    fa::DetectorModel m_model;
    QButtonGroup *m_class = nullptr;
    QButtonGroup *m_structure = nullptr;
    QLineEdit *m_text3 = nullptr, *m_text6 = nullptr, *m_text7 = nullptr;
};

} // namespace kb
