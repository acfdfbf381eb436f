#include "form17.h"

#include "registry.h"

namespace kb {

namespace {

using K = RackWindow::Kind;
using C = RackWindow::ControlDesc;
using M = RackWindow::MenuDesc;

constexpr quint32 kWindowColour17 = 0x0080FF80, kWindowColour29 = 0x00C0FFFF, kWhite = 0x00FFFFFF;
constexpr quint32 kRegisterColour = 0x00FFFF80, kCalculateColour = 0x00FF8080, kNextColour = 0x0080FFFF, kSearchColour = 0x000080FF;

// The controls both windows place alike: the cable inputs, the grid and the buttons. The rack
// window frames its hint and status lines.
QVector<C> cableInputs(quint32 windowColour, bool framedLines)
{
    return {
        {K::Text, "Text2", {}, 120, 120, 975, 375},
        {K::Text, "Text1", {}, 1320, 120, 3015, 375},
        {K::Label, "Label10", u"低圧ケーブル"_qs, 5040, 170, 2655, 255, windowColour},
        {K::Combo, "Combo3", {}, 7800, 120, 3615, 360},
        {K::Label, "Label12", {}, 7800, 600, 2295, 615, kWhite, framedLines},
        {K::Button, "Command7", u"検 索"_qs, 10200, 600, 1215, 615, kSearchColour},
        {K::Line, "Line1", {}, 7800, 1320, 3600, 15},
        {K::Label, "Label9", u"本数"_qs, 7800, 1600, 615, 375, windowColour},
        {K::Combo, "Combo5", {}, 8520, 1560, 975, 360},
        {K::Button, "Command1", u"電線登録"_qs, 10200, 1440, 1215, 615, kRegisterColour},
        {K::Grid, "MSFlexGrid1", {}, 7800, 2160, 3735, 4455},
        {K::Picture, "Image1", {}, 120, 600, 7560, 5130},
        {K::Label, "Label1", {}, 120, 5880, 4695, 735, kWhite, framedLines},
        {K::Button, "Command2", u"計　算"_qs, 6120, 5880, 1575, 735, kCalculateColour},
        {K::Button, "Command3", u"次の計算"_qs, 4920, 6240, 1095, 375, kNextColour},
    };
}

QVector<M> commonMenus(const M &kinds, const QString &clearCaption)
{
    return {
        {"IDM_FILE", u"ファイル"_qs, {{"IDM_PRINT", u"印　刷"_qs}, {"IDM_END", u"終　了"_qs}}},
        {"IDM_HENSHU", u"編　集"_qs, {{"IDM_SAKUJO", u"一行削除"_qs}}},
        {"IDM_HYOUJI", u"表　示"_qs, {{"IDM_KENSASAKUJO", clearCaption}}},
        kinds,
    };
}

} // namespace

Form17::Form17()
    : RackWindow(u"Form17"_qs, u"ケーブルラック幅計算"_qs, m_model, [this] { return m_model.bindings(); }, 11625, 6690, kWindowColour17)
{
    m_model.num = WindowRegistry::instance().persistentState<RackNumbers>(u"Form17"_qs);
    QVector<C> controls = cableInputs(kWindowColour17, true);
    controls += {
        {K::Label, "Label2", {}, 1320, 1440, 1335, 255, kWhite},
        {K::Combo, "Combo1", {}, 1440, 1680, 855, 360},
        {K::Label, "Label7", {}, 5400, 3600, 2175, 255, kWhite},
        {K::Label, "Label4", {}, 5350, 3840, 2265, 255, kWhite},
        {K::Label, "Label14", {}, 5640, 4080, 1935, 255, kWhite},
        {K::Label, "Label11", {}, 4980, 4440, 2655, 255, kWhite},
        {K::Label, "Label13", {}, 4980, 4680, 2655, 255, kWhite},
        {K::Label, "Label6", {}, 360, 5040, 1335, 255, kWhite},
        {K::Combo, "Combo2", {}, 600, 5280, 975, 360},
        {K::Label, "Label5", {}, 2040, 5040, 1815, 255, kWhite},
        {K::Text, "Text3", {}, 2520, 5280, 735, 375},
        {K::Label, "Label3", {}, 4200, 5040, 1575, 255, kWhite},
        {K::Text, "Text4", {}, 4560, 5280, 735, 375},
        {K::Label, "Label8", {}, 6000, 5040, 1575, 255, kWhite},
        {K::Combo, "Combo4", {}, 6360, 5280, 855, 360},
    };
    QVector<M> menus = commonMenus(cableKindMenu(), u"検索結果表示の消去"_qs);
    menus += {
        {"IDM_RACK", u"ケーブルラック種別"_qs, {{"IDM_SR", u"標準型ラック"_qs}}},
        {"IDM_KEISAN", u"耐震計算"_qs, {{"IDM_TAISHIN", u"耐震計算"_qs}}, false},
    };
    build(controls, menus, RackDrawing::Subject::LadderRack);
}

Form17::~Form17() = default;

bool Form17::Form_Unload()
{
    // The numbers of the last calculation outlive the window.
    WindowRegistry::instance().persistentState<RackNumbers>(u"Form17"_qs) = m_model.num;
    return true;
}

void Form17::Form_Load()
{
    placeWindow();
    run(u"Form_Load"_qs, [this] { m_model.Form_Load(); });
}

void Form17::Command2_Click() { run(u"Command2_Click"_qs, [this] { m_model.Command2_Click(); }); }
void Form17::Command3_Click() { run(u"Command3_Click"_qs, [this] { m_model.Command3_Click(); }); }

Form29::Form29()
    : RackWindow(u"Form29"_qs, u"ワイヤリングダクト計算"_qs, m_model, [this] { return m_model.bindings(); }, 11655, 6720, kWindowColour29)
{
    m_model.num = WindowRegistry::instance().persistentState<RackNumbers>(u"Form29"_qs);
    QVector<C> controls = cableInputs(kWindowColour29, false);
    controls += {
        {K::Label, "Label2", {}, 2160, 960, 1575, 255, kWhite},
        {K::Combo, "Combo1", {}, 2520, 1200, 855, 360},
        {K::Label, "Label14", {}, 240, 2880, 1095, 255, kWhite},
        {K::Combo, "Combo6", {}, 240, 3120, 1095, 360},
        {K::Label, "Label7", {}, 5280, 3720, 2295, 255, kWhite},
        // Label3 and Label4 share one line at their design places; the caption goes above.
        {K::Label, "Label4", {}, 4680, 4080, 2895, 255, kWhite},
        {K::Label, "Label3", {}, 4920, 4680, 1095, 255, kWhite},
        {K::Label, "Label11", {}, 1860, 4140, 855, 255, kWhite},
        {K::Combo, "Combo7", {}, 2760, 4080, 1095, 360},
        {K::Label, "Label5", {}, 240, 4920, 1815, 255, kWhite},
        {K::Text, "Text3", {}, 720, 5220, 735, 255},
        {K::Label, "Label13", {}, 2040, 4920, 1575, 255, kWhite},
        {K::Combo, "Combo8", {}, 2280, 5160, 1095, 360},
        {K::Label, "Label6", {}, 3840, 4920, 1935, 255, kWhite},
        {K::Combo, "Combo2", {}, 4080, 5160, 975, 360},
        {K::Label, "Label15", {}, 5040, 5220, 855, 375, kWhite},
        {K::Label, "Label8", {}, 5880, 4920, 1695, 255, kWhite},
        {K::Combo, "Combo4", {}, 6360, 5160, 855, 360},
    };
    QVector<M> menus = commonMenus(cableKindMenu(), u"検索結果の削除"_qs);
    menus += {
        {"IDM_SETTEI", u"設　定"_qs, {{"IDM_PITCH100", u"寸法を100ピッチとする"_qs}, {"IDM_PITCH50", u"寸法ピッチを50とする"_qs}}},
    };
    build(controls, menus, RackDrawing::Subject::WiringDuct);
}

Form29::~Form29() = default;

bool Form29::Form_Unload()
{
    WindowRegistry::instance().persistentState<RackNumbers>(u"Form29"_qs) = m_model.num;
    return true;
}

void Form29::Form_Load()
{
    placeWindow();
    run(u"Form_Load"_qs, [this] { m_model.Form_Load(); });
}

void Form29::Command2_Click() { run(u"Command2_Click"_qs, [this] { m_model.Command2_Click(); }); }
void Form29::Command3_Click() { run(u"Command3_Click"_qs, [this] { m_model.Command3_Click(); }); }
void Form29::IDM_PITCH100_Click() { run(u"IDM_PITCH100_Click"_qs, [this] { m_model.IDM_PITCH100_Click(); }); }
void Form29::IDM_PITCH50_Click() { run(u"IDM_PITCH50_Click"_qs, [this] { m_model.IDM_PITCH50_Click(); }); }

} // namespace kb
