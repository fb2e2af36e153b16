#pragma once
// The controller: owns the window's controls and reaches the outside world
// through the platform services. The settings and the run state live in the
// controls; the column's state as numbers lives beside them, and the few
// other fields here are the ones that have no control of their own.
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "form/column_state.h"
#include "form/form.h"
#include "form/names.h"
#include "form/port_state.h"
#include "form/valve_news.h"
#include "form/virtual_clock.h"
#include "platform/files/settings_file.h"
#include "platform/services.h"

namespace kolvar::form {

// An operator action on a control that has no handler for it: a script
// clicked a label, or chose in a list nobody registered a reaction for.
class NoHandler : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class Controller {
 public:
  using Handler = std::function<void(Controller&, int index)>;
  // A drive, folder or file list's handler gets the entry the operator chose,
  // to take or refuse (a folder that cannot be read is refused).
  using ChoiceHandler = std::function<void(Controller&, int index, const std::string& choice)>;

  explicit Controller(platform::Services& services);
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  platform::Services& os;
  Form form;

  // The control named name (with its index for arrays).
  Control& c(Name name, int index = kNoIndex) { return form.get(name.text(), index); }
  const Control& c(Name name, int index = kNoIndex) const { return form.get(name.text(), index); }
  // The indices of the control array named array.
  std::vector<int> indices(Name array) const { return form.indices(array.text()); }
  char decimal_separator() const { return os.locale.decimal_separator(); }

  // --- The column's state as numbers ---
  // The role temperatures and the log's time stamp, read from the labels
  // that show them.
  ColumnState column{form};

  // --- State fields kept in control tags ---
  // Each lives in its tag and nowhere else: the getters read the tag as the
  // window shows it, so a tag written from outside (a script's `set
  // Ch_log.tag 1`) decides exactly as one written by a step.
  //
  // StopReason (the tag of `News`): the pending reason for a system stop, set
  // by whoever asks for the stop and shown by it.
  const std::string& stop_reason() const { return c(ctl::News).tag(); }
  void set_stop_reason(std::string reason) { c(ctl::News).set_tag(std::move(reason)); }
  // RestartMark (the tag of `Ch_log`, "1" or "0"): whether the logger has
  // been started again for the present stall. Any tag whose value is not 0
  // counts as set.
  bool restart_mark() const;
  void set_restart_mark(bool restarted);
  // The minute count of `Timer3` (its tag, a whole number as text): the whole
  // minutes of the vapour delay still to run. A tag that holds no whole number
  // is a failure of the step that reads it.
  long long minute_count() const;
  void set_minute_count(long long minutes);
  // SettingsLoaded (the tag of `V(1)`, "1" or "0"; empty before the first
  // start-up): while its value is 0 start-up is applying the settings file,
  // so the threshold and period bars do not react.
  bool settings_loaded() const;
  void set_settings_loaded(bool loaded);

  // --- State that has no control ---
  // Which port backend the write path uses.
  PortDriverState port_driver_state = PortDriverState::Unwritten;
  // The outcome whose message box was shown last, so a box comes once per change.
  PortOutcome port_outcome_shown = PortOutcome::None;
  // "mytunes.log" in the working folder; one object, so a save asked for while
  // it is open for reading leaves it alone.
  platform::SettingsFile settings_file;

  // --- Handlers, registered by the areas that build them ---
  void on_click(Name name, Handler handler);
  void on_change(Name name, Handler handler);
  void on_choice(Name name, ChoiceHandler handler);
  void on_timer(Name name, std::function<void(Controller&)> handler);
  void on_start(std::function<void(Controller&)> handler);
  // Told after each click's and each timer's handler has run, failed or not,
  // so that a layer above can follow the run without changing any handler.
  using Watcher = std::function<void(Controller&, const Control& source)>;
  void after_each_event(Watcher watcher) { watchers_.push_back(std::move(watcher)); }
  // What a valve switching does to the message panel: the rule's answer, or
  // Append while no rule is set.
  void set_valve_news_rule(ValveNewsRule rule) { valve_news_rule_ = rule; }
  ValveNews valve_news() const {
    return valve_news_rule_ ? valve_news_rule_(*this) : ValveNews::Append;
  }

  // --- Entry points: the operator and the event loop ---
  // Program start: create the window and load it.
  void start();
  // A click on a button, menu item or check box (a check box toggles first).
  void click(Control& control);
  // The operator edits a control: a text box's text, a scroll bar's value (its
  // change reaction runs when the value changes), a check box's value (its
  // click handler runs), a drive, folder or file list's choice.
  void edit(Control& control, const std::string& value);
  // Program code gives a scroll bar a value: out of range is a failure and the
  // value stays; a value that differs raises the bar's change reaction, whose
  // failures pass to the caller.
  void change_value(Control& scroll_bar, int value);
  // A timer fired.
  void fire(Control& timer);
  // A command that no control's handler carries (a stop asked for from a web
  // page): `action` runs as an event-loop handler, and the watchers are told
  // of it as an event of `source`.
  void act_as(Control& source, const std::function<void()>& action);
  // Runs the handlers of the timers due up to `until` on a virtual clock.
  void run_timers_until(VirtualClock& clock, platform::Millis until);

 private:
  // Runs one event-loop handler; a failure that reaches the loop is shown to
  // the operator in a message box instead of ending the program.
  void guarded(const std::function<void()>& handler);

  std::map<std::string, Handler, std::less<>> clicks_;
  std::map<std::string, Handler, std::less<>> changes_;
  std::map<std::string, ChoiceHandler, std::less<>> choices_;
  std::map<std::string, std::function<void(Controller&)>, std::less<>> timers_;
  std::vector<std::function<void(Controller&)>> start_;
  std::vector<Watcher> watchers_;
  ValveNewsRule valve_news_rule_ = nullptr;
};

}  // namespace kolvar::form
