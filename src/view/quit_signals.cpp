#include "view/quit_signals.h"

namespace kolvar::view {

QuitSignals::QuitSignals(std::function<void(int)> on_signal)
    : on_signal_(std::move(on_signal)),
      notifier_(std::make_unique<QSocketNotifier>(requests_.handle(), QSocketNotifier::Read)) {
  QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] {
    for (int request : requests_.take())
      if (on_signal_) on_signal_(request);
  });
}

QuitSignals::~QuitSignals() {
  // Quiet before the requests' handle goes.
  notifier_.reset();
}

}  // namespace kolvar::view
