#pragma once

namespace MainM {

// "Portable Settings": the two view settings that outlast a run, kept in the
// data store so that they travel with it.

// Sets DaysView and DaysViewDays from the file, or to 1 and 14.
void LoadSettings();
// False (the user told) when the file could not be saved.
bool SaveSettings();

} // namespace MainM
