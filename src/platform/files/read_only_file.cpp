#include "platform/files/read_only_file.h"

#include <cerrno>

namespace kolvar::platform {

std::string read_small_file(const std::filesystem::path& path, std::uint64_t most_bytes) {
  const ReadOnlyFile file(path);
  if (file.size() > most_bytes) throw std::system_error(EFBIG, std::generic_category());
  // One byte more than allowed tells a file that grew since its size was
  // taken.
  std::string text(static_cast<std::size_t>(file.size()) + 1, '\0');
  text.resize(file.read_at(0, text));
  if (text.size() > most_bytes) throw std::system_error(EFBIG, std::generic_category());
  return text;
}

std::string small_file_refusal(const std::system_error& error, std::uint64_t most_bytes) {
  const std::error_condition condition = error.code().default_error_condition();
  if (condition == std::errc::file_too_large) {
    if (most_bytes % 1024 == 0) return "larger than " + std::to_string(most_bytes / 1024) + " KiB";
    return "larger than " + std::to_string(most_bytes) + " bytes";
  }
  if (condition == std::errc::is_a_directory) return "a folder, not a file";
  if (condition == std::errc::invalid_argument) return "not a regular file";
  return error.code().message();
}

}  // namespace kolvar::platform
