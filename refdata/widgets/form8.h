#pragma once

#include "form8model.h"
#include "window.h"

#include <functional>

class QLabel;
class QLineEdit;

namespace kb {

class FlexGrid;

// The database editor window: shows Form8Model and forwards its events to it.
class Form8 : public Window
{
    Q_OBJECT
public:
    Form8();
    void Form_Load() override;
    Form8Model &model() { return m_model; }

public slots:
    void IDM_OPENA_Click();
    void IDM_OPENB_Click();
    void IDM_OPENC_Click();
    void IDM_OPEND_Click() {}
    void IDM_OPENE_Click() {}
    void IDM_HOZON_Click();
    void IDM_PRINT_Click();
    void IDM_END_Click();
    void IDM_INCLIA_Click();
    void IDM_GRCLA_Click();
    void MSFlexGrid1_Click();
    // The model runs it itself whenever the current cell moves; here for callers that name it.
    void MSFlexGrid1_LeaveCell() { m_model.MSFlexGrid1_LeaveCell(); }
    void Text1_KeyDown(int KeyCode);
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

protected:
    void showState() override;
    // The five text boxes.
    void takeState() override;

private:
    enum class Busy { No, Yes };
    // Runs the model's handler as a press (busy when the command is a long one),
    // then shows the model's texts and focus request.
    void run(const QString &tag, Busy busy, const std::function<void()> &handler);
    // One of the 開く commands: the load, then the view at the table's top left.
    void openDatabase(const QString &tag, void (Form8Model::*open)());
    void buildMenus();
    QWidget *buildInputs();

    Form8Model m_model;
    FlexGrid *m_grid = nullptr;
    QLineEdit *m_text[5] = {};
    QLabel *m_label5 = nullptr;
};

} // namespace kb
