#include "core/column_tests.h"

#include "core/roles.h"

namespace kolvar::core {

namespace {

// The threshold of a controlling role plus margin, in degrees.
double limit(const form::Controller& c, int role, int margin) {
  return (c.c(ctl::V, role).value() + margin) / 10.0;
}

bool over(const form::Controller& c, int role, int margin) {
  return role_enabled(c, role) && role_temperature(c, role) > limit(c, role, margin);
}

bool below(const form::Controller& c, int role) {
  return role_enabled(c, role) && role_temperature(c, role) < limit(c, role, 0);
}

// The label's reading against its threshold, taking part or not.
bool shows_over(const form::Controller& c, int role) {
  return role_temperature(c, role) > limit(c, role, 0);
}

}  // namespace

bool column_over(const form::Controller& c) {
  return over(c, kDephlegmator, 0) || over(c, kPacking, 0);
}

bool column_far_above(const form::Controller& c) {
  const int tolerance = c.c(ctl::dopusk).value();
  return over(c, kDephlegmator, tolerance) || over(c, kPacking, tolerance);
}

bool column_below(const form::Controller& c) {
  return below(c, kDephlegmator) || below(c, kPacking);
}

std::string role_status_text(const form::Controller& c) {
  return std::string("Дефлегматор ") + (shows_over(c, kDephlegmator) ? "зашкалил" : "в норме") +
         "\r\nНасадка " + (shows_over(c, kPacking) ? "зашкалила" : "в норме") + "\r\n";
}

}  // namespace kolvar::core
