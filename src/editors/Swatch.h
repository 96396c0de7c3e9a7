#pragma once

#include <QColor>
#include <QWidget>

// A rectangle filled with one colour; the rounded kind has a one-pixel black
// border and corners of 16 by 16.
class Swatch : public QWidget
{
    Q_OBJECT

public:
    enum class Shape { Plain, Rounded };
    Swatch(Shape shape, QWidget* parent);

    void SetFill(const QColor& colour);
    QColor Fill() const { return m_fill; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Shape m_shape;
    QColor m_fill = Qt::white;
};
