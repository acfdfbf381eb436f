#pragma once

// Where each control of a pull-box window stands and what colour it has. The six
// windows share one design; each differs from the left-bend window in places and
// colours only, so each is the left-bend layout with its own changes laid over it.
// The labels on the picture (Label3 to Label8) stand where the picture puts them.

#include <QHash>
#include <QString>

namespace kb::pullbox {

struct Place
{
    int left = 0, top = 0, width = 0, height = 0; // twips; inside its frame for a control in a frame
};

struct Layout
{
    int clientWidth = 0, clientHeight = 0; // the design client area, twips
    // By control name; an option button by its name and index, as "Option2(0)".
    QHash<QString, Place> places;
    // &H00BBGGRR by control name; "Form" is the window's background, which the
    // option frames and their buttons share unless named here.
    QHash<QString, quint32> colours;

    Place at(const QString &control) const { return places.value(control); }
    bool hasPlace(const QString &control) const { return places.contains(control); }
    quint32 colour(const QString &control) const { return colours.value(control, colours.value(QStringLiteral("Form"))); }
    bool hasColour(const QString &control) const { return colours.contains(control); }
};

// Form21 .. Form26.
const Layout &layoutOf(const QString &formName);

} // namespace kb::pullbox
