#pragma once

#include "FolderItem.h"

#include <QString>

// What the program needs to know about the machine it runs on, with the
// overrides that let a test run the whole start-up inside a temporary folder.
namespace platform {

FolderItem ApplicationFile();
QString VolumeTopOf(const QString& path);
QString HomeFolder();

struct HostOverride
{
    QString applicationFile;
    QString volumeTop; // every path below it counts as on this volume
    QString homeFolder;
};
void SetHostOverride(const HostOverride& host);
void ClearHostOverride();

// Ends the program. Safe before the event loop has started: main() asks
// QuitRequested() before it enters the loop.
void Quit();
bool QuitRequested();
void ResetQuitRequest();

} // namespace platform
