// GoogleTest with a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

#include "support/temp_folder.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // also for listing the tests
  // Whatever a window remembers goes here, never to the user's own folder.
  const kolvar::testing::TempFolder config;
  setenv("XDG_CONFIG_HOME", config.path().c_str(), 1);
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());  // tests expect "." whatever the machine says
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
