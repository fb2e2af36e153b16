// The simulator's window and the desktop on the simulated column, on a
// steady clock the test sets: nothing sleeps.
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "desktop_rig.h"
#include "form/names.h"
#include "simrun/rig.h"
#include "simrun/sim_settings_file.h"
#include "simview/simulated_desktop.h"
#include "support/temp_folder.h"

namespace kolvar::simview {
namespace {

constexpr std::uint8_t kOpen = 1 << 0, kClose = 1 << 1, kStop = 1 << 2, kCoil = 1 << 5;

class SimWindowTest : public kolvar::testing::InFreshFolder {
 protected:
  template <class W>
  W* find(const char* name) {
    W* w = window.findChild<W*>(QString::fromLatin1(name));
    if (!w) throw std::logic_error(std::string("no widget ") + name);
    return w;
  }
  QString label(const char* name) { return find<QLabel>(name)->text(); }
  void click(const char* name) { find<QAbstractButton>(name)->click(); }

  form::ScaledMillis::Moment real{std::chrono::hours(1)};
  sim::Plant plant{simrun::simulated_rig({})};
  form::ScaledMillis clock{0, [this] { return real; }};
  int rate_changes = 0;
  SimWindow window{
      {plant, clock, [this] { plant.advance_to(clock()); }, [this] { ++rate_changes; }}};
};

TEST_F(SimWindowTest, ThePressureSetHoldsFromThePresentAndShowsInItsRow) {
  // Opened, the box shows the row's rounding and moves nothing.
  EXPECT_DOUBLE_EQ(find<QDoubleSpinBox>("pressure_setting")->value(), 1013.2);
  EXPECT_EQ(label("pressure"), QString::fromUtf8("1013.2 гПа"));
  EXPECT_EQ(plant.settings().pressure_hpa, 1013.25);
  real += std::chrono::seconds(5);
  find<QDoubleSpinBox>("pressure_setting")->setValue(990);
  EXPECT_EQ(plant.now(), clock());
  EXPECT_EQ(plant.settings().pressure_hpa, 990);
  EXPECT_EQ(label("pressure"), QString::fromUtf8("990.0 гПа"));
}

TEST_F(SimWindowTest, EachFaultButtonSetsItsFaultAndShowsIt) {
  const sim::Faults& f = plant.faults;
  struct Case {
    const char* button;
    std::function<bool()> fault;
  };
  const Case cases[] = {
      {"fault_logger", [&] { return f.logger_stalled && f.restart_revives; }},
      {"fault_logger_dead", [&] { return f.logger_stalled && !f.restart_revives; }},
      {"fault_log_removed", [&] { return f.log_removed; }},
      {"fault_garbage_line", [&] { return f.garbage_line; }},
      {"fault_decimal_comma", [&] { return f.decimal_comma; }},
      {"fault_logger_frozen", [&] { return f.logger_frozen; }},
      {"fault_water", [&] { return f.water_failed; }},
      {"fault_relay", [&] { return f.stop_relay_stuck; }},
      {"fault_port", [&] { return f.port_unplugged; }},
      {"fault_pressure_falls", [&] { return f.pressure_drift_hpa_h < 0; }},
      {"fault_pressure_rises", [&] { return f.pressure_drift_hpa_h > 0; }},
  };
  for (const Case& c : cases) {
    real += std::chrono::seconds(3);
    click(c.button);
    EXPECT_TRUE(c.fault()) << c.button;
    EXPECT_TRUE(find<QPushButton>(c.button)->isChecked()) << c.button;
    EXPECT_EQ(plant.now(), clock()) << c.button << ": the fault acts from the present";
    click(c.button);
    EXPECT_FALSE(c.fault()) << c.button;
    EXPECT_FALSE(find<QPushButton>(c.button)->isChecked()) << c.button;
  }

  // A restart revives one stall and not the other; the buttons follow.
  const std::string logger = plant.settings().logger.program_path;
  click("fault_logger_dead");
  plant.start(logger);
  window.refresh();
  EXPECT_TRUE(find<QPushButton>("fault_logger_dead")->isChecked());
  click("fault_logger");
  plant.start(logger);
  window.refresh();
  EXPECT_FALSE(f.logger_stalled);
  EXPECT_FALSE(find<QPushButton>("fault_logger")->isChecked());
  EXPECT_FALSE(find<QPushButton>("fault_logger_dead")->isChecked());

  // The chosen sensor drops out the chosen way; another sensor shows as sound.
  find<QComboBox>("fault_sensor_which")->setCurrentIndex(2);
  find<QComboBox>("fault_sensor_kind")->setCurrentIndex(1);
  click("fault_sensor");
  EXPECT_EQ(f.sensors[2], sim::SensorFault::Garbage);
  find<QComboBox>("fault_sensor_kind")->setCurrentIndex(0);
  EXPECT_EQ(f.sensors[2], sim::SensorFault::Blank);
  // Every kind of the list is offered, a real bus's codes among them.
  ASSERT_EQ(find<QComboBox>("fault_sensor_kind")->count(), 5);
  find<QComboBox>("fault_sensor_kind")->setCurrentIndex(2);
  EXPECT_EQ(f.sensors[2], sim::SensorFault::OffBus);
  find<QComboBox>("fault_sensor_which")->setCurrentIndex(0);
  EXPECT_FALSE(find<QPushButton>("fault_sensor")->isChecked());
}

TEST_F(SimWindowTest, TheSpeedChoiceChangesTheRateWithoutAJump) {
  real += std::chrono::milliseconds(1500);
  EXPECT_TRUE(find<QRadioButton>("speed_1")->isChecked());
  for (int speed : {60, 10, 1}) {
    const platform::Millis before = clock();
    click(("speed_" + std::to_string(speed)).c_str());
    EXPECT_EQ(clock.speed(), speed);
    EXPECT_EQ(clock(), before);
    real += std::chrono::seconds(2);
    EXPECT_EQ(clock(), before + 2000 * speed);
  }
  EXPECT_EQ(rate_changes, 3);
}

TEST_F(SimWindowTest, TheLabelsFollowThePlant) {
  struct Case {
    std::uint8_t lines;
    bool relay_stuck;
    const char* heater;
    const char* valve;
    const char* coil;
  };
  const Case cases[] = {
      {kClose, false, "включён", "закрыт", "нет"},
      {kOpen | kCoil, false, "включён", "открыт", "идёт"},
      {kClose | kStop, false, "выключен: реле стоп", "закрыт", "нет"},
      {kClose | kStop, true, "включён, реле стоп залипло", "закрыт", "нет"},
  };
  for (const Case& c : cases) {
    plant.faults.stop_relay_stuck = c.relay_stuck;
    plant.write(c.lines);
    real += std::chrono::minutes(10);
    window.refresh();
    EXPECT_EQ(label("heater"), QString::fromUtf8(c.heater)) << int(c.lines);
    EXPECT_EQ(label("valve"), QString::fromUtf8(c.valve)) << int(c.lines);
    EXPECT_EQ(label("coil_water"), QString::fromUtf8(c.coil)) << int(c.lines);
  }
  EXPECT_EQ(label("time"), "0:40:00");
  EXPECT_EQ(label("charge"), "40.0 %");
  EXPECT_EQ(label("taken_off"), "0.00 л");
  EXPECT_EQ(label("lift"), "25.0 см");
  const double tank = plant.status().tank_celsius;
  EXPECT_GT(tank, 40);
  EXPECT_EQ(label("tank"), QString::asprintf("%.2f °C", tank));
}

class SimulatedDesktopTest : public kolvar::testing::InFreshFolder {
 protected:
  static sim::PlantSettings settled() {
    sim::PlantSettings rig = simrun::simulated_rig({});
    simrun::settle_settings_file(rig);
    return rig;
  }
  // At 100 %, so that the offscreen screen has room beside the main window
  // whatever the machine's desktop font.
  view::testing::OwnConfigFolder config{folder.path(), 100};
  form::ScaledMillis::Moment real{std::chrono::hours(1)};
  desk::SimulatedRig rig{settled(), true, [this] { return real; }};
  SimulatedDesktop sim{rig};
};

// The simulator's window waits for the main window to be on screen, then
// stands beside its frame.
TEST_F(SimulatedDesktopTest, TheSimulatorWindowStandsBesideTheMainWindow) {
  QWidget& main = sim.desktop().window();
  SimWindow& window = sim.sim_window();
  EXPECT_FALSE(window.isVisible());
  sim.desktop().start();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  ASSERT_TRUE(window.isVisible());
  EXPECT_FALSE(main.frameGeometry().intersects(window.frameGeometry()));
  EXPECT_TRUE(sim.companions().follows(window));
  sim.desktop().end();
}

}  // namespace
}  // namespace kolvar::simview
