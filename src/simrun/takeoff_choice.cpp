#include "simrun/takeoff_choice.h"

#include <array>
#include <utility>

#include "form/names.h"

namespace kolvar::simrun {

namespace {
constexpr std::array<std::pair<Takeoff, std::string_view>, 4> kNames{{
    {Takeoff::Liquid, "liquid"},
    {Takeoff::Vapour, "vapour"},
    {Takeoff::Pwm, "pwm"},
    {Takeoff::PwmTankLine, "pwm-tank"},
}};
}  // namespace

std::optional<Takeoff> takeoff_named(std::string_view name) {
  for (const auto& [takeoff, text] : kNames)
    if (text == name) return takeoff;
  return std::nullopt;
}

std::string_view takeoff_name(Takeoff takeoff) {
  for (const auto& [t, text] : kNames)
    if (t == takeoff) return text;
  return {};
}

void choose_takeoff(form::Controller& c, Takeoff takeoff) {
  switch (takeoff) {
    case Takeoff::Liquid:
      c.click(c.c(ctl::liquid));
      return;
    case Takeoff::Vapour:
      c.click(c.c(ctl::par));
      return;
    case Takeoff::Pwm:
      c.click(c.c(ctl::SHIM));
      return;
    case Takeoff::PwmTankLine:
      c.click(c.c(ctl::SHIM));
      c.edit(c.c(ctl::manual_otb_Ch), "1");
      c.edit(c.c(ctl::otb_po_t_bragi), "1");
      return;
  }
}

}  // namespace kolvar::simrun
