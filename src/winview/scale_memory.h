#pragma once
// Where the window's scale is remembered between starts on Windows: the
// user's roaming application data (%APPDATA%), Kolvar\window.conf, as
// desk/scale_file.h writes it. Without APPDATA the scale is not remembered.
#include <filesystem>
#include <optional>

namespace kolvar::winview {

// The file's path; nothing when the environment names no APPDATA.
std::optional<std::filesystem::path> scale_file_path();

// The remembered scale; nothing when there is none that is one of the steps.
std::optional<int> remembered_scale();

// Keeps percent for the next start; a file that cannot be written leaves
// it unremembered, and the window works on.
void remember_scale(int percent);

}  // namespace kolvar::winview
