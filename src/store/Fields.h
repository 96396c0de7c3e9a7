#pragma once

#include <QStringView>
#include <QtGlobal>

// Numbers in the data files: plain decimal integers between commas.
namespace MainM {

// Optional blanks, an optional "-", ASCII digits, optional blanks.
bool IsNumeric(QStringView field);

// The number that the start of the field spells (after blanks, an optional
// "-" and digits, up to the first other character); 0 when there is none.
// Beyond the range of 64 bits it saturates.
qint64 LeadingValue(QStringView field);

qint32 Saturated32(qint64 value);
qint16 Saturated16(qint64 value);
// "Kept to 16 bits": the low 16 bits, as the project IDs always were.
qint16 Wrapped16(qint64 value);

} // namespace MainM
