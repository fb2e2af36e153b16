#include "web_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <iostream>

#include "desk/port_status.h"
#include "view/web_badge.h"

namespace kolvar::app {

namespace {

// Work from the page's thread, carried by the window's event loop to the
// controller's thread; the loop deletes it once delivered.
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

class WorkTaker : public QObject {
 public:
  using QObject::QObject;
  bool event(QEvent* e) override {
    if (e->type() != HandedWork::type()) return QObject::event(e);
    static_cast<HandedWork*>(e)->run();
    return true;
  }
};

}  // namespace

std::unique_ptr<remote::LivePage> open_web_page(view::Desktop& desktop, record::RunRecord& record,
                                                const remote::WebCommandLine& command_line,
                                                const platform::WallClock& wall, int& exit_status) {
  exit_status = 0;
  std::unique_ptr<remote::LivePage> page;
  try {
    const std::optional<remote::WebPlan> plan = remote::plan_web(command_line);
    if (!plan) return nullptr;
    // Owned by the window: work still on its way when the window goes is
    // dropped with it.
    QObject* taker = new WorkTaker(&desktop.window());
    page = std::make_unique<remote::LivePage>(
        desktop.controller(), record, *plan, desk::port_status, wall,
        [&desktop, taker](std::function<void()> work) {
          // Into the event loop, as an operator's input would come.
          QCoreApplication::postEvent(
              taker, new HandedWork([&desktop, work = std::move(work)] { desktop.act(work); }));
        });
  } catch (const std::runtime_error& refusal) {  // WebRefusal, BindError
    if (command_line.given()) {
      std::cerr << "kolvar: " << refusal.what() << '\n';
      exit_status = 2;
    } else {
      desktop.controller().os.message_box.show(refusal.what());
    }
    return nullptr;
  }
  std::cout << "web: " << page->url() << std::endl;
  view::show_web_address(desktop.window(), QString::fromStdString(page->url()));
  return page;
}

}  // namespace kolvar::app
