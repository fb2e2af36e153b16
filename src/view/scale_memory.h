#pragma once
// Where the window's scale is remembered between starts: a small file of the
// program's own in the user's configuration folder ($XDG_CONFIG_HOME, else
// ~/.config), kolvar/window.conf, as desk/scale_file.h writes it. It is the
// view's own matter: the operator's settings file never holds it.
#include <QString>
#include <optional>

namespace kolvar::view {

// The file's path; empty when the system names no configuration folder.
QString scale_file_path();

// The remembered scale; nothing when the file is missing, unreadable or holds
// no scale that is one of the steps.
std::optional<int> remembered_scale();

// Keeps percent for the next start. A folder that cannot be written leaves
// the scale unremembered and says nothing: the window works on without it.
void remember_scale(int percent);

}  // namespace kolvar::view
