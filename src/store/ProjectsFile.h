#pragma once

namespace MainM {

// "Projects.txt": the next project ID, then one line per open project.
// "Completed.txt": the archive of delivered projects, only ever appended to.

// Replaces NextProjectID and the projects table with "Projects.txt". False,
// after telling the user, when the file cannot be read and the program must
// end.
bool LoadProjects();
// Archives the delivered projects not yet archived, then rewrites
// "Projects.txt"; false (the user told) when either could not be saved.
bool SaveProjects();

} // namespace MainM
