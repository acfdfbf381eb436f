#pragma once

#include "form27model.h"
#include "window.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kb {

class FlexGrid;

namespace pullbox {

// 段数分割計算: the tier-division screen. Its state and procedures live in Form27Model.
class Form27 : public Window
{
    Q_OBJECT
public:
    Form27();
    ~Form27() override;
    Form27Model &model() { return m_model; }
    void Form_Load() override;

public slots:
    void Command1_Click();
    void Command5_Click();
    void IDM_PRINT_Click();
    void IDM_END_Click();

protected:
    void showState() override;
    // The combo boxes' texts.
    void takeState() override;

private:
    void run(const QString &tag, void (Form27Model::*handler)());

    Form27Model m_model;
    QLabel *m_labels[6] = {};
    QComboBox *m_combos[5] = {};
    QPushButton *m_commands[6] = {};
    FlexGrid *m_grids[2] = {};
};

} // namespace pullbox
} // namespace kb
