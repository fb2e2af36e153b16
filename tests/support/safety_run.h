#pragma once
// A run of the controller made of random steps (operator commands, setting
// edits, logger lines, virtual time) with the safety rules checked after
// each step. The unit test and the soak draw the steps from seeded
// generators (safety_seeds.h); the cycle fuzzer draws them from its input.
// It works in the current folder.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>

#include "core/system_stop.h"
#include "form/controller.h"
#include "settings/save.h"
#include "ui/headless.h"

namespace kolvar::testing {

// Where the run puts each output function: one pin each, so that no two
// functions fight over a pin and each rule reads one pin.
struct SafetyPins {
  static constexpr int kStart = 0, kStop = 1, kSystemStop = 2, kCoil = 3, kSignal = 4;
};

class SafetyRun {
 public:
  // pick(n): a number below n. text(): any text an operator could type.
  using Pick = std::function<std::uint32_t(std::uint32_t)>;
  using Text = std::function<std::string()>;

  SafetyRun(Pick pick, Text text) : pick_(std::move(pick)), text_(std::move(text)) {
    c_.start();
    int item = 1;
    for (const char* menu : {"ps", "pf", "ss", "zm", "puls", "lu", "ld"}) {
      for (int i = 1; i <= 8; ++i) c_.form.get(menu, i).set_checked(i == item);
      ++item;
    }
    for (const char* menu : {"da", "na", "kub", "kul"})
      for (int i = 1; i <= 5; ++i) c_.form.get(menu, i).set_checked(false);
    c_.c(ctl::da, 1).set_checked(true);
    c_.c(ctl::na, 2).set_checked(true);
    c_.c(ctl::kub, 3).set_checked(true);
    c_.c(ctl::kul, 4).set_checked(true);
    c_.c(ctl::LogPath, 1).set_text("keeper.log");
    settings::OK_Click(c_);
    log_line();
    h_.sink = [this](platform::Millis, const std::string& event) {
      if (event.starts_with("port ") && broken_.empty())
        broken_ = check_write(std::stoi(event.substr(5)));
    };
  }

  // Runs one random step; returns the rule it broke, empty when none.
  std::string step() {
    const bool heading_before = stop_heading();
    const bool open_before = pin(SafetyPins::kStart) == "1";
    advanced_ = false;
    broken_.clear();
    last_step_ = act(stopped_);
    if (last_step_ == "Старт системы") stopped_ = false;
    if (!c_.c(ctl::Timer1).on() && stop_heading()) stopped_ = true;

    last_rule_ = broken_.empty() ? check(heading_before, open_before) : broken_;
    return last_rule_.empty() ? last_rule_ : last_rule_ + " (after " + last_step_ + ")";
  }

  // The last step: what it did, and the rule it broke (empty when none).
  const std::string& last_step() const { return last_step_; }
  const std::string& last_rule() const { return last_rule_; }
  // Since a system stop (the operator's or a protective one), until "Старт системы".
  bool stopped() const { return stopped_; }

  form::Controller& controller() { return c_; }

 private:
  std::string act(bool stopped) {
    switch (pick_(11)) {
      case 0:
        c_.click(c_.c(ctl::Start_sys_button));
        return "Старт системы";
      case 1:
        c_.click(c_.c(ctl::Stop_sys_button));
        return "Стоп системы";
      case 2: {
        const char* types[] = {"liquid", "par", "SHIM"};
        const char* type = types[pick_(3)];
        c_.click(c_.form.get(type));
        return type;
      }
      case 3: {
        // Opening the valve by hand is the operator's right, also when stopped;
        // the rules below are about what happens without him.
        const char* items[] = {"Auto", "stp", "Start"};
        const char* item = items[pick_(stopped ? 2 : 3)];
        c_.click(c_.form.get(item));
        return item;
      }
      case 4:
        return edit_setting();
      case 5:
        return "log line \"" + log_line() + "\"";
      case 6: {
        // The working signal switched between constant and pulsing.
        form::Control& box = c_.c(ctl::Ch_pulse);
        c_.edit(box, box.value() == 1 ? "0" : "1");
        return "Ch_pulse";
      }
      default: {
        const int ms = static_cast<int>(pick_(8000)) + 1;
        advanced_ = true;
        h_.advance(ms);
        return "advance " + std::to_string(ms);
      }
    }
  }

  std::string edit_setting() {
    const char* texts[] = {
        "step_up",  "step_d",   "time3",         "voda_vkl",     "pulse_time",
        "wait_def", "otb",      "peregrev_def",  "net_vodi_def", "time_error_def",
        "wait",     "peregrev", "manual_otb_Ch", "wait_ch",      "Ch_pulse",
        "sound_ch", "V",        "hot",           "Interval",     "manual_otb"};
    const std::string name = texts[pick_(std::size(texts))];
    form::Control& control =
        name == "V" ? c_.c(ctl::V, static_cast<int>(pick_(5)) + 1) : c_.form.get(name);
    std::string value;
    if (control.kind() == form::Kind::TextBox) {
      value = text_();
    } else if (control.kind() == form::Kind::CheckBox) {
      value = std::to_string(pick_(2));
    } else {
      const int low = std::min(control.min(), control.max());
      const int high = std::max(control.min(), control.max());
      value = std::to_string(low + static_cast<int>(pick_(high - low + 1)));
    }
    c_.edit(control, value);
    return "edit " + control.full_name() + " \"" + value + "\"";
  }

