#include "form11.h"

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
#include <QRadioButton>

namespace kb {

namespace {

using namespace feederui;

QVector<MenuDesc> packageMenus()
{
    return {
        fileMenu(),
        {QStringLiteral("IDM_SETTEI"), QStringLiteral("設　定"),
         {menuItem("IDM_MCB", "過電流遮断器"), menuItem("IDM_KS", "開閉器"), menuSeparator("IDM_KUGIRI2"), menuItem("IDM_KUREI", "空冷式"),
          menuItem("IDM_SUIREI", "水冷式"), menuSeparator("IDM_KUGIRI3"), menuItem("IDM_USUI", "薄鋼配管"), menuItem("IDM_ATUKO", "厚鋼配管")}},
        {QStringLiteral("IDM_HYOJI"), QStringLiteral("表　示"), {menuItem("IDM_ALLCLIA", "全てをクリアーする")}},
        exportMenu(QStringLiteral("エクセルへ出力")),
    };
}

} // namespace

Form11::Form11()
    : CalculatorWindow(QStringLiteral("Form11"), QStringLiteral("パッケージ計算"))
{
    attachGrid(m_model.MSFlexGrid1, resultlayout::Package, exportlayout::Package);
    buildControls();
    paint();
    buildMenus(packageMenus());
    // Large enough to show the reload button and the grid beside and under the input area.
    client()->setFixedSize(twipsRect(0, 0, 10950, 8300).size());
    adjustSize();
}

void Form11::buildControls()
{
    QWidget *c = client();
    FieldBinding &f = fields();
    feeder::Form11Model &m = m_model;
    const auto box = [&](const char *name, QWidget *parent, const QRect &at, QString *text) {
        f.bind(newTextBox(QString::fromLatin1(name), parent, at), text);
    };

    QGroupBox *frame3 = newFrame("Frame3", "データＮＯ，　　　　　　　　名　　　　　称", c, twipsRect(120, 70, 5055, 735));
    box("Text2", frame3, twipsRect(240, 240, 1095, 345), &m.Text2);
    box("Text3", frame3, twipsRect(1440, 240, 3375, 360), &m.Text3);
    QLabel *status = newLabel(QStringLiteral("Label1"), QString(), c, twipsRect(5280, 50, 4095, 735));
    status->setWordWrap(true);
    status->setFrameShape(QFrame::Panel);
    f.bind(status, &m.Label1);

    // The wiring picture with the result captions laid over it.
    auto *picture = new PackagePicture(c);
    picture->setGeometry(twipsRect(120, 840, 7560, 4050));
    QLabel *kind = newValueLabel(QStringLiteral("Label9"), c, twipsRect(2040, 1320, 855, 495));
    kind->setWordWrap(true);
    f.bind(kind, &m.Label9);
    f.bind(newValueLabel(QStringLiteral("Label5"), c, twipsRect(2040, 1800, 855, 375)), &m.Label5);
    f.bind(newValueLabel(QStringLiteral("Label7"), c, twipsRect(2400, 3360, 2175, 255)), &m.Label7);
    f.bind(newValueLabel(QStringLiteral("Label8"), c, twipsRect(6000, 3960, 975, 375)), &m.Label8);
    f.bind(newValueLabel(QStringLiteral("Label6"), c, twipsRect(960, 4200, 1095, 375)), &m.Label6);

    QGroupBox *frame1 = newFrame("Frame1", "必須条件", c, twipsRect(7800, 910, 1575, 2055));
    m_option1 = newOptions("Option1", "空冷式", "水冷式", frame1, twipsRect(240, 360, 1095, 255), twipsRect(240, 720, 1095, 255));
    newLabel(QStringLiteral("Label2"), QStringLiteral("ﾁﾘﾝｸﾞﾕﾆｯﾄ呼称出力(kW)全体"), frame1, twipsRect(120, 1080, 1335, 375))->setWordWrap(true);
    QComboBox *unit = newEditableCombo(QStringLiteral("Combo1"), frame1);
    unit->setGeometry(twipsRect(120, 1560, 1335, 360));
    f.bind(unit, &m.Combo1, &m.Combo1Items);

    // The frame's caption sits above its border, not on it: the options start as low as
    // those of Frame1, so that the first one stands inside the border.
    QGroupBox *frame4 = newFrame("Frame4", "始動方法", c, twipsRect(7800, 3070, 1575, 1935));
    m_option3 = newOptions("Option3", "直入れ", "始動器", frame4, twipsRect(240, 360, 1215, 255), twipsRect(240, 720, 1215, 255));
    newLabel(QStringLiteral("Label10"), QStringLiteral("電動機中最大の物(kW)"), frame4, twipsRect(240, 1020, 1095, 495))->setWordWrap(true);
    QComboBox *largest = newEditableCombo(QStringLiteral("Combo2"), frame4);
    largest->setGeometry(twipsRect(240, 1500, 1095, 360));
    f.bind(largest, &m.Combo2, &m.Combo2Items);

    QGroupBox *frame2 = newFrame("Frame2", "開閉器種別", c, twipsRect(720, 5160, 2175, 1215));
    m_option2 = newOptions("Option2", "過電流遮断器", "開閉器", frame2, twipsRect(240, 360, 1815, 375), twipsRect(240, 840, 1455, 255));

    QGroupBox *frame8 = newFrame("Frame8", "結果表示", c, twipsRect(3000, 5160, 2895, 1215));
    newLabel(QStringLiteral("Label3"), QStringLiteral("電線サイズ"), frame8, twipsRect(360, 360, 1455, 300));
    box("Text5", frame8, twipsRect(240, 720, 1455, 360), &m.Text5);
    newLabel(QStringLiteral("Label4"), QStringLiteral("長さ(m)"), frame8, twipsRect(1920, 360, 735, 300));
    box("Text1", frame8, twipsRect(1920, 720, 735, 345), &m.Text1);
    newLabel(QStringLiteral("Label13"), QStringLiteral("送風機電動機(参考)"), c, twipsRect(6120, 5040, 1560, 240));
    box("Text4", c, twipsRect(6240, 5280, 1335, 375), &m.Text4);

    connect(newButton(QStringLiteral("Command1"), QStringLiteral("計　算"), twipsRect(7920, 5160, 1335, 1215)), &QPushButton::clicked,
            this, &Form11::Command1_Click);
    connect(newButton(QStringLiteral("Command2"), QStringLiteral("次の計算"), twipsRect(6240, 5760, 1335, 615)), &QPushButton::clicked,
            this, &Form11::Command2_Click);
    connect(newButton(QStringLiteral("Command5"), QStringLiteral("データ読込み"), twipsRect(9600, 5760, 1275, 675)),
            &QPushButton::clicked, this, &Form11::Command5_Click);

    grid()->setGeometry(twipsRect(120, 6600, 10455, 1575));
    connect(grid(), &FlexGrid::cellClicked, this, &Form11::MSFlexGrid1_Click);
}

void Form11::paint()
{
    // Light cyan behind the inputs, cyan behind the wire results, white result captions and
    // status line, and the largest lettering on the calculate button.
    const auto background = [](QWidget *w, const QColor &colour) {
        w->setAutoFillBackground(true);
        QPalette pal = w->palette();
        pal.setColor(QPalette::Window, colour);
        w->setPalette(pal);
    };
    background(client(), QColor(192, 255, 255));
    background(findChild<QWidget *>(QStringLiteral("Frame8")), QColor(128, 255, 255));
    for (const char *name : {"Label1", "Label5", "Label6", "Label7", "Label8", "Label9"})
        background(findChild<QWidget *>(QString::fromLatin1(name)), Qt::white);
    QWidget *calculate = findChild<QWidget *>(QStringLiteral("Command1"));
    QFont big = calculate->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    calculate->setFont(big);
}

void Form11::showState()
{
    CalculatorWindow::showState();
    select(m_option1, m_model.Option1);
    select(m_option2, m_model.Option2);
    select(m_option3, m_model.Option3);
    feederui::showEnabled(this, {{"Text1", m_model.Text1Enabled}, {"Text4", m_model.Text4Enabled}, {"Text5", m_model.Text5Enabled}});
}

void Form11::takeState()
{
    CalculatorWindow::takeState();
    m_model.Option1 = selected(m_option1);
    m_model.Option2 = selected(m_option2);
    m_model.Option3 = selected(m_option3);
}

void Form11::act(const QString &tag, void (feeder::Form11Model::*procedure)())
{
    run(tag, [this, procedure] { (m_model.*procedure)(); });
}

void Form11::Form_Load()
{
    run(QStringLiteral("Form_Load"), [this] {
        placeWindow();
        m_model.layOutGrid();
        m_model.setDefaults();
        showState();
        DATA_YOMIKOMI(this, db::CableSize, m_model.DD);
    });
}

void Form11::Command1_Click() { act(QStringLiteral("Command1_Click"), &feeder::Form11Model::Command1_Click); }
void Form11::Command2_Click() { act(QStringLiteral("Command2_Click"), &feeder::Form11Model::Command2_Click); }
void Form11::Command5_Click()
{
    m_model.SENTAKU_GYOU = grid()->chosenRow(m_model.SENTAKU_GYOU);
    act(QStringLiteral("Command5_Click"), &feeder::Form11Model::Command5_Click);
}
void Form11::MSFlexGrid1_Click() { act(QStringLiteral("MSFlexGrid1_Click"), &feeder::Form11Model::MSFlexGrid1_Click); }
void Form11::IDM_ALLCLIA_Click() { act(QStringLiteral("IDM_ALLCLIA_Click"), &feeder::Form11Model::IDM_ALLCLIA_Click); }
void Form11::IDM_MCB_Click() { act(QStringLiteral("IDM_MCB_Click"), &feeder::Form11Model::IDM_MCB_Click); }
void Form11::IDM_KS_Click() { act(QStringLiteral("IDM_KS_Click"), &feeder::Form11Model::IDM_KS_Click); }
void Form11::IDM_KUREI_Click() { act(QStringLiteral("IDM_KUREI_Click"), &feeder::Form11Model::IDM_KUREI_Click); }
void Form11::IDM_SUIREI_Click() { act(QStringLiteral("IDM_SUIREI_Click"), &feeder::Form11Model::IDM_SUIREI_Click); }
void Form11::IDM_USUI_Click() { act(QStringLiteral("IDM_USUI_Click"), &feeder::Form11Model::IDM_USUI_Click); }
void Form11::IDM_ATUKO_Click() { act(QStringLiteral("IDM_ATUKO_Click"), &feeder::Form11Model::IDM_ATUKO_Click); }

} // namespace kb
