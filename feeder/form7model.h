#pragma once

// The display-free state of the motor-feeder window Form7 (モーター１台計算)
// and its calculate command: the design row of the motor output, the drop and
// the drop rate on 0.01 V, the power factor, the conduit and the star-delta
// secondary circuit, the grid row and the allowable-current test with margin;
// from the second calculation on the re-derivation from the one edited result.

#include "gridmodel.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

namespace kb::vd {
struct WireType;
}

namespace kb::feeder {

class Form7Model
{
public:
    Form7Model();
    Form7Model(const Form7Model &) = delete;
    Form7Model &operator=(const Form7Model &) = delete;

    // Controls (texts), named as the window's controls.
    QString Combo1; // motor output (kW)
    QString Combo2; // voltage class "200V級" / "400V級"
    QString Combo3; // start method "直入れ" / "ｽﾀｰﾃﾞﾙﾀ"
    QString Combo4; // wire size ("22X3", "CV22-3C")
    QString Combo5; // voltage drop (V)
    QString Combo6; // drop rate (%)
    QString Text1;  // wire length (m)
    QString Text2;  // data number DATA_NO
    QString Text3;  // circuit name
    QString Text4;  // rated current (A)
    QString Label1;  // status line
    QString Label7;  // primary conduit
    QString Label8;  // earth wire
    QString Label9;  // power factor
    QString Label10; // breaker frame
    QString Label11; // breaker trip
    QString Label12; // capacitor wire
    QString Label13; // capacitor
    QString Label14; // bonding wire
    QString Label15; // star-delta secondary wire
    QString Label16; // star-delta secondary conduit
    QString Label17; // star-delta secondary flexible conduit
    QString Label18; // cabtyre cable
    QStringList Combo1Items, Combo2Items, Combo3Items, Combo4Items, Combo5Items, Combo6Items;
    // Enabled state of the boxes the commands open and close.
    bool Combo4Enabled = true, Combo5Enabled = true, Combo6Enabled = true, Text1Enabled = true, Text4Enabled = true;

    GridModel MSFlexGrid1; // 101 rows × 26 columns

    // Settings (MotorSettingsRow at load, then the window's menus).
    QString DENGEN_SHUBETU; // "JIKAYO" / "TODEN"
    QString SHUHASU;        // "50" / "60"
    QString KEISAN_MODE;    // "SEKKEI" / "SEKOU" / empty
    QString DENSEN_SHUBETU; // "IV" / "CV-3C" / empty
    QString KONDENSA_HYOJI; // "KVAR" / "MICRO" / empty
    QString FUSETU_HOUHOU;  // "C" / "G" / "RACK" / empty

    // Calculation state.
    int16_t KEISAN_KAISUU = 0;
    int16_t TAISHOU_GYOU = 0;
    int16_t KYOYOU_DENRYU = 0;
    int16_t DANMENSEKI = 0;
    int16_t SENTAKU_GYOU = 0;
    // Size, length, drop, rate and rated current (the boxes a later click
    // watches), then capacity, voltage and start method (the motor).
    QStringList ZENKAI;
    QString HENKOU_CODE; // the result edited on this click, empty when none

    TextTable DD; // the window's copy of CABLE-SIZE

    // Takes the settings of MotorSettingsRow (row 2).
    void readSettings();

    // The load: the grid before the table is read, the rest after it.
    void layOutGrid();
    void setDefaults();

    void Command1_Click();  // 計　算
    void Command2_Click();  // 次の計算
    void Command4_Click();  // 始に戻す
    void Command5_Click();  // データ読込み
    void MSFlexGrid1_Click();
    void IDM_GRCLA_Click(); // 明細表クリア
    void IDM_ALLCLIA_Click();
    void SHOKI_KA();

    // Setting menus: one value and its confirmation in the status line.
    void IDM_TOKYO_Click();
    void IDM_JIKAYO_Click();
    void IDM_GOJU_Click();
    void IDM_ROKUJU_Click();
    void IDM_USUI_Click();
    void IDM_ATUKOU_Click();
    void IDM_RACK_Click();
    void IDM_KVAR_Click();
    void IDM_MICRO_Click();
    void IDM_IV_Click();
    void IDM_CV3C_Click();

    static const QStringList Headings; // row 0, columns 0..25

private:
    void setResultBoxes(bool enabled);
    void setWireType(const QString &type, const QString &status);
    // 計算 under its trap; false when a box ended it.
    bool click();
    void calculate();
    void checkClassLimits() const;
    QStringList watched() const;
    QStringList motor() const;
    // Whether the motor's output can draw the current: false for none, or for one
    // that needs a power factor above 1.
    bool drawsCurrent(const QString &current) const;
    // Puts texts back into the boxes a later click watches.
    void setWatched(const QStringList &texts);
    double powerFactorPercent(double P, double I) const;
    // The first design row of the voltage class in Combo2 (31: 200 V, 11: 400 V); 0 for none.
    int designRows() const;
    // The row of the output in Combo1 among the 20 design rows from firstRow; none when absent.
    std::optional<int16_t> designRowOf(int firstRow) const;
    void SEKKEI(int firstRow, const QString &tag);
    void HYOU_JI();
    // The capacitor wire and capacitor of design row g at the window's supply, frequency and unit.
    void showCapacitor(int16_t g);
    // The capacitor of the motor in the boxes (Combo1, Combo2), as データ読込み of its row shows it.
    void showRowCapacitor();
    void HAIKAN_SAIZU();
    void DENATU_KOUKA();
    void KOUKA_LITU();
    void KYOYOU_CHECK();
    void DENSEN_SUCHI();
    void NANKAI_ME();
    void SAIZU_CHOSEI();
    // Ten times the drop an edited drop (or rate) box asks for; none when the text is no figure,
    // the drop is 0 V or its section passes the largest size.
    std::optional<double> editedDrop(bool rate) const;
    void backCalculate(double tenTimesDrop);
    void writeDrop();
    void powerFactor();
    void GR_HYOJI();
    void overloadTest();

    bool conduitLaying() const;
    bool rackLaying() const;
    bool starDelta() const;
    const vd::WireType *wire() const;
    const QString &design(int column) const;
};

} // namespace kb::feeder
