#pragma once
// The two path panels: a drive list, a folder list and a file list linked so
// that choosing a drive lists its folders, choosing a folder lists its files,
// and choosing a file sets the path text.
#include <string>

#include "form/controller.h"

namespace kolvar::ui {

// Fills panel 1 (the logger's log, `LogPath(1)`) or 2 (the logger program,
// `Path`) from the folder of its path text, or the working folder when that
// cannot be read.
void fill_path_panel(form::Controller& c, int panel);

// The operator's choice in a list of panel 1 or 2; a drive or folder that
// cannot be read leaves the lists as they were.
void Drive_Change(form::Controller& c, int panel, const std::string& choice);
void Dir_Change(form::Controller& c, int panel, const std::string& choice);
void File_Click(form::Controller& c, int panel, const std::string& choice);

}  // namespace kolvar::ui
