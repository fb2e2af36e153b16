#include "launch/desktop_program.h"

#include <filesystem>
#include <memory>
#include <ostream>

#include "desk/port_status.h"
#include "remote/alert_plan.h"

namespace kolvar::launch {

std::unique_ptr<remote::LivePage> open_web_page(Toolkit& toolkit, record::RunRecord& record,
                                                const Asked& asked, const platform::WallClock& wall,
                                                std::ostream& out, std::ostream& err) {
  desk::Desktop& desktop = toolkit.desktop();
  std::unique_ptr<remote::LivePage> page;
  try {
    const std::optional<remote::WebPlan> plan = remote::plan_web(asked.web);
    if (!plan) return nullptr;
    page = std::make_unique<remote::LivePage>(
        desktop.controller(), record, *plan, desk::port_status, wall,
        [&toolkit, &desktop](std::function<void()> work) {
          // Into the event loop, as an operator's input would come.
          toolkit.post([&desktop, work = std::move(work)] { desktop.act(work); });
        });
  } catch (const std::runtime_error& refusal) {  // WebRefusal, BindError
    if (asked.web.given()) {
      err << asked.program << ": " << refusal.what() << '\n';
      throw PartRefused{};
    }
    desktop.controller().os.message_box.show(refusal.what());
    return nullptr;
  }
  out << "web: " << page->url() << std::endl;
  desktop.screen().show_web_address(page->url());
  return page;
}

std::unique_ptr<remote::LiveAlerts> open_alerts(Toolkit& toolkit, const Asked& asked,
                                                const platform::WallClock& wall, std::ostream& out,
                                                std::ostream& err) {
  desk::Desktop& desktop = toolkit.desktop();
  const remote::AlertCommandLine& command_line = asked.alerts;
  remote::AlertSettings settings;
  try {
    settings = remote::plan_alerts(command_line);
    if (command_line.test_alert && !settings.any())
      throw remote::AlertRefusal(
          "--test-alert: no channel is set (--push, --webhook, --telegram, --mqtt or "
          "kolvar-web.conf)");
  } catch (const remote::AlertRefusal& refusal) {
    if (command_line.any() || command_line.test_alert) {
      err << asked.program << ": " << refusal.what() << '\n';
      throw PartRefused{};
    }
    // A wrong file was told once already, by the web page's plan.
    if (!refusal.file_wrong()) desktop.controller().os.message_box.show(refusal.what());
    return nullptr;
  }
  if (!settings.any()) return nullptr;
  auto alerts = std::make_unique<remote::LiveAlerts>(
      desktop.controller(), settings, wall, desk::port_status,
      [&toolkit, &desktop](const std::string& line) {
        // From the delivery thread into the window's own.
        toolkit.post([&desktop, line] { desktop.screen().show_alert_trouble(line); });
      });
  for (const std::string& channel : alerts->channels()) out << "alerts: " << channel << '\n';
  out << std::flush;
  remote::LiveAlerts& live = *alerts;
  desktop.screen().show_alert_button(alerts->channels(), [&live] { live.test_alert(); });
  if (command_line.test_alert) live.test_alert();
  return alerts;
}

void keep_notes(Toolkit& toolkit, const record::RunRecord& record, journal::NoteBook& notes) {
  desk::Desktop& desktop = toolkit.desktop();
  // After the record's own watch, which names the run's file at its start.
  desktop.controller().after_each_event([&record, &notes, seen = std::filesystem::path()](
                                            form::Controller&, const form::Control&) mutable {
    if (!record.running() || record.file() == seen) return;
    seen = record.file();
    notes.run_began(seen);
  });
  desktop.screen().show_journal_button([&toolkit, &notes] { toolkit.edit_note(notes); });
}

int run_desktop_program(Toolkit& toolkit, const Asked& asked, const platform::WallClock& wall,
                        std::ostream& out, std::ostream& err) {
  // The record of every run, in runs/. Its rows reach the disk from a thread
  // of their own, so a slow disk never delays the cycle.
  record::RunRecord record(toolkit.desktop().controller(), wall, {.background = true});
  // The past run behind the live plot, which the web page draws too.
  chart::BackgroundChoice background;
  const std::shared_ptr<void> plot = toolkit.show_live_plot(record, background);
  platform::MessageBox& message_box = toolkit.desktop().controller().os.message_box;
  journal::NoteBook notes(
      record.folder(), [&message_box](const std::string& message) { message_box.show(message); });
  keep_notes(toolkit, record, notes);
  const std::shared_ptr<void> following =
      asked.follow_runs ? asked.follow_runs(record, notes) : nullptr;
  try {
    // Both go before the record: their threads end first.
    const auto page = open_web_page(toolkit, record, asked, wall, out, err);
    if (page) page->show_background(background);
    const auto alerts = open_alerts(toolkit, asked, wall, out, err);
    return toolkit.run();
  } catch (const PartRefused&) {
    return 2;
  }
}

}  // namespace kolvar::launch
