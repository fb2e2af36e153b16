// The "Work" menu: manual and automatic valve control.
#include "ui/valve_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ui/headless.h"

namespace kolvar::ui {
namespace {

const char* const kManualControls[] = {
    "otbor_down_button", "otbor_up_button", "dopusk",        "dopusk1",      "Dopusk2",
    "manual_otb_2",      "manual_otb",      "manual_otb_Ch", "manual_otb_1", "manual_temp_CH"};

struct Command {
  const char* item;
  bool pwm;
  std::string news;
  const char* title;
  bool take_off_buttons;
};

class ValveCommand : public ::testing::TestWithParam<Command> {};

TEST_P(ValveCommand, TicksItsItemTellsTheOperatorAndSwitchesTheValve) {
  const Command& cmd = GetParam();
  Headless h;
  form::Controller& c = h.controller;
  c.c(ctl::ps, 1).set_checked(true);
  c.c(ctl::pf, 2).set_checked(true);
  if (cmd.pwm) {
    c.c(ctl::liquid).set_checked(false);
    c.c(ctl::SHIM).set_checked(true);
  }
  c.click(c.form.get(cmd.item));
  for (const char* item : {"Start", "stp", "Auto"})
    EXPECT_EQ(c.form.get(item).checked(), std::string(item) == cmd.item) << item;
  EXPECT_EQ(c.c(ctl::News).text(), cmd.news);
  EXPECT_EQ(c.c(ctl::Form1).text(), cmd.title);
  EXPECT_EQ(c.c(ctl::otbor_up_button).enabled(), cmd.take_off_buttons);
  EXPECT_EQ(c.c(ctl::otbor_down_button).enabled(), cmd.take_off_buttons);
  ASSERT_EQ(h.port1.writes().size(), 1u);
  EXPECT_EQ(h.port1.writes()[0].byte, std::string(cmd.title) == "СТАРТ" ? 0b01 : 0b10);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ValveCommand,
    ::testing::Values(Command{"Start", false, "Клапан открыт", "СТАРТ", false},
                      Command{"stp", false, "Клапан закрыт", "СТОП", false},
                      Command{"Auto", false, "Клапан закрыт", "СТОП", true},
                      Command{"Start", true, "Ручное управление\r\nКлапан открыт", "СТАРТ", false},
                      Command{"stp", true, "Ручное управление\r\nКлапан закрыт", "СТОП", false},
                      Command{"Auto", true, "Авто управление\r\nКлапан зарыт", "СТОП", true}));

TEST(ValveCommands, ManualControlGreysTheAdjustmentsAndAutomaticGivesBackOnlyTheButtons) {
  Headless h;
  form::Controller& c = h.controller;
  c.click(c.c(ctl::stp));
  for (const char* name : kManualControls) EXPECT_FALSE(c.form.get(name).enabled()) << name;
  c.click(c.c(ctl::Auto));
  for (const char* name : kManualControls) {
    bool button = std::string(name).starts_with("otbor_");
    EXPECT_EQ(c.form.get(name).enabled(), button) << name;
  }
}

TEST(ValveCommands, ClickingTheTickedItemAgainSwitchesAgain) {
  Headless h;
  h.controller.click(h.controller.c(ctl::Start));
  h.controller.click(h.controller.c(ctl::Start));
  EXPECT_EQ(h.port1.writes().size(), 2u);
}

TEST(ValveCommands, AFailedPortWriteEndsTheCommandAfterTheMarksAndTheText) {
  Headless h;
  form::Controller& c = h.controller;
  c.c(ctl::pin, 7).set_text("?");  // a corrupted image is never written
  c.click(c.c(ctl::Start));
  EXPECT_TRUE(c.c(ctl::Start).checked());
  EXPECT_EQ(c.c(ctl::News).text(), "");
  EXPECT_TRUE(c.c(ctl::otbor_up_button).enabled());
  EXPECT_FALSE(h.message_box.events.empty());
}

struct PwmCase {
  int manual_share;
  int by_tank;
  std::map<std::string, bool> enabled;
};

class PwmEnabling : public ::testing::TestWithParam<PwmCase> {};

TEST_P(PwmEnabling, FollowsTheManualShareAndTheTankTemperatureChoices) {
  Headless h;
  form::Controller& c = h.controller;
  for (const auto& [name, _] : GetParam().enabled) c.form.get(name).set_enabled(false);
  c.c(ctl::manual_otb_Ch).set_value(GetParam().manual_share);
  c.c(ctl::otb_po_t_bragi).set_value(GetParam().by_tank);
  apply_pwm_enabling(c);
  for (const auto& [name, enabled] : GetParam().enabled)
    EXPECT_EQ(c.form.get(name).enabled(), enabled) << name;
}

// manual_otb, manual_otb_1, manual_otb_2, manual_otb_Ch, manual_temp_CH, otb_po_t_bragi, dopusk.
std::map<std::string, bool> enabled(bool otb, bool otb_1, bool otb_2, bool otb_ch, bool temp_ch,
                                    bool bragi, bool tolerance) {
  return {{"manual_otb", otb},       {"manual_otb_1", otb_1},     {"manual_otb_2", otb_2},
          {"manual_otb_Ch", otb_ch}, {"manual_temp_CH", temp_ch}, {"otb_po_t_bragi", bragi},
          {"dopusk", tolerance},     {"dopusk1", tolerance},      {"Dopusk2", tolerance}};
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PwmEnabling,
    ::testing::Values(PwmCase{0, 0, enabled(false, false, false, false, false, false, true)},
                      PwmCase{1, 0, enabled(true, true, false, false, true, true, false)},
                      PwmCase{1, 1, enabled(false, true, false, false, true, true, false)},
                      PwmCase{0, 1, enabled(false, false, false, false, false, false, true)}));

TEST(ValveCommands, AutomaticUnderPwmAppliesTheEnablingRule) {
  Headless h;
  form::Controller& c = h.controller;
  c.c(ctl::liquid).set_checked(false);
  c.c(ctl::SHIM).set_checked(true);
  c.c(ctl::manual_otb_Ch).set_value(1);
  c.click(c.c(ctl::stp));
  c.click(c.c(ctl::Auto));
  EXPECT_TRUE(c.c(ctl::manual_otb).enabled());
  EXPECT_FALSE(c.c(ctl::dopusk).enabled());
}

}  // namespace
}  // namespace kolvar::ui
