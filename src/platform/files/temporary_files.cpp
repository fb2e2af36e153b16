#include "platform/files/temporary_files.h"

#include <atomic>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/processes/process_id.h"

namespace kolvar::platform {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kSuffix = ".tmp";

std::string name_prefix(const fs::path& target) {
  return target.filename().string() + ".";
}

fs::path folder_of(const fs::path& target) {
  fs::path folder = target.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

bool all_digits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Reads a positive decimal number that fills `text` exactly.
std::optional<long long> positive_number(std::string_view text) {
  long long value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value <= 0) return std::nullopt;
  return value;
}

// The process id in a name of our pattern for the target, or nullopt for any
// other name.
std::optional<long long> owner_of(std::string_view name, const std::string& prefix) {
  if (!name.starts_with(prefix) || !name.ends_with(kSuffix) ||
      name.size() < prefix.size() + kSuffix.size()) {
    return std::nullopt;
  }
  name.remove_prefix(prefix.size());
  name.remove_suffix(kSuffix.size());
  std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || !all_digits(name.substr(dash + 1))) return std::nullopt;
  return positive_number(name.substr(0, dash));
}

}  // namespace

fs::path new_temporary_path(const fs::path& target) {
  static std::atomic<unsigned long> counter{0};
  return folder_of(target) / (name_prefix(target) + std::to_string(current_process_id()) + "-" +
                              std::to_string(counter++) + std::string(kSuffix));
}

void remove_stale_temporaries(const fs::path& target) {
  const std::string prefix = name_prefix(target);
  std::error_code ec;
  for (fs::directory_iterator it(folder_of(target), ec), end; !ec && it != end; it.increment(ec)) {
    std::optional<long long> owner = owner_of(it->path().filename().string(), prefix);
    if (owner && *owner != current_process_id() && process_has_ended(*owner)) {
      std::error_code ignored;
      fs::remove(it->path(), ignored);
    }
  }
}

}  // namespace kolvar::platform
