#include "io/port_write.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "platform/failure.h"
#include "platform/ports/no_port.h"
#include "rig.h"

namespace kolvar::io {
namespace {

using platform::FakePort;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

struct Layout {
  std::string image;  // pin(0)..pin(7)
  int byte;
};

class ByteLayout : public ::testing::TestWithParam<Layout> {};

TEST_P(ByteLayout, BitKIsPinK) {
  Rig r;
  for (int k = 0; k < 8; ++k) r.c.c(ctl::pin, k).set_text(std::string(1, GetParam().image[k]));
  LPT_set(r.c);
  EXPECT_THAT(r.bytes(), ElementsAre(GetParam().byte));
  EXPECT_EQ(r.image(), GetParam().image);
}

INSTANTIATE_TEST_SUITE_P(Pins, ByteLayout,
                         ::testing::Values(Layout{"00000000", 0}, Layout{"10000000", 1},
                                           Layout{"00000001", 128}, Layout{"10000001", 129},
                                           Layout{"01010000", 10}, Layout{"11111111", 255}));

class BadElement : public ::testing::TestWithParam<const char*> {};

TEST_P(BadElement, FailsNamingItBeforeAnyBackendIsCalled) {
  Rig r;
  r.c.c(ctl::pin, 0).set_text("1");
  r.c.c(ctl::pin, 5).set_text(GetParam());
  try {
    LPT_set(r.c);
    FAIL() << "no failure";
  } catch (const Failure& failure) {
    EXPECT_THAT(failure.what(), HasSubstr("pin(5)"));
  }
  EXPECT_EQ(r.h.port1.attempts() + r.h.port2.attempts(), 0u);
  EXPECT_EQ(r.c.c(ctl::pin, 5).text(), GetParam());
  EXPECT_EQ(r.c.port_driver_state, form::PortDriverState::Unwritten);
}

// "2" would carry into pin(6): it is refused like any other non-level.
INSTANTIATE_TEST_SUITE_P(Texts, BadElement, ::testing::Values("x", "", "2", "-1", "0.5"));

struct Outcome {
  const char* what;
  FakePort::Mode second;
  form::PortDriverState state;
  const char* box;
  int second_writes;
  friend void PrintTo(const Outcome& o, std::ostream* out) { *out << o.what; }
};

class FirstFails : public ::testing::TestWithParam<Outcome> {};

TEST_P(FirstFails, OneBoxTheStateAndWhereTheByteWent) {
  const Outcome& o = GetParam();
  Rig r;
  r.h.port1.set_mode(FakePort::Mode::Fails);
  r.h.port2.set_mode(o.second);
  r.c.c(ctl::pin, 2).set_text("1");
  r.h.advance(100);
  LPT_set(r.c);
  LPT_set(r.c);
  EXPECT_EQ(r.c.port_driver_state, o.state);
  EXPECT_THAT(r.boxes(), ElementsAre(o.box));
  EXPECT_EQ(r.h.port2.writes().size(), static_cast<size_t>(o.second_writes));
  for (const auto& w : r.h.port2.writes()) EXPECT_EQ(w, (FakePort::Write{100, 4}));
  EXPECT_EQ(r.image(), "00100000");
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, FirstFails,
    ::testing::Values(
        Outcome{"SecondTakesOver", FakePort::Mode::Works, form::PortDriverState::SecondBackend,
                "LPT driver error\r\ndlportio.dll", 2},
        Outcome{"SecondRefuses", FakePort::Mode::Fails, form::PortDriverState::NoBackend,
                "LPT driver error\r\ninpout32.dll", 0},
        Outcome{"SecondMissing", FakePort::Mode::Missing, form::PortDriverState::NoBackend,
                "LPT driver error\r\nIstall dlportio.dll or inpout32.dll", 0}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(LptSet, FirstBackendWritesWithItsTimeAndNoBox) {
  Rig r;
  r.h.advance(250);
  LPT_set(r.c);
  EXPECT_EQ(r.c.port_driver_state, form::PortDriverState::FirstBackend);
  EXPECT_THAT(r.h.port1.writes(), ElementsAre(FakePort::Write{250, 0}));
  EXPECT_THAT(r.boxes(), IsEmpty());
}

TEST(LptSet, ABoxOnlyWhenTheStateOrTheNoBackendOutcomeChanges) {
  Rig r;
  r.h.port1.set_mode(FakePort::Mode::Fails);
  r.h.port2.set_mode(FakePort::Mode::Missing);
  for (int i = 0; i < 5; ++i) LPT_set(r.c);
  r.h.port2.set_mode(FakePort::Mode::Fails);
  LPT_set(r.c);
  LPT_set(r.c);
  r.h.port1.set_mode(FakePort::Mode::Works);  // the port appears: tried again in state 3
  LPT_set(r.c);
  EXPECT_EQ(r.c.port_driver_state, form::PortDriverState::FirstBackend);
  r.h.port1.set_mode(FakePort::Mode::Fails);
  LPT_set(r.c);
  LPT_set(r.c);
  EXPECT_THAT(r.boxes(),
              ElementsAre("LPT driver error\r\nIstall dlportio.dll or inpout32.dll",
                          "LPT driver error\r\ninpout32.dll", "LPT driver error\r\ninpout32.dll"));
  EXPECT_EQ(r.h.port1.attempts(), 10u);
  EXPECT_THAT(r.bytes(), ElementsAre(0));
}

TEST(LptSet, AfterFallingBackWritesGoStraightToTheSecondAndItsFailurePasses) {
  Rig r;
  r.h.port1.set_mode(FakePort::Mode::Fails);
  LPT_set(r.c);
  r.h.port1.set_mode(FakePort::Mode::Works);
  LPT_set(r.c);
  EXPECT_EQ(r.h.port1.attempts(), 1u);
  EXPECT_EQ(r.h.port2.writes().size(), 2u);

  r.h.port2.set_mode(FakePort::Mode::Fails);
  EXPECT_THROW(LPT_set(r.c), Failure);
  EXPECT_EQ(r.c.port_driver_state, form::PortDriverState::SecondBackend);
  EXPECT_EQ(r.boxes().size(), 1u);
}

TEST(LptSet, LinuxBackendsAreNamedAndOutcomeCSaysWhatToEnable) {
  ui::Headless h;
  FakePort ppdev(h.clock, "/dev/parport0"), ioperm(h.clock, "ioperm 0x378");
  platform::Services services{h.clock, ppdev, ioperm, h.message_box, h.sound, h.launcher, h.locale};
  form::Controller c(services);
  ppdev.set_mode(FakePort::Mode::Missing);
  ioperm.set_mode(FakePort::Mode::Missing);
  LPT_set(c);
  ioperm.set_mode(FakePort::Mode::Fails);
  LPT_set(c);
  ioperm.set_mode(FakePort::Mode::Works);
  LPT_set(c);
  ASSERT_EQ(h.message_box.events.size(), 3u);
  EXPECT_EQ(h.message_box.events[0].text,
            "LPT driver error\r\nLoad the ppdev module or run as root");
  EXPECT_EQ(h.message_box.events[1].text, "LPT driver error\r\nioperm 0x378");
  EXPECT_EQ(h.message_box.events[2].text, "LPT driver error\r\n/dev/parport0");
  EXPECT_EQ(ioperm.writes().size(), 1u);
}

// A backend that knows why it was refused (the GPIO lines, a port file with a
// mistake) says so on the box's second line, once however many writes fail.
TEST(LptSet, AnOnlyBackendsOwnAdviceIsTheBoxsSecondLineOnce) {
  ui::Headless h;
  platform::NoPort lines("gpio:gpiochip9:17", "gpio:gpiochip9:17: нет такого GPIO-чипа");
  platform::NoPort none("-", "no second port is tried");
  platform::Services services{h.clock, lines, none, h.message_box, h.sound, h.launcher, h.locale};
  form::Controller c(services);
  for (int write = 0; write < 3; ++write) LPT_set(c);
  EXPECT_THAT(kolvar::testing::texts(h.message_box.events),
              ElementsAre("LPT driver error\r\ngpio:gpiochip9:17: нет такого GPIO-чипа"));
  EXPECT_EQ(c.port_driver_state, form::PortDriverState::NoBackend);
}

}  // namespace
}  // namespace kolvar::io
