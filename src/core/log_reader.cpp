#include "core/log_reader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <system_error>
#include <vector>

#include "platform/failure.h"
#include "platform/files/read_only_file.h"
#include "platform/system_reason.h"

namespace kolvar::core {

namespace {

using platform::ReadOnlyFile;

// The longest last line and the line end before it: one read of at most
// this much keeps a cycle on a huge log as cheap as on a fresh one.
constexpr std::size_t kSearchBytes = kMaxLastLineBytes + 1;

bool is_line_end(char c) {
  return c == '\r' || c == '\n';
}

std::string describe(const char* what, const std::filesystem::path& log,
                     const std::string& reason) {
  return what + log.string() + " (" + reason + ")";
}

class LastLineSearch {
 public:
  LastLineSearch(const ReadOnlyFile& file, const std::filesystem::path& log)
      : file_(file), log_(log) {}

  std::string run() {
    const std::uint64_t end = text_end(file_.size());
    std::vector<char> tail(static_cast<std::size_t>(std::min<std::uint64_t>(end, kSearchBytes)));
    read_exactly(end - tail.size(), tail);
    // A line holds no CR or LF, so the last line starts just after the
    // nearest one before its end.
    for (std::size_t i = tail.size(); i > 0; --i) {
      if (is_line_end(tail[i - 1])) return std::string(tail.begin() + i, tail.end());
    }
    if (end <= kMaxLastLineBytes) return std::string(tail.begin(), tail.end());
    throw Failure(
        describe("Не удалось прочитать лог темп-кипера: ", log_,
                 "последняя строка длиннее " + std::to_string(kMaxLastLineBytes) + " байт"));
  }

 private:
  // Where the text of the last line ends: the file's end less the line end
  // that closes the last line, if there is one.
  std::uint64_t text_end(std::uint64_t size) {
    char tail[2] = {};
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(size, 2));
    if (n == 0) return 0;
    read_exactly(size - n, std::span(tail + 2 - n, n));
    if (tail[1] == '\r') return size - 1;
    if (tail[1] == '\n') return tail[0] == '\r' ? size - 2 : size - 1;
    return size;
  }

  void read_exactly(std::uint64_t offset, std::span<char> buffer) {
    if (file_.read_at(offset, buffer) != buffer.size()) {
      // The logger cut the file down while it was being read; the next cycle
      // reads the new content.
      throw Failure(describe("Не удалось прочитать лог темп-кипера: ", log_,
                             "файл укоротился во время чтения"));
    }
  }

  const ReadOnlyFile& file_;
  const std::filesystem::path& log_;
};

}  // namespace

std::string read_last_line(const std::filesystem::path& log) {
  std::optional<ReadOnlyFile> file;
  try {
    file.emplace(log);
  } catch (const std::system_error& e) {
    throw Failure(
        describe("Не удалось открыть лог темп-кипера: ", log, platform::system_reason(e.code())));
  }
  try {
    return LastLineSearch(*file, log).run();
  } catch (const std::system_error& e) {
    throw Failure(
        describe("Не удалось прочитать лог темп-кипера: ", log, platform::system_reason(e.code())));
  }
}

}  // namespace kolvar::core
