#include "form19.h"

#include "registry.h"

namespace kb {

namespace {

using K = RackWindow::Kind;
using C = RackWindow::ControlDesc;
using M = RackWindow::MenuDesc;

constexpr quint32 kWindowColour = 0x0080C0FF, kWhite = 0x00FFFFFF;

} // namespace

Form19::Form19()
    : RackWindow(u"Form19"_qs, u"レースウェイ計算"_qs, m_model, [this] { return m_model.bindings(); }, 10530, 5745, kWindowColour)
{
    m_model.num = WindowRegistry::instance().persistentState<RacewayNumbers>(u"Form19"_qs);
    const QVector<C> controls = {
        {K::Text, "Text2", {}, 120, 120, 975, 375},
        {K::Text, "Text1", {}, 1200, 120, 2655, 375},
        {K::Label, "Label10", u"低圧ケーブル"_qs, 3960, 165, 2775, 255, kWindowColour},
        {K::Combo, "Combo3", {}, 6840, 120, 3375, 360},
        {K::Button, "Command7", u"検 索"_qs, 9360, 600, 1095, 615, 0x000080FF},
        {K::Label, "Label12", {}, 6720, 600, 2535, 615, kWhite},
        {K::Label, "Label9", u"本数"_qs, 7080, 1720, 615, 375, kWindowColour},
        {K::Combo, "Combo5", {}, 7800, 1680, 975, 360},
        {K::Button, "Command1", u"電線登録"_qs, 9120, 1560, 1215, 615, 0x00FFFF80},
        {K::Line, "Line1", {}, 6720, 1440, 3600, 15},
        {K::Grid, "MSFlexGrid1", {}, 6720, 2280, 3735, 3360},
        {K::Picture, "Image1", {}, 120, 600, 6450, 4170},
        {K::Label, "Label2", {}, 960, 1200, 1335, 255, kWhite},
        {K::Combo, "Combo1", {}, 1440, 1560, 855, 360},
        {K::Label, "Label3", {}, 3480, 2160, 2295, 255, kWhite},
        {K::Combo, "Combo4", {}, 3840, 2520, 855, 360},
        {K::Combo, "Combo6", {}, 4680, 2520, 855, 360},
        {K::Label, "Label5", {}, 240, 2760, 1695, 255, kWhite},
        {K::Combo, "Combo2", {}, 360, 3120, 1455, 360},
        {K::Label, "Label7", {}, 360, 4080, 1815, 255, kWhite},
        {K::Label, "Label4", {}, 480, 4440, 735, 255, kWhite},
        {K::Label, "Label13", {}, 1200, 4440, 735, 255, kWhite},
        {K::Label, "Label8", {}, 2400, 4080, 2655, 255, kWhite},
        {K::Label, "Label6", {}, 2400, 4440, 855, 255, kWhite},
        {K::Label, "Label14", {}, 3360, 4440, 735, 255, kWhite},
        {K::Label, "Label11", {}, 4320, 4440, 1095, 255, kWhite},
        {K::Label, "Label1", {}, 120, 4800, 3495, 855, kWhite},
        {K::Button, "Command3", u"次の計算"_qs, 3720, 5280, 1095, 375, 0x0080FFFF},
        {K::Button, "Command2", u"計　算"_qs, 4920, 4920, 1575, 735, 0x00FF8080},
    };
    const QVector<M> menus = {
        {"IDM_FILE", u"ファイル"_qs, {{"IDM_PRINT", u"印　刷"_qs}, {"IDM_END", u"終　了"_qs}}},
        {"IDM_HENSYU", u"編　集"_qs, {{"IDM_SAKUJO", u"一行削除"_qs}}},
        {"IDM_HYOJI", u"表　示"_qs, {{"IDM_KENSASAKUJO", u"検索結果表示の消去"_qs}}},
        cableKindMenu(),
        {"IDM_RACE", u"レースウェイの種別"_qs, {{"IDM_DPONE", u"小型タイプ"_qs}, {"IDM_DPTWO", u"標準型タイプ"_qs}}},
        {"IDM_KEISAN", u"耐震計算"_qs, {{"IDM_TAISHIN", u"耐震計算"_qs}}, false},
    };
    build(controls, menus, RackDrawing::Subject::Raceway);
}

Form19::~Form19() = default;

bool Form19::Form_Unload()
{
    // The values of the last check outlive the window.
    WindowRegistry::instance().persistentState<RacewayNumbers>(u"Form19"_qs) = m_model.num;
    return true;
}

void Form19::Form_Load()
{
    placeWindow();
    run(u"Form_Load"_qs, [this] { m_model.Form_Load(); });
}

void Form19::Command2_Click() { run(u"Command2_Click"_qs, [this] { m_model.Command2_Click(); }); }
void Form19::Command3_Click() { run(u"Command3_Click"_qs, [this] { m_model.Command3_Click(); }); }
void Form19::IDM_DPONE_Click() { run(u"IDM_DPONE_Click"_qs, [this] { m_model.IDM_DPONE_Click(); }); }
void Form19::IDM_DPTWO_Click() { run(u"IDM_DPTWO_Click"_qs, [this] { m_model.IDM_DPTWO_Click(); }); }

} // namespace kb
