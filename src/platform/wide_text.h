#pragma once
// Windows takes names in UTF-16; inside the program they are UTF-8.
#include <string>
#include <string_view>

namespace kolvar::platform {

// UTF-8 text in UTF-16; a malformed sequence becomes U+FFFD.
std::wstring wide_from_utf8(std::string_view text);

}  // namespace kolvar::platform
