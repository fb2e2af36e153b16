#include "desk/scale_file.h"

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>

#include "desk/scale_steps.h"
#include "platform/files/atomic_replace.h"
#include "platform/files/read_only_file.h"
#include "platform/trimmed.h"

namespace kolvar::desk {

namespace {

constexpr std::string_view kKey = "scale";
// Ours is a few bytes; anything much longer is not it.
constexpr std::uint64_t kLongestFile = 4096;

std::optional<int> percent_in(std::string_view text) {
  int percent = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), percent);
  if (error != std::errc{} || end != text.data() + text.size() || !is_scale_step(percent))
    return std::nullopt;
  return percent;
}

}  // namespace

std::optional<int> read_scale_file(const std::filesystem::path& path) {
  std::string content;
  try {
    content = platform::read_small_file(path, kLongestFile);
  } catch (const std::system_error&) {
    return std::nullopt;
  }
  std::string_view rest = content;
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos || platform::trimmed(line.substr(0, equals)) != kKey)
      continue;
    // The first line with the key decides, as the file holds one.
    return percent_in(platform::trimmed(line.substr(equals + 1)));
  }
  return std::nullopt;
}

bool write_scale_file(const std::filesystem::path& path, int percent) {
  std::error_code error;
  if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path(), error);
  if (error) return false;
  const std::string content =
      "# The scale of Kolvar's window in percent: Ctrl++ and Ctrl+- change it, Ctrl+0 is 100.\n" +
      std::string(kKey) + '=' + std::to_string(percent) + '\n';
  return !platform::replace_atomically(path, content);
}

}  // namespace kolvar::desk
