#pragma once

// The common frame of the cable-rack, raceway and wiring-duct windows: controls
// placed at their design places (twips) over the drawing, the menus, the cable-list
// handlers, and the copying of the widgets to and from the window's state.

#include "busystate.h"
#include "cablelist.h"
#include "rackdrawing.h"
#include "window.h"

#include <QColor>
#include <QVector>
#include <functional>
#include <optional>

namespace kb {

class FlexGrid;

class RackWindow : public Window
{
    Q_OBJECT
public:
    enum class Kind { Label, Text, Combo, Button, Grid, Picture, Line };
    struct ControlDesc
    {
        Kind kind;
        const char *name;
        QString caption;
        int left, top, width, height; // twips
        quint32 vbColor = 0xFFFFFFFF; // &H00BBGGRR; all ones: the default
        bool border = false;          // a label with a single border
    };
    struct MenuItemDesc
    {
        const char *name;
        QString caption;
        bool separator = false;
    };
    struct MenuDesc
    {
        const char *name;
        QString title;
        QVector<MenuItemDesc> items;
        bool enabled = true;
    };

    // A colour written as &H00BBGGRR.
    static QColor vbColor(quint32 bgr);

public slots:
    void Command1_Click();
    void Command7_Click();
    void MSFlexGrid1_Click();
    void IDM_SAKUJO_Click();
    void IDM_KENSASAKUJO_Click();
    void IDM_PRINT_Click();
    void IDM_END_Click();
    void IDM_TAISHIN_Click() {}
    void IDM_TUCA_Click();
    void IDM_KOUATU_Click();
    void IDM_JAKU_Click();
    void IDM_DOJIKU_Click();
    void IDM_ECOTEIATU_Click();
    void IDM_EMKOATU_Click();
    void IDM_JAKUECO_Click();
    void IDM_EMDOJIKU_Click();

protected:
    RackWindow(const QString &formName, const QString &caption, CableListModel &model,
               std::function<ControlBindings()> bindings, int clientWidth, int clientHeight, quint32 background);
    ~RackWindow() override;

    // The picture control (Kind::Picture) shows the drawing of `subject`.
    void build(const QVector<ControlDesc> &controls, const QVector<MenuDesc> &menus, RackDrawing::Subject subject);
    // The 電線種別 menu of this window's cable kinds.
    MenuDesc cableKindMenu() const;
    // Runs a handler: the widgets' texts in, the handler, the state's texts out.
    void run(const QString &tag, const std::function<void()> &handler);
    void showState() override;
    // The texts of the bound text and combo boxes.
    void takeState() override;

private:
    // The state on screen, then the focus the handler asked for.
    void push();
    void cableKind(const char *action);
    CableListModel &m_model;
    std::function<ControlBindings()> m_bindings;
    std::optional<BusyState> m_busy;
};

} // namespace kb
