#include "ProjectEditing.h"

// The project editor arrives in the next step.
namespace MainM {

void AddProject() {}

void EditProject(qint32) {}

} // namespace MainM
