#include "Clock.h"

namespace platform {

namespace {
QDate pinnedDate;
}

QDate CurrentDate()
{
    return pinnedDate.isValid() ? pinnedDate : QDate::currentDate();
}

void SetCurrentDate(const QDate& date)
{
    pinnedDate = date;
}

} // namespace platform
