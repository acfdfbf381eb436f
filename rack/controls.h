#pragma once

// How a window's display-free state names its controls: for each control, the text
// it shows (and, for a box, the text the user typed), its list, and whether it is
// visible. The windows copy the widgets through these bindings before and after a
// handler.

#include <QString>
#include <QStringList>
#include <QVector>

namespace kb {

struct ControlBinding
{
    QString name;
    QString *text = nullptr;
    QStringList *items = nullptr; // combo boxes
    bool *visible = nullptr;      // controls the window hides and shows
};
using ControlBindings = QVector<ControlBinding>;

} // namespace kb
