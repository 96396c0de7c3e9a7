#include "AboutF.h"

#include "Controls.h"
#include "platform/Resources.h"

#include <QLabel>
#include <QPainter>

const QPixmap& AboutBox()
{
    static const QPixmap picture = platform::Picture(168);
    return picture;
}

namespace {

QLabel* Line(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
             Qt::Alignment alignment, const QColor& colour, int pixelSize)
{
    auto* label = Placed(new QLabel(text, parent), name, geometry);
    label->setAlignment(alignment | Qt::AlignVCenter);
    SetTextColour(label, colour);
    QFont font = label->font();
    if (pixelSize > 0)
        font.setPixelSize(pixelSize);
    label->setFont(font);
    return label;
}

const QColor Slate(111, 126, 145);

} // namespace

AboutF::AboutF()
    : Dialog(tr("About"), {219, 149}, CloseBox::Shown)
    , Verlbl(Line(this, "Verlbl", {}, {8, 128, 122, 20}, Qt::AlignLeft, Slate, 0))
    , DateLbl(Line(this, "DateLbl", {}, {92, 128, 119, 20}, Qt::AlignRight, Slate, 12))
{
    Line(this, "StaticText4", tr("By the Duetide team"), {8, 34, 203, 20}, Qt::AlignLeft, Qt::black,
         14);
    Line(this, "StaticText1", tr("With thanks to our first testers"), {8, 68, 203, 20},
         Qt::AlignLeft, Qt::black, 12);
    Open();
}

void AboutF::Open()
{
    CentreOnScreen();
    DateLbl->setText(tr("8th Nov 2005"));
    Verlbl->setText(tr("Version %1.%2").arg(DUETIDE_VERSION_MAJOR).arg(DUETIDE_VERSION_MINOR));
}

void AboutF::paintEvent(QPaintEvent*)
{
    QPainter(this).drawPixmap(0, 0, AboutBox());
}
