#pragma once

namespace MainM {

// Reads "Subjects.txt" into the subjects table. False, after telling the
// user, when the file cannot be read and the program must end.
bool LoadSubjects();

} // namespace MainM
