#include "Fields.h"

#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace MainM {

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

bool IsNumeric(QStringView field)
{
    qsizetype i = 0;
    const qsizetype n = field.size();
    while (i < n && IsBlank(field[i]))
        ++i;
    if (i < n && field[i] == u'-')
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && IsDigit(field[i]))
        ++i;
    if (i == digitsStart)
        return false;
    while (i < n && IsBlank(field[i]))
        ++i;
    return i == n;
}

qint64 LeadingValue(QStringView field)
{
    qsizetype i = 0;
    const qsizetype n = field.size();
    while (i < n && IsBlank(field[i]))
        ++i;
    const bool negative = i < n && field[i] == u'-';
    if (negative)
        ++i;
    constexpr qint64 limit = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (; i < n && IsDigit(field[i]); ++i) {
        const int digit = field[i].unicode() - u'0';
        if (value > (limit - digit) / 10)
            return negative ? std::numeric_limits<qint64>::min() : limit;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

double LeadingNumber(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^\\s*[-+]?(\\d+(\\.\\d*)?|\\.\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    return match.hasMatch() ? match.captured(0).trimmed().toDouble() : 0.0;
}

qint32 Saturated32(qint64 value)
{
    return qint32(std::clamp<qint64>(value, std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

qint16 Saturated16(qint64 value)
{
    return qint16(std::clamp<qint64>(value, std::numeric_limits<qint16>::min(),
                                     std::numeric_limits<qint16>::max()));
}

qint16 Wrapped16(qint64 value)
{
    return qint16(quint16(quint64(value) & 0xFFFF));
}

} // namespace MainM
