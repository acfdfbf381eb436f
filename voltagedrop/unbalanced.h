#pragma once

// The single-phase three-wire unbalanced-load calculator: the window's texts,
// its grid and its procedures, without a display. The window (Form16) copies its
// control texts into this state before a handler and shows them again after.

#include "gridmodel.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kb {

// One load group of the schematic: kVA box, kW box and its power-factor list.
struct LoadGroup
{
    QString kva;
    QString kw;
    QString powerFactor;
};

// The loads in whole watts and the unbalance rate of one calculation.
struct UnbalanceResult
{
    int32_t R_FUKA = 0;
    int32_t T_FUKA = 0;
    int32_t RT_FUKA = 0;
    int32_t FUKA_SA = 0;
    int32_t FUKA_GOUKEI = 0;
    QString rate; // percent, floored to 0.1, shortest text ("14.2", "50")
};

// The calculation proper: each group's kW part (kW × 1000 × power factor) plus its
// kVA part, rounded to watts; the rate is the R/T difference over half the total.
// Throws Failure for a box that is not a number, a load, difference or total
// outside 32 bits, and a zero total. Empty boxes count nothing.
UnbalanceResult unbalance(const LoadGroup &rn, const LoadGroup &tn, const LoadGroup &rt);

class Form16Model
{
public:
    Form16Model();

    // Control texts, named after the controls.
    QString Text1;  // name of the calculation
    QString Text2;  // data number DATA_NO
    QString Text3, Text4, Text5, Text6, Text7, Text8; // kVA/kW boxes of R-N, T-N, R-T
    QString Combo1, Combo2, Combo3; // power factors of R-N, T-N, R-T
    QStringList Combo1Items, Combo2Items, Combo3Items;
    QString Label1; // status line
    QString Label2; // unbalance rate (%)
    GridModel MSFlexGrid1;

    int16_t SENTAKU_GYOU = 0;
    UnbalanceResult loads; // the five load values of the last calculation

    static QStringList powerFactorItems();
    static QString headingText(int column);
    static int columnWidth(int column); // twips

    // Handlers and procedures.
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void MSFlexGrid1_Click();
    void IDM_ALLCLIA_Click();
    void GR_CLIA();

private:
    void calculate();
    void GR_HYOJI();
    void writeHeadings();
    void fillPowerFactor(QString &text, QStringList &items);
};

} // namespace kb
