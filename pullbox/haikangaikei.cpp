#include "haikangaikei.h"

#include "failure.h"
#include "numtext.h"

#include <QStringList>

namespace kb::pullbox {

std::optional<int16_t> thickWallDiameter(double size)
{
    for (const ConduitDiameter &row : HAIKAN_GAIKEI)
        if (size == row.size)
            return CInt(row.outerDiameter);
    return std::nullopt;
}

QStringList conduitSizeItems()
{
    return {QStringLiteral("19"), QStringLiteral("25"), QStringLiteral("31"), QStringLiteral("39"),
            QStringLiteral("51"), QStringLiteral("63"), QStringLiteral("75"), QStringLiteral("-----------"),
            QStringLiteral("16"), QStringLiteral("22"), QStringLiteral("28"), QStringLiteral("36"),
            QStringLiteral("42"), QStringLiteral("54"), QStringLiteral("70"), QStringLiteral("82"),
            QStringLiteral("92"), QStringLiteral("104")};
}

int16_t storedDiameter(const QString &sizeText, bool strictRead)
{
    const double size = CDbl(sizeText); // a text that is not a number fails here
    const int16_t own = strictRead ? CInt(size) : CInt(Val(sizeText));
    const int16_t diameter = thickWallDiameter(size).value_or(own);
    // A conduit of no thickness would pass through the box without taking room.
    if (diameter <= 0)
        throw Failure(QStringLiteral("conduit size of 0 or below"));
    return diameter;
}

} // namespace kb::pullbox
