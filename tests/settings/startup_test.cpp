// Start-up against the settings file: first start, loading, bad files.
#include "settings/startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "form/properties.h"
#include "settings/save.h"
#include "settings_rig.h"
#include "ui/valve_commands.h"

namespace kolvar::settings {
namespace {

using testing::initial_file_lines;
using testing::SettingsRig;
using testing::with_crlf;
using testing::write_bytes;

std::string prop(form::Controller& c, const std::string& full_name, const std::string& name) {
  form::Control* control = c.form.find_full(full_name);
  if (!control) return "<no control " + full_name + ">";
  auto p = form::find_prop(control->kind(), name);
  return p ? form::prop_text(*control, p->prop) : "<no property " + name + ">";
}

// The initial file with some lines (numbered from 1) replaced.
std::vector<std::string> initial_with(std::initializer_list<std::pair<int, std::string>> changes) {
  std::vector<std::string> lines = initial_file_lines();
  for (const auto& [line, text] : changes) lines.at(line - 1) = text;
  return lines;
}

std::size_t crlf_lines(const std::string& bytes) {
  std::size_t n = 0;
  for (std::size_t at = bytes.find("\r\n"); at != std::string::npos;
       at = bytes.find("\r\n", at + 2))
    ++n;
  return n;
}

TEST(Startup, FirstStartInAnEmptyFolderCreatesTheInitialFile) {
  SettingsRig rig;
  rig.c().start();
  EXPECT_EQ(rig.bytes(), with_crlf(initial_file_lines()));

  // The window it leaves is checked by the first-start scenario.
  // Form_Initialize's all-low image, then the valve closing with no pin chosen.
  ASSERT_EQ(rig.h().port1.writes().size(), 2u);
  EXPECT_EQ(rig.h().port1.writes().back().byte, 0);
  EXPECT_TRUE(rig.h().message_box.events.empty());
}

TEST(Startup, AppliesWithTheReactionsOfThresholdsHeldOff) {
  SettingsRig rig;
  rig.write_lines(initial_with({{68, " 600 "}, {109, " 25 "}}));
  std::vector<std::string> loaded_during_reaction;
  rig.c().on_change(ctl::V, [&](form::Controller& c, int) {
    loaded_during_reaction.push_back(c.c(ctl::V, 1).tag());
  });
  // The tolerance saves from its reaction: the open file must not be replaced.
  rig.c().on_change(ctl::dopusk, [](form::Controller& c, int) { OK_Click(c); });
  const std::string before = rig.bytes();
  rig.c().start();
  EXPECT_EQ(loaded_during_reaction, std::vector<std::string>{"0"});
  EXPECT_EQ(rig.bytes(), before);
  EXPECT_EQ(prop(rig.c(), "dopusk", "value"), "25");
  EXPECT_EQ(prop(rig.c(), "dopusk1", "caption"), "2.5");
  EXPECT_EQ(prop(rig.c(), "News", "text"), "Клапан закрыт");
}

TEST(Startup, FlagOfAnOutsideEditStaysInTheFile) {
  SettingsRig rig;
  rig.write_lines(initial_with({{1, " 1 "}, {98, "777"}}));
  rig.c().start();
  EXPECT_EQ(prop(rig.c(), "step_up", "text"), "777");
  EXPECT_TRUE(rig.bytes().starts_with(" 1 \r\n"));
}

TEST(Startup, ALaterLoadLeavesTheRunningCycleRunning) {
  SettingsRig rig;
  rig.c().start();
  rig.c().c(ctl::Timer1).set_on(true);
  rig.c().c(ctl::pin, 0).set_text("1");
  rig.c().c(ctl::Start).set_checked(true);
  ui::Form_Load(rig.c());
  EXPECT_TRUE(rig.c().c(ctl::Timer1).on());
  EXPECT_TRUE(rig.c().c(ctl::Auto).checked());
  EXPECT_FALSE(rig.c().c(ctl::Start).checked());
}

struct ReadCase {
  int line;
  std::string text;
  const char* control;
  const char* prop;
  const char* expected;
};

class ReadingRules : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingRules, EachFormReadsBackByItsRule) {
  const ReadCase& r = GetParam();
  SettingsRig rig;
  rig.write_lines(initial_with({{r.line, r.text}}));
  rig.c().start();
  EXPECT_EQ(prop(rig.c(), r.control, r.prop), r.expected)
      << "line " << r.line << " \"" << r.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ReadingRules,
    ::testing::Values(
        // Marks: the words in any case, or a number; nothing else.
        ReadCase{4, "true", "opstop(1)", "checked", "True"},
        ReadCase{4, " 1 ", "opstop(1)", "checked", "True"},
        ReadCase{6, "0", "opstop(3)", "checked", "False"},
        ReadCase{6, "yes", "opstop(3)", "checked", "True"},
        ReadCase{6, "0.5", "opstop(3)", "checked", "True"},
        // Numbers: blanks ignored, a whole number within the control's range.
        ReadCase{68, "600", "V(1)", "value", "600"}, ReadCase{68, " 1200 ", "V(1)", "value", "880"},
        ReadCase{68, " 600.5 ", "V(1)", "value", "880"},
        ReadCase{68, "6E2", "V(1)", "value", "880"}, ReadCase{68, "99999", "V(1)", "value", "880"},
        ReadCase{74, " 60 ", "Timer1", "interval", "60000"},
        ReadCase{74, " 1 ", "Timer1", "interval", "1000"},
        ReadCase{74, " 0 ", "Timer1", "interval", "2000"},
        ReadCase{74, " 61 ", "Interval", "value", "2"},
        ReadCase{101, " 0 ", "Ch_log", "value", "0"}, ReadCase{101, " 2 ", "Ch_log", "value", "1"},
        ReadCase{109, " 0 ", "dopusk", "value", "0"},
        ReadCase{114, " 1100 ", "temp_shim2_scr", "value", "1100"},
        ReadCase{114, " 1101 ", "temp_shim2_scr", "value", "1000"},
        // Text: the whole line, blanks included.
        ReadCase{95, " 2500 ", "time3_def", "text", " 2500 "},
        ReadCase{73, "", "Inter", "caption", ""}));

// Every persisted control, listed apart from the program's own table.
struct Setting {
  const char* name;
  int index;
};

std::vector<Setting> persisted_controls() {
  std::vector<Setting> all = {{"LogPath", 1}, {"Path", -1}};
  auto array = [&](const char* name, int count) {
    for (int i = 1; i <= count; ++i) all.push_back({name, i});
  };
  array("opstop", 3);
  for (const char* pins : {"ps", "pf", "ss", "lu", "ld", "zm", "puls"}) array(pins, 8);
  array("T2", 5);
  array("V", 5);
  for (const char* name : {"Inter", "Interval"}) all.push_back({name, -1});
  for (const char* sensors : {"da", "na", "kub", "kul"}) array(sensors, 5);
  for (const char* name : {"time3_def",      "peregrev_def",  "voda_vkl_def",
                           "step_up",        "step_d",        "hot",
                           "Ch_log",         "lift_up_def",   "lift_down_def",
                           "lift_speed",     "net_vodi_def",  "wait_def",
                           "wait_ch",        "Ch_pulse",      "dopusk",
                           "time_error_def", "sound_ch",      "kalibr_kolonni_scr",
                           "temp_shim1_scr", "temp_shim2_scr"})
    all.push_back({name, -1});
  return all;
}

// Gives every persisted control a value unlike its initial one and unlike
// its neighbours'.
void change_every_setting(form::Controller& c) {
  int n = 0;
  for (const Setting& s : persisted_controls()) {
    form::Control& control = c.form.get(s.name, s.index);
    ++n;
    switch (control.kind()) {
      case form::Kind::Menu:
        control.set_checked(!control.checked());
        break;
      case form::Kind::CheckBox:
        control.set_value(1 - control.value());
        break;
      case form::Kind::ScrollBar: {
        const int low = std::min(control.min(), control.max());
        const int span = std::abs(control.max() - control.min()) + 1;
        int value = low + n % span;
        if (value == control.value()) value = low + (n + 1) % span;
        control.set_value(value);
        break;
      }
      default:
        control.set_text("Ёлка " + std::to_string(n) + " \\путь\\");
        break;
    }
  }
}

std::vector<std::string> snapshot(form::Controller& c) {
  std::vector<std::string> values;
  for (const Setting& s : persisted_controls()) {
    const form::Control& control = c.form.get(s.name, s.index);
    values.push_back(control.full_name() + "=" + control.text() + "|" +
                     std::to_string(control.value()) + "|" + (control.checked() ? "1" : "0"));
  }
  return values;
}

TEST(Startup, SaveAndLoadKeepEverySetting) {
  SettingsRig rig;
  ASSERT_EQ(persisted_controls().size(), 113u);
  const std::vector<std::string> initial = snapshot(rig.c());
  change_every_setting(rig.c());
  const std::vector<std::string> changed = snapshot(rig.c());
  for (std::size_t i = 0; i < changed.size(); ++i) ASSERT_NE(changed[i], initial[i]);
  OK_Click(rig.c());
  rig.restart();
  EXPECT_EQ(snapshot(rig.c()), changed);
}

TEST(Startup, EveryLineReachesItsOwnControl) {
  SettingsRig rig;
  const std::vector<std::string> initial = snapshot(rig.c());
  change_every_setting(rig.c());
  const std::vector<std::string> changed = snapshot(rig.c());
  OK_Click(rig.c());
  const std::string changed_bytes = rig.bytes();
  std::vector<std::string> changed_lines;
  for (std::size_t at = 0, end; (end = changed_bytes.find("\r\n", at)) != std::string::npos;
       at = end + 2)
    changed_lines.push_back(changed_bytes.substr(at, end - at));
  ASSERT_EQ(changed_lines.size(), 114u);

  for (int line = 2; line <= 114; ++line) {
    std::vector<std::string> lines = initial_file_lines();
    lines[line - 1] = changed_lines[line - 1];
    rig.write_lines(lines);
    rig.restart();
    std::vector<std::string> expected = initial;
    expected[line - 2] = changed[line - 2];
    ASSERT_EQ(snapshot(rig.c()), expected) << "line " << line;
  }
}

TEST(Startup, AShortFileSetsWhatItHolds) {
  SettingsRig rig;
  const std::vector<std::string> initial = snapshot(rig.c());
  change_every_setting(rig.c());
  const std::vector<std::string> changed = snapshot(rig.c());
  OK_Click(rig.c());
  std::string bytes = rig.bytes();
  std::size_t cut = 0;
  for (int line = 0; line < 100; ++line) cut = bytes.find("\r\n", cut) + 2;
  write_bytes(rig.file(), bytes.substr(0, cut));

  rig.restart();
  std::vector<std::string> expected(changed.begin(), changed.begin() + 99);
  expected.insert(expected.end(), initial.begin() + 99, initial.end());
  EXPECT_EQ(snapshot(rig.c()), expected);
}

TEST(Startup, AWindows1251PathIsReadAndWrittenBackAsUtf8) {
  SettingsRig rig;
  // "C:\Программы\keeper.log" in Windows-1251.
  rig.write_lines(initial_with({{2, "C:\\\xCF\xF0\xEE\xE3\xF0\xE0\xEC\xEC\xFB\\keeper.log"}}));
  rig.c().start();
  const std::string path = "C:\\Программы\\keeper.log";
  EXPECT_EQ(rig.c().c(ctl::LogPath, 1).text(), path);
  OK_Click(rig.c());
  EXPECT_EQ(rig.bytes(), with_crlf(initial_with({{2, path}})));
  rig.restart();
  EXPECT_EQ(rig.c().c(ctl::LogPath, 1).text(), path);
}

TEST(Startup, ALineOfNoUtf8ReachesTheControlAsWindows1251) {
  SettingsRig rig;
  rig.write_lines(initial_with({{2, "\xF6\xB9\x9E\x8B"}}));
  rig.c().start();
  EXPECT_EQ(rig.c().c(ctl::LogPath, 1).text(), "ц№ћ‹");
}

struct BadFile {
  const char* name;
  std::string bytes;
  const char* step_up;  // what line 98 leaves in step_up
};

class BadFiles : public ::testing::TestWithParam<BadFile> {};

TEST_P(BadFiles, StartUpGoesOnAndTheNextSaveWritesAWholeFile) {
  SettingsRig rig;
  write_bytes(rig.file(), GetParam().bytes);
  rig.c().start();
  EXPECT_TRUE(rig.h().message_box.events.empty());
  EXPECT_EQ(rig.c().c(ctl::News).text(), "Клапан закрыт");
  if (GetParam().step_up) {
    EXPECT_EQ(rig.c().c(ctl::step_up).text(), GetParam().step_up);
  }
  OK_Click(rig.c());
  const std::string saved = rig.bytes();
  EXPECT_EQ(crlf_lines(saved), 114u);
  EXPECT_TRUE(saved.ends_with("\r\n"));
}

std::string joined(const std::vector<std::string>& lines, const std::string& end) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + end;
  return bytes;
}

