#pragma once
#include <string>
#include <string_view>

#include "form/controller.h"

namespace kolvar::core {

// The first line of the panel after a system stop; the reason follows it.
inline constexpr std::string_view kStoppedHeading = "СИСТЕМА ОСТАНОВЛЕНА";

// The reason of a stop asked for from afar (the web page's "Стоп системы"),
// beside the operator's own "Остановлено пользователем".
inline constexpr const char* kRemoteStopReason = "Остановлено пользователем (удалённо)";

// Stopped, as the operator sees it: no cycle runs and the panel shows a stop.
bool system_stopped(const form::Controller& c);

inline constexpr const char* kStopSoundFile = "stop.wav";
inline constexpr const char* kStopSoundFailure =
    "Ошибка, возможно проблемы с winmm.dll или с файлом Stop.wav";

// The one way the system stops, whoever asks: records `reason` as the stop's
// reason, brings the outputs into the stopped state (valve closed, coil cooling off,
// constant working signal off, system-stop pins high; cooling that runs goes
// on for a cool-down first, see cooldown.h), stops the cycle and
// every timer that could still open the valve, shows "СИСТЕМА ОСТАНОВЛЕНА"
// with the reason, and plays the stop sound
// when `sound_ch` is 1. A port write that fails does not keep the system
// running: the stop goes on and the failure is added to the panel.
void system_stop(form::Controller& c, const std::string& reason);

}  // namespace kolvar::core
