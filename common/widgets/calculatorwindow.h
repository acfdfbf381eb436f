#pragma once

// The frame of every calculator window with a result grid (the voltage-drop,
// feeder and fire-alarm windows): the menu bar built from its description, the
// copy of control texts into the display-free state and back, and the
// result-grid commands of the file and spreadsheet menus.

#include "export.h"
#include "fieldbinding.h"
#include "resultfile.h"
#include "menudesc.h"
#include "window.h"

#include <functional>

class QPushButton;

namespace kb {

class FlexGrid;
class GridModel;

class CalculatorWindow : public Window
{
    Q_OBJECT
public:
    CalculatorWindow(const QString &formName, const QString &caption);

    FlexGrid *grid() const { return m_grid; }

public slots:
    void IDM_DOPEN_Click();
    void IDM_DSAVE_Click();
    void IDM_EXLSAVE_Click();
    void IDM_PRINT_Click();
    void IDM_END_Click();

protected:
    bool Form_Unload() override;
    // The result grid is the last stop of the Tab order, after the inputs and buttons above it.
    void arrangeTabOrder() override;

    // The result grid of the state, with the window's result-file and export layouts.
    void attachGrid(GridModel &model, const ResultFileLayout &file, const ExportLayout &sheet);

    // The menu bar: each item runs the slot its description names.
    void buildMenus(const QVector<MenuDesc> &menus);
    // Runs a handler on the state as a press: the typed texts go in first, the results come out after.
    void run(const QString &tag, const std::function<void()> &handler);
    // The bound texts and lists; a window with options or enabled looks shows them too.
    void showState() override;
    // The bound texts; a window with options takes them too.
    void takeState() override;

    FieldBinding &fields() { return m_fields; }
    QWidget *client() const { return m_client; }
    // A button at a fixed place of the client area.
    QPushButton *newButton(const QString &name, const QString &caption, const QRect &geometry);

    // The status line of the state, which the result-file commands write.
    virtual QString &statusLine() = 0;

private:
    GridModel *m_model = nullptr;
    ResultFileLayout m_file{0, 0};
    ExportLayout m_sheet{};
    FieldBinding m_fields;
    QWidget *m_client;
    FlexGrid *m_grid;
};

} // namespace kb
