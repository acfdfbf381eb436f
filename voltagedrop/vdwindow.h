#pragma once

// The display-free state of one voltage-drop calculator window (single-phase
// two-wire Form9, single-phase three-wire Form3, three-phase three-wire Form14,
// DC two-wire Form15) and its calculate command. The four windows run the same
// command; what differs between them is data (VoltageDropVariant).
//
// The widget copies its control texts into the model before a handler and the
// texts back afterwards; the command shows its boxes through kb::message and
// kb::errorBox.

#include "conductorsizing.h" // VoltageRead, the sizing routines
#include "gridmodel.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kb::vd {

// What makes one voltage-drop window differ from the others.
struct VoltageDropVariant
{
    const char *formName;          // "Form9", "Form3", "Form14", "Form15"
    double K;                      // KOUKA_KEISUU, the drop coefficient
    bool twoWire;                  // two-core names ("CV14-2C", "14X2") in column 4, else three-core in column 1
    VoltageRead loadCurrentVoltage; // FUKA_DENRYU
    VoltageRead backCalcVoltage;   // the drop-rate back-calculation
    VoltageRead maxLoadVoltage;    // the maximum load of KYOYOU_CHECK
    bool hasPowerFactor;           // false in the DC window: no Combo2, grid column 6 left alone
    bool strictAllowableCell;      // KYOYOU_CHECK reads the matched current cell strictly
    bool dropStepTrapped;          // DENATU_KOUKA shows its own box; else the command's box
};

const VoltageDropVariant &singlePhaseTwoWire();   // Form9
const VoltageDropVariant &singlePhaseThreeWire(); // Form3
const VoltageDropVariant &threePhaseThreeWire();  // Form14
const VoltageDropVariant &dcTwoWire();            // Form15
// The variant of a form name, or null.
const VoltageDropVariant *variantOf(const QString &formName);

class VoltageDropModel
{
public:
    explicit VoltageDropModel(const VoltageDropVariant &variant);
    VoltageDropModel(const VoltageDropModel &) = delete;
    VoltageDropModel &operator=(const VoltageDropModel &) = delete;

    const VoltageDropVariant &variant() const { return *m_variant; }

    // Controls (texts), named as the window's controls.
    QString Text1; // cable length (m)
    QString Text2; // data number DATA_NO: the grid row the calculation writes
    QString Text3; // circuit name
    QString Text4; // load (kW)
    QString Combo1, Combo2, Combo3, Combo4, Combo5; // size, power factor, voltage, drop (V), rate (%)
    QStringList Combo1Items, Combo2Items, Combo3Items, Combo4Items, Combo5Items;
    QString Label1;  // status line
    QString Label2;  // breaker frame ("100AF")
    QString Label3;  // breaker trip ("22AT")
    QString Label4;  // grounding wire ("E2")
    QString Label5;  // bonding wire
    QString Label11; // allowable current (A)
    QString Label12; // load current (A)
    QString Label13; // maximum allowable load (kW)

    // The result grid: rows 0..100, columns 0..20 once the window has shaped it.
    GridModel MSFlexGrid1;

    // Window-level state.
    QString DENSEN_SHUBETU; // wire type: "IV", "CV-2C", "FP-2C" / "CV-3C", "CVT", "FP-3C"
    QString FUSETU_HOUHOU;  // laying: "RACK", "C" (conduit); "G" counts as conduit
    QString DENGEN_SHUBETU; // supply: "JIKAYO" or "TODEN"
    int16_t KEISAN_KAISUU = 0;
    QStringList ZENKAI;     // texts saved by the last completed calculation (7, or 6 without power factor)
    QString FUKA_OVER;
    int16_t DANMENSEKI = 0;
    int16_t KYOYOU_DENRYU = 0;
    int16_t SENTAKU_GYOU = 0;

    // The window's copy of CABLE-SIZE (rows 1..300 loaded).
    TextTable DD;

    // The calculate command (計 算).
    void Command1_Click();

private:
    void calculate();
    void need(bool stepSucceeded);
    void FUKA_DENRYU_step();
    void DENSEN_SAIZU_step();
    void backCalculate();
    void NAGASA_HANTEI_step();
    void KYOYOU_CHECK_step();
    void GR_HYOJI();
    QStringList savedTexts() const;
    const WireType *wire() const;
    double powerFactor() const;

    const VoltageDropVariant *m_variant;
};

} // namespace kb::vd
