#include "platform/files/append_file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <utility>

namespace kolvar::platform {

namespace {

std::error_code last_error() {
  return {errno, std::generic_category()};
}

// The wide open takes any name the system allows; binary keeps CR LF as given.
int open_or_throw(const std::filesystem::path& path, int flags) {
  int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_APPEND | _O_BINARY | _O_NOINHERIT | flags,
                    _S_IREAD | _S_IWRITE);
  if (fd < 0) throw std::system_error(last_error(), path.string());
  return fd;
}

}  // namespace

AppendFile AppendFile::create_new(const std::filesystem::path& path) {
  return AppendFile(open_or_throw(path, _O_CREAT | _O_EXCL));
}

AppendFile AppendFile::open(const std::filesystem::path& path) {
  return AppendFile(open_or_throw(path, _O_CREAT));
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
  if (fd_ >= 0) ::_close(fd_);
  fd_ = -1;
}

std::error_code AppendFile::append(std::string_view record, bool durable) {
  if (broken_) return broken_;
  if (record.size() > static_cast<std::size_t>(INT_MAX))
    return std::make_error_code(std::errc::file_too_large);
  std::size_t written = 0;
  while (written < record.size()) {
    int n = ::_write(fd_, record.data() + written, static_cast<unsigned>(record.size() - written));
    if (n < 0) {
      std::error_code error = last_error();
      if (written > 0) broken_ = take_back(written);
      return error;
    }
    written += static_cast<std::size_t>(n);
  }
  if (durable && ::_commit(fd_) != 0) return last_error();
  return {};
}

// Cuts the file back by the part of a record that did get written.
std::error_code AppendFile::take_back(std::size_t written) {
  long long end = ::_lseeki64(fd_, 0, SEEK_END);
  if (end < 0 || ::_chsize_s(fd_, end - static_cast<long long>(written)) != 0) return last_error();
  return {};
}

}  // namespace kolvar::platform
