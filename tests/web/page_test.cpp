// The controller's side of the page: a snapshot after each cycle and event,
// its JSON, the plot handed over, and the remote stop on the controller.
#include <gtest/gtest.h>

#include <cstdio>

#include "chart/role_style.h"
#include "core/start_warnings.h"
#include "form/names.h"
#include "record/record_rig.h"
#include "web/page_hub.h"
#include "web/page_publisher.h"
#include "web/state_json.h"
#include "web/svg_scene.h"

namespace kolvar::remote {
namespace {

using record::testing::RecordRig;

struct PageRig : RecordRig {
  PageRig() {
    click("liquid");
    publisher.publish_now();
  }
  std::shared_ptr<const PageSnapshot> latest() const { return hub.latest(); }

  PageHub hub;
  PagePublisher publisher{
      c(), record, hub, [](const form::Controller&) { return std::string("Выходы: тест"); }, wall};
};

TEST(PagePublisher, ASnapshotAfterEachCycleFollowsTheRun) {
  PageRig rig;
  const auto before = rig.latest();
  ASSERT_TRUE(before);
  EXPECT_FALSE(before->running);
  EXPECT_FALSE(before->run_seen);
  EXPECT_EQ(before->port_status, "Выходы: тест");

  rig.click("Start_sys_button");
  rig.advance(2000);
  rig.log("10:00:02", "88.5");
  rig.advance(2000);
  const auto s = rig.latest();
  EXPECT_GT(s->sequence, before->sequence);
  EXPECT_TRUE(s->running);
  EXPECT_TRUE(s->run_seen);
  EXPECT_EQ(s->cycles, 2);
  EXPECT_EQ(s->run_time, 4000);
  EXPECT_EQ(s->roles[0].name, "Дефлегм");
  EXPECT_EQ(s->roles[0].text, "88.5");
  EXPECT_EQ(s->roles[0].degrees, 88.5);
  EXPECT_EQ(s->roles[0].thresholds.at(0).text, rig.c().form.get("T2", 1).text());
  EXPECT_EQ(s->roles[3].thresholds.size(), 2u);
  EXPECT_EQ(s->takeoff, record::Takeoff::Liquid);
  EXPECT_EQ(s->news, rig.c().form.get("News").text());
  EXPECT_EQ(s->record_file, rig.record.file().generic_string());
  ASSERT_TRUE(s->settings);
  EXPECT_EQ(s->settings->size(), 114u);
  // The settings are shared while they stay the same.
  rig.advance(2000);
  EXPECT_EQ(rig.latest()->settings, s->settings);
}

TEST(PagePublisher, ARoleInReadErrorIsMarkedWithItsReadingAsItCame) {
  PageRig rig;
  // Before the first cycle the labels show the window's first captions:
  // shown as the window shows them, but no temperature.
  EXPECT_EQ(rig.latest()->roles[0].text, "55");
  EXPECT_FALSE(rig.latest()->roles[0].degrees);
  EXPECT_FALSE(rig.latest()->roles[0].read_error);

  rig.click("Start_sys_button");
  rig.log("10:00:02", "-127.00");  // the dephlegmator's sensor fell off its bus
  rig.advance(2000);
  const auto s = rig.latest();
  EXPECT_EQ(s->roles[0].text, "-127.00");
  EXPECT_FALSE(s->roles[0].degrees);
  EXPECT_TRUE(s->roles[0].read_error);
  EXPECT_FALSE(s->roles[1].read_error);
  EXPECT_FALSE(s->roles[2].read_error) << "a role that takes no part is never in error";
  const std::string json = state_json(*s);
  EXPECT_NE(json.find("\"text\":\"-127.00\",\"degrees\":null,\"enabled\":true,\"read_error\":true"),
            std::string::npos)
      << json;
  EXPECT_NE(json.find("\"text\":\"77.0\",\"degrees\":77,\"enabled\":true,\"read_error\":false"),
            std::string::npos)
      << json;
}

TEST(PagePublisher, ASnapshotOnceTakenNeverChanges) {
  PageRig rig;
  rig.click("Start_sys_button");
  rig.advance(2000);
  const auto held = rig.latest();
  const std::string json = state_json(*held);
  rig.log("10:00:02", "91.0");
  rig.advance(6000);
  EXPECT_EQ(state_json(*held), json);
  EXPECT_NE(state_json(*rig.latest()), json);
}

TEST(PagePublisher, TheRemoteStopIsTheWindowsStopWithItsOwnReason) {
  PageRig rig;
  rig.click("Start_sys_button");
  rig.advance(2000);
  remote_stop(rig.c());
  const auto s = rig.latest();
  EXPECT_FALSE(s->running);
  EXPECT_TRUE(s->stopped);
  EXPECT_EQ(s->stop_reason, "Остановлено пользователем (удалённо)");
  EXPECT_EQ(rig.c().form.get("News").text(),
            "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем (удалённо)");
  EXPECT_EQ(rig.c().form.get("otb").text(), "0");
  EXPECT_FALSE(rig.record.running());  // the record saw the stop as an event
  // The window's own button still gives its own reason.
  rig.click("Start_sys_button");
  rig.click("Stop_sys_button");
  EXPECT_EQ(rig.latest()->stop_reason, "Остановлено пользователем");
  // A stopped system keeps the reason it stopped for when the page asks late.
  remote_stop(rig.c());
  EXPECT_EQ(rig.latest()->stop_reason, "Остановлено пользователем");
  EXPECT_EQ(rig.c().form.get("News").text(), "СИСТЕМА ОСТАНОВЛЕНА\r\nОстановлено пользователем");
}

TEST(PagePublisher, TheRunsWarningsAndTheCooldownAsThePanelTellsThem) {
  PageRig rig;
  rig.c().edit(rig.c().c(ctl::hot), "1000");
  settings::OK_Click(rig.c());  // the start reads the settings file again
  rig.click("par");
  EXPECT_TRUE(rig.latest()->warnings.empty()) << "no run, nothing left unguarded";
  rig.click("Start_sys_button");
  rig.advance(2000);
  auto s = rig.latest();
  EXPECT_EQ(s->warnings, core::start_warnings(rig.c()));
  ASSERT_EQ(s->warnings.size(), 2u);
  EXPECT_FALSE(s->cooldown_minutes);
  std::string json = state_json(*s);
  EXPECT_NE(json.find("\"warnings\":[\"Нет датчика бака: конец процесса систему не остановит\","
                      "\"Аварийный порог выше кипения воды\"],\"cooldown\":null,"),
            std::string::npos)
      << json;

  // The stop keeps the dephlegmator's water on; the page counts it down
  // with the panel.
  rig.click("Stop_sys_button");
  rig.advance(3 * 60000);
  s = rig.latest();
  EXPECT_TRUE(s->warnings.empty());
  EXPECT_EQ(s->cooldown_minutes, 7);
  EXPECT_EQ(s->cooldown_line, "Охлаждение после остановки: ещё 7 мин");
  EXPECT_TRUE(s->news.ends_with(s->cooldown_line));
  json = state_json(*s);
  EXPECT_NE(json.find("\"warnings\":[],\"cooldown\":{\"minutes_left\":7,\"text\":"
                      "\"Охлаждение после остановки: ещё 7 мин\"},"),
            std::string::npos)
      << json;
  rig.advance(7 * 60000);
  EXPECT_FALSE(rig.latest()->cooldown_minutes);
  EXPECT_EQ(rig.latest()->cooldown_line, "");
  EXPECT_NE(state_json(*rig.latest()).find("\"cooldown\":null"), std::string::npos);
}

TEST(PageHub, ThePlotFollowsTheRunOnTheServersSide) {
  PageRig rig;
  EXPECT_NE(rig.hub.plot_svg({400, 300}).find("<svg"), std::string::npos);
  rig.click("Start_sys_button");
  for (int i = 0; i < 10; ++i) rig.advance(2000);
  const std::string svg = rig.hub.plot_svg({400, 300});
  EXPECT_NE(svg.find("width=\"400\" height=\"300\""), std::string::npos);
  EXPECT_NE(svg.find("<path"), std::string::npos);
  EXPECT_EQ(svg.find("<script"), std::string::npos);
}

// "#rrggbb", as the SVG writes a colour.
std::string hex(chart::Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", unsigned{c.red}, unsigned{c.green},
                unsigned{c.blue});
  return text;
}

TEST(PageHub, ThePlotCarriesTheRunBehindTheWindowsAndTheStateNamesIt) {
  // The choice outlives the page, as the program holds it.
  chart::BackgroundChoice choice;
  {
    PageRig rig;
    rig.hub.show_background(&choice);
    rig.publisher.follow_background(choice);
    rig.click("Start_sys_button");
    for (int i = 0; i < 3; ++i) rig.advance(2000);
    const std::string faded = hex(chart::faded(chart::role_colour(0)));
    EXPECT_EQ(rig.hub.plot_svg({600, 300}).find("Фон: "), std::string::npos);
    EXPECT_EQ(rig.latest()->background, "");
    EXPECT_NE(state_json(*rig.latest()).find("\"background\":null"), std::string::npos);

    const auto before = rig.latest()->sequence;
    choice.set(std::make_shared<const chart::BackgroundRun>(chart::load_background(
        std::filesystem::path(KOLVAR_TEST_DIR) / "chart/data/short_run.csv")));
    ASSERT_GT(rig.latest()->sequence, before) << "the viewers learn of it at once";
    EXPECT_EQ(rig.latest()->background, choice.current()->label);
    EXPECT_NE(state_json(*rig.latest()).find("\"background\":\"Фон: short_run.csv"),
              std::string::npos);
    const std::string svg = rig.hub.plot_svg({600, 300});
    EXPECT_NE(svg.find(">Фон: short_run.csv"), std::string::npos) << "its legend";
    EXPECT_NE(svg.find("stroke=\"" + faded + "\""), std::string::npos) << "its faded curve";

    choice.clear();
    EXPECT_EQ(rig.latest()->background, "");
    const std::string plain = rig.hub.plot_svg({600, 300});
    EXPECT_EQ(plain.find("Фон: "), std::string::npos);
    EXPECT_EQ(plain.find("stroke=\"" + faded + "\""), std::string::npos);
  }
  // The page went first: choosing now tells no one that is gone.
  choice.set(std::make_shared<const chart::BackgroundRun>());
}

TEST(StateJson, TheTextsAsTheWindowShowsThem) {
  PageSnapshot s;
  s.sequence = 3;
  s.stopped = true;
  s.stop_reason = "Аварийный перегрев\r\nНасадка";
  s.roles[0] = {"Дефлегм", "88.3", 88.3, true, {255, 200, 200}, {0, 0, 0}, {{"", "88"}}};
  s.valve_open = false;
  s.pins[0] = "1";
  s.news = "a \"quoted\"\ttab";
  const std::string json = state_json(s);
  EXPECT_EQ(json.find('\n'), std::string::npos);  // one line: one push event
  EXPECT_NE(json.find("\"stop_reason\":\"Аварийный перегрев\\r\\nНасадка\""), std::string::npos);
  EXPECT_NE(json.find("\"back\":\"#ffc8c8\""), std::string::npos);
  EXPECT_NE(json.find("\"degrees\":88.3"), std::string::npos);
  EXPECT_NE(json.find("\"valve\":{\"open\":false"), std::string::npos);
  EXPECT_NE(json.find("\"news\":\"a \\\"quoted\\\"\\ttab\""), std::string::npos);
  EXPECT_NE(json.find("\"caption\":\"Режим работы не выбран\""), std::string::npos);
  EXPECT_NE(json.find("\"degrees\":null"), std::string::npos);
  // The page's own words are spelt right, where the window keeps its menu's.
  s.takeoff = record::Takeoff::Liquid;
  EXPECT_NE(state_json(s).find("\"takeoff\":{\"type\":\"liquid\",\"caption\":\"Жидкость\"}"),
            std::string::npos);
}

TEST(StateJson, SettingsWithTheirMeanings) {
  std::vector<std::string> lines(114, "1");
  lines[1] = "C:\\keeper.log";
  const std::string json = settings_json(lines);
  EXPECT_NE(json.find("{\"line\":2,\"control\":\"LogPath(1)\",\"value\":\"C:\\\\keeper.log\""),
            std::string::npos);
  EXPECT_NE(json.find("\"line\":114,"), std::string::npos);
  EXPECT_EQ(json.find("\"line\":115,"), std::string::npos);
  EXPECT_NE(json.find("\"meaning\":\"the logger's log file"), std::string::npos);
  // Fewer lines than the table: no line is made up.
  EXPECT_EQ(settings_json({"0"}).find("\"line\":2"), std::string::npos);
}

TEST(SvgScene, TextsAreEscapedAndClipsClosed) {
  chart::Scene scene;
  scene.size = {100, 50};
  scene.items.push_back(chart::Clip{chart::Box{0, 0, 50, 50}});
  chart::Text text;
  text.text = "<b>&\"x\"\x01";
  text.at = {1, 2};
  scene.items.push_back(text);
  scene.items.push_back(chart::Shade{{0, 0, 4, 10}, {0, 128, 0, 255}, {0, 0.5f, 0.5f, 1}});
  const std::string svg = svg_of(scene);
  EXPECT_NE(svg.find("&lt;b&gt;&amp;&quot;x&quot;</text>"), std::string::npos);
  EXPECT_EQ(svg.find('\x01'), std::string::npos);
  EXPECT_NE(svg.find("</g>\n</svg>"), std::string::npos);
  // Equal columns of a shade make one rectangle; a clear one makes none.
  EXPECT_NE(
      svg.find("x=\"1\" y=\"0\" width=\"2\" height=\"10\" fill=\"#008000\" fill-opacity=\"0.500\""),
      std::string::npos);
}

}  // namespace
}  // namespace kolvar::remote
