#include "core/control_cycle.h"

#include <exception>
#include <filesystem>
#include <string>

#include "core/cycle_steps.h"
#include "core/log_freshness.h"
#include "core/log_line.h"
#include "core/log_reader.h"
#include "core/protective_step.h"
#include "core/role_temperatures.h"
#include "core/section_openings.h"
#include "core/stalled_logger.h"
#include "core/temperature_colours.h"
#include "core/working_signal.h"
#include "form/takeoff.h"
#include "form/text_number.h"
#include "platform/failure.h"
#include "settings/outside_edit.h"

namespace kolvar::core {

namespace {

// Path texts are UTF-8 inside the program, on every platform. Where the
// system's paths are not UTF-8, a text it cannot convert names no file.
std::filesystem::path log_path(const form::Controller& c) {
  const std::string& text = c.c(ctl::LogPath, 1).text();
  try {
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t*>(text.data()), text.size()));
  } catch (const std::exception&) {
    throw Failure("Путь к логу темп-кипера не является именем файла: " + text);
  }
}

// The way on after a section opening that does not hand over to an
// automatic step.
Flow after_opening(Opening opening) {
  return opening == Opening::Handled ? Flow::ToStalledLoggerCheck : Flow::Next;
}

Flow liquid_section(form::Controller& c) {
  const Opening opening = open_liquid_section(c);
  return opening == Opening::Automatic ? liquid_auto_step(c) : after_opening(opening);
}

Flow vapour_section(form::Controller& c) {
  // The automatic step works on the delay as it stood before the opening.
  const double delay = form::numeric_value(c.c(ctl::time3).text());
  const Opening opening = open_vapour_section(c);
  return opening == Opening::Automatic ? vapour_auto_step(c, delay) : after_opening(opening);
}

Flow pwm_section(form::Controller& c) {
  const Opening opening = open_pwm_section(c);
  return opening == Opening::Automatic ? pwm_auto_step(c) : after_opening(opening);
}

// Reading the log up to the PWM section. Next and ToStalledLoggerCheck both
// go on with the stalled-logger check.
Flow acquire_and_regulate(form::Controller& c) {
  std::string line;
  try {
    line = read_last_line(log_path(c));
  } catch (const Failure&) {
    count_unread_log(c);
    throw;
  }
  set_role_temperatures(c, split_log_line(line));
  check_freshness(c);
  colour_control_temperatures(c);
  // Only the section of the type ticked runs. The liquid and vapour sections
  // come before the stable-count wrap, the PWM section after it.
  const form::Takeoff type = form::takeoff_type(c);
  if (type == form::Takeoff::Liquid || type == form::Takeoff::Vapour) {
    const Flow flow = type == form::Takeoff::Liquid ? liquid_section(c) : vapour_section(c);
    if (flow != Flow::Next) return flow;
  }
  stable_count_wrap(c);
  return type == form::Takeoff::Pwm ? pwm_section(c) : Flow::Next;
}

// The stalled-logger check and the protective step.
void watch_and_protect(form::Controller& c) {
  if (check_stalled_logger(c) == Stalled::Stopped) return;
  protective_step(c);
}

}  // namespace

void ControlCycle(form::Controller& c) {
  working_signal(c);
  settings::check_outside_edit(c);

  // One catch per cycle: a failure shows its description and sends the
  // cycle on to the watch; a failure after that ends the cycle.
  form::Control& news = c.c(ctl::News);
  bool caught = false;
  try {
    if (acquire_and_regulate(c) == Flow::EndCycle) return;
  } catch (const Failure& failure) {
    news.set_text(failure.what());
    caught = true;
  }
  for (;;) {
    try {
      watch_and_protect(c);
      return;
    } catch (const Failure& failure) {
      news.set_text(failure.what());
      if (caught) return;
      caught = true;
    }
  }
}

}  // namespace kolvar::core
