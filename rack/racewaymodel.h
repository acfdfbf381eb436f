#pragma once

// The raceway window レースウェイ計算 (Form19) without its widgets: the texts of its
// controls, its state, the occupancy and span-weight check.

#include "cablelist.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kb {

// The values of the check that live as long as the program (closing keeps them).
struct RacewayNumbers
{
    int16_t RACE_JURYO = 0, NAIBU_MENSEKI = 0, KIGU_JURYO = 0, DANMEN_GOUKEI = 0, SENYU_RITU = 0;
};

class Form19Model : public CableListModel
{
public:
    Form19Model();

    // ---- controls ----
    QString Text1, Text2;
    QString Combo1, Combo2, Combo4, Combo6;
    QStringList Combo1Items, Combo2Items, Combo4Items, Combo6Items;
    bool fixturesVisible = true; // Combo2, Combo4, Combo6
    QString Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9 = QStringLiteral("本数");
    QString Label11, Label12, Label13, Label14;

    // ---- state ----
    QString RACE_SHUBETU;
    RacewayNumbers num;

    // ---- handlers ----
    void Form_Load();
    void Command2_Click(); // 計算
    void Command3_Click(); // 次の計算
    void IDM_DPONE_Click();
    void IDM_DPTWO_Click();

    // ---- procedures ----
    void COM_BOTWO();
    void RACE_OMOSA();
    void HAN_TEI();

    ControlBindings bindings();

private:
    // The calculation after its no-cable check; a refusal empties the results before its box.
    void calculate();
    // The results a calculation writes, emptied when it ends on a box.
    void clearResults();
};

extern const QStringList kRacewayHeadings;
extern const int kRacewayColumnWidths[6];

} // namespace kb
