#include "platform/network/url_parts.h"

#include <charconv>
#include <stdexcept>

namespace kolvar::platform {

namespace {

[[noreturn]] void wrong(const std::string& what) {
  throw std::invalid_argument(what);
}

}  // namespace

bool printable(std::string_view text) {
  for (char ch : text)
    if (static_cast<unsigned char>(ch) <= ' ' || ch == 127) return false;
  return true;
}

std::pair<std::string_view, std::string_view> scheme_of(std::string_view url) {
  const std::size_t at = url.find("://");
  if (at == std::string_view::npos) return {{}, url};
  return {url.substr(0, at), url.substr(at + 3)};
}

std::string_view authority_of(std::string_view rest) {
  return rest.substr(0, rest.find_first_of("/?#"));
}

std::pair<std::string, std::uint16_t> host_port(std::string_view text, const char* what) {
  std::string_view host = text;
  std::string_view port;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) wrong(std::string(what) + ": no ']' after the address");
    host = text.substr(1, close - 1);
    const std::string_view after = text.substr(close + 1);
    if (!after.empty()) {
      if (after.front() != ':') wrong(std::string(what) + ": a port follows ':'");
      port = after.substr(1);
    }
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    host = text.substr(0, colon);
    port = text.substr(colon + 1);
  }
  if (host.empty()) wrong(std::string(what) + " has no host");
  unsigned number = 0;
  if (!port.empty() || text.ends_with(':')) {
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), number);
    if (error != std::errc{} || end != port.data() + port.size() || number == 0 || number > 65535)
      wrong(std::string(what) + ": the port is a number from 1 to 65535");
  }
  return {std::string(host), static_cast<std::uint16_t>(number)};
}

}  // namespace kolvar::platform
