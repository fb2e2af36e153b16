// The edge error of the real-time driver: width-modulated take-off with a
// 1 s period and a 30 % share runs for 60 s of real time in the offscreen
// window, and every port write is compared with the moment its timer was due.
//   realtime_edges_timing [SECONDS]
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "edge_timing.h"
#include "view/desktop.h"

int main(int argc, char** argv) {
  using namespace kolvar;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  QApplication app(argc, argv);
  const bench::ScratchFolder folder;

  std::vector<double> late_ms;
  bench::TimedPort* timed = nullptr;
  view::Desktop desktop({bench::timed_ports(late_ms, timed), {}});
  bench::start_pwm_run(desktop);
  timed->start(&desktop.steady());  // from here on every write is a timer's
  QTimer::singleShot(seconds * 1000 + 500, &app, [] { QCoreApplication::quit(); });
  QApplication::exec();

  if (late_ms.empty()) return 1;
  std::printf("PWM take-off, period 1 s, share 30 %%, %d s: %zu port writes\n", seconds,
              late_ms.size());
  bench::report("every write against its due time", late_ms);
  bench::report("first write of each due moment", timed->first_late_ms_);
  return 0;
}
