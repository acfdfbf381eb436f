#pragma once

// One pull-box window without its widgets: the texts of its controls, its state
// and its handlers. The six windows (Form21 .. Form26) are this model with their
// own Design; the geometry's calculation behind 計　算 is in pullboxcalc.

#include "gridmodel.h"
#include "pullboxcalc.h"
#include "pullboxdesign.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace kb::pullbox {

class PullBoxModel
{
public:
    explicit PullBoxModel(const Design &design);
    PullBoxModel(const PullBoxModel &) = delete;
    PullBoxModel &operator=(const PullBoxModel &) = delete;

    const Design &design;

    // ---- controls ----
    QString Text1, Text2;
    QString Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9;
    QString Combo1;
    QString Command6; // caption of the next-tier button (tier windows)
    // The selected button of each option array; -1 when none is selected.
    int Option1 = -1, Option2 = -1, Option3 = -1;
    GridModel MSFlexGrid1;

    // The control that should take the focus after the handler (empty: none).
    QString focusRequest;
    // The busy state of the window while it loads its table; the window installs it.
    std::function<void()> beginBusy, endBusy;

    // ---- window state ----
    State s;

    // ---- handlers ----
    void Form_Load();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Option3_Click(int index);
    void IDM_JIDOU_Click() { selectOption(Option1, 0, &PullBoxModel::Option1_Click); }
    void IDM_SETUYAKU_Click() { selectOption(Option1, 1, &PullBoxModel::Option1_Click); }
    void IDM_USAER_Click() { selectOption(Option1, 2, &PullBoxModel::Option1_Click); }
    void IDM_KYODEN_Click() { selectOption(Option2, design.powerOnIndex, &PullBoxModel::Option2_Click); }
    void IDM_JAKU_Click() { selectOption(Option2, 1, &PullBoxModel::Option2_Click); }
    void IDM_ANGL_Click() { selectOption(Option3, 0, &PullBoxModel::Option3_Click); }
    void IDM_TUKERU_Click() { selectOption(Option3, 1, &PullBoxModel::Option3_Click); }
    void IDM_NASHI_Click() { selectOption(Option3, 2, &PullBoxModel::Option3_Click); }
    void Command5_Click(); // 初期設定表示
    void IDM_SHOKI_Click() { Command5_Click(); }
    void Command1_Click(); // 表をクリアー
    void Command3_Click(); // 次の計算
    void IDM_GRCLIA_Click() { MSFlexGrid1.clear(); }
    void Command4_Click(); // 配管登録
    void Command6_Click(); // <n>段目登録
    void IDM_DAN_Click();  // 一段を戻す
    void Command2_Click(); // 計　算

private:
    void selectOption(int &array, int index, void (PullBoxModel::*handler)(int));
    void loadSettings();
    void registerInTier();
    void registerInRow();
    void writeResults();
    void clearResults();
    void resetTexts();
    void restartRegistration();
    void clearGrid();
    void listSize(int position, int col);
};

// Column widths (twips) of the monitor grid at load.
inline constexpr int kLoadWidths[4] = {2500, 1100, 1100, 1500};

} // namespace kb::pullbox
