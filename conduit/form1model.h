#pragma once

// The conduit-size window 配管サイズ計算 without its widgets: the texts of its
// controls, its state and its procedures. The window copies the widgets' texts in
// before a handler and shows the texts, lists and enabled flags afterwards.

#include "cablerecord.h"
#include "conduitsettings.h"
#include "gridmodel.h"
#include "sizecalc.h"
#include "texttable.h"

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

namespace kb {

class Form1Model
{
public:
    Form1Model();
    Form1Model(const Form1Model &) = delete;
    Form1Model &operator=(const Form1Model &) = delete;

    // ---- controls ----
    QString Text1 = QStringLiteral("データ名称を入力してください。");
    QString Combo1, Combo3, Combo5 = QStringLiteral("1"), Combo6, Combo7 = QStringLiteral("32%");
    QStringList Combo1Items, Combo3Items, Combo5Items, Combo6Items, Combo7Items;
    bool Combo1Enabled = true, Combo3Enabled = true, Combo6Enabled = true, Combo7Enabled = true;
    QString Label1;
    QString Command1 = QStringLiteral("電線登録"); // captions of the buttons that change them
    QString Command4 = QStringLiteral("配管登録");
    QString Command6 = QStringLiteral("低圧電線・ｹｰﾌﾞﾙ");
    GridModel MSFlexGrid1;

    // The control that should take the focus after the handler (empty: none).
    QString focusRequest;
    // The busy state of the window (disabled, hourglass); the window installs it.
    std::function<void()> beginBusy, endBusy;
    // The owner of the file dialogs.
    QObject *dialogOwner = nullptr;

    // ---- window state ----
    TextTable CABLE_DATA;
    int TOROKU_SUU = 0;
    CableRecords DENSEN_TOROKU{};
    int SENTAKU_GYOU = 0;
    int SAKUJO_MODE = 0;
    int KENSAKU_HYOJI = 0;
    int KENSAKU_GYOU = 0;
    QString HAIKAN_SHUBETU;
    int16_t DANMEN_RITU = 32;
    int SAIZU_KAISHI = 0;
    int SAIZU_SHURYOU = 0;
    SizeNames SAIZU_MEI{};
    SizeAreas KYOYOU_MENSEKI{};
    int16_t SAIZU_NO = 0;
    ConduitSettings settings;

    // KURIA_SETTEI: the cell of the loaded database that 次の計算 tests.
    QString KURIA_SETTEI() const;

    // ---- handlers ----
    void Form_Load();
    void Command3_Click(); // 次の計算
    void Command1_Click(); // 電線登録 / 削除
    void IDM_DEL_Click();
    void MSFlexGrid1_Click();
    void Command7_Click(); // 検索
    void KENSAKU_KURIA();
    void cableKindMenu_Click(QStringView action); // IDM_TUCA_Click .. IDM_CASTAMB_Click
    void Command11_Click(); // サイズ指定
    void Command4_Click();  // 配管登録
    void KOKUDO_KEISAN();
    void Command2_Click(); // 計算
    void IDM_DSAVE_Click();
    void IDM_DOPEN_Click();
    void gridView_Click(QStringView action); // IDM_DAN_Click .. IDM_JOKE_Click
    void IDM_GRCLIN_Click();
    void Command5_Click(); // 配管種別: HAIKAN_IMAGE
    void Command6_Click(); // the cable-kind button: DENSEN_IMAGE
    // 設定
    void IDM_PFSETTI_Click();
    void IDM_PFKAIJO_Click();
    void IDM_KURIA_Click();
    void IDM_KURIANO_Click();
    void IDM_MESSEGION_Click();
    void IDM_MESSEGIOFF_Click();
    void IDM_SANTENON_Click();
    void IDM_UZAR_Click();
    void IDM_SANTENOFF_Click();
    void IDM_NAIKION_Click();
    void IDM_NAIKIOFF_Click();

    // The number of allowed sizes of the registered conduit.
    int allowedSizes() const { return SAIZU_SHURYOU - SAIZU_KAISHI + 1; }

private:
    class Busy;
    bool loadDatabase();
    void DENSEN_TOUROKU_DELETE();
    void HAIKAN_IMAGE();
    void DENSEN_IMAGE();
    void writeRecordRow(int r);
    void writeCableCells(int r);
    void writeSizeHeading();
    void setAreaMode(const QString &mode, const QString &tag, const QString &status);
    void setSwitch(QString &setting, const QString &value, const QString &status);
    int m_busyDepth = 0;
};

// Column headings and widths (twips) of the result grid.
extern const QStringList kForm1Headings;
extern const int kForm1ColumnWidths[11];

} // namespace kb
