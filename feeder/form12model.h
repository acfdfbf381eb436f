#pragma once

// The display-free state of the mercury-lamp window Form12 (水銀灯計算) and
// its calculate command: primary and secondary currents of the lamps, the wire
// sizes of both stages from the allowable-current rows, both drops and rates
// and their compounded total, breaker, earth and primary conduit; from the
// second calculation on the primary side re-derived from an edited drop or rate.

#include "gridmodel.h"
#include "texttable.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace kb::vd {
struct WireType;
}

namespace kb::feeder {

class Form12Model
{
public:
    Form12Model();
    Form12Model(const Form12Model &) = delete;
    Form12Model &operator=(const Form12Model &) = delete;

    // Inputs.
    QStringList Combo1Items, Combo2Items, Combo3Items, Combo4Items, Combo5Items;
    QString Combo1; // group A: starting current as a multiple of the stable current
    QString Combo2; // group A: lamp wattage (W)
    QString Text8;  // group B: primary stable current of one ballast (A)
    QString Text9;  // group B: starting current of one ballast (A)
    QString Text10; // group B: secondary lamp current of one ballast (A)
    QString Combo3; // lamp count
    QString Combo4; // primary voltage
    QString Combo5; // secondary (lamp) voltage
    QString Text1;  // primary length (m)
    QString Text4;  // secondary length (m)
    QString Text2;  // data number DATA_NO
    QString Text3;  // circuit name
    // Results.
    QString Text12, Text13, Text14, Text15; // primary drop, rate; secondary drop, rate
    QString Label1;  // status line
    QString Label19; // primary starting current
    QString Label20; // primary stable current
    QString Label25; // total drop rate
    QString Label26; // breaker frame
    QString Label27; // earth wire
    QString Label28; // primary wire size
    QString Label29; // primary conduit
    QString Label30; // secondary wire size
    QString Label31; // only ever emptied
    bool resultsEnabled = false; // Label19, Label20, Text12..Text15, Label25 have the enabled look

    GridModel MSFlexGrid1; // 101 rows × 26 columns

    QString DENSEN_SHUBETU; // "IV" / "CV-2C"
    QString FUSETU_HOUHOU;  // "C" / "G" / "RACK"
    int16_t KEISAN_KAISUU = 0;
    int16_t SENTAKU_GYOU = 0;
    int16_t ANTEI_DENRYU = 0;
    int16_t SHIDOU_DENRYU = 0;
    int16_t NIJI_DENRYU = 0;
    int16_t SAIZU_GYOU = 0;
    int16_t DANMENSEKI = 0;
    QString EARTH_SEN;
    QString CHOSEI_SAIZU;
    QStringList ZENKAI; // Text12..Text15 of the last calculation
    QStringList ZENKAI_JOUKEN; // the circuit of the last calculation (see circuit())

    TextTable DD;

    // The load: grid, lists and defaults (before the table is read).
    void setDefaults();

    void Command1_Click(); // 計　算
    void Command2_Click(); // 次の計算
    void Command3_Click(); // 始に戻す
    void Command5_Click(); // データ読込み
    void MSFlexGrid1_Click();
    void IDM_INCLIA_Click(); // 入力欄全てクリア
    void IDM_GRCLA_Click();  // 表をクリアーする
    void IDM_ALLCLIA_Click();
    void IDM_USUI_Click();
    void IDM_ATUKOU_Click();
    void IDM_RACK_Click();
    void IDM_IV_Click();
    void IDM_CV_Click();

    static const QStringList LoadHeadings;  // row 0, columns 1..25, at load
    static const QStringList ClearHeadings; // row 0, columns 1..25, after 表をクリアーする

private:
    // The primary stable and starting currents of all lamps and the secondary one of a lamp.
    struct Currents
    {
        int16_t antei, shidou, niji;
    };
    QString settingsText() const;
    QStringList circuit() const;
    // Text12..Text15, the results a later press watches.
    QStringList resultBoxes() const;
    void setResultBoxes(const QStringList &texts);
    // 計算 under its trap; false when a box ended it.
    bool click();
    void calculate();
    Currents currents() const;
    // The first allowable-current row that carries the current; 0 when none does.
    int16_t sizeRow(int16_t current, bool atLeast) const;
    // The starting current times the breaker factor, rounded.
    int16_t breakerProduct(double startingCurrent) const;
    void DENATU_KOUKAA();
    void DENATU_KOUKAB();
    void KOUKA_LITUA();
    void KOUKA_LITUB();
    void MCB_SAIZU();
    void HAIKAN_SAIZU();
    void GR_TENSOU();
    void NANKAI_ME();
    void totalRate();
    int16_t section(const QString &name, bool solidWires) const;
    const vd::WireType *wire() const;
};

} // namespace kb::feeder
