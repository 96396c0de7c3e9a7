#pragma once

#include <QPixmap>

namespace platform {

// A picture among the program's own resources, by its number.
QPixmap Picture(int number);

} // namespace platform
