#include "ProjectsFile.h"

#include "DataFile.h"
#include "Fields.h"
#include "Lines.h"
#include "model/Tables.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace MainM {

namespace {
const QString ProjectsName = QStringLiteral("Projects.txt");
const QString CompletedName = QStringLiteral("Completed.txt");
} // namespace

bool LoadProjects()
{
    const std::optional<QByteArray> bytes = ReadDataFile(ProjectsName);
    if (!bytes) {
        platform::ShowMessage(
            QCoreApplication::translate("MainM", "NilObjectException in LoadProjects"));
        return false;
    }
    const QString text = DecodeText(*bytes);
    const QList<QStringView> lines = SplitLines(text);
    NextProjectID = Wrapped16(LeadingValue(lines.value(0)));
    ClearProjects();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        if (!IsBlankLine(lines[i]))
            AddProjectEntry(ParseProjectLine(lines[i]));
    }
    return true;
}

bool SaveProjects()
{
    // The archive is written first: a crash between the two files can then
    // at worst leave a delivered project in both, never in neither.
    QString archived;
    std::vector<ProjectDef*> newlyArchived;
    QString open = QString::number(NextProjectID) + QStringLiteral("\r\n");
    for (qint32 i = 0; i <= ProjectCount; ++i) {
        ProjectDef& project = *Projects[size_t(i)];
        if (project.ClassV != ClassDelivered) {
            AppendProjectLine(open, project, project.Subject);
        } else if (!project.Archived) {
            AppendProjectLine(archived, project, project.Subject);
            newlyArchived.push_back(&project);
        }
    }
    if (!archived.isEmpty()) {
        if (!AppendDataFile(CompletedName, archived.toUtf8()))
            return false;
        for (ProjectDef* project : newlyArchived)
            project->Archived = true;
    }
    return SaveDataFile(ProjectsName, open.toUtf8());
}

} // namespace MainM
