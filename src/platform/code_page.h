#pragma once
// The one code-page conversion the controller needs: text of older Windows
// set-ups, written in Windows-1251, into UTF-8.
#include <string>
#include <string_view>

namespace kolvar::platform {

// Windows-1251 text in UTF-8; the one byte without a character there (0x98)
// becomes U+FFFD. Throws kolvar::Failure when the system cannot convert.
std::string windows1251_to_utf8(std::string_view text);

}  // namespace kolvar::platform
