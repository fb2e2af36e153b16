#pragma once
// The simulated home column: the whole outside world of the controller. It
// is the port backend (every byte written reaches its devices), it writes the
// logger's log file, and it is the launcher that restarts the logger. Time is
// given to it: advance_to(now) integrates up to `now` in steps of at most
// step_ms on a fixed grid, also ending at each logger poll and watchdog
// deadline. The same calls give the same run; calls at other moments change
// it only within the integration's accuracy. A write acts at the plant's
// present time: the driver advances the plant to the controller's time
// before the controller acts.
//
// Simplifications, each chosen to keep a step to a few microseconds while
// keeping the column's behaviour honest:
// - The pot is one well-stirred lump with its metal. Heat capacities are
//   the measured ones of the mixtures; latent heats are constants of the
//   pure liquids, mixed by moles; volumes are those of the measured
//   densities.
// - The pot loses heat by its temperature above the room; the column by its
//   head's, which condenses vapour on its walls as extra reflux.
// - The air's pressure shifts every boiling point alike for a composition,
//   and leaves the vapour's composition as measured at one atmosphere.
// - The packing is a stack of plates with equal molar flows (see column.h);
//   its hold-up when wet is fixed in moles (holdup_ml of liquid at the
//   azeotrope); it starts wet with the charge and drains without vapour. The packing's own heat
//   capacity and pressure drop are left out; the column's sensors instead
//   lag behind their plates' boiling points (see probes.h).
// - Everything leaving the head, drawn condensate or vapour passing the
//   dephlegmator, counts as taken off.
// - The valve moves at once; the lift moves at its set speed; the liquid
//   take-off flows with the square root of the head the lift leaves.
// - The element has its own cut-out: it stays off with less than 5 % of the
//   charge left in the pot.
// - With the cable unplugged, the devices see every line low.
#include <cstdint>
#include <string>

#include "platform/ports/port_backend.h"
#include "platform/services.h"
#include "platform/time/clock.h"
#include "sim/actuators.h"
#include "sim/boiler.h"
#include "sim/column.h"
#include "sim/dephlegmator.h"
#include "sim/faults.h"
#include "sim/logger_writer.h"
#include "sim/plant_settings.h"
#include "sim/plant_status.h"
#include "sim/probes.h"

namespace kolvar::sim {

class Plant final : public platform::PortBackend, public platform::Launcher {
 public:
  // Throws kolvar::Failure for settings that describe no rig.
  explicit Plant(const PlantSettings& settings);

  std::string name() const override { return settings_.port_name; }
  platform::PortAvailability availability() override;
  // Throws kolvar::Failure while the port is unplugged.
  void write(std::uint8_t byte) override;

  // Starting the logger's program restarts the logger; any other path
  // fails as a missing program does.
  void start(const std::string& path) override;

  // Integrates up to `now`; an earlier time does nothing.
  void advance_to(platform::Millis now);
  platform::Millis now() const { return now_; }

  PlantStatus status() const;
  // See plant_settings.h for which fields act while the plant runs.
  PlantSettings& settings() { return settings_; }
  const PlantSettings& settings() const { return settings_; }

  // May be changed at any time; acts from the plant's present time.
  Faults faults;

 private:
  void sense();
  platform::Millis step_end(platform::Millis target) const;
  void step(double dt);
  void poll();
  bool heater_allowed() const;
  bool dephlegmator_water() const;
  bool coil_water() const;
  double draw_ml_s() const;
  double probe_celsius(Probe probe) const;
  // Where the liquid of `plate` boils, with its heads and tails.
  double plate_celsius(int plate) const;

  PlantSettings settings_;
  platform::Millis now_ = 0;
  std::uint8_t written_ = 0;
  Boiler boiler_;
  Column column_;
  Actuators actuators_;
  Dephlegmator dephlegmator_;
  Probes probes_;
  LoggerWriter logger_;
  platform::Millis next_poll_;
  double vapour_ = 0;
  Amount taken_off_;
  double dephlegmator_joules_ = 0;
  double passed_on_joules_ = 0;
  double walls_joules_ = 0;
  double efficiency_ = 1;
  int launches_ = 0;
};

}  // namespace kolvar::sim