  // A logger line: a time stamp that usually moves on, readings around the
  // thresholds, now and then one far off or no number.
  std::string log_line() {
    static const char* readings[] = {"20.0",  "50.0", "76.9", "77.0", "77.5", "87.9",
                                     "88.0",  "88.1", "88.6", "90.0", "95.0", "99.5",
                                     "100.5", "0",    "abc",  ""};
    if (pick_(4) != 0) ++second_;
    char line[80];
    std::snprintf(line, sizeof line, "%02d:%02d:%02d", 12 + second_ / 3600, second_ / 60 % 60,
                  second_ % 60);
    std::string text = line;
    for (int k = 0; k < 5; ++k) {
      std::string field = readings[pick_(std::size(readings))];
      field.resize(9, ' ');
      text += " " + field;
    }
    std::ofstream("keeper.log", std::ios::binary | std::ios::app) << text << "\r\n";
    return text;
  }

  bool stop_heading() const { return c_.c(ctl::News).text().starts_with(core::kStoppedHeading); }
  const std::string& pin(int k) const { return c_.c(ctl::pin, k).text(); }

  // Every byte that reaches the port while time runs: it is the pin image,
  // and no timer opens the valve against "Закрыть клапан" or after a stop.
  std::string check_write(int byte) {
    if (byte != image()) return "a port byte differs from the pins";
    const int before = last_byte_;
    last_byte_ = byte;
    if (!advanced_) return {};
    if (!c_.c(ctl::Timer1).on() && stop_heading()) stopped_ = true;
    constexpr int kStartBit = 1 << SafetyPins::kStart;
    const bool opening = (byte & kStartBit) != 0 && (before & kStartBit) == 0;
    if (opening && c_.c(ctl::stp).checked() && !c_.c(ctl::par).checked())
      return "a timer opened the valve under \"Закрыть клапан\"";
    // The cool-down opens the water valve of vapour take-off at the stop.
    if (opening && stopped_ && !c_.c(ctl::Start).checked() && !c_.c(ctl::cooldown).on())
      return "a timer opened the valve while stopped";
    return {};
  }

  int image() const {
    int image = 0;
    for (int k = 0; k < 8; ++k) image |= (pin(k) == "1" ? 1 : 0) << k;
    return image;
  }

  std::string check(bool heading_before, bool open_before) const {
    // The port byte always equals the pin texts.
    const int image = this->image();
    const auto& writes = h_.port1.writes();
    if (!writes.empty() && writes.back().byte != image)
      return "port byte " + std::to_string(writes.back().byte) + " differs from the pins " +
             std::to_string(image);
    using P = SafetyPins;
    // Under "Закрыть клапан" time does not open the valve; only vapour
    // take-off does, on a read error, for full cooling.
    if (advanced_ && c_.c(ctl::stp).checked() && !c_.c(ctl::par).checked() && !open_before &&
        pin(P::kStart) != "0")
      return "the valve opened under \"Закрыть клапан\"";
    if (!stopped_) return {};
    // Time alone does not take the reason of a stop off the panel.
    if (advanced_ && heading_before && !stop_heading()) return "the stop message was replaced";
    // While stopped the stop image holds: nothing but the operator changes it.
    // For the cool-down after a stop the coil's cooling may stay on and, in
    // vapour take-off, the valve that carries the dephlegmator's water open;
    // nothing else of the stop image changes, and it ends within its time.
    const form::Control& cooldown = c_.c(ctl::cooldown);
    const bool cooling = cooldown.on();
    if (cooling) {
      const std::string& minutes = cooldown.tag();
      const bool bounded = cooldown.interval() == 60000 && !minutes.empty() &&
                           minutes.size() <= 2 &&
                           std::all_of(minutes.begin(), minutes.end(), ::isdigit) &&
                           std::stoi(minutes) >= 1 && std::stoi(minutes) <= 10;
      if (!bounded) return "the cool-down runs longer than ten minutes";
    }
    if (pin(P::kSystemStop) != "1") return "the system-stop pin is low while stopped";
    if (!cooling && pin(P::kCoil) != "0") return "the coil cooling is on while stopped";
    // The operator may open the valve by hand, and the cool-down keeps the
    // water of vapour take-off flowing.
    if (!c_.c(ctl::Start).checked() && !(cooling && c_.c(ctl::par).checked())) {
      if (pin(P::kStart) != "0") return "a start pin is high while stopped";
      if (pin(P::kStop) != "1") return "the valve's stop pin is low while stopped";
    }
    if (pin(P::kSignal) != "0" && !c_.c(ctl::Timer7).on())
      return "the working signal stays high while stopped";
    for (const char* timer : {"Timer3", "Timer8", "Timer9"})
      if (c_.form.get(timer).on()) return std::string(timer) + " is running while stopped";
    return {};
  }

  Pick pick_;
  Text text_;
  ui::Headless h_;
  form::Controller& c_ = h_.controller;
  int second_ = 0;
  bool stopped_ = false;   // since a system stop, until "Старт системы"
  bool advanced_ = false;  // the step was time alone
  std::string broken_;     // the first rule a port write broke in this step
  int last_byte_ = 0;
  std::string last_step_;
  std::string last_rule_;
};

}  // namespace kolvar::testing
