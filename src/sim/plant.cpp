#include "sim/plant.h"

#include <algorithm>
#include <cmath>

#include "platform/failure.h"
#include "sim/traces.h"
#include "sim/vle.h"

namespace kolvar::sim {

namespace {

constexpr double kDryShare = 0.05;  // of the charge, in moles

// Refuses settings that describe no rig; a hold-up of a tenth of the charge
// or more would be a flooded column.
const PlantSettings& checked(const PlantSettings& s) {
  const bool fine = s.charge_litres > 0 && s.charge_abv >= 0 && s.charge_abv <= 1 &&
                    s.plates >= 1 && s.holdup_ml > 0 && s.holdup_ml < s.charge_litres * 100 &&
                    s.packing_sensor_plate >= 1 && s.packing_sensor_plate <= s.plates &&
                    s.lift_top_cm > 0 && s.step_ms >= 1 && s.logger.poll_ms >= 1 &&
                    s.pressure_hpa >= kLowestHpa && s.pressure_hpa <= kHighestHpa &&
                    s.flooding_watts > 0 && s.pot_j_per_k >= 0;
  if (!fine) throw Failure("Такой колонны не бывает: проверьте параметры модели");
  return s;
}

Amount charge_of(const PlantSettings& s) {
  Amount charge = amount_of_volume(s.charge_litres, s.charge_abv);
  charge.heads = s.heads_per_ethanol * charge.ethanol;
  charge.tails = s.tails_per_ethanol * charge.ethanol;
  return charge;
}

Amount holdup_of(const PlantSettings& s) {
  const Amount charge = charge_of(s);
  const double moles = s.holdup_ml / molar_volume_ml(vle::kAzeotrope);
  Amount holdup = amount_of_moles(moles, charge.fraction());
  holdup.heads = charge.heads * moles / charge.moles();
  holdup.tails = charge.tails * moles / charge.moles();
  return holdup;
}

Amount pot_of(const PlantSettings& s) {
  Amount pot = charge_of(s);
  pot -= holdup_of(s);
  return pot;
}

}  // namespace

Plant::Plant(const PlantSettings& settings)
    : settings_(checked(settings)),
      boiler_(pot_of(settings_), settings_.start_celsius, kDryShare * charge_of(settings_).moles(),
              settings_.pot_j_per_k),
      column_(settings_.plates, holdup_of(settings_)),
      actuators_(settings_.lift_start_cm, settings_.lift_top_cm, settings_.lift_cm_s),
      probes_(settings_.room_celsius),
      logger_(settings_.logger),
      next_poll_(settings_.logger.poll_ms) {}

platform::PortAvailability Plant::availability() {
  return faults.port_unplugged ? platform::PortAvailability::Unusable
                               : platform::PortAvailability::Usable;
}

void Plant::write(std::uint8_t byte) {
  if (faults.port_unplugged) throw Failure(settings_.port_name + ": порт не отвечает");
  written_ = byte;
  sense();
}

void Plant::start(const std::string& path) {
  if (path != settings_.logger.program_path) {
    throw Failure("Не удалось запустить программу: " + path + " (файл не найден)");
  }
  ++launches_;
  if (faults.logger_stalled && faults.restart_revives) faults.logger_stalled = false;
  faults.log_removed = false;
  logger_.reopen();
}

void Plant::sense() {
  actuators_.see(faults.port_unplugged ? 0 : written_, settings_.wiring, now_);
}

void Plant::advance_to(platform::Millis now) {
  while (now_ < now) {
    sense();
    const platform::Millis end = step_end(now);
    step(static_cast<double>(end - now_) / 1000);
    now_ = end;
    if (now_ >= next_poll_) {
      poll();
      next_poll_ += settings_.logger.poll_ms;
    }
  }
}

platform::Millis Plant::step_end(platform::Millis target) const {
  const platform::Millis grid = (now_ / settings_.step_ms + 1) * settings_.step_ms;
  platform::Millis end = std::min({target, grid, next_poll_});
  if (settings_.watchdog && actuators_.watchdog_holds(now_, settings_.watchdog_ms)) {
    end = std::min(end, actuators_.watchdog_deadline(settings_.watchdog_ms));
  }
  return end;
}

bool Plant::heater_allowed() const {
  if (actuators_.stop_raised() && !faults.stop_relay_stuck) return false;
  if (settings_.watchdog && !actuators_.watchdog_holds(now_, settings_.watchdog_ms)) return false;
  return settings_.heater_watts > 0 && !boiler_.dry();
}

bool Plant::dephlegmator_water() const {
  if (faults.water_failed) return false;
  return settings_.takeoff != TakeoffType::Vapour || actuators_.valve_open();
}

bool Plant::coil_water() const {
  return !faults.water_failed && actuators_.coil_valve_open();
}

double Plant::draw_ml_s() const {
  if (!actuators_.valve_open()) return 0;
  switch (settings_.takeoff) {
    case TakeoffType::Liquid:
      return settings_.valve_ml_s *
             std::sqrt(std::max(0.0, 1 - actuators_.lift_cm() / settings_.lift_top_cm));
    case TakeoffType::WidthModulated:
      return settings_.needle_ml_s;
    case TakeoffType::Vapour:
      return 0;
  }
  return 0;
}

void Plant::step(double dt) {
  actuators_.run(dt);
  const bool heater_on = heater_allowed();
  settings_.pressure_hpa = std::clamp(
      settings_.pressure_hpa + faults.pressure_drift_hpa_h * dt / 3600, kLowestHpa, kHighestHpa);
  const double hpa = settings_.pressure_hpa;

  const double boiled_before = boiler_.energy().boil_up;
  vapour_ = boiler_.heat(dt, heater_on ? settings_.heater_watts : 0, settings_.loss_w_per_k,
                         settings_.room_celsius, hpa);
  const double boiled = boiler_.energy().boil_up - boiled_before;

  const double head_celsius = plate_celsius(column_.plates());
  if (vapour_ > 0) {
    const double latent = latent_heat(column_.head_fraction());
    const DephlegmatorWater water{settings_.dephlegmator_l_min, settings_.water_celsius};
    dephlegmator_.run(dt, dephlegmator_water(),
                      condensable_share(water, head_celsius, vapour_ * latent));
    Column::Top top;
    top.condensed_share = dephlegmator_.condensed_share();
    top.draw_ml_s = draw_ml_s();
    top.walls_mol_s = settings_.column_loss_w_per_k *
                      std::max(0.0, head_celsius - settings_.room_celsius) / latent;
    efficiency_ = plate_efficiency(boiled / dt / settings_.flooding_watts);
    top.efficiency = efficiency_;
    taken_off_ += column_.run(dt, vapour_, top, boiler_.liquid());
    // Shares of the vapour raised, so the heat balance closes exactly.
    const double inside = std::min(1.0, column_.condensed_inside() / (vapour_ * dt)) * boiled;
    const double share = top.condensed_share;
    walls_joules_ += inside;
    dephlegmator_joules_ += share * (boiled - inside);
    passed_on_joules_ += (1 - share) * (boiled - inside);
  } else {
    dephlegmator_.run(dt, dephlegmator_water());
    column_.drain(dt, boiler_.liquid());
  }

  ProbeInputs in;
  in.vapour_rising = vapour_ > 0;
  in.head_celsius = plate_celsius(column_.plates());
  in.packing_celsius = plate_celsius(settings_.packing_sensor_plate);
  in.room_celsius = settings_.room_celsius;
  in.coil_water = coil_water();
  in.water_celsius = settings_.water_celsius;
  probes_.follow(dt, in);
}

double Plant::plate_celsius(int plate) const {
  const double pure = vle::boiling_celsius(column_.plate_fraction(plate), settings_.pressure_hpa);
  return traces::boiling_with(pure, column_.plate_heads(plate), column_.plate_tails(plate));
}

double Plant::probe_celsius(Probe probe) const {
  switch (probe) {
    case Probe::Dephlegmator:
      return probes_.dephlegmator();
    case Probe::Packing:
      return probes_.packing();
    case Probe::Tank:
      return boiler_.celsius();
    case Probe::CoolerOutlet:
      return probes_.cooler();
    case Probe::Room:
      return settings_.room_celsius;
    case Probe::None:
      return 0;
  }
  return 0;
}

void Plant::poll() {
  if (faults.log_removed && !logger_.lost_file()) logger_.lose_file();
  // Cleared by hand: the logger finds its path again.
  if (!faults.log_removed && logger_.lost_file()) logger_.reopen();
  if (faults.logger_stalled) return;
  std::array<double, kLogColumns> celsius{};
  for (int k = 0; k < kLogColumns; ++k) celsius[k] = probe_celsius(settings_.logger.columns[k]);
  logger_.write(now_, celsius, faults.sensors,
                {faults.garbage_line, faults.decimal_comma, faults.logger_frozen});
}

PlantStatus Plant::status() const {
  PlantStatus s;
  s.time = now_;
  s.lines = actuators_.byte();
  s.heater_on = heater_allowed();
  s.stop_raised = actuators_.stop_raised();
  s.watchdog_tripped =
      settings_.watchdog && !actuators_.watchdog_holds(now_, settings_.watchdog_ms);
  s.valve_open = actuators_.valve_open();
  s.lift_cm = actuators_.lift_cm();
  s.coil_water_on = coil_water();
  s.dephlegmator_water_on = dephlegmator_water();
  s.working_signal = actuators_.working_signal();
  s.dephlegmator_celsius = probes_.dephlegmator();
  s.packing_celsius = probes_.packing();
  s.tank_celsius = boiler_.celsius();
  s.cooler_celsius = probes_.cooler();
  s.boiling = vapour_ > 0;
  s.dry = boiler_.dry();
  s.vapour_mol_s = vapour_;
  s.reflux_mol_s = column_.reflux();
  s.takeoff_ml_h = column_.takeoff() * molar_volume_ml(column_.head_fraction()) * 3600;
  s.head_fraction = column_.head_fraction();
  s.pressure_hpa = settings_.pressure_hpa;
  s.wetted = column_.wetted();
  s.plate_efficiency = efficiency_;
  s.charge = boiler_.liquid();
  s.holdup = column_.holdup();
  s.taken_off = taken_off_;
  s.energy = boiler_.energy();
  s.dephlegmator_joules = dephlegmator_joules_;
  s.passed_on_joules = passed_on_joules_;
  s.walls_joules = walls_joules_;
  s.logger_running = !faults.logger_stalled;
  s.log_lines = logger_.lines();
  s.launches = launches_;
  return s;
}

}  // namespace kolvar::sim
