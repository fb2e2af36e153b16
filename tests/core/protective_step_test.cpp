// The protective step at the end of every cycle, and the system stop.
#include "core/protective_step.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/system_stop.h"
#include "cycle_rig.h"
#include "io/valve.h"

namespace kolvar::core {
namespace {

using testing::CycleRig;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Thresholds 88.0 (tank), 60.0 (cooler shutdown), 40.0 (coil cooling) and
// 99.0 (emergency); every role takes part; coil cooling on pin(0), valve
// start on pin(1), valve stop on pin(2), system stop on pin(7).
class ProtectiveStep : public ::testing::Test {
 protected:
  ProtectiveStep() {
    r.c.c(ctl::V, 3).set_value(880);
    r.c.c(ctl::V, 4).set_value(600);
    r.c.c(ctl::V, 5).set_value(400);
    r.c.c(ctl::hot).set_value(990);
    r.tick("zm", {1});
    r.tick("ps", {2});
    r.tick("pf", {3});
    r.tick("ss", {8});
    r.c.c(ctl::Ch_pulse).set_value(0);
    r.set("net_vodi", "10");
    r.set("peregrev", "100");
    temperatures("80.0", "70.0", "50.0", "20.0");
  }
  // Role temperatures as the cycle would have left them.
  void temperatures(const char* t1, const char* t2, const char* t3, const char* t4) {
    const char* t[] = {t1, t2, t3, t4};
    for (int role = 1; role <= 4; ++role) r.reading(role, t[role - 1]);
  }
  Protection step() {
    r.c.c(ctl::Timer1).set_on(true);
    return protective_step(r.c);
  }
  bool running() const { return r.c.c(ctl::Timer1).on(); }
  // The stop's reason, without the cool-down's line under it.
  std::string reason() const {
    std::string text = r.news().substr(std::string("СИСТЕМА ОСТАНОВЛЕНА\r\n").size());
    return text.substr(0, text.find("\r\nОхлаждение после остановки"));
  }

