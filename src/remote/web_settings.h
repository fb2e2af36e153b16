#pragma once
// The remote settings: a small file of its own beside "mytunes.log" (whose
// lines are fixed), so that a desktop program can keep its page on. It holds
// the token that guards the page, so it is its owner's alone.
//
//   # Kolvar's web page
//   web = 0.0.0.0:8080
//   allow-stop = no
//   token = 5f0c…
#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "alerts/alert_settings.h"
#include "web/web_address.h"

namespace kolvar::remote {

inline constexpr const char* kWebSettingsFile = "kolvar-web.conf";
// A few hundred bytes in use; anything near this is not a settings file.
inline constexpr std::uint64_t kMaxWebSettingsBytes = 64 * 1024;

struct WebSettings {
  std::optional<WebAddress> web;  // none: no page
  bool allow_stop = false;        // the page's one command
  std::string token;              // empty until one is needed
  AlertSettings alerts;           // where alerts go (alert_settings.h)
  bool operator==(const WebSettings&) const = default;
};

// A line that is not "key = value" with a known key and a good value.
class WebSettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A byte order mark at the start (Notepad's), blank lines and lines starting
// with '#' are skipped; keys are "web" (an address as --web takes it, or
// "off"), "allow-stop" ("yes" or "no"), "token" (hex, at least 32 digits)
// and the alerts' (take_alert_setting).
// Throws WebSettingsError naming the line.
WebSettings parse_web_settings(std::string_view text);
// The file's text, with a line of comment for each key.
std::string web_settings_text(const WebSettings& settings);

// The file's settings; defaults when it is missing. Throws WebSettingsError,
// naming the file, for one that cannot be read, is no regular file (a
// folder, a FIFO, a link to a device), is larger than kMaxWebSettingsBytes,
// or is wrong.
WebSettings load_web_settings(const std::filesystem::path& file);

// A fresh token: 128 bits from the system's random source, as 32 hex
// digits. Throws WebSettingsError when the source fails.
std::string make_token();
// Whether `token` is one this program would keep: hex, 32 to 128 digits.
bool good_token(std::string_view token);

}  // namespace kolvar::remote
