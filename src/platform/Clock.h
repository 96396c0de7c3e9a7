#pragma once

#include <QDate>

namespace platform {

// Today's local date; a test may pin it (an invalid date returns to the
// system clock).
QDate CurrentDate();
void SetCurrentDate(const QDate& date);

} // namespace platform
