#include "platform/files/read_only_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace kolvar::platform {

namespace {

[[noreturn]] void throw_errno(int error) {
  throw std::system_error(error, std::generic_category());
}

int descriptor(std::intptr_t handle) {
  return static_cast<int>(handle);
}

}  // namespace

// O_NONBLOCK keeps a FIFO at the path from blocking the open until a writer
// comes; it has no effect on regular files, the only kind accepted.
ReadOnlyFile::ReadOnlyFile(const std::filesystem::path& path)
    : handle_(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)) {
  if (handle_ < 0) throw_errno(errno);
  struct stat status {};
  int error = ::fstat(descriptor(handle_), &status) == 0 ? 0 : errno;
  if (error == 0 && !S_ISREG(status.st_mode)) error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
  if (error != 0) {
    ::close(descriptor(handle_));
    throw_errno(error);
  }
}

ReadOnlyFile::~ReadOnlyFile() {
  ::close(descriptor(handle_));
}

std::uint64_t ReadOnlyFile::size() const {
  struct stat status {};
  if (::fstat(descriptor(handle_), &status) != 0) throw_errno(errno);
  return static_cast<std::uint64_t>(status.st_size);
}

std::size_t ReadOnlyFile::read_at(std::uint64_t offset, std::span<char> buffer) const {
  std::size_t done = 0;
  while (done < buffer.size()) {
    const ssize_t n = ::pread(descriptor(handle_), buffer.data() + done, buffer.size() - done,
                              static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) throw_errno(errno);
    if (n == 0) break;
    done += static_cast<std::size_t>(n);
  }
  return done;
}

}  // namespace kolvar::platform
