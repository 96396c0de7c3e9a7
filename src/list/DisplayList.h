#pragma once

namespace MainM {

// Brings the screen up to date with the tables.
void DisplayList();

} // namespace MainM
