#include "win_web_page.h"

#include <cstdio>
#include <stdexcept>

#include "console_output.h"
#include "desk/port_status.h"
#include "winview/win32.h"

namespace kolvar::app {

namespace {

HANDLE handle_of(platform::WaitHandle h) {
  return reinterpret_cast<HANDLE>(h);
}

}  // namespace

WinWebPage::WinWebPage(winview::Desktop& desktop)
    : desktop_(desktop),
      arrived_(
          reinterpret_cast<platform::WaitHandle>(CreateEventW(nullptr, FALSE, FALSE, nullptr))) {
  if (!arrived_) throw std::runtime_error("web: no event for the page's stop");
}

WinWebPage::~WinWebPage() {
  page_.reset();
  CloseHandle(handle_of(arrived_));
}

std::unique_ptr<WinWebPage> WinWebPage::open(winview::Desktop& desktop, record::RunRecord& record,
                                             const remote::WebCommandLine& command_line,
                                             const platform::WallClock& wall, const char* program,
                                             int& exit_status) {
  exit_status = 0;
  std::unique_ptr<WinWebPage> made;
  try {
    const std::optional<remote::WebPlan> plan = remote::plan_web(command_line);
    if (!plan) return nullptr;
    made.reset(new WinWebPage(desktop));
    WinWebPage& self = *made;
    self.page_ = std::make_unique<remote::LivePage>(
        desktop.controller(), record, *plan, desk::port_status, wall,
        [&self](std::function<void()> work) { self.post(std::move(work)); });
  } catch (const std::runtime_error& refusal) {  // WebRefusal, BindError
    if (command_line.given()) {
      std::fprintf(stderr, "%s: %s\n", program, refusal.what());
      exit_status = 2;
    } else {
      desktop.controller().os.message_box.show(refusal.what());
    }
    return nullptr;
  }
  kolvar_app::attach_parent_console();
  std::printf("web: %s\n", made->url().c_str());
  std::fflush(stdout);
  desktop.window().show_web_address(made->url());
  return made;
}

void WinWebPage::post(std::function<void()> work) {
  {
    const std::lock_guard lock(mutex_);
    work_.push_back(std::move(work));
  }
  SetEvent(handle_of(arrived_));
}

void WinWebPage::run_posted() {
  std::vector<std::function<void()>> work;
  {
    const std::lock_guard lock(mutex_);
    work.swap(work_);
  }
  for (auto& item : work) desktop_.act(item);
}

winview::Watch WinWebPage::watch() {
  return {arrived_, [this] { run_posted(); }};
}

}  // namespace kolvar::app
