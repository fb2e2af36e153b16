#pragma once
// Requests from outside to end the program: SIGINT, SIGTERM and SIGHUP on
// POSIX; Ctrl+C, Ctrl+Break, the console closed, log-off and shut-down on
// Windows. The system's handler does no more than note the request and make
// handle() ready; the event loop then calls take() and ends the program where
// its toolkit may be called.
#include <vector>

#include "platform/time/wait_handle.h"

namespace kolvar::platform {

class QuitRequests {
 public:
  // Takes the requests over from the system's default (which ends the
  // process at once) until destroyed, when the previous handling returns.
  // One object at a time: a second throws std::logic_error. Throws
  // std::system_error when the system refuses.
  QuitRequests();
  ~QuitRequests();
  QuitRequests(const QuitRequests&) = delete;
  QuitRequests& operator=(const QuitRequests&) = delete;

  // The requests received since the last call, each as its number: on
  // POSIX the signals oldest first, on Windows each console event once. The
  // handle is then quiet until the next request.
  std::vector<int> take();

  WaitHandle handle() const { return handle_; }

 private:
  WaitHandle handle_;
};

}  // namespace kolvar::platform
