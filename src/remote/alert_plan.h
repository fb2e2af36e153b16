#pragma once
// The alerts a program sends, from its command line and the remote settings
// file together.
#include <filesystem>
#include <stdexcept>

#include "remote/alert_settings.h"
#include "remote/web_settings.h"

namespace kolvar::remote {

// The file is wrong, or holds secrets and cannot be made its owner's alone.
class AlertRefusal : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The file's alert settings with the command line's channels over them. A
// file that names a channel is taken from everyone but its owner first.
AlertSettings plan_alerts(const AlertCommandLine& command_line,
                          const std::filesystem::path& file = kWebSettingsFile);

}  // namespace kolvar::remote
