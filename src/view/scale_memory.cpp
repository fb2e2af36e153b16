#include "view/scale_memory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include "view/scale_steps.h"

namespace kolvar::view {

namespace {

constexpr char kKey[] = "scale";
// A file of the program's own is a few bytes; anything much longer is not it.
constexpr qint64 kLongestFile = 4096;

}  // namespace

QString scale_file_path() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) return {};
  return folder + QStringLiteral("/kolvar/window.conf");
}

std::optional<int> remembered_scale() {
  QFile file(scale_file_path());
  if (file.fileName().isEmpty() || !file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray content = file.read(kLongestFile + 1);
  if (content.size() > kLongestFile) return std::nullopt;
  for (const QByteArray& line : content.split('\n')) {
    const qsizetype equals = line.indexOf('=');
    if (equals < 0 || line.left(equals).trimmed() != kKey) continue;
    bool number = false;
    const int percent = line.mid(equals + 1).trimmed().toInt(&number);
    if (number && is_scale_step(percent)) return percent;
    return std::nullopt;
  }
  return std::nullopt;
}

void remember_scale(int percent) {
  const QString path = scale_file_path();
  if (path.isEmpty() || !QDir().mkpath(QFileInfo(path).path())) return;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return;
  file.write(
      "# The scale of Kolvar's window in percent: Ctrl++ and Ctrl+- change it, Ctrl+0 is 100.\n");
  file.write(QByteArray(kKey) + '=' + QByteArray::number(percent) + '\n');
  file.commit();
}

}  // namespace kolvar::view
