// The parts of a desktop program after its desktop, with a toolkit that
// notes what it is asked: the web page and the alerts as the command line
// asks for them, refusals that end the program before its window shows, and
// the order in which the parts go.
#include "launch/desktop_program.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "desk/desk_rig.h"
#include "platform/time/wall_clock.h"
#include "support/temp_folder.h"

namespace kolvar::launch {
namespace {

struct NotingToolkit : Toolkit {
  explicit NotingToolkit(desk::Desktop& d) : d(d) {}
  desk::Desktop& desktop() override { return d; }
  void post(std::function<void()> work) override { posted.push_back(std::move(work)); }
  std::shared_ptr<void> show_live_plot(record::RunRecord&, chart::BackgroundChoice&) override {
    auto plot = std::make_shared<int>(0);
    plot_kept = plot;
    return plot;
  }
  void edit_note(journal::NoteBook& notes) override { edited = &notes; }
  int run() override {
    if (during_run) during_run();
    ran = true;
    plot_alive_while_running = !plot_kept.expired();
    return 5;
  }

  desk::Desktop& d;
  std::vector<std::function<void()>> posted;
  std::weak_ptr<void> plot_kept;
  journal::NoteBook* edited = nullptr;
  std::function<void()> during_run;
  bool ran = false;
  bool plot_alive_while_running = false;
};

class DesktopProgram : public kolvar::testing::InFreshFolder {
 protected:
  DesktopProgram() { desktop.attach(window); }
  int run(const Asked& asked) { return run_desktop_program(toolkit, asked, wall, out, err); }

  desk::test_rig::RecordingToolkit lent;
  platform::FakePort* port = nullptr;
  platform::Millis monotonic = 0;
  desk::test_rig::NotingWindow window;
  desk::Desktop desktop{desk::test_rig::recording_ports(port, monotonic), lent.lend()};
  NotingToolkit toolkit{desktop};
  platform::FollowingWallClock wall{desktop.clock(), platform::LocalTime{}};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(DesktopProgram, WithNothingAskedTheToolkitRunsWithThePlotAndNothingIsPrinted) {
  EXPECT_EQ(run({"kolvar", {}, {}}), 5);
  EXPECT_TRUE(toolkit.ran);
  EXPECT_TRUE(toolkit.plot_alive_while_running);
  EXPECT_TRUE(toolkit.plot_kept.expired()) << "the plot goes before the record";
  EXPECT_EQ(out.str(), "");
  EXPECT_TRUE(window.web.empty());
  EXPECT_TRUE(window.channels.empty());
}

TEST_F(DesktopProgram, TheJournalButtonEditsTheProgramsNotesAndTheRunsAreFollowed) {
  journal::NoteBook* followed = nullptr;
  auto kept = std::make_shared<int>(0);
  std::weak_ptr<int> following = kept;
  Asked asked{"kolvar-sim", {}, {}, [&](record::RunRecord& record, journal::NoteBook& notes) {
                followed = &notes;
                EXPECT_EQ(record.folder(), "runs");
                return std::exchange(kept, nullptr);
              }};
  toolkit.during_run = [&] {
    ASSERT_TRUE(window.edit_note);
    window.edit_note();
    EXPECT_TRUE(toolkit.edited);
    EXPECT_EQ(toolkit.edited, followed);
    EXPECT_FALSE(following.expired());
  };
  EXPECT_EQ(run(asked), 5);
  EXPECT_TRUE(following.expired());
}

TEST_F(DesktopProgram, ThePageServesItsAddressIsPrintedAndShownAndItsStopGoesThroughTheLoop) {
  record::RunRecord record(desktop.controller(), wall);
  const auto page = open_web_page(
      toolkit, record, {"kolvar", {remote::WebAddress{"127.0.0.1", 0}, true}, {}}, wall, out, err);
  ASSERT_TRUE(page);
  EXPECT_EQ(out.str(), "web: " + page->url() + "\n");
  EXPECT_EQ(window.web, page->url());
  EXPECT_EQ(err.str(), "");
}

TEST_F(DesktopProgram, APageAskedForThatCannotBeGuardedEndsTheProgramBeforeTheWindow) {
  // The settings file is a folder: no token can be kept there.
  std::filesystem::create_directory(remote::kWebSettingsFile);
  EXPECT_EQ(run({"kolvar-sim", {remote::WebAddress{"0.0.0.0", 0}, false}, {}}), 2);
  EXPECT_FALSE(toolkit.ran);
  EXPECT_EQ(err.str().rfind("kolvar-sim: ", 0), 0u) << err.str();
  EXPECT_EQ(out.str(), "");
}

TEST_F(DesktopProgram, ATestAlertWithoutAChannelEndsTheProgram) {
  remote::AlertCommandLine alerts;
  alerts.test_alert = true;
  EXPECT_EQ(run({"kolvar", {}, alerts}), 2);
  EXPECT_FALSE(toolkit.ran);
  EXPECT_NE(err.str().find("--test-alert: no channel is set"), std::string::npos) << err.str();
}

TEST_F(DesktopProgram, AlertsPrintTheirChannelsAndPutTheirButtonInTheWindow) {
  remote::AlertCommandLine asked;
  std::vector<std::string> args{"--webhook", "http://127.0.0.1:9/hook"};
  std::size_t i = 0;
  ASSERT_TRUE(remote::take_alert_option(args, i, asked));
  const auto alerts = open_alerts(toolkit, {"kolvar", {}, asked}, wall, out, err);
  ASSERT_TRUE(alerts);
  EXPECT_EQ(out.str().rfind("alerts: ", 0), 0u) << out.str();
  EXPECT_EQ(window.channels, alerts->channels());
  EXPECT_TRUE(window.test_alert);
}

}  // namespace
}  // namespace kolvar::launch
