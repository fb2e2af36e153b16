// The column as an operator knows it, driven through the port's lines.
#include <gtest/gtest.h>

#include "plant_rig.h"
#include "platform/failure.h"

namespace kolvar::sim {
namespace {

class Behaviour : public PlantRig {
 protected:
  // Without heads and tails, which move the head's temperature by more than
  // the weather does.
  void clean_charge() {
    settings.heads_per_ethanol = 0;
    settings.tails_per_ethanol = 0;
  }
};

TEST_F(Behaviour, ClosedValveBringsTheHeadToTheAzeotrope) {
  clean_charge();
  make();
  plant->write(kClose);
  run_to_boil();
  run_seconds(3600);
  const PlantStatus s = plant->status();
  EXPECT_NEAR(s.dephlegmator_celsius, 78.2, 0.1);
  // The packing sensor, low in the packing, a little under a degree over it.
  EXPECT_LT(s.packing_celsius, 79.0);
  EXPECT_EQ(s.taken_off.moles(), 0);
}

TEST_F(Behaviour, TotalRefluxHeadFollowsTheAirPressure) {
  // From 1013 to 990 hPa the azeotrope boils about 0.6 °C lower
  // (Clausius-Clapeyron, 0.026 K/hPa at the ethanol end).
  double head[2] = {};
  const double hpa[2] = {1013.25, 990};
  clean_charge();
  for (int i = 0; i < 2; ++i) {
    settings.pressure_hpa = hpa[i];
    make();
    plant->write(kClose);
    run_to_boil();
    run_seconds(3600);
    head[i] = plant->status().dephlegmator_celsius;
  }
  EXPECT_NEAR(head[0], 78.2, 0.1);
  EXPECT_GE(head[0] - head[1], 0.5);
  EXPECT_LE(head[0] - head[1], 0.7);
}

TEST_F(Behaviour, PressureDriftMovesTheHeadAtItsRate) {
  clean_charge();
  make();
  plant->write(kClose);
  run_to_boil();
  run_seconds(3600);
  const PlantStatus before = plant->status();
  plant->faults.pressure_drift_hpa_h = -3;
  run_seconds(2 * 3600);
  const PlantStatus after = plant->status();
  EXPECT_NEAR(after.pressure_hpa, before.pressure_hpa - 6, 1e-6);
  // 6 hPa at 0.026 K/hPa, less the little the head gains meanwhile.
  EXPECT_NEAR(before.dephlegmator_celsius - after.dephlegmator_celsius, 0.16, 0.04);
}

TEST_F(Behaviour, PackingDrainsWithoutVapourAndTheHeadMustSettleAgain) {
  make();
  plant->write(kClose);
  run_to_boil();
  run_seconds(3600);
  const PlantStatus settled = plant->status();
  ASSERT_NEAR(settled.wetted, 1, 1e-9);
  plant->write(kClose | kStop);
  run_seconds(600);
  const PlantStatus drained = plant->status();
  EXPECT_FALSE(drained.boiling);
  EXPECT_LT(drained.wetted, 0.1);
  EXPECT_LT(drained.holdup.moles(), 0.1 * settled.holdup.moles());
  // Heat again: the packing wets with the pot's vapour, so the head starts
  // far from the azeotrope and takes minutes to come back to it.
  plant->write(kClose);
  run_seconds(120);
  ASSERT_TRUE(plant->status().boiling);
  EXPECT_LT(plant->status().head_fraction, settled.head_fraction - 0.05);
  run_seconds(1800);
  EXPECT_NEAR(plant->status().head_fraction, settled.head_fraction, 0.01);
}

TEST_F(Behaviour, DephlegmatorCondensesOnlyWhatItsWaterCanTake) {
  struct Case {
    double litres_per_minute, inlet_celsius;
    bool all_condensed;
  };
  // 2 kW of vapour needs 2 L/min warmed by 14.3 K; at 0.4 L/min it must warm
  // by 72 K, more than the water's way up to the vapour's 78 °C allows.
  for (const Case c : {Case{1.0, 15, true}, Case{0.4, 15, false}, Case{1.0, 60, false}}) {
    settings.dephlegmator_l_min = c.litres_per_minute;
    settings.water_celsius = c.inlet_celsius;
    make();
    plant->write(kClose);
    run_to_boil();
    run_seconds(1800);
    const PlantStatus s = plant->status();
    EXPECT_EQ(s.taken_off.moles() < 1e-6, c.all_condensed)
        << c.litres_per_minute << " L/min at " << c.inlet_celsius;
  }
  const DephlegmatorWater litre{1.0, 15};
  EXPECT_NEAR(condensable_share(litre, 15 + 14.3 / 0.9, 1000), 1.0, 0.01);
  EXPECT_NEAR(condensable_share(litre, 15 + 14.3 / 0.9, 2000), 0.5, 0.01);
}

TEST(Packing, EfficiencyFallsWhenRunTooLightlyOrTooHard) {
  struct Case {
    double load, low, high;
  };
  for (const Case c : {Case{0.05, 0.5, 0.7}, Case{0.5, 1, 1}, Case{0.8, 1, 1}, Case{1.0, 0.3, 0.5},
                       Case{2.0, 0.2, 0.2}}) {
    EXPECT_GE(plate_efficiency(c.load), c.low) << c.load;
    EXPECT_LE(plate_efficiency(c.load), c.high) << c.load;
  }
}

TEST_F(Behaviour, MorePowerPastFloodingTakesOffWeakerSpirit) {
  // The same valve setting at 2 kW and at 3.5 kW: a flooded packing no
  // longer separates, and the head's strength falls.
  double strength[2] = {};
  const double watts[2] = {2000, 3500};
  for (int i = 0; i < 2; ++i) {
    settings.heater_watts = watts[i];
    settings.valve_ml_s = 0.6;  // 2.2 L/h
    settings.lift_start_cm = 0;
    make();
    plant->write(kClose);
    run_to_boil();
    run_seconds(1800);
    plant->write(kOpen);
    run_seconds(1800);
    strength[i] = plant->status().taken_off.abv();
  }
  EXPECT_GT(strength[0], 0.95);
  EXPECT_LT(strength[1], strength[0] - 0.01);
}

TEST_F(Behaviour, TakingOffMoreThanTheColumnRefluxesHeatsHeadAndPacking) {
  settings.valve_ml_s = 10;  // more than all the condensate
  make();
  plant->write(kClose);
  run_to_boil();
  run_seconds(1800);
  const PlantStatus settled = plant->status();
  plant->write(kOpen);
  run_seconds(1800);
  EXPECT_GT(plant->status().dephlegmator_celsius, settled.dephlegmator_celsius + 3);
  EXPECT_GT(plant->status().packing_celsius, settled.packing_celsius + 3);
}

TEST_F(Behaviour, ASpentChargeHeatsHeadAndPacking) {
  settings.charge_litres = 5;
  settings.charge_abv = 0.10;
  make();
  plant->write(kClose);
  run_to_boil();
  run_seconds(1800);
  EXPECT_LT(plant->status().dephlegmator_celsius, 78.6);
  plant->write(kOpen);
  run_seconds(3600);
  const PlantStatus spent = plant->status();
  ASSERT_TRUE(spent.boiling);
  EXPECT_LT(spent.charge.abv(), 0.01);
  EXPECT_GT(spent.dephlegmator_celsius, 95);
  EXPECT_GT(spent.packing_celsius, 95);
}

TEST_F(Behaviour, CoolerOutletFollowsItsWater) {
  make();
  plant->write(kClose | kCoil);
  run_to_boil();
  run_seconds(1800);
  EXPECT_LT(plant->status().cooler_celsius, settings.water_celsius + 5);

  plant->faults.water_failed = true;
  run_seconds(600);
  EXPECT_GT(plant->status().cooler_celsius, 70);

  plant->faults.water_failed = false;
  run_seconds(600);
  EXPECT_LT(plant->status().cooler_celsius, settings.water_celsius + 5);
  plant->write(kClose);  // the coil's valve shut
  run_seconds(600);
  EXPECT_GT(plant->status().cooler_celsius, 70);
  plant->write(kClose | kStop);  // no heat, no vapour: the dry coil cools off
  run_seconds(600);
  EXPECT_LT(plant->status().cooler_celsius, settings.room_celsius + 5);
}

TEST_F(Behaviour, StopLineCutsTheHeaterUnlessItsRelayIsStuck) {
  struct Case {
    std::uint8_t lines;
    bool stuck;
    bool heater;
  };
  for (const Case c : {Case{0, false, true}, Case{kStop, false, false}, Case{kStop, true, true},
                       Case{kPin9, false, true}}) {
    make();
    plant->faults.stop_relay_stuck = c.stuck;
    plant->write(c.lines);
    run_seconds(600);
    const PlantStatus s = plant->status();
    EXPECT_EQ(s.heater_on, c.heater) << int(c.lines) << " " << c.stuck;
    EXPECT_EQ(s.tank_celsius > settings.start_celsius + 1, c.heater) << int(c.lines);
  }
}

TEST_F(Behaviour, WatchdogCutsTheHeaterWhenThePulsesStop) {
  settings.watchdog = true;
  settings.watchdog_ms = 10000;
  make();
  EXPECT_FALSE(plant->status().heater_on);  // no pulse seen yet
  for (int pulse = 0; pulse < 30; ++pulse) {
    plant->write(kWorking);
    run_seconds(1.5);
    plant->write(0);
    run_seconds(0.5);
    ASSERT_TRUE(plant->status().heater_on) << pulse;
  }
  plant->write(kWorking);  // and it stays high: the controller hangs
  run_seconds(9.9);
  EXPECT_TRUE(plant->status().heater_on);
  run_seconds(0.1);
  EXPECT_FALSE(plant->status().heater_on);
  EXPECT_TRUE(plant->status().watchdog_tripped);
}

TEST_F(Behaviour, ValveAnswersOnlyTheLinesItIsWiredTo) {
  make();
  plant->write(kPin9);  // a controller that believes the valve is on pin 9
  EXPECT_FALSE(plant->status().valve_open);
  plant->write(kOpen);
  EXPECT_TRUE(plant->status().valve_open);
  plant->write(0);  // a motorised valve stays where it was driven
  EXPECT_TRUE(plant->status().valve_open);
  plant->write(kClose);
  EXPECT_FALSE(plant->status().valve_open);
  plant->write(kOpen | kClose);
  EXPECT_FALSE(plant->status().valve_open);

  plant->settings().wiring.clear(Output::ValveStop);  // a plain solenoid valve
  plant->write(kOpen);
  EXPECT_TRUE(plant->status().valve_open);
  plant->write(0);
  EXPECT_FALSE(plant->status().valve_open);
}

TEST_F(Behaviour, LiftTravelsWhileDrivenAndTrimsTheTakeoff) {
  make();
  plant->write(kOpen);
  run_to_boil();
  run_seconds(300);  // the packing drained while the charge warmed: wet again
  const PlantStatus low = plant->status();
  plant->write(kOpen | kLiftUp);
  run_seconds(10);
  plant->write(kOpen);
  run_seconds(60);
  const PlantStatus high = plant->status();
  EXPECT_NEAR(high.lift_cm, low.lift_cm + 10 * settings.lift_cm_s, 1e-9);
  EXPECT_LT(high.takeoff_ml_h, low.takeoff_ml_h * 0.9);
}

TEST_F(Behaviour, VapourTakeoffCoolsTheDephlegmatorWhileTheValveIsOpen) {
  settings.takeoff = TakeoffType::Vapour;
  make();
  plant->write(kOpen);
  run_to_boil();
  run_seconds(1800);
  EXPECT_EQ(plant->status().takeoff_ml_h, 0);
  plant->write(kClose);
  run_seconds(600);
  EXPECT_GT(plant->status().takeoff_ml_h, 1000);
  EXPECT_GT(plant->status().dephlegmator_celsius, 79);
}

TEST_F(Behaviour, UnpluggedPortRefusesWritesAndItsDevicesSeeNothing) {
  make();
  plant->write(kStop | kOpen);
  plant->faults.port_unplugged = true;
  EXPECT_EQ(plant->availability(), platform::PortAvailability::Unusable);
  EXPECT_THROW(plant->write(kStop), Failure);
  run_seconds(1);
  EXPECT_EQ(plant->status().lines, 0);
  EXPECT_TRUE(plant->status().heater_on);  // the stop relay dropped out
  EXPECT_TRUE(plant->status().valve_open);
}

TEST_F(Behaviour, SettingsThatDescribeNoRigAreRefused) {
  struct Case {
    const char* what;
    void (*spoil)(PlantSettings&);
  };
  const Case cases[] = {
      {"air below 700 hPa", [](PlantSettings& s) { s.pressure_hpa = 650; }},
      {"air above 1100 hPa", [](PlantSettings& s) { s.pressure_hpa = 1200; }},
      {"a packing that floods with no vapour", [](PlantSettings& s) { s.flooding_watts = 0; }},
      {"a pot of negative metal", [](PlantSettings& s) { s.pot_j_per_k = -1; }},
      {"a hold-up of a tenth of the charge", [](PlantSettings& s) { s.holdup_ml = 3000; }},
  };
  for (const Case& c : cases) {
    PlantSettings spoilt = settings;
    c.spoil(spoilt);
    EXPECT_THROW(Plant{spoilt}, Failure) << c.what;
  }
  EXPECT_NO_THROW(make());
}

}  // namespace
}  // namespace kolvar::sim
