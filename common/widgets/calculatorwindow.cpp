#include "calculatorwindow.h"

#include "busystate.h"
#include "flexgrid.h"
#include "gridmodel.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace kb {

CalculatorWindow::CalculatorWindow(const QString &formName, const QString &caption)
    : Window(formName), m_client(new QWidget(this)), m_grid(new FlexGrid(m_client))
{
    setWindowTitle(caption);
    setCentralWidget(m_client);
    m_grid->setObjectName(QStringLiteral("MSFlexGrid1"));
}

void CalculatorWindow::attachGrid(GridModel &model, const ResultFileLayout &file, const ExportLayout &sheet)
{
    m_model = &model;
    m_file = file;
    m_sheet = sheet;
    m_grid->setGridModel(&model);
}

void CalculatorWindow::buildMenus(const QVector<MenuDesc> &menus)
{
    for (const MenuDesc &desc : menus) {
        QMenu *menu = menuBar()->addMenu(desc.caption);
        menu->setObjectName(desc.name);
        for (const MenuItemDesc &item : desc.items) {
            QAction *action = item.handler.isEmpty() ? menu->addSeparator() : menu->addAction(item.caption);
            action->setObjectName(item.name);
            if (item.handler.isEmpty())
                continue;
            const QByteArray slot = item.handler.toLatin1();
            connect(action, &QAction::triggered, this, [this, slot] { QMetaObject::invokeMethod(this, slot.constData()); });
        }
    }
}

void CalculatorWindow::run(const QString &tag, const std::function<void()> &handler)
{
    guard(tag, handler);
    showState();
}

void CalculatorWindow::showState()
{
    m_fields.push();
}

void CalculatorWindow::takeState()
{
    m_fields.pull();
}

QPushButton *CalculatorWindow::newButton(const QString &name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, m_client);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

void CalculatorWindow::arrangeTabOrder()
{
    moveToTabEnd({m_grid->objectName()});
}

bool CalculatorWindow::Form_Unload()
{
    // Nothing is asked or saved; an exported workbook stays open.
    activateWindow();
    return true;
}

void CalculatorWindow::IDM_PRINT_Click()
{
    printWindow();
}

void CalculatorWindow::IDM_END_Click()
{
    close();
}

void CalculatorWindow::IDM_DOPEN_Click()
{
    run(QStringLiteral("IDM_DOPEN_Click"), [this] { ResultFile(m_file).IDM_DOPEN_Click(this, *m_model, statusLine()); });
}

void CalculatorWindow::IDM_DSAVE_Click()
{
    run(QStringLiteral("IDM_DSAVE_Click"), [this] { ResultFile(m_file).IDM_DSAVE_Click(this, *m_model, statusLine()); });
}

void CalculatorWindow::IDM_EXLSAVE_Click()
{
    guard(QStringLiteral("IDM_EXLSAVE"), [this] {
        // The failure box shows while the window is still busy; both come back after it.
        BusyState busy(this);
        exportGrid(*m_model, m_sheet);
    });
    // In front of the opened workbook again, the focus where it was before the export.
    activateWindow();
}

} // namespace kb
