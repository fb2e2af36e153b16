#pragma once
// Starts a program on Windows: the path is the program itself, never a command
// line to be split, so blanks in it are just characters.
#include <string>

#include "platform/services.h"

namespace kolvar::platform {

class WindowsLauncher : public Launcher {
 public:
  // Minimized and without taking the focus from the controller's window; in
  // the controller's working folder; not waited for.
  void start(const std::string& path) override;
};

}  // namespace kolvar::platform
