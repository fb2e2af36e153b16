#include "logger/sysfs_sensors.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fake_sysfs.h"

namespace kolvar::logger {
namespace {

using testing::FakeSysfs;

TEST(ReadSensor, BothFileKindsAndEveryFault) {
  const std::string id = "28-0000075a1b2c";
  const struct {
    const char* name;
    std::function<void(FakeSysfs&)> setup;
    Fault fault;
    int millidegrees;
  } cases[] = {
      {"temperature file", [&](FakeSysfs& s) { s.temperature(id, 23125); }, Fault::kNone, 23125},
      {"below zero", [&](FakeSysfs& s) { s.temperature(id, -1250); }, Fault::kNone, -1250},
      {"w1_slave", [&](FakeSysfs& s) { s.w1_slave(id, 78437); }, Fault::kNone, 78437},
      {"temperature preferred",
       [&](FakeSysfs& s) {
         s.temperature(id, 20000);
         s.w1_slave(id, 30000);
       },
       Fault::kNone, 20000},
      {"no device", [](FakeSysfs&) {}, Fault::kNoDevice, 0},
      {"device without reading", [&](FakeSysfs& s) { s.file(id, "name", id); }, Fault::kNoDevice,
       0},
      {"crc NO", [&](FakeSysfs& s) { s.w1_slave(id, 23125, false); }, Fault::kCrcError, 0},
      {"power-on", [&](FakeSysfs& s) { s.temperature(id, 85000); }, Fault::kPowerOn, 0},
      {"power-on w1_slave", [&](FakeSysfs& s) { s.w1_slave(id, 85000); }, Fault::kPowerOn, 0},
      {"bus fault value", [&](FakeSysfs& s) { s.temperature(id, 127937); }, Fault::kOutOfRange, 0},
      {"empty", [&](FakeSysfs& s) { s.file(id, "temperature", ""); }, Fault::kGarbage, 0},
      {"text", [&](FakeSysfs& s) { s.file(id, "temperature", "23.125\n"); }, Fault::kGarbage, 0},
      {"half w1_slave", [&](FakeSysfs& s) { s.file(id, "w1_slave", "00 : crc=00 YES"); },
       Fault::kGarbage, 0},
      {"no t=", [&](FakeSysfs& s) { s.file(id, "w1_slave", "00 : crc=00 YES\n00 00\n"); },
       Fault::kGarbage, 0},
      {"read error",
       [&](FakeSysfs& s) { std::filesystem::create_directories(s.root() / id / "temperature"); },
       Fault::kUnreadable, 0},
  };
  for (const auto& c : cases) {
    FakeSysfs sysfs;
    c.setup(sysfs);
    const Reading reading = read_sensor(sysfs.root(), id);
    EXPECT_EQ(reading.fault, c.fault) << c.name;
    if (c.fault == Fault::kNone) {
      EXPECT_EQ(reading.millidegrees, c.millidegrees) << c.name;
    }
  }
}

TEST(FindSensors, OnlyDevicesWithReadingsSorted) {
  FakeSysfs sysfs;
  sysfs.temperature("28-b", 1000);
  sysfs.w1_slave("28-a", 1000);
  sysfs.file("w1_bus_master1", "w1_master_slaves", "28-a\n28-b\n");
  EXPECT_EQ(find_sensors(sysfs.root()), (std::vector<std::string>{"28-a", "28-b"}));
  EXPECT_TRUE(find_sensors(sysfs.root() / "missing").empty());
}

}  // namespace
}  // namespace kolvar::logger
