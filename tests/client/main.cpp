#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "datapaths.h"

// One application object for the whole test program, created before and
// destroyed after every test, so no widget outlives it.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTemporaryDir data;
  kuvo::setDataFolderOverride(data.path());
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
