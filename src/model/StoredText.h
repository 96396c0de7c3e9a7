#pragma once

#include <QString>

// Texts are held and stored with "|" for a line break and two single quotes
// for a double quote, so that any text can stand between the quotes of a line
// in a data file.
namespace MainM {

QString CompStr(const QString& text);   // display form to stored form
QString ExpandStr(const QString& text); // stored form to display form

} // namespace MainM
