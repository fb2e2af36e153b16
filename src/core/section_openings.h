#pragma once
// The common opening of each take-off section: a read error or the
// operator's manual valve command takes precedence over the automatic step.
#include "form/control.h"
#include "form/controller.h"

namespace kolvar::core {

inline constexpr form::Color kManualClosedColor{250, 200, 200};
inline constexpr form::Color kManualOpenColor{200, 250, 200};

enum class Opening {
  Automatic,  // "Автоматически": the section's automatic step follows
  Idle,       // no Work item ticked: the section does nothing more
  Handled,    // read error or manual command: on to the stalled-logger check
};

// Liquid take-off: a read error or "Закрыть клапан" closes the valve,
// "Открыть клапан" opens it.
Opening open_liquid_section(form::Controller& c);

// Vapour take-off: a read error opens the valve for full cooling; outside a
// cooling pulse an open valve is closed first; a manual command also stops
// the delay and pulse timers. Before the automatic step Timer4 gets the
// pulse length from `voda_vkl` (a failure when it is no usable number).
Opening open_vapour_section(form::Controller& c);

// Width-modulated take-off: as liquid, and the phase timers stop.
Opening open_pwm_section(form::Controller& c);

}  // namespace kolvar::core
