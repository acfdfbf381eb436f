#include "menuwindow.h"

#include "dialogs.h"
#include "registry.h"

#include <QGridLayout>
#include <QLabel>
#include <QMenuBar>
#include <QVBoxLayout>

namespace kb {

MenuWindow::MenuWindow(const QString &formName, const QString &caption, const QVector<MenuButton> &buttons,
                       std::optional<QString> loadFailTag, const QString &printFailText)
    : Window(formName), m_buttons(buttons), m_loadFailTag(std::move(loadFailTag)), m_printFailText(printFailText)
{
    setWindowTitle(caption);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    auto *grid = new QGridLayout;
    const auto &registry = WindowRegistry::instance();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const MenuButton &b = m_buttons[i];
        auto *button = new PictureButton(b.picture, b.caption, central);
        button->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        button->setMinimumSize(112, 104);
        button->setEnabled(b.target.isEmpty() || registry.isRegistered(b.target));
        const int number = i + 1;
        connect(button, &PictureButton::clicked, this, [this, number] { press(number); });
        grid->addWidget(button, i / 4, i % 4);
    }
    layout->addLayout(grid);
    m_label1 = new QLabel(central);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setFrameShape(QFrame::Panel);
    m_label1->setFrameShadow(QFrame::Sunken);
    layout->addWidget(m_label1);
    setCentralWidget(central);
}

void MenuWindow::Form_Load()
{
    try {
        placeWindow();
        m_label1->setText(QStringLiteral("絵をクリックして下さい。"));
    } catch (...) {
        if (m_loadFailTag)
            errorBox(*m_loadFailTag);
    }
}

void MenuWindow::press(int number)
{
    if (number < 1 || number > m_buttons.size())
        return;
    guard(QStringLiteral("Command%1_Click").arg(number), [this, number] {
        const MenuButton &b = m_buttons[number - 1];
        if (b.hint)
            m_label1->setText(*b.hint);
        if (!b.notice.isEmpty())
            message(b.notice);
        if (!b.target.isEmpty())
            openWindow(b.target);
    });
}

void MenuWindow::IDM_PRINT_Click()
{
    printWindow(m_printFailText);
}

QMenu *MenuWindow::addTopMenu(const char *name, const QString &caption)
{
    QMenu *menu = menuBar()->addMenu(caption);
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

void MenuWindow::connectCommand(QMenu *menu, const char *name, const QString &caption, const std::function<void()> &handler)
{
    QAction *action = menu ? menu->addAction(caption) : menuBar()->addAction(caption);
    action->setObjectName(QLatin1String(name));
    const QString tag = QLatin1String(name) + QStringLiteral("_Click");
    connect(action, &QAction::triggered, this, [this, tag, handler] { guard(tag, handler); });
}

void MenuWindow::addSeparator(QMenu *menu, const char *name)
{
    // A separator line only: a caption on it would be drawn beside the line.
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void MenuWindow::closeInOrder(const QStringList &order)
{
    close();
    auto &registry = WindowRegistry::instance();
    for (const QString &name : order)
        registry.close(name);
}

} // namespace kb
