#pragma once
// The past run drawn behind the live plot: chosen in the plot's window, read
// by every other picture of that plot (the web page's, on the server's
// thread). It is held here alone, so the window and the page never disagree
// on what is behind. A run once loaded is never changed: a reader keeps the
// one it took for as long as it draws, whatever is chosen meanwhile.
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include "chart/background_run.h"

namespace kolvar::chart {

class BackgroundChoice {
 public:
  using Listener = std::function<void()>;

  // Any thread; none while nothing is behind.
  std::shared_ptr<const BackgroundRun> current() const;

  // The thread of the window: a run behind (null: none), then each listener.
  void set(std::shared_ptr<const BackgroundRun> run);
  void clear() { set(nullptr); }

  // Told after each change, on the thread that made it; the number returned
  // forgets it again (a listener that goes before the choice must).
  std::size_t listen(Listener listener);
  void forget(std::size_t id);

 private:
  mutable std::mutex mutex_;
  std::shared_ptr<const BackgroundRun> run_;
  std::vector<std::pair<std::size_t, Listener>> listeners_;
  std::size_t next_id_ = 1;
};

}  // namespace kolvar::chart
