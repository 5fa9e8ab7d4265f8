#pragma once

// The folder below the user's application-data folder that holds the
// program's settings file and the user's own colour forms.
inline constexpr const char* SettingsSubfolder = "Quenlar\\Tintwell";
