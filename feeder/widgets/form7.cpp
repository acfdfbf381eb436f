#include "form7.h"

#include "feederwidgets.h"
#include "flexgrid.h"
#include "loader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kb {

namespace {

using namespace feederui;

QVector<MenuDesc> motorMenus()
{
    return {
        {QStringLiteral("IDM_FILE"), QStringLiteral("ファイル"),
         {menuItem("IDM_DOPEN", "開 く"), menuItem("IDM_DSAVE", "保 存"), menuSeparator("IDM_KUGIRI1"), menuItem("IDM_PRINT", "印 刷"),
          menuItem("IDM_END", "終 了")}},
        {QStringLiteral("IDM_DENGEN"), QStringLiteral("電　源"),
         {menuItem("IDM_TOKYO", "東京電力"), menuItem("IDM_JIKAYO", "自 家 用"), menuSeparator("IDM_KUGIRI"), menuItem("IDM_GOJU", "周波数 50Hz"),
          menuItem("IDM_ROKUJU", "周波数 60Hz")}},
        {QStringLiteral("IDM_DENSEN"), QStringLiteral("電線種別"), {menuItem("IDM_IV", "IV 電線"), menuItem("IDM_CV3C", "CV-3C ケーブル")}},
        {QStringLiteral("IDM_HOUHOU"), QStringLiteral("配管種別"),
         {menuItem("IDM_USUI", "薄鋼配管"), menuItem("IDM_ATUKOU", "厚鋼配管"), menuSeparator("IDM_KUGIRI5"), menuItem("IDM_RACK", "ケーブルラック")}},
        {QStringLiteral("IDM_SETEI"), QStringLiteral("設　定"),
         {menuItem("IDM_KVAR", "コンデンサ(kVar)表示"), menuItem("IDM_MICRO", "コンデンサ(μF)表示")}},
        {QStringLiteral("IDMDISP"), QStringLiteral("表　示"), {menuItem("IDM_ALLCLIA", "全てクリアーする"), menuItem("IDM_GRCLA", "明細表クリア")}},
        exportMenu(QStringLiteral("エクセルヘ出力")),
    };
}

const int kClientWidth = 760;
const int kClientHeight = 680;

// A caption beside a result label; captions other than the named ones carry no name of their own.
void caption(const char *text, QWidget *parent, const QRect &at)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setGeometry(at);
}

} // namespace

Form7::Form7()
    : CalculatorWindow(QStringLiteral("Form7"), QStringLiteral("モーター１台計算"))
{
    attachGrid(m_model.MSFlexGrid1, resultlayout::Motor, exportlayout::Motor);
    buildControls();
    buildMenus(motorMenus());
    client()->setFixedSize(kClientWidth, kClientHeight);
    adjustSize();
}

