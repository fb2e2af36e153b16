#include "ui/path_panels.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

namespace kolvar::ui {

namespace fs = std::filesystem;

namespace {

struct Panel {
  form::Control& drive;
  form::Control& dir;
  form::Control& file;
  form::Control& path;
};

Panel panel_of(form::Controller& c, int panel) {
  if (panel == 1) return {c.c(ctl::Drive1), c.c(ctl::Dir1), c.c(ctl::File1), c.c(ctl::LogPath, 1)};
  return {c.c(ctl::Drive2), c.c(ctl::Dir2), c.c(ctl::File2), c.c(ctl::Path)};
}

std::vector<std::string> drives() {
#ifdef _WIN32
  std::vector<std::string> out;
  for (char d = 'A'; d <= 'Z'; ++d) {
    std::string root = std::string(1, d) + ":\\";
    std::error_code ec;
    if (fs::exists(root, ec)) out.push_back(std::string(1, d) + ":");
  }
  return out;
#else
  return {"/"};
#endif
}

struct Listing {
  std::vector<std::string> folders, files;
};

// The folder's entries, or nothing when it cannot be read.
std::optional<Listing> list(const fs::path& folder) {
  std::error_code ec;
  fs::directory_iterator it(folder, fs::directory_options::skip_permission_denied, ec);
  if (ec) return std::nullopt;
  Listing l;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) return std::nullopt;
    std::error_code kind;
    (it->is_directory(kind) ? l.folders : l.files).push_back(it->path().filename().string());
  }
  std::sort(l.folders.begin(), l.folders.end());
  std::sort(l.files.begin(), l.files.end());
  return l;
}

bool show_folder(Panel& p, const fs::path& folder) {
  fs::path normal = folder.lexically_normal();
  auto listing = list(normal);
  if (!listing) return false;
  std::string text = normal.string();
  if (text.size() > 1 && text.back() == fs::path::preferred_separator) text.pop_back();
  p.dir.set_text(text);
  p.dir.set_items(listing->folders);
  p.file.set_items(listing->files);
  p.file.set_text("");
  return true;
}

}  // namespace

void fill_path_panel(form::Controller& c, int panel) {
  Panel p = panel_of(c, panel);
  p.drive.set_items(drives());
  fs::path current = fs::path(p.path.text()).parent_path();
  std::error_code ec;
  if (current.empty() || !show_folder(p, fs::absolute(current, ec))) {
    show_folder(p, fs::current_path(ec));
  }
  p.drive.set_text(fs::path(p.dir.text()).root_name().string() +
                   fs::path(p.dir.text()).root_directory().string());
}

void Drive_Change(form::Controller& c, int panel, const std::string& drive) {
  Panel p = panel_of(c, panel);
  fs::path root = drive;
#ifdef _WIN32
  if (root.root_directory().empty()) root /= "\\";
#endif
  if (show_folder(p, root)) p.drive.set_text(drive);
}

void Dir_Change(form::Controller& c, int panel, const std::string& choice) {
  Panel p = panel_of(c, panel);
  fs::path chosen = choice;
  if (chosen.is_relative()) chosen = fs::path(p.dir.text()) / chosen;
  show_folder(p, chosen);
}

void File_Click(form::Controller& c, int panel, const std::string& name) {
  Panel p = panel_of(c, panel);
  const auto& files = p.file.items();
  if (std::find(files.begin(), files.end(), name) == files.end()) return;
  p.file.set_text(name);
  std::string folder = p.dir.text();
  if (folder.empty() || folder.back() != fs::path::preferred_separator)
    folder += fs::path::preferred_separator;
  p.path.set_text(folder + name);
}

}  // namespace kolvar::ui
