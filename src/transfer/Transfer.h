#pragma once

#include "model/Records.h"

#include <QString>

#include <memory>
#include <vector>

// Export of one subject with its projects to a transfer file, and import of
// such a file into this data store.
namespace MainM {

// Asks where to save and writes the subject at that index of Subjects with
// its undelivered projects, under `newName`, or under its own name when
// `newName` is empty.
void ExportSubject(qint32 index, const QString& newName);

// The projects whose subject is that name (ignoring case), in table order;
// the table's own records.
std::vector<std::shared_ptr<ProjectDef>> FindProjectsBySubject(const QString& name);

// Asks for a transfer file, checks it whole, adds its subject and projects,
// rebuilds the list and saves both data files.
void ImportSubject();

} // namespace MainM
