#pragma once

// The 表示 menu's views of the size column and the one-line descriptions of the
// conduit types and cable types.

#include "cablerecord.h"

#include <QString>
#include <QVector>
#include <optional>

namespace kb {

enum class GridView { SectionArea, OuterDiameter, CumulativeDiameter, CorrectionFactor, Weight, Condition };

struct GridViewItem
{
    const char *action;  // IDM_ name
    QString caption;     // menu caption
    QString heading;     // written over the size column
    QString status;      // status line
    GridView view;
};

// The six view items in menu order.
const QVector<GridViewItem> &gridViewItems();
const GridViewItem *gridViewItem(QStringView action);

// The text the view shows for a record (numbers as single-precision texts).
QString viewText(GridView view, const CableRecord &record);

// HAIKAN_IMAGE: the description of the conduit type named by the whole box text.
std::optional<QString> conduitTypeDescription(const QString &typeBox);
// DENSEN_IMAGE: the description of the cable type the name begins or ends with.
std::optional<QString> cableTypeDescription(const QString &cableBox);

} // namespace kb
