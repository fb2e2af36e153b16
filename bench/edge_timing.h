#pragma once
// What the two edge-timing programs share (the Qt window's and the Win32
// window's): a port that notes how late each byte came after its due time,
// the width-modulated run both measure, and the figures they print.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "form/controller.h"
#include "form/real_time_driver.h"
#include "platform/ports/default_ports.h"
#include "platform/ports/port_backend.h"

namespace kolvar::bench {

// Records how late each byte arrived after the due time the model stamps it with.
class TimedPort : public platform::PortBackend {
 public:
  TimedPort(const platform::Clock& clock, std::vector<double>& late_ms)
      : clock_(clock), late_ms_(late_ms) {}
  void start(const form::SteadyMillis* steady) { steady_ = steady; }
  std::string name() const override { return "timed"; }
  platform::PortAvailability availability() override { return platform::PortAvailability::Usable; }
  void write(std::uint8_t) override {
    if (!steady_) return;
    const auto actual = std::chrono::steady_clock::now() - steady_->at(0);
    const double actual_ms = std::chrono::duration<double, std::milli>(actual).count();
    const platform::Millis due = clock_.now();
    late_ms_.push_back(actual_ms - static_cast<double>(due));
    if (due != last_due_) first_late_ms_.push_back(late_ms_.back());
    last_due_ = due;
  }
  // The first write of each due moment: the edge itself, before the rest of
  // its handler's work.
  std::vector<double> first_late_ms_;

 private:
  const platform::Clock& clock_;
  std::vector<double>& late_ms_;
  const form::SteadyMillis* steady_ = nullptr;
  platform::Millis last_due_ = -1;
};

// Both port backends timed; `first` is told which one the controller writes.
inline auto timed_ports(std::vector<double>& late_ms, TimedPort*& first) {
  return [&late_ms, &first](const platform::Clock& clock) {
    auto port = std::make_unique<TimedPort>(clock, late_ms);
    first = port.get();
    return platform::DefaultPorts{std::move(port), std::make_unique<TimedPort>(clock, late_ms)};
  };
}

// A scratch working folder with a log that never changes, gone at the end.
class ScratchFolder {
 public:
  ScratchFolder() : folder_(std::filesystem::temp_directory_path() / "kolvar-edges") {
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
    std::filesystem::current_path(folder_);
    std::ofstream("keeper.log") << "10:00:00  70.0      60.0\r\n";
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::current_path(folder_.parent_path(), ignored);
    std::filesystem::remove_all(folder_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

 private:
  std::filesystem::path folder_;
};

// Starts width-modulated take-off with a 1 s period and a 30 % share by hand,
// as the operator would, on either window's desktop.
template <class Desktop>
void start_pwm_run(Desktop& desktop) {
  form::Controller& c = desktop.controller();
  auto click = [&](const char* name) { desktop.act([&] { c.click(*c.form.find_full(name)); }); };
  auto edit = [&](const char* name, const char* value) {
    desktop.act([&] { c.edit(*c.form.find_full(name), value); });
  };
  desktop.start();
  edit("LogPath(1)", "keeper.log");
  edit("Ch_log", "0");  // the log never changes here: no logger restart, no stop
  edit("Interval", "1");
  click("SHIM");
  edit("manual_otb_Ch", "1");
  edit("manual_otb", "30");
  click("OK_set");
  click("Start_sys_button");
}

inline double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

inline void report(const char* what, const std::vector<double>& ms) {
  std::printf("%s: p50 %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms\n", what, percentile(ms, 0.5),
              percentile(ms, 0.9), percentile(ms, 0.99), *std::max_element(ms.begin(), ms.end()));
}

}  // namespace kolvar::bench
