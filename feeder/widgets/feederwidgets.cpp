#include "feederwidgets.h"

#include "window.h"

#include <QGroupBox>
#include <QRadioButton>

namespace kb::feederui {

QGroupBox *newFrame(const char *name, const char *caption, QWidget *parent, const QRect &at)
{
    auto *frame = new QGroupBox(QString::fromUtf8(caption), parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(at);
    return frame;
}

QVector<QRadioButton *> newOptions(const char *name, const char *first, const char *second, QWidget *parent,
                                   const QRect &firstAt, const QRect &secondAt)
{
    QVector<QRadioButton *> options;
    const char *captions[] = {first, second};
    const QRect places[] = {firstAt, secondAt};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(QString::fromUtf8(captions[i]), parent);
        option->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i));
        option->setGeometry(places[i]);
        options << option;
    }
    return options;
}

int selected(const QVector<QRadioButton *> &options)
{
    for (int i = 0; i < options.size(); ++i)
        if (options.at(i)->isChecked())
            return i;
    return 0;
}

void select(const QVector<QRadioButton *> &options, int index)
{
    options.at(index)->setChecked(true);
}

void showEnabled(QWidget *window, std::initializer_list<std::pair<const char *, bool>> boxes)
{
    for (const auto &[name, enabled] : boxes)
        if (QWidget *box = window->findChild<QWidget *>(QString::fromLatin1(name)))
            setFieldEnabled(box, enabled);
}

} // namespace kb::feederui
