#pragma once
// The simulator's own small window beside the main one: the simulated
// column's state at a glance, the speed of its clock, and a button per fault
// to inject. It refreshes a few times a second, bringing the plant up to the
// model's present first so that the log keeps growing between cycles. What
// it shows and what its choices do are simrun's (sim_panel, sim_panel_actions).
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "simrun/sim_panel_actions.h"

class QButtonGroup;
class QComboBox;
class QFormLayout;
class QGridLayout;
class QLabel;
class QPushButton;
class QTimer;

namespace kolvar::simview {

class SimWindow : public QWidget {
 public:
  using Links = simrun::SimLinks;

  explicit SimWindow(Links links, QWidget* parent = nullptr);

  // Catches up and shows the plant's state; the refresh timer calls it.
  void refresh();
  // Shows the plant's state as it is, after the controller acted on it.
  void show_plant();
  void set_speed(int speed);

 private:
  QLabel* add_row(QFormLayout* form, const char* name, const QString& title);
  QPushButton* add_fault(QGridLayout* grid, int row, int column, const char* name,
                         const QString& title, std::size_t index);
  QWidget* make_sensor_fault();
  QWidget* make_pressure_setting();
  void set_sensor_fault(bool on);
  void show_faults();

  simrun::SimPanelActions panel_;
  std::map<std::string, QLabel*> values_;
  QButtonGroup* speeds_ = nullptr;
  // In the order of simrun::kFaultSwitches.
  std::vector<QPushButton*> fault_buttons_;
  QPushButton* sensor_ = nullptr;
  QComboBox* sensor_choice_ = nullptr;
  QComboBox* sensor_kind_ = nullptr;
  QTimer* timer_ = nullptr;
};

}  // namespace kolvar::simview
