#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// Numbers in the data files, plain decimal integers between commas, and
// numbers typed by the user.
namespace MainM {

// Optional blanks, an optional "-", ASCII digits, optional blanks.
bool IsNumeric(QStringView field);

// The number that the start of the field spells (after blanks, an optional
// "-" and digits, up to the first other character); 0 when there is none.
// Beyond the range of 64 bits it saturates.
qint64 LeadingValue(QStringView field);

// The decimal number a typed text begins with (blanks, a sign, digits, a
// fraction); 0 when it begins with none.
double LeadingNumber(const QString& text);

qint32 Saturated32(qint64 value);
qint16 Saturated16(qint64 value);
// "Kept to 16 bits": the low 16 bits, as the project IDs always were.
qint16 Wrapped16(qint64 value);

} // namespace MainM
