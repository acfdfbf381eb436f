#include "fieldbinding.h"

#include "flexgrid.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace kb {

void FieldBinding::bind(QLineEdit *edit, QString *text)
{
    m_entries.append({[=] { *text = edit->text(); }, [=] {
                          if (edit->text() != *text)
                              edit->setText(*text);
                      }});
}

void FieldBinding::bind(QLabel *label, QString *text)
{
    // Labels are written only by the program: nothing to pull.
    m_entries.append({[] {}, [=] { label->setText(*text); }});
}

void FieldBinding::bind(QComboBox *combo, QString *text, QStringList *items)
{
    m_entries.append({[=] { *text = combo->currentText(); }, [=] {
                          setComboItems(combo, *items);
                          setComboText(combo, *text);
                      }});
}

void FieldBinding::pull()
{
    for (const Entry &e : std::as_const(m_entries))
        e.pull();
}

void FieldBinding::push()
{
    for (const Entry &e : std::as_const(m_entries))
        e.push();
}

QComboBox *newEditableCombo(const QString &name, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The completer an editable box gets by default fills in the rest of the first
    // item that begins with the typed keys ("0.8" becomes "0.85") and leaves it
    // there on Tab. Without it, leaving or Enter selects only an item of exactly
    // the typed text, so the text stays as typed.
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(14);
    return combo;
}

void setComboItems(QComboBox *combo, const QStringList &items)
{
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    if (shown == items)
        return;
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(items);
    setComboText(combo, text);
}

void setComboText(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    combo->setCurrentIndex(index);
    combo->setEditText(text);
}

QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(FlexGrid::twipsToPixels(left), FlexGrid::twipsToPixels(top), FlexGrid::twipsToPixels(width),
                 FlexGrid::twipsToPixels(height));
}

QLineEdit *newTextBox(const QString &name, QWidget *parent, const QRect &geometry)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    return edit;
}

QLabel *newLabel(const QString &name, const QString &caption, QWidget *parent, const QRect &geometry)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

QLabel *newValueLabel(const QString &name, QWidget *parent, const QRect &geometry)
{
    QLabel *label = newLabel(name, QString(), parent, geometry);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    return label;
}

} // namespace kb
