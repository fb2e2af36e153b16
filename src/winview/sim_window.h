#pragma once
// The simulator's own small window beside the main one: the simulated
// column's state at a glance, the speed of its clock, and a button per fault
// to inject. It refreshes a few times a second, bringing the plant up to the
// model's present first so that the log keeps growing between cycles. What
// it shows and what its choices do are simrun's (sim_panel,
// sim_panel_actions), as in the Qt window.
#include <array>
#include <map>
#include <string>
#include <vector>

#include "simrun/sim_panel_actions.h"
#include "winview/win32.h"
#include "winview/window_object.h"

namespace kolvar::winview {

class SimWindow final : public WindowObject {
 public:
  using Links = simrun::SimLinks;

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

  simrun::SimPanelActions panel_;
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
