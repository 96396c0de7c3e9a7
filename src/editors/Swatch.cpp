#include "Swatch.h"

#include <QPainter>

Swatch::Swatch(Shape shape, QWidget* parent)
    : QWidget(parent)
    , m_shape(shape)
{}

void Swatch::SetFill(const QColor& colour)
{
    m_fill = colour;
    update();
}

void Swatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_shape == Shape::Plain) {
        painter.fillRect(rect(), m_fill);
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(m_fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}
