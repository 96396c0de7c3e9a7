#include "ProjectEditing.h"

#include "ProjPropF.h"
#include "model/DayNumbers.h"
#include "model/StoredText.h"
#include "model/Tables.h"
#include "model/Wording.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace MainM {

void AddProject()
{
    auto project = std::make_shared<ProjectDef>();
    project->DueDate = TodayInt;
    project->Weighting = WeightingUnknown;
    project->ID = IssueProjectID();
    AddProjectEntry(std::move(project));
    EditProject(ProjectCount);
}

void EditProject(qint32 index)
{
    if (index < 0 || index > ProjectCount)
        return;
    const ProjectDef& project = *Projects[size_t(index)];
    ProjPropF editor;
    editor.NameTxt->setText(project.PName);
    editor.Subject = project.Subject;
    editor.WeightTxt->setText(ResolveWeighting(project.Weighting));
    editor.ClassV = project.ClassV;
    editor.NotesTxt->setPlainText(ExpandStr(project.Description));
    editor.DueDateTxt->setText(CDate(project.DueDate));
    editor.EditID = qint16(index);
    editor.Display();
}

void UpdateProject(qint32 index, const ProjPropF& editor)
{
    ProjectDef& project = *Projects[size_t(index)];
    project.PName = CompStr(editor.NameTxt->text());
    project.Subject = CompStr(editor.Subject);
    if (editor.ClassCmb->currentIndex() >= 0)
        project.ClassV = qint16(editor.ClassCmb->currentIndex());
    project.Weighting = editor.WeightingV;
    project.Description = CompStr(editor.NotesTxt->toPlainText());
    project.DueDate = CIntOfDate(editor.DueDateTxt->text());
}

} // namespace MainM
