// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Mouse input on the board and the pull ball, the dice shuffle, the round
// clock, and payloads that no honest host sends.
#include <cctype>
#include <functional>

#include <QMouseEvent>
#include <QTest>

#include "table_fixture.h"

namespace kuvo::testing {
namespace {

using Input = TableTest;

void moveBall(QWidget* ball, int y) {
  // The pointer's position relative to the ball's top edge, button held.
  QMouseEvent move(QEvent::MouseMove, QPointF(16, y), ball->mapToGlobal(QPointF(16, y)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(ball, &move);
}

TEST_F(Input, ClickOnAMatchingCellSendsTheChoice) {
  services.clientState.mynumber = 3;
  table->loadboard("2+4+4");
  table->startround("1+3+20");
  table->yourdice("3+19+0+1+0+1+1+0+2+4+0+3+1+0+4+1+0");
  QTest::mouseClick(table->boardWidget(), Qt::LeftButton, {}, QPoint(150, 300));
  ASSERT_EQ(services.sent.size(), 1u);
  EXPECT_EQ(services.sent[0], std::string("CMD_choosedice+3+2+4+") + '\xFF');
  // Nothing changes until the host answers.
  EXPECT_EQ(cell(2, 4), 4);
  EXPECT_EQ(table->state().mydice[2], 4);
}

struct ClickCase {
  const char* name;
  int mynumber;
  bool loggedin;
  int mypulls;     // set by the round start
  bool rollDice;   // dice showing (4 under column 2) or not
  bool shuffling;  // a pull under way
  const char* status;
  bool invalidSound;
  bool sends;
};

class BoardClick : public TableTest, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(BoardClick, RefusesOrSendsInOrder) {
  const auto& p = GetParam();
  services.clientState.mynumber = p.mynumber;
  services.clientState.loggedin = p.loggedin;
  table->loadboard("2+4+4");
  if (p.mypulls != -99) {
    table->startround("1+" + std::to_string(p.mynumber) + "+" + std::to_string(p.mypulls));
  }
  if (p.rollDice) {
    table->yourdice(std::to_string(p.mynumber) + "+" + std::to_string(std::max(p.mypulls, 0)) +
                    "+0+1+0+1+1+0+2+4+0+3+1+0+4+1+0");
  }
  if (p.shuffling) table->image_ballMouseUp();
  services.sounds.clear();
  services.sent.clear();
  const QString before = table->statusText();
  QTest::mouseClick(table->boardWidget(), Qt::LeftButton, {}, QPoint(150, 300));
  EXPECT_EQ(table->statusText(), p.status[0] ? QString(p.status) : before) << p.name;
  EXPECT_EQ(services.sounds.contains("invalid"), p.invalidSound) << p.name;
  EXPECT_EQ(!services.sent.empty(), p.sends) << p.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoardClick,
    ::testing::Values(
        // Dice never set since start-up: -1 differs from every cell.
        ClickCase{"before the first round", 1, true, -99, false, false,
                  "That number does not match.", true, false},
        ClickCase{"while shuffling", 1, true, 20, false, true, "You must Pull first.", true, false},
        ClickCase{"after the round start", 1, true, 20, false, false, "You must Pull first.", true,
                  false},
        ClickCase{"not playing", 1, true, -1, false, false, "No Pulls", false, false},
        ClickCase{"no pulls left but dice", 1, true, 0, true, false, "", false, true},
        ClickCase{"matching", 1, true, 20, true, false, "", false, true},
        ClickCase{"not logged in", 1, false, 20, true, false, "", false, false},
        ClickCase{"spectator", 7, true, 20, true, false, "", false, false}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (auto& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return n;
    });

TEST_F(Input, ClickOnADifferentNumberOrATakenCellIsRefused) {
  loadStandardBoard();
  table->startround("1+1+20");
  table->yourdice("1+19+0+3+0+1+1+0+2+1+0+3+1+0+4+1+0");
  QTest::mouseClick(table->boardWidget(), Qt::LeftButton, {}, QPoint(10, 10));  // a 1
  EXPECT_EQ(table->statusText(), "That number does not match.");
  table->choosedice("1+100+0+0+2+19+0+");  // the 3 is taken now
  table->yourdice("1+18+0+3+0+1+1+0+2+1+0+3+1+0+4+1+0");
  services.sent.clear();
  QTest::mouseClick(table->boardWidget(), Qt::RightButton, {}, QPoint(10, 150));
  EXPECT_EQ(table->statusText(), "That number does not match.");
  EXPECT_TRUE(services.sent.empty());
}

TEST_F(Input, PressingTheBallWhileADieMatchesIsRefused) {
  loadStandardBoard();
  table->startround("1+1+20");
  table->yourdice("1+19+0+3+0+1+6+0+2+6+0+3+6+0+4+6+0");
  QWidget* ball = table->ballWidget();
  QTest::mousePress(ball, Qt::LeftButton, {}, QPoint(16, 16));
  EXPECT_EQ(services.sounds.last(), "invalid");
  EXPECT_FALSE(table->state().balldragging);
  QTest::mouseRelease(ball, Qt::LeftButton, {}, QPoint(16, 16));
  EXPECT_TRUE(services.sent.empty());
  EXPECT_EQ(table->ballTop(), 162);
  EXPECT_EQ(table->state().mydice[0], 3);
}

TEST_F(Input, APlainClickOnTheBallPulls) {
  table->startround("1+1+20");
  table->yourdice("1+19+0+6+0+1+6+0+2+6+0+3+6+0+4+6+0");  // nothing to choose on no board
  QTest::mouseClick(table->ballWidget(), Qt::LeftButton, {}, QPoint(16, 16));
  EXPECT_EQ(services.sent, std::vector<std::string>{std::string("CMD_pullhandle+1+") + '\xFF'});
  EXPECT_TRUE(timer2.isActive());
  EXPECT_EQ(table->ballTop(), 161);
  EXPECT_FALSE(table->state().balldragging);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table->state().mydice[i], 0);
  EXPECT_EQ(table->state().mypulls, 19);  // lowered only by the host's answer

  // The shuffle shows a face on every empty die.
  table->Timer2Timer();
  for (int i = 0; i < 5; ++i) {
    EXPECT_GE(table->dieIndex(i), 1);
    EXPECT_LE(table->dieIndex(i), 6);
  }
}

TEST_F(Input, TheBallIsDraggedDownOnlyAndLetsGoPastItsLimit) {
  table->startround("1+1+20");
  QWidget* ball = table->ballWidget();
  QTest::mousePress(ball, Qt::LeftButton, {}, QPoint(16, 16));
  EXPECT_TRUE(table->state().balldragging);
  EXPECT_TRUE(timer2.isActive());
  EXPECT_TRUE(services.sent.empty());  // the pull goes out on release
  moveBall(ball, 50);
  EXPECT_EQ(table->ballTop(), 212);
  moveBall(ball, -30);
  EXPECT_EQ(table->ballTop(), 212);
  moveBall(ball, 0);
  EXPECT_EQ(table->ballTop(), 212);
  moveBall(ball, 160);
  EXPECT_EQ(table->ballTop(), 372);
  EXPECT_TRUE(table->state().balldragging);
  moveBall(ball, 10);
  EXPECT_EQ(table->ballTop(), 377);  // no further than just past the limit
  EXPECT_FALSE(table->state().balldragging);
  moveBall(ball, 40);
  EXPECT_EQ(table->ballTop(), 377);
  QTest::mouseRelease(ball, Qt::LeftButton, {}, QPoint(16, 40));
  EXPECT_EQ(table->ballTop(), 161);
  EXPECT_EQ(services.sentText(), std::vector<std::string>{"CMD_pullhandle+1+"});
}

TEST_F(Input, AWildDragStaysOnTheTrack) {
  table->startround("1+1+20");
  QWidget* ball = table->ballWidget();
  QTest::mousePress(ball, Qt::LeftButton, {}, QPoint(16, 16));
  moveBall(ball, 100000);
  EXPECT_EQ(table->ballTop(), 377);
}

TEST_F(Input, NoPullWithoutPullsOrLoginOrSeat) {
  struct Case {
    int mynumber;
    bool loggedin;
    int pulls;
  };
  for (const Case c :
       {Case{1, true, 0}, Case{1, true, -1}, Case{1, false, 20}, Case{7, true, 20}}) {
    services.clientState.mynumber = c.mynumber;
    services.clientState.loggedin = c.loggedin;
    table->startround("1+" + std::to_string(c.mynumber) + "+" + std::to_string(c.pulls));
    timer2.stop();
    QTest::mouseClick(table->ballWidget(), Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_TRUE(services.sent.empty()) << c.mynumber << c.loggedin << c.pulls;
    EXPECT_FALSE(timer2.isActive());
    EXPECT_EQ(table->ballTop(), 161);
  }
}

TEST_F(Input, ShuffleLeavesDiceWithValuesAlone) {
  loadStandardBoard();
  table->startround("1+1+20");
  table->yourdice("1+19+0+6+0+1+0+0+2+6+0+3+0+0+4+6+0");
  table->Timer2Timer();
  EXPECT_EQ(table->dieIndex(0), 6);
  EXPECT_EQ(table->dieIndex(2), 6);
  EXPECT_GE(table->dieIndex(1), 1);
  EXPECT_GE(table->dieIndex(3), 1);
}

TEST_F(Input, SixtySecondClock) {
  table->startthegame("Ann+3+60+");
  table->startround("1+1+20");
  EXPECT_EQ(table->state().timerstep, 2);
  services.sounds.clear();
  QStringList tickedAt;
  for (int tick = 1; tick <= 60; ++tick) {
    const int before = services.sounds.count("tick");
    table->turntimeTimer();
    const int left = 60 - tick;
    if (services.sounds.count("tick") > before) tickedAt << QString::number(left);
    if (tick == 1) {
      EXPECT_EQ(table->timerText(), "Time: 0:59");
      EXPECT_EQ(table->timerBarWidth(), 118);
      EXPECT_EQ(table->timerColour(), QColor(Qt::black));
    }
    if (left == 20) {
      EXPECT_EQ(table->timerColour(), QColor(Qt::black));
    }
    if (left == 19) {
      EXPECT_EQ(table->timerColour(), QColor(224, 227, 157));
    }
    if (left == 5) {
      EXPECT_EQ(table->timerText(), "Time: 0:05");
    }
  }
  EXPECT_EQ(tickedAt, (QStringList{"20", "15", "10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}));
  EXPECT_EQ(table->timerText(), "Time: 0:00");
  EXPECT_EQ(table->timerBarWidth(), 0);
  // The clock keeps running at zero until the round ends.
  table->turntimeTimer();
  EXPECT_EQ(table->state().secondsleft, 0);
  EXPECT_EQ(table->timerText(), "Time: 0:00");
  EXPECT_EQ(services.sounds.count("tick"), 12);
}

TEST_F(Input, TwoHundredSecondClockHasNoBar) {
  table->startthegame("Ann+3+200+");
  table->startround("1+1+20");
  EXPECT_EQ(table->state().timerstep, 0);
  table->turntimeTimer();
  EXPECT_EQ(table->timerText(), "Time: 3:19");
  EXPECT_EQ(table->timerBarWidth(), 0);
  for (int tick = 2; tick <= 135; ++tick) table->turntimeTimer();
  EXPECT_EQ(table->timerText(), "Time: 1:05");
  EXPECT_EQ(table->timerBarWidth(), 0);
}

TEST_F(Input, TheClockTextStaysForTheFirstSecondOfARound) {
  table->startthegame("Ann+3+60+");
  table->startround("1+1+20");
  for (int tick = 0; tick < 30; ++tick) table->turntimeTimer();
  table->endround("1+100+100");
  table->startround("2+1+20");
  EXPECT_EQ(table->timerText(), "Time: 0:30");
  table->turntimeTimer();
  EXPECT_EQ(table->timerText(), "Time: 0:59");
}

// Payloads that no honest host sends: nothing may crash or index out of range,
// and out-of-range groups change nothing.
TEST_F(Input, HostilePayloadsAreIgnored) {
  loadStandardBoard();
  table->startround("1+1+20");
  const auto boardBefore = table->state().boardcells;

  table->loadboard("7+0+3+0+9+3+-1+0+3+0+-5+3+99999999999+0+3");
  EXPECT_EQ(table->state().boardcells, boardBefore);
  table->yourdice("1+19+99+3+0+-1+3+0+5+3+0");
  EXPECT_EQ(table->state().mydice, (std::array<int, 5>{0, 0, 0, 0, 0}));
  table->choosedice("1+100+0+7+0+3+0+");
  table->choosedice("1+100+0+0+-1+3+0+");
  EXPECT_EQ(table->state().boardcells, boardBefore);
  table->startround("2+99+5+0+5+-3+5");
  table->hisscores("99+100+0+3+");
  table->hisscores("0+100+0+3+");
  table->endround("99+100+5+-1+3+3");
  table->loadstats("1+3+60+30+42+100+3");
  table->winner("99+");
  table->winner("0+");
  EXPECT_FALSE(table->winnerVisible());
  table->justwatching("99+1");
  table->justwatching("-4+1");
  table->justwatching("abc+1");
  for (int s = 1; s <= 6; ++s) EXPECT_FALSE(services.seats.at(s).watching);
  EXPECT_TRUE(services.fakeTally.calls.isEmpty());
}

TEST_F(Input, GarbageNeverCrashes) {
  // Random payloads of digits, signs, pluses and letters to every handler;
  // bounded, seeded, and checked only for staying inside the board.
  Random rng(7);
  const std::string alphabet = "0123456789+-+++abc@\xFF";
  using Handler = std::function<void(GameTable&, std::string_view)>;
  const Handler handlers[] = {
      &GameTable::startthegame, &GameTable::loadboard,  &GameTable::startround,
      &GameTable::yourdice,     &GameTable::choosedice, &GameTable::hisscores,
      &GameTable::filled,       &GameTable::outtime,    &GameTable::endround,
      &GameTable::loadstats,    &GameTable::winner,     &GameTable::justwatching};
  for (int round = 0; round < 3000; ++round) {
    std::string payload;
    const int length = rng.random(40);
    for (int k = 0; k < length; ++k)
      payload += alphabet[static_cast<std::size_t>(rng.random(static_cast<int>(alphabet.size())))];
    handlers[rng.random(12)](*table, payload);
    table->turntimeTimer();
    table->Timer2Timer();
  }
  EXPECT_GE(table->timerBarWidth(), 0);
  EXPECT_LE(table->timerBarWidth(), 171);
  table->boardWidget()->grab();  // paints every cell code that arrived
}

TEST_F(Input, HugeSecondsDoNotOverflowTheClock) {
  table->loadstats("1+3+1+2147483647+1+0+3");
  EXPECT_EQ(table->state().timerstep, 171);
  EXPECT_EQ(table->timerBarWidth(), 171);
  EXPECT_EQ(table->state().secondsleft, 1);  // never more than a whole round
  table->loadstats("1+3+1+-2147483648+1+0+3");
  table->turntimeTimer();
  EXPECT_EQ(table->state().secondsleft, 0);
}

}  // namespace
}  // namespace kuvo::testing
