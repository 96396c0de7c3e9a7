#pragma once

#include <QtGlobal>

class SubjEdit;

// Adding and editing subjects.
namespace MainM {

// Appends a new grey subject with an empty name and opens the subject editor
// on it; returns when the editor has closed.
void AddSubject();
// Opens the subject editor on the subject at that index of Subjects;
// `fromManager` when the subject manager asked.
void EditSubject(qint32 index, bool fromManager);
// Copies the editor's name (in stored-text form) and colour into the subject.
void UpdateSubject(qint32 index, const SubjEdit& editor);
// Orders Subjects by name ignoring letter case; equal names keep their order.
void SortSubjects();

} // namespace MainM