  CycleRig r;
};

TEST_F(ProtectiveStep, OverheatCountAtZeroStopsWithNothingElseChecked) {
  r.set("peregrev", "0");
  temperatures("120.0", "120.0", "120.0", "120.0");
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(reason(), "Перегрев");
  EXPECT_EQ(r.text("net_vodi"), "10");
  EXPECT_THAT(r.sounds(), ElementsAre("stop.wav"));  // one stop only
}

TEST_F(ProtectiveStep, EveryThresholdStopsOnlyAboveItsValue) {
  const struct {
    const char* what;
    int role;
    const char* at;
    const char* above;
    const char* reason;
  } cases[] = {
      {"tank", 3, "88.0", "88.1", "Достигнут предел температуры бака"},
      {"emergency", 1, "99.0", "99.1", "Аварийный перегрев\r\nДефлегм"},
      {"emergency", 2, "99.0", "99.1", "Аварийный перегрев\r\nНасадка"},
      {"emergency", 4, "99.0", "99.1", "Аварийный перегрев\r\nохлаждение"},
  };
  for (const auto& k : cases) {
    r.set("net_vodi", "10");
    r.reading(k.role, k.at);
    EXPECT_EQ(step(), Protection::Running) << k.what << " at " << k.at;
    r.reading(k.role, k.above);
    EXPECT_EQ(step(), Protection::Stopped) << k.what << " at " << k.above;
    EXPECT_EQ(reason(), k.reason);
    temperatures("80.0", "70.0", "50.0", "20.0");
  }
}

TEST_F(ProtectiveStep, ARoleThatTakesNoPartNeverStops) {
  temperatures("120.0", "120.0", "120.0", "120.0");
  for (int role = 1; role <= 4; ++role) r.enable(role, false);
  EXPECT_EQ(step(), Protection::Running);
  EXPECT_EQ(r.image().substr(0, 1), "0");  // no coil cooling either
  EXPECT_EQ(r.text("net_vodi"), "10");
}

TEST_F(ProtectiveStep, CoilCoolingFollowsTheCoolerOutletInTheSameCycle) {
  std::vector<std::string> coil;
  for (const char* t4 : {"40.0", "40.1", "55.0", "40.0"}) {
    temperatures("80.0", "70.0", "50.0", t4);
    step();
    coil.push_back(r.image().substr(0, 1));
  }
  EXPECT_THAT(coil, ElementsAre("0", "1", "1", "0"));
}

TEST_F(ProtectiveStep, CoolerOverheatCountsDownThenStopsInTheEleventhCycle) {
  temperatures("80.0", "70.0", "50.0", "100.0");  // over the cooler and the emergency limits
  std::vector<std::string> counts;
  for (int i = 0; i < 10; ++i) {
    r.c.c(ctl::hot).set_value(1000);  // no emergency while counting
    ASSERT_EQ(step(), Protection::Running);
    counts.push_back(r.text("net_vodi"));
  }
  EXPECT_THAT(counts, ElementsAre("9", "8", "7", "6", "5", "4", "3", "2", "1", "0"));
  r.c.c(ctl::hot).set_value(990);
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(reason(), "Перегрев холодильника");  // the emergency check was not made
  // A cooler that cannot keep up keeps the water it has, for the cool-down.
  EXPECT_EQ(r.image().substr(0, 1), "1");
}

TEST_F(ProtectiveStep, OneCycleAtTheThresholdRestoresTheFullCount) {
  r.set("net_vodi_def", "12");
  temperatures("80.0", "70.0", "50.0", "61.0");
  step();
  step();
  EXPECT_EQ(r.text("net_vodi"), "8");
  temperatures("80.0", "70.0", "50.0", "60.0");
  step();
  EXPECT_EQ(r.text("net_vodi"), "12");
}

TEST_F(ProtectiveStep, CountsHoldingNoNumberCountAsTheirDefaults) {
  temperatures("80.0", "70.0", "50.0", "61.0");
  r.set("net_vodi", "");
  r.set("peregrev", "");
  EXPECT_EQ(step(), Protection::Running);
  EXPECT_EQ(r.text("net_vodi"), "9");  // from net_vodi_def 10
  r.set("peregrev_def", "0");
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(reason(), "Перегрев");
}

TEST_F(ProtectiveStep, CountsWithNoUsableDefault) {
  r.set("peregrev", "?");
  r.set("peregrev_def", "?");
  r.set("net_vodi", "");
  r.set("net_vodi_def", "?");
  EXPECT_EQ(step(), Protection::Running);  // nothing counted the overheat down
  EXPECT_EQ(r.text("net_vodi"), "?");      // copied unchanged
  temperatures("80.0", "70.0", "50.0", "61.0");
  EXPECT_EQ(step(), Protection::Stopped);  // the cooler is over and no count can be kept
  EXPECT_EQ(reason(), "Перегрев холодильника");
}

TEST_F(ProtectiveStep, ACountBelowZeroHasRunOut) {
  r.set("peregrev", "-1");
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(reason(), "Перегрев");
  r.set("peregrev", "5");
  r.set("net_vodi", "-3");
  temperatures("80.0", "70.0", "50.0", "61.0");
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(reason(), "Перегрев холодильника");
}

// The step reads the readings the cycle took, not the labels: a caption set
// from outside (a script's `set T(3).caption`) decides nothing.
// The label is the reading's one store: a caption written there from outside
// is what the step decides on.
TEST_F(ProtectiveStep, DecidesOnWhatTheLabelHoldsHoweverItWasWritten) {
  r.reading(3, "50.0");
  r.set("T", "88.1", 3);
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(reason(), "Достигнут предел температуры бака");
}

TEST_F(ProtectiveStep, EveryRoleOverTheEmergencyLimitStopsOnceAndTheLastOneIsShown) {
  temperatures("99.5", "100.0", "50.0", "20.0");
  EXPECT_EQ(step(), Protection::Stopped);
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nАварийный перегрев\r\nНасадка");
  EXPECT_THAT(r.sounds(), ElementsAre("stop.wav", "stop.wav"));
}

class SystemStop : public ProtectiveStep {
 protected:
  void stop_now() { system_stop(r.c, "Остановлено пользователем"); }
};

TEST_F(SystemStop, OutputsGoToTheStoppedStateTheCoilAfterItsCoolDown) {
  r.tick("puls", {5});
  for (int k = 0; k < 8; ++k) r.set("pin", "1", k);
  stop_now();
  // start low, stop high, working signal low, system stop high; the coil
  // that was cooling goes on cooling
  EXPECT_EQ(r.image(), "10110111");
  EXPECT_EQ(r.text("Klapan_status"), "0");
  EXPECT_EQ(r.h.port1.writes().back().byte, 0b11101101);
  EXPECT_EQ(r.news(),
            "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем\r\n"
            "Охлаждение после остановки: ещё 10 мин");
  r.h.advance(9 * 60000);
  EXPECT_EQ(r.image(), "10110111");
  EXPECT_EQ(r.news(),
            "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем\r\n"
            "Охлаждение после остановки: ещё 1 мин");
  r.h.advance(60000);
  EXPECT_EQ(r.image(), "00110111");
  EXPECT_EQ(r.h.port1.writes().back().byte, 0b11101100);
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
  EXPECT_EQ(r.c.c(ctl::News).back_color(), io::kClosedColor);
  EXPECT_FALSE(r.c.c(ctl::cooldown).on());
}

TEST_F(SystemStop, WithNoCoolingRunningNothingCoolsDown) {
  stop_now();
  EXPECT_EQ(r.image().substr(0, 3), "001");
  EXPECT_FALSE(r.c.c(ctl::cooldown).on());
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
}

// In vapour take-off the valve carries the dephlegmator's water: the stop
// opens it, and no pending pulse end closes it before the cool-down ends.
TEST_F(SystemStop, VapourTakeoffKeepsTheWaterFlowingForTheCoolDown) {
  r.c.c(ctl::liquid).set_checked(false);
  r.c.c(ctl::par).set_checked(true);
  r.c.c(ctl::Timer4).set_interval(500);
  r.c.c(ctl::Timer4).set_on(true);
  stop_now();
  EXPECT_EQ(r.image().substr(0, 3), "010");
  EXPECT_EQ(r.text("Klapan_status"), "1");
  EXPECT_FALSE(r.c.c(ctl::Timer4).on());
  EXPECT_EQ(r.image().substr(7, 1), "1");  // the system-stop pin
  r.h.advance(10 * 60000 - 1);
  EXPECT_EQ(r.text("Klapan_status"), "1");
  r.h.advance(1);
  EXPECT_EQ(r.image().substr(0, 3), "001");
  EXPECT_EQ(r.text("Klapan_status"), "0");
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
}

TEST_F(SystemStop, APulsingSignalIsLeftToItsTimer) {
  r.tick("puls", {5});
  r.c.c(ctl::Ch_pulse).set_value(1);
  r.set("pin", "1", 4);
  r.c.c(ctl::Timer7).set_interval(700);
  r.c.c(ctl::Timer7).set_on(true);
  stop_now();
  EXPECT_EQ(r.text("pin", 4), "1");
}

TEST_F(SystemStop, StopsTheCycleAndEveryTimerThatCouldOpenTheValve) {
  for (const char* t : {"Timer1", "Timer3", "Timer4", "Timer5", "Timer7", "Timer8", "Timer9"}) {
    r.c.form.get(t).set_interval(1000);
    r.c.form.get(t).set_on(true);
  }
  stop_now();
  for (const char* t : {"Timer1", "Timer3", "Timer8", "Timer9"})
    EXPECT_FALSE(r.c.form.get(t).on()) << t;
  // The timed outputs end on their own.
  for (const char* t : {"Timer4", "Timer5", "Timer7"}) EXPECT_TRUE(r.c.form.get(t).on()) << t;
}

TEST_F(SystemStop, AnArmedClosedPhaseDoesNotOpenTheValveAfterTheStop) {
  // A stand-in for the phase timer: at its end it opens the valve.
  r.c.on_timer(ctl::Timer8, [](form::Controller& c) { io::vkl(c); });
  r.c.c(ctl::Timer8).set_interval(1500);
  r.c.c(ctl::Timer8).set_on(true);
  stop_now();
  r.h.advance(5000);
  EXPECT_EQ(r.text("Klapan_status"), "0");
  EXPECT_EQ(r.image().substr(1, 2), "01");
}

TEST_F(SystemStop, SoundOnlyWhenWantedAndAMessageWhenItCannotPlay) {
  r.c.c(ctl::sound_ch).set_value(0);
  stop_now();
  EXPECT_THAT(r.sounds(), IsEmpty());
  EXPECT_THAT(r.boxes(), IsEmpty());

  r.c.c(ctl::sound_ch).set_value(1);
  r.h.sound.fail = true;
  stop_now();
  EXPECT_THAT(r.boxes(),
              ElementsAre("Ошибка, возможно проблемы с winmm.dll или с файлом Stop.wav"));
  EXPECT_EQ(r.news(), "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
}

TEST_F(SystemStop, AFailingPortDoesNotKeepTheSystemRunning) {
  r.c.c(ctl::Timer1).set_on(true);
  r.c.c(ctl::Timer8).set_on(true);
  r.set("pin", "2", 6);  // no write can form its byte
  stop_now();
  EXPECT_FALSE(r.c.c(ctl::Timer1).on());
  EXPECT_FALSE(r.c.c(ctl::Timer8).on());
  EXPECT_EQ(r.image(), "00100021");  // the image still shows the stopped state
  EXPECT_THAT(r.news(),
              ::testing::StartsWith("СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем\r\n"));
  EXPECT_THAT(r.news(), ::testing::HasSubstr("pin(6)"));
  EXPECT_THAT(r.sounds(), ElementsAre("stop.wav"));
}

}  // namespace
}  // namespace kolvar::core
