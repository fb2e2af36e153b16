#pragma once
// The simulator's own small window beside the main one: the simulated
// column's state at a glance, the speed of its clock, and a button per fault
// to inject. It refreshes a few times a second, bringing the plant up to the
// model's present first so that the log keeps growing between cycles. The
// rows, speeds and faults are simrun/sim_panel's, as in the Qt window.
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "form/scaled_millis.h"
#include "sim/plant.h"
#include "simrun/sim_panel.h"
#include "winview/win32.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class SimWindow final : public WindowObject {
 public:
  struct Links {
    sim::Plant& plant;
    form::ScaledMillis& clock;
    // Brings the plant up to the model's present, as far as the controller's
    // pending timers let it go.
    std::function<void()> catch_up;
    // The clock's rate changed: whatever waits on it must wait anew.
    std::function<void()> rate_changed;
  };

  // The display's refresh, not the controller's timing.
  static constexpr UINT kRefreshMs = 250;

  // "Симулятор колонны — Kolvar", not shown yet.
  explicit SimWindow(Links links);
  ~SimWindow();

  // Catches up and shows the plant's state; the refresh timer calls it.
  void refresh();
  // Shows the plant's state as it is, after the controller acted on it.
  void show_plant();
  void set_speed(int speed);

  // A control by its name in the Qt window: a row's value ("time",
  // "heater", ...), "speed_1", "speed_10", "speed_60", a fault's button
  // ("fault_water", ...), "fault_sensor", "fault_sensor_which",
  // "fault_sensor_kind"; null for another name.
  HWND control(const std::string& name) const;

 protected:
  LRESULT handle(UINT message, WPARAM w, LPARAM l) override;

 private:
  HWND add(const char* name, const wchar_t* kind, const char* text, DWORD style, int id);
  void command(int id, int code);
  void set_sensor_fault(bool on);
  void show_faults();
  void lay_out();
  void set_scale(double scale);
  int selected(const char* combo) const;

  Links links_;
  std::map<std::string, HWND> controls_;
  std::array<std::string, simrun::kPlantRows.size()> shown_;
  std::vector<HWND> labels_;  // the rows' titles
  HWND state_group_ = nullptr;
  HWND pressure_label_ = nullptr;
  HWND speed_group_ = nullptr;
  HWND fault_group_ = nullptr;
  HFONT font_ = nullptr;
  double scale_ = 1;
};

}  // namespace kolvar::winview
