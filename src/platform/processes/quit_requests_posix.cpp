#include "platform/processes/quit_requests.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <stdexcept>
#include <system_error>

namespace kolvar::platform {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// The handler can reach nothing but these: the pipe's write end, and what
// each signal did before, for the destructor to put back.
volatile std::sig_atomic_t write_end = -1;
struct sigaction previous[std::size(kSignals)];

void on_signal(int signal) {
  const int saved = errno;
  // The pipe carries the numbers in order of arrival; a full pipe drops
  // one, and the requests already in it end the program all the same.
  const char number = static_cast<char>(signal);
  [[maybe_unused]] const ssize_t n = ::write(write_end, &number, 1);
  errno = saved;
}

}  // namespace

QuitRequests::QuitRequests() {
  if (write_end >= 0) throw std::logic_error("quit requests are taken over already");
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
    throw std::system_error(errno, std::generic_category(), "pipe2");
  handle_ = fds[0];
  write_end = fds[1];
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (std::size_t i = 0; i < std::size(kSignals); ++i)
    sigaction(kSignals[i], &action, &previous[i]);
}

QuitRequests::~QuitRequests() {
  for (std::size_t i = 0; i < std::size(kSignals); ++i)
    sigaction(kSignals[i], &previous[i], nullptr);
  ::close(write_end);
  write_end = -1;
  ::close(static_cast<int>(handle_));
}

std::vector<int> QuitRequests::take() {
  std::vector<int> taken;
  char number = 0;
  while (::read(static_cast<int>(handle_), &number, 1) == 1) taken.push_back(number);
  return taken;
}

}  // namespace kolvar::platform
