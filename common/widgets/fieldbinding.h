#pragma once

// Ties a window's controls to the texts of its display-free state: pull() copies
// what the user typed into the state before a handler runs, push() shows the
// state's texts and lists again afterwards.

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace kb {

class FieldBinding
{
public:
    void bind(QLineEdit *edit, QString *text);
    void bind(QLabel *label, QString *text);
    // An editable combo box: its text and (shown only) its items.
    void bind(QComboBox *combo, QString *text, QStringList *items);

    void pull();
    void push();

private:
    struct Entry
    {
        std::function<void()> pull;
        std::function<void()> push;
    };
    QVector<Entry> m_entries;
};

// An editable combo box as every window makes it: the text is what the user
// typed, never completed into a list item nor added to the list, and a text set
// by the program stays as set. Choosing from the list works as usual.
QComboBox *newEditableCombo(const QString &name, QWidget *parent);
// Shows a text in a combo box, selecting the item of that exact text when there is one.
void setComboText(QComboBox *combo, const QString &text);
void setComboItems(QComboBox *combo, const QStringList &items);

// Controls placed at fixed positions given in twips, as the window layouts are drawn.
QRect twipsRect(int left, int top, int width, int height);
QLineEdit *newTextBox(const QString &name, QWidget *parent, const QRect &geometry);
QLabel *newLabel(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry);
// A result label: sunken, so an empty result still shows its place.
QLabel *newValueLabel(const QString &name, QWidget *parent, const QRect &geometry);

} // namespace kb
