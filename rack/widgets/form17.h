#pragma once

#include "rackmodel.h"
#include "rackwindow.h"

namespace kb {

// ケーブルラック幅計算: the cable-rack window. Its state and procedures live in Form17Model.
class Form17 : public RackWindow
{
    Q_OBJECT
public:
    Form17();
    ~Form17() override;

    Form17Model &model() { return m_model; }
    void Form_Load() override;
    bool Form_Unload() override;

public slots:
    void Command2_Click();
    void Command3_Click();
    void IDM_SR_Click() {}

private:
    Form17Model m_model;
};

// ワイヤリングダクト計算: the wiring-duct window, which no menu opens. State in Form29Model.
class Form29 : public RackWindow
{
    Q_OBJECT
public:
    Form29();
    ~Form29() override;

    Form29Model &model() { return m_model; }
    void Form_Load() override;
    bool Form_Unload() override;

public slots:
    void Command2_Click();
    void Command3_Click();
    void IDM_PITCH100_Click();
    void IDM_PITCH50_Click();

private:
    Form29Model m_model;
};

} // namespace kb
