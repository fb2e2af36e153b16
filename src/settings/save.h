#pragma once
// The save and the "Применить" buttons that perform it.
#include "form/controller.h"
#include "platform/files/settings_file.h"

namespace kolvar::settings {

inline constexpr char kSavedMessage[] = "Файл настроек сохранен";
inline constexpr char kNotSavedMessage[] = "Файл настроек не сохранен";
// The window's outer size while the main panel shows, in twips.
inline constexpr int kMainWindowWidth = 4185;
inline constexpr int kMainWindowHeight = 5605;

// Back to the main panel with the menus enabled and the window at its main
// size, then "mytunes.log" rewritten whole from the controls. `News` says
// "Файл настроек сохранен", or, when the file could not be written, "Файл
// настроек не сохранен" and the system's reason on a second line (the old
// file stays as it was). A save asked for while the file is open for reading
// leaves it untouched and is not a failure.
void OK_Click(form::Controller& c);
// OK_Click that tells how the writing went, for a caller whose own message
// follows the save's.
platform::SaveResult save_settings(form::Controller& c);

// The settings panel's "Применить": the overheat and cooling-pulse counters
// restart from their settings, then the save.
void OK_set_Click(form::Controller& c);

// The logger program's path panel's "Применить": the save alone.
void OK2_Click(form::Controller& c);

}  // namespace kolvar::settings
