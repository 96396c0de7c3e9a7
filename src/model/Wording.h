#pragma once

#include <QString>
#include <QtGlobal>

// The short texts a strip shows: the time left and the weighting.
namespace MainM {

// Worded as DaysView says: days, weeks and days, or weeks from the
// DaysViewDays threshold on.
QString ResolveDays(qint16 days);
// "10%", "?" when not known yet, nothing for no weighting.
QString ResolveWeighting(qint32 weighting);

} // namespace MainM
