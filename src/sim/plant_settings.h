#pragma once
// Everything that describes one simulated rig. Fields marked "live" may be
// changed through Plant::settings() while it runs and act from the next
// step; the rest are read once, when the plant is built.
#include <string>

#include "platform/time/clock.h"
#include "sim/logger_writer.h"
#include "sim/wiring.h"

namespace kolvar::sim {

// How the take-off valve draws product:
// - Liquid: the valve lets condensate from the dephlegmator run off as
//   product, at a rate trimmed by the lift (the higher the lift, the less the
//   head over the outlet and the slower the flow);
// - Vapour: the valve lets cooling water into the dephlegmator; while it
//   flows the dephlegmator condenses all the vapour as reflux, between pulses
//   it condenses less and the rest goes on to the product cooler;
// - WidthModulated: like Liquid through a fixed needle valve (no lift), the
//   controller opening the valve for a share of each period.
enum class TakeoffType { Liquid, Vapour, WidthModulated };

// The air's pressure stays within what weather at a home's altitude gives, hPa.
inline constexpr double kLowestHpa = 700;
inline constexpr double kHighestHpa = 1100;

struct PlantSettings {
  // The charge.
  double charge_litres = 30;
  double charge_abv = 0.40;  // ethanol's share by volume
  double start_celsius = 20;
  // Heads and tails the wash brings, mol per mol of its ethanol (see traces.h).
  double heads_per_ethanol = 0.0003;
  double tails_per_ethanol = 0.003;
  // Heat.
  double heater_watts = 2000;        // live
  double pot_j_per_k = 5000;         // the pot's own metal: 10 kg of steel
  double loss_w_per_k = 3.0;         // live; the pot's walls to the room
  double column_loss_w_per_k = 0.4;  // live; the column's, above the room: extra reflux
  double room_celsius = 20;          // live
  double water_celsius = 15;         // live; the cooling water
  double dephlegmator_l_min = 1.0;   // live; the dephlegmator's water while it flows
  double pressure_hpa = 1013.25;     // live; the air's, which sets every boiling point
  // The column.
  int plates = 12;         // theoretical plates of the packing
  double holdup_ml = 150;  // liquid held on the packing
  // The heater power whose vapour floods the packing (about 45 L of vapour
  // a minute per kW); plates lose efficiency towards it and when run too lightly.
  double flooding_watts = 3000;
  // The packing sensor's plate, counted from the bottom: low in the packing,
  // where the fusel oils gather at the end of the hearts.
  int packing_sensor_plate = 2;
  // Take-off.
  TakeoffType takeoff = TakeoffType::Liquid;  // live
  double valve_ml_s = 0.8;                    // live; liquid take-off with the lift at the bottom
  double needle_ml_s = 1.5;                   // live; width-modulated take-off, valve open
  double lift_top_cm = 50;                    // the lift's travel; no flow with the lift at the top
  double lift_start_cm = 25;
  double lift_cm_s = 1.0;  // the lift's speed
  // The working-signal watchdog: when on, the heater runs only while the
  // working line changed level less than watchdog_ms ago.
  bool watchdog = false;                 // live
  platform::Millis watchdog_ms = 10000;  // live
  // Lines and logger.
  Wiring wiring = default_wiring();  // live
  LoggerSettings logger;
  std::string port_name = "dlportio.dll";
  // The longest step of the integration; steps also end at every poll of the
  // logger and every watchdog deadline.
  platform::Millis step_ms = 1000;
};

}  // namespace kolvar::sim
