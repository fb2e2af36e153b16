#pragma once
// Permission tests mean nothing to root, who may write anywhere. Run as root,
// a save is made in a child process that has become "nobody" first.
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/files/settings_file.h"

namespace kolvar::settings::testing {

inline platform::SaveResult save_without_privileges(platform::SettingsFile& file,
                                                    const std::vector<std::string>& lines) {
  if (geteuid() != 0) return file.save(lines);
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return {platform::SaveResult::Status::Saved, "pipe failed"};
  pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    constexpr uid_t kNobody = 65534;
    if (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0) _exit(2);
    platform::SaveResult result = file.save(lines);
    std::string message = std::to_string(static_cast<int>(result.status)) + result.reason;
    ssize_t written = write(pipe_fds[1], message.data(), message.size());
    _exit(written == static_cast<ssize_t>(message.size()) ? 0 : 3);
  }
  close(pipe_fds[1]);
  std::string message;
  char buffer[256];
  for (ssize_t n; (n = read(pipe_fds[0], buffer, sizeof buffer)) > 0;) message.append(buffer, n);
  close(pipe_fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || message.empty()) {
    return {platform::SaveResult::Status::Saved, "the unprivileged child failed"};
  }
  return {static_cast<platform::SaveResult::Status>(message[0] - '0'), message.substr(1)};
}

}  // namespace kolvar::settings::testing
