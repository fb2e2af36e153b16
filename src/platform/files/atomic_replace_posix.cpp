#include "platform/files/atomic_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <optional>

#include "platform/files/temporary_files.h"

namespace kolvar::platform {
namespace {

namespace fs = std::filesystem;

std::error_code last_error() {
  return {errno, std::generic_category()};
}

std::error_code write_all(int fd, std::string_view content) {
  while (!content.empty()) {
    ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return last_error();
    content.remove_prefix(static_cast<std::size_t>(n));
  }
  return {};
}

// Writes a new file and waits until its content is on the disk.
std::error_code write_durably(const fs::path& file, std::string_view content,
                              std::optional<mode_t> mode) {
  int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0666);
  if (fd < 0) return last_error();
  std::error_code ec;
  if (mode && ::fchmod(fd, *mode) != 0) ec = last_error();
  if (!ec) ec = write_all(fd, content);
  if (!ec && ::fsync(fd) != 0) ec = last_error();
  if (::close(fd) != 0 && !ec) ec = last_error();
  return ec;
}

// Makes the rename itself durable. The content is already in place, so a
// folder that cannot be synced (some file systems refuse) is not an error.
void sync_folder(const fs::path& target) {
  fs::path folder = target.parent_path();
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::error_code detail::replace_file(const fs::path& target, std::string_view content) {
  struct stat st {};
  std::optional<mode_t> mode;
  if (::stat(target.c_str(), &st) == 0) {
    // A rename would put the file in the place of a device or a FIFO (through
    // a link, /dev/zero itself): only a regular file is ever replaced.
    if (S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::operation_not_permitted);
    // Writing in place would have failed on a read-only file; a rename would
    // not, so refuse explicitly rather than overrule the owner.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) return last_error();
    mode = st.st_mode & 07777;
  }
  remove_stale_temporaries(target);
  fs::path temporary = new_temporary_path(target);
  std::error_code ec = write_durably(temporary, content, mode);
  if (!ec && ::rename(temporary.c_str(), target.c_str()) != 0) ec = last_error();
  if (ec) {
    ::unlink(temporary.c_str());
    return ec;
  }
  sync_folder(target);
  return {};
}

}  // namespace kolvar::platform
