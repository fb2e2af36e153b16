#pragma once
// The four roles of the column's temperatures: T(1) dephlegmator, T(2)
// packing, T(3) tank, T(4) cooler outlet. A role takes part only while its
// label is enabled; a disabled label shows a threshold, not a reading.
#include "form/controller.h"

namespace kolvar::core {

inline constexpr int kRoleCount = form::kRoleCount;
inline constexpr int kDephlegmator = 1;
inline constexpr int kPacking = 2;
inline constexpr int kTank = 3;
inline constexpr int kCoolerOutlet = 4;

bool role_enabled(const form::Controller& c, int role);

// The reading of a role in degrees as this cycle took it (the number of what
// its label shows).
double role_temperature(const form::Controller& c, int role);

// Whether the role takes part and reads strictly more than a threshold held
// in tenths of a degree by a scroll bar (880 is 88.0).
bool role_over(const form::Controller& c, int role, const form::Control& threshold);

// Role r takes part and reads a value no sensor shows: nothing usable (0, a
// blank) or a missing sensor's code (-127). Every display of the role (the
// window's label, the record, the page, the plot) asks this, so they all
// show the read error the cycle acts on.
bool role_read_error(const form::Controller& c, int role);

// Some role is in read error.
bool read_error(const form::Controller& c);

}  // namespace kolvar::core
