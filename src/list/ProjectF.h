#pragma once

#include <QWidget>

class ColourTriplet;
class QLabel;

// One project on the screen: a borderless strip in its subject's colour with
// the name written over the subject, the weighting and the time left.
// Pressing it opens the project's editor.
class ProjectF : public QWidget
{
    Q_OBJECT

public:
    static constexpr int StripWidth = 276;
    static constexpr int StripHeight = 26;

    ProjectF();

    void SetColour(const ColourTriplet& colour);
    void SetTexts(const QString& name, const QString& subject, qint32 weighting, qint16 days);
    void Edit();

    quint8 Red = 0;
    quint8 Green = 0;
    quint8 Blue = 0;
    qint32 SuperID = 0; // index of its project in Projects since the last rebuild

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QLabel* Dayslbl;
    QLabel* Weightlbl;
    QLabel* Subjectlbl;
    QLabel* Namelbl;
};
