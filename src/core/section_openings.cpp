#include "core/section_openings.h"

#include <string>

#include "core/roles.h"
#include "form/text_number.h"
#include "io/valve.h"
#include "platform/failure.h"

namespace kolvar::core {

namespace {

constexpr double kLongestInterval = 65535;
constexpr const char* kReadErrorText = "Ошибка чтения температуры\r\n";
constexpr const char* kManualText = "Ручное управление.\r\n";
// The valve procedures say nothing under width-modulated take-off, so its
// texts name the valve state themselves.
constexpr const char* kManualClosedPwmText = "Ручное управление\r\nКлапан закрыт";
constexpr const char* kManualOpenPwmText = "Ручное управление\r\nКлапан открыт";

enum class Work { Close, Open, Automatic, None };

// The Work items exclude each other; they are tested in this order.
Work work_item(const form::Controller& c) {
  if (c.c(ctl::stp).checked()) return Work::Close;
  if (c.c(ctl::Start).checked()) return Work::Open;
  if (c.c(ctl::Auto).checked()) return Work::Automatic;
  return Work::None;
}

void show(form::Controller& c, const std::string& text) {
  c.c(ctl::News).set_text(text);
}

void manual(form::Controller& c, form::Color color, const std::string& text) {
  c.c(ctl::News).set_back_color(color);
  show(c, text);
}

void switch_off(form::Controller& c, form::Name first, form::Name second) {
  c.c(first).set_on(false);
  c.c(second).set_on(false);
}

// The length of a vapour cooling pulse, `voda_vkl`, in whole milliseconds.
long long cooling_pulse_ms(const form::Controller& c) {
  const std::string& text = c.c(ctl::voda_vkl).text();
  const double ms = form::required_number(text, "voda_vkl");
  // Checked before rounding, so a huge number cannot overflow.
  if (ms < 0 || ms > kLongestInterval)
    throw Failure("Длина импульса охлаждения voda_vkl не умещается в таймер (0..65535 мс): \"" +
                  text + "\"");
  return form::round_half_even(ms);
}

Opening after_manual_or_auto(Work work) {
  return work == Work::Automatic ? Opening::Automatic
         : work == Work::None    ? Opening::Idle
                                 : Opening::Handled;
}

}  // namespace

Opening open_liquid_section(form::Controller& c) {
  if (read_error(c)) {
    show(c, kReadErrorText);
    io::otkl(c);
    return Opening::Handled;
  }
  const Work work = work_item(c);
  if (work == Work::Close) {
    manual(c, kManualClosedColor, kManualText);
    io::otkl(c);
  } else if (work == Work::Open) {
    manual(c, kManualOpenColor, kManualText);
    io::vkl(c);
  }
  return after_manual_or_auto(work);
}

Opening open_vapour_section(form::Controller& c) {
  if (read_error(c)) {
    show(c, kReadErrorText);
    io::vkl(c);
    switch_off(c, ctl::Timer3, ctl::Timer4);
    return Opening::Handled;
  }
  if (!c.c(ctl::Timer4).on() && form::numeric_value(c.c(ctl::Klapan_status).text()) == 1)
    io::otkl(c);
  const Work work = work_item(c);
  if (work == Work::Close) {
    manual(c, kManualClosedColor, kManualText);
    io::otkl(c);
    switch_off(c, ctl::Timer3, ctl::Timer4);
  } else if (work == Work::Open) {
    manual(c, kManualOpenColor, kManualText);
    io::vkl(c);
    switch_off(c, ctl::Timer3, ctl::Timer4);
  } else if (work == Work::Automatic) {
    c.c(ctl::Timer4).set_interval(cooling_pulse_ms(c));
  }
  return after_manual_or_auto(work);
}

Opening open_pwm_section(form::Controller& c) {
  if (read_error(c)) {
    show(c, kReadErrorText);
    io::otkl(c);
    switch_off(c, ctl::Timer8, ctl::Timer9);
    return Opening::Handled;
  }
  const Work work = work_item(c);
  if (work == Work::Close) {
    manual(c, kManualClosedColor, kManualClosedPwmText);
    io::otkl(c);
    switch_off(c, ctl::Timer8, ctl::Timer9);
  } else if (work == Work::Open) {
    manual(c, kManualOpenColor, kManualOpenPwmText);
    io::vkl(c);
    switch_off(c, ctl::Timer8, ctl::Timer9);
  }
  return after_manual_or_auto(work);
}

}  // namespace kolvar::core
