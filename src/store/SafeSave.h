#pragma once

#include <QByteArray>
#include <QString>

// Writing files so that a crash, a kill or a full disk never leaves a damaged
// file behind. Each returns an empty text on success, else the reason in
// plain words.
namespace MainM {

// The new content goes to a temporary file that replaces the old one only
// once every byte is on the disk.
QString WriteWholeFile(const QString& path, const QByteArray& content);

// Adds whole lines at the end, creating the file when missing. A partial last
// line left by an earlier interrupted append is cut off first; on failure the
// file is cut back to where it was.
QString AppendLines(const QString& path, const QByteArray& lines);

} // namespace MainM
