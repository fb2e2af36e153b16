// Which changes of the column are worth an alert, and the controller's own
// events seen through the watch.
#include "alerts/alert_watch.h"

#include <gtest/gtest.h>

#include "alerts/alert_formats.h"
#include "core/start_warnings.h"
#include "form/names.h"
#include "record/record_rig.h"
#include "web/page_publisher.h"

namespace kolvar::remote {
namespace {

std::vector<std::string> keys(const std::vector<AlertEvent>& events) {
  std::vector<std::string> k;
  k.reserve(events.size());
  for (const AlertEvent& e : events) k.push_back(e.key);
  return k;
}

ColumnFacts facts(bool running, const char* stop = nullptr,
                  form::PortOutcome port = form::PortOutcome::None, bool restarted = false) {
  ColumnFacts f;
  f.running = running;
  f.stopped = stop != nullptr;
  f.stop_reason = stop ? stop : "";
  f.port = port;
  f.port_status = "Выходы не доходят до колонны: порт недоступен";
  f.logger_restarted = restarted;
  f.degrees = {80, 81, 90, 20};
  return f;
}

TEST(AlertWatch, EventsBetweenStates) {
  using form::PortOutcome;
  struct Step {
    ColumnFacts now;
    std::vector<std::string> keys;
  };
  const std::vector<Step> steps = {
      // A program that opens on the last run's stop tells nothing of it.
      {facts(false, "Перегрев"), {}},
      {facts(true), {"run.started"}},
      {facts(true), {}},
      {facts(true, nullptr, PortOutcome::FallBack), {"port.failed"}},
      // Once a run, however the port's outcome changes after.
      {facts(true, nullptr, PortOutcome::Refused), {}},
      {facts(true, nullptr, PortOutcome::Refused, true), {"logger.restarted"}},
      {facts(true, nullptr, PortOutcome::Refused, true), {}},
      {facts(false, "Достигнут предел температуры бака"), {"system_stop.tank_limit"}},
      {facts(false, "Достигнут предел температуры бака"), {}},
      // A new run may tell of its port again; start and failure in one event.
      {facts(true, nullptr, PortOutcome::Missing), {"run.started", "port.failed"}},
      {facts(false, "Перегрев холодильника"), {"system_stop.cooler_overheat"}},
  };
  AlertWatch watch;
  for (std::size_t i = 0; i < steps.size(); ++i) {
    const auto events = watch.next(steps[i].now);
    EXPECT_EQ(keys(events), steps[i].keys) << "step " << i;
    for (const AlertEvent& e : events) EXPECT_EQ(e.degrees, steps[i].now.degrees);
  }
}

TEST(AlertWatch, TheControllersStartAndStop) {
  record::testing::RecordRig rig;
  AlertWatch watch;
  std::vector<std::string> seen;
  rig.c().after_each_event([&](form::Controller& c, const form::Control&) {
    for (const AlertEvent& e : watch.next(column_facts(c, "порт"))) seen.push_back(e.key);
  });
  rig.click("liquid");
  rig.click("Start_sys_button");
  rig.advance(4000);
  rig.click("Stop_sys_button");
  remote_stop(rig.c());  // the page's stop after the window's: no second alert
  rig.click("Start_sys_button");
  rig.advance(2000);
  remote_stop(rig.c());
  EXPECT_EQ(seen, (std::vector<std::string>{"run.started", "system_stop.operator", "run.started",
                                            "system_stop.remote"}));
}

TEST(AlertWatch, AStartCarriesItsWarningsAndAStopItsCooldown) {
  record::testing::RecordRig rig;
  AlertWatch watch;
  std::vector<AlertEvent> seen;
  rig.c().after_each_event([&](form::Controller& c, const form::Control&) {
    for (AlertEvent& e : watch.next(column_facts(c, "порт"))) seen.push_back(std::move(e));
  });
  // No tank sensor and an emergency limit above boiling; in vapour take-off
  // the valve carries the dephlegmator's water, which a stop keeps flowing.
  rig.c().edit(rig.c().c(ctl::hot), "1000");
  settings::OK_Click(rig.c());  // the start reads the settings file again
  rig.click("par");
  rig.click("Start_sys_button");
  rig.advance(2000);
  rig.click("Stop_sys_button");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].warnings, (std::vector<std::string>{core::kNoTankSensorWarning,
                                                        core::kEmergencyOverBoilingWarning}));
  EXPECT_EQ(seen[0].text, std::string("Система запущена\nВнимание: ") + core::kNoTankSensorWarning +
                              "\nВнимание: " + core::kEmergencyOverBoilingWarning);
  EXPECT_EQ(seen[1].key, "system_stop.operator");
  EXPECT_TRUE(seen[1].warnings.empty());
  EXPECT_EQ(seen[1].cooldown_minutes, 10);
  EXPECT_TRUE(seen[1].text.ends_with("\nОхлаждение остаётся включённым ещё 10 мин"));

  // A liquid run with the tank's sensor and no cooling on: nothing to warn
  // of, and the stop cuts everything.
  seen.clear();
  rig.c().edit(rig.c().c(ctl::hot), "990");
  settings::OK_Click(rig.c());
  rig.click("liquid");
  rig.c().click(rig.c().c(ctl::kub, 3));
  rig.click("Start_sys_button");
  rig.click("Stop_sys_button");
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0].text, "Система запущена");
  EXPECT_FALSE(seen[1].cooldown_minutes);
  EXPECT_EQ(seen[1].text, "Система остановлена: Остановлено пользователем");
}

TEST(AlertWatch, ARunStartedBeforeAnyReadingTellsNoTemperature) {
  record::testing::RecordRig rig;
  AlertWatch watch;
  std::vector<AlertEvent> seen;
  rig.c().after_each_event([&](form::Controller& c, const form::Control&) {
    for (AlertEvent& e : watch.next(column_facts(c, "порт"))) seen.push_back(std::move(e));
  });
  rig.click("liquid");
  rig.click("Start_sys_button");
  rig.advance(2000);
  rig.click("Stop_sys_button");
  ASSERT_EQ(seen.size(), 2u);
  // The labels show the window's first captions until the first cycle reads
  // the log: those are no temperatures.
  EXPECT_EQ(seen[0].key, "run.started");
  EXPECT_EQ(seen[0].degrees, (std::array<std::optional<double>, 4>{}));
  EXPECT_NE(event_json("", seen[0])
                .find("\"temperatures\":{\"t1\":null,\"t2\":null,\"t3\":null,\"t4\":null}"),
            std::string::npos);
  EXPECT_EQ(seen[1].degrees,
            (std::array<std::optional<double>, 4>{88.3, 77.0, std::nullopt, std::nullopt}));
}

}  // namespace
}  // namespace kolvar::remote
