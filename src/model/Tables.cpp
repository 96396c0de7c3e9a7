#include "Tables.h"

namespace MainM {

std::vector<std::shared_ptr<ProjectDef>> Projects;
qint32 ProjectCount = -1;
std::vector<std::shared_ptr<SubjectDef>> Subjects;
qint32 SubjectCount = -1;
qint16 NextProjectID = 0;
platform::FolderItem DataRoot;
qint32 TodayInt = 0;
qint32 ViewMode = 0;
quint8 DaysView = 1;
quint8 DaysViewDays = 14;

void AddProjectEntry(std::shared_ptr<ProjectDef> project)
{
    Projects.push_back(std::move(project));
    ProjectCount = qint32(Projects.size()) - 1;
}

void AddSubjectEntry(std::shared_ptr<SubjectDef> subject)
{
    Subjects.push_back(std::move(subject));
    SubjectCount = qint32(Subjects.size()) - 1;
}

void RemoveSubjectEntry(qint32 index)
{
    Subjects.erase(Subjects.begin() + index);
    SubjectCount = qint32(Subjects.size()) - 1;
}

void ClearProjects()
{
    Projects.clear();
    ProjectCount = -1;
}

void ClearSubjects()
{
    Subjects.clear();
    SubjectCount = -1;
}

qint16 IssueProjectID()
{
    const qint16 id = NextProjectID;
    NextProjectID = id == 32767 ? 0 : qint16(id + 1);
    return id;
}

std::shared_ptr<SubjectDef> FindSubject(const QString& name)
{
    for (qint32 i = 0; i <= SubjectCount; ++i) {
        if (Subjects[size_t(i)]->SName.compare(name, Qt::CaseInsensitive) == 0)
            return Subjects[size_t(i)];
    }
    return BasicSubject();
}

std::shared_ptr<SubjectDef> BasicSubject()
{
    auto subject = std::make_shared<SubjectDef>();
    subject->SName = QStringLiteral("No Name");
    subject->Colour = std::make_shared<ColourTriplet>(ColourTriplet{128, 128, 128});
    return subject;
}

} // namespace MainM
