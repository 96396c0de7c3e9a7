#pragma once

#include <QtGlobal>

// Adding and editing projects in the modal project editor.
namespace MainM {

// Appends a new project due today and opens the editor on it.
void AddProject();
// Opens the editor on the project at that index of Projects; returns when
// the editor has closed.
void EditProject(qint32 index);

} // namespace MainM
