#include "platform/files/append_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

namespace kolvar::platform {

namespace {

std::error_code last_error() {
  return {errno, std::generic_category()};
}

int open_or_throw(const std::filesystem::path& path, int flags) {
  int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC | flags, 0666);
  if (fd < 0) throw std::system_error(last_error(), path.string());
  return fd;
}

}  // namespace

AppendFile AppendFile::create_new(const std::filesystem::path& path) {
  return AppendFile(open_or_throw(path, O_CREAT | O_EXCL));
}

AppendFile AppendFile::open(const std::filesystem::path& path) {
  return AppendFile(open_or_throw(path, O_CREAT));
}

AppendFile::AppendFile(AppendFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), broken_(other.broken_) {}

AppendFile& AppendFile::operator=(AppendFile&& other) noexcept {
  if (this != &other) {
    close();
    fd_ = std::exchange(other.fd_, -1);
    broken_ = other.broken_;
  }
  return *this;
}

AppendFile::~AppendFile() {
  close();
}

void AppendFile::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

std::error_code AppendFile::append(std::string_view record, bool durable) {
  if (broken_) return broken_;
  // One write takes a record of a few hundred bytes whole; the loop only
  // matters when the system takes part of it (a full disk, a signal).
  std::size_t written = 0;
  while (written < record.size()) {
    ssize_t n = ::write(fd_, record.data() + written, record.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      std::error_code error = last_error();
      if (written > 0) broken_ = take_back(written);
      return error;
    }
    written += static_cast<std::size_t>(n);
  }
  if (durable && ::fdatasync(fd_) != 0) return last_error();
  return {};
}

// Cuts the file back by the part of a record that did get written.
std::error_code AppendFile::take_back(std::size_t written) {
  off_t end = ::lseek(fd_, 0, SEEK_END);
  if (end < 0 || ::ftruncate(fd_, end - static_cast<off_t>(written)) != 0) return last_error();
  return {};
}

}  // namespace kolvar::platform
