#include "detectorwindow.h"

#include "busystate.h"
#include "flexgrid.h"
#include "loader.h"
#include "registry.h"
#include "menudesc.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace kb {

namespace {

using fa::Variant;

QColor bgr(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

void paint(QWidget *w, QPalette::ColorRole role, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(role, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The names of the labels and frames differ in the one-compartment window.
struct Names
{
    const char *number, *site, *room, *width, *depth, *type, *ceiling, *beam;
    const char *classFrame, *structureFrame, *resultFrame, *count, *perDetector, *area;
};
const Names kNames{"Label20", "Label4", "Label3", "Label11", "Label13", "Label2", "Label5", "Label7",
                   "Frame3", "Frame2", "Frame1", "Label15", "Label9", "Label6"};
const Names kSingleNames{"Label13", "Label2", "Label3", "Label7", "Label8", "Label4", "Label5", "Label6",
                         "Frame1", "Frame2", "Frame3", "Label9", "Label10", "Label11"};

QString name(const char *n) { return QString::fromLatin1(n); }

// The design's ＭＳ Ｐゴシック and ＭＳ Ｐ明朝; the proportional IPA faces stand in for them.
enum Face { Gothic, Mincho };
QFont face(Face which, double points)
{
    QFont font(which == Gothic ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAPMincho"));
    font.setPointSizeF(points);
    return font;
}

void colourButton(QPushButton *button, unsigned colour)
{
    QPalette p = button->palette();
    p.setColor(QPalette::Button, bgr(colour));
    button->setPalette(p);
}

// The headings and row numbers in the colour the grid model gives its fixed
// cells (the system's button face where it gives none).
void paintFixedCells(FlexGrid *grid, const GridModel &model)
{
    if (!model.hasBackColor(0, 0))
        return;
    const QColor colour = QColor::fromRgb(model.backColor(0, 0));
    for (QWidget *fixed : {static_cast<QWidget *>(grid->horizontalHeader()), static_cast<QWidget *>(grid->verticalHeader())}) {
        QPalette p = fixed->palette();
        p.setColor(QPalette::Button, colour);
        p.setColor(QPalette::Window, colour);
        fixed->setPalette(p);
    }
    if (auto *corner = grid->findChild<QAbstractButton *>())
        paint(corner, QPalette::Button, colour);
    if (model.hasBackColor(1, 1)) {
        QPalette p = grid->palette();
        p.setColor(QPalette::Base, QColor::fromRgb(model.backColor(1, 1)));
        grid->setPalette(p);
    }
}

} // namespace

DetectorWindow::DetectorWindow(const fa::DetectorVariant &variant)
    : CalculatorWindow(QString::fromLatin1(variant.formName), QString::fromUtf16(variant.caption)),
      m_variant(variant),
      m_model(variant, WindowRegistry::instance().persistentState<fa::DetectorState>(QString::fromLatin1(variant.formName)))
{
    attachGrid(m_model.MSFlexGrid1, resultlayout::FireAlarm, exportlayout::FireAlarm);
    buildControls();
    buildMenus();
    showState();
}

void DetectorWindow::buildMenus()
{
    const Variant v = m_variant.variant;
    const bool single = v == Variant::Single, plain = v == Variant::Narrow || v == Variant::Row;
    auto item = [](const char *n, const QString &caption, const char *slot) {
        return MenuItemDesc{name(n), caption, name(slot)};
    };
    const QString grcla = single ? QStringLiteral("表をクリア") : plain ? QStringLiteral("表・クリア") : QStringLiteral("表・全クリア");
    CalculatorWindow::buildMenus({
        {QStringLiteral("IDM_FILE"), QStringLiteral("ファイル"),
         {item("IDM_DOPEN", QStringLiteral("開　く"), "IDM_DOPEN_Click"),
          item("IDM_DSAVE", QStringLiteral("保　存"), "IDM_DSAVE_Click"),
          item("IDM_PRINT", plain ? QStringLiteral("印刷") : QStringLiteral("印　刷"), "IDM_PRINT_Click"),
          item("IDM_END", plain ? QStringLiteral("終了") : QStringLiteral("終　了"), "IDM_END_Click")}},
        {QStringLiteral("IDM_HELP"), QStringLiteral("解　説"),
         {item("IDM_SYUBETU", QStringLiteral("感知器の種別"), "noAction"),
          item("IDM_TAIKA", single ? QStringLiteral("防　火") : QStringLiteral("防火対象物"), "noAction")}},
        {QStringLiteral("IDM_NAME"), QStringLiteral("部屋名称"),
         {item("IDM_OFFICE", single ? QStringLiteral("事務所") : QStringLiteral("事務所ビル"), "IDM_OFFICE_Click"),
          item("IDM_PLANT", QStringLiteral("工　場"), "IDM_PLANT_Click"),
          item("IDM_SCHOOL", QStringLiteral("学　校"), "IDM_SCHOOL_Click"),
          item("IDM_HOSPITAL", QStringLiteral("病　院"), "IDM_HOSPITAL_Click"),
          item("IDM_SONOTA", QStringLiteral("その他"), "IDM_SONOTA_Click")}},
        {v == Variant::Row ? QStringLiteral("IDM_HYIUJI") : QStringLiteral("IDM_HYOUJI"), QStringLiteral("表　示"),
         {item("IDM_ALLCLA", QStringLiteral("全てクリア"), "IDM_ALLCLA_Click"),
          item("IDM_INCLA", QStringLiteral("入力欄クリア"), "IDM_INCLA_Click"),
          item("IDM_GRCLA", grcla, "IDM_GRCLA_Click")}},
        {QStringLiteral("IDM_EXL"), QStringLiteral("エクセル"),
         {item("IDM_EXLSAVE", QStringLiteral("エクセルへ出力"), "IDM_EXLSAVE_Click")}},
    });
}

void DetectorWindow::buildControls()
{
    static const unsigned backgrounds[] = {0x0080FFFF, 0x0080C0FF, 0x0080FF80, 0x00FFFFC0};
    static const unsigned resultFrames[] = {0x0080FF80, 0x00FFFF80, 0x00FFFF80, 0x0080FF80};
    const Variant v = m_variant.variant;
    const bool single = v == Variant::Single;
    const Names &n = single ? kSingleNames : kNames;
    QWidget *c = client();
    paint(c, QPalette::Window, bgr(backgrounds[int(v)]));
    c->setFont(face(Gothic, 12));
    fa::DetectorModel &m = m_model;
    FieldBinding &f = fields();

    auto label = [&](const char *objectName, const QString &caption, int l, int t, int w, int h) {
        QLabel *lbl = newLabel(name(objectName), caption, c, twipsRect(l, t, w, h));
        return lbl;
    };
    auto box = [&](const char *objectName, QString *text, int l, int t, int w, int h, QWidget *parent = nullptr) {
        QLineEdit *e = newTextBox(name(objectName), parent ? parent : c, twipsRect(l, t, w, h));
        f.bind(e, text);
        return e;
    };
    auto combo = [&](const char *objectName, QString *text, QStringList *items, int l, int t, int w) {
        QComboBox *cb = newEditableCombo(name(objectName), c);
        cb->setGeometry(twipsRect(l, t, w, 330));
        f.bind(cb, text, items);
    };

    QLabel *title = label("Label1", QString(), 120, 40, 8500, 380);
    title->setAlignment(Qt::AlignCenter);
    title->setFrameShape(QFrame::Box);
    title->setFont(face(Gothic, single ? 15.75 : 14.25));
    paint(title, QPalette::Window, Qt::white);
    f.bind(title, &m.Label1);

    const bool narrow = v == Variant::Narrow;
    label(n.number, single ? QStringLiteral("データNO") : QStringLiteral("データＮＯ"), 120, 460, 1100, 330);
    box("Text1", &m.Text1, 1250, 450, 800, 330);
    label(n.site, QStringLiteral("現場名称"), 120, 790, 1100, 330);
    combo("Combo4", &m.Combo4, &m.Combo4Items, 1250, 780, 2700);
    label(n.room, QStringLiteral("部屋名称"), 120, 1110, 1100, 330);
    combo("Combo5", &m.Combo5, &m.Combo5Items, 1250, 1100, 2700);
    label(n.width, single ? QStringLiteral("間口(m)") : narrow ? QStringLiteral("幅・間口(m)") : QStringLiteral("間 口 (m)"),
          4100, 790, 1450, 330);
    box("Text4", &m.Text4, 5550, 780, 1000, 330);
    label(n.depth, single ? QStringLiteral("奥行(m)") : narrow ? QStringLiteral("歩行距離 (m)") : QStringLiteral("奥 行 (m)"),
          4100, 1110, 1450, 330);
    box("Text5", &m.Text5, 5550, 1100, 1000, 330);
    QPushButton *search = newButton(QStringLiteral("Command3"), single ? QStringLiteral("検 索") : QStringLiteral("検　索"),
                                    twipsRect(6800, 480, 1800, 850));
    search->setFont(face(Gothic, single ? 14.25 : 15.75));
    colourButton(search, single ? 0x008080FF : 0x000080FF);
    connect(search, &QPushButton::clicked, this, &DetectorWindow::Command3_Click);

    auto *line = new QFrame(c);
    line->setObjectName(single ? QStringLiteral("Line1") : QStringLiteral("Line2"));
    line->setFrameShape(QFrame::HLine);
    line->setGeometry(twipsRect(120, single ? 1500 : 1440, 8500, 40));

    label(n.type, QStringLiteral("感知器の種類"), 120, 1640, 1450, 330);
    combo("Combo1", &m.Combo1, &m.Combo1Items, 1600, 1630, 2050);
    label(n.ceiling, single ? QStringLiteral("天井高(m)") : QStringLiteral("天井高 (m)"), 120, 2060, 1450, 330);
    combo("Combo2", &m.Combo2, &m.Combo2Items, 1600, 2050, 2050);
    label(n.beam, single ? QStringLiteral("梁　高(m)") : QStringLiteral("梁　高 (m)"), 120, 2480, 1450, 330);
    combo("Combo3", &m.Combo3, &m.Combo3Items, 1600, 2470, 2050);

    auto options = [&](const char *frameName, const QString &caption, const char *base, const QStringList &captions, int l, int w) {
        auto *frame = new QGroupBox(caption, c);
        frame->setObjectName(name(frameName));
        frame->setGeometry(twipsRect(l, 1540, w, 1420));
        auto *group = new QButtonGroup(this);
        for (int i = 0; i < captions.size(); ++i) {
            auto *option = new QRadioButton(captions.at(i), frame);
            option->setObjectName(QStringLiteral("%1(%2)").arg(name(base)).arg(i));
            option->setGeometry(twipsRect(120, 330 + i * 270, w - 180, 270));
            group->addButton(option, i);
        }
        return group;
    };
    m_structure = options(n.structureFrame, QStringLiteral("防火対象物"), "Option2", {QStringLiteral("耐　火"), QStringLiteral("その他")},
                          3720, 1250);
    m_class = options(n.classFrame, QStringLiteral("感知器の種別"), "Option1",
                      {QStringLiteral("特種"), QStringLiteral("１種"), QStringLiteral("２種"), QStringLiteral("３種")}, 5020, 1500);
    // The compartment's area is a condition: typed before 計算, which stands above it.
    if (m_variant.hasCompartment) {
        auto *frame4 = new QGroupBox(QStringLiteral("小区画の面積(㎡)"), c);
        frame4->setObjectName(QStringLiteral("Frame4"));
        frame4->setGeometry(twipsRect(6570, 2200, 2030, 760));
        paint(frame4, QPalette::Window, bgr(0x0080FFFF));
        box("Text2", &m.Text2, 120, 330, 1780, 330, frame4);
    }
    QPushButton *calc = newButton(QStringLiteral("Command2"), single ? QStringLiteral("計 算") : QStringLiteral("計　算"),
                                  m_variant.hasCompartment ? twipsRect(6650, 1540, 1950, 600) : twipsRect(6750, 1700, 1850, 900));
    calc->setFont(face(Gothic, single ? 14.25 : 15.75));
    colourButton(calc, single ? 0x008080FF : 0x00FF8080);
    connect(calc, &QPushButton::clicked, this, &DetectorWindow::Command2_Click);
    // Enter from any control but another button calculates, except in the one-compartment window.
    calc->setDefault(!single);

    auto *results = new QGroupBox(QStringLiteral("計算結果"), c);
    results->setObjectName(name(n.resultFrame));
    results->setGeometry(twipsRect(120, 3000, 8500, 1455));
    paint(results, QPalette::Window, bgr(resultFrames[int(v)]));
    // The results frame's caption is set in Mincho (not in the one-compartment window).
    if (!single)
        results->setFont(face(Mincho, 12));
    auto resultLabel = [&](const char *objectName, const QString &caption, int l, int t, int w) {
        return newLabel(name(objectName), caption, results, twipsRect(l, t, w, 330));
    };
    QLabel *countLabel = resultLabel(n.count, QStringLiteral("感知器の設置台数は"), 120, 300, 2800);
    countLabel->setFont(face(Gothic, 14.25));
    if (!single) {
        auto *rule = new QFrame(results);
        rule->setObjectName(QStringLiteral("Line1"));
        rule->setFrameShape(QFrame::HLine);
        rule->setGeometry(twipsRect(120, 640, 2700, 30));
    }
    m_text7 = box("Text7", &m.Text7, 700, 690, 1400, 380, results);
    m_text7->setFont(face(Gothic, 14.25));
    resultLabel(n.perDetector,
                narrow ? QStringLiteral("感知器１台当りの歩行距離(ｍ)")
                       : single ? QStringLiteral("感知器１台当りの面積(㎡)") : QStringLiteral("感知器１台当りの面積(㎡)は"),
                3000, 320, 3300);
    m_text3 = box("Text3", &m.Text3, 6300, 300, 900, 330, results);
    if (m_variant.hasRoomArea) {
        resultLabel(n.area, QStringLiteral("部屋の面積(㎡)"), 3000, 720, 3300);
        m_text6 = box("Text6", &m.Text6, 6300, 700, 900, 330, results);
    }
    QLabel *guidance = newLabel(QStringLiteral("Label16"), QString(), results, twipsRect(120, 1090, 8260, 330));
    guidance->setFrameShape(QFrame::Box);
    paint(guidance, QPalette::Window, Qt::white);
    f.bind(guidance, &m.Label16);
    auto *next = new QPushButton(QStringLiteral("次の計算"), results);
    next->setObjectName(QStringLiteral("Command4"));
    next->setGeometry(twipsRect(7300, 300, 1080, 730));
    colourButton(next, single ? 0x008080FF : 0x0000FFFF);
    connect(next, &QPushButton::clicked, this, &DetectorWindow::Command4_Click);
    for (QWidget *w : results->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!w->testAttribute(Qt::WA_SetFont))
            w->setFont(face(Gothic, 12));

    QPushButton *reload = newButton(QStringLiteral("Command1"), QStringLiteral("データ読込み"), twipsRect(120, 4560, 1800, 450));
    colourButton(reload, single || narrow ? 0x00FF8080 : 0x0080C0FF);
    connect(reload, &QPushButton::clicked, this, &DetectorWindow::Command1_Click);
    FlexGrid *g = grid();
    g->setGeometry(twipsRect(120, 5160, single ? 10695 : 11895, single ? 2055 : 1575));
    // No row height is set: the rows follow the grid's type.
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    paintFixedCells(g, m.MSFlexGrid1);
    connect(g, &FlexGrid::cellClicked, this, &DetectorWindow::MSFlexGrid1_Click);

    static const QSize designed[] = {{8835, 4500}, {8805, 4485}, {8820, 4500}, {8640, 4515}};
    const QRect size = twipsRect(0, 0, designed[int(v)].width(), designed[int(v)].height());
    resize(size.width(), size.height() + 30);
}

void DetectorWindow::showState()
{
    CalculatorWindow::showState();
    auto setOption = [](QButtonGroup *group, int index) {
        group->setExclusive(false);
        for (QAbstractButton *b : group->buttons())
            b->setChecked(group->id(b) == index);
        group->setExclusive(true);
    };
    setOption(m_class, m_model.Option1);
    setOption(m_structure, m_model.Option2);
    setFieldEnabled(m_text3, m_model.Text3Enabled);
    if (m_text6)
        setFieldEnabled(m_text6, m_model.Text6Enabled);
    setFieldEnabled(m_text7, m_model.Text7Enabled);
    if (m_model.Text7Enabled) {
        QPalette p = m_text7->palette();
        p.setColor(QPalette::Base, bgr(0x0080FFFF));
        m_text7->setPalette(p);
    }
}

void DetectorWindow::takeState()
{
    CalculatorWindow::takeState();
    m_model.Option1 = m_class->checkedId();
    m_model.Option2 = m_structure->checkedId();
}

void DetectorWindow::act(const QString &tag, void (fa::DetectorModel::*procedure)())
{
    run(tag, [this, procedure] { (m_model.*procedure)(); });
}

void DetectorWindow::Form_Load()
{
    placeWindow();
    findChild<QPushButton *>(QStringLiteral("Command3"))->setText(QStringLiteral("検　索"));
    act(QStringLiteral("Form"), &fa::DetectorModel::loadControls);
    if (!DATA_YOMIKOMI(this, db::Kahou, m_model.KAHOU_DATA, QStringLiteral("Form")))
        return;
    BusyState busy(this);
    act(QStringLiteral("Form"), &fa::DetectorModel::loadLists);
}

void DetectorWindow::Command1_Click()
{
    m_model.state().SENTAKU_GYOU = grid()->chosenRow(m_model.state().SENTAKU_GYOU);
    act(QStringLiteral("Command1"), &fa::DetectorModel::Command1_Click);
}
void DetectorWindow::Command2_Click() { act(QStringLiteral("Command2"), &fa::DetectorModel::Command2_Click); }
void DetectorWindow::Command3_Click() { act(QStringLiteral("Command3"), &fa::DetectorModel::Command3_Click); }
void DetectorWindow::Command4_Click() { act(QStringLiteral("Command4"), &fa::DetectorModel::Command4_Click); }
void DetectorWindow::MSFlexGrid1_Click() { act(QStringLiteral("MSFlexGrid1_Click"), &fa::DetectorModel::MSFlexGrid1_Click); }
void DetectorWindow::IDM_OFFICE_Click() { act(QStringLiteral("IDM_OFFICE"), &fa::DetectorModel::IDM_OFFICE_Click); }
void DetectorWindow::IDM_PLANT_Click() { act(QStringLiteral("IDM_PLANT"), &fa::DetectorModel::IDM_PLANT_Click); }
void DetectorWindow::IDM_SCHOOL_Click() { act(QStringLiteral("IDM_SCHOOL"), &fa::DetectorModel::IDM_SCHOOL_Click); }
void DetectorWindow::IDM_HOSPITAL_Click() { act(QStringLiteral("IDM_HOSPITAL"), &fa::DetectorModel::IDM_HOSPITAL_Click); }
void DetectorWindow::IDM_SONOTA_Click() { act(QString(), &fa::DetectorModel::IDM_SONOTA_Click); }
void DetectorWindow::IDM_ALLCLA_Click() { act(QStringLiteral("IDM_ALLCLA"), &fa::DetectorModel::IDM_ALLCLA_Click); }
void DetectorWindow::IDM_INCLA_Click() { act(QStringLiteral("IDM_INCLA"), &fa::DetectorModel::IDM_INCLA_Click); }
void DetectorWindow::IDM_GRCLA_Click() { act(QStringLiteral("IDM_GRCLA"), &fa::DetectorModel::IDM_GRCLA_Click); }

void DetectorWindow::IDM_PRINT_Click()
{
    printWindow(m_variant.variant == Variant::Narrow ? QStringLiteral("プリントを中止しました｡IDM_PRINT \"")
                                                     : QStringLiteral("プリントを中止しました。IDM_PRINT"));
}

} // namespace kb
