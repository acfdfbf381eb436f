#include "form1.h"

#include "busystate.h"
#include "cablesearch.h"
#include "fieldbinding.h"
#include "flexgrid.h"
#include "gridviews.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kb {

namespace {

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QComboBox *combo(QWidget *parent, const char *name)
{
    return newEditableCombo(QLatin1String(name), parent);
}

QStringList itemsOf(const QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items.append(c->itemText(i));
    return items;
}

void showCombo(QComboBox *c, const QStringList &items, const QString &text, bool enabled)
{
    if (itemsOf(c) != items) {
        c->clear();
        c->addItems(items);
    }
    if (c->currentText() != text)
        c->setEditText(text);
    if (c->isEnabled() != enabled)
        setFieldEnabled(c, enabled);
}

} // namespace

Form1::Form1() : Window(QStringLiteral("Form1"))
{
    setWindowTitle(QStringLiteral("配管サイズ計算"));
    m_model.beginBusy = [this] { m_busy.emplace(this); };
    m_model.endBusy = [this] { m_busy.reset(); };
    m_model.dialogOwner = this;
    buildControls();
    buildMenus();
    resize(1100, 680);
    push();
}

Form1::~Form1()
{
    m_model.beginBusy = nullptr;
    m_model.endBusy = nullptr;
}

