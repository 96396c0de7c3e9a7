#include "ProjPropF.h"

#include "ProjectEditing.h"
#include "list/DisplayList.h"
#include "model/DayNumbers.h"
#include "model/Tables.h"
#include "store/Fields.h"
#include "store/ProjectsFile.h"
#include "windows/Controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace {

// The number the text begins with, rounded down; beyond the weighting's
// 16 bits it stops at the nearest end.
qint16 LeadingWeighting(const QString& text)
{
    return qint16(std::clamp(std::floor(MainM::LeadingNumber(text)), -32768.0, 32767.0));
}

} // namespace

ProjPropF::ProjPropF()
    : Dialog(tr("Project"), {418, 228}, CloseBox::Shown)
    , NameTxt(Placed(new QLineEdit(this), "NameTxt", {72, 6, 132, 20}))
    , SubjectCmb(Placed(new QComboBox(this), "SubjectCmb", {287, 4, 122, 18}))
    , DueDateTxt(Placed(new QLineEdit(this), "DueDateTxt", {72, 36, 132, 20}))
    , WeightTxt(Placed(new QLineEdit(this), "WeightTxt", {287, 36, 122, 20}))
    , ClassCmb(Placed(new QComboBox(this), "ClassCmb", {71, 67, 133, 19}))
    , NotesTxt(Placed(new QPlainTextEdit(this), "NotesTxt", {6, 116, 404, 81}))
    , DoneBut(Placed(new QPushButton(tr("Done"), this), "DoneBut", {323, 201, 87, 20}))
    , DateErrorLbl(AddLabel("DateErrorLbl",
                            tr("Not a date: type it like 7-Mar-2005, 7/3/05 or 7 March 2005"),
                            {6, 201, 310, 20}))
{
    AddLabel("StaticText1", tr("Name:"), {5, 7, 50, 17});
    AddLabel("StaticText2", tr("Subject:"), {216, 6, 54, 19});
    AddLabel("StaticText3", tr("Due Date:"), {5, 37, 63, 17});
    AddLabel("StaticText4", tr("Weighting:"), {216, 36, 68, 19});
    AddLabel("StaticText5", tr("Class:"), {5, 66, 69, 19});
    AddLabel("StaticText6", tr("Notes:"), {5, 99, 75, 19});
    AddLine(this, "Separator1", {7, 96, 403, 1}, QFrame::HLine);

    SubjectCmb->setEditable(true);
    // Enter must not add the typed name as a row of the list.
    SubjectCmb->setInsertPolicy(QComboBox::NoInsert);
    NotesTxt->setTabChangesFocus(true);
    DoneBut->setDefault(true);
    SetTextColour(DateErrorLbl, Qt::red);
    DateErrorLbl->hide();

    connect(WeightTxt, &QLineEdit::textChanged, this, &ProjPropF::WeightTxt_TextChange);
    connect(SubjectCmb, &QComboBox::editTextChanged, this, &ProjPropF::SubjectCmb_TextChanged);
    connect(DueDateTxt, &QLineEdit::textChanged, this, &ProjPropF::DueDateTxt_TextChange);
    connect(DoneBut, &QPushButton::clicked, this, &ProjPropF::DoneBut_Action);
    Open();
}

void ProjPropF::Open()
{
    CentreOnScreen();
}

void ProjPropF::Display()
{
    // Filled with the guard up: a combo box selects and copies its first row
    // as soon as it has one.
    Updating = true;
    const auto sameName = [this](const auto& subject) {
        return subject->SName.compare(Subject, Qt::CaseInsensitive) == 0;
    };
    // A subject that is gone (deleted, renamed) stays on offer as the first
    // row, but is not selected.
    if (std::none_of(MainM::Subjects.begin(), MainM::Subjects.end(), sameName))
        SubjectCmb->addItem(Subject);
    int selected = -1;
    for (qint32 i = 0; i <= MainM::SubjectCount; ++i) {
        SubjectCmb->addItem(MainM::Subjects[size_t(i)]->SName);
        if (sameName(MainM::Subjects[size_t(i)]))
            selected = SubjectCmb->count() - 1; // the last of equal names
    }
    SubjectCmb->setCurrentIndex(selected);
    if (selected < 0)
        SubjectCmb->setEditText(QString());
    for (const char* name : {QT_TR_NOOP("Normal"), QT_TR_NOOP("Important"), QT_TR_NOOP("Urgent"),
                             QT_TR_NOOP("Complete"), QT_TR_NOOP("Delivered")})
        ClassCmb->addItem(tr(name));
    // A class from a damaged file selects no row; Done then keeps it.
    ClassCmb->setCurrentIndex(ClassV >= 0 && ClassV < ClassCmb->count() ? ClassV : -1);
    Updating = false;
    if (selected >= 0)
        SubjectCmb_TextChanged(SubjectCmb->currentText());
    exec();
}

void ProjPropF::WeightTxt_TextChange(const QString& text)
{
    if (text == QLatin1String(" "))
        WeightingV = WeightingNone;
    else if (text == QLatin1String("?"))
        WeightingV = WeightingUnknown;
    else
        WeightingV = LeadingWeighting(text);
}

void ProjPropF::SubjectCmb_TextChanged(const QString& text)
{
    if (!Updating)
        Subject = text;
}

void ProjPropF::DueDateTxt_TextChange()
{
    ShowDateError(false);
}

void ProjPropF::ShowDateError(bool shown)
{
    DateErrorLbl->setVisible(shown);
    QPalette palette;
    if (shown)
        palette.setColor(QPalette::Text, Qt::red);
    DueDateTxt->setPalette(palette); // an empty palette: the usual colours again
}

void ProjPropF::DoneBut_Action()
{
    // A date that reads as no date would silently become some other day.
    bool dateReads = false;
    MainM::CIntOfDate(DueDateTxt->text(), &dateReads);
    if (!dateReads) {
        ShowDateError(true);
        DueDateTxt->setFocus();
        return;
    }
    MainM::UpdateProject(EditID, *this);
    accept();
    MainM::DisplayList();
    MainM::SaveProjects();
}
