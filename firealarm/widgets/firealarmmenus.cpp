#include "firealarmmenus.h"

#include "dialogs.h"
#include "fieldbinding.h"
#include "registry.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace kb {

namespace {

QColor bgr(unsigned value) { return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF); }

void fill(QWidget *w, const QColor &color)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, color);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

QAction *menuItem(QMenu *menu, const char *name, const QString &caption)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

MDIForm1::MDIForm1() : Window(QStringLiteral("MDIForm1")), m_area(new QMdiArea(this))
{
    setWindowTitle(QStringLiteral("火災報知設備計算"));
    setCentralWidget(m_area);
    menuBar()->hide();
    connect(m_area, &QMdiArea::subWindowActivated, this, &MDIForm1::showChildMenus);
    const QRect client = twipsRect(0, 0, 8460, 5310);
    // The designed client area below the menu bar that the children's menus fill.
    resize(client.width(), client.height() + menuBar()->fontMetrics().height() + 10);
}

MDIForm1::~MDIForm1()
{
    // The area goes with the base classes, after the menu bar: it must not ask
    // this frame to show menus any more.
    disconnect(m_area, nullptr, this, nullptr);
}

void MDIForm1::MDIForm_Load()
{
    placeWindow();
    setAppTitle(QStringLiteral("メインメニュー"));
    showChild(QStringLiteral("FrmMENUA"));
}

bool MDIForm1::Form_Unload()
{
    // The menus close with their frame.
    closeWindow(QStringLiteral("FrmMENUA"));
    closeWindow(QStringLiteral("FrmMENUC"));
    return true;
}

void MDIForm1::showChild(const QString &formName)
{
    Window *child = WindowRegistry::instance().load(formName);
    child->setWindowTitle(appTitle());
    for (QMdiSubWindow *sub : m_area->subWindowList())
        if (sub->widget() == child)
            return; // already shown: only the caption is written again
    child->menuBar()->hide();
    QMdiSubWindow *sub = m_area->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    connect(child, &Window::destroying, sub, &QObject::deleteLater);
    connect(child, &Window::closed, this, &MDIForm1::showChildMenus);
    // The menus fill the frame: placed by the screen's free space, as a plain
    // child would be, they would lie outside a frame of the designed size.
    sub->showMaximized();
}

void MDIForm1::showChildMenus()
{
    // The current child, else the one active last among those still loaded: the
    // frame keeps a child's menus while another top-level window (a calculator,
    // the main menu) has the focus, and a closed child leaves its menus with it.
    QList<QMdiSubWindow *> children = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
    if (QMdiSubWindow *current = m_area->currentSubWindow()) {
        children.removeAll(current);
        children.append(current);
    }
    Window *shown = nullptr;
    for (auto it = children.crbegin(); it != children.crend() && !shown; ++it) {
        auto *child = qobject_cast<Window *>((*it)->widget());
        if (child && WindowRegistry::instance().window(child->formName()) == child)
            shown = child;
    }
    menuBar()->clear();
    if (shown)
        menuBar()->addActions(shown->menuBar()->actions());
    menuBar()->setVisible(shown != nullptr);
}

MenuChild::MenuChild(const QString &formName, const QString &caption, const QString &hint, unsigned background,
                     unsigned hintBackground)
    : Window(formName), m_board(new QWidget(this))
{
    setWindowTitle(caption);
    setCentralWidget(m_board);
    fill(m_board, bgr(background));
    QLabel *label = newLabel(QStringLiteral("Label1"), hint, m_board, twipsRect(1800, 120, 4800, 360));
    label->setAlignment(Qt::AlignCenter);
    fill(label, bgr(hintBackground));
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("IDM_FILE"));
    connect(menuItem(file, "IDM_PRINT", QStringLiteral("印刷")), &QAction::triggered, this,
            [this] { QMetaObject::invokeMethod(this, "IDM_PRINT_Click"); });
    connect(menuItem(file, "IDM_END", QStringLiteral("終了")), &QAction::triggered, this, &MenuChild::IDM_END_Click);
}

