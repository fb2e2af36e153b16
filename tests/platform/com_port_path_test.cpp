#include "platform/serial/com_port_path.h"

#include <gtest/gtest.h>

namespace kolvar::platform {
namespace {

TEST(ComPortPath, ComNamesOfAnyNumberGoThroughTheDeviceNamespace) {
  EXPECT_EQ(com_port_path("COM3"), "\\\\.\\COM3");
  EXPECT_EQ(com_port_path("com3"), "\\\\.\\COM3");
  EXPECT_EQ(com_port_path("Com10"), "\\\\.\\COM10");
  EXPECT_EQ(com_port_path("COM255"), "\\\\.\\COM255");
}

TEST(ComPortPath, OtherNamesAreLeftAsGiven) {
  for (const char* name : {"\\\\.\\COM12", "COM", "COM0", "COM03", "COM3x", "COM1000", "COMA",
                           "/dev/ttyUSB0", "LPT1", "", "xCOM3"}) {
    EXPECT_EQ(com_port_path(name), name) << name;
  }
}

}  // namespace
}  // namespace kolvar::platform
