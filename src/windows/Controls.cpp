#include "Controls.h"

#include <QWidget>

QFrame* AddLine(QWidget* parent, const QString& name, const QRect& geometry, QFrame::Shape shape)
{
    auto* line = Placed(new QFrame(parent), name, geometry);
    line->setFrameShape(shape);
    return line;
}

void SetTextColour(QWidget* widget, const QColor& colour, QPalette::ColorRole role)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
