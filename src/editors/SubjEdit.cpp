#include "SubjEdit.h"

#include "SubjManageF.h"
#include "SubjectEditing.h"
#include "Swatch.h"
#include "list/DisplayList.h"
#include "model/Records.h"
#include "store/SubjectsFile.h"
#include "windows/Controls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include <cstdlib>

SubjEdit::SubjEdit()
    : Dialog(tr("Subject"), {231, 241}, CloseBox::None)
    , SNameTxt(Placed(new QLineEdit(this), "SNameTxt", {109, 7, 114, 21}))
    , ColourRect(Placed(new Swatch(Swatch::Shape::Rounded, this), "ColourRect", {109, 34, 114, 18}))
    , DoneBut(Placed(new QPushButton(tr("Done"), this), "DoneBut", {108, 211, 115, 22}))
{
    AddLabel("StaticText1", tr("Subject Name:"), {7, 6, 94, 18});
    AddLabel("StaticText2", tr("Colour:"), {7, 34, 94, 16});

    // Each bar stands 10 pixels into its swatch, so the component's colour
    // shows on both sides. The bar's value is the component negated: the
    // thumb at the top is full intensity.
    for (int i = 0; i < 3; ++i) {
        const int left = 109 + 38 * i;
        CRect[size_t(i)] = Placed(new Swatch(Swatch::Shape::Plain, this),
                                  QStringLiteral("CRect%1").arg(i), {left, 59, 36, 143});
        QScrollBar* bar = Placed(new QScrollBar(Qt::Vertical, this),
                                 QStringLiteral("CScroll%1").arg(i), {left + 10, 59, 16, 143});
        bar->setRange(-255, 0);
        bar->setSingleStep(1);
        bar->setPageStep(20);
        bar->setTracking(false);
        connect(bar, &QScrollBar::valueChanged, this, &SubjEdit::CScroll_ValueChanged);
        CScroll[size_t(i)] = bar;
    }

    DoneBut->setAutoDefault(false);
    connect(DoneBut, &QPushButton::clicked, this, &SubjEdit::DoneBut_Action);
    Open();
}

void SubjEdit::Open()
{
    if (!Colour)
        Colour = std::make_shared<ColourTriplet>(ColourTriplet{127, 127, 127});
    CentreOnScreen();
}

void SubjEdit::reject() {}

void SubjEdit::UpdateCol()
{
    // Without the guard, setting the first bar would read the other two while
    // they still hold the previous colour.
    Updating = true;
    CScroll[0]->setValue(-Colour->Red);
    CScroll[1]->setValue(-Colour->Green);
    CScroll[2]->setValue(-Colour->Blue);
    ShowColour();
    Updating = false;
}

void SubjEdit::ShowColour()
{
    ColourRect->SetFill(Colour->getColor());
    CRect[0]->SetFill(QColor(Colour->Red, 0, 0));
    CRect[1]->SetFill(QColor(0, Colour->Green, 0));
    CRect[2]->SetFill(QColor(0, 0, Colour->Blue));
}

void SubjEdit::CScroll_ValueChanged()
{
    if (Updating)
        return;
    Colour->Red = quint8(std::abs(CScroll[0]->value()));
    Colour->Green = quint8(std::abs(CScroll[1]->value()));
    Colour->Blue = quint8(std::abs(CScroll[2]->value()));
    ShowColour();
}

void SubjEdit::DoneBut_Action()
{
    MainM::UpdateSubject(EditID, *this);
    accept();
    // From the manager, only its swatch follows; the manager sorts, saves and
    // rebuilds the list when it closes.
    if (FromSubjManage) {
        if (SubjManageF* manager = SubjManageF::Current())
            manager->ColourRect->SetFill(Colour->getColor());
        return;
    }
    MainM::SortSubjects();
    MainM::SaveSubjects();
    MainM::DisplayList();
}
