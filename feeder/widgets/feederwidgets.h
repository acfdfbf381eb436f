#pragma once

// Small pieces the feeder windows share: frames, captions, option-button pairs
// and the enabled look of the boxes their commands open and close.

#include "calculatorwindow.h"

#include <QString>
#include <QVector>

class QGroupBox;
class QRadioButton;

namespace kb::feederui {

QGroupBox *newFrame(const char *name, const char *caption, QWidget *parent, const QRect &at);
// A pair of option buttons "<name>(0)" and "<name>(1)" in a frame.
QVector<QRadioButton *> newOptions(const char *name, const char *first, const char *second, QWidget *parent,
                                   const QRect &firstAt, const QRect &secondAt);
// The selected index of an option pair, and selecting one.
int selected(const QVector<QRadioButton *> &options);
void select(const QVector<QRadioButton *> &options, int index);

// Gives each named box of the window the enabled or disabled look.
void showEnabled(QWidget *window, std::initializer_list<std::pair<const char *, bool>> boxes);

} // namespace kb::feederui
