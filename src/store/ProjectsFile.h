#pragma once

namespace MainM {

// Reads "Projects.txt" into the projects table. False, after telling the
// user, when the file cannot be read and the program must end.
bool LoadProjects();

} // namespace MainM
