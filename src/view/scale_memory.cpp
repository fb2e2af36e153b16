#include "view/scale_memory.h"

#include <QFile>
#include <QStandardPaths>

#include "desk/scale_file.h"

namespace kolvar::view {

namespace {

std::filesystem::path file_path() {
  return QFile::encodeName(scale_file_path()).toStdString();
}

}  // namespace

QString scale_file_path() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) return {};
  return folder + QStringLiteral("/kolvar/window.conf");
}

std::optional<int> remembered_scale() {
  if (scale_file_path().isEmpty()) return std::nullopt;
  return desk::read_scale_file(file_path());
}

void remember_scale(int percent) {
  if (!scale_file_path().isEmpty()) desk::write_scale_file(file_path(), percent);
}

}  // namespace kolvar::view
