#pragma once

// The picture of a pull-box window (Image1) as geometry, without drawing it: the
// box in an oblique view, the conduits entering the front face and leaving by the
// face the geometry has, the reinforcing angle round the front opening, and the
// dimension lines with the places of the result labels beside them. Coordinates
// are twips inside the picture, y downwards; the window draws this and stands
// Label3 to Label8 at the places given here.

#include "pullboxdesign.h"

#include <QHash>
#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace kb::pullbox {

enum class Face { Front, Back, Left, Right, Bottom };

// A run of conduit drawn as a tube along its points.
struct Tube
{
    QList<QPointF> points;
    // Drawn over the box (in front of a face the viewer sees); otherwise the
    // box's faces are drawn over it and it shows through them.
    bool overBox = false;
    // A stub ends in the open mouth of the conduit, at its first point (entering)
    // or its last (leaving), lying in the plane of the face it passes.
    bool mouthAtStart = false, mouthAtEnd = false;
    Face mouthFace = Face::Front;
};

struct ConduitRun
{
    QPointF frontCentre;  // where it enters the front face
    QPointF exitCentre;   // where it leaves the box
    Face exit = Face::Front;
    double exitDepth = 0; // how far back it leaves, 0 at the front face, 1 at the back
    Tube entering;        // the stub before the front face
    Tube inside;          // its way through the box
    Tube leaving;         // the stub past the exit face
};

// A dimension line with an arrow at each end, the lines that carry the measured
// edges out to it, and the label that reads its value. A leader (the angle) is a
// plain line from the part to its label.
struct Dimension
{
    QString label; // "Label3" W, "Label4" D, "Label5" H, "Label6"
    QLineF line;
    QList<QLineF> extensions;
    bool leader = false;
};

struct BoxPicture
{
    QSizeF size;
    QRectF front;      // the front face
    QPointF depth;     // from the front face to the back face
    double radius = 0; // of a conduit
    double angleLeg = 0;
    QList<QPointF> frontFace, topFace, sideFace; // the faces the viewer sees
    QList<ConduitRun> conduits;
    QList<Dimension> dimensions;
    QHash<QString, QRectF> labels; // Label3 .. Label8
};

// The picture of a window's geometry for a picture of the given size (twips).
BoxPicture boxPicture(const Design &design, QSizeF size);

} // namespace kb::pullbox
