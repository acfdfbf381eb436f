#pragma once

// The display-free state of the package air-conditioner window Form11
// (パッケージ計算) and its calculate command: every result is a look-up of the
// package rows or a fixed ladder (wire, length, breaker or switch rating by the
// largest-motor class, earth, bond, conduit), written as one grid row.

#include "gridmodel.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kb::feeder {

class Form11Model
{
public:
    Form11Model();
    Form11Model(const Form11Model &) = delete;
    Form11Model &operator=(const Form11Model &) = delete;

    QString Combo1; // unit output (kW)
    QStringList Combo1Items, Combo2Items;
    QString Combo2; // largest motor in the unit (kW)
    int Option1 = 0; // 0 空冷式 air-cooled, 1 水冷式 water-cooled
    int Option2 = 0; // 0 過電流遮断器 breaker, 1 開閉器 switch
    int Option3 = 0; // 0 直入れ direct-on-line, 1 始動器 starter
    QString Text1;  // wire length (m)
    QString Text2;  // data number DATA_NO
    QString Text3;  // name of the load
    QString Text4;  // blower output
    QString Text5;  // wire ("IV5.5")
    bool Text1Enabled = true, Text4Enabled = true, Text5Enabled = true;
    QString Label1; // status line
    QString Label5; // rating ("50AF")
    QString Label6; // earth ("E3.5mm2")
    QString Label7; // conduit
    QString Label8; // bond
    QString Label9; // kind of the rating

    GridModel MSFlexGrid1; // 101 rows × 15 columns

    QString FUSETU_HOUHOU = QStringLiteral("C"); // "C" thin-steel, "G" thick-steel conduit
    int16_t TAISHOU_GYOU = 0;
    int16_t SENTAKU_GYOU = 0;

    TextTable DD;

    // The load: grid, defaults (before the table is read).
    void layOutGrid();
    void setDefaults();

    void Command1_Click(); // 計　算
    void Command2_Click(); // 次の計算
    void Command5_Click(); // データ読込み
    void MSFlexGrid1_Click();
    void GR_CLIA();
    void IDM_ALLCLIA_Click();
    void IDM_MCB_Click() { Option2 = 0; }
    void IDM_KS_Click() { Option2 = 1; }
    void IDM_KUREI_Click() { Option1 = 0; }
    void IDM_SUIREI_Click() { Option1 = 1; }
    void IDM_USUI_Click();
    void IDM_ATUKO_Click();

    static const QStringList Headings; // row 0, columns 1..14

private:
    void closeResultBoxes();
    void calculate();
    // The table column of the largest motor's rating for the cooling chosen; 0 when there is none.
    int ratingColumn() const;
    // True when every cell of package row g that the results come from was read whole.
    bool readableRow(int g) const;
    void HYOU_JI();
    void EARTH_SAIZU();
    void GR_TENSOU();
};

// The rating column of the largest-motor class: 5..14 for output m (kW) and a
// direct-on-line start or a starter; 0 above 37 kW.
int packageClass(double m, bool starter);
// The earth size of this calculator by the rating number; empty above 600.
QString packageEarth(int rating);
// The bond size by the unit output in kW; empty above 37.
QString packageBond(double unitKw);

} // namespace kb::feeder
