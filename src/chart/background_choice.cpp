#include "chart/background_choice.h"

#include <algorithm>
#include <utility>

namespace kolvar::chart {

std::shared_ptr<const BackgroundRun> BackgroundChoice::current() const {
  const std::lock_guard lock(mutex_);
  return run_;
}

void BackgroundChoice::set(std::shared_ptr<const BackgroundRun> run) {
  std::vector<std::pair<std::size_t, Listener>> told;
  {
    const std::lock_guard lock(mutex_);
    run_.swap(run);
    told = listeners_;
  }
  // Outside the lock: a listener may read the choice, or take a snapshot
  // that does.
  for (const auto& [id, listener] : told) listener();
}

std::size_t BackgroundChoice::listen(Listener listener) {
  const std::lock_guard lock(mutex_);
  listeners_.emplace_back(next_id_, std::move(listener));
  return next_id_++;
}

void BackgroundChoice::forget(std::size_t id) {
  const std::lock_guard lock(mutex_);
  std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

}  // namespace kolvar::chart
