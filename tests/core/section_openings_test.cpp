// The working signal at the start of a cycle and the openings of the three
// take-off sections.
#include "core/section_openings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/working_signal.h"
#include "cycle_rig.h"
#include "io/valve.h"
#include "platform/failure.h"

namespace kolvar::core {
namespace {

using testing::CycleRig;
using ::testing::ElementsAre;

TEST(WorkingSignal, PulsingPinsReachThePortWithTheCyclesWriteAndDropAfterThePulse) {
  CycleRig r;
  r.tick("puls", {3});
  r.tick("zm", {1});
  r.c.c(ctl::Ch_pulse).set_value(1);
  r.set("pulse_time", "700");
  r.c.c(ctl::Interval).set_value(2);
  r.c.c(ctl::Timer1).set_interval(2000);
  r.c.c(ctl::Timer1).set_on(true);
  r.fresh({"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.h.advance(2000);
  EXPECT_EQ(r.c.c(ctl::Shape1).back_color(), (form::Color{255, 0, 0}));
  r.h.advance(700);
  std::vector<std::pair<long long, int>> writes;
  for (const auto& w : r.h.port1.writes()) writes.emplace_back(w.at, w.byte);
  // The protective step's coil write carries the raised pin; Timer7 lowers it.
  EXPECT_THAT(writes,
              ElementsAre(std::pair<long long, int>{2000, 4}, std::pair<long long, int>{2700, 0}));
  EXPECT_EQ(r.c.c(ctl::Shape1).back_color(), form::kMenuColor);  // Timer2 ended the flash
}

TEST(WorkingSignal, ConstantSignalIsWrittenAtOnce) {
  CycleRig r;
  r.tick("puls", {2});
  r.c.c(ctl::Ch_pulse).set_value(0);
  working_signal(r.c);
  EXPECT_EQ(r.h.port1.writes().back().byte, 2);
  EXPECT_FALSE(r.c.c(ctl::Timer7).on());
}

TEST(WorkingSignal, PulseLengthFallsBackToHalfTheCycleWhenItCannotBeTimed) {
  const struct {
    const char* text;
    int ms;
  } cases[] = {
      {"3000", 3000},
      {" 1500.5 ", 1500},
      {"2500.5", 2500},
      {"65535", 65535},
      {"", 5000},
      {"abc", 5000},
      {"12ms", 5000},
      {"0", 5000},
      {"-100", 5000},
      {"65536", 5000},
      {"99999999999999999999999999", 5000},
  };
  for (const auto& k : cases) {
    CycleRig r;
    r.c.c(ctl::Interval).set_value(10);
    r.set("pulse_time", k.text);
    EXPECT_EQ(pulse_length(r.c), k.ms) << '"' << k.text << '"';
  }
}

struct OpeningCase {
  const char* type;
  const char* work;  // nullptr: no Work item
  bool read_error;
  Opening opening;
  const char* news;
  const char* valve;  // Klapan_status afterwards
};

void PrintTo(const OpeningCase& k, std::ostream* out) {
  *out << k.type << " " << (k.work ? k.work : "none") << (k.read_error ? " read error" : "");
}

class SectionOpening : public ::testing::TestWithParam<OpeningCase> {};

TEST_P(SectionOpening, DecidesInOrderReadErrorCloseOpenAuto) {
  const OpeningCase& k = GetParam();
  CycleRig r;
  r.mode(k.type, k.work);
  r.set("News", "");
  r.set("Klapan_status", "");
  r.set("voda_vkl", "800");
  r.reading(3, k.read_error ? "0" : "50.0");
  for (const char* t : {"Timer3", "Timer4", "Timer8", "Timer9"}) {
    r.c.form.get(t).set_interval(60000);
    r.c.form.get(t).set_on(true);
  }
  const std::string type = k.type;
  const Opening opening = type == "liquid" ? open_liquid_section(r.c)
                          : type == "par"  ? open_vapour_section(r.c)
                                           : open_pwm_section(r.c);
  EXPECT_EQ(opening, k.opening);
  EXPECT_EQ(r.news(), k.news);
  EXPECT_EQ(r.text("Klapan_status"), k.valve);
  const bool handled = opening == Opening::Handled;
  EXPECT_EQ(r.c.c(ctl::Timer3).on(), !(type == "par" && handled));
  EXPECT_EQ(r.c.c(ctl::Timer4).on(), !(type == "par" && handled));
  EXPECT_EQ(r.c.c(ctl::Timer8).on(), !(type == "SHIM" && handled));
  EXPECT_EQ(r.c.c(ctl::Timer9).on(), !(type == "SHIM" && handled));
  if (type == "par" && opening == Opening::Automatic) {
    EXPECT_EQ(r.c.c(ctl::Timer4).interval(), 800);
  }
}

constexpr const char* kError = "Ошибка чтения температуры\r\n";
constexpr const char* kManual = "Ручное управление.\r\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, SectionOpening,
    ::testing::Values(OpeningCase{"liquid", "Auto", true, Opening::Handled,
                                  "Ошибка чтения температуры\r\nКлапан закрыт", "0"},
                      OpeningCase{"liquid", "stp", false, Opening::Handled,
                                  "Ручное управление.\r\nКлапан закрыт", "0"},
                      OpeningCase{"liquid", "Start", false, Opening::Handled,
                                  "Ручное управление.\r\nКлапан открыт", "1"},
                      OpeningCase{"liquid", "Auto", false, Opening::Automatic, "", ""},
                      OpeningCase{"liquid", nullptr, false, Opening::Idle, "", ""},
                      // Vapour take-off in automatic mode keeps only the valve's own message.
                      OpeningCase{"par", "Auto", true, Opening::Handled, "Клапан открыт", "1"},
                      OpeningCase{"par", "stp", false, Opening::Handled,
                                  "Ручное управление.\r\nКлапан закрыт", "0"},
                      OpeningCase{"par", "Start", false, Opening::Handled,
                                  "Ручное управление.\r\nКлапан открыт", "1"},
                      OpeningCase{"par", "Auto", false, Opening::Automatic, "", ""},
                      OpeningCase{"par", nullptr, true, Opening::Handled,
                                  "Ошибка чтения температуры\r\nКлапан открыт", "1"},
                      OpeningCase{"par", nullptr, false, Opening::Idle, "", ""},
                      // Under PWM the valve procedures add nothing: the texts name the state.
                      OpeningCase{"SHIM", "Auto", true, Opening::Handled, kError, "0"},
                      OpeningCase{"SHIM", "stp", false, Opening::Handled,
                                  "Ручное управление\r\nКлапан закрыт", "0"},
                      OpeningCase{"SHIM", "Start", false, Opening::Handled,
                                  "Ручное управление\r\nКлапан открыт", "1"},
                      OpeningCase{"SHIM", "Auto", false, Opening::Automatic, "", ""},
                      OpeningCase{"SHIM", nullptr, false, Opening::Idle, "", ""}));

TEST(VapourOpening, OutsideAPulseAnOpenValveIsClosedFirst) {
  for (bool pulse_running : {false, true}) {
    CycleRig r;
    r.mode("par", nullptr);
    io::vkl(r.c);
    r.c.c(ctl::Timer4).set_on(pulse_running);
    open_vapour_section(r.c);
    EXPECT_EQ(r.text("Klapan_status"), pulse_running ? "1" : "0");
  }
}

TEST(VapourOpening, APulseLengthTheTimerCannotHoldIsAFailure) {
  for (const char* text : {"", "abc", "-1", "65536", "1e9"}) {
    CycleRig r;
    r.mode("par", "Auto");
    r.set("voda_vkl", text);
    EXPECT_THROW(open_vapour_section(r.c), Failure) << text;
  }
}

TEST(Sections, AHandledOpeningSkipsTheRestOfTheTakeOffStages) {
  CycleRig r;
  r.mode("liquid", "stp");
  r.set("stab_temp", "10");  // the stable-count wrap would set it back to 0
  r.fresh({"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.cycle();
  EXPECT_EQ(r.news(), std::string(kManual) + "Клапан закрыт");
  EXPECT_EQ(r.text("stab_temp"), "10");
}

// Program code or a script can tick two types; the first in the menu's order
// is the one, as for every other reader of the menu.
TEST(Sections, OnlyTheSectionOfTheFirstTickedTypeRuns) {
  CycleRig r;
  r.mode("liquid", "stp");
  r.c.c(ctl::par).set_checked(true);
  r.c.c(ctl::Timer3).set_on(true);  // the vapour section's manual case would stop it
  r.fresh({"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.cycle();
  EXPECT_EQ(r.news(), std::string(kManual) + "Клапан закрыт");
  EXPECT_TRUE(r.c.c(ctl::Timer3).on());
}

TEST(Sections, WithNoTypeTickedTheCycleStillReadsCountsAndProtects) {
  CycleRig r;
  r.mode(nullptr, "Auto");
  r.set("News", "");
  r.log("12:00:01", {"80.0", "70.0", "50.0", "20.0", "20.0"});
  r.cycle();
  r.cycle();
  EXPECT_EQ(r.text("T", 1), "80.0");
  EXPECT_EQ(r.text("time_error"), "1");
  EXPECT_EQ(r.text("net_vodi"), "10");
  EXPECT_EQ(r.news(), "");
}

}  // namespace
}  // namespace kolvar::core
