#include "pullboxdesign.h"

#include "failure.h"

namespace kb::pullbox {

namespace {
const QString kLeftNumbering = QStringLiteral("1本目 2本目 3本目");
const QString kRightNumbering = QStringLiteral("3本目 2本目 1本目");
// The tier windows ask for the size "入力欄に", the row windows "入力欄より".
const QString kTierLeft = QStringLiteral("入力欄に配管サイズを入力して下さい。左より１本目、２本目、３本目の順番です。");
const QString kTierRight = QStringLiteral("入力欄に配管サイズを入力して下さい。右より１本目、２本目、３本目の順番です。");
const QString kRowLeft = QStringLiteral("入力欄より配管サイズを入力して下さい。左より１本目、２本目、３本目の順番です。");
const QString kRowRight = QStringLiteral("入力欄より配管サイズを入力して下さい。右より１本目、２本目、３本目の順番です。");
} // namespace

const Design &leftBend()
{
    static const Design d{QStringLiteral("Form21"), QStringLiteral("水平左曲り"), Geometry::HorizontalBend, true, kTierLeft, kLeftNumbering, 2, false};
    return d;
}
const Design &rightBend()
{
    static const Design d{QStringLiteral("Form22"), QStringLiteral("水平右曲りPBOX"), Geometry::HorizontalBend, true, kTierRight, kRightNumbering, 0, true};
    return d;
}
const Design &straight()
{
    static const Design d{QStringLiteral("Form23"), QStringLiteral("ストレートPBOX計算"), Geometry::Straight, true, kTierLeft, kLeftNumbering, 0, false};
    return d;
}
const Design &drop()
{
    static const Design d{QStringLiteral("Form24"), QStringLiteral("立ち下げ"), Geometry::Drop, false, kRowLeft, kLeftNumbering, 0, false};
    return d;
}
const Design &leftTwist()
{
    static const Design d{QStringLiteral("Form25"), QStringLiteral("左ねじりPBOX計算"), Geometry::Twist, false, kRowLeft, kLeftNumbering, 0, false};
    return d;
}
const Design &rightTwist()
{
    static const Design d{QStringLiteral("Form26"), QStringLiteral("右ねじりPBOX計算"), Geometry::Twist, false, kRowRight, kRightNumbering, 0, true};
    return d;
}

const Design &design(const QString &formName)
{
    for (const Design *d : {&leftBend(), &rightBend(), &straight(), &drop(), &leftTwist(), &rightTwist()})
        if (d->formName == formName)
            return *d;
    throw Failure(QStringLiteral("no pull-box window ") + formName);
}

} // namespace kb::pullbox
