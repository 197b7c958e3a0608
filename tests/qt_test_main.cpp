// Runs the Qt binding tests in one QApplication, on the offscreen platform
// unless a display platform was chosen on purpose.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
