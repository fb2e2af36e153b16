// The web page under load, on real time: width-modulated take-off (1 s
// period, 30 % share) runs in the offscreen window with the page served on
// loopback, first for SECONDS with nobody watching, then for SECONDS with 32
// viewers on the push stream. For each half it prints the control cycle's
// cost (from its timers' moment to the end of its watchers, the page's
// snapshot included) and the port edges' error against their due times;
// the two halves should agree within noise.
//   web_viewers_timing [SECONDS]
#include <QApplication>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "edge_timing.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "record/snapshot.h"
#include "remote/live_page.h"
#include "remote/web_plan.h"
#include "view/desktop.h"
#include "web/http_client.h"

namespace {

using namespace kolvar;
using Clock = std::chrono::steady_clock;

constexpr int kViewers = 32;

// One viewer of the push stream until `stop`: counts the states it is sent,
// and how often it had to connect again.
struct Viewer {
  std::uint16_t port;
  const std::atomic<bool>& stop;
  int states = 0;
  int connections = 0;

  void watch() {
    while (!stop) {
      try {
        remote::testing::Connection connection(port);
        ++connections;
        connection.send(remote::testing::request("GET", "/api/events"));
        std::string pending;
        while (!stop && !connection.closed()) {
          pending += connection.read_until([](const std::string& text) { return !text.empty(); },
                                           std::chrono::milliseconds(500));
          connection.forget();
          // An event ends at an empty line; what follows the last one waits
          // for the rest of its bytes.
          std::size_t end = 0;
          for (std::size_t at = pending.find("\n\n"); at != std::string::npos;
               at = pending.find("\n\n", end)) {
            if (pending.compare(end, 5, "data:") == 0 || pending.find("\ndata:", end) < at)
              ++states;
            end = at + 2;
          }
          pending.erase(0, end);
        }
      } catch (const std::exception&) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
    }
  }
};

// What one half of the run saw, from indexes into the whole run's figures.
struct Marks {
  std::size_t writes = 0;
  std::size_t edges = 0;
  std::size_t cycles = 0;
};

template <class T>
std::vector<T> between(const std::vector<T>& all, std::size_t from, std::size_t to) {
  return {all.begin() + static_cast<std::ptrdiff_t>(from),
          all.begin() + static_cast<std::ptrdiff_t>(to)};
}

void report_half(const char* title, const std::vector<double>& late_ms,
                 const std::vector<double>& edges_ms, const std::vector<double>& cycle_ms,
                 const Marks& from, const Marks& to) {
  std::printf("== %s: %zu cycles, %zu port writes\n", title, to.cycles - from.cycles,
              to.writes - from.writes);
  if (to.cycles > from.cycles)
    bench::report("  control cycle's cost", between(cycle_ms, from.cycles, to.cycles));
  if (to.writes > from.writes)
    bench::report("  every write against its due time", between(late_ms, from.writes, to.writes));
  if (to.edges > from.edges)
    bench::report("  first write of each due moment", between(edges_ms, from.edges, to.edges));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  QApplication app(argc, argv);
  const bench::ScratchFolder folder;

  std::vector<double> late_ms;
  std::vector<double> cycle_ms;
  bench::TimedPort* timed = nullptr;
  Clock::time_point moment_began;
  view::Desktop::Wiring wiring{bench::timed_ports(late_ms, timed), {}};
  wiring.before = [&moment_began](platform::Millis) { moment_began = Clock::now(); };
  view::Desktop desktop(std::move(wiring));
  form::Controller& c = desktop.controller();
  const platform::SystemWallClock wall;
  record::RunRecord record(c, wall, {.background = true});
  remote::WebCommandLine command_line;
  command_line.web = remote::WebAddress{};  // 127.0.0.1, a port of the system's choice
  const auto plan = remote::plan_web(command_line);
  remote::LivePage page(c, record, *plan, {}, wall, [](const std::function<void()>&) {});
  // After the page's own watcher, so the snapshot counts in the cycle.
  c.after_each_event([&](form::Controller&, const form::Control& source) {
    if (record::is_cycle_timer(source))
      cycle_ms.push_back(
          std::chrono::duration<double, std::milli>(Clock::now() - moment_began).count());
  });
  bench::start_pwm_run(desktop);
  timed->start(&desktop.steady());

  const auto marks = [&] {
    return Marks{late_ms.size(), timed->first_late_ms_.size(), cycle_ms.size()};
  };
  Marks start;
  Marks middle;
  Marks end;
  std::atomic<bool> stop{false};
  std::vector<std::unique_ptr<Viewer>> viewers;
  std::vector<std::thread> threads;
  QTimer::singleShot(500, &app, [&] { start = marks(); });
  QTimer::singleShot(seconds * 1000 + 500, &app, [&] {
    middle = marks();
    for (int i = 0; i < kViewers; ++i) {
      viewers.push_back(std::make_unique<Viewer>(Viewer{page.port(), stop}));
      threads.emplace_back(&Viewer::watch, viewers.back().get());
    }
  });
  QTimer::singleShot(2 * seconds * 1000 + 500, &app, [&] {
    end = marks();
    std::printf("viewers on the push stream at the end: %zu\n", page.viewers());
    QCoreApplication::quit();
  });
  QApplication::exec();
  stop = true;
  for (auto& thread : threads) thread.join();

  std::printf("PWM take-off, period 1 s, share 30 %%, the page on 127.0.0.1:%u, %d s each\n",
              page.port(), seconds);
  report_half("nobody watching", late_ms, timed->first_late_ms_, cycle_ms, start, middle);
  report_half("32 viewers on the push stream", late_ms, timed->first_late_ms_, cycle_ms, middle,
              end);
  int fewest = viewers.empty() ? 0 : viewers.front()->states;
  int most = fewest;
  int reconnects = 0;
  for (const auto& v : viewers) {
    fewest = std::min(fewest, v->states);
    most = std::max(most, v->states);
    reconnects += v->connections - 1;
  }
  std::printf("each viewer was sent %d to %d states; %d connections made again\n", fewest, most,
              reconnects);
  return end.cycles > middle.cycles && middle.cycles > start.cycles ? 0 : 1;
}
