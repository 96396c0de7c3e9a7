#pragma once

namespace MainM {

// Reads the two view settings from "Portable Settings", or the defaults.
void LoadSettings();

} // namespace MainM
