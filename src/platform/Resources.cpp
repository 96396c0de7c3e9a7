#include "Resources.h"

namespace platform {

QPixmap Picture(int number)
{
    return QPixmap(QStringLiteral(":/pictures/%1.png").arg(number));
}

} // namespace platform
