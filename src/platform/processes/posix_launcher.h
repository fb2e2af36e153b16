#pragma once
// Starts a program on Linux: the path text is the program itself, never a
// shell command, so blanks and shell characters in it are just characters.
#include <string>

#include "platform/processes/detached_spawn.h"
#include "platform/services.h"

namespace kolvar::platform {

class PosixLauncher : public Launcher {
 public:
  // argv[0] is the path; no other arguments; not waited for. Linux has no
  // minimized start, so the program opens as it likes.
  void start(const std::string& path) override;

 private:
  DetachedSpawner spawner_;
};

}  // namespace kolvar::platform
