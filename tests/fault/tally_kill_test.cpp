// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The tally file under a save that is killed at any moment: afterwards it is
// always one whole table, the old or the new, and no litter piles up beside it.
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <random>

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/types.h>

#include "faulttables.h"
#include "tallyfile.h"

namespace kuvo {
namespace {

TEST(TallyFault, SaveKilledAtRandomLeavesAWholeTable) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath(QStringLiteral("Kuvotally.tld"));
  const TallyStore stores[2] = {testing::faultTable(0), testing::faultTable(1)};
  const QByteArray tables[2] = {stores[0].toText(), stores[1].toText()};
  // The kills must land anywhere in the saver's first few saves, however long a save
  // takes on this machine and under its present load.
  QElapsedTimer saveClock;
  saveClock.start();
  ASSERT_EQ(saveTallyFile(path, stores[1]), QString());
  ASSERT_EQ(saveTallyFile(path, stores[0]), QString());
  const int saveMs = static_cast<int>(saveClock.elapsed() / 2);

  std::mt19937 chance(20240601);
  std::uniform_int_distribution<int> delayMs(0, std::max(40, 3 * saveMs));
  constexpr int kKills = 200;
  int kills = 0, torn = 0, unreadable = 0, seen[2] = {0, 0};
  QElapsedTimer clock;
  clock.start();
  for (; kills < kKills && clock.elapsed() < 90000; ++kills) {
    QProcess saver;
    saver.start(QStringLiteral(KUVO_TALLY_SAVER), {path});
    ASSERT_TRUE(saver.waitForStarted(5000));
    // Kill only once it is saving, at a random point of its saves.
    ASSERT_TRUE(saver.waitForReadyRead(10000));
    QThread::msleep(static_cast<unsigned long>(delayMs(chance)));
    ::kill(static_cast<pid_t>(saver.processId()), SIGKILL);
    ASSERT_TRUE(saver.waitForFinished(5000));

    const TallyLoadResult loaded = loadTallyFile(path);
    if (!loaded.found || !loaded.error.isEmpty()) {
      ++unreadable;
      continue;
    }
    const QByteArray text = loaded.store.toText();
    if (text == tables[0]) {
      ++seen[0];
    } else if (text == tables[1]) {
      ++seen[1];
    } else {
      ++torn;
    }
  }
  // Whatever a killed save left behind besides the file itself.
  const QStringList litter = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
  std::printf(
      "[fault] %d kills in %lld ms (a save takes %d ms): %d old/new tables (%d + %d), %d torn, %d "
      "unreadable; "
      "%lld files in the folder\n",
      kills, static_cast<long long>(clock.elapsed()), saveMs, seen[0] + seen[1], seen[0], seen[1],
      torn, unreadable, static_cast<long long>(litter.size()));
  EXPECT_GE(kills, kKills / 4);  // a slow machine may run out of time first
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(unreadable, 0);
  // A save killed mid-write may leave its unfinished temporary file beside the
  // tally; it never takes the tally's name.
  EXPECT_TRUE(litter.contains(QStringLiteral("Kuvotally.tld")));
  for (const QString& name : litter) {
    EXPECT_TRUE(name == QLatin1String("Kuvotally.tld") || name.startsWith("Kuvotally.tld."))
        << name.toStdString();
  }
  // Both tables were caught on disk: the kills did land in the middle of saving.
  EXPECT_GT(seen[0], 0);
  EXPECT_GT(seen[1], 0);
}

}  // namespace
}  // namespace kuvo
