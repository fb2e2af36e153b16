// The edge error of the real-time driver on the Win32 message loop: the
// Windows twin of realtime_edges_timing. Width-modulated take-off with a 1 s
// period and a 30 % share runs for SECONDS of real time in the window, and
// every port write is compared with the moment its timer was due.
//   realtime_edges_timing_windows [SECONDS]     (20 by default)
// ./dev windows-bench runs it under wine on a virtual display.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "edge_timing.h"
#include "platform/time/monotonic_alarm.h"
#include "winview/desktop.h"
#include "winview/message_loop.h"

int main(int argc, char** argv) {
  using namespace kolvar;
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 20;
  const bench::ScratchFolder folder;

  std::vector<double> late_ms;
  std::vector<double> first_late_ms;
  {
    bench::TimedPort* timed = nullptr;
    winview::Desktop desktop({bench::timed_ports(late_ms, timed), {}});
    bench::start_pwm_run(desktop);
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
  bench::report("every write against its due time", late_ms);
  bench::report("first write of each due moment", first_late_ms);
  return 0;
}
