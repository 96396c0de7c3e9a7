#pragma once

#include <QFrame>
#include <QPalette>
#include <QRect>
#include <QString>

// Every control stands at the place its window's layout gives and carries
// its name, by which tests find it.
template <typename Control>
Control* Placed(Control* control, const QString& name, const QRect& geometry)
{
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

// A separator line; its shape says which way it runs.
QFrame* AddLine(QWidget* parent, const QString& name, const QRect& geometry, QFrame::Shape shape);

// The colour a label (WindowText) or a text field (Text) draws its text in.
void SetTextColour(QWidget* widget, const QColor& colour,
                   QPalette::ColorRole role = QPalette::WindowText);
