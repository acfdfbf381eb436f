#pragma once

#include "refdata.h"

#include <QWidget>

namespace kb {

// DATA_YOMIKOMI: loads the calculators' part of a database into the table while
// the window is busy. On a failure the busy state ends, the box
// "エラーが発生しました。" + failTag shows, and the table keeps the cells read so far.
bool DATA_YOMIKOMI(QWidget *window, const DatabaseShape &shape, TextTable &table,
                   const QString &failTag = QStringLiteral("Form_Load"));

} // namespace kb
