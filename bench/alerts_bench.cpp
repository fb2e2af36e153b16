// A channel that hangs must leave the control cycle as it is: the cycle with
// its event watchers (1) with no alerts at all, (2) with push and webhook
// alerts to a loopback port where nothing listens, so every attempt fails at
// once, (3) the same to a receiver that takes the connection and never
// answers, and (4) that with a test alert posted every cycle on top. The
// last three should agree within noise: what alerts cost the cycle is the
// watch over its state, the same whatever the receiver does; the first shows
// that cost.
#include <benchmark/benchmark.h>

#include <boost/asio/io_context.hpp>
#include <boost/asio/ip/tcp.hpp>
#include <memory>
#include <string>

#include "alerts/live_alerts.h"
#include "platform/time/wall_clock.h"
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

// A port that was free a moment ago: connections to it are refused.
std::string refusing_url() {
  asio::io_context io;
  asio::ip::tcp::acceptor acceptor{io, {asio::ip::make_address("127.0.0.1"), 0}};
  return "http://127.0.0.1:" + std::to_string(acceptor.local_endpoint().port()) + "/kolvar";
}

// 0: no alerts; 1: alerts to a refusing port; 2: to the hanging receiver;
// 3: the same and a test alert posted every cycle (the queue fills, then
// refuses).
void BM_CycleWithAlerts(benchmark::State& state) {
  CycleRig rig;
  HangingReceiver receiver;
  std::unique_ptr<remote::LiveAlerts> alerts;
  if (state.range(0) > 0) {
    const std::string url = state.range(0) == 1 ? refusing_url() : receiver.url();
    remote::AlertSettings settings;
    settings.push = url;
    settings.webhook = url;
    settings.events = remote::EventFilter::parse("all");
    alerts = std::make_unique<remote::LiveAlerts>(
        rig.c, settings, rig.wall, [](const form::Controller&) { return std::string("порт"); },
        nullptr);
  }
  const bool test_alerts = state.range(0) == 3;
  for (auto _ : state) {
    rig.cycle();
    if (test_alerts) alerts->test_alert();
  }
  // The program's end does not wait for the hanging receiver past its bound.
  if (alerts) alerts->finish(0);
}
BENCHMARK(BM_CycleWithAlerts)->Arg(0)->Arg(1)->Arg(2)->Arg(3);

}  // namespace
