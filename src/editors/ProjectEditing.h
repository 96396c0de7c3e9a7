#pragma once

#include <QtGlobal>

class ProjPropF;

// Adding and editing projects in the modal project editor.
namespace MainM {

// Appends a new project, due today with its weighting not known yet, and
// opens the editor on it; returns when the editor has closed.
void AddProject();
// Opens the editor on the project at that index of Projects; returns when
// the editor has closed.
void EditProject(qint32 index);
// Copies the editor's values into the project at that index.
void UpdateProject(qint32 index, const ProjPropF& editor);

} // namespace MainM
