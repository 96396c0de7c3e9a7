#include "DayNumbers.h"

#include "Tables.h"
#include "platform/Clock.h"

#include <array>
#include <cmath>

namespace MainM {

namespace {

constexpr std::array<const char*, 12> MonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The shortest beginnings that name each month, tried in this order.
constexpr std::array<std::pair<const char*, int>, 12> MonthBeginnings = {{
    {"Ja", 1},
    {"F", 2},
    {"Mar", 3},
    {"Ap", 4},
    {"May", 5},
    {"Jun", 6},
    {"Jul", 7},
    {"Au", 8},
    {"S", 9},
    {"O", 10},
    {"N", 11},
    {"D", 12},
}};

constexpr int FirstYear = 1901;
constexpr int LastYear = 2099;

bool AllDigits(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// A whole token of digits, or -1. Long runs of digits are no date part.
int DigitsValue(const QString& token)
{
    if (!AllDigits(token) || token.size() > 4)
        return -1;
    return token.toInt();
}

int MonthOf(const QString& token)
{
    if (AllDigits(token))
        return DigitsValue(token);
    for (const auto& [beginning, month] : MonthBeginnings) {
        if (token.startsWith(QLatin1String(beginning), Qt::CaseInsensitive))
            return month;
    }
    return -1;
}

// A year of one to three digits is short: 85 and above are the 1900s, the
// rest the 2000s. An empty year is 2000.
int YearOf(const QString& token)
{
    if (token.size() >= 4)
        return DigitsValue(token);
    if (token.isEmpty())
        return 2000;
    const int v = DigitsValue(token);
    if (v < 0)
        return -1;
    return v >= 85 ? 1900 + v : 2000 + v;
}

} // namespace

qint32 DayNumberOf(const QDate& date)
{
    const int years = date.year() - 1900;
    return 365 * years + years / 4 + date.dayOfYear() + 1;
}

void DefineToday()
{
    TodayInt = DayNumberOf(platform::CurrentDate());
}

qint32 CIntOfDate(const QString& text, bool* ok)
{
    // The first separator ends the day, the second the month; what comes
    // after the last separator is the year.
    static const QString separators = QStringLiteral(" /\\-");
    QString dayToken, monthToken, token;
    int separatorsSeen = 0;
    for (const QChar c : text.trimmed()) {
        if (!separators.contains(c)) {
            token += c;
            continue;
        }
        ++separatorsSeen;
        if (separatorsSeen == 1)
            dayToken = token;
        else if (separatorsSeen == 2)
            monthToken = token;
        token.clear();
    }

    const QDate date(YearOf(token), MonthOf(monthToken), DigitsValue(dayToken));
    const bool valid = date.isValid() && date.year() >= FirstYear && date.year() <= LastYear;
    if (ok)
        *ok = valid;
    return valid ? DayNumberOf(date) : 0;
}

QString CDate(qint32 dayNumber)
{
    const qint64 m = qint64(dayNumber) - 1;
    const qint64 yearIndex = qint64(std::floor(double(m) / 365.25));
    const qint64 year = 1900 + yearIndex;
    qint64 day = m - qint64(std::floor(double(yearIndex) * 365.25));

    std::array<int, 12> lengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (year % 4 == 0)
        lengths[1] = 29;
    size_t month = 0;
    while (month < 11 && day > lengths[month]) {
        day -= lengths[month];
        ++month;
    }
    return QStringLiteral("%1-%2-%3").arg(day).arg(QLatin1String(MonthNames[month])).arg(year);
}

} // namespace MainM
