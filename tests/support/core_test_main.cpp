// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// main() of the test programs that need an event loop but no windows.
#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // The table finder looks only at loopback in tests, whoever starts them.
  if (!qEnvironmentVariableIsSet("KUVO_DISCOVERY")) qputenv("KUVO_DISCOVERY", "127.0.0.1");
  ::testing::InitGoogleTest(&argc, argv);
  QCoreApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
