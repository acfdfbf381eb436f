#include "voltagedropwindow.h"

#include "circuitpicture.h"
#include "flexgrid.h"
#include "loader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kb {

namespace {
// Layout of the window in pixels: the picture with the inputs on it at the left,
// the legends and the two calculation buttons to its right, the results under
// it and the result grid along the bottom.
const QPoint kPicture(8, 62);
const int kClientWidth = 728;
const int kClientHeight = 622;

QRect onPicture(const QRect &r) { return r.translated(kPicture); }
} // namespace

VoltageDropWindow::VoltageDropWindow(const vd::WindowDesc &desc)
    : CalculatorWindow(QString::fromLatin1(desc.variant->formName), desc.caption), m_desc(desc), m_model(*desc.variant),
      m_procedures(m_model, desc)
{
    attachGrid(m_model.MSFlexGrid1, resultlayout::VoltageDrop, exportlayout::VoltageDrop);
    buildControls();
    buildMenus(desc.menus);
    client()->setFixedSize(kClientWidth, kClientHeight);
    adjustSize();
}

void VoltageDropWindow::buildControls()
{
    QWidget *c = client();
    FieldBinding &f = fields();

    auto *frame3 = new QGroupBox(QStringLiteral("データＮＯ，　　　　　　　　名　　　　　称"), c);
    frame3->setObjectName(QStringLiteral("Frame3"));
    frame3->setGeometry(8, 2, 300, 56);
    f.bind(newTextBox(QStringLiteral("Text2"), frame3, QRect(10, 24, 64, 24)), &m_model.Text2);
    f.bind(newTextBox(QStringLiteral("Text3"), frame3, QRect(80, 24, 210, 24)), &m_model.Text3);

    QLabel *status = newLabel(QStringLiteral("Label1"), QString(), c, QRect(316, 8, 404, 50));
    status->setWordWrap(true);
    status->setFrameShape(QFrame::Panel);
    status->setFrameShadow(QFrame::Sunken);
    f.bind(status, &m_model.Label1);

    auto *picture = new FeederPicture(m_desc.circuitMark, m_desc.panelLabel, m_desc.hasPowerFactor(), c);
    picture->setGeometry(QRect(kPicture, FeederPicture::pictureSize()));

    auto combo = [&](const char *name, const QRect &at, QString *text, QStringList *items) {
        QComboBox *box = newEditableCombo(QString::fromLatin1(name), c);
        box->setGeometry(at);
        f.bind(box, text, items);
    };
    combo("Combo3", onPicture(FeederPicture::voltageBox()), &m_model.Combo3, &m_model.Combo3Items);
    combo("Combo1", onPicture(FeederPicture::sizeBox()), &m_model.Combo1, &m_model.Combo1Items);
    f.bind(newTextBox(QStringLiteral("Text1"), c, onPicture(FeederPicture::lengthBox())), &m_model.Text1);
    f.bind(newTextBox(QStringLiteral("Text4"), c, onPicture(FeederPicture::loadBox())), &m_model.Text4);
    if (m_desc.hasPowerFactor())
        combo("Combo2", onPicture(FeederPicture::powerFactorBox()), &m_model.Combo2, &m_model.Combo2Items);
    f.bind(newValueLabel(QStringLiteral("Label2"), c, onPicture(FeederPicture::frameLabel())), &m_model.Label2);
    f.bind(newValueLabel(QStringLiteral("Label3"), c, onPicture(FeederPicture::tripLabel())), &m_model.Label3);
    f.bind(newValueLabel(QStringLiteral("Label4"), c, onPicture(FeederPicture::earthLabel())), &m_model.Label4);
    f.bind(newValueLabel(QStringLiteral("Label5"), c, onPicture(FeederPicture::bondLabel())), &m_model.Label5);

    auto *frame2 = new QGroupBox(QStringLiteral("入力項目"), c);
    frame2->setObjectName(QStringLiteral("Frame2"));
    frame2->setGeometry(500, 62, 220, 150);
    for (int i = 0; i < m_desc.legends.size(); ++i)
        newLabel(QStringLiteral("Label%1").arg(14 + i), m_desc.legends[i], frame2, QRect(16, 24 + 24 * i, 196, 22));

    connect(newButton(QStringLiteral("Command1"), QStringLiteral("計 算"), QRect(500, 222, 106, 52)), &QPushButton::clicked, this,
            &VoltageDropWindow::Command1_Click);
    connect(newButton(QStringLiteral("Command2"), QStringLiteral("次の計算"), QRect(614, 222, 106, 52)), &QPushButton::clicked, this,
            &VoltageDropWindow::Command2_Click);

    // Results: five captions over the three result labels and the two editable drop boxes.
    auto *frame1 = new QGroupBox(QStringLiteral("計算結果・設定変更"), c);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(8, 346, 604, 84);
    const char *captions[] = {"電線の許容電流(A)", "負荷電流(A)", "最大許容負荷(kW)", "電圧降下(V)", "降下率(%)"};
    for (int i = 0; i < 5; ++i)
        newLabel(QStringLiteral("Label%1").arg(6 + i), QString::fromUtf8(captions[i]), frame1, QRect(8 + 118 * i, 20, 114, 20))
            ->setAlignment(Qt::AlignCenter);
    auto *line = new QFrame(frame1);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(8, 40, 588, 4);
    f.bind(newValueLabel(QStringLiteral("Label11"), frame1, QRect(8, 48, 112, 26)), &m_model.Label11);
    f.bind(newValueLabel(QStringLiteral("Label12"), frame1, QRect(126, 48, 112, 26)), &m_model.Label12);
    f.bind(newValueLabel(QStringLiteral("Label13"), frame1, QRect(244, 48, 112, 26)), &m_model.Label13);
    QComboBox *drop = newEditableCombo(QStringLiteral("Combo4"), frame1);
    drop->setGeometry(362, 48, 112, 26);
    f.bind(drop, &m_model.Combo4, &m_model.Combo4Items);
    QComboBox *rate = newEditableCombo(QStringLiteral("Combo5"), frame1);
    rate->setGeometry(480, 48, 112, 26);
    f.bind(rate, &m_model.Combo5, &m_model.Combo5Items);

    connect(newButton(QStringLiteral("Command3"), QStringLiteral("データ読込み"), QRect(620, 352, 100, 72)), &QPushButton::clicked,
            this, &VoltageDropWindow::Command3_Click);

    grid()->setGeometry(0, 438, kClientWidth, kClientHeight - 438);
    connect(grid(), &FlexGrid::cellClicked, this, &VoltageDropWindow::MSFlexGrid1_Click);
}

