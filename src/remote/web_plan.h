#pragma once
// What the program serves, from its command line and the remote settings
// file together, with the token made and kept where one is needed.
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "remote/web_settings.h"
#include "web/web_address.h"

namespace kolvar::remote {

// --web [ADDR:]PORT and --web-allow-stop as given.
struct WebCommandLine {
  std::optional<WebAddress> web;
  bool allow_stop = false;
  bool given() const { return web || allow_stop; }
};

// Takes args[i] (and its value) when it is one of the web options; false
// for any other argument. Throws std::invalid_argument for a wrong value.
bool take_web_option(const std::vector<std::string>& args, std::size_t& i, WebCommandLine& into);
// Throws std::invalid_argument for --web-allow-stop without --web.
void check_web_options(const WebCommandLine& options);

// The web page's options in a program's usage, alerts' heading after them.
inline constexpr const char* kWebUsage =
    "  --web [ADDR:]PORT  serve a read-only web page of the run on PORT, this\n"
    "                     machine only; with ADDR (0.0.0.0: every network) a\n"
    "                     token guards it (see kolvar-web.conf)\n"
    "  --web-allow-stop   the page may stop the system (\"Стоп системы\")\n"
    "ALERTS (the same keys in kolvar-web.conf; see docs/alerts.md):\n";

struct WebPlan {
  WebAddress address;
  bool allow_stop = false;
  // The key every request must carry; none when only this machine can
  // reach the page and it takes no command.
  std::optional<std::string> token;
  // The stop command needs the token even where reading does not.
  bool token_for_reading = false;
};

// The program will not serve: the token could not be made or kept, or the
// file is wrong. The text is for the operator.
class WebRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The page to serve, or none when neither the command line nor `file` asks
// for one. The command line wins over the file. A token is needed for any
// address beyond loopback and for the stop command; the first time, one is
// made and written to `file` (its owner's alone), keeping its other lines.
// Throws WebRefusal when the file is wrong or the token cannot be kept.
std::optional<WebPlan> plan_web(const WebCommandLine& command_line,
                                const std::filesystem::path& file = kWebSettingsFile);

// The page's address as the operator opens it: "http://HOST:PORT/" with
// "?token=…" when there is one. A wildcard host (0.0.0.0, ::) becomes
// `reachable_host` when given.
std::string page_url(const WebPlan& plan, std::uint16_t bound_port,
                     const std::string& reachable_host = {});

}  // namespace kolvar::remote
