#include "numtext.h"

#include "failure.h"

#include <QByteArray>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace kb {

double snap(double x)
{
    if (!std::isfinite(x) || x == 0.0)
        return x;
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    return std::strtod(buf, nullptr);
}

QString toHalfWidthAscii(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u >= 0xFF01 && u <= 0xFF5E)
            out.append(QChar(char16_t(u - 0xFEE0)));
        else if (u == 0x3000)
            out.append(QLatin1Char(' '));
        else if (u == 0x2212) // minus sign, as some input methods type it
            out.append(QLatin1Char('-'));
        else
            out.append(ch);
    }
    return out;
}

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// Scans a decimal number (sign, digits, point, exponent) from the start of s.
// Returns the number of characters used (0 when no digit was found) and the ASCII form.
int scanNumber(const QString &s, int pos, QByteArray &ascii)
{
    const int start = pos;
    const int n = s.size();
    ascii.clear();
    if (pos < n && (s[pos] == QLatin1Char('+') || s[pos] == QLatin1Char('-')))
        ascii.append(char(s[pos++].unicode()));
    int digits = 0;
    while (pos < n && isDigit(s[pos])) {
        ascii.append(char(s[pos++].unicode()));
        ++digits;
    }
    if (pos < n && s[pos] == QLatin1Char('.')) {
        ascii.append('.');
        ++pos;
        while (pos < n && isDigit(s[pos])) {
            ascii.append(char(s[pos++].unicode()));
            ++digits;
        }
    }
    if (digits == 0) {
        ascii.clear();
        return 0;
    }
    if (pos < n) {
        const QChar e = s[pos].toUpper();
        if (e == QLatin1Char('E') || e == QLatin1Char('D')) {
            int p = pos + 1;
            QByteArray exp("e");
            if (p < n && (s[p] == QLatin1Char('+') || s[p] == QLatin1Char('-')))
                exp.append(char(s[p++].unicode()));
            int expDigits = 0;
            while (p < n && isDigit(s[p])) {
                exp.append(char(s[p++].unicode()));
                ++expDigits;
            }
            if (expDigits > 0) {
                ascii.append(exp);
                pos = p;
            }
        }
    }
    return pos - start;
}

} // namespace

std::optional<double> tryReadNumber(QStringView text)
{
    const QString s = toHalfWidthAscii(text);
    int pos = 0;
    int end = s.size();
    while (pos < end && isBlank(s[pos]))
        ++pos;
    while (end > pos && isBlank(s[end - 1]))
        --end;
    if (pos == end)
        return std::nullopt;
    QByteArray ascii;
    const int used = scanNumber(s.left(end), pos, ascii);
    if (used == 0 || pos + used != end)
        return std::nullopt;
    const double v = std::strtod(ascii.constData(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

double CDbl(QStringView text)
{
    if (auto v = tryReadNumber(text))
        return *v;
    throw Failure(QStringLiteral("not a number: ") + text.toString());
}

bool isUnreadable(QStringView text)
{
    return text.contains(kUnreadableMark);
}

double Val(QStringView text)
{
    if (isUnreadable(text))
        throw Failure(QStringLiteral("unreadable cell: ") + text.toString());
    QString s = toHalfWidthAscii(text);
    s.remove(QLatin1Char(' '));
    s.remove(QLatin1Char('\t'));
    QByteArray ascii;
    if (scanNumber(s, 0, ascii) == 0)
        return 0.0;
    const double v = std::strtod(ascii.constData(), nullptr);
    return std::isfinite(v) ? v : 0.0;
}

std::optional<double> positiveFigure(QStringView text)
{
    const std::optional<double> x = tryReadNumber(text);
    if (x && *x > 0)
        return x;
    return std::nullopt;
}

QString numberShown(QStringView cell)
{
    return isUnreadable(cell) ? trimBlanks(cell) : Str(Val(cell));
}

QString listItemOf(QStringView text, const QStringList &items)
{
    if (isUnreadable(text))
        return text.toString();
    const double v = Val(text);
    for (const QString &item : items)
        if (Val(item) == v)
            return item;
    return Str(v);
}

double roundHalfEven(double x)
{
    // The default rounding mode rounds ties to even.
    return std::nearbyint(snap(x));
}

int16_t CInt(double x)
{
    if (!std::isfinite(x))
        throw Overflow();
    const double r = roundHalfEven(x);
    if (r < -32768.0 || r > 32767.0)
        throw Overflow();
    return int16_t(r);
}

int32_t CLng(double x)
{
    if (!std::isfinite(x))
        throw Overflow();
    const double r = roundHalfEven(x);
    if (r < double(std::numeric_limits<int32_t>::min()) || r > double(std::numeric_limits<int32_t>::max()))
        throw Overflow();
    return int32_t(r);
}

double Int(double x)
{
    return std::floor(snap(x));
}

namespace {
QString formatG(double x, int digits)
{
    if (x == 0.0 || !std::isfinite(x))
        return x == 0.0 ? QStringLiteral("0") : QString::number(x);
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.*g", digits, x);
    return QString::fromLatin1(buf);
}
} // namespace

QString Str(double x)
{
    return formatG(x, 15);
}

QString StrSng(double x)
{
    return formatG(double(float(x)), 7);
}

QString Str(int x)
{
    return QString::number(x);
}

QString trimBlanks(QStringView text)
{
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first).toString();
}

QString trimTrailingBlanks(QStringView text)
{
    qsizetype n = text.size();
    while (n > 0 && text[n - 1] == u' ')
        --n;
    return text.left(n).toString();
}

QString foldText(QStringView text)
{
    return text.toString().normalized(QString::NormalizationForm_KC).toCaseFolded();
}

bool sameText(QStringView a, QStringView b)
{
    if (a.compare(b, Qt::CaseInsensitive) == 0)
        return true;
    return foldText(a) == foldText(b);
}

} // namespace kb
