#include "remote/web_plan.h"

#include "platform/files/private_file.h"
#include "platform/system_reason.h"

namespace kolvar::remote {

bool take_web_option(const std::vector<std::string>& args, std::size_t& i, WebCommandLine& into) {
  if (args[i] == "--web-allow-stop") {
    into.allow_stop = true;
    return true;
  }
  if (args[i] != "--web") return false;
  if (i + 1 == args.size()) throw std::invalid_argument("--web takes [ADDR:]PORT");
  into.web = parse_web_address(args[++i]);
  if (!into.web)
    throw std::invalid_argument("--web takes [ADDR:]PORT (an IP address, not a name), not \"" +
                                args[i] + "\"");
  return true;
}

void check_web_options(const WebCommandLine& options) {
  if (options.allow_stop && !options.web)
    throw std::invalid_argument("--web-allow-stop is for a page served with --web");
}

std::optional<WebPlan> plan_web(const WebCommandLine& command_line,
                                const std::filesystem::path& file) {
  WebSettings settings;
  try {
    settings = load_web_settings(file);
  } catch (const WebSettingsError& e) {
    throw WebRefusal(std::string("web: ") + e.what());
  }
  WebPlan plan;
  if (command_line.web) {
    plan.address = *command_line.web;
    plan.allow_stop = command_line.allow_stop;
  } else if (settings.web) {
    plan.address = *settings.web;
    plan.allow_stop = settings.allow_stop;
  } else {
    return std::nullopt;
  }
  plan.token_for_reading = !is_loopback(plan.address);
  if (!plan.token_for_reading && !plan.allow_stop) return plan;

  const auto refuse = [&](const std::string& why) {
    return WebRefusal("web: no token can be kept in " + file.string() + " (" + why +
                      "); the page is not served");
  };
  if (settings.token.empty()) {
    try {
      settings.token = make_token();
    } catch (const WebSettingsError& e) {
      throw refuse(e.what());
    }
    if (const std::error_code ec = platform::replace_private(file, web_settings_text(settings)))
      throw refuse(platform::system_reason(ec));
  } else if (const std::error_code ec = platform::keep_private(file)) {
    throw refuse(platform::system_reason(ec));
  }
  plan.token = settings.token;
  return plan;
}

std::string page_url(const WebPlan& plan, std::uint16_t bound_port,
                     const std::string& reachable_host) {
  WebAddress shown = plan.address;
  shown.port = bound_port;
  if ((shown.host == "0.0.0.0" || shown.host == "::") && !reachable_host.empty())
    shown.host = reachable_host;
  std::string url = "http://" + address_text(shown) + "/";
  if (plan.token) url += "?token=" + *plan.token;
  return url;
}

}  // namespace kolvar::remote
