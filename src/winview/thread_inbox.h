#pragma once
// Work that another thread (the web page's server, the alerts' delivery)
// hands to the window's thread: kept in order under a lock, and an event the
// message loop waits on tells it to come and run it.
#include <functional>
#include <mutex>
#include <vector>

#include "winview/message_loop.h"

namespace kolvar::winview {

class ThreadInbox {
 public:
  // Throws std::runtime_error when the system gives no event.
  ThreadInbox();
  ~ThreadInbox();
  ThreadInbox(const ThreadInbox&) = delete;
  ThreadInbox& operator=(const ThreadInbox&) = delete;

  // From any thread: `work` runs in the message loop, in order.
  void post(std::function<void()> work);
  // What the message loop waits on for it.
  Watch watch();

 private:
  void run_posted();

  platform::WaitHandle arrived_;
  std::mutex mutex_;
  std::vector<std::function<void()>> work_;
};

}  // namespace kolvar::winview
