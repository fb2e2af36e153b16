#include "platform/files/settings_file.h"

#include <string_view>
#include <system_error>
#include <utility>

#include "platform/failure.h"
#include "platform/files/atomic_replace.h"
#include "platform/files/c_file.h"
#include "platform/system_reason.h"
#include "platform/trimmed.h"

namespace kolvar::platform {

SettingsFile::Reader::Reader(std::FILE* file, int* open_readers)
    : file_(file), open_readers_(open_readers) {
  if (open_readers_) ++*open_readers_;
}

SettingsFile::Reader::Reader(Reader&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)),
      open_readers_(std::exchange(other.open_readers_, nullptr)),
      lines_read_(other.lines_read_),
      bytes_read_(other.bytes_read_) {}

SettingsFile::Reader& SettingsFile::Reader::operator=(Reader&& other) noexcept {
  if (this != &other) {
    close();
    file_ = std::exchange(other.file_, nullptr);
    open_readers_ = std::exchange(other.open_readers_, nullptr);
    lines_read_ = other.lines_read_;
    bytes_read_ = other.bytes_read_;
  }
  return *this;
}

SettingsFile::Reader::~Reader() {
  close();
}

void SettingsFile::Reader::close() {
  if (file_) std::fclose(file_);
  if (open_readers_) --*open_readers_;
  file_ = nullptr;
  open_readers_ = nullptr;
}

int SettingsFile::Reader::next_byte() {
  if (bytes_read_ == kMaxFileBytes) return EOF;
  const int c = std::getc(file_);
  if (c != EOF) ++bytes_read_;
  return c;
}

std::optional<std::string> SettingsFile::Reader::next_line() {
  if (!file_ || lines_read_ == kLineCount) return std::nullopt;
  std::string line;
  bool any = false;
  for (int c = next_byte(); c != EOF; c = next_byte()) {
    any = true;
    if (c == '\n') break;
    if (c == '\r') {
      int next = next_byte();
      if (next != '\n' && next != EOF) {
        std::ungetc(next, file_);
        --bytes_read_;
      }
      break;
    }
    if (line.size() < kMaxLineLength) line.push_back(static_cast<char>(c));
  }
  if (!any) return std::nullopt;
  // Left in place, a byte order mark would hide the outside-edit flag of the
  // first line.
  if (++lines_read_ == 1 && line.starts_with(kByteOrderMark)) line.erase(0, kByteOrderMark.size());
  return line;
}

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

// Only a regular file: a folder would fail on every line, a FIFO without a
// writer would block the open and a device (a link to /dev/zero) never end.
std::FILE* SettingsFile::open_file() const {
  return open_regular_c_file(path_);
}

SettingsFile::Reader SettingsFile::open_for_reading() {
  std::FILE* file = open_file();
  if (!file) throw Failure("Не удалось открыть файл настроек " + path_.filename().string());
  return Reader(file, &open_readers_);
}

std::optional<std::string> SettingsFile::read_first_line() const {
  std::FILE* file = open_file();
  if (!file) return std::nullopt;
  return Reader(file, nullptr).next_line();
}

SaveResult SettingsFile::save(const std::vector<std::string>& lines) {
  if (is_open_for_reading()) return {SaveResult::Status::Suppressed, {}};
  std::string content;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find_first_of("\r\n") != std::string::npos) {
      return {SaveResult::Status::Failed,
              "строка " + std::to_string(i + 1) + " содержит перевод строки"};
    }
    content += lines[i];
    content += "\r\n";
  }
  if (std::error_code ec = replace_atomically(path_, content)) {
    return {SaveResult::Status::Failed, platform::system_reason(ec)};
  }
  return {SaveResult::Status::Saved, {}};
}

}  // namespace kolvar::platform
