#pragma once

#include "platform/FolderItem.h"

#include <QString>

// From program start to the first display of the list: find or create the
// data store, make sure its two essential files exist, load, display.
namespace MainM {

// The whole start-up. False when the program must end; every message has
// been shown by then.
bool Main();

// Looks for "Ferrowind/Duetide" beside the program and creates it when
// missing; sets DataRoot on success.
bool FindDataPath();
// Asks the user for the data store; sets DataRoot (to nothing on cancel).
bool PromptDataPath();
// Creates "Projects.txt" and "Subjects.txt" when missing; true when both
// are there afterwards.
bool CheckFiles(const platform::FolderItem& folder);
void BadDataStoreMessage();

bool AllNum(const QString& text);
// True for a staff member's home folder: the staff-path prefix followed by
// exactly one folder name.
bool StaffPath(const QString& absolutePath);
qint32 CharCount(const QString& text, const QString& character);

QString StaffPathPrefix();

} // namespace MainM
