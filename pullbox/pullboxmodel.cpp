#include "pullboxmodel.h"

#include "dialogs.h"
#include "failure.h"
#include "haikangaikei.h"
#include "numtext.h"
#include "refdata.h"

#include <algorithm>

namespace kb::pullbox {

namespace {
const QString kTitleAtLoad = QStringLiteral("　　     名　　　　　　称");
const QString kTitleNext = QStringLiteral("　　名　　　　　　称");
const QString kExitSide = QStringLiteral("出口側");
const QString kMonitor = QStringLiteral("モニター画面(入力出来ません)");
const QString kRecalculate = QStringLiteral("条件を変更して計算する事が出来ます。(画面を最大化することが出来ます。)");
const QString kSizeHeading = QStringLiteral("　配 管 サ イ ズ");
const QString kNoSize = QStringLiteral("配管サイズを選択して下さい。");
const QString kEightTiers = QStringLiteral("段数は８段まで登録可脳です。");
const QString kAngleSentence = QStringLiteral("補強アングルは");
const QString kOn = QStringLiteral("ON");
const QString kOff = QStringLiteral("OFF");
constexpr int kGridRows = 22;      // heading and 21 conduits; grows to list all 50
constexpr int kSettingsWidths[8] = {2400, 1050, 1100, 1500, 1500, 1500, 1500, 1500};

QString tierText(int t, const char *suffix) { return Str(t) + QString::fromUtf8(suffix); }
} // namespace

PullBoxModel::PullBoxModel(const Design &d) : design(d)
{
    s.CABLE_DATA = emptyTable(db::CablePipe);
    MSFlexGrid1.setShape(kGridRows, design.tiers ? kMaxTiers : 4);
    MSFlexGrid1.setFixed(1, 0);
}

void PullBoxModel::selectOption(int &array, int index, void (PullBoxModel::*handler)(int))
{
    // Selecting a button from the program runs its click handler as a user's click does.
    array = index;
    (this->*handler)(index);
}

void PullBoxModel::Option1_Click(int index) { s.SUNPOU_MODE = int16_t(index + 1); }
void PullBoxModel::Option3_Click(int index) { s.ANGURU_MODE = int16_t(index + 1); }

void PullBoxModel::Option2_Click(int index)
{
    if (index == design.powerOnIndex)
        s.DENGEN_KUBUN = kOn;
    else if (index == 1)
        s.DENGEN_KUBUN = kOff;
}

void PullBoxModel::resetTexts()
{
    Label1 = design.prompt;
    Label2 = QStringLiteral("1本目");
    Label3.clear();
    Label4.clear();
    Label5.clear();
    Label6.clear();
}

// Registration starts again at tier 1, position 1 (the row windows keep their row as tier 1).
void PullBoxModel::restartRegistration()
{
    s.HONSUU = 0;
    s.DAN_BANGOU = 1;
    s.clearTiers();
}

void PullBoxModel::clearGrid()
{
    MSFlexGrid1.clear();
    MSFlexGrid1.setRows(kGridRows);
}

// The monitor grid lists every registered conduit, beyond its 21 rows too.
void PullBoxModel::listSize(int position, int col)
{
    if (position >= MSFlexGrid1.rows())
        MSFlexGrid1.setRows(position + 1);
    MSFlexGrid1.setTextMatrix(position, col, Str(Val(Combo1)));
}

void PullBoxModel::Form_Load()
{
    restartRegistration();
    resetTexts();
    Combo1.clear();
    Label7 = design.numbering;
    Label8 = kExitSide;
    Text1 = kTitleAtLoad;
    Text2 = QStringLiteral("1");
    clearGrid();
    for (int c = 0; c < 4; ++c)
        MSFlexGrid1.setColWidth(c, kLoadWidths[c]);
    if (design.tiers) {
        Label9 = kMonitor;
        Command6 = QStringLiteral("2段目登録");
    } else {
        Label9.clear();
        const QString headings[4] = {QStringLiteral("　名　  称"), QStringLiteral("標準設定"), QStringLiteral("節約設定"),
                                     QStringLiteral("ユーザー設定")};
        for (int c = 0; c < 4; ++c)
            MSFlexGrid1.setTextMatrix(0, c, headings[c]);
    }
    if (beginBusy)
        beginBusy();
    trapped(QStringLiteral("Form_Load"), [&] {
        loadDatabase(db::CablePipe, s.CABLE_DATA);
        loadSettings();
    });
    if (endBusy)
        endBusy();
}

// The three conditions at load, from settings rows 170, 183 and 181.
void PullBoxModel::loadSettings()
{
    for (int c = 1; c <= 3; ++c)
        if (sameText(s.CABLE_DATA.at(c, row::Mode), kOn)) {
            s.SUNPOU_MODE = int16_t(c);
            break;
        }
    if (s.SUNPOU_MODE >= 1 && s.SUNPOU_MODE <= 3)
        selectOption(Option1, s.SUNPOU_MODE - 1, &PullBoxModel::Option1_Click);
    s.ANGURU_MODE = CInt(CDbl(s.CABLE_DATA.at(1, row::AngleMode)));
    if (s.ANGURU_MODE >= 1 && s.ANGURU_MODE <= 3)
        selectOption(Option3, s.ANGURU_MODE - 1, &PullBoxModel::Option3_Click);
    s.DENGEN_KUBUN = s.CABLE_DATA.at(1, row::PowerKind);
    if (sameText(s.DENGEN_KUBUN, kOn))
        IDM_KYODEN_Click();
    else if (sameText(s.DENGEN_KUBUN, kOff))
        IDM_JAKU_Click();
}

void PullBoxModel::Command5_Click()
{
    trapped(QStringLiteral("Command5_Click"), [&] {
        if (design.tiers)
            for (int c = 0; c < kMaxTiers; ++c)
                MSFlexGrid1.setColWidth(c, kSettingsWidths[c]);
        // Not cleared first: the tier columns to the right keep what they showed.
        for (int i = 0; i < kGridRows; ++i) {
            MSFlexGrid1.setTextMatrix(i, 0, s.CABLE_DATA.at(4, row::Heading + i));
            for (int c = 1; c <= 3; ++c)
                MSFlexGrid1.setTextMatrix(i, c, s.CABLE_DATA.at(c, row::Heading + i));
        }
    });
}

void PullBoxModel::Command1_Click()
{
    clearGrid();
    restartRegistration();
    if (design.tiers) {
        Label1 = QStringLiteral("1段目登録");
        Label2 = QStringLiteral("1本目登録");
        Command6 = QStringLiteral("2段目登録");
    } else {
        Label1 = design.prompt;
        Label2 = QStringLiteral("1本目");
        Label9.clear();
    }
}

void PullBoxModel::Command3_Click()
{
    trapped(QStringLiteral("Command3_Click"), [&] {
        restartRegistration();
        clearGrid();
        resetTexts();
        if (!design.tiers) {
            Label8.clear();
            Label9.clear();
        }
        Text1 = kTitleNext;
        Combo1.clear();
        if (design.tiers)
            Command6 = QStringLiteral("2段目登録");
        // Last, so that a calculation number that is not a number leaves the reset whole.
        Text2 = Str(CDbl(Text2) + 1);
    });
}

void PullBoxModel::Command4_Click()
{
    if (design.tiers && s.DAN_BANGOU > kMaxTiers) {
        message(kEightTiers);
        return;
    }
    if (!positiveFigure(Combo1)) {
        message(kNoSize);
        return;
    }
    trapped(QStringLiteral("Command4_Click"), [&] {
        if (design.tiers)
            registerInTier();
        else
            registerInRow();
    });
}

// The size is read before the conduit is counted, so a size that is not a number,
// or a 51st conduit, leaves the registration as it was.
void PullBoxModel::registerInTier()
{
    const int t = s.DAN_BANGOU;
    if (t < 1 || s.HONSUU >= kMaxConduits)
        throw Failure(QStringLiteral("no position left in the tier"));
    const int16_t diameter = storedDiameter(Combo1, true);
    s.HONSUU = int16_t(s.HONSUU + 1);
    s.DAN_HONSUU[t] = s.HONSUU;
    s.GAIKEI_HYOU[t][s.HONSUU] = diameter;
    Label2 = tierText(s.HONSUU, "本目登録");
    Label1 = Combo1 + QStringLiteral("を登録しました。");
    for (int c = 0; c < kMaxTiers; ++c)
        MSFlexGrid1.setColWidth(c, 800);
    MSFlexGrid1.setTextMatrix(0, t - 1, tierText(t, "段目"));
    listSize(s.HONSUU, t - 1);
}

void PullBoxModel::registerInRow()
{
    if (s.HONSUU >= kMaxConduits)
        throw Failure(QStringLiteral("no position left in the row"));
    const int16_t diameter = storedDiameter(Combo1, false);
    s.HONSUU = int16_t(s.HONSUU + 1);
    s.DAN_HONSUU[1] = s.HONSUU;
    s.GAIKEI_HYOU[1][s.HONSUU] = diameter;
    Label1 = Str(diameter) + QStringLiteral("を登録しました。");
    Label2 = Str(s.HONSUU + 1) + QStringLiteral("本目");
    MSFlexGrid1.setTextMatrix(0, 0, kSizeHeading);
    listSize(s.HONSUU, 0);
}

void PullBoxModel::Command6_Click()
{
    trapped(QStringLiteral("Command6_Click"), [&] {
        if (MSFlexGrid1.textMatrix(1, 0).isEmpty()) {
            message(QStringLiteral("配管サイズを登録して下さい。"));
            focusRequest = QStringLiteral("Combo1");
            return;
        }
        // The grid and the registration hold eight tiers: the button stops at the eighth.
        if (s.DAN_BANGOU >= kMaxTiers) {
            message(kEightTiers);
            return;
        }
        s.HONSUU = 0;
        s.DAN_BANGOU = int16_t(s.DAN_BANGOU + 1);
        const int t = s.DAN_BANGOU;
        MSFlexGrid1.setTextMatrix(0, t - 1, tierText(t, "段目"));
        Command6 = tierText(t + 1, "段目登録");
        Label1 = tierText(t, "段目登録");
        Label2 = QStringLiteral("1本目登録");
        focusRequest = QStringLiteral("Combo1");
    });
}

void PullBoxModel::IDM_DAN_Click()
{
    trapped(QStringLiteral("IDM_DAN_Click()"), [&] {
        // Tier 1 is the floor. The tier left is given up whole, so that no
        // calculation counts it, and the lower tier resumes after its last conduit.
        const int left = s.DAN_BANGOU;
        if (left <= 1)
            return;
        s.DAN_HONSUU[left] = 0;
        s.DAN_GOUKEI[left] = 0;
        s.GAIKEI_HYOU[left].fill(0);
        for (int r = 0; r < MSFlexGrid1.rows(); ++r)
            MSFlexGrid1.setTextMatrix(r, left - 1, QString());
        s.DAN_BANGOU = int16_t(left - 1);
        s.HONSUU = s.DAN_HONSUU[s.DAN_BANGOU];
        Command6 = tierText(s.DAN_BANGOU + 1, "段目登録");
        // The hint and the status line speak of the tier resumed, as after its last registration.
        Label1 = tierText(s.DAN_BANGOU, "段目登録");
        Label2 = tierText(std::max<int>(s.HONSUU, 1), "本目登録");
        focusRequest = QStringLiteral("Combo1");
    });
}

void PullBoxModel::Command2_Click()
{
    trapped(QStringLiteral("Command2_Click"), [&] {
        MSFlexGrid1.setRow(1);
        MSFlexGrid1.setCol(0);
        // After 初期設定表示 the first cell holds a settings name, not a conduit.
        if (MSFlexGrid1.text().isEmpty() || !s.hasConduits()) {
            message(QStringLiteral("配管サイズを入力して下さい。"));
            clearResults();
            return;
        }
        if (makeCalculation(design.geometry, s)->run() == Calculation::Outcome::Done)
            writeResults();
        else
            clearResults();
    });
}

// A calculation that ended on a box, refused or failed, shows no box at all, rather
// than the previous one beside the conduits now registered (or none).
void PullBoxModel::clearResults()
{
    Label3.clear();
    Label4.clear();
    Label5.clear();
    Label6.clear();
    if (!design.tiers) {
        Label9.clear();
        // The row windows state the angle in the status line; a prompt or a registration there stays.
        if (Label1.startsWith(kAngleSentence))
            Label1.clear();
    }
}

void PullBoxModel::writeResults()
{
    Label3 = QStringLiteral("W=") + Str(s.HABA);
    Label4 = QStringLiteral("D=") + Str(s.OKUYUKI);
    Label5 = QStringLiteral("H=") + Str(s.TAKASA);
    if (design.tiers) {
        Label6 = QStringLiteral("補強ｱﾝｸﾞﾙ=") + Str(s.ANGURU_SUNPOU);
        Label1 = kRecalculate;
    } else {
        Label6 = Str(s.sideValue);
        Label9 = QStringLiteral("登録配管は") + Str(s.HONSUU) + QStringLiteral("本です");
        Label1 = kAngleSentence + Str(s.ANGURU_SUNPOU) + QStringLiteral("です。条件を変更して計算する事が出来ます。");
    }
}

} // namespace kb::pullbox
