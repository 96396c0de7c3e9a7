#include "SubjManageF.h"

#include "SubjectEditing.h"
#include "Swatch.h"
#include "list/DisplayList.h"
#include "model/Tables.h"
#include "store/SubjectsFile.h"
#include "windows/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

QPointer<SubjManageF> SubjManageF::s_current;

SubjManageF::SubjManageF()
    : Dialog(tr("Edit Subjects"), {247, 68}, CloseBox::Shown)
    , SubjectCmb(Placed(new QComboBox(this), "SubjectCmb", {6, 7, 130, 20}))
    , ColourRect(Placed(new Swatch(Swatch::Shape::Rounded, this), "ColourRect", {143, 9, 96, 18}))
    , EditBut(Placed(new QPushButton(tr("Edit"), this), "EditBut", {9, 37, 70, 22}))
    , DelBut(Placed(new QPushButton(tr("Delete"), this), "DelBut", {86, 37, 70, 22}))
    , VisiChk(Placed(new QCheckBox(tr("Visible"), this), "VisiChk", {168, 41, 75, 14}))
{
    s_current = this;
    // The buttons act on the chosen row only, never on typed text, and typing
    // must not add rows: row k stays subject k.
    SubjectCmb->setEditable(true);
    SubjectCmb->setInsertPolicy(QComboBox::NoInsert);
    EditBut->setAutoDefault(false);
    DelBut->setAutoDefault(false);

    connect(SubjectCmb, &QComboBox::currentIndexChanged, this, &SubjManageF::SubjectCmb_Change);
    connect(EditBut, &QPushButton::clicked, this, &SubjManageF::EditBut_Action);
    connect(DelBut, &QPushButton::clicked, this, &SubjManageF::DelBut_Action);
    connect(VisiChk, &QCheckBox::toggled, this, &SubjManageF::VisiChk_Action);
    Open();
}

SubjManageF::~SubjManageF() = default;

SubjManageF* SubjManageF::Current()
{
    return s_current;
}

void SubjManageF::Open()
{
    Updating = true;
    FillList();
    SubjectCmb->setCurrentIndex(-1);
    Updating = false;
    if (MainM::SubjectCount >= 0)
        SubjectCmb->setCurrentIndex(0);
    CentreOnScreen();
}

void SubjManageF::FillList()
{
    for (qint32 i = 0; i <= MainM::SubjectCount; ++i)
        SubjectCmb->addItem(MainM::Subjects[size_t(i)]->SName);
}

void SubjManageF::SubjectCmb_Change()
{
    const int row = SubjectCmb->currentIndex();
    if (Updating || row < 0)
        return;
    const SubjectDef& subject = *MainM::Subjects[size_t(row)];
    ColourRect->SetFill(subject.Colour->getColor());
    VisiChk->setChecked(!subject.Invisible);
}

void SubjManageF::EditBut_Action()
{
    const int row = SubjectCmb->currentIndex();
    if (row >= 0)
        MainM::EditSubject(row, true);
}

void SubjManageF::DelBut_Action()
{
    const int row = SubjectCmb->currentIndex();
    if (row < 0 || MainM::SubjectCount == -1)
        return;
    Updating = true;
    SubjectCmb->clear();
    MainM::RemoveSubjectEntry(row);
    FillList();
    SubjectCmb->setCurrentIndex(-1);
    Updating = false;
    if (MainM::SubjectCount >= 0)
        SubjectCmb->setCurrentIndex(0);
}

void SubjManageF::VisiChk_Action()
{
    const int row = SubjectCmb->currentIndex();
    if (MainM::SubjectCount == -1 || row < 0)
        return;
    MainM::Subjects[size_t(row)]->Invisible = !VisiChk->isChecked();
}

void SubjManageF::VisiChk_Close()
{
    MainM::DisplayList();
}

void SubjManageF::Closing()
{
    VisiChk_Close();
    MainM::SortSubjects();
    MainM::SaveSubjects();
}
