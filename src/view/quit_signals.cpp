#include "view/quit_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>

namespace kolvar::view {

namespace {

int pipe_fds[2] = {-1, -1};
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

void on_signal_received(int signal) {
  const int saved = errno;
  const char number = static_cast<char>(signal);
  [[maybe_unused]] ssize_t n = ::write(pipe_fds[1], &number, 1);
  errno = saved;
}

}  // namespace

QuitSignals::QuitSignals(std::function<void(int)> on_signal) : on_signal_(std::move(on_signal)) {
  if (::pipe2(pipe_fds, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::system_error(errno, std::generic_category(), "pipe2");
  notifier_ = std::make_unique<QSocketNotifier>(pipe_fds[0], QSocketNotifier::Read);
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    char number = 0;
    while (::read(pipe_fds[0], &number, 1) == 1)
      if (on_signal_) on_signal_(number);
  });
  struct sigaction action {};
  action.sa_handler = on_signal_received;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int s : kSignals) sigaction(s, &action, nullptr);
}

QuitSignals::~QuitSignals() {
  for (int s : kSignals) std::signal(s, SIG_DFL);
  notifier_.reset();
  for (int& fd : pipe_fds) {
    ::close(fd);
    fd = -1;
  }
}

}  // namespace kolvar::view
