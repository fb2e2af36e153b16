#pragma once
// SIGINT, SIGTERM and SIGHUP end the program as closing the window does. The
// signal handler only writes the signal's number to a pipe; the event loop
// reads it and does the rest, where Qt may be called.
#include <QSocketNotifier>
#include <functional>
#include <memory>

namespace kolvar::view {

class QuitSignals {
 public:
  // on_signal runs in the event loop once per signal received.
  explicit QuitSignals(std::function<void(int signal)> on_signal);
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

 private:
  std::function<void(int)> on_signal_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace kolvar::view
