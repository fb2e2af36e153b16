#include "view/desktop.h"

#include <QCoreApplication>

#include "core/system_stop.h"

namespace kolvar::view {

QtServices::QtServices() : sound([this] { message_box.show(core::kStopSoundFailure); }) {}

Desktop::Desktop(Wiring wiring)
    : desk::Desktop(std::move(wiring),
                    {message_box, sound, launcher, locale, [] { QCoreApplication::quit(); }}) {
  window_ = std::make_unique<MainWindow>(
      controller(), [this](const std::function<void()>& input) { act(input); }, [this] { end(); });
  message_box.set_owner(window_.get());
  attach(*window_);
  wake_ = std::make_unique<QSocketNotifier>(loop().handle(), QSocketNotifier::Read);
  QObject::connect(wake_.get(), &QSocketNotifier::activated, [this] { loop().wake(); });
}

Desktop::~Desktop() {
  // Quiet before the alarm's handle goes.
  wake_.reset();
}

}  // namespace kolvar::view
