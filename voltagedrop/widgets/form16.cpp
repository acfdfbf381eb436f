#include "form16.h"

#include "circuitpicture.h"
#include "flexgrid.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kb {

Form16::Form16()
    : CalculatorWindow(QStringLiteral("Form16"), QStringLiteral("１相３線不平衡負荷計算"))
{
    attachGrid(m_model.MSFlexGrid1, resultlayout::Unbalanced, exportlayout::Unbalanced);
    QWidget *c = client();
    auto *frame3 = new QGroupBox(QStringLiteral("データＮＯ，　　　　　　　　名　　　　　称"), c);
    frame3->setObjectName(QStringLiteral("Frame3"));
    frame3->setGeometry(twipsRect(0, 0, 4095, 735));
    fields().bind(newTextBox(QStringLiteral("Text2"), frame3, twipsRect(120, 240, 1095, 345)), &m_model.Text2);
    fields().bind(newTextBox(QStringLiteral("Text1"), frame3, twipsRect(1320, 240, 2655, 375)), &m_model.Text1);

    QLabel *status = newLabel(QStringLiteral("Label1"), QString(), c, twipsRect(4200, 120, 4695, 615));
    status->setWordWrap(true);
    status->setFrameShape(QFrame::Panel);
    status->setFrameShadow(QFrame::Sunken);
    fields().bind(status, &m_model.Label1);

    (new UnbalancedPicture(c))->setGeometry(twipsRect(0, 840, 7560, 4035));

    // The three load groups: kVA box, kW box and power-factor list on the schematic.
    struct Group
    {
        const char *kva, *kw, *pf;
        QRect kvaAt, kwAt, pfAt;
        QString *kvaText, *kwText, *pfText;
        QStringList *pfItems;
    };
    const Group groups[] = {
        {"Text3", "Text4", "Combo1", twipsRect(2400, 2520, 855, 360), twipsRect(3960, 2250, 855, 360), twipsRect(3960, 2880, 855, 360),
         &m_model.Text3, &m_model.Text4, &m_model.Combo1, &m_model.Combo1Items},
        {"Text5", "Text6", "Combo2", twipsRect(2400, 3840, 855, 360), twipsRect(3960, 3600, 855, 360), twipsRect(3960, 4200, 855, 360),
         &m_model.Text5, &m_model.Text6, &m_model.Combo2, &m_model.Combo2Items},
        {"Text7", "Text8", "Combo3", twipsRect(5520, 2520, 855, 360), twipsRect(5520, 3240, 855, 360), twipsRect(5520, 3960, 855, 360),
         &m_model.Text7, &m_model.Text8, &m_model.Combo3, &m_model.Combo3Items},
    };
    for (const Group &g : groups) {
        fields().bind(newTextBox(QString::fromLatin1(g.kva), c, g.kvaAt), g.kvaText);
        fields().bind(newTextBox(QString::fromLatin1(g.kw), c, g.kwAt), g.kwText);
        QComboBox *pf = newEditableCombo(QString::fromLatin1(g.pf), c);
        pf->setGeometry(g.pfAt);
        fields().bind(pf, g.pfText, g.pfItems);
    }

    auto *frame1 = new QGroupBox(QStringLiteral("計算結果"), c);
    frame1->setObjectName(QStringLiteral("Frame1"));
    frame1->setGeometry(twipsRect(7680, 840, 1215, 2295));
    newLabel(QStringLiteral("Label4"), QStringLiteral("設備不平衡率(%)"), frame1, twipsRect(120, 310, 975, 495))->setWordWrap(true);
    fields().bind(newValueLabel(QStringLiteral("Label2"), frame1, twipsRect(120, 840, 975, 375)), &m_model.Label2);
    QLabel *rule = newLabel(QStringLiteral("Label3"), QStringLiteral("不平衡率は４０％以内であること"), frame1, twipsRect(120, 1200, 975, 975));
    rule->setWordWrap(true);
    rule->setAlignment(Qt::AlignTop | Qt::AlignLeft);

    connect(newButton(QStringLiteral("Command1"), QStringLiteral("計 算"), twipsRect(7680, 3240, 1215, 975)), &QPushButton::clicked,
            this, &Form16::Command1_Click);
    connect(newButton(QStringLiteral("Command2"), QStringLiteral("次の計算"), twipsRect(7680, 4320, 1215, 495)), &QPushButton::clicked,
            this, &Form16::Command2_Click);
    connect(newButton(QStringLiteral("Command3"), QString(), twipsRect(9240, 3720, 1215, 1095)), &QPushButton::clicked, this,
            &Form16::Command3_Click);

    grid()->setGeometry(twipsRect(120, 5040, 10335, 2295));
    connect(grid(), &FlexGrid::cellClicked, this, &Form16::MSFlexGrid1_Click);

    buildMenus({fileMenu(), clearAllMenu(), exportMenu(QStringLiteral("エクセルへ出力"))});
    c->setFixedSize(twipsRect(0, 0, 10575, 7455).size());
    adjustSize();
}

void Form16::Form_Load()
{
    run(QStringLiteral("Form_Load"), [this] {
        placeWindow();
        findChild<QPushButton *>(QStringLiteral("Command3"))->setText(QStringLiteral("データ読込み"));
        m_model.Form_Load();
    });
}

void Form16::Command1_Click()
{
    run(QStringLiteral("Command1_Click"), [this] { m_model.Command1_Click(); });
}

void Form16::Command2_Click()
{
    run(QStringLiteral("Command2_Click"), [this] { m_model.Command2_Click(); });
}

void Form16::Command3_Click()
{
    run(QStringLiteral("Command3_Click"), [this] {
        m_model.SENTAKU_GYOU = grid()->chosenRow(m_model.SENTAKU_GYOU);
        m_model.Command3_Click();
    });
}

void Form16::MSFlexGrid1_Click()
{
    run(QStringLiteral("MSFlexGrid1_Click"), [this] { m_model.MSFlexGrid1_Click(); });
}

void Form16::IDM_ALLCLIA_Click()
{
    run(QStringLiteral("IDM_ALLCLIA_Click"), [this] { m_model.IDM_ALLCLIA_Click(); });
}

} // namespace kb