void MenuChild::addButtons(const QVector<BoardButton> &buttons)
{
    // Created in the order of their numbers, which is the Tab order.
    static const int lefts[] = {120, 2160, 4200, 6240};
    for (const BoardButton &b : buttons) {
        auto *button = new PictureButton(b.picture, QString::fromUtf16(b.caption), m_board);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(twipsRect(lefts[b.column - 1], b.row == 1 ? 600 : 2640, 2000, 2000));
        const QByteArray slot = QByteArray(b.name) + "_Click";
        if (metaObject()->indexOfSlot(slot + "()") >= 0)
            connect(button, &PictureButton::clicked, this, [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
    }
}

FrmMENUA::FrmMENUA()
    : MenuChild(QStringLiteral("FrmMENUA"), QStringLiteral("火報計算メニュー"), QString(), 0x000080FF, 0x00FFFFC0)
{
    addButtons({{"Command1", u"受信機", 1, 2, Picture::Receiver},
                {"Command2", u"無窓階ﾁｪｯｸ", 2, 2, Picture::WindowlessFloor},
                {"Command3", u"感知器台数", 1, 1, Picture::DetectorCount},
                {"Command4", u"発信機", 1, 3, Picture::ManualCallPoint},
                {"Command5", u"地区音響装置", 1, 4, Picture::AcousticDevice},
                {"Command6", u"中継器", 2, 1, Picture::Relay},
                {"Command7", u"データ検索", 2, 3, Picture::DataSearch},
                {"Command8", u"", 2, 4, Picture::Spare}});
    resize(twipsRect(0, 0, 8370, 4830).size());
}

void FrmMENUA::Form_Load()
{
    trapped(QStringLiteral("Form_Load"), [this] {
        placeWindow();
        findChild<QLabel *>(QStringLiteral("Label1"))->setText(QStringLiteral("絵をクリックして下さい。"));
    });
}

void FrmMENUA::Command2_Click()
{
    setAppTitle(QStringLiteral("無窓階チェック"));
    WindowRegistry::instance().load(QStringLiteral("Form10"))->setWindowTitle(appTitle());
}

void FrmMENUA::Command3_Click()
{
    setAppTitle(QStringLiteral("感知器計算"));
    if (auto *frame = WindowRegistry::instance().window<MDIForm1>(QStringLiteral("MDIForm1")))
        frame->showChild(QStringLiteral("FrmMENUC"));
}

FrmMENUC::FrmMENUC()
    : MenuChild(QStringLiteral("FrmMENUC"), QStringLiteral("熱感知器の設置場所"), QStringLiteral("感知器計算メニュー"),
                0x00C00000, 0x00C0FFFF)
{
    addButtons({{"Command1", u"一般居室", 1, 1, Picture::GeneralRoom},
                {"Command2", u"細長い居室等", 1, 2, Picture::NarrowRoom},
                {"Command3", u"小区画が連続", 1, 3, Picture::CompartmentsInRow},
                {"Command4", u"小区画が１つ", 1, 4, Picture::OneCompartment},
                {"Command5", u"段違い天井", 2, 1, Picture::SteppedCeiling},
                {"Command6", u"段違いが中央", 2, 2, Picture::SteppedCentre},
                {"Command7", u"予備", 2, 3, Picture::Spare},
                {"Command8", u"予備", 2, 4, Picture::Spare}});
    resize(twipsRect(0, 0, 8355, 4725).size());
}

void FrmMENUC::Form_Load()
{
    trapped(QStringLiteral("Form_Load"), [this] { placeWindow(); });
}

// The calculators open modally, outside the frame; the menu waits until they close.
void FrmMENUC::Command1_Click() { WindowRegistry::instance().openModal(QStringLiteral("Frm1")); }
void FrmMENUC::Command2_Click() { WindowRegistry::instance().openModal(QStringLiteral("Frm2")); }
void FrmMENUC::Command3_Click() { WindowRegistry::instance().openModal(QStringLiteral("Frm3")); }
void FrmMENUC::Command4_Click() { WindowRegistry::instance().openModal(QStringLiteral("Form4")); }

Form10::Form10() : Window(QStringLiteral("Form10"))
{
    auto *c = new QWidget(this);
    setCentralWidget(c);
    fill(c, bgr(0x0080C0FF));
    newLabel(QStringLiteral("Label1"), QStringLiteral("無窓階チェック"), c, twipsRect(120, 120, 3000, 400));
    const char16_t *captions[] = {u"何階", u"何種類目", u"窓の幅(m)", u"窓の高さ(m)", u"窓　の　数", u"条件", u""};
    for (int i = 0; i < 7; ++i)
        newLabel(QStringLiteral("Label%1").arg(i + 2), QString::fromUtf16(captions[i]), c, twipsRect(120, 700 + i * 420, 1500, 330));
    for (int i = 1; i <= 3; ++i) {
        QComboBox *combo = newEditableCombo(QStringLiteral("Combo%1").arg(i), c);
        combo->setGeometry(twipsRect(1700, 280 + i * 420, 2000, 330));
    }
    newTextBox(QStringLiteral("Text1"), c, twipsRect(1700, 1960, 2000, 330));
    newTextBox(QStringLiteral("Text2"), c, twipsRect(1700, 2380, 2000, 330));
    const char16_t *buttons[] = {u"窓の追加", u"計　算", u"次の計算", u"対象の窓", u"対象外の窓", u"窓の条件とは？"};
    for (int i = 0; i < 6; ++i) {
        auto *b = new QPushButton(QString::fromUtf16(buttons[i]), c);
        b->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        b->setGeometry(twipsRect(4000, 700 + i * 500, 1800, 420));
    }
    for (int i = 1; i <= 2; ++i) {
        auto *line = new QFrame(c);
        line->setObjectName(QStringLiteral("Line%1").arg(i));
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(twipsRect(120, i == 1 ? 560 : 3760, 5960, 30));
    }
    auto *picture = new PictureView(Picture::WindowlessFloor, c);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(twipsRect(5200, 60, 800, 480));
    QMenu *file = menuBar()->addMenu(QStringLiteral("ファイル"));
    file->setObjectName(QStringLiteral("IDM_FILE"));
    connect(menuItem(file, "IDM_PRINT", QStringLiteral("印　刷")), &QAction::triggered, this, &Form10::IDM_PRINT_Click);
    resize(twipsRect(0, 0, 6200, 4200).size());
}

} // namespace kb
