#include "ProjectF.h"

#include "editors/ProjectEditing.h"
#include "model/Records.h"
#include "model/Wording.h"
#include "windows/Controls.h"

#include <QLabel>
#include <QMouseEvent>

namespace {

QLabel* MakeLabel(QWidget* strip, const QString& name, const QRect& geometry,
                  Qt::Alignment alignment, int pixelSize)
{
    auto* label = Placed(new QLabel(strip), name, geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    label->setFont(font);
    // A press anywhere on the strip, labels included, belongs to the strip.
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

} // namespace

ProjectF::ProjectF()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    // Created in this order: each label lies over the ones made before it,
    // so the name is written over the large subject.
    , Dayslbl(MakeLabel(this, "Dayslbl", {208, 5, 61, 16}, Qt::AlignRight, 13))
    , Weightlbl(MakeLabel(this, "Weightlbl", {178, 4, 32, 17}, Qt::AlignRight, 13))
    , Subjectlbl(MakeLabel(this, "Subjectlbl", {0, 0, 179, 26}, Qt::AlignRight, 23))
    , Namelbl(MakeLabel(this, "Namelbl", {5, 5, 174, 17}, Qt::AlignLeft, 13))
{
    setWindowTitle(tr("Project"));
    setFixedSize(StripWidth, StripHeight);
    setAutoFillBackground(true);
    for (QLabel* label : {Dayslbl, Weightlbl, Namelbl})
        SetTextColour(label, Qt::black);
}

void ProjectF::SetColour(const ColourTriplet& colour)
{
    Red = colour.Red;
    Green = colour.Green;
    Blue = colour.Blue;
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour.getColor());
    setPalette(palette);

    // On a dark background the texts turn white and the subject is drawn a
    // little lighter; on a light one a little darker.
    const int sum = Red + Green + Blue;
    const bool dark = sum < 300;
    if (dark) {
        for (QLabel* label : {Namelbl, Weightlbl, Dayslbl})
            SetTextColour(label, Qt::white);
    }
    const int shift = dark ? 25 : -30;
    const auto shade = [shift](int component) { return qBound(0, component + shift, 255); };
    SetTextColour(Subjectlbl, QColor(shade(Red), shade(Green), shade(Blue)));
}

void ProjectF::SetTexts(const QString& name, const QString& subject, qint32 weighting, qint16 days)
{
    Namelbl->setText(name);
    Subjectlbl->setText(subject);
    Weightlbl->setText(MainM::ResolveWeighting(weighting));
    Dayslbl->setText(MainM::ResolveDays(days));
}

void ProjectF::Edit()
{
    MainM::EditProject(SuperID);
}

void ProjectF::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    Edit();
}
