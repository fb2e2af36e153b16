#pragma once
// The settings file "mytunes.log": reading it line by line and saving it
// whole. What each line means is the business of the layer above; here a
// line is a string of bytes without its line end.
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kolvar::platform {

struct SaveResult {
  enum class Status {
    Saved,
    Suppressed,  // the file is open for reading; it was left untouched
    Failed,      // the file is as it was; `reason` says why
  };
  Status status;
  std::string reason;
};

// Not thread-safe: one user-interface thread reads and saves. Keep one
// object per file, since only its own readers suppress its saves.
class SettingsFile {
 public:
  static constexpr std::size_t kLineCount = 114;
  // A longer line keeps this many bytes; the rest, up to its line end, is
  // skipped. No setting comes near it; it bounds what garbage can cost.
  static constexpr std::size_t kMaxLineLength = 65536;
  // A reader stops here as at the end of the file. A saved file is some
  // kilobytes; garbage without line ends costs no more than this per read.
  static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

  // Hands out the file's lines, at most kLineCount of them. While it lives
  // the file counts as open for reading. It must not outlive its file object.
  class Reader {
   public:
    Reader(Reader&& other) noexcept;
    Reader& operator=(Reader&& other) noexcept;
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;
    ~Reader();

    // The next line without its line end (CR, CR LF or LF); nullopt at the
    // end of the file, after kLineCount lines or kMaxFileBytes bytes, or on a
    // read error.
    std::optional<std::string> next_line();

   private:
    friend class SettingsFile;
    Reader(std::FILE* file, int* open_readers);
    void close();
    int next_byte();

    std::FILE* file_ = nullptr;
    int* open_readers_ = nullptr;
    std::size_t lines_read_ = 0;
    std::size_t bytes_read_ = 0;
  };

  explicit SettingsFile(std::filesystem::path path = "mytunes.log");
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  const std::filesystem::path& path() const { return path_; }

  // Throws kolvar::Failure when the file cannot be opened (missing, no right
  // to read, a folder of that name, anything but a regular file).
  Reader open_for_reading();
  bool is_open_for_reading() const { return open_readers_ > 0; }

  // The first line alone, for the check on every cycle; nullopt when the file
  // cannot be opened or is empty.
  std::optional<std::string> read_first_line() const;

  // Writes every line followed by CR LF, replacing the whole file in one
  // step (see atomic_replace.h). A line holding a CR or LF would shift every
  // later line to another meaning, so such a save fails instead.
  SaveResult save(const std::vector<std::string>& lines);

 private:
  std::FILE* open_file() const;

  std::filesystem::path path_;
  int open_readers_ = 0;
};

}  // namespace kolvar::platform
