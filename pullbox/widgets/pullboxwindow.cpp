#include "pullboxwindow.h"

#include "drawing.h"
#include "fieldbinding.h"
#include "flexgrid.h"
#include "haikangaikei.h"
#include "pullboxlayout.h"
#include "pullboxpicture.h"

#include <QAction>
#include <algorithm>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>

namespace kb::pullbox {

namespace {

int px(int twips) { return FlexGrid::twipsToPixels(twips); }
void place(QWidget *w, int left, int top, int width, int height) { w->setGeometry(px(left), px(top), px(width), px(height)); }

// Colours are written &H00BBGGRR in the window designs.
QColor vbColor(quint32 bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

void setBackground(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    p.setColor(QPalette::Button, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

struct MenuItem
{
    const char *name;
    QString caption; // "-" for a separator line
    bool enabled = true;
};

struct Menu
{
    const char *name;
    QString caption;
    QList<MenuItem> items; // none: a command on the menu bar itself
};

QList<MenuItem> settingsItems(const QString &tukeru, const QString &nashi, const char *firstSeparator,
                              const char *secondSeparator, const QString &jidou)
{
    return {{"IDM_ANGL", QStringLiteral("アングルの自動設定")}, {"IDM_TUKERU", tukeru}, {"IDM_NASHI", nashi},
            {firstSeparator, QStringLiteral("-")}, {"IDM_KYODEN", QStringLiteral("強電配管")},
            {"IDM_JAKU", QStringLiteral("弱電配管")}, {secondSeparator, QStringLiteral("-")}, {"IDM_JIDOU", jidou},
            {"IDM_SETUYAKU", QStringLiteral("寸法ピッチ・節約")}, {"IDM_USAER", QStringLiteral("寸法ピッチ・ユーザー")}};
}

// The menu bars differ between the six windows in names and captions only.
QList<Menu> menusOf(const QString &form)
{
    const QString print = QStringLiteral("印　刷"), end = QStringLiteral("終　了");
    const QString standard = QStringLiteral("寸法ピッチ・標準"), onAll = QStringLiteral("アングルを全てに取付け"),
                  onAll2 = QStringLiteral("アングルを全て取付け"), noneAll = QStringLiteral("アングルを全て無し");
    const Menu calculator{"IDM_DENTAKU", QStringLiteral("電　卓"), {}};
    const QString show = QStringLiteral("表　示"), shoki = QStringLiteral("初期設定表示");
    if (form == QLatin1String("Form21"))
        return {{"IDM_FILE", QStringLiteral("ファイル"),
                 {{"IDM_PRINT", QStringLiteral("フォームを印刷")}, {"IDM_PRINT2", QStringLiteral("図面を印刷"), false}, {"IDM_END", end}}},
                {"IDM_EDIT", QStringLiteral("編　集"), {{"IDM_DAN", QStringLiteral("一段を戻す")}}},
                {"IDM_HYOUJI", show, {{"IDM_SHOKI", shoki}, {"IDM_GRCLIA", QStringLiteral("表クリアー")}}},
                calculator,
                {"IDM_SETTEI", QStringLiteral("設　定"), settingsItems(onAll, noneAll, "KUGIRI4", "IDM_KUGIRI5", standard)}};
    const Menu file{"IDM_FILE", QStringLiteral("ファイル"), {{"IDM_PRINT", print}, {"IDM_END", end}}};
    if (form == QLatin1String("Form22") || form == QLatin1String("Form23")) {
        const bool isStraight = form == QLatin1String("Form23");
        return {file,
                {"IDM_EDIT", QStringLiteral("編　集"), {{"IDM_DAN", QStringLiteral("一段戻す")}}},
                {"IDM_HYOJI", show, {{"IDM_SHOKI", shoki}, {"IDM_GRCLIA", QStringLiteral("表全てクリアー")}}},
                calculator,
                {"IDM_SETTEI", QStringLiteral("設　定"),
                 settingsItems(onAll2, isStraight ? noneAll : QStringLiteral("アングルは全て無し"), "IDM_KUGIRI4", "IDM_KUGIRI5",
                               isStraight ? QStringLiteral("寸法ピッチ・自動") : standard)}};
    }
    if (form == QLatin1String("Form24"))
        return {file, {"IDM_HYOJI", show, {{"IDM_GRCLIA", QStringLiteral("表を全てクリアー")}}}, calculator,
                {"IDM_SETTEI", QStringLiteral("設　定"), settingsItems(onAll2, noneAll, "IDM_KUGIRI4", "IDM_KUGIRI5", standard)}};
    const bool left = form == QLatin1String("Form25");
    return {file,
            {"IDM_HYOJI", show,
             {left ? MenuItem{"IDM_GRCLA", QStringLiteral("表を全てクリアー")} : MenuItem{"IDM_GRCLIA", QStringLiteral("表全てをクリアー")}}},
            calculator,
            {"IDM_SETTEI", QStringLiteral("設　定"), settingsItems(onAll, noneAll, "IDM_KUGIRI4", left ? "IDM_KUGIRI5" : "IDM_KUGIRI", standard)}};
}

const QColor kEdge(60, 60, 60);
const QColor kMark(0, 0, 170); // dimension lines
const QColor kSteel(110, 120, 135);

QPolygonF polygon(const QList<QPointF> &points) { return QPolygonF(QVector<QPointF>(points.begin(), points.end())); }

QPen hairline(const QColor &colour, Qt::PenStyle style = Qt::SolidLine)
{
    QPen p(colour, 1, style);
    p.setCosmetic(true);
    return p;
}

// A conduit as a tube of its diameter, outlined; one seen through the box is
// paler. A stub shows its open mouth, round when it faces the viewer and
// foreshortened on a side face or the bottom.
void drawTube(QPainter &p, const Tube &tube, double radius, bool throughBox)
{
    if (tube.points.size() < 2)
        return;
    QPainterPath path(tube.points.first());
    for (int i = 1; i < tube.points.size(); ++i)
        path.lineTo(tube.points[i]);
    const Qt::PenCapStyle cap = tube.mouthAtStart || tube.mouthAtEnd ? Qt::FlatCap : Qt::RoundCap;
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(throughBox ? QColor(120, 125, 135) : kEdge, 2 * radius + 30, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(throughBox ? QColor(205, 210, 220) : QColor(165, 180, 200), 2 * radius, Qt::SolidLine, cap, Qt::RoundJoin));
    p.drawPath(path);
    if (!tube.mouthAtStart && !tube.mouthAtEnd)
        return;
    const QPointF mouth = tube.mouthAtStart ? tube.points.first() : tube.points.last();
    double rx = radius, ry = radius;
    if (tube.mouthFace == Face::Left || tube.mouthFace == Face::Right)
        rx = 0.45 * radius;
    else if (tube.mouthFace == Face::Bottom)
        ry = 0.45 * radius;
    p.setPen(QPen(kEdge, 15));
    p.setBrush(QColor(165, 180, 200));
    p.drawEllipse(mouth, rx + 15, ry + 15);
    p.setBrush(QColor(70, 75, 85));
    p.drawEllipse(mouth, 0.7 * rx, 0.7 * ry);
}

// The box drawn from its picture geometry, stretched to the control; the result
// labels are the window's own controls, standing at the picture's label places.
class PictureWidget : public QWidget
{
public:
    PictureWidget(BoxPicture picture, QWidget *parent) : QWidget(parent), m_pic(std::move(picture)) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.fillRect(rect(), QColor(252, 252, 246));
        p.setPen(hairline(kEdge));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.scale(width() / m_pic.size.width(), height() / m_pic.size.height());

        // What lies inside the box or behind it shows through its faces.
        for (const ConduitRun &run : m_pic.conduits) {
            drawTube(p, run.inside, m_pic.radius, true);
            if (!run.leaving.overBox)
                drawTube(p, run.leaving, m_pic.radius, false);
        }
        p.setPen(hairline(kEdge));
        p.setBrush(QColor(200, 200, 190, 170));
        p.drawPolygon(polygon(m_pic.sideFace));
        p.setBrush(QColor(228, 228, 218, 170));
        p.drawPolygon(polygon(m_pic.topFace));
        p.setBrush(QColor(240, 240, 232, 150));
        p.drawPolygon(polygon(m_pic.frontFace));

        // The reinforcing angle round the front opening.
        const QRectF f = m_pic.front;
        const double a = m_pic.angleLeg;
        QPainterPath frame;
        frame.addRect(f);
        frame.addRect(f.adjusted(a, a, -a, -a));
        p.setBrush(kSteel);
        p.drawPath(frame);

        for (const ConduitRun &run : m_pic.conduits) {
            p.setPen(hairline(kEdge));
            p.setBrush(QColor(90, 95, 105));
            p.drawEllipse(run.frontCentre, m_pic.radius, m_pic.radius);
            drawTube(p, run.entering, m_pic.radius, false);
        }
        // The stubs leaving by a face in view, the farthest back first.
        QList<const ConduitRun *> leaving;
        for (const ConduitRun &run : m_pic.conduits)
            if (run.leaving.overBox)
                leaving << &run;
        std::stable_sort(leaving.begin(), leaving.end(), [](const ConduitRun *a, const ConduitRun *b) { return a->exitDepth > b->exitDepth; });
        for (const ConduitRun *run : leaving)
            drawTube(p, run->leaving, m_pic.radius, false);

        for (const Dimension &dim : m_pic.dimensions) {
            p.setPen(hairline(kMark, Qt::DashLine));
            for (const QLineF &e : dim.extensions)
                p.drawLine(e);
            p.setPen(hairline(kMark));
            p.setBrush(kMark);
            p.drawLine(dim.line);
            if (dim.leader) {
                p.drawEllipse(dim.line.p1(), 45, 45);
            } else {
                arrowHead(p, dim.line.p1(), dim.line.p2(), 110, 40);
                arrowHead(p, dim.line.p2(), dim.line.p1(), 110, 40);
            }
        }
    }

private:
    BoxPicture m_pic;
};

} // namespace

PullBoxWindow::PullBoxWindow(const Design &design) : Window(design.formName), m_model(design)
{
    setWindowTitle(design.caption);
    buildControls();
    buildMenus();
    m_model.beginBusy = [this] { m_busy.emplace(this); };
    m_model.endBusy = [this] { m_busy.reset(); };
}

PullBoxWindow::~PullBoxWindow()
{
    // The grid widget outlives the model it shows (children go last).
    m_grid->setGridModel(nullptr);
}

void PullBoxWindow::buildControls()
{
    const Design &d = m_model.design;
    const Layout &layout = layoutOf(d.formName);
    auto put = [&](QWidget *w, const QString &name) {
        w->setObjectName(name);
        const Place at = layout.at(name);
        place(w, at.left, at.top, at.width, at.height);
        if (layout.hasColour(name))
            setBackground(w, vbColor(layout.colour(name)));
    };
    auto *client = new QWidget(this);
    setCentralWidget(client);
    setBackground(client, vbColor(layout.colour(QStringLiteral("Form"))));

    m_text2 = new QLineEdit(client);
    put(m_text2, QStringLiteral("Text2"));
    m_text1 = new QLineEdit(client);
    put(m_text1, QStringLiteral("Text1"));

    const Place image = layout.at(QStringLiteral("Image1"));
    const BoxPicture picture = boxPicture(d, QSizeF(image.width, image.height));
    put(new PictureWidget(picture, client), QStringLiteral("Image1"));

    auto *frame1 = new QGroupBox(QStringLiteral("入力欄"), client);
    put(frame1, QStringLiteral("Frame1"));
    for (int i = 1; i <= 9; ++i) {
        auto *label = new QLabel(i == 2 ? frame1 : client);
        label->setWordWrap(i == 1 || i == 9); // the status line and the count of the row windows
        put(label, QStringLiteral("Label%1").arg(i));
        if (!layout.hasColour(label->objectName())) // the count of the twist windows has the window colour
            setBackground(label, vbColor(layout.colour(QStringLiteral("Form"))));
        m_labels[i] = label;
        // The labels on the picture stand beside the lines they read.
        const auto onPicture = picture.labels.constFind(label->objectName());
        if (onPicture != picture.labels.constEnd()) {
            const QRectF at = onPicture->translated(image.left, image.top);
            place(label, qRound(at.left()), qRound(at.top()), qRound(at.width()), qRound(at.height()));
            label->setAlignment(Qt::AlignCenter);
        }
    }

    m_combo1 = newEditableCombo(QStringLiteral("Combo1"), frame1);
    m_combo1->addItems(conduitSizeItems());
    put(m_combo1, QStringLiteral("Combo1"));

    auto button = [&](QWidget *parent, const char *name, const QString &caption, void (PullBoxWindow::*slot)()) {
        auto *b = new QPushButton(caption, parent);
        put(b, QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };
    button(frame1, "Command4", QStringLiteral("配管登録"), &PullBoxWindow::Command4_Click);
    if (d.tiers)
        m_command6 = button(client, "Command6", QString(), &PullBoxWindow::Command6_Click);
    button(client, "Command2", QStringLiteral("計　算"), &PullBoxWindow::Command2_Click);
    button(client, "Command3", QStringLiteral("次の計算"), &PullBoxWindow::Command3_Click);
    button(client, "Command5", QStringLiteral("初期設定表示"), &PullBoxWindow::Command5_Click);
    button(client, "Command1", QStringLiteral("表をクリアー"), &PullBoxWindow::Command1_Click);

    // The three option arrays; the left-bend window numbers its power buttons 2 (強電) and 1 (弱電).
    struct Array
    {
        const char *frame;
        QString caption;
        QList<QPair<int, QString>> buttons;
        void (PullBoxWindow::*slot)(int);
    };
    const Array arrays[3] = {
        {"Frame2", QStringLiteral("計算モード"),
         {{0, QStringLiteral("標　準")}, {1, QStringLiteral("節　約")}, {2, QStringLiteral("ﾕｰｻﾞｰ")}}, &PullBoxWindow::Option1_Click},
        {"Frame3", QStringLiteral("電源種別"), {{d.powerOnIndex, QStringLiteral("強　電")}, {1, QStringLiteral("弱　電")}},
         &PullBoxWindow::Option2_Click},
        {"Frame4", QStringLiteral("アングル補強"),
         {{0, QStringLiteral("自動設定")}, {1, QStringLiteral("補 強 付")}, {2, QStringLiteral("補強なし")}}, &PullBoxWindow::Option3_Click},
    };
    for (int a = 0; a < 3; ++a) {
        auto *frame = new QGroupBox(arrays[a].caption, client);
        put(frame, QString::fromLatin1(arrays[a].frame));
        setBackground(frame, vbColor(layout.colour(QStringLiteral("Form"))));
        const QString name = QStringLiteral("Option%1").arg(a + 1);
        int row = 0;
        for (const auto &[index, caption] : arrays[a].buttons) {
            auto *option = new QRadioButton(caption, frame);
            option->setObjectName(name);
            option->setProperty("index", index);
            option->setAutoExclusive(true);
            // A button without a place of its own stands in the frame's column of buttons.
            const QString key = QStringLiteral("%1(%2)").arg(name).arg(row);
            const Place at = layout.hasPlace(key) ? layout.at(key) : Place{120, 300 + 360 * row, 1200, 300};
            place(option, at.left, at.top, at.width, at.height);
            ++row;
            const auto slot = arrays[a].slot;
            const int value = index; // clang 14 cannot capture a structured binding
            connect(option, &QRadioButton::clicked, this, [this, slot, value] { (this->*slot)(value); });
            m_options[a] << option;
        }
    }

    m_grid = new FlexGrid(client);
    m_grid->setGridModel(&m_model.MSFlexGrid1);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    put(m_grid, QStringLiteral("MSFlexGrid1"));
    connect(m_grid, &FlexGrid::cellClicked, this, &PullBoxWindow::MSFlexGrid1_Click);

    // Tab: the name, the conduit entry and the buttons of the right-hand column, then the
    // lower row from left to right (the option frames stand in a different order in
    // each window), the grid last.
    QStringList order{QStringLiteral("Text2"), QStringLiteral("Text1"), QStringLiteral("Combo1"), QStringLiteral("Command4"),
                      QStringLiteral("Command6"), QStringLiteral("Command2"), QStringLiteral("Command3")};
    QList<std::pair<int, QString>> lowerRow;
    for (int a = 0; a < 3; ++a)
        lowerRow.append({layout.at(QString::fromLatin1(arrays[a].frame)).left, QStringLiteral("Option%1").arg(a + 1)});
    std::sort(lowerRow.begin(), lowerRow.end());
    for (const auto &option : std::as_const(lowerRow))
        order << option.second;
    order << QStringLiteral("Command5") << QStringLiteral("Command1") << QStringLiteral("MSFlexGrid1");
    chainTabOrder(order);

    // The design area; the option frames, two buttons and the grid come into view when enlarged.
    client->setMinimumSize(px(layout.clientWidth), px(layout.clientHeight));
    resize(px(layout.clientWidth), px(layout.clientHeight) + menuBar()->sizeHint().height());
}

void PullBoxWindow::buildMenus()
{
    for (const Menu &menu : menusOf(formName())) {
        if (menu.items.isEmpty()) {
            QAction *action = menuBar()->addAction(menu.caption);
            action->setObjectName(QString::fromLatin1(menu.name));
            connect(action, &QAction::triggered, this, &PullBoxWindow::IDM_DENTAKU_Click);
            continue;
        }
        QMenu *m = menuBar()->addMenu(menu.caption);
        m->setObjectName(QString::fromLatin1(menu.name));
        m->menuAction()->setObjectName(QString::fromLatin1(menu.name));
        for (const MenuItem &item : menu.items) {
            QAction *action = item.caption == QLatin1String("-") ? m->addSeparator() : m->addAction(item.caption);
            const QString name = QString::fromLatin1(item.name);
            action->setObjectName(name);
            action->setEnabled(item.enabled);
            const QByteArray slot = (name + QStringLiteral("_Click")).toLatin1();
            if (!action->isSeparator() && metaObject()->indexOfSlot(slot + "()") >= 0)
                connect(action, &QAction::triggered, this, [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
        }
    }
}

void PullBoxWindow::takeState()
{
    m_model.Text1 = m_text1->text();
    m_model.Text2 = m_text2->text();
    m_model.Combo1 = m_combo1->currentText();
    int *selected[3] = {&m_model.Option1, &m_model.Option2, &m_model.Option3};
    for (int a = 0; a < 3; ++a)
        for (const QRadioButton *option : m_options[a])
            if (option->isChecked())
                *selected[a] = option->property("index").toInt();
}

void PullBoxWindow::showState()
{
    // A text as it stands is left alone, with the place the user types at.
    if (m_text1->text() != m_model.Text1)
        m_text1->setText(m_model.Text1);
    if (m_text2->text() != m_model.Text2)
        m_text2->setText(m_model.Text2);
    if (m_combo1->currentText() != m_model.Combo1)
        m_combo1->setEditText(m_model.Combo1);
    const QString *texts[10] = {nullptr,          &m_model.Label1, &m_model.Label2, &m_model.Label3, &m_model.Label4,
                                &m_model.Label5, &m_model.Label6, &m_model.Label7, &m_model.Label8, &m_model.Label9};
    for (int i = 1; i <= 9; ++i)
        m_labels[i]->setText(*texts[i]);
    if (m_command6)
        m_command6->setText(m_model.Command6);
    const int selected[3] = {m_model.Option1, m_model.Option2, m_model.Option3};
    for (int a = 0; a < 3; ++a)
        for (QRadioButton *option : m_options[a]) {
            // A selection made by the model has run its handler already.
            const QSignalBlocker block(option);
            option->setAutoExclusive(false);
            option->setChecked(option->property("index").toInt() == selected[a]);
            option->setAutoExclusive(true);
        }
}

void PullBoxWindow::push()
{
    showState();
    if (!m_model.focusRequest.isEmpty()) {
        if (m_model.focusRequest == QLatin1String("Combo1"))
            m_combo1->setFocus();
        m_model.focusRequest.clear();
    }
}

void PullBoxWindow::run(const QString &tag, const std::function<void()> &handler)
{
    // The model traps the failures its procedures name; guard keeps anything else from Qt.
    guard(tag, handler);
    push();
}

void PullBoxWindow::run(const QString &tag, void (PullBoxModel::*handler)())
{
    run(tag, [&] { (m_model.*handler)(); });
}

void PullBoxWindow::Form_Load()
{
    run(QStringLiteral("Form_Load"), &PullBoxModel::Form_Load);
    placeWindow();
}

void PullBoxWindow::Command1_Click() { run(QStringLiteral("Command1_Click"), &PullBoxModel::Command1_Click); }
void PullBoxWindow::Command2_Click() { run(QStringLiteral("Command2_Click"), &PullBoxModel::Command2_Click); }
void PullBoxWindow::Command3_Click() { run(QStringLiteral("Command3_Click"), &PullBoxModel::Command3_Click); }
void PullBoxWindow::Command4_Click() { run(QStringLiteral("Command4_Click"), &PullBoxModel::Command4_Click); }
void PullBoxWindow::Command5_Click() { run(QStringLiteral("Command5_Click"), &PullBoxModel::Command5_Click); }
void PullBoxWindow::Command6_Click() { run(QStringLiteral("Command6_Click"), &PullBoxModel::Command6_Click); }
void PullBoxWindow::IDM_DAN_Click() { run(QStringLiteral("IDM_DAN_Click"), &PullBoxModel::IDM_DAN_Click); }
void PullBoxWindow::IDM_SHOKI_Click() { run(QStringLiteral("IDM_SHOKI_Click"), &PullBoxModel::IDM_SHOKI_Click); }
void PullBoxWindow::IDM_GRCLIA_Click() { run(QStringLiteral("IDM_GRCLIA_Click"), &PullBoxModel::IDM_GRCLIA_Click); }
void PullBoxWindow::IDM_ANGL_Click() { run(QStringLiteral("IDM_ANGL_Click"), &PullBoxModel::IDM_ANGL_Click); }
void PullBoxWindow::IDM_TUKERU_Click() { run(QStringLiteral("IDM_TUKERU_Click"), &PullBoxModel::IDM_TUKERU_Click); }
void PullBoxWindow::IDM_NASHI_Click() { run(QStringLiteral("IDM_NASHI_Click"), &PullBoxModel::IDM_NASHI_Click); }
void PullBoxWindow::IDM_KYODEN_Click() { run(QStringLiteral("IDM_KYODEN_Click"), &PullBoxModel::IDM_KYODEN_Click); }
void PullBoxWindow::IDM_JAKU_Click() { run(QStringLiteral("IDM_JAKU_Click"), &PullBoxModel::IDM_JAKU_Click); }
void PullBoxWindow::IDM_JIDOU_Click() { run(QStringLiteral("IDM_JIDOU_Click"), &PullBoxModel::IDM_JIDOU_Click); }
void PullBoxWindow::IDM_SETUYAKU_Click() { run(QStringLiteral("IDM_SETUYAKU_Click"), &PullBoxModel::IDM_SETUYAKU_Click); }
void PullBoxWindow::IDM_USAER_Click() { run(QStringLiteral("IDM_USAER_Click"), &PullBoxModel::IDM_USAER_Click); }

// A click selects the button before its handler runs.
void PullBoxWindow::Option1_Click(int index)
{
    run(QStringLiteral("Option1_Click"), [&] {
        m_model.Option1 = index;
        m_model.Option1_Click(index);
    });
}

void PullBoxWindow::Option2_Click(int index)
{
    run(QStringLiteral("Option2_Click"), [&] {
        m_model.Option2 = index;
        m_model.Option2_Click(index);
    });
}

void PullBoxWindow::Option3_Click(int index)
{
    run(QStringLiteral("Option3_Click"), [&] {
        m_model.Option3 = index;
        m_model.Option3_Click(index);
    });
}

void PullBoxWindow::IDM_PRINT_Click() { printWindow(); }
void PullBoxWindow::IDM_END_Click() { close(); }
void PullBoxWindow::IDM_DENTAKU_Click() { startCalculator(); }

} // namespace kb::pullbox
