// A channel that hangs must leave the control cycle as it is: the cycle with
// its event watchers, first with no alerts at all, then with push and webhook
// alerts to a receiver on loopback that takes the connection and never
// answers, and a test alert posted every cycle on top. The three figures
// should agree within noise.
#include <benchmark/benchmark.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <memory>
#include <string>

#include "platform/wall_clock.h"
#include "remote/live_alerts.h"
#include "ui/headless.h"

namespace {

using namespace kolvar;
namespace asio = boost::asio;

// Takes connections into its backlog and never reads: every request waits
// for its whole timeout.
struct HangingReceiver {
  asio::io_context io;
  asio::ip::tcp::acceptor acceptor{io, {asio::ip::make_address("127.0.0.1"), 0}};
  std::string url() const {
    return "http://127.0.0.1:" + std::to_string(acceptor.local_endpoint().port()) + "/kolvar";
  }
};

struct CycleRig {
  CycleRig() {
    c.c(ctl::LogPath, 1).set_text("no-such.log");
    c.c(ctl::Ch_log).set_value(0);
    c.c(ctl::stp).set_checked(true);
    c.c(ctl::ps, 1).set_checked(true);
  }
  void cycle() { c.fire(c.c(ctl::Timer1)); }
  ui::Headless rig;
  form::Controller& c = rig.controller;
  platform::FollowingWallClock wall{rig.clock, platform::LocalTime{}};
};

// 0: no alerts; 1: alerts to the hanging receiver; 2: the same and a test
// alert posted every cycle (the queue fills, then refuses).
void BM_CycleWithAlerts(benchmark::State& state) {
  CycleRig rig;
  HangingReceiver receiver;
  std::unique_ptr<remote::LiveAlerts> alerts;
  if (state.range(0) > 0) {
    remote::AlertSettings settings;
    settings.push = receiver.url();
    settings.webhook = receiver.url();
    settings.events = remote::EventFilter::parse("all");
    alerts = std::make_unique<remote::LiveAlerts>(
        rig.c, settings, rig.wall, [](const form::Controller&) { return std::string("порт"); },
        nullptr);
  }
  const bool test_alerts = state.range(0) == 2;
  for (auto _ : state) {
    rig.cycle();
    if (test_alerts) alerts->test_alert();
  }
  // The program's end does not wait for the hanging receiver past its bound.
  if (alerts) alerts->finish(0);
}
BENCHMARK(BM_CycleWithAlerts)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
