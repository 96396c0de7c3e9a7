#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

// Dates are held as day numbers, so that the time left is one subtraction:
//   365 * (Y - 1900) + (Y - 1900) / 4 + day of the year + 1.
// The leap day of a year divisible by 4 is counted from its 1 January, so the
// number before that day is skipped and 31 December of such a year shares its
// number with the next 1 January. Stored files depend on this.
namespace MainM {

void DefineToday(); // sets TodayInt from the clock

// A typed date, day month year, separated by any of " /\-"; the month may be
// a number or a name. Returns 0 with *ok false when the text is no date of
// the years 1901 to 2099.
qint32 CIntOfDate(const QString& text, bool* ok = nullptr);

// The date text of a day number, for example 7-Mar-2005.
QString CDate(qint32 dayNumber);

qint32 DayNumberOf(const QDate& date);

} // namespace MainM
