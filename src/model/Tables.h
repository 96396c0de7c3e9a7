#pragma once

#include "Records.h"
#include "platform/FolderItem.h"

#include <memory>
#include <vector>

// The planner's state. Windows and operations share these records by
// reference; a counter is the index of the last entry, -1 for none.
namespace MainM {

extern std::vector<std::shared_ptr<ProjectDef>> Projects;
extern qint32 ProjectCount;
extern std::vector<std::shared_ptr<SubjectDef>> Subjects;
extern qint32 SubjectCount;
extern qint16 NextProjectID;
extern platform::FolderItem DataRoot;
extern qint32 TodayInt;
extern qint32 ViewMode;     // 0 column view, otherwise time-line view
extern quint8 DaysView;     // 0 days, 1 weeks and days, 2 weeks
extern quint8 DaysViewDays; // threshold in days for DaysView 2

// Append a record, keeping its counter in step.
void AddProjectEntry(std::shared_ptr<ProjectDef> project);
void AddSubjectEntry(std::shared_ptr<SubjectDef> subject);
void RemoveSubjectEntry(qint32 index);
void ClearProjects();
void ClearSubjects();

// The ID for a new project; 32767 is followed by 0, never a negative ID.
qint16 IssueProjectID();

// The subject of that name (ignoring case), or a stand-alone grey "No Name"
// subject that is not in the table.
std::shared_ptr<SubjectDef> FindSubject(const QString& name);
std::shared_ptr<SubjectDef> BasicSubject();

} // namespace MainM
