#include "platform/processes/detached_spawn.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace kolvar::platform {

namespace {

class SpawnAttributes {
 public:
  SpawnAttributes() {
    posix_spawnattr_init(&attributes_);
    // The child starts clean whatever this process blocks or ignores.
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes_, &none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attributes_, &all);
    posix_spawnattr_setpgroup(&attributes_, 0);
    posix_spawnattr_setflags(
        &attributes_, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETPGROUP);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;

  const posix_spawnattr_t* get() const { return &attributes_; }

 private:
  posix_spawnattr_t attributes_;
};

}  // namespace

void DetachedSpawner::spawn(const std::vector<std::string>& argv, bool search_path) {
  reap_finished();
  std::vector<std::string> copies = argv;
  std::vector<char*> pointers;
  for (std::string& argument : copies) pointers.push_back(argument.data());
  pointers.push_back(nullptr);

  // glibc (2.24 on) reports a failed exec (ENOENT, EACCES, ENOEXEC) as the
  // result of posix_spawn itself, so a started child is a running program.
  const SpawnAttributes attributes;
  pid_t child = 0;
  const int error =
      search_path
          ? posix_spawnp(&child, pointers[0], nullptr, attributes.get(), pointers.data(), environ)
          : posix_spawn(&child, pointers[0], nullptr, attributes.get(), pointers.data(), environ);
  if (error != 0) throw std::system_error(error, std::generic_category());
  children_.push_back(child);
}

void DetachedSpawner::reap_finished() {
  std::erase_if(children_, [](pid_t child) {
    int status = 0;
    const pid_t result = waitpid(child, &status, WNOHANG);
    return result == child || (result < 0 && errno == ECHILD);
  });
}

}  // namespace kolvar::platform
