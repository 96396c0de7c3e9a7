#include "ProjectsFile.h"
#include "SettingsFile.h"
#include "SubjectsFile.h"

// The data files arrive in a later step; until then a store loads empty.
namespace MainM {

bool LoadSubjects()
{
    return true;
}

bool LoadProjects()
{
    return true;
}

void LoadSettings() {}

} // namespace MainM
