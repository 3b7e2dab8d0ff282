// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// main() of the test programs with windows: one QApplication for the whole
// run, created before and destroyed after every test, offscreen unless told
// otherwise, and a data and a runtime folder of its own so no test touches the
// user's files.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "datapaths.h"

int main(int argc, char** argv) {
  // The table finder looks only at loopback in tests, whoever starts them.
  if (!qEnvironmentVariableIsSet("KUVO_DISCOVERY")) qputenv("KUVO_DISCOVERY", "127.0.0.1");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  ::testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  QTemporaryDir data;
  kuvo::setDataFolderOverride(data.path());
  return RUN_ALL_TESTS();
}
