#pragma once

// The one home of the number and text rules every window follows.
//
// Numbers are kept as double. Exact decimal results (1.1 × 55 = 60.5, not
// 60.500000000000007) are obtained by snapping a value to 15 significant digits
// before it is rounded, floored or compared against an integer boundary: the
// formulas here never need more digits than that, and the snap removes the
// error that binary fractions leave in the last place.

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace kb {

// The value x written with 15 significant digits and read back.
double snap(double x);

// Strict read: surrounding half-width blanks ignored, full-width digits, signs,
// point and blanks accepted; an empty or non-numeric text is an error.
std::optional<double> tryReadNumber(QStringView text);
double CDbl(QStringView text); // throws Failure
// The figure of a number box that must hold one above 0, read strictly. An empty box, a text
// that is no number ("30m", "1,000") and a figure of 0 or less give none: the window then
// shows that box's own prompt and changes nothing.
std::optional<double> positiveFigure(QStringView text);

// The mark the cell decoder puts where a cell's bytes are no text. A text holding it came from a
// cell that could not be read whole: no figure is read from it, not even from its readable part
// ("1" followed by a stray byte is not 1). The strict read refuses it as it refuses any text
// that is no number; the prefix read refuses it outright.
inline constexpr QChar kUnreadableMark{u'\uFFFD'};
bool isUnreadable(QStringView text);

// Prefix read: the longest numeric prefix ("210V" reads 210, "" reads 0). A text holding the
// unreadable mark throws Failure.
double Val(QStringView text);
// A number cell read back into a box, as the box shows it: its numeric prefix in the shortest
// form ("200V級" gives "200", an empty cell "0"). A cell that could not be read whole comes back
// as it stands, the unreadable part marked, so that the box's strict read refuses it.
QString numberShown(QStringView cell);
// A number read back by prefix as a list box shows it: the first item that reads as the same
// number ("210" gives "210V" of the voltage list), else the number as text; an unreadable text
// as it stands, like numberShown.
QString listItemOf(QStringView text, const QStringList &items);

// Conversion to a 16-bit integer, rounding half to even; outside -32768..32767 throws Overflow.
int16_t CInt(double x);
// The same to 32 bits.
int32_t CLng(double x);
// Largest integer not above x (after snapping).
double Int(double x);
// Rounds half to even to a whole number without a range check.
double roundHalfEven(double x);

// Shortest decimal text, at most 15 significant digits, no leading blank ("7", "8.09", "-0.5").
QString Str(double x);
// The same for a single-precision value: the number as a float, at most 7 significant digits.
QString StrSng(double x);
// A 16-bit or 32-bit integer as text.
QString Str(int x);
inline QString Str(int16_t x) { return Str(int(x)); }

// The text without its leading and trailing half-width blanks (the full-width blank stays),
// as the trimming of typed names and cell texts does.
QString trimBlanks(QStringView text);
// The text without its trailing half-width blanks.
QString trimTrailingBlanks(QStringView text);

// Text comparison that ignores letter case and full-/half-width forms
// ("ｹｰﾌﾞﾙﾗｯｸ" equals "ケーブルラック", "ＥＮＤ" equals "end").
QString foldText(QStringView text);
bool sameText(QStringView a, QStringView b);
// Half-width form of full-width ASCII characters (digits, letters, signs, the ideographic blank).
QString toHalfWidthAscii(QStringView text);

} // namespace kb
