#include "rackwindow.h"

#include "fieldbinding.h"
#include "flexgrid.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace kb {

namespace {

QRect placeOf(const RackWindow::ControlDesc &s)
{
    const auto px = [](int twips) { return FlexGrid::twipsToPixels(twips); };
    return QRect(px(s.left), px(s.top), px(s.width), px(s.height));
}

QStringList itemsOf(const QComboBox *c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items.append(c->itemText(i));
    return items;
}

} // namespace

QColor RackWindow::vbColor(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

RackWindow::RackWindow(const QString &formName, const QString &caption, CableListModel &model,
                       std::function<ControlBindings()> bindings, int clientWidth, int clientHeight, quint32 background)
    : Window(formName), m_model(model), m_bindings(std::move(bindings))
{
    setWindowTitle(caption);
    auto *central = new QWidget(this);
    central->setAutoFillBackground(true);
    QPalette p = central->palette();
    p.setColor(QPalette::Window, vbColor(background));
    central->setPalette(p);
    central->setFixedSize(FlexGrid::twipsToPixels(clientWidth), FlexGrid::twipsToPixels(clientHeight));
    setCentralWidget(central);
}

RackWindow::~RackWindow()
{
    m_model.beginBusy = nullptr;
    m_model.endBusy = nullptr;
}

void RackWindow::build(const QVector<ControlDesc> &controls, const QVector<MenuDesc> &menus, RackDrawing::Subject subject)
{
    // The state is a member of the derived window: it exists only from here on.
    m_model.beginBusy = [this] { m_busy.emplace(this); };
    m_model.endBusy = [this] { m_busy.reset(); };
    QWidget *central = centralWidget();
    for (const ControlDesc &s : controls) {
        QWidget *w = nullptr;
        switch (s.kind) {
        case Kind::Label: {
            auto *l = new QLabel(s.caption, central);
            l->setWordWrap(true);
            l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            if (s.border)
                l->setFrameShape(QFrame::Box);
            w = l;
            break;
        }
        case Kind::Text:
            w = new QLineEdit(s.caption, central);
            break;
        case Kind::Combo:
            w = newEditableCombo(QLatin1String(s.name), central);
            break;
        case Kind::Button: {
            auto *b = new QPushButton(s.caption, central);
            const QByteArray slot = QByteArray(s.name) + "_Click";
            connect(b, &QPushButton::clicked, this, [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
            w = b;
            break;
        }
        case Kind::Grid: {
            auto *g = new FlexGrid(central);
            g->setGridModel(&m_model.MSFlexGrid1);
            connect(g, &FlexGrid::cellClicked, this, &RackWindow::MSFlexGrid1_Click);
            w = g;
            break;
        }
        case Kind::Picture:
            w = new RackDrawing(subject, QRect(s.left, s.top, s.width, s.height), central);
            break;
        case Kind::Line: {
            auto *f = new QFrame(central);
            f->setFrameShape(QFrame::HLine);
            w = f;
            break;
        }
        }
        w->setObjectName(QLatin1String(s.name));
        w->setGeometry(placeOf(s));
        if (s.vbColor != 0xFFFFFFFF) {
            w->setAutoFillBackground(true);
            QPalette p = w->palette();
            p.setColor(s.kind == Kind::Button ? QPalette::Button : QPalette::Window, vbColor(s.vbColor));
            w->setPalette(p);
        }
        if (s.kind == Kind::Picture)
            w->lower();
    }
    // Tab takes the cable entry and its list, then the conditions on the drawing,
    // and 計算 and 次の計算 under them last.
    moveToTabEnd({QStringLiteral("Command2"), QStringLiteral("Command3")});

    QMenuBar *bar = menuBar();
    for (const MenuDesc &m : menus) {
        QMenu *menu = bar->addMenu(m.title);
        menu->setObjectName(QLatin1String(m.name));
        menu->menuAction()->setObjectName(QLatin1String(m.name));
        for (const MenuItemDesc &i : m.items) {
            QAction *a = i.separator ? menu->addSeparator() : menu->addAction(i.caption);
            a->setObjectName(QLatin1String(i.name));
            a->setEnabled(m.enabled);
            if (i.separator)
                continue;
            const QByteArray slot = QByteArray(i.name) + "_Click";
            connect(a, &QAction::triggered, this, [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
        }
        // A menu switched off in its definition: present, and never chosen.
        menu->setEnabled(m.enabled);
        menu->menuAction()->setEnabled(m.enabled);
    }
    adjustSize();
    push();
}

RackWindow::MenuDesc RackWindow::cableKindMenu() const
{
    MenuDesc menu{"IDM_DENSEN", QStringLiteral("電線種別"), {}};
    for (const CableKindMenuItem &kind : m_model.cableKinds()) {
        if (kind.separatorBefore)
            menu.items.append({kind.separator, QString(), true});
        menu.items.append({kind.action, kind.menuCaption});
    }
    return menu;
}

void RackWindow::takeState()
{
    for (const ControlBinding &b : m_bindings()) {
        QWidget *w = findChild<QWidget *>(b.name);
        if (auto *e = qobject_cast<QLineEdit *>(w))
            *b.text = e->text();
        else if (auto *c = qobject_cast<QComboBox *>(w))
            *b.text = c->currentText();
    }
}

void RackWindow::showState()
{
    for (const ControlBinding &b : m_bindings()) {
        QWidget *w = findChild<QWidget *>(b.name);
        if (!w)
            continue;
        if (auto *e = qobject_cast<QLineEdit *>(w)) {
            if (e->text() != *b.text)
                e->setText(*b.text);
        } else if (auto *c = qobject_cast<QComboBox *>(w)) {
            if (b.items && itemsOf(c) != *b.items) {
                c->clear();
                c->addItems(*b.items);
            }
            if (c->currentText() != *b.text)
                c->setEditText(*b.text);
        } else if (auto *l = qobject_cast<QLabel *>(w)) {
            l->setText(*b.text);
        } else if (auto *p = qobject_cast<QPushButton *>(w)) {
            p->setText(*b.text);
        }
        if (b.visible)
            w->setVisible(*b.visible);
    }
}

void RackWindow::push()
{
    showState();
    if (!m_model.focusRequest.isEmpty()) {
        if (auto *w = findChild<QWidget *>(m_model.focusRequest))
            w->setFocus();
        m_model.focusRequest.clear();
    }
}

void RackWindow::run(const QString &tag, const std::function<void()> &handler)
{
    // The handler's failure box comes first; the busy state ends and the screen is
    // written whatever the handler reached.
    guard(tag, [&] {
        guard(tag, handler);
        m_busy.reset();
        push();
    });
}

void RackWindow::IDM_PRINT_Click()
{
    printWindow();
}

void RackWindow::IDM_END_Click()
{
    close();
}

void RackWindow::cableKind(const char *action)
{
    run(QLatin1String(action) + u"_Click"_qs, [&] { m_model.cableKind_Click(QString::fromLatin1(action)); });
}

#define KB_RACK_HANDLER(name, call) \
    void RackWindow::name() { run(QStringLiteral(#name), [this] { m_model.call; }); }
KB_RACK_HANDLER(Command1_Click, Command1_Click())
KB_RACK_HANDLER(Command7_Click, Command7_Click())
KB_RACK_HANDLER(MSFlexGrid1_Click, MSFlexGrid1_Click())
KB_RACK_HANDLER(IDM_SAKUJO_Click, IDM_SAKUJO_Click())
KB_RACK_HANDLER(IDM_KENSASAKUJO_Click, IDM_KENSASAKUJO_Click())
#undef KB_RACK_HANDLER

void RackWindow::IDM_TUCA_Click() { cableKind("IDM_TUCA"); }
void RackWindow::IDM_KOUATU_Click() { cableKind("IDM_KOUATU"); }
void RackWindow::IDM_JAKU_Click() { cableKind("IDM_JAKU"); }
void RackWindow::IDM_DOJIKU_Click() { cableKind("IDM_DOJIKU"); }
void RackWindow::IDM_ECOTEIATU_Click() { cableKind("IDM_ECOTEIATU"); }
void RackWindow::IDM_EMKOATU_Click() { cableKind("IDM_EMKOATU"); }
void RackWindow::IDM_JAKUECO_Click() { cableKind("IDM_JAKUECO"); }
void RackWindow::IDM_EMDOJIKU_Click() { cableKind("IDM_EMDOJIKU"); }

} // namespace kb
