// The Win32 simulator window on a steady clock the check sets (nothing
// sleeps): the speed buttons change the model clock's rate without a jump,
// each fault button sets its fault from the model's present and shows it,
// the sensor fault takes the column and kind chosen, and the rows follow
// the plant.
#include <chrono>
#include <exception>
#include <iostream>
#include <string>

#include "check.h"
#include "fresh_folder.h"
#include "simrun/rig.h"
#include "winview/sim_window.h"
#include "winview/win32.h"

namespace {

using namespace kolvar;

struct Rig {
  // The operator's click: the button's own notification to the window.
  void click(const char* name) {
    HWND button = window.control(name);
    CHECK(button != nullptr);
    if (!button) return;
    // A push-like check box or a radio button turns itself as it is clicked.
    const LRESULT style = GetWindowLongPtrW(button, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_AUTOCHECKBOX)
      SendMessageW(button, BM_SETCHECK, checked(name) ? BST_UNCHECKED : BST_CHECKED, 0);
    else if (style == BS_AUTORADIOBUTTON)
      SendMessageW(button, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
  }
  void choose(const char* combo, int index) {
    HWND box = window.control(combo);
    SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
  }
  bool checked(const char* name) {
    return SendMessageW(window.control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  std::wstring text(const char* name) {
    wchar_t buffer[128] = {};
    GetWindowTextW(window.control(name), buffer, 128);
    return buffer;
  }

  windows_checks::FreshFolder folder;
  form::ScaledMillis::Moment real{std::chrono::hours(1)};
  sim::Plant plant{simrun::simulated_rig({})};
  form::ScaledMillis clock{0, [this] { return real; }};
  int rate_changes = 0;
  winview::SimWindow window{
      {plant, clock, [this] { plant.advance_to(clock()); }, [this] { ++rate_changes; }}};
};

void speeds_change_the_rate_without_a_jump() {
  Rig rig;
  CHECK(rig.checked("speed_1"));
  rig.real += std::chrono::seconds(10);
  CHECK(rig.clock() == 10'000);
  rig.click("speed_60");
  CHECK(rig.clock.speed() == 60);
  CHECK(rig.rate_changes == 1);
  CHECK(rig.checked("speed_60") && !rig.checked("speed_1"));
  CHECK(rig.clock() == 10'000);  // no jump at the change
  rig.real += std::chrono::seconds(1);
  CHECK(rig.clock() == 70'000);
  rig.click("speed_10");
  CHECK(rig.clock.speed() == 10);
  rig.window.set_speed(1);  // as the test seam does
  CHECK(rig.checked("speed_1") && !rig.checked("speed_10"));
  CHECK(rig.rate_changes == 3);
}

void each_fault_button_sets_its_fault() {
  Rig rig;
  const sim::Faults& f = rig.plant.faults;
  struct Case {
    const char* button;
    bool (*fault)(const sim::Faults&);
  };
  const Case cases[] = {
      {"fault_logger", [](const sim::Faults& f) { return f.logger_stalled && f.restart_revives; }},
      {"fault_logger_dead",
       [](const sim::Faults& f) { return f.logger_stalled && !f.restart_revives; }},
      {"fault_log_removed", [](const sim::Faults& f) { return f.log_removed; }},
      {"fault_garbage_line", [](const sim::Faults& f) { return f.garbage_line; }},
      {"fault_decimal_comma", [](const sim::Faults& f) { return f.decimal_comma; }},
      {"fault_logger_frozen", [](const sim::Faults& f) { return f.logger_frozen; }},
      {"fault_water", [](const sim::Faults& f) { return f.water_failed; }},
      {"fault_relay", [](const sim::Faults& f) { return f.stop_relay_stuck; }},
      {"fault_port", [](const sim::Faults& f) { return f.port_unplugged; }},
      {"fault_pressure_falls", [](const sim::Faults& f) { return f.pressure_drift_hpa_h < 0; }},
      {"fault_pressure_rises", [](const sim::Faults& f) { return f.pressure_drift_hpa_h > 0; }},
  };
  for (const Case& c : cases) {
    rig.real += std::chrono::seconds(3);
    rig.click(c.button);
    CHECK(c.fault(f));
    CHECK(rig.checked(c.button));
    CHECK(rig.plant.now() == rig.clock());  // the fault acts from the present
    rig.click(c.button);
    CHECK(!c.fault(f));
    CHECK(!rig.checked(c.button));
  }
  // Logger stalled, then dead: one fault, the other button shows it off.
  rig.click("fault_logger");
  rig.click("fault_logger_dead");
  CHECK(!rig.checked("fault_logger") && rig.checked("fault_logger_dead"));
}

void the_sensor_fault_takes_the_column_and_kind_chosen() {
  Rig rig;
  const sim::Faults& f = rig.plant.faults;
  rig.choose("fault_sensor_which", 2);
  rig.click("fault_sensor");
  CHECK(f.sensors[2] == sim::SensorFault::Blank);
  rig.choose("fault_sensor_kind", 1);  // a sensor that is out changes how at once
  CHECK(f.sensors[2] == sim::SensorFault::Garbage);
  rig.choose("fault_sensor_kind", 2);  // a real bus's code for a sensor that fell off
  CHECK(f.sensors[2] == sim::SensorFault::OffBus);
  rig.choose("fault_sensor_which", 0);
  CHECK(!rig.checked("fault_sensor"));  // the button shows the column chosen
  rig.choose("fault_sensor_which", 2);
  CHECK(rig.checked("fault_sensor"));
  rig.click("fault_sensor");
  CHECK(f.sensors[2] == sim::SensorFault::None);
}

void the_rows_follow_the_plant() {
  Rig rig;
  CHECK(rig.text("time") == L"0:00:00");
  CHECK(rig.text("valve") == L"закрыт");
  // The take-off valve open (line 0) and the coil's water on (line 5).
  rig.plant.write(1 << 0 | 1 << 5);
  rig.real += std::chrono::minutes(2);
  rig.window.refresh();
  CHECK(rig.text("time") == L"0:02:00");
  CHECK(rig.text("heater") == L"включён");
  CHECK(rig.text("valve") == L"открыт");
  CHECK(rig.text("coil_water") == L"идёт");
  CHECK(rig.text("tank").find(L"°C") != std::wstring::npos);
  // Stop raised (line 2): the heater's relay lets go.
  rig.plant.write(1 << 1 | 1 << 2);
  rig.real += std::chrono::seconds(10);
  rig.window.refresh();
  CHECK(rig.text("heater") == L"выключен: реле стоп");
  CHECK(rig.text("valve") == L"закрыт");
}

}  // namespace

void the_pressure_typed_holds_from_the_present() {
  Rig rig;
  rig.real += std::chrono::seconds(5);
  HWND box = rig.window.control("pressure_setting");
  CHECK(box != nullptr);
  if (!box) return;
  SetWindowTextW(box, L"990,5");
  SendMessageW(rig.window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_CHANGE),
               reinterpret_cast<LPARAM>(box));
  CHECK(rig.plant.settings().pressure_hpa == 990.5);
  CHECK(rig.plant.now() == rig.clock());
  CHECK(rig.text("pressure") == L"990.5 гПа");
  SetWindowTextW(box, L"99");  // on the way to a new number: nothing changes
  SendMessageW(rig.window.hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), EN_CHANGE),
               reinterpret_cast<LPARAM>(box));
  CHECK(rig.plant.settings().pressure_hpa == 990.5);
}

int main() {
  try {
    the_pressure_typed_holds_from_the_present();
    speeds_change_the_rate_without_a_jump();
    each_fault_button_sets_its_fault();
    the_sensor_fault_takes_the_column_and_kind_chosen();
    the_rows_follow_the_plant();
  } catch (const std::exception& e) {
    std::cerr << "check stopped: " << e.what() << '\n';
    return 1;
  }
  return kolvar::windows_checks::failures == 0 ? 0 : 1;
}
