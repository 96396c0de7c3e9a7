#include "Records.h"

void ColourTriplet::SetFromInt(qint32 n)
{
    // Each component keeps the low eight bits of what it is given, so any
    // number, even one from a damaged file, yields some colour.
    Blue = quint8(n / 65536);
    const qint32 r = n - 65536 * Blue;
    Green = quint8(r / 256);
    Red = quint8(r - 256 * (r / 256));
}

qint32 ColourTriplet::getInt() const
{
    return 65536 * Blue + 256 * Green + Red;
}

QColor ColourTriplet::getColor() const
{
    return QColor(Red, Green, Blue);
}
