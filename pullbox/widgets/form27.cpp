#include "form27.h"

#include "fieldbinding.h"
#include "flexgrid.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace kb::pullbox {

namespace {
int px(int twips) { return FlexGrid::twipsToPixels(twips); }
void place(QWidget *w, int left, int top, int width, int height) { w->setGeometry(px(left), px(top), px(width), px(height)); }
} // namespace

Form27::Form27() : Window(QStringLiteral("Form27"))
{
    setWindowTitle(QStringLiteral("段数分割計算"));
    auto *client = new QWidget(this);
    setCentralWidget(client);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, QColor(0xC0, 0xFF, 0xC0));
    client->setPalette(palette);
    client->setAutoFillBackground(true);

    const int labelPlaces[6][4] = {{0, 0, 0, 0},          {120, 120, 1215, 375},  {1440, 120, 975, 375},
                                   {3720, 120, 855, 375}, {2160, 2160, 3135, 615}, {4680, 120, 735, 375}};
    for (int i = 1; i <= 5; ++i) {
        auto *label = new QLabel(client);
        label->setObjectName(QStringLiteral("Label%1").arg(i));
        label->setAutoFillBackground(true);
        QPalette white = label->palette();
        white.setColor(QPalette::Window, Qt::white);
        label->setPalette(white);
        place(label, labelPlaces[i][0], labelPlaces[i][1], labelPlaces[i][2], labelPlaces[i][3]);
        m_labels[i] = label;
    }
    const QStringList *items[5] = {nullptr, &m_model.Combo1Items, &m_model.Combo2Items, &m_model.Combo3Items, &m_model.Combo4Items};
    const int comboPlaces[5][3] = {{0, 0, 0}, {120, 600, 975}, {1440, 600, 975}, {3720, 600, 855}, {4680, 600, 735}};
    for (int i = 1; i <= 4; ++i) {
        QComboBox *combo = newEditableCombo(QStringLiteral("Combo%1").arg(i), client);
        combo->addItems(*items[i]);
        place(combo, comboPlaces[i][0], comboPlaces[i][1], comboPlaces[i][2], 360);
        m_combos[i] = combo;
    }
    const int commandPlaces[6][4] = {{0, 0, 0, 0},           {2160, 1200, 1455, 375}, {2160, 1680, 1455, 375},
                                     {3840, 1200, 1455, 375}, {3840, 1680, 1455, 375}, {2520, 120, 975, 855}};
    for (int i = 1; i <= 5; ++i) {
        auto *button = new QPushButton(client);
        button->setObjectName(QStringLiteral("Command%1").arg(i));
        place(button, commandPlaces[i][0], commandPlaces[i][1], commandPlaces[i][2], commandPlaces[i][3]);
        m_commands[i] = button;
    }
    // 登録 is the orange button (&H000080FF).
    QPalette orange = m_commands[5]->palette();
    orange.setColor(QPalette::Button, QColor(0xFF, 0x80, 0x00));
    m_commands[5]->setPalette(orange);
    connect(m_commands[1], &QPushButton::clicked, this, &Form27::Command1_Click);
    connect(m_commands[5], &QPushButton::clicked, this, &Form27::Command5_Click);

    auto *frame = new QGroupBox(QStringLiteral("段数設定"), client);
    frame->setObjectName(QStringLiteral("Frame1"));
    place(frame, 120, 1080, 1815, 1695);
    for (int i = 0; i < 4; ++i) {
        auto *option = new QRadioButton(QStringLiteral("Option%1").arg(i + 1), frame);
        option->setObjectName(QStringLiteral("Option1"));
        option->setProperty("index", i);
        place(option, 120, 300 + 330 * i, 1500, 300);
    }
    auto *line = new QFrame(client);
    line->setFrameShape(QFrame::VLine);
    place(line, 3600, 0, 15, 1080);

    auto grid = [&](const char *name, GridModel *model, int left, int top, int width, int height) {
        auto *g = new FlexGrid(client);
        g->setObjectName(QString::fromLatin1(name));
        g->setGridModel(model);
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        place(g, left, top, width, height);
        return g;
    };
    m_grids[1] = grid("MSFlexGrid2", &m_model.MSFlexGrid2, 5520, 120, 1725, 2655);
    m_grids[0] = grid("MSFlexGrid1", &m_model.MSFlexGrid1, 120, 2880, 7215, 1815);

    // Tab: the conduit entry and 登録 beside it, the gap and tiers across the line, the
    // tier options with the four ordering buttons beside them, the grids last.
    chainTabOrder({QStringLiteral("Combo1"), QStringLiteral("Combo2"), QStringLiteral("Command5"), QStringLiteral("Combo3"),
                   QStringLiteral("Combo4"), QStringLiteral("Option1"), QStringLiteral("Command1"), QStringLiteral("Command2"),
                   QStringLiteral("Command3"), QStringLiteral("Command4"), QStringLiteral("MSFlexGrid2"), QStringLiteral("MSFlexGrid1")});

    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("IDM_FILE"));
    QAction *print = file->addAction(QStringLiteral("印　刷"), this, &Form27::IDM_PRINT_Click);
    print->setObjectName(QStringLiteral("IDM_PRINT"));
    QAction *end = file->addAction(QStringLiteral("終　了"), this, &Form27::IDM_END_Click);
    end->setObjectName(QStringLiteral("IDM_END"));

    client->setMinimumSize(px(7410), px(4785));
    resize(px(7410), px(4785) + menuBar()->sizeHint().height());
}

Form27::~Form27()
{
    // The grid widgets outlive the models they show (children go last).
    for (FlexGrid *g : m_grids)
        g->setGridModel(nullptr);
}

void Form27::takeState()
{
    QString *texts[5] = {nullptr, &m_model.Combo1, &m_model.Combo2, &m_model.Combo3, &m_model.Combo4};
    for (int i = 1; i <= 4; ++i)
        *texts[i] = m_combos[i]->currentText();
}

void Form27::showState()
{
    const QString *labels[6] = {nullptr, &m_model.Label1, &m_model.Label2, &m_model.Label3, &m_model.Label4, &m_model.Label5};
    for (int i = 1; i <= 5; ++i)
        m_labels[i]->setText(*labels[i]);
    const QString *combos[5] = {nullptr, &m_model.Combo1, &m_model.Combo2, &m_model.Combo3, &m_model.Combo4};
    for (int i = 1; i <= 4; ++i)
        if (m_combos[i]->currentText() != *combos[i])
            m_combos[i]->setEditText(*combos[i]);
    const QString *captions[6] = {nullptr, &m_model.Command1, &m_model.Command2, &m_model.Command3, &m_model.Command4, &m_model.Command5};
    for (int i = 1; i <= 5; ++i)
        m_commands[i]->setText(*captions[i]);
}

void Form27::run(const QString &tag, void (Form27Model::*handler)())
{
    guard(tag, [&] { (m_model.*handler)(); });
    showState();
}

void Form27::Form_Load()
{
    run(QStringLiteral("Form_Load"), &Form27Model::Form_Load);
    placeWindow();
}

void Form27::Command1_Click() { run(QStringLiteral("Command1_Click"), &Form27Model::Command1_Click); }
void Form27::Command5_Click() { run(QStringLiteral("Command5_Click"), &Form27Model::Command5_Click); }
void Form27::IDM_PRINT_Click() { printWindow(); }
void Form27::IDM_END_Click() { close(); }

} // namespace kb::pullbox
