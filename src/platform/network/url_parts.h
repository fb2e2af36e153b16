#pragma once
// The pieces of a URL that the parsers of the alerts' and the logger's
// addresses take apart alike. Each throws std::invalid_argument saying what
// is wrong.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

namespace kolvar::platform {

// No blank and no control character.
bool printable(std::string_view text);

// "scheme://rest" split; an empty scheme when there is none.
std::pair<std::string_view, std::string_view> scheme_of(std::string_view url);

// The authority of "rest" (up to the first '/', '?' or '#').
std::string_view authority_of(std::string_view rest);

// host[:port] or [v6][:port]; the port 0 when not given. `what` names the
// value in messages.
std::pair<std::string, std::uint16_t> host_port(std::string_view text, const char* what);

}  // namespace kolvar::platform
