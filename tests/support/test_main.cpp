// Every test executable runs inside a QApplication (offscreen, on a 1024x768 screen), so that
// serial ports, windows and event pumping behave as in the programs.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", Q4410_TEST_PLATFORM, 0);
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
