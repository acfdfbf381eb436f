#include "mainmenu.h"

#include <QLabel>

namespace kb {

Form5::Form5() : Window(QStringLiteral("Form5"))
{
    setWindowTitle(QStringLiteral("メインメニュー"));
    auto *label = new QLabel(QStringLiteral("電気設備計算メニュー"), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    setCentralWidget(label);
    resize(480, 320);
}

void Form5::Form_Load()
{
    placeWindow();
}

} // namespace kb
