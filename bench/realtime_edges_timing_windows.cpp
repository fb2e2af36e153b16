// The edge error of the real-time driver on the Win32 message loop: the
// Windows twin of realtime_edges_timing. Width-modulated take-off with a 1 s
// period and a 30 % share runs for SECONDS of real time in the window, and
// every port write is compared with the moment its timer was due.
//   realtime_edges_timing_windows [SECONDS]     (20 by default)
// ./dev windows-bench runs it under wine on a virtual display.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/monotonic_alarm.h"
#include "platform/port_backend.h"
#include "winview/desktop.h"
#include "winview/message_loop.h"

namespace {

using namespace kolvar;

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

double percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
  const auto folder = std::filesystem::temp_directory_path() / "kolvar-edges";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  std::filesystem::current_path(folder);
  std::ofstream("keeper.log") << "10:00:00  70.0      60.0\r\n";

  std::vector<double> late_ms;
  std::vector<double> first_late_ms;
  {
    TimedPort* timed = nullptr;
    winview::Desktop desktop({[&](const platform::Clock& clock) {
                                auto port = std::make_unique<TimedPort>(clock, late_ms);
                                timed = port.get();
                                return platform::DefaultPorts{
                                    std::move(port), std::make_unique<TimedPort>(clock, late_ms)};
                              },
                              {}});
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
    timed->start(&desktop.steady());  // from here on every write is a timer's

    // The run ends as the window's closing does: the system's stop, then the
    // loop's end. Its writes are not a timer's and are not counted.
    platform::MonotonicAlarm end;
    end.arm(std::chrono::steady_clock::now() + std::chrono::milliseconds(seconds * 1000 + 500));
    winview::run_message_loop([&] {
      std::vector<winview::Watch> watches = desktop.watches();
      watches.push_back({end.handle(), [&] {
                           end.take();
                           timed->start(nullptr);
                           desktop.end();
                         }});
      return watches;
    });
    first_late_ms = timed->first_late_ms_;
  }

  if (late_ms.empty()) return 1;
  std::printf(
      "PWM take-off on the Win32 message loop, period 1 s, share 30 %%, %d s: %zu port writes\n",
      seconds, late_ms.size());
  auto report = [](const char* what, const std::vector<double>& ms) {
    std::printf("%s: p50 %.3f ms, p90 %.3f ms, p99 %.3f ms, max %.3f ms\n", what,
                percentile(ms, 0.5), percentile(ms, 0.9), percentile(ms, 0.99),
                *std::max_element(ms.begin(), ms.end()));
  };
  report("every write against its due time", late_ms);
  report("first write of each due moment", first_late_ms);
  std::filesystem::current_path(folder.parent_path());
  std::filesystem::remove_all(folder);
  return 0;
}
