#pragma once

#include "busystate.h"
#include "pullboxmodel.h"
#include "window.h"

#include <functional>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kb {

class FlexGrid;

namespace pullbox {

// A pull-box window (Form21 .. Form26). Its state and procedures live in
// PullBoxModel; the window copies the texts of its input fields into the model
// before each handler and shows the model's texts and choices afterwards.
class PullBoxWindow : public Window
{
    Q_OBJECT
public:
    explicit PullBoxWindow(const Design &design);
    ~PullBoxWindow() override;

    PullBoxModel &model() { return m_model; }
    void Form_Load() override;

public slots:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Option1_Click(int index);
    void Option2_Click(int index);
    void Option3_Click(int index);
    void MSFlexGrid1_Click() {}
    void IDM_PRINT_Click();
    void IDM_END_Click();
    void IDM_DAN_Click();
    void IDM_SHOKI_Click();
    void IDM_GRCLIA_Click();
    void IDM_GRCLA_Click() { IDM_GRCLIA_Click(); }
    void IDM_DENTAKU_Click();
    void IDM_ANGL_Click();
    void IDM_TUKERU_Click();
    void IDM_NASHI_Click();
    void IDM_KYODEN_Click();
    void IDM_JAKU_Click();
    void IDM_JIDOU_Click();
    void IDM_SETUYAKU_Click();
    void IDM_USAER_Click();

protected:
    void showState() override;
    // The input texts and the options.
    void takeState() override;

private:
    void buildControls();
    void buildMenus();
    // Runs a model handler as a press: the inputs copied in first, the results shown after.
    void run(const QString &tag, void (PullBoxModel::*handler)());
    void run(const QString &tag, const std::function<void()> &handler);
    // The state on screen, then the focus the handler asked for.
    void push();

    PullBoxModel m_model;
    std::optional<BusyState> m_busy;
    QLineEdit *m_text1 = nullptr, *m_text2 = nullptr;
    QComboBox *m_combo1 = nullptr;
    QLabel *m_labels[10] = {};
    QPushButton *m_command6 = nullptr;
    QList<QRadioButton *> m_options[3];
    FlexGrid *m_grid = nullptr;
};

// The windows by their form names.
class Form21 : public PullBoxWindow { Q_OBJECT public: Form21() : PullBoxWindow(leftBend()) {} };
class Form22 : public PullBoxWindow { Q_OBJECT public: Form22() : PullBoxWindow(rightBend()) {} };
class Form23 : public PullBoxWindow { Q_OBJECT public: Form23() : PullBoxWindow(straight()) {} };
class Form24 : public PullBoxWindow { Q_OBJECT public: Form24() : PullBoxWindow(drop()) {} };
class Form25 : public PullBoxWindow { Q_OBJECT public: Form25() : PullBoxWindow(leftTwist()) {} };
class Form26 : public PullBoxWindow { Q_OBJECT public: Form26() : PullBoxWindow(rightTwist()) {} };

} // namespace pullbox
} // namespace kb
