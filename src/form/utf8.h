#pragma once
// Well-formed UTF-8 as RFC 3629 defines it: no overlong forms, no surrogates,
// nothing past U+10FFFF, no 5- or 6-byte forms. Every text a control holds is
// well-formed; glibc's iconv accepts more than this, so the check is our own.
#include <cstddef>
#include <string_view>

namespace kolvar::form {

// The length of the well-formed character at the start of s, or 0 when s is
// empty or its first bytes start none.
std::size_t utf8_length(std::string_view s);

bool is_utf8(std::string_view s);

}  // namespace kolvar::form