void Form1::buildControls()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *left = new QVBoxLayout;

    auto *cables = new QGroupBox(central);
    cables->setObjectName(QStringLiteral("Shape3"));
    auto *cg = new QGridLayout(cables);
    m_command6 = button(cables, "Command6", QString());
    m_combo3 = combo(cables, "Combo3");
    auto *label4 = new QLabel(QStringLiteral("本数入力"), cables);
    label4->setObjectName(QStringLiteral("Label4"));
    m_combo5 = combo(cables, "Combo5");
    auto *command7 = button(cables, "Command7", QStringLiteral("検　索"));
    m_command1 = button(cables, "Command1", QString());
    cg->addWidget(m_command6, 0, 0);
    cg->addWidget(label4, 0, 1);
    cg->addWidget(m_combo3, 1, 0);
    cg->addWidget(m_combo5, 1, 1);
    cg->addWidget(command7, 2, 0);
    cg->addWidget(m_command1, 2, 1);
    left->addWidget(cables);

    auto *conduit = new QGroupBox(central);
    conduit->setObjectName(QStringLiteral("Shape4"));
    auto *pg = new QGridLayout(conduit);
    auto *command5 = button(conduit, "Command5", QStringLiteral("配管種別"));
    auto *command11 = button(conduit, "Command11", QStringLiteral("サイズ指定"));
    auto *command10 = button(conduit, "Command10", QStringLiteral("断面積指定"));
    m_combo1 = combo(conduit, "Combo1");
    m_combo6 = combo(conduit, "Combo6");
    m_combo7 = combo(conduit, "Combo7");
    m_command4 = button(conduit, "Command4", QString());
    pg->addWidget(command5, 0, 0);
    pg->addWidget(command11, 0, 1);
    pg->addWidget(command10, 0, 2);
    pg->addWidget(m_combo1, 1, 0);
    pg->addWidget(m_combo6, 1, 1);
    pg->addWidget(m_combo7, 1, 2);
    pg->addWidget(m_command4, 2, 2);
    left->addWidget(conduit);

    auto *actions = new QHBoxLayout;
    auto *command3 = button(central, "Command3", QStringLiteral("次の計算"));
    auto *command2 = button(central, "Command2", QStringLiteral("計　算"));
    actions->addWidget(command3);
    actions->addWidget(command2);
    left->addLayout(actions);

    m_label1 = new QLabel(central);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setMinimumHeight(4 * m_label1->fontMetrics().lineSpacing());
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(m_label1);
    left->addStretch();

    auto *right = new QVBoxLayout;
    m_text1 = new QLineEdit(central);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_grid = new FlexGrid(central);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_grid->setGridModel(&m_model.MSFlexGrid1);
    right->addWidget(m_text1);
    right->addWidget(m_grid, 1);

    auto *all = new QHBoxLayout(central);
    all->addLayout(left, 2);
    all->addLayout(right, 3);

    connect(m_command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(command5, &QPushButton::clicked, this, &Form1::Command5_Click);
    connect(m_command6, &QPushButton::clicked, this, &Form1::Command6_Click);
    connect(command7, &QPushButton::clicked, this, &Form1::Command7_Click);
    connect(command10, &QPushButton::clicked, this, &Form1::Command10_Click);
    connect(command11, &QPushButton::clicked, this, &Form1::Command11_Click);
    connect(m_grid, &FlexGrid::cellClicked, this, &Form1::MSFlexGrid1_Click);
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    const auto menu = [&](const char *name, const QString &title) {
        QMenu *m = bar->addMenu(title);
        m->setObjectName(QLatin1String(name));
        m->menuAction()->setObjectName(QLatin1String(name));
        return m;
    };
    const auto item = [&](QMenu *m, const char *name, const QString &caption, void (Form1::*slot)()) {
        QAction *a = m->addAction(caption);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    const auto separator = [&](QMenu *m, const char *name) { m->addSeparator()->setObjectName(QLatin1String(name)); };

    QMenu *file = menu("IDM_FILE", QStringLiteral("ファイル"));
    item(file, "IDM_DOPEN", QStringLiteral("開く"), &Form1::IDM_DOPEN_Click);
    item(file, "IDM_DSAVE", QStringLiteral("保存"), &Form1::IDM_DSAVE_Click);
    item(file, "IDM_PRINT", QStringLiteral("印刷"), &Form1::IDM_PRINT_Click);
    item(file, "IDM_END", QStringLiteral("終了"), &Form1::IDM_END_Click);

    QMenu *kinds = menu("IDM_DENSEN", QStringLiteral("電線種別"));
    connect(kinds, &QMenu::aboutToShow, this, &Form1::IDM_DENSEN_Click);
    static void (Form1::*const kindSlots[])() = {
        &Form1::IDM_TUCA_Click, &Form1::IDM_JAKU_Click, &Form1::IDM_DOJIKU_Click, &Form1::IDM_KOUATU_Click,
        &Form1::IDM_CASTAMA_Click, &Form1::IDM_ECOTEIATU_Click, &Form1::IDM_JAKUECO_Click,
        &Form1::IDM_EMDOJIKU_Click, &Form1::IDM_EMKOATU_Click, &Form1::IDM_CASTAMB_Click,
    };
    int k = 0;
    for (const CableKindMenuItem &kind : cableKindMenu()) {
        if (kind.separatorBefore)
            separator(kinds, kind.separator);
        item(kinds, kind.action, kind.menuCaption, kindSlots[k++]);
    }

    QMenu *edit = menu("IDM_EDIT", QStringLiteral("編集"));
    item(edit, "IDM_DEL", QStringLiteral("一行削除"), &Form1::IDM_DEL_Click);

    QMenu *show = menu("IDM_SHOW", QStringLiteral("表示"));
    static void (Form1::*const viewSlots[])() = {
        &Form1::IDM_DAN_Click, &Form1::IDM_GAI_Click, &Form1::IDM_GAILU_Click,
        &Form1::IDM_HOSEI_Click, &Form1::IDM_MECA_Click, &Form1::IDM_JOKE_Click,
    };
    k = 0;
    for (const GridViewItem &view : gridViewItems())
        item(show, view.action, view.caption, viewSlots[k++]);
    separator(show, "IDM_KUGIRI15");
    item(show, "IDM_GRCLIN", QStringLiteral("グリッドを全て削除する。"), &Form1::IDM_GRCLIN_Click);

    QMenu *settings = menu("IDM_SETTEI", QStringLiteral("設定"));
    item(settings, "IDM_PFSETTI", QStringLiteral("PF-CD管の(28)を設定"), &Form1::IDM_PFSETTI_Click);
    item(settings, "IDM_PFKAIJO", QStringLiteral("PF-CD管の制限解除"), &Form1::IDM_PFKAIJO_Click);
    separator(settings, "IDM_KUGIRI14");
    item(settings, "IDM_KURIA", QStringLiteral("電線・配管入力欄をクリアする"), &Form1::IDM_KURIA_Click);
    item(settings, "IDM_KURIANO", QStringLiteral("電線・配管入力欄をクリアしない"), &Form1::IDM_KURIANO_Click);
    separator(settings, "IDM_KUGIRI");
    item(settings, "IDM_MESSEGION", QStringLiteral("メッセージﾎﾞｯｸｽを表示する。"), &Form1::IDM_MESSEGION_Click);
    item(settings, "IDM_MESSEGIOFF", QStringLiteral("メッセージﾎﾞｯｸｽを表示しない。"), &Form1::IDM_MESSEGIOFF_Click);
    separator(settings, "IDM_KUGIRI6");
    item(settings, "IDM_SANTENON", QStringLiteral("断面積を自動設定にする。"), &Form1::IDM_SANTENON_Click);
    item(settings, "IDM_UZAR", QStringLiteral("断面積をユーザー設定にする"), &Form1::IDM_UZAR_Click);
    item(settings, "IDM_SANTENOFF", QStringLiteral("断面籍を任意に設定する。"), &Form1::IDM_SANTENOFF_Click);
    separator(settings, "IDM_KUGIRI3");
    item(settings, "IDM_NAIKION", QStringLiteral("内線規定の管の太さの選定表を適用する。"), &Form1::IDM_NAIKION_Click);
    item(settings, "IDM_NAIKIOFF", QStringLiteral("内線規定の管の太さの選定表を適用しない"), &Form1::IDM_NAIKIOFF_Click);

    QAction *calculator = bar->addAction(QStringLiteral("電　卓"));
    calculator->setObjectName(QStringLiteral("IDM_DENTAKU"));
    connect(calculator, &QAction::triggered, this, &Form1::IDM_DENTAKU_Click);
}

void Form1::takeState()
{
    m_model.Text1 = m_text1->text();
    m_model.Combo1 = m_combo1->currentText();
    m_model.Combo3 = m_combo3->currentText();
    m_model.Combo5 = m_combo5->currentText();
    m_model.Combo6 = m_combo6->currentText();
    m_model.Combo7 = m_combo7->currentText();
}

void Form1::showState()
{
    if (m_text1->text() != m_model.Text1)
        m_text1->setText(m_model.Text1);
    showCombo(m_combo1, m_model.Combo1Items, m_model.Combo1, m_model.Combo1Enabled);
    showCombo(m_combo3, m_model.Combo3Items, m_model.Combo3, m_model.Combo3Enabled);
    showCombo(m_combo5, m_model.Combo5Items, m_model.Combo5, true);
    showCombo(m_combo6, m_model.Combo6Items, m_model.Combo6, m_model.Combo6Enabled);
    showCombo(m_combo7, m_model.Combo7Items, m_model.Combo7, m_model.Combo7Enabled);
    m_label1->setText(m_model.Label1);
    m_command1->setText(m_model.Command1);
    m_command4->setText(m_model.Command4);
    m_command6->setText(m_model.Command6);
}

void Form1::push()
{
    showState();
    if (!m_model.focusRequest.isEmpty()) {
        if (auto *w = findChild<QWidget *>(m_model.focusRequest))
            w->setFocus();
        m_model.focusRequest.clear();
    }
}

void Form1::run(const QString &tag, const std::function<void()> &procedure)
{
    // The procedure's failure box comes first; the busy state ends and the screen is
    // written whatever the procedure reached.
    guard(tag, [&] {
        guard(tag, procedure);
        m_busy.reset();
        push();
    });
}

void Form1::Form_Load()
{
    placeWindow();
    run(QStringLiteral("Form_Load"), [this] { m_model.Form_Load(); });
}

void Form1::IDM_PRINT_Click()
{
    printWindow();
}

void Form1::IDM_END_Click()
{
    close();
}

void Form1::IDM_DENTAKU_Click()
{
    startCalculator();
}

#define KB_FORM1_HANDLER(name, call) \
    void Form1::name() { run(QStringLiteral(#name), [this] { m_model.call; }); }

KB_FORM1_HANDLER(Command1_Click, Command1_Click())
KB_FORM1_HANDLER(Command2_Click, Command2_Click())
KB_FORM1_HANDLER(Command3_Click, Command3_Click())
KB_FORM1_HANDLER(Command4_Click, Command4_Click())
KB_FORM1_HANDLER(Command5_Click, Command5_Click())
KB_FORM1_HANDLER(Command6_Click, Command6_Click())
KB_FORM1_HANDLER(Command7_Click, Command7_Click())
KB_FORM1_HANDLER(Command11_Click, Command11_Click())
KB_FORM1_HANDLER(MSFlexGrid1_Click, MSFlexGrid1_Click())
KB_FORM1_HANDLER(IDM_DOPEN_Click, IDM_DOPEN_Click())
KB_FORM1_HANDLER(IDM_DSAVE_Click, IDM_DSAVE_Click())
KB_FORM1_HANDLER(IDM_DEL_Click, IDM_DEL_Click())
KB_FORM1_HANDLER(IDM_TUCA_Click, cableKindMenu_Click(u"IDM_TUCA"))
KB_FORM1_HANDLER(IDM_JAKU_Click, cableKindMenu_Click(u"IDM_JAKU"))
KB_FORM1_HANDLER(IDM_DOJIKU_Click, cableKindMenu_Click(u"IDM_DOJIKU"))
KB_FORM1_HANDLER(IDM_KOUATU_Click, cableKindMenu_Click(u"IDM_KOUATU"))
KB_FORM1_HANDLER(IDM_CASTAMA_Click, cableKindMenu_Click(u"IDM_CASTAMA"))
KB_FORM1_HANDLER(IDM_ECOTEIATU_Click, cableKindMenu_Click(u"IDM_ECOTEIATU"))
KB_FORM1_HANDLER(IDM_JAKUECO_Click, cableKindMenu_Click(u"IDM_JAKUECO"))
KB_FORM1_HANDLER(IDM_EMDOJIKU_Click, cableKindMenu_Click(u"IDM_EMDOJIKU"))
KB_FORM1_HANDLER(IDM_EMKOATU_Click, cableKindMenu_Click(u"IDM_EMKOATU"))
KB_FORM1_HANDLER(IDM_CASTAMB_Click, cableKindMenu_Click(u"IDM_CASTAMB"))
KB_FORM1_HANDLER(IDM_DAN_Click, gridView_Click(u"IDM_DAN"))
KB_FORM1_HANDLER(IDM_GAI_Click, gridView_Click(u"IDM_GAI"))
KB_FORM1_HANDLER(IDM_GAILU_Click, gridView_Click(u"IDM_GAILU"))
KB_FORM1_HANDLER(IDM_HOSEI_Click, gridView_Click(u"IDM_HOSEI"))
KB_FORM1_HANDLER(IDM_MECA_Click, gridView_Click(u"IDM_MECA"))
KB_FORM1_HANDLER(IDM_JOKE_Click, gridView_Click(u"IDM_JOKE"))
KB_FORM1_HANDLER(IDM_GRCLIN_Click, IDM_GRCLIN_Click())
KB_FORM1_HANDLER(IDM_PFSETTI_Click, IDM_PFSETTI_Click())
KB_FORM1_HANDLER(IDM_PFKAIJO_Click, IDM_PFKAIJO_Click())
KB_FORM1_HANDLER(IDM_KURIA_Click, IDM_KURIA_Click())
KB_FORM1_HANDLER(IDM_KURIANO_Click, IDM_KURIANO_Click())
KB_FORM1_HANDLER(IDM_MESSEGION_Click, IDM_MESSEGION_Click())
KB_FORM1_HANDLER(IDM_MESSEGIOFF_Click, IDM_MESSEGIOFF_Click())
KB_FORM1_HANDLER(IDM_SANTENON_Click, IDM_SANTENON_Click())
KB_FORM1_HANDLER(IDM_UZAR_Click, IDM_UZAR_Click())
KB_FORM1_HANDLER(IDM_SANTENOFF_Click, IDM_SANTENOFF_Click())
KB_FORM1_HANDLER(IDM_NAIKION_Click, IDM_NAIKION_Click())
KB_FORM1_HANDLER(IDM_NAIKIOFF_Click, IDM_NAIKIOFF_Click())

#undef KB_FORM1_HANDLER

} // namespace kb
