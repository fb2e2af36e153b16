#include "settings/path_encoding.h"

#include "platform/code_page.h"

namespace kolvar::settings {

std::string decode_path_line(std::string_view raw) {
  if (platform::is_utf8(raw)) return std::string(raw);
  return platform::windows1251_to_utf8(raw);
}

std::string encode_path_line(std::string_view utf8) {
  return std::string(utf8);
}

}  // namespace kolvar::settings
