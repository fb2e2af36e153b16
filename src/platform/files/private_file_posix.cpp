#include "platform/files/private_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files/temporary_files.h"

namespace kolvar::platform {

namespace {

std::error_code last_error() {
  return {errno, std::generic_category()};
}

}  // namespace

std::error_code replace_private(const std::filesystem::path& target, std::string_view content) {
  const std::filesystem::path temporary = new_temporary_path(target);
  // Created with the owner's rights alone, so there is no moment at which
  // another user could open it.
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                        S_IRUSR | S_IWUSR);
  if (fd < 0) return last_error();
  std::error_code ec;
  // A umask cannot widen the mode, but an inherited default ACL could.
  if (::fchmod(fd, S_IRUSR | S_IWUSR) != 0) ec = last_error();
  while (!ec && !content.empty()) {
    const ssize_t n = ::write(fd, content.data(), content.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) ec = last_error();
    if (n > 0) content.remove_prefix(static_cast<std::size_t>(n));
  }
  if (!ec && ::fsync(fd) != 0) ec = last_error();
  if (::close(fd) != 0 && !ec) ec = last_error();
  if (!ec && ::rename(temporary.c_str(), target.c_str()) != 0) ec = last_error();
  if (ec) ::unlink(temporary.c_str());
  return ec;
}

std::error_code keep_private(const std::filesystem::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return last_error();
  if (!S_ISREG(st.st_mode)) return std::make_error_code(std::errc::operation_not_permitted);
  const mode_t others = S_IRWXG | S_IRWXO;
  if ((st.st_mode & others) == 0) return {};
  if (::chmod(target.c_str(), st.st_mode & 07777 & ~others) != 0) return last_error();
  return {};
}

}  // namespace kolvar::platform