void Form7::buildControls()
{
    QWidget *c = client();
    FieldBinding &f = fields();
    feeder::Form7Model &m = m_model;
    const auto combo = [&](const char *name, QWidget *parent, const QRect &at, QString *text, QStringList *items) {
        QComboBox *box = newEditableCombo(QString::fromLatin1(name), parent);
        box->setGeometry(at);
        f.bind(box, text, items);
    };

    QGroupBox *frame1 = newFrame("Frame1", "必須条件", c, QRect(8, 4, 360, 84));
    newLabel(QStringLiteral("Label2"), QStringLiteral("容量(kW)"), frame1, QRect(10, 22, 100, 20));
    combo("Combo1", frame1, QRect(10, 46, 100, 26), &m.Combo1, &m.Combo1Items);
    combo("Combo2", frame1, QRect(124, 46, 106, 26), &m.Combo2, &m.Combo2Items);
    combo("Combo3", frame1, QRect(244, 46, 106, 26), &m.Combo3, &m.Combo3Items);

    QGroupBox *frame3 = newFrame("Frame3", "データＮＯ，　　　　　　　　名　　　　　称", c, QRect(376, 4, 376, 56));
    QLineEdit *dataNo = newTextBox(QStringLiteral("Text2"), frame3, QRect(10, 24, 64, 24));
    dataNo->setAlignment(Qt::AlignRight);
    f.bind(dataNo, &m.Text2);
    f.bind(newTextBox(QStringLiteral("Text3"), frame3, QRect(80, 24, 286, 24)), &m.Text3);

    QGroupBox *frame2 = newFrame("Frame2", "定格電流(A)", c, QRect(376, 62, 120, 56));
    QLineEdit *rated = newTextBox(QStringLiteral("Text4"), frame2, QRect(10, 24, 100, 24));
    rated->setAlignment(Qt::AlignRight);
    f.bind(rated, &m.Text4);

    QLabel *status = newLabel(QStringLiteral("Label1"), QString(), c, QRect(504, 62, 248, 56));
    status->setWordWrap(true);
    status->setFrameShape(QFrame::Panel);
    status->setFrameShadow(QFrame::Sunken);
    f.bind(status, &m.Label1);

    QGroupBox *frame8 = newFrame("Frame8", "結果表示・設定変更", c, QRect(8, 122, 488, 84));
    newLabel(QStringLiteral("Label3"), QStringLiteral("電線サイズ"), frame8, QRect(10, 22, 110, 20));
    combo("Combo4", frame8, QRect(10, 46, 110, 26), &m.Combo4, &m.Combo4Items);
    newLabel(QStringLiteral("Label4"), QStringLiteral("長さ(m)"), frame8, QRect(130, 22, 110, 20));
    QLineEdit *length = newTextBox(QStringLiteral("Text1"), frame8, QRect(130, 46, 110, 26));
    length->setAlignment(Qt::AlignRight);
    f.bind(length, &m.Text1);
    newLabel(QStringLiteral("Label5"), QStringLiteral("電圧降下(V)"), frame8, QRect(250, 22, 110, 20));
    combo("Combo5", frame8, QRect(250, 46, 110, 26), &m.Combo5, &m.Combo5Items);
    newLabel(QStringLiteral("Label6"), QStringLiteral("降下率(%)"), frame8, QRect(370, 22, 110, 20));
    combo("Combo6", frame8, QRect(370, 46, 110, 26), &m.Combo6, &m.Combo6Items);

    // Results of the design row, the conduit and the power factor.
    const struct
    {
        const char *name, *caption;
        QString *text;
    } results[] = {
        {"Label7", "1次配管", &m.Label7},   {"Label8", "接地線", &m.Label8},     {"Label9", "力率", &m.Label9},
        {"Label10", "遮断器AF", &m.Label10}, {"Label11", "遮断器AT", &m.Label11}, {"Label12", "ｺﾝﾃﾞﾝｻ電線", &m.Label12},
        {"Label13", "ｺﾝﾃﾞﾝｻ", &m.Label13},  {"Label14", "ボンド線", &m.Label14},
    };
    for (int i = 0; i < 8; ++i) {
        const QRect at(8 + 186 * (i % 4), 212 + 52 * (i / 4), 180, 24);
        caption(results[i].caption, c, at);
        f.bind(newValueLabel(QString::fromLatin1(results[i].name), c, at.translated(0, 22)), results[i].text);
    }
    QGroupBox *frame5 = newFrame("Frame5", "二次側電線・配管・可とう管", c, QRect(8, 316, 552, 66));
    f.bind(newValueLabel(QStringLiteral("Label15"), frame5, QRect(8, 28, 172, 26)), &m.Label15);
    f.bind(newValueLabel(QStringLiteral("Label16"), frame5, QRect(188, 28, 172, 26)), &m.Label16);
    f.bind(newValueLabel(QStringLiteral("Label17"), frame5, QRect(368, 28, 172, 26)), &m.Label17);
    QGroupBox *frame4 = newFrame("Frame4", "移動電線・ｷｬﾌﾞﾀｲﾔ", c, QRect(566, 316, 186, 66));
    f.bind(newValueLabel(QStringLiteral("Label18"), frame4, QRect(8, 28, 170, 26)), &m.Label18);

    connect(newButton(QStringLiteral("Command1"), QStringLiteral("計　算"), QRect(504, 124, 120, 40)), &QPushButton::clicked, this,
            &Form7::Command1_Click);
    connect(newButton(QStringLiteral("Command2"), QStringLiteral("次の計算"), QRect(632, 124, 120, 40)), &QPushButton::clicked, this,
            &Form7::Command2_Click);
    connect(newButton(QStringLiteral("Command4"), QStringLiteral("始に戻す"), QRect(504, 168, 120, 36)), &QPushButton::clicked, this,
            &Form7::Command4_Click);
    connect(newButton(QStringLiteral("Command5"), QStringLiteral("データ読込み"), QRect(632, 168, 120, 36)), &QPushButton::clicked,
            this, &Form7::Command5_Click);

    grid()->setGeometry(0, 390, kClientWidth, kClientHeight - 390);
    connect(grid(), &FlexGrid::cellClicked, this, &Form7::MSFlexGrid1_Click);
}

