#pragma once
// Starts programs without a shell and without waiting for them.
#include <sys/types.h>

#include <string>
#include <vector>

namespace kolvar::platform {

// Keeps the ids of the children it started and collects those that have
// ended at each later start, so a long run leaves at most the children of
// the latest starts unreaped. Only its own children are waited for: other
// parts of the process (a GUI toolkit) may have children of their own.
class DetachedSpawner {
 public:
  DetachedSpawner() = default;
  DetachedSpawner(const DetachedSpawner&) = delete;
  DetachedSpawner& operator=(const DetachedSpawner&) = delete;

  // Starts argv[0] with the arguments argv (argv[0] included). With
  // search_path a name without a slash is looked up on PATH; otherwise it is
  // a path. The child runs in its own process group, so a terminal's Ctrl-C
  // meant for the controller does not reach it. Throws std::system_error when
  // the program cannot be started (missing, not executable).
  void spawn(const std::vector<std::string>& argv, bool search_path);

 private:
  void reap_finished();

  std::vector<pid_t> children_;
};

}  // namespace kolvar::platform
