#include "core/start_warnings.h"

#include "core/roles.h"

namespace kolvar::core {

std::vector<std::string> start_warnings(const form::Controller& c) {
  std::vector<std::string> warnings;
  if (!role_enabled(c, kTank)) warnings.emplace_back(kNoTankSensorWarning);
  if (c.c(ctl::hot).value() > kBoilingTenths) warnings.emplace_back(kEmergencyOverBoilingWarning);
  return warnings;
}

std::vector<std::string> run_warnings(const form::Controller& c) {
  if (!c.c(ctl::Timer1).on()) return {};
  return start_warnings(c);
}

}  // namespace kolvar::core
