#pragma once
// Quit requests from outside (SIGINT, SIGTERM, SIGHUP) end the program as
// closing the window does. The platform notes each request; the event loop
// hears of it through a socket notifier and does the rest, where Qt may be
// called.
#include <QSocketNotifier>
#include <functional>
#include <memory>

#include "platform/processes/quit_requests.h"

namespace kolvar::view {

class QuitSignals {
 public:
  // on_signal runs in the event loop once per request received, with its
  // number.
  explicit QuitSignals(std::function<void(int signal)> on_signal);
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

 private:
  std::function<void(int)> on_signal_;
  platform::QuitRequests requests_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace kolvar::view
