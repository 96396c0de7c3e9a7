#include "SubjectEditing.h"

#include "SubjEdit.h"
#include "model/StoredText.h"
#include "model/Tables.h"

#include <QLineEdit>

#include <algorithm>

namespace MainM {

void AddSubject()
{
    std::shared_ptr<SubjectDef> subject = BasicSubject();
    subject->SName.clear();
    AddSubjectEntry(std::move(subject));
    EditSubject(SubjectCount, false);
}

void EditSubject(qint32 index, bool fromManager)
{
    if (SubjectCount < 0 || index < 0 || index > SubjectCount)
        return;
    const SubjectDef& subject = *Subjects[size_t(index)];
    SubjEdit editor;
    editor.Colour = subject.Colour;
    editor.SNameTxt->setText(CompStr(subject.SName));
    editor.EditID = index;
    editor.UpdateCol();
    editor.FromSubjManage = fromManager;
    editor.exec();
}

void UpdateSubject(qint32 index, const SubjEdit& editor)
{
    SubjectDef& subject = *Subjects[size_t(index)];
    subject.SName = CompStr(editor.SNameTxt->text());
    subject.Colour = editor.Colour;
}

void SortSubjects()
{
    std::stable_sort(Subjects.begin(), Subjects.end(), [](const auto& a, const auto& b) {
        return a->SName.compare(b->SName, Qt::CaseInsensitive) < 0;
    });
}

} // namespace MainM
