#include "settings/path_encoding.h"

#include "form/utf8.h"
#include "platform/code_page.h"

namespace kolvar::settings {

std::string decode_path_line(std::string_view raw) {
  // Checked here, not by the system's converter: glibc's iconv takes forms
  // past U+10FFFF and 5- and 6-byte forms as valid.
  if (form::is_utf8(raw)) return std::string(raw);
  return platform::windows1251_to_utf8(raw);
}

std::string encode_path_line(std::string_view utf8) {
  return std::string(utf8);
}

}  // namespace kolvar::settings
