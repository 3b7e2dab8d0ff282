// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCoreApplication>
#include <QFile>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include "singleinstance.h"
#include "waituntil.h"

namespace kuvo {
namespace {

TEST(SingleInstanceGuard, ASecondStartKnocksAndStepsAside) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  SingleInstanceGuard first(QStringLiteral("qelvo9"), folder.path());
  ASSERT_FALSE(first.anotherInstanceRuns());
  int knocks = 0;
  first.listen([&] { ++knocks; });

  SingleInstanceGuard second(QStringLiteral("qelvo9"), folder.path());
  EXPECT_TRUE(second.anotherInstanceRuns());
  waitUntil([&] { return knocks > 0; });
  EXPECT_EQ(knocks, 1);

  // Another token is another program.
  SingleInstanceGuard other(QStringLiteral("other"), folder.path());
  EXPECT_FALSE(other.anotherInstanceRuns());
}

TEST(SingleInstanceGuard, AStaleLockOfADeadProcessIsTakenOver) {
  QTemporaryDir folder;
  // A lock file left by a process that no longer exists.
  QFile stale(folder.filePath(QStringLiteral("qelvo9.lock")));
  ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
  stale.write("999999\nkuvo\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  stale.close();
  SingleInstanceGuard guard(QStringLiteral("qelvo9"), folder.path());
  EXPECT_FALSE(guard.anotherInstanceRuns());
}

}  // namespace
}  // namespace kuvo
