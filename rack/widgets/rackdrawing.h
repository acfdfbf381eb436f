#pragma once

// The picture under the inputs of the cable-rack, raceway and wiring-duct windows:
// what is hung from the ceiling, with the marks of the quantities the boxes on top
// of it hold. It is drawn in the window's own twips, so that each mark stands at
// the design place of its boxes.

#include <QRect>
#include <QWidget>

namespace kb {

class RackDrawing : public QWidget
{
    Q_OBJECT
public:
    enum class Subject {
        LadderRack, // four cables on a ladder rack: interval, cable spacing, rack width
        Raceway,    // a raceway with two-lamp fluorescent fixtures: interval, fixture spacing
        WiringDuct, // a duct with cables inside: interval, height, width
    };

    // designPlace: the picture's place in the window, in twips.
    RackDrawing(Subject subject, const QRect &designPlace, QWidget *parent);

    Subject subject() const { return m_subject; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Subject m_subject;
    QRect m_design;
};

} // namespace kb
