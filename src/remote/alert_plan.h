#pragma once
// The alerts a program sends, from its command line and the remote settings
// file together.
#include <filesystem>
#include <stdexcept>
#include <string>

#include "alerts/alert_settings.h"
#include "remote/web_settings.h"

namespace kolvar::remote {

// The file is wrong, or holds secrets and cannot be made its owner's alone.
class AlertRefusal : public std::runtime_error {
 public:
  explicit AlertRefusal(const std::string& what, bool file_wrong = false)
      : std::runtime_error(what), file_wrong_(file_wrong) {}
  // The file could not be read or is wrong: the web page's plan, which reads
  // the same file first, has said so already.
  bool file_wrong() const { return file_wrong_; }

 private:
  bool file_wrong_;
};

// The file's alert settings with the command line's channels over them. A
// file that names a channel is taken from everyone but its owner first.
AlertSettings plan_alerts(const AlertCommandLine& command_line,
                          const std::filesystem::path& file = kWebSettingsFile);

}  // namespace kolvar::remote
