#include "winview/thread_inbox.h"

#include <stdexcept>

#include "winview/win32.h"

namespace kolvar::winview {

namespace {

HANDLE handle_of(platform::WaitHandle h) {
  return reinterpret_cast<HANDLE>(h);
}

}  // namespace

ThreadInbox::ThreadInbox()
    : arrived_(
          reinterpret_cast<platform::WaitHandle>(CreateEventW(nullptr, FALSE, FALSE, nullptr))) {
  if (!arrived_) throw std::runtime_error("no event for work from other threads");
}

ThreadInbox::~ThreadInbox() {
  CloseHandle(handle_of(arrived_));
}

void ThreadInbox::post(std::function<void()> work) {
  {
    const std::lock_guard lock(mutex_);
    work_.push_back(std::move(work));
  }
  SetEvent(handle_of(arrived_));
}

void ThreadInbox::run_posted() {
  std::vector<std::function<void()>> work;
  {
    const std::lock_guard lock(mutex_);
    work.swap(work_);
  }
  for (auto& item : work) item();
}

Watch ThreadInbox::watch() {
  return {arrived_, [this] { run_posted(); }};
}

}  // namespace kolvar::winview
