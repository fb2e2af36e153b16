#include "remote/web_settings.h"

#include <array>
#include <cstddef>
#include <system_error>

#include "platform/files/read_only_file.h"
#include "platform/network/random_bytes.h"
#include "platform/system_reason.h"
#include "platform/trimmed.h"

namespace kolvar::remote {

using platform::trimmed;

namespace {

[[noreturn]] void wrong(int line, const std::string& what) {
  throw WebSettingsError("line " + std::to_string(line) + ": " + what);
}

}  // namespace

bool good_token(std::string_view token) {
  if (token.size() < 32 || token.size() > 128) return false;
  for (char ch : token)
    if (!((ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f'))) return false;
  return true;
}

WebSettings parse_web_settings(std::string_view text) {
  if (text.starts_with(platform::kByteOrderMark))
    text.remove_prefix(platform::kByteOrderMark.size());
  WebSettings settings;
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = trimmed(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    ++number;
    if (line.empty() || line.front() == '#') continue;
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) wrong(number, "not key = value");
    const std::string_view key = trimmed(line.substr(0, equals));
    const std::string_view value = trimmed(line.substr(equals + 1));
    if (key == "web") {
      if (value == "off") {
        settings.web.reset();
        continue;
      }
      settings.web = parse_web_address(value);
      if (!settings.web) wrong(number, "web takes [ADDRESS:]PORT or off");
    } else if (key == "allow-stop") {
      if (value != "yes" && value != "no") wrong(number, "allow-stop takes yes or no");
      settings.allow_stop = value == "yes";
    } else if (key == "token") {
      if (!good_token(value)) wrong(number, "token takes 32 to 128 hex digits (0-9, a-f)");
      settings.token = value;
    } else {
      bool taken = false;
      try {
        taken = take_alert_setting(key, value, settings.alerts);
      } catch (const std::invalid_argument& e) {
        wrong(number, std::string(key) + ": " + e.what());
      }
      if (!taken) wrong(number, "unknown key " + std::string(key));
    }
  }
  return settings;
}

std::string web_settings_text(const WebSettings& s) {
  std::string text =
      "# Kolvar's web page: a read-only view of the run (see docs/web.md).\n"
      "# Where it is served: [ADDRESS:]PORT, or off. A port alone is this machine\n"
      "# only (127.0.0.1); any other address needs the token below.\n";
  text += "web = " + (s.web ? address_text(*s.web) : std::string("off")) + "\n";
  text += "# Whether the page may stop the system (\"Стоп системы\"), with the token.\n";
  text += std::string("allow-stop = ") + (s.allow_stop ? "yes" : "no") + "\n";
  if (!s.token.empty()) {
    text += "# The page's key, made by the program; delete the line for a new one.\n";
    text += "token = " + s.token + "\n";
  }
  if (s.alerts != AlertSettings{}) text += alert_settings_text(s.alerts);
  return text;
}

WebSettings load_web_settings(const std::filesystem::path& file) {
  std::error_code ec;
  if (!std::filesystem::exists(file, ec) && !ec) return {};
  std::string text;
  try {
    text = platform::read_small_file(file, kMaxWebSettingsBytes);
  } catch (const std::system_error& e) {
    throw WebSettingsError(file.string() + ": " +
                           platform::small_file_refusal(e, kMaxWebSettingsBytes));
  }
  try {
    return parse_web_settings(text);
  } catch (const WebSettingsError& e) {
    throw WebSettingsError(file.string() + ", " + e.what());
  }
}

std::string make_token() {
  std::array<std::byte, 16> bytes{};
  if (const std::error_code ec = platform::random_bytes(bytes))
    throw WebSettingsError("no random token: " + platform::system_reason(ec));
  static constexpr char kHex[] = "0123456789abcdef";
  std::string token;
  for (std::byte b : bytes) {
    token += kHex[std::to_integer<unsigned>(b) >> 4];
    token += kHex[std::to_integer<unsigned>(b) & 15];
  }
  return token;
}

}  // namespace kolvar::remote
