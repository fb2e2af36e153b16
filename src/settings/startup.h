#pragma once
// Program start and the re-initialisation that several commands repeat.
#include "form/controller.h"

namespace kolvar::settings {

inline constexpr char kLoadedStatus[] =
    "Файл настроек загружен.\r\nИспользуются автосохраненные настройки.";
inline constexpr char kCreatedStatus[] =
    "Файл настроек не найден.\r\nСоздан файл с настройками по умолчанию.\r\n"
    "Проверьте состояние всех настроек.";

// Once, when the window is created: the all-low port image reaches the port.
void Form_Initialize(form::Controller& c);

// Window on top at its main size and panel; "mytunes.log" applied, or created
// from the controls when it cannot be opened; everything derived from the
// settings recomputed; system-stop pins raised. Start-up proper (the
// operator's side) ends this with automatic control and the valve closed.
// The cycle timer's running state is left alone.
void load_window(form::Controller& c);

}  // namespace kolvar::settings
