#pragma once
// A desktop program's parts after its desktop, whichever toolkit draws it:
// the record of every run, its live plot, the web page and the alerts when
// asked for, then the toolkit's loop until the program ends. kolvar and
// kolvar-sim go through this same order on both toolkits.
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "alerts/alert_settings.h"
#include "alerts/live_alerts.h"
#include "chart/background_choice.h"
#include "desk/desktop.h"
#include "journal/note_book.h"
#include "platform/time/wall_clock.h"
#include "record/run_record.h"
#include "remote/live_page.h"
#include "remote/web_plan.h"

namespace kolvar::launch {

// What only the toolkit does for the program.
class Toolkit {
 public:
  virtual ~Toolkit() = default;

  virtual desk::Desktop& desktop() = 0;
  // From any thread: `work` runs in the event loop, in order.
  virtual void post(std::function<void()> work) = 0;
  // The plot of the run under way beside the window (F9 shows it again),
  // once the main window is in place. What it returns keeps the plot, and
  // goes before the record. The run the operator puts behind the plot is
  // held in `background`, which outlives it.
  virtual std::shared_ptr<void> show_live_plot(record::RunRecord& record,
                                               chart::BackgroundChoice& background) = 0;
  // The editor of the run's note (see journal/note_book.h) beside the main
  // window, or the one already open brought to the front. It never waits
  // for the operator: the timers run on while it is open.
  virtual void edit_note(journal::NoteBook& notes) = 0;
  // Starts the desktop and the quit requests' watch, then runs the event
  // loop until the program ends; its exit status.
  virtual int run() = 0;
};

// What the command line asks of the parts, and where the program's lines go:
// "web: URL" and "alerts: CHANNEL" on `out`, refusals on `err` after the
// program's name.
struct Asked {
  const char* program;
  remote::WebCommandLine web;
  remote::AlertCommandLine alerts;
  // What else follows the runs and their notes (a simulated column's own
  // filling of each note), kept until the program ends; none when empty.
  std::function<std::shared_ptr<void>(record::RunRecord&, journal::NoteBook&)> follow_runs = {};
};

// Thrown when the command line asked for a part that cannot be had, once
// the reason is on `err`.
struct PartRefused {};

// The web page the command line or the remote settings file asks for,
// serving, its address printed as "web: …" and shown in the window; none
// when neither asks. A page that cannot be guarded or bound is not served:
// asked for on the command line, PartRefused; by the file alone, the window
// says why.
std::unique_ptr<remote::LivePage> open_web_page(Toolkit& toolkit, record::RunRecord& record,
                                                const Asked& asked, const platform::WallClock& wall,
                                                std::ostream& out, std::ostream& err);

// The alerts the command line or the remote settings file asks for, their
// channels printed as "alerts: …", the test button and the trouble line in
// the window; none when no channel is set. Settings that are wrong: given on
// the command line, PartRefused; in the file alone, the window says why.
std::unique_ptr<remote::LiveAlerts> open_alerts(Toolkit& toolkit, const Asked& asked,
                                                const platform::WallClock& wall, std::ostream& out,
                                                std::ostream& err);

// The notes of the runs that `record` keeps: the next run's taken over at
// each start, "Журнал…" in the window, a note that cannot be written told in
// a message box. `notes` must keep the record's folder, and both must live
// until the controller's last event.
void keep_notes(Toolkit& toolkit, const record::RunRecord& record, journal::NoteBook& notes);

// The program from its desktop on; its exit status. A web page or alerts
// asked for on the command line that cannot be had end it with status 2
// before the window shows; asked for by the settings file alone, the window
// says why and the program runs without them.
int run_desktop_program(Toolkit& toolkit, const Asked& asked, const platform::WallClock& wall,
                        std::ostream& out, std::ostream& err);

}  // namespace kolvar::launch
