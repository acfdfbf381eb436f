#pragma once

// The database editor without its window: the grid of the open database, the
// input boxes, the remembered cell and every command of the editor. The window
// (Form8) shows this state and forwards its events here.

#include "gridmodel.h"
#include "refdata.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace kb {

class Form8Model
{
public:
    Form8Model();
    Form8Model(const Form8Model &) = delete;
    Form8Model &operator=(const Form8Model &) = delete;

    // Box texts, read by the commands and written back by them.
    QString Text1; // 登録文字
    QString Text2; // 開始行
    QString Text3; // 終了行
    QString Text4; // 列/移動行数
    QString Text5; // 複写先列
    QString Label5; // position line of the last clicked cell
    GridModel MSFlexGrid1;

    // The control that takes the focus after the last command ("" leaves it where it is).
    QString focusRequest;

    // The open database: its file name with the leading backslash, columns C and rows R.
    QString FAIRU_MEI;
    int16_t RETU_SUU = 0;
    int16_t GYOU_SUU = 0;
    // The cell that 登録 returns to (last clicked; 連続登録 sets the column).
    int16_t SENTAKU_RETU = 0;
    int16_t SENTAKU_GYOU = 0;

    static constexpr int RowHeightTwips = 250;
    static constexpr GridColor PickedCellColor = gridRgb(128, 128, 128);
    static constexpr int KeyEnter = 13;

    // File menu.
    void IDM_OPENA_Click(); // CABLE-PIPE
    void IDM_OPENB_Click(); // CABLE-SIZE
    void IDM_OPENC_Click(); // KAHOU
    void IDM_OPEN();
    void IDM_HOZON_Click();
    // View menu.
    void IDM_INCLIA_Click();
    void IDM_GRCLA_Click();

    void MSFlexGrid1_Click();
    // Run whenever the current cell has moved: the cell left loses its grey.
    void MSFlexGrid1_LeaveCell();
    void Text1_KeyDown(int KeyCode);
    void Command1_Click(); // 登録
    void Command2_Click(); // 行消去
    void Command3_Click(); // 行削除
    void Command4_Click(); // 連続登録
    void Command5_Click(); // 行移動
    void Command6_Click(); // 列消去
    void Command7_Click(); // 列複写

    // False after a load that stopped part-way: saving would write the unread rows empty.
    bool loadComplete() const { return m_loadComplete; }

private:
    void openDatabase(const DatabaseShape &shape, int rowNumberWidth, int cellWidth);
    QString databaseFile() const;
    bool storable(const QString &text);
    void moveCurrent(int r, int c);
    bool isDataCell(int r, int c) const;

    // A block command: the walk over the cells and its failure box (a cell
    // outside the grid fails it, as the grid refuses such a row or column).
    void blockCommand(const QString &tag, const std::function<void()> &body);
    void eraseRows(int16_t s, int16_t e);

    bool m_loadComplete = true;
    int m_pickedRow = -1, m_pickedCol = -1; // the grey cell, -1 when none
};

} // namespace kb
