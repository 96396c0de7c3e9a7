#pragma once

namespace MainM {

// "Subjects.txt": one line per subject, its name and its colour number.

// Replaces the subjects table with the file. False, after telling the user,
// when the file cannot be read and the program must end.
bool LoadSubjects();
// Writes the whole table; false (the user told) when it could not be saved.
bool SaveSubjects();

} // namespace MainM
