#include "view/thread_inbox.h"

#include <QCoreApplication>
#include <QEvent>

namespace kolvar::view {

namespace {

// The loop deletes the event once delivered, work and all.
class HandedWork : public QEvent {
 public:
  static QEvent::Type type() {
    static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
    return registered;
  }
  explicit HandedWork(std::function<void()> work) : QEvent(type()), work_(std::move(work)) {}
  void run() const { work_(); }

 private:
  std::function<void()> work_;
};

}  // namespace

void ThreadInbox::post(std::function<void()> work) {
  QCoreApplication::postEvent(this, new HandedWork(std::move(work)));
}

bool ThreadInbox::event(QEvent* e) {
  if (e->type() != HandedWork::type()) return QObject::event(e);
  static_cast<HandedWork*>(e)->run();
  return true;
}

}  // namespace kolvar::view