std::string random_bytes(std::size_t n) {
  std::mt19937 random(7);
  std::string bytes(n, '\0');
  for (char& b : bytes) b = static_cast<char>(random() & 0xFF);
  return bytes;
}

std::vector<std::string> longer_file() {
  std::vector<std::string> lines = initial_with({{98, "4321"}});
  lines.insert(lines.end(), 50, "extra");
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadFiles,
    ::testing::Values(BadFile{"Empty", "", "1000"},
                      BadFile{"CrOnly", joined(initial_with({{98, "4321"}}), "\r"), "4321"},
                      BadFile{"LfOnly", joined(initial_with({{98, "4321"}}), "\n"), "4321"},
                      BadFile{"LongerThan114Lines", joined(longer_file(), "\r\n"), "4321"},
                      BadFile{"OneLine", " 0 ", "1000"},
                      BadFile{"Binary", random_bytes(20000), nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

// Something that is not a regular file in the file's place would block the
// open (a FIFO without a writer) or never end (a device such as /dev/zero,
// stood in for by a FIFO, so that no test can ever replace a real device):
// it counts as unreadable, start-up goes on as without a file, and no save
// puts a file in its place, directly or through a link.
TEST(Startup, AFifoOrADeviceInThePlaceOfTheFileIsUnreadableAndKept) {
  for (const bool through_link : {false, true}) {
    SCOPED_TRACE(through_link ? "link" : "fifo");
    SettingsRig rig;
    const std::filesystem::path fifo = rig.folder().file(through_link ? "device" : "mytunes.log");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    if (through_link) std::filesystem::create_symlink(fifo, rig.file());
    rig.c().start();
    EXPECT_EQ(rig.c().c(ctl::step_up).text(), "1000");
    EXPECT_EQ(rig.c().c(ctl::News).text(), "Клапан закрыт");
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    OK_Click(rig.c());
    EXPECT_TRUE(rig.c().c(ctl::News).text().starts_with("Файл настроек не сохранен"));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
  }
}

TEST(Startup, AFolderInThePlaceOfTheFileDoesNotStopStartUp) {
  SettingsRig rig;
  std::filesystem::create_directory(rig.file());
  rig.c().start();
  EXPECT_TRUE(rig.h().message_box.events.empty());
  EXPECT_EQ(rig.c().c(ctl::News).text(), "Клапан закрыт");
  EXPECT_EQ(rig.c().c(ctl::Timer1).interval(), 2000);
  OK_Click(rig.c());
  const std::string news = rig.c().c(ctl::News).text();
  EXPECT_TRUE(news.starts_with("Файл настроек не сохранен\r\n")) << news;
  EXPECT_GT(news.size(), std::string("Файл настроек не сохранен\r\n").size());
}

// The operator must see the temperature panel whether or not the file
// existed: every other panel left visible lies behind it or beyond the window.
TEST(Startup, FromAnExistingFileOnlyTheTemperaturePanelIsInSight) {
  SettingsRig rig;
  rig.write_lines(initial_file_lines());
  rig.c().start();
  const form::Control& window = rig.c().c(ctl::Form1);
  const form::Control& main = rig.c().c(ctl::F, 4);
  ASSERT_TRUE(main.visible());
  for (const auto& control : rig.c().form.controls()) {
    const form::Control& f = *control;
    if (f.kind() != form::Kind::Frame || !f.container().empty() || &f == &main || !f.visible())
      continue;
    const bool beyond = f.left() >= window.width() || f.top() >= window.height();
    const bool covered = f.z_order() < main.z_order() && f.left() >= main.left() &&
                         f.top() >= main.top() && f.left() + f.width() <= main.width() &&
                         f.top() + f.height() <= main.height();
    EXPECT_TRUE(beyond || covered) << f.full_name();
  }
  EXPECT_EQ(rig.c().c(ctl::F, 1).left(), 0);

  rig.c().click(rig.c().c(ctl::fi));
  EXPECT_GT(rig.c().c(ctl::F, 1).z_order(), main.z_order());
}

}  // namespace
}  // namespace kolvar::settings
