#pragma once
// What a start with these settings leaves unguarded, said at the start: a
// run with no tank sensor has only the emergency limit to stop it, and an
// emergency limit above water's boiling point is reached only by a pot gone
// dry. The settings stay as the operator chose them.
#include <string>
#include <vector>

#include "form/controller.h"

namespace kolvar::core {

inline constexpr const char* kNoTankSensorWarning =
    "Нет датчика бака: конец процесса систему не остановит";
inline constexpr const char* kEmergencyOverBoilingWarning = "Аварийный порог выше кипения воды";
// `hot` in tenths of a degree above which the second warning is given.
inline constexpr int kBoilingTenths = 990;

// The warnings for the settings in force, in the order above.
std::vector<std::string> start_warnings(const form::Controller& c);

// The same warnings for the run under way, as the page and the alerts tell
// them: none while no cycle runs, since then nothing is left unguarded.
std::vector<std::string> run_warnings(const form::Controller& c);

}  // namespace kolvar::core