void VoltageDropWindow::Form_Load()
{
    run(QStringLiteral("Form_Load"), [this] {
        placeWindow();
        m_procedures.layOutGrid();
        fields().push();
        // The loader shows its own box and ends the busy state on a failure; the
        // steps after it are then skipped.
        if (!DATA_YOMIKOMI(this, db::CableSize, m_model.DD))
            return;
        m_procedures.setDefaults();
    });
}

void VoltageDropWindow::Command1_Click()
{
    run(QStringLiteral("Command1_Click"), [this] { m_model.Command1_Click(); });
}

void VoltageDropWindow::Command2_Click()
{
    run(QStringLiteral("Command2_Click"), [this] { m_procedures.Command2_Click(); });
}

void VoltageDropWindow::Command3_Click()
{
    run(QStringLiteral("Command3_Click"), [this] {
        m_model.SENTAKU_GYOU = grid()->chosenRow(m_model.SENTAKU_GYOU);
        m_procedures.Command3_Click();
    });
}

void VoltageDropWindow::MSFlexGrid1_Click()
{
    run(QStringLiteral("MSFlexGrid1_Click"), [this] { m_procedures.MSFlexGrid1_Click(); });
}

void VoltageDropWindow::IDM_ALLCLIA_Click()
{
    run(QStringLiteral("IDM_ALLCLIA_Click"), [this] { m_procedures.IDM_ALLCLIA_Click(); });
}

void VoltageDropWindow::setWireType(const char *item)
{
    run(QString::fromLatin1(item) + QStringLiteral("_Click"), [this, item] { m_procedures.setWireType(QString::fromLatin1(item)); });
}

void VoltageDropWindow::IDM_IV_Click() { setWireType("IDM_IV"); }
void VoltageDropWindow::IDM_CV3C_Click() { setWireType("IDM_CV3C"); }
void VoltageDropWindow::IDM_CVT_Click() { setWireType("IDM_CVT"); }
void VoltageDropWindow::IDM_FP3C_Click() { setWireType("IDM_FP3C"); }
void VoltageDropWindow::IDM_CV2C_Click() { setWireType("IDM_CV2C"); }
void VoltageDropWindow::IDM_FP2C_Click() { setWireType("IDM_FP2C"); }

void VoltageDropWindow::IDM_JIKAYO_Click()
{
    run(QStringLiteral("IDM_JIKAYO_Click"), [this] { m_procedures.setSupply(QStringLiteral("JIKAYO")); });
}

void VoltageDropWindow::IDM_TODEN_Click()
{
    run(QStringLiteral("IDM_TODEN_Click"), [this] { m_procedures.setSupply(QStringLiteral("TODEN")); });
}

void VoltageDropWindow::IDM_PIPE_Click()
{
    run(QStringLiteral("IDM_PIPE_Click"), [this] { m_procedures.setLaying(QStringLiteral("C")); });
}

void VoltageDropWindow::IDM_C_Click()
{
    run(QStringLiteral("IDM_C_Click"), [this] { m_procedures.setLaying(QStringLiteral("C")); });
}

void VoltageDropWindow::IDM_RACK_Click()
{
    run(QStringLiteral("IDM_RACK_Click"), [this] { m_procedures.setLaying(QStringLiteral("RACK")); });
}

} // namespace kb
