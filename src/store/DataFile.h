#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The files of the data store, by name.
namespace MainM {

// The file in DataRoot whose name matches in any letter case (the store may
// come from a system whose file names ignore case), else one of that name.
QString DataFilePath(const QString& name);

// The whole file, or nothing when it cannot be opened.
std::optional<QByteArray> ReadDataFile(const QString& name);

// Replace, or append to, a data file. On failure the user is told once, the
// planner's tables stay as they are and the next save tries again.
bool SaveDataFile(const QString& name, const QByteArray& content);
bool AppendDataFile(const QString& name, const QByteArray& lines);

} // namespace MainM
