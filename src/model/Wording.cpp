#include "Wording.h"

#include "Records.h"
#include "Tables.h"

#include <QCoreApplication>

#include <cstdlib>

namespace MainM {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("MainM", text);
}

} // namespace

QString ResolveDays(qint16 days)
{
    const int magnitude = std::abs(int(days));
    if (DaysView == 2 && magnitude >= DaysViewDays) {
        const int weeks = days / 7;
        return QString::number(weeks) + (std::abs(weeks) == 1 ? tr(" Week") : tr(" Weeks"));
    }
    if (DaysView == 1 && magnitude >= 7) {
        return QString::number(days / 7) + tr(" W  ") + QString::number(days % 7) + tr(" D");
    }
    if (days == 0)
        return tr("Today");
    return QString::number(days) + (magnitude == 1 ? tr(" Day") : tr(" Days"));
}

QString ResolveWeighting(qint32 weighting)
{
    if (weighting >= 0)
        return QString::number(weighting) + QLatin1Char('%');
    if (weighting == WeightingNone)
        return {};
    return QStringLiteral("?");
}

} // namespace MainM
