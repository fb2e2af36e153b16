// Operator commands: start and stop, take-off buttons, manual share, scroll bars.
#include <gtest/gtest.h>

#include <filesystem>

#include "support/readback.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::ui {
namespace {

namespace fs = std::filesystem;

class Commands : public kolvar::testing::InFreshFolder {
 protected:
  Commands() { c().start(); }
  form::Controller& c() { return rig.controller; }
  void click(const std::string& name, int index = form::kNoIndex) {
    c().click(c().form.get(name, index));
  }
  std::string text(const std::string& name) { return c().form.get(name).text(); }

  Headless rig;
};

TEST_F(Commands, StartAfterAStopLowersEveryPinAndRunsTheCycle) {
  click("ss", 1);
  click("Stop_sys_button");
  EXPECT_EQ(text("News"), "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
  EXPECT_EQ(text("otb"), "0");
  EXPECT_EQ(c().c(ctl::pin, 0).text(), "1");
  c().c(ctl::otb).set_text("7000");
  click("Start_sys_button");
  EXPECT_EQ(kolvar::testing::pin_texts(c()), "00000000");
  EXPECT_EQ(rig.port1.writes().back().byte, 0);
  EXPECT_EQ(c().c(ctl::News).tag(), "");
  EXPECT_EQ(text("otb"), "0");
  EXPECT_TRUE(c().c(ctl::Timer1).on());
  EXPECT_TRUE(c().c(ctl::Auto).checked());
}

TEST_F(Commands, TakeOffButtonsInEachType) {
  // PWM: fixed 1 % steps within 0..100 %.
  click("SHIM");
  c().c(ctl::otb).set_text("99500");
  click("otbor_up_button");
  EXPECT_EQ(text("otb"), "100000");
  click("otbor_up_button");
  EXPECT_EQ(text("otb"), "100000");
  c().c(ctl::otb).set_text("500");
  click("otbor_down_button");
  EXPECT_EQ(text("otb"), "0");
  c().c(ctl::otb).set_text("lots");
  click("otbor_down_button");
  EXPECT_EQ(text("otb"), "lots") << "a share that is no number changes nothing";

  // Vapour: the delay by step_up and step_d, never below 0; the pending pause is cancelled.
  click("par");
  c().c(ctl::time3).set_text("3000");
  c().c(ctl::Timer3).set_on(true);
  click("otbor_down_button");
  EXPECT_EQ(text("time3"), "0");
  EXPECT_FALSE(c().c(ctl::Timer3).on());
  c().c(ctl::time3).set_text("2000");
  c().c(ctl::Timer3).set_on(true);
  click("otbor_up_button");
  EXPECT_EQ(text("time3"), "3000");
  EXPECT_FALSE(c().c(ctl::Timer3).on());

  // Liquid: "more" moves the lift down, "less" up.
  click("liquid");
  click("ld", 1);
  click("lu", 2);
  click("otbor_up_button");
  EXPECT_EQ(c().c(ctl::pin, 0).text(), "1");
  EXPECT_EQ(c().c(ctl::Timer6).interval(), 1000);
  click("otbor_down_button");
  EXPECT_EQ(c().c(ctl::pin, 1).text(), "1");
  EXPECT_EQ(c().c(ctl::Timer5).interval(), 4000);
}

TEST_F(Commands, AStepTooLargeToHoldIsRefusedAndTheDelayKept) {
  click("par");
  c().c(ctl::time3).set_text("2000");
  c().c(ctl::step_up).set_text("1" + std::string(70, '0'));
  click("otbor_up_button");
  EXPECT_EQ(text("time3"), "2000");
  ASSERT_FALSE(rig.message_box.events.empty());
  EXPECT_NE(rig.message_box.events.back().text.find("step_up"), std::string::npos);

  c().c(ctl::step_up).set_text("999999999999999");
  c().c(ctl::time3).set_text("999999999999999");
  click("otbor_up_button");
  EXPECT_EQ(text("time3"), "999999999999999") << "the sum would not be held exactly";
}

TEST_F(Commands, ManualShareCheckBoxes) {
  click("manual_otb_Ch");
  for (const char* on : {"manual_otb", "manual_otb_1", "manual_temp_CH", "otb_po_t_bragi"})
    EXPECT_TRUE(c().form.get(on).enabled()) << on;
  for (const char* off : {"dopusk", "dopusk1", "Dopusk2", "otbor_down_button", "otbor_up_button"})
    EXPECT_FALSE(c().form.get(off).enabled()) << off;
  click("otb_po_t_bragi");
  for (const char* off : {"manual_otb", "manual_otb_2", "manual_otb_Ch"})
    EXPECT_FALSE(c().form.get(off).enabled()) << off;
  click("otb_po_t_bragi");
  click("manual_otb_Ch");
  EXPECT_TRUE(c().c(ctl::dopusk).enabled());
  EXPECT_FALSE(c().c(ctl::manual_otb).enabled());
}

TEST_F(Commands, ScrollBarsUpdateTheirLabelsAndSave) {
  rig.locale.separator = ',';
  c().edit(c().c(ctl::V, 3), "955");
  EXPECT_EQ(c().c(ctl::T2, 3).text(), "95,5");
  EXPECT_EQ(text("News"), "Файл настроек сохранен");
  c().edit(c().c(ctl::Interval), "33");
  EXPECT_EQ(c().c(ctl::Timer1).interval(), 33000);
  EXPECT_EQ(text("pulse_time"), "16500");
  EXPECT_EQ(c().c(ctl::Inter).text(), "33");
  c().edit(c().c(ctl::Interval), "60");
  EXPECT_EQ(c().c(ctl::Timer1).interval(), 60000);
  EXPECT_EQ(text("pulse_time"), "30000");
  c().edit(c().c(ctl::hot), "995");
  EXPECT_EQ(c().c(ctl::hot1).text(), "99,5");
  c().edit(c().c(ctl::manual_otb), "42");
  EXPECT_EQ(c().c(ctl::manual_otb_1).text(), "42");
  c().edit(c().c(ctl::temp_shim2_scr), "1100");
  EXPECT_EQ(c().c(ctl::temp_shim2).text(), "110");
}

TEST_F(Commands, ThresholdAndPeriodBarsAreQuietWhileSettingsAreLoading) {
  c().set_settings_loaded(false);
  c().edit(c().c(ctl::V, 3), "700");
  EXPECT_EQ(c().c(ctl::T2, 3).text(), "55");
  c().edit(c().c(ctl::Interval), "10");
  EXPECT_EQ(c().c(ctl::Timer1).interval(), 2000);
  c().edit(c().c(ctl::dopusk), "15");
  EXPECT_EQ(c().c(ctl::dopusk1).text(), "1.5");
}

}  // namespace
}  // namespace kolvar::ui
