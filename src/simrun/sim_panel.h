#pragma once
// The simulator window's content, for whichever toolkit shows it: the rows of
// the column's state, the speeds, the fault switches and the sensor fault's
// choices, with what each does to the plant. The Qt and the Win32 windows
// lay these out; neither keeps a copy of what a fault means.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/faults.h"
#include "sim/plant_settings.h"
#include "sim/plant_status.h"

namespace kolvar::simrun {

inline constexpr char kSimWindowTitle[] = "Симулятор колонны";
inline constexpr char kStateGroup[] = "Колонна";
inline constexpr char kSpeedGroup[] = "Скорость времени";
inline constexpr char kFaultGroup[] = "Неисправности";
inline constexpr int kSpeeds[] = {1, 10, 60};
// The widest value a row shows, to size the column of values once.
inline constexpr char kWidestValue[] = "выключен: сторожевое реле";

struct PlantRow {
  const char* name;  // the widget's name, for tests
  const char* title;
};
inline constexpr std::array<PlantRow, 11> kPlantRows{{
    {"time", "Время колонны"},
    {"pressure", "Давление воздуха"},
    {"heater", "Нагреватель"},
    {"valve", "Клапан отбора"},
    {"lift", "Подъёмник"},
    {"dephlegmator_water", "Вода дефлегматора"},
    {"coil_water", "Вода змеевика"},
    {"tank", "Температура бака"},
    {"charge", "Крепость в баке"},
    {"taken_off", "Отобрано"},
    {"taken_off_strength", "Крепость отбора"},
}};
// The rows' values, in kPlantRows' order.
std::array<std::string, kPlantRows.size()> plant_values(const sim::PlantStatus& s,
                                                        const sim::Faults& faults);

// The air's pressure as the operator sets it, in hPa with one decimal.
inline constexpr char kPressureSettingTitle[] = "Задать давление, гПа";
// The pressure a typed text gives ("990", "990.5" or "990,5"), nullopt for
// a text that is no number or one outside what weather gives.
std::optional<double> pressure_setting(std::string_view text);
// The text the setting shows for `hpa`.
std::string pressure_setting_text(double hpa);

// A fault that a toggle button switches, at `row` and `column` of a grid.
struct FaultSwitch {
  const char* name;
  const char* title;
  const char* tip;  // empty: none
  int row;
  int column;
  bool (*on)(const sim::Faults&);
  void (*set)(sim::Faults&, bool on);
};
extern const std::array<FaultSwitch, 11> kFaultSwitches;
// The weather's drift that the pressure switches set, hPa an hour.
inline constexpr double kPressureDrift = 3;
// The grid's rows: the logger's and its log's switches, the column's, the
// sensor fault's, then the weather's.
inline constexpr int kSensorFaultRow = 5;
inline constexpr int kFaultRows = 7;

// The sensor fault: a button, the logger's column and how it fails, as a
// real bus fails: the last three are what a sensor that falls off, loses its
// supply for a moment or stops converting gives.
inline constexpr char kSensorFaultTitle[] = "Отказ датчика";
struct SensorFaultKind {
  const char* title;
  sim::SensorFault fault;
};
inline constexpr std::array<SensorFaultKind, 5> kSensorFaultKinds{{
    {"пустое поле", sim::SensorFault::Blank},
    {"ошибка чтения", sim::SensorFault::Garbage},
    {"-127: обрыв", sim::SensorFault::OffBus},
    {"85: сброс", sim::SensorFault::PowerOn},
    {"застыло", sim::SensorFault::Frozen},
}};
// "1: дефлегматор", one per column of the logger's line.
std::vector<std::string> sensor_choices(const sim::PlantSettings& settings);
// Puts sensor `column` (0-based) out in the way `kind` indexes in
// kSensorFaultKinds, or back in; an index outside the lists changes nothing.
void set_sensor_fault(sim::Faults& faults, int column, int kind, bool on);
bool sensor_fault_on(const sim::Faults& faults, int column);

}  // namespace kolvar::simrun
