#include "SubjSelectF.h"

#include "Transfer.h"
#include "model/StoredText.h"
#include "model/Tables.h"
#include "windows/Controls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

SubjSelectF::SubjSelectF()
    : Dialog(tr("Select Subject"), {325, 123}, CloseBox::Shown)
    , SubjectCmb(Placed(new QComboBox(this), "SubjectCmb", {6, 27, 310, 19}))
    , ChNameChk(Placed(new QCheckBox(tr("Change name of subject to"), this), "ChNameChk",
                       {12, 57, 192, 20}))
    , ChNameTxt(Placed(new QLineEdit(this), "ChNameTxt", {205, 57, 110, 19}))
    , PushButton1(Placed(new QPushButton(tr("Select"), this), "PushButton1", {5, 90, 310, 20}))
{
    AddLabel("StaticText1", tr("Please select the subject that you wish to export."),
             {5, 4, 312, 20});
    PushButton1->setDefault(true);
    connect(ChNameTxt, &QLineEdit::textChanged, this, &SubjSelectF::ChNameTxt_TextChange);
    connect(PushButton1, &QPushButton::clicked, this, &SubjSelectF::PushButton1_Action);
    Open();
}

void SubjSelectF::Open()
{
    CentreOnScreen();
    for (qint32 i = 0; i <= MainM::SubjectCount; ++i)
        SubjectCmb->addItem(MainM::Subjects[size_t(i)]->SName); // hidden ones too
    if (MainM::SubjectCount >= 0)
        SubjectCmb->setCurrentIndex(0);
    // With nothing to choose there is nothing to export.
    PushButton1->setEnabled(MainM::SubjectCount >= 0);
}

void SubjSelectF::ChNameTxt_TextChange(const QString& text)
{
    ChNameChk->setChecked(!text.isEmpty());
}

void SubjSelectF::PushButton1_Action()
{
    const int row = SubjectCmb->currentIndex();
    if (row < 0)
        return;
    // The typed name is held like every other name, so that a double quote
    // in it cannot cut the name short when the file is read.
    QString name;
    if (ChNameChk->isChecked())
        name =
            ChNameTxt->text().isEmpty() ? QStringLiteral(" ") : MainM::CompStr(ChNameTxt->text());
    MainM::ExportSubject(row, name);
    accept();
}
