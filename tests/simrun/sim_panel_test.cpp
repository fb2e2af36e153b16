// The simulator window's content that both toolkits show: the rows' values
// in their order, what each fault switch does, and the sensor fault's
// choices, including a choice that a list without a selection reports.
#include "simrun/sim_panel.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "simrun/rig.h"

namespace kolvar::simrun {
namespace {

TEST(SimPanel, TheRowsValuesComeInTheRowsOrder) {
  sim::PlantStatus s;
  s.time = 3'723'000;
  s.valve_open = true;
  s.coil_water_on = true;
  s.tank_celsius = 91.234;
  s.pressure_hpa = 990.04;
  const auto values = plant_values(s, {});
  auto value = [&](const char* name) {
    for (std::size_t k = 0; k < kPlantRows.size(); ++k)
      if (std::string(kPlantRows[k].name) == name) return values[k];
    return std::string("no row ") + name;
  };
  EXPECT_EQ(value("time"), "1:02:03");
  EXPECT_EQ(value("valve"), "открыт");
  EXPECT_EQ(value("coil_water"), "идёт");
  EXPECT_EQ(value("dephlegmator_water"), "нет");
  EXPECT_EQ(value("tank"), "91.23 °C");
  EXPECT_EQ(value("heater"), "выключен");
  EXPECT_EQ(value("pressure"), "990.0 гПа");
}

TEST(SimPanel, ThePressureSettingTakesWeatherInEitherDecimalSign) {
  struct Case {
    const char* text;
    std::optional<double> hpa;
  };
  for (const Case c :
       {Case{"990", 990.0}, Case{"990.5", 990.5}, Case{"990,5", 990.5}, Case{"700", 700.0},
        Case{"1100", 1100.0}, Case{"699.9", std::nullopt}, Case{"1100.1", std::nullopt},
        Case{"", std::nullopt}, Case{"990 гПа", std::nullopt}, Case{"nan", std::nullopt}}) {
    EXPECT_EQ(pressure_setting(c.text), c.hpa) << c.text;
  }
  EXPECT_EQ(pressure_setting_text(1013.25), "1013.2");
}

TEST(SimPanel, ThePressureSwitchesDriftOneWayAtATime) {
  const FaultSwitch* falls = nullptr;
  const FaultSwitch* rises = nullptr;
  for (const FaultSwitch& fault : kFaultSwitches) {
    if (std::string(fault.name) == "fault_pressure_falls") falls = &fault;
    if (std::string(fault.name) == "fault_pressure_rises") rises = &fault;
  }
  ASSERT_TRUE(falls && rises);
  sim::Faults f;
  falls->set(f, true);
  EXPECT_EQ(f.pressure_drift_hpa_h, -kPressureDrift);
  rises->set(f, true);
  EXPECT_EQ(f.pressure_drift_hpa_h, kPressureDrift);
  EXPECT_FALSE(falls->on(f));
  rises->set(f, false);
  EXPECT_EQ(f.pressure_drift_hpa_h, 0);
}

TEST(SimPanel, EachFaultSwitchSetsItsOwnFaultAndSeesItOn) {
  for (const FaultSwitch& fault : kFaultSwitches) {
    sim::Faults f;
    EXPECT_FALSE(fault.on(f)) << fault.name;
    fault.set(f, true);
    EXPECT_TRUE(fault.on(f)) << fault.name;
    int on = 0;
    for (const FaultSwitch& other : kFaultSwitches) on += other.on(f) ? 1 : 0;
    EXPECT_EQ(on, 1) << fault.name << ": one switch shows it";
    fault.set(f, false);
    EXPECT_FALSE(fault.on(f)) << fault.name;
    EXPECT_FALSE(f.logger_stalled || f.water_failed || f.stop_relay_stuck || f.port_unplugged ||
                 f.log_removed || f.garbage_line || f.decimal_comma || f.logger_frozen)
        << fault.name;
  }
}

TEST(SimPanel, EachSwitchHasACellOfItsOwnOffTheSensorFaultsRow) {
  std::set<std::pair<int, int>> cells;
  for (const FaultSwitch& fault : kFaultSwitches) {
    EXPECT_TRUE(cells.insert({fault.row, fault.column}).second) << fault.name;
    EXPECT_NE(fault.row, kSensorFaultRow) << fault.name;
    EXPECT_TRUE(fault.row >= 0 && fault.row < kFaultRows) << fault.name;
    EXPECT_TRUE(fault.column == 0 || fault.column == 1) << fault.name;
  }
}

TEST(SimPanel, TheSensorFaultTakesTheColumnAndKindAndIgnoresNoChoice) {
  const auto choices = sensor_choices(simulated_rig({}));
  ASSERT_EQ(choices.size(), static_cast<std::size_t>(sim::kLogColumns));
  EXPECT_EQ(choices[0], "1: дефлегматор");
  EXPECT_EQ(choices[2], "3: бак");

  sim::Faults f;
  set_sensor_fault(f, 2, 1, true);
  EXPECT_EQ(f.sensors[2], sim::SensorFault::Garbage);
  EXPECT_TRUE(sensor_fault_on(f, 2));
  set_sensor_fault(f, 2, 0, true);
  EXPECT_EQ(f.sensors[2], sim::SensorFault::Blank);
  // Each of a real bus's codes has its place in the list.
  for (auto [kind, fault] : {std::pair{2, sim::SensorFault::OffBus},
                             {3, sim::SensorFault::PowerOn},
                             {4, sim::SensorFault::Frozen}}) {
    set_sensor_fault(f, 2, kind, true);
    EXPECT_EQ(f.sensors[2], fault) << kSensorFaultKinds[static_cast<std::size_t>(kind)].title;
  }
  // A list with nothing selected reports -1; a column past the line is no sensor.
  for (auto [column, kind] : {std::pair{-1, 0}, {2, -1}, {sim::kLogColumns, 0}, {0, 5}}) {
    const sim::Faults before = f;
    set_sensor_fault(f, column, kind, false);
    EXPECT_EQ(f.sensors, before.sensors) << column << ' ' << kind;
  }
  EXPECT_FALSE(sensor_fault_on(f, -1));
  EXPECT_FALSE(sensor_fault_on(f, sim::kLogColumns));
  set_sensor_fault(f, 2, 0, false);
  EXPECT_FALSE(sensor_fault_on(f, 2));
}

}  // namespace
}  // namespace kolvar::simrun
