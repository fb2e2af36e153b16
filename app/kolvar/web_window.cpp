#include "web_window.h"

#include <QCoreApplication>
#include <iostream>

#include "desk/port_status.h"
#include "view/thread_inbox.h"
#include "view/web_badge.h"

namespace kolvar::app {

std::unique_ptr<remote::LivePage> open_web_page(view::Desktop& desktop, record::RunRecord& record,
                                                const remote::WebCommandLine& command_line,
                                                const platform::WallClock& wall, int& exit_status) {
  exit_status = 0;
  std::unique_ptr<remote::LivePage> page;
  try {
    const std::optional<remote::WebPlan> plan = remote::plan_web(command_line);
    if (!plan) return nullptr;
    auto* inbox = new view::ThreadInbox(QCoreApplication::instance());
    page = std::make_unique<remote::LivePage>(
        desktop.controller(), record, *plan, desk::port_status, wall,
        [&desktop, inbox](std::function<void()> work) {
          // Into the event loop, as an operator's input would come.
          inbox->post([&desktop, work = std::move(work)] { desktop.act(work); });
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
