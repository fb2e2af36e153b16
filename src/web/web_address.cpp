#include "web/web_address.h"

#include <charconv>

namespace kolvar::remote {

namespace {

bool whole_number(std::string_view text, unsigned max, unsigned& value) {
  if (text.empty() || text.size() > 5) return false;
  const auto [at, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc{} && at == text.data() + text.size() && value <= max;
}

bool ipv4(std::string_view text) {
  for (int part = 0; part < 4; ++part) {
    const std::size_t dot = text.find('.');
    if ((dot == std::string_view::npos) != (part == 3)) return false;
    const std::string_view field = text.substr(0, dot);
    unsigned value = 0;
    if (field.size() > 3 || !whole_number(field, 255, value)) return false;
    text = dot == std::string_view::npos ? std::string_view{} : text.substr(dot + 1);
  }
  return true;
}

// Groups of up to four hex digits between colons: eight of them, or fewer
// with one "::" standing for the rest. The system checks the rest when it
// binds.
bool ipv6(std::string_view text) {
  if (text.size() < 2 || text.size() > 39) return false;
  const std::size_t gap = text.find("::");
  if (gap != std::string_view::npos && text.find("::", gap + 1) != std::string_view::npos)
    return false;
  int groups = 0;
  int digits = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    const char ch = i < text.size() ? text[i] : ':';
    if (ch == ':') {
      if (digits > 0) ++groups;
      digits = 0;
      continue;
    }
    const bool hex =
        (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
    if (!hex || ++digits > 4) return false;
  }
  // A single colon at either end is no address ("1::2:" and ":1::2" are not).
  if ((text.front() == ':' && text[1] != ':') ||
      (text.back() == ':' && text[text.size() - 2] != ':'))
    return false;
  return gap == std::string_view::npos ? groups == 8 : groups < 8;
}

}  // namespace

std::optional<WebAddress> parse_web_address(std::string_view text) {
  WebAddress address;
  std::string_view port = text;
  if (!text.empty() && text.front() == '[') {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos || close + 1 >= text.size() || text[close + 1] != ':')
      return std::nullopt;
    const std::string_view host = text.substr(1, close - 1);
    if (!ipv6(host)) return std::nullopt;
    address.host = host;
    port = text.substr(close + 2);
  } else if (const std::size_t colon = text.rfind(':'); colon != std::string_view::npos) {
    const std::string_view host = text.substr(0, colon);
    if (!ipv4(host)) return std::nullopt;
    address.host = host;
    port = text.substr(colon + 1);
  }
  unsigned number = 0;
  if (!whole_number(port, 65535, number)) return std::nullopt;
  address.port = static_cast<std::uint16_t>(number);
  return address;
}

std::string address_text(const WebAddress& address) {
  const bool v6 = address.host.find(':') != std::string::npos;
  return (v6 ? "[" + address.host + "]" : address.host) + ":" + std::to_string(address.port);
}

bool is_loopback(const WebAddress& address) {
  return address.host.starts_with("127.") || address.host == "::1";
}

}  // namespace kolvar::remote
