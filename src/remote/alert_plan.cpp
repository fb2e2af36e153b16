#include "remote/alert_plan.h"

#include "platform/files/private_file.h"
#include "platform/system_reason.h"

namespace kolvar::remote {

AlertSettings plan_alerts(const AlertCommandLine& command_line, const std::filesystem::path& file) {
  WebSettings settings;
  try {
    settings = load_web_settings(file);
  } catch (const WebSettingsError& e) {
    throw AlertRefusal(std::string("alerts: ") + e.what(), true);
  }
  if (settings.alerts.secret()) {
    if (const std::error_code ec = platform::keep_private(file))
      throw AlertRefusal("alerts: " + file.string() + " cannot be made its owner's alone (" +
                         platform::system_reason(ec) + "); no alerts are sent");
  }
  return merged(settings.alerts, command_line.given);
}

}  // namespace kolvar::remote
