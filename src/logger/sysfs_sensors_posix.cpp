#include "logger/sysfs_sensors.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

namespace kolvar::logger {

namespace fs = std::filesystem;

namespace {

// Far more than either file ever holds; a fake tree cannot make us read a
// huge file.
constexpr std::size_t kMaxFileBytes = 4096;

struct FileText {
  int error = 0;  // errno of the open or read, 0 when read
  std::string text;
};

// Plain POSIX reads, since a sysfs attribute reports a failed conversion as
// a read error that a stream would hide.
FileText read_small_file(const fs::path& path) {
  FileText result;
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    result.error = errno;
    return result;
  }
  char buffer[kMaxFileBytes];
  std::size_t size = 0;
  while (size < sizeof buffer) {
    const ssize_t n = ::read(fd, buffer + size, sizeof buffer - size);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      result.error = errno;
      break;
    }
    if (n == 0) break;
    size += static_cast<std::size_t>(n);
  }
  ::close(fd);
  if (result.error == 0) result.text.assign(buffer, size);
  return result;
}

bool missing(int error) {
  return error == ENOENT || error == ENOTDIR;
}

}  // namespace

std::vector<std::string> find_sensors(const fs::path& root) {
  std::vector<std::string> ids;
  std::error_code ec;
  for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::path folder = it->path();
    std::error_code ignored;
    if (fs::exists(folder / "temperature", ignored) || fs::exists(folder / "w1_slave", ignored)) {
      ids.push_back(folder.filename().string());
    }
  }
  std::sort(ids.begin(), ids.end());
  return ids;
}

Reading read_sensor(const fs::path& root, const std::string& id) {
  const fs::path folder = root / id;
  FileText file = read_small_file(folder / "temperature");
  if (file.error == 0) return parse_temperature_file(file.text);
  if (!missing(file.error)) return {Fault::kUnreadable, 0};
  file = read_small_file(folder / "w1_slave");
  if (file.error == 0) return parse_w1_slave(file.text);
  if (!missing(file.error)) return {Fault::kUnreadable, 0};
  return {Fault::kNoDevice, 0};
}

std::string sysfs_absence() {
  return {};
}

}  // namespace kolvar::logger
