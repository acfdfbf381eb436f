#include "form12.h"

#include "feederpicture.h"
#include "feederwidgets.h"
#include "flexgrid.h"
#include "loader.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kb {

namespace {

using namespace feederui;

QVector<MenuDesc> lampMenus()
{
    return {
        fileMenu(),
        {QStringLiteral("IDM_SETTEI"), QStringLiteral("設　定"),
         {menuItem("IDM_USUI", "薄鋼配管"), menuItem("IDM_ATUKOU", "厚鋼配管"), menuItem("IDM_RACK", "ケーブルラック"), menuSeparator("KUGIRI2"),
          menuItem("IDM_IV", "IV電線"), menuItem("IDM_CV", "CVケーブル")}},
        {QStringLiteral("IDM_HYOUJI"), QStringLiteral("表　示"),
         {menuItem("IDM_ALLCLIA", "全てクリアーする"), menuItem("IDM_INCLIA", "入力欄全てクリア"), menuItem("IDM_GRCLA", "表をクリアーする")}},
        exportMenu(QStringLiteral("エクセルへ出力")),
    };
}

const int kClientWidth = 1000;
const int kClientHeight = 640;

} // namespace

Form12::Form12()
    : CalculatorWindow(QStringLiteral("Form12"), QStringLiteral("水銀灯計算"))
{
    attachGrid(m_model.MSFlexGrid1, resultlayout::MercuryLamp, exportlayout::MercuryLamp);
    buildControls();
    buildMenus(lampMenus());
    client()->setFixedSize(kClientWidth, kClientHeight);
    adjustSize();
}