void Form7::showState()
{
    CalculatorWindow::showState();
    const feeder::Form7Model &m = m_model;
    feederui::showEnabled(this, {{"Combo4", m.Combo4Enabled}, {"Combo5", m.Combo5Enabled}, {"Combo6", m.Combo6Enabled},
                                 {"Text1", m.Text1Enabled}, {"Text4", m.Text4Enabled}});
}

void Form7::act(const QString &tag, void (feeder::Form7Model::*procedure)())
{
    run(tag, [this, procedure] { (m_model.*procedure)(); });
}

void Form7::Form_Load()
{
    run(QStringLiteral("Form_Load"), [this] {
        placeWindow();
        m_model.layOutGrid();
        fields().push();
        // The loader shows its own box and ends the busy state on a failure.
        if (!DATA_YOMIKOMI(this, db::CableSize, m_model.DD))
            return;
        m_model.setDefaults();
    });
}

void Form7::Command1_Click() { act(QStringLiteral("Command1_Click"), &feeder::Form7Model::Command1_Click); }
void Form7::Command2_Click() { act(QStringLiteral("Command2_Click"), &feeder::Form7Model::Command2_Click); }
void Form7::Command4_Click() { act(QStringLiteral("Command4_Click"), &feeder::Form7Model::Command4_Click); }
void Form7::Command5_Click()
{
    m_model.SENTAKU_GYOU = grid()->chosenRow(m_model.SENTAKU_GYOU);
    act(QStringLiteral("Command5_Click"), &feeder::Form7Model::Command5_Click);
}
void Form7::MSFlexGrid1_Click() { act(QStringLiteral("MSFlexGrid1_Click"), &feeder::Form7Model::MSFlexGrid1_Click); }
void Form7::IDM_GRCLA_Click() { act(QStringLiteral("IDM_GRCLA_Click"), &feeder::Form7Model::IDM_GRCLA_Click); }
void Form7::IDM_ALLCLIA_Click() { act(QStringLiteral("IDM_ALLCLIA_Click"), &feeder::Form7Model::IDM_ALLCLIA_Click); }
void Form7::IDM_TOKYO_Click() { act(QStringLiteral("IDM_TOKYO_Click"), &feeder::Form7Model::IDM_TOKYO_Click); }
void Form7::IDM_JIKAYO_Click() { act(QStringLiteral("IDM_JIKAYO_Click"), &feeder::Form7Model::IDM_JIKAYO_Click); }
void Form7::IDM_GOJU_Click() { act(QStringLiteral("IDM_GOJU_Click"), &feeder::Form7Model::IDM_GOJU_Click); }
void Form7::IDM_ROKUJU_Click() { act(QStringLiteral("IDM_ROKUJU_Click"), &feeder::Form7Model::IDM_ROKUJU_Click); }
void Form7::IDM_IV_Click() { act(QStringLiteral("IDM_IV_Click"), &feeder::Form7Model::IDM_IV_Click); }
void Form7::IDM_CV3C_Click() { act(QStringLiteral("IDM_CV3C_Click"), &feeder::Form7Model::IDM_CV3C_Click); }
void Form7::IDM_USUI_Click() { act(QStringLiteral("IDM_USUI_Click"), &feeder::Form7Model::IDM_USUI_Click); }
void Form7::IDM_ATUKOU_Click() { act(QStringLiteral("IDM_ATUKOU_Click"), &feeder::Form7Model::IDM_ATUKOU_Click); }
void Form7::IDM_RACK_Click() { act(QStringLiteral("IDM_RACK_Click"), &feeder::Form7Model::IDM_RACK_Click); }
void Form7::IDM_KVAR_Click() { act(QStringLiteral("IDM_KVAR_Click"), &feeder::Form7Model::IDM_KVAR_Click); }
void Form7::IDM_MICRO_Click() { act(QStringLiteral("IDM_MICRO_Click"), &feeder::Form7Model::IDM_MICRO_Click); }

} // namespace kb
