#pragma once
// The settings files people write by hand (kolvar-port.conf,
// kolvar-web.conf) allow spaces and tabs around their values, and a CR
// from an editor on Windows; "mytunes.log" and kolvar-web.conf allow the
// byte order mark that Notepad starts a UTF-8 file with.
#include <string_view>

namespace kolvar::platform {

inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

inline std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace kolvar::platform