void Form12::buildControls()
{
    QWidget *c = client();
    FieldBinding &f = fields();
    feeder::Form12Model &m = m_model;
    // An input with its caption above it.
    const auto combo = [&](const char *name, const char *label, const char *caption, QWidget *parent, int x, int y,
                           QString *text, QStringList *items) {
        newLabel(QString::fromLatin1(label), QString::fromUtf8(caption), parent, QRect(x, y, 120, 20));
        QComboBox *box = newEditableCombo(QString::fromLatin1(name), parent);
        box->setGeometry(x, y + 22, 110, 26);
        f.bind(box, text, items);
    };
    const auto textBox = [&](const char *name, const char *label, const char *caption, QWidget *parent, int x, int y, QString *text) {
        newLabel(QString::fromLatin1(label), QString::fromUtf8(caption), parent, QRect(x, y, 140, 20));
        f.bind(newTextBox(QString::fromLatin1(name), parent, QRect(x, y + 22, 110, 26)), text);
    };

    QGroupBox *frame3 = newFrame("Frame3", "データＮＯ，　　　　　　名　　称", c, QRect(8, 4, 360, 56));
    f.bind(newTextBox(QStringLiteral("Text2"), frame3, QRect(10, 24, 64, 24)), &m.Text2);
    f.bind(newTextBox(QStringLiteral("Text3"), frame3, QRect(80, 24, 270, 24)), &m.Text3);
    QLabel *status = newLabel(QStringLiteral("Label1"), QString(), c, QRect(376, 4, 320, 56));
    status->setWordWrap(true);
    status->setFrameShape(QFrame::Panel);
    f.bind(status, &m.Label1);

    QGroupBox *frame1 = newFrame("Frame1", "共通条件", c, QRect(8, 64, 640, 72));
    combo("Combo5", "Label32", "２次電圧(V)", frame1, 8, 18, &m.Combo5, &m.Combo5Items);
    combo("Combo4", "Label10", "１次電圧(V)", frame1, 134, 18, &m.Combo4, &m.Combo4Items);
    combo("Combo3", "Label4", "灯  数 (台)", frame1, 260, 18, &m.Combo3, &m.Combo3Items);
    textBox("Text1", "Label2", "1次側長さ(m)", frame1, 386, 18, &m.Text1);
    textBox("Text4", "Label3", "2次側長さ(m)", frame1, 512, 18, &m.Text4);

    QGroupBox *frame2 = newFrame("Frame2", "Aｸﾞﾙｰﾌﾟ", c, QRect(8, 140, 260, 96));
    combo("Combo2", "Label11", "容量(W)", frame2, 8, 18, &m.Combo2, &m.Combo2Items);
    combo("Combo1", "Label5", "始動時/安定時", frame2, 134, 18, &m.Combo1, &m.Combo1Items);
    newLabel(QStringLiteral("Label6"), QStringLiteral("始動時は安定時の何倍か"), frame2, QRect(8, 70, 240, 20));

    QGroupBox *frame4 = newFrame("Frame4", "Ｂｸﾞﾙｰﾌﾟ(安定器１台分)", c, QRect(276, 140, 420, 72));
    textBox("Text8", "Label12", "1次側安定時電流(A)", frame4, 8, 18, &m.Text8);
    textBox("Text9", "Label13", "始動時電流(A)", frame4, 150, 18, &m.Text9);
    textBox("Text10", "Label14", "2次側ランプ電流(A)", frame4, 292, 18, &m.Text10);

    QGroupBox *frame5 = newFrame("Frame5", "結果表示・・・・・・・・・・・・・・設定変更(1次側のみ)", c, QRect(8, 240, 568, 120));
    newLabel(QStringLiteral("Label16"), QStringLiteral("１次側"), frame5, QRect(8, 20, 60, 20));
    newLabel(QStringLiteral("Label17"), QStringLiteral("始動時電流(A)"), frame5, QRect(8, 44, 100, 20));
    newLabel(QStringLiteral("Label18"), QStringLiteral("安定時電流(A)"), frame5, QRect(8, 80, 100, 20));
    f.bind(newValueLabel(QStringLiteral("Label19"), frame5, QRect(110, 42, 70, 24)), &m.Label19);
    f.bind(newValueLabel(QStringLiteral("Label20"), frame5, QRect(110, 78, 70, 24)), &m.Label20);
    newLabel(QStringLiteral("Label23"), QStringLiteral("１次側  2次側  合計"), frame5, QRect(344, 18, 210, 20));
    newLabel(QStringLiteral("Label21"), QStringLiteral("始動時　　　電圧降下(V)"), frame5, QRect(190, 44, 150, 20));
    newLabel(QStringLiteral("Label22"), QStringLiteral("始動時　　　降 下 率 (%)"), frame5, QRect(190, 80, 150, 20));
    f.bind(newTextBox(QStringLiteral("Text12"), frame5, QRect(344, 42, 64, 24)), &m.Text12);
    f.bind(newTextBox(QStringLiteral("Text14"), frame5, QRect(414, 42, 64, 24)), &m.Text14);
    f.bind(newTextBox(QStringLiteral("Text13"), frame5, QRect(344, 78, 64, 24)), &m.Text13);
    f.bind(newTextBox(QStringLiteral("Text15"), frame5, QRect(414, 78, 64, 24)), &m.Text15);
    f.bind(newValueLabel(QStringLiteral("Label25"), frame5, QRect(484, 78, 70, 24)), &m.Label25);

    // The wiring picture with its result captions.
    auto *picture = new LampPicture(c);
    const QPoint origin(704, 8);
    picture->setGeometry(QRect(origin, LampPicture::pictureSize()));
    const struct
    {
        const char *name;
        QString *text;
        QRect at;
    } captions[] = {
        {"Label26", &m.Label26, LampPicture::frameLabel()},          {"Label27", &m.Label27, LampPicture::earthLabel()},
        {"Label28", &m.Label28, LampPicture::primarySizeLabel()},    {"Label29", &m.Label29, LampPicture::primaryConduitLabel()},
        {"Label30", &m.Label30, LampPicture::secondarySizeLabel()}, {"Label31", &m.Label31, LampPicture::spareLabel()},
    };
    for (const auto &cap : captions)
        f.bind(newValueLabel(QString::fromLatin1(cap.name), c, cap.at.translated(origin)), cap.text);

    connect(newButton(QStringLiteral("Command1"), QStringLiteral("計　算"), QRect(8, 370, 120, 48)), &QPushButton::clicked, this,
            &Form12::Command1_Click);
    connect(newButton(QStringLiteral("Command2"), QStringLiteral("次の計算"), QRect(136, 370, 120, 48)), &QPushButton::clicked, this,
            &Form12::Command2_Click);
    connect(newButton(QStringLiteral("Command3"), QStringLiteral("始に戻す"), QRect(264, 370, 120, 48)), &QPushButton::clicked, this,
            &Form12::Command3_Click);
    connect(newButton(QStringLiteral("Command5"), QStringLiteral("データ読込み"), QRect(392, 370, 120, 48)), &QPushButton::clicked,
            this, &Form12::Command5_Click);

    grid()->setGeometry(0, 440, kClientWidth, kClientHeight - 440);
    connect(grid(), &FlexGrid::cellClicked, this, &Form12::MSFlexGrid1_Click);
}

