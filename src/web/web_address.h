#pragma once
// Where the page is served: "[ADDR:]PORT" as the operator writes it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kolvar::remote {

struct WebAddress {
  // An IPv4 address in dots or an IPv6 address (written in brackets).
  std::string host = "127.0.0.1";
  // 0 asks the system for a free port (tests).
  std::uint16_t port = 0;
  bool operator==(const WebAddress&) const = default;
};

// "8080", "127.0.0.1:8080", "0.0.0.0:8080", "[::1]:8080"; none for anything
// else (a host name is refused: what it resolves to is not the operator's
// choice to see).
std::optional<WebAddress> parse_web_address(std::string_view text);

// As parse_web_address takes it back.
std::string address_text(const WebAddress& address);

// Whether only this machine can reach it (127.0.0.0/8, ::1).
bool is_loopback(const WebAddress& address);

}  // namespace kolvar::remote
