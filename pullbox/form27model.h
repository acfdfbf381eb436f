#pragma once

// 段数分割計算 without its widgets: a list of conduit sizes and the total width
// they take side by side with a gap between neighbours.

#include "gridmodel.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace kb::pullbox {

class Form27Model
{
public:
    Form27Model();
    Form27Model(const Form27Model &) = delete;
    Form27Model &operator=(const Form27Model &) = delete;

    // ---- controls ----
    QString Label1, Label2, Label3, Label4, Label5;
    QString Combo1, Combo2, Combo3, Combo4;
    QStringList Combo1Items, Combo2Items, Combo3Items, Combo4Items;
    QString Command1, Command2, Command3, Command4, Command5;
    GridModel MSFlexGrid1; // result grid
    GridModel MSFlexGrid2; // list of the registered conduits

    // ---- screen state ----
    int16_t HAIKAN_SUU = 0;
    int16_t SUKIMA = 0;
    std::array<int16_t, 101> SUNPOU_RETSU{}; // sizes at the odd slots, gaps at the even ones
    int16_t GOUKEI = 0;

    // ---- handlers ----
    void Form_Load();
    void Command5_Click(); // 登録
    void Command1_Click(); // 下段・太い順

    // The list has rows 1 to 19.
    static constexpr int kListRows = 19;

private:
    void GOUKEI_SUNPOU();
};

} // namespace kb::pullbox
