#pragma once

#include "busystate.h"
#include "form1model.h"
#include "window.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kb {

class FlexGrid;

// 配管サイズ計算: the conduit-size window. Its state and procedures live in
// Form1Model; the window copies the widgets' texts in before each handler and
// shows the model's texts, lists and enabled flags afterwards.
class Form1 : public Window
{
    Q_OBJECT
public:
    Form1();
    ~Form1() override;

    Form1Model &model() { return m_model; }
    void Form_Load() override;

protected:
    void showState() override;
    // The text box and the combo boxes' texts.
    void takeState() override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command10_Click() {}
    void Command11_Click();
    void MSFlexGrid1_Click();
    void IDM_DOPEN_Click();
    void IDM_DSAVE_Click();
    void IDM_PRINT_Click();
    void IDM_END_Click();
    void IDM_DEL_Click();
    void IDM_DENTAKU_Click();
    void IDM_DENSEN_Click() {}
    // 電線種別
    void IDM_TUCA_Click();
    void IDM_JAKU_Click();
    void IDM_DOJIKU_Click();
    void IDM_KOUATU_Click();
    void IDM_CASTAMA_Click();
    void IDM_ECOTEIATU_Click();
    void IDM_JAKUECO_Click();
    void IDM_EMDOJIKU_Click();
    void IDM_EMKOATU_Click();
    void IDM_CASTAMB_Click();
    // 表示
    void IDM_DAN_Click();
    void IDM_GAI_Click();
    void IDM_GAILU_Click();
    void IDM_HOSEI_Click();
    void IDM_MECA_Click();
    void IDM_JOKE_Click();
    void IDM_GRCLIN_Click();
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

private:
    void buildControls();
    void buildMenus();
    // Runs a model procedure as a press: the widgets copied in first, the model out after.
    void run(const QString &tag, const std::function<void()> &procedure);
    // The state on screen, then the focus the handler asked for.
    void push();

    Form1Model m_model;
    std::optional<BusyState> m_busy;
    QPushButton *m_command1 = nullptr, *m_command4 = nullptr, *m_command6 = nullptr;
    QComboBox *m_combo1 = nullptr, *m_combo3 = nullptr, *m_combo5 = nullptr, *m_combo6 = nullptr, *m_combo7 = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLabel *m_label1 = nullptr;
    FlexGrid *m_grid = nullptr;
};

} // namespace kb