void Form12::showState()
{
    CalculatorWindow::showState();
    const bool on = m_model.resultsEnabled;
    feederui::showEnabled(this, {{"Text12", on}, {"Text13", on}, {"Text14", on}, {"Text15", on}, {"Label19", on},
                                 {"Label20", on}, {"Label25", on}});
}

void Form12::act(const QString &tag, void (feeder::Form12Model::*procedure)())
{
    run(tag, [this, procedure] { (m_model.*procedure)(); });
}

void Form12::Form_Load()
{
    run(QStringLiteral("Form_Load"), [this] {
        placeWindow();
        m_model.setDefaults();
        fields().push();
        DATA_YOMIKOMI(this, db::CableSize, m_model.DD);
    });
}

void Form12::Command1_Click() { act(QStringLiteral("Command1_Click"), &feeder::Form12Model::Command1_Click); }
void Form12::Command2_Click() { act(QStringLiteral("Command2_Click"), &feeder::Form12Model::Command2_Click); }
void Form12::Command3_Click() { act(QStringLiteral("Command3_Click"), &feeder::Form12Model::Command3_Click); }
void Form12::Command5_Click()
{
    m_model.SENTAKU_GYOU = grid()->chosenRow(m_model.SENTAKU_GYOU);
    act(QStringLiteral("Command5_Click"), &feeder::Form12Model::Command5_Click);
}
void Form12::MSFlexGrid1_Click() { act(QStringLiteral("MSFlexGrid1_Click"), &feeder::Form12Model::MSFlexGrid1_Click); }
void Form12::IDM_INCLIA_Click() { act(QStringLiteral("IDM_INCLIA"), &feeder::Form12Model::IDM_INCLIA_Click); }
void Form12::IDM_GRCLA_Click() { act(QStringLiteral("IDM_GRCLA_Click"), &feeder::Form12Model::IDM_GRCLA_Click); }
void Form12::IDM_ALLCLIA_Click() { act(QStringLiteral("IDM_ALLCLIA_Click"), &feeder::Form12Model::IDM_ALLCLIA_Click); }
void Form12::IDM_USUI_Click() { act(QStringLiteral("IDM_USUI_Click"), &feeder::Form12Model::IDM_USUI_Click); }
void Form12::IDM_ATUKOU_Click() { act(QStringLiteral("IDM_ATUKOU_Click"), &feeder::Form12Model::IDM_ATUKOU_Click); }
void Form12::IDM_RACK_Click() { act(QStringLiteral("IDM_RACK_Click"), &feeder::Form12Model::IDM_RACK_Click); }
void Form12::IDM_IV_Click() { act(QStringLiteral("IDM_IV_Click"), &feeder::Form12Model::IDM_IV_Click); }
void Form12::IDM_CV_Click() { act(QStringLiteral("IDM_CV_Click"), &feeder::Form12Model::IDM_CV_Click); }

} // namespace kb
