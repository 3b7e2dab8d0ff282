// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A whole solo game against the computer, played with the mouse: the start
// button, the game start dialog, the pull ball and clicks on matching cells,
// until the winner banner shows.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTest>

#include <chrono>

#include <gtest/gtest.h>

#include "fakeprompts.h"
#include "gametable.h"
#include "tchat.h"
#include "tcphost.h"
#include "tgamestart.h"
#include "waituntil.h"

namespace kuvo {
namespace {

using namespace std::chrono_literals;

TEST(SoloGame, IsPlayedFromTheStartButtonToTheWinnerBanner) {
  Random random(77);
  // The host's clocks run fast so the game takes a second or two, not minutes.
  TcpHost host(random, {1ms, 10ms, 10ms});
  testing::FakePrompts prompts;
  Tchat chat(random, {});
  chat.setPrompts(prompts);
  chat.setPorts(0, 1);
  Tgamestart gamestart(&chat);
  chat.attachWindows({nullptr, nullptr, &gamestart, nullptr, nullptr, &host, nullptr, nullptr});
  chat.show();

  waitUntil([&] { return chat.state().mynumber == 1; }, 5000);
  ASSERT_EQ(chat.state().mynumber, 1);

  GameTable& table = chat.table();
  ASSERT_TRUE(table.startButton()->isVisible());
  QTest::mouseClick(table.startButton(), Qt::LeftButton);
  ASSERT_TRUE(gamestart.isVisible());
  gamestart.setRoundsPosition(2);
  auto* start = gamestart.findChild<QAbstractButton*>(QStringLiteral("button_start"));
  ASSERT_NE(start, nullptr);
  QTest::mouseClick(start, Qt::LeftButton);
  EXPECT_FALSE(gamestart.isVisible());

  int pulls = 0, choices = 0;
  QElapsedTimer clock;
  clock.start();
  for (int turn = 0; turn < 20000 && !table.winnerVisible() && clock.elapsed() < 60000; ++turn) {
    QTest::qWait(4);
    if (!chat.queueEmpty()) continue;
    const TableState& state = table.state();
    if (table.mustchoose()) {
      for (int c = 0; c < 5; ++c) {
        for (int r = 0; r < 5; ++r) {
          if (state.mydice[c] == state.boardcells[c][r]) {
            QTest::mouseClick(table.boardWidget(), Qt::LeftButton, {},
                              QPoint(c * 72 + 36, r * 72 + 36));
            ++choices;
            c = r = 5;
          }
        }
      }
      QTest::qWait(6);
    } else if (state.mypulls > 0 &&
               table.statusText() != QLatin1String("Please Wait for Next Round!")) {
      QTest::mouseClick(table.ballWidget(), Qt::LeftButton, {}, QPoint(16, 16));
      ++pulls;
      QTest::qWait(6);
    }
  }
  ASSERT_TRUE(table.winnerVisible());
  EXPECT_GT(pulls, 10);
  EXPECT_GT(choices, 5);
  const QString line = table.winnerText();
  EXPECT_TRUE(line == "You have Won the Game!" || line == "Rovi has Won the Game!")
      << line.toStdString();
  EXPECT_EQ(table.statusText(), line);
  EXPECT_EQ(table.headingText().left(7), "Round: ");
  // The host may start the next game.
  EXPECT_TRUE(table.startButton()->isVisible());
  EXPECT_TRUE(prompts.notices.isEmpty()) << prompts.notices.join('|').toStdString();
}

}  // namespace
}  // namespace kuvo
