#include "form8.h"

#include "busystate.h"
#include "flexgrid.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <optional>

namespace kb {

Form8::Form8() : Window(QStringLiteral("Form8"))
{
    setWindowTitle(QStringLiteral("データベース編集"));
    buildMenus();

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    m_grid = new FlexGrid(central);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setGridModel(&m_model.MSFlexGrid1);
    // The picked cell shows its grey, not the view's selection.
    m_grid->setSelectionMode(QAbstractItemView::NoSelection);
    // Cells are stored one by one: the cell the program goes back to stays in sight.
    m_grid->setFollow(FlexGrid::Follow::Cell);
    m_grid->verticalHeader()->setDefaultSectionSize(FlexGrid::twipsToPixels(Form8Model::RowHeightTwips));
    connect(m_grid, &FlexGrid::cellClicked, this, &Form8::MSFlexGrid1_Click);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildInputs());
    setCentralWidget(central);
    resize(900, 640);
    showState();
}

QWidget *Form8::buildInputs()
{
    auto *panel = new QWidget(this);
    auto *grid = new QGridLayout(panel);
    const auto label = [&](const char *name, const QString &text, int row, int col, int span = 1) {
        auto *l = new QLabel(text, panel);
        l->setObjectName(QLatin1String(name));
        grid->addWidget(l, row, col, 1, span);
        return l;
    };
    for (int i = 0; i < 5; ++i) {
        m_text[i] = new QLineEdit(panel);
        m_text[i]->setObjectName(QStringLiteral("Text%1").arg(i + 1));
    }
    label("Label1", QStringLiteral("登録文字"), 0, 0);
    grid->addWidget(m_text[0], 0, 1, 1, 3);
    label("Label2", QStringLiteral("開始行"), 1, 0);
    grid->addWidget(m_text[1], 1, 1);
    label("Label3", QStringLiteral("終了行"), 1, 2);
    grid->addWidget(m_text[2], 1, 3);
    label("Label4", QStringLiteral("列/移動行数"), 2, 0);
    grid->addWidget(m_text[3], 2, 1);
    // The copy label points at "the box next to it": the destination column sits right beside it.
    label("Label7", QStringLiteral("複写元は「列/移動行数」に複写先列はこの隣の欄に入力"), 3, 0, 3);
    grid->addWidget(m_text[4], 3, 3);
    label("Label6", QStringLiteral(" 行移動で上方向は「－」下方向は「＋」とする。"), 4, 0, 4);
    m_label5 = label("Label5", QString(), 5, 0, 4);
    connect(m_text[0], &QLineEdit::returnPressed, this, [this] { Text1_KeyDown(Form8Model::KeyEnter); });

    const struct
    {
        const char *name;
        QString caption;
        void (Form8::*slot)();
    } buttons[] = {
        {"Command1", QStringLiteral("登　録"), &Form8::Command1_Click},
        {"Command2", QStringLiteral("行消去"), &Form8::Command2_Click},
        {"Command3", QStringLiteral("行削除"), &Form8::Command3_Click},
        {"Command4", QStringLiteral("連続登録"), &Form8::Command4_Click},
        {"Command5", QStringLiteral("行移動"), &Form8::Command5_Click},
        {"Command6", QStringLiteral("列消去"), &Form8::Command6_Click},
        {"Command7", QStringLiteral("列複写"), &Form8::Command7_Click},
    };
    int row = 0;
    for (const auto &b : buttons) {
        auto *button = new QPushButton(b.caption, panel);
        button->setObjectName(QLatin1String(b.name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, b.slot);
        grid->addWidget(button, row % 4, 4 + row / 4);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return panel;
}

void Form8::buildMenus()
{
    const auto command = [this](QMenu *menu, const char *name, const QString &caption, void (Form8::*slot)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    const auto separator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("IDM_FILE"));
    file->menuAction()->setObjectName(QStringLiteral("IDM_FILE"));
    command(file, "IDM_OPENA", QStringLiteral("配管サイズデータベースを開く"), &Form8::IDM_OPENA_Click);
    command(file, "IDM_OPENB", QStringLiteral("電線サイズデータベースを開く"), &Form8::IDM_OPENB_Click);
    command(file, "IDM_OPENC", QStringLiteral("火報データベースを開く"), &Form8::IDM_OPENC_Click);
    command(file, "IDM_OPEND", QStringLiteral("予　備"), &Form8::IDM_OPEND_Click);
    command(file, "IDM_OPENE", QStringLiteral("予　備"), &Form8::IDM_OPENE_Click);
    separator(file, "IDM_KUGIRI2");
    command(file, "IDM_HOZON", QStringLiteral("上書保存"), &Form8::IDM_HOZON_Click);
    separator(file, "IDM_KUGIRI1");
    command(file, "IDM_PRINT", QStringLiteral("印　刷"), &Form8::IDM_PRINT_Click);
    command(file, "IDM_END", QStringLiteral("終　了"), &Form8::IDM_END_Click);

    QMenu *view = menuBar()->addMenu(QStringLiteral("表示"));
    view->setObjectName(QStringLiteral("IDM_HYOJI"));
    view->menuAction()->setObjectName(QStringLiteral("IDM_HYOJI"));
    command(view, "IDM_INCLIA", QStringLiteral("入力欄クリア"), &Form8::IDM_INCLIA_Click);
    command(view, "IDM_GRCLA", QStringLiteral("表を消去する"), &Form8::IDM_GRCLA_Click);
}

void Form8::Form_Load()
{
    placeWindow();
}

void Form8::takeState()
{
    QString *texts[] = {&m_model.Text1, &m_model.Text2, &m_model.Text3, &m_model.Text4, &m_model.Text5};
    for (int i = 0; i < 5; ++i)
        *texts[i] = m_text[i]->text();
}

void Form8::showState()
{
    const QString *texts[] = {&m_model.Text1, &m_model.Text2, &m_model.Text3, &m_model.Text4, &m_model.Text5};
    for (int i = 0; i < 5; ++i)
        if (m_text[i]->text() != *texts[i])
            m_text[i]->setText(*texts[i]);
    m_label5->setText(m_model.Label5);
}

void Form8::run(const QString &tag, Busy busy, const std::function<void()> &handler)
{
    guard(tag, [&] {
        m_model.focusRequest.clear();
        {
            std::optional<BusyState> state;
            if (busy == Busy::Yes)
                state.emplace(this);
            handler();
        }
        showState();
        if (!m_model.focusRequest.isEmpty())
            if (auto *w = findChild<QWidget *>(m_model.focusRequest))
                w->setFocus();
    });
}

void Form8::openDatabase(const QString &tag, void (Form8Model::*open)())
{
    run(tag, Busy::Yes, [this, open] { (m_model.*open)(); });
    // The table is read from its top, where the load leaves the current cell.
    m_grid->showStart();
}

void Form8::IDM_OPENA_Click()
{
    openDatabase(QStringLiteral("IDM_OPENA_Click"), &Form8Model::IDM_OPENA_Click);
}

void Form8::IDM_OPENB_Click()
{
    openDatabase(QStringLiteral("IDM_OPENB_Click"), &Form8Model::IDM_OPENB_Click);
}

void Form8::IDM_OPENC_Click()
{
    openDatabase(QStringLiteral("IDM_OPENC_Click"), &Form8Model::IDM_OPENC_Click);
}

void Form8::IDM_HOZON_Click()
{
    // The view stays where the user has it, unless a text that cannot be stored
    // takes them to the cell to mend.
    QScrollBar *across = m_grid->horizontalScrollBar(), *down = m_grid->verticalScrollBar();
    const int x = across->value(), y = down->value();
    const int row = m_model.MSFlexGrid1.row(), col = m_model.MSFlexGrid1.col();
    run(QStringLiteral("IDM_HOZON_Click"), Busy::Yes, [this] { m_model.IDM_HOZON_Click(); });
    if (m_model.MSFlexGrid1.row() == row && m_model.MSFlexGrid1.col() == col) {
        across->setValue(x);
        down->setValue(y);
    }
}

void Form8::IDM_PRINT_Click()
{
    printWindow();
}

void Form8::IDM_END_Click()
{
    close();
}

void Form8::IDM_INCLIA_Click()
{
    run(QStringLiteral("IDM_INCLIA_Click"), Busy::No, [this] { m_model.IDM_INCLIA_Click(); });
}

void Form8::IDM_GRCLA_Click()
{
    run(QStringLiteral("IDM_GRCLA_Click"), Busy::No, [this] { m_model.IDM_GRCLA_Click(); });
}

void Form8::MSFlexGrid1_Click()
{
    run(QStringLiteral("MSFlexGrid1_Click"), Busy::No, [this] {
        m_model.MSFlexGrid1_Click();
        // A cell chosen with the keys keeps the focus in the grid, so that the
        // next key moves on from it.
        if (m_grid->choosingByKeys())
            m_model.focusRequest.clear();
    });
}

void Form8::Text1_KeyDown(int KeyCode)
{
    run(QStringLiteral("Text1_KeyDown"), Busy::No, [this, KeyCode] { m_model.Text1_KeyDown(KeyCode); });
}

void Form8::Command1_Click()
{
    run(QStringLiteral("Command1_Click"), Busy::No, [this] { m_model.Command1_Click(); });
}

void Form8::Command2_Click()
{
    run(QStringLiteral("Command2"), Busy::Yes, [this] { m_model.Command2_Click(); });
}

void Form8::Command3_Click()
{
    run(QStringLiteral("Command3"), Busy::Yes, [this] { m_model.Command3_Click(); });
}

void Form8::Command4_Click()
{
    run(QStringLiteral("Command4"), Busy::No, [this] { m_model.Command4_Click(); });
}

void Form8::Command5_Click()
{
    run(QStringLiteral("Command5"), Busy::Yes, [this] { m_model.Command5_Click(); });
}

void Form8::Command6_Click()
{
    run(QStringLiteral("Command6"), Busy::Yes, [this] { m_model.Command6_Click(); });
}

void Form8::Command7_Click()
{
    run(QStringLiteral("Command7"), Busy::Yes, [this] { m_model.Command7_Click(); });
}

} // namespace kb
