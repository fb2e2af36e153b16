// Configuration menus: select and toggle rules, rows, take-off type, pins, panels.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/readback.h"
#include "support/temp_folder.h"
#include "ui/headless.h"

namespace kolvar::ui {
namespace {

namespace fs = std::filesystem;
using kolvar::testing::pin_texts;

class Menus : public kolvar::testing::InFreshFolder {
 protected:
  Menus() { c().start(); }
  form::Controller& c() { return rig.controller; }
  void click(const std::string& name, int index = form::kNoIndex) {
    c().click(c().form.get(name, index));
  }
  std::vector<int> ticked(const std::string& array) {
    std::vector<int> out;
    for (int i : c().form.indices(array))
      if (c().form.get(array, i).checked()) out.push_back(i);
    return out;
  }
  std::string settings_line(int n) {
    std::ifstream f("mytunes.log", std::ios::binary);
    std::string line;
    for (int i = 0; i < n && std::getline(f, line);) ++i;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
  }

  Headless rig;
};

TEST_F(Menus, SensorArraysSelectAndSave) {
  click("da", 3);
  EXPECT_EQ(ticked("da"), std::vector<int>{3});
  EXPECT_EQ(settings_line(77), "True");  // da(3)
  EXPECT_EQ(settings_line(75), "False");
  click("da", 3);
  EXPECT_EQ(ticked("da"), std::vector<int>{3});
  EXPECT_EQ(c().c(ctl::News).text(), "Файл настроек сохранен");
}

TEST_F(Menus, TankSensorTogglesAndTheRowFollowsAfterTheReload) {
  EXPECT_FALSE(c().c(ctl::T, 3).enabled());
  click("kub", 2);
  EXPECT_EQ(ticked("kub"), std::vector<int>{2});
  EXPECT_TRUE(c().c(ctl::T, 3).enabled());
  click("kub", 2);
  EXPECT_TRUE(ticked("kub").empty());
  EXPECT_FALSE(c().c(ctl::T, 3).enabled());
  click("kub", 4);
  EXPECT_EQ(ticked("kub"), std::vector<int>{4});
  EXPECT_TRUE(c().c(ctl::V, 3).enabled());
  EXPECT_EQ(c().c(ctl::News).text(), "Клапан закрыт");  // the reload ends in automatic control
}

TEST_F(Menus, ControlChoiceSwitchesTheRows) {
  struct Case {
    int choice;
    bool dephlegmator, packing;
  };
  for (Case k : {Case{1, true, false}, Case{2, false, true}, Case{3, true, true}}) {
    click("opstop", k.choice);
    EXPECT_EQ(ticked("opstop"), std::vector<int>{k.choice});
    for (const char* name : {"L", "T", "T2", "V"}) {
      EXPECT_EQ(c().form.get(name, 1).enabled(), k.dephlegmator) << name << " " << k.choice;
      EXPECT_EQ(c().form.get(name, 2).enabled(), k.packing) << name << " " << k.choice;
    }
    EXPECT_EQ(settings_line(3 + k.choice), "True");
  }
}

TEST_F(Menus, TakeOffTypeResetsRunStateAndTheVapourPause) {
  c().c(ctl::time3).set_text("9000");
  c().c(ctl::otb).set_text("5000");
  c().c(ctl::stab_temp).set_text("4");
  c().c(ctl::peregrev).set_text("3");
  c().c(ctl::Timer3).set_on(true);
  click("par");
  EXPECT_TRUE(c().c(ctl::Timer3).on()) << "choosing vapour leaves a pending pause";
  EXPECT_EQ(c().c(ctl::time3).text(), "2000");
  EXPECT_EQ(c().c(ctl::otb).text(), "0");
  EXPECT_EQ(c().c(ctl::stab_temp).text(), "0");
  EXPECT_EQ(c().c(ctl::peregrev).text(), "100");
  EXPECT_EQ(c().c(ctl::voda_vkl).text(), "500");
  EXPECT_FALSE(c().c(ctl::dopusk).enabled());
  click("liquid");
  EXPECT_FALSE(c().c(ctl::Timer3).on());
  EXPECT_TRUE(c().c(ctl::liquid).checked());
  EXPECT_FALSE(c().c(ctl::par).checked());
}

TEST_F(Menus, PwmTypeEnablesByTheRule) {
  c().c(ctl::manual_otb_Ch).set_value(1);
  c().c(ctl::otb_po_t_bragi).set_value(1);
  click("SHIM");
  EXPECT_FALSE(c().c(ctl::manual_otb).enabled());
  EXPECT_FALSE(c().c(ctl::manual_otb_Ch).enabled());
  EXPECT_TRUE(c().c(ctl::manual_temp_CH).enabled());
  EXPECT_TRUE(c().c(ctl::otb_po_t_bragi).enabled());
  EXPECT_FALSE(c().c(ctl::dopusk).enabled());
  EXPECT_FALSE(c().c(ctl::Dopusk2).enabled());
}

TEST_F(Menus, PinMenuTogglesSavesAndReloads) {
  click("ps", 3);
  click("Start");  // open the valve: pin 4 high
  EXPECT_EQ(pin_texts(c()), "00100000");
  click("ps", 5);
  EXPECT_EQ(ticked("ps"), std::vector<int>{5});
  // The reload closes the valve: pin 6 low; pin 4 keeps its level.
  EXPECT_EQ(pin_texts(c()), "00100000");
  EXPECT_TRUE(c().c(ctl::Auto).checked());
  click("ss", 2);
  EXPECT_EQ(pin_texts(c()), "01100000") << "the reload raises the system-stop pin";
  EXPECT_EQ(settings_line(24), "True");
}

TEST_F(Menus, WorkingSignalMenuLowersTheClickedPinAndTheOneThatLostItsTick) {
  click("puls", 2);
  c().c(ctl::pin, 1).set_text("1");
  c().c(ctl::pin, 4).set_text("1");
  click("puls", 5);  // pin 3 loses the signal, pin 6 gains it
  EXPECT_EQ(c().c(ctl::pin, 1).text(), "0");
  EXPECT_EQ(c().c(ctl::pin, 4).text(), "0");
  c().c(ctl::pin, 4).set_text("1");
  click("puls", 5);  // unticked: its pin goes low too
  EXPECT_EQ(c().c(ctl::pin, 4).text(), "0");
  EXPECT_TRUE(ticked("puls").empty());
}

TEST_F(Menus, PanelsShowAndHide) {
  click("fi");
  EXPECT_FALSE(c().c(ctl::F, 4).visible());
  EXPECT_TRUE(c().c(ctl::F, 1).visible());
  EXPECT_EQ(c().c(ctl::F, 1).left(), 0);
  EXPECT_FALSE(c().c(ctl::Tune).enabled());
  EXPECT_EQ(c().c(ctl::Form1).width(), 4380);
  EXPECT_EQ(c().c(ctl::Form1).height(), 3735);
  click("OK");
  EXPECT_TRUE(c().c(ctl::F, 4).visible());
  EXPECT_FALSE(c().c(ctl::F, 1).visible());
  EXPECT_TRUE(c().c(ctl::Work).enabled());
  EXPECT_EQ(c().c(ctl::Form1).width(), 4185);
  click("settings");
  EXPECT_TRUE(c().c(ctl::F, 5).visible());
  EXPECT_TRUE(c().c(ctl::file).enabled());
  EXPECT_EQ(c().c(ctl::Form1).width(), 8385);
  EXPECT_EQ(c().c(ctl::Form1).height(), 5805);
}

TEST_F(Menus, PathListsChooseTheLogFile) {
  fs::create_directories(folder.path() / "logs" / "old");
  std::ofstream(folder.path() / "logs" / "keeper.log") << "x";
  click("fi");
  c().edit(c().c(ctl::Dir1), (folder.path() / "logs").string());
  EXPECT_EQ(c().c(ctl::Dir1).items(), std::vector<std::string>{"old"});
  EXPECT_EQ(c().c(ctl::File1).items(), std::vector<std::string>{"keeper.log"});
  c().edit(c().c(ctl::File1), "keeper.log");
  EXPECT_EQ(c().c(ctl::LogPath, 1).text(), (folder.path() / "logs" / "keeper.log").string());
  // A folder that cannot be read leaves the lists as they were.
  c().edit(c().c(ctl::Dir1), (folder.path() / "missing").string());
  EXPECT_EQ(c().c(ctl::Dir1).text(), (folder.path() / "logs").string());
  EXPECT_EQ(c().c(ctl::File1).items(), std::vector<std::string>{"keeper.log"});
  c().edit(c().c(ctl::Dir1), "old");
  EXPECT_EQ(c().c(ctl::Dir1).text(), (folder.path() / "logs" / "old").string());
  EXPECT_TRUE(c().c(ctl::File1).items().empty());
  c().edit(c().c(ctl::Drive1), "/");
  EXPECT_EQ(c().c(ctl::Dir1).text(), "/");
  EXPECT_EQ(rig.message_box.events.size(), 0u);
}

TEST_F(Menus, VersionShowsItsCaption) {
  click("verr");
  ASSERT_EQ(rig.message_box.events.size(), 1u);
  EXPECT_EQ(rig.message_box.events[0].text.rfind("Версия от 25.04.2014", 0), 0u);
  EXPECT_NE(rig.message_box.events[0].text.find(KOLVAR_VERSION), std::string::npos);
}

}  // namespace
}  // namespace kolvar::ui
