// GoogleTest with a QApplication on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLocale>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);  // also for listing the tests
  QApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());  // tests expect "." whatever the machine says
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
