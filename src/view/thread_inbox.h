#pragma once
// Work that another thread (the web page's server, the alerts' delivery)
// hands to the window's thread, carried there by the event loop as an
// operator's input would be.
#include <QObject>
#include <functional>

namespace kolvar::view {

class ThreadInbox : public QObject {
 public:
  // Made on the window's thread; its parent (the application, so that it
  // outlives whatever posts to it) deletes it.
  using QObject::QObject;
  // From any thread: `work` runs on this object's thread, in order.
  void post(std::function<void()> work);

 protected:
  bool event(QEvent* e) override;
};

}  // namespace kolvar::view
