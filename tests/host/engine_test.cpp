// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game engine and the computer players, driven through the host as the
// network would drive them: recorded connections, hand-ticked clocks and a
// seeded generator.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine.h"
#include "hostharness.h"
#include "manualtimer.h"
#include "messages.h"
#include "playertable.h"
#include "random.h"
#include "tserver.h"

namespace kuvo {
namespace {

Board filledWith(int value) {
  Board board;
  for (auto& column : board) column.fill(value);
  return board;
}

// Two people at the table and a game of `rounds` rounds running.
class TwoPlayers : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(h.join("Ann"), 1);
    ASSERT_EQ(h.join("Bob"), 2);
  }
  void start(int rounds = 3, int seconds = 0) {
    h.say(1, "CMD_startgame+Ann+" + std::to_string(rounds) + "+" + std::to_string(seconds) + "+");
  }
  // Slot 1 holds a fresh pull of `value` in every column, none with a bonus.
  void holdDice(int value, int pulls = 10) {
    auto& p = h.player(1);
    p.dice.fill(value);
    p.bonus.fill(0);
    p.pullsleft = pulls;
  }
  void choose(int column, int row) {
    h.say(1, "CMD_choosedice+1+" + std::to_string(column) + "+" + std::to_string(row) + "+");
  }
  Harness h;
};

struct ScoringCase {
  const char* what;
  std::vector<std::pair<int, int>> filled;  // cells already taken
  int column, row, bonus;
  int points, pullsAfter;
  int corner00, corner04;  // (0,0) and (0,4) afterwards
};

void PrintTo(const ScoringCase& c, std::ostream* os) {
  *os << c.what;
}

// Column 2, row 2 and both diagonals, all taken but the centre cell.
const std::vector<std::pair<int, int>> kAllLinesButTheCentre = {
    {2, 0}, {2, 1}, {2, 3}, {2, 4}, {0, 2}, {1, 2}, {3, 2}, {4, 2},
    {0, 0}, {1, 1}, {3, 3}, {4, 4}, {0, 4}, {1, 3}, {3, 1}, {4, 0}};

class Scoring : public TwoPlayers, public ::testing::WithParamInterface<ScoringCase> {};

TEST_P(Scoring, ChoiceEarnsItsPoints) {
  const auto& c = GetParam();
  start();
  auto& p = h.player(1);
  p.playerboard = filledWith(3);
  for (auto [col, row] : c.filled) p.playerboard[col][row] = 0;
  holdDice(3);
  p.bonus[c.column] = c.bonus;
  const int before = p.score;
  h.inbox(2).clear();

  choose(c.column, c.row);

  const int total = before + c.points;
  EXPECT_EQ(h.inbox(1).back() + kTerminator,
            build(ToClient::ChooseDiceOwn,
                  {1, total, c.points, c.column, c.row, c.pullsAfter, c.bonus, ""}));
  ASSERT_EQ(h.inbox(2).size(), 1u);
  EXPECT_EQ(h.inbox(2)[0] + kTerminator,
            build(ToClient::HisScores, {1, total, c.points, c.pullsAfter, ""}));
  EXPECT_EQ(p.playerboard[0][0], c.corner00);
  EXPECT_EQ(p.playerboard[0][4], c.corner04);
  EXPECT_EQ(p.roundscore, c.points);
  EXPECT_EQ(p.dice, (std::array<int, 5>{-1, -1, -1, -1, -1}));
  EXPECT_EQ(p.bonus, (std::array<int, 5>{0, 0, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Scoring,
    ::testing::Values(
        ScoringCase{"plain", {}, 1, 4, 0, 0, 10, 3, 3},
        ScoringCase{"bonus100", {}, 1, 4, 7, 100, 10, 3, 3},
        ScoringCase{"bonus200", {}, 1, 4, 8, 200, 10, 3, 3},
        ScoringCase{"extraPull", {}, 1, 4, 9, 0, 11, 3, 3},
        ScoringCase{"column", {{1, 0}, {1, 1}, {1, 2}, {1, 3}}, 1, 4, 0, 500, 10, 3, 3},
        ScoringCase{"row", {{0, 1}, {1, 1}, {2, 1}, {3, 1}}, 4, 1, 0, 500, 10, 3, 3},
        ScoringCase{"mainDiagonal", {{0, 0}, {2, 2}, {3, 3}, {4, 4}}, 1, 1, 0, 500, 10, -1, 3},
        ScoringCase{"otherDiagonal", {{0, 4}, {2, 2}, {3, 1}, {4, 0}}, 1, 3, 0, 500, 10, 3, -1},
        ScoringCase{"columnAndRowWithBonus",
                    {{1, 0}, {1, 1}, {1, 2}, {1, 3}, {0, 4}, {2, 4}, {3, 4}, {4, 4}},
                    1,
                    4,
                    8,
                    1200,
                    10,
                    3,
                    0},
        ScoringCase{"centreCompletesAllFour", kAllLinesButTheCentre, 2, 2, 0, 2000, 10, -1, -1},
        ScoringCase{"centreWithBonus", kAllLinesButTheCentre, 2, 2, 7, 2100, 10, -1, -1}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(TwoPlayers, ClearingTheBoardAddsThousandAndHundredPerPull) {
  start();
  auto& p = h.player(1);
  p.playerboard = filledWith(0);
  p.playerboard[4][1] = 5;
  holdDice(5, 3);
  h.inbox(1).clear();
  h.inbox(2).clear();

  choose(4, 1);  // completes column 4 and row 1 as well

  ASSERT_EQ(h.inbox(1).size(), 2u);
  // The chooser sees the total before the clearing bonus, which "filled" brings.
  EXPECT_EQ(h.inbox(1)[0], "CMD_choosedice+1+1000+1000+4+1+3+0+");
  EXPECT_EQ(h.inbox(1)[1], "CMD_filled+1+1300+");
  ASSERT_EQ(h.inbox(2).size(), 1u);
  EXPECT_EQ(h.inbox(2)[0], "CMD_hisscores+1+2300+2300+-1+");
  EXPECT_EQ(p.pullsleft, -1);
  EXPECT_EQ(p.score, 2300);
}

TEST_F(TwoPlayers, ExtraPullWonOnTheLastPullGivesAnotherPull) {
  start();
  auto& p = h.player(1);
  holdDice(p.playerboard[0][0], 0);
  p.bonus[0] = kBonusCodeExtraPull;
  choose(0, 0);
  EXPECT_EQ(splitMessage(h.inbox(1).back()).name, "CMD_choosedice");
  EXPECT_EQ(p.pullsleft, 1);

  h.say(1, "CMD_pullhandle+1+");
  EXPECT_EQ(splitMessage(h.inbox(1).back()).name, "CMD_yourdice");
  EXPECT_EQ(h.inbox(1).back().rfind("CMD_yourdice+1+0+", 0), 0u);
}

TEST_F(TwoPlayers, LastChoiceFinishesTheSlot) {
  start();
  auto& p = h.player(1);
  holdDice(p.playerboard[2][3], 0);
  choose(2, 3);
  EXPECT_EQ(p.pullsleft, -1);
  // Slot 2 still plays, so the round goes on.
  EXPECT_EQ(h.host().timer1mode, kTimer1ModeComputers);
}

TEST_F(TwoPlayers, DeadLastPullEndsTheSlotAndTellsTheOthers) {
  start();
  h.host().masterboard = filledWith(3);  // every die shows 3
  auto& p = h.player(1);
  p.playerboard = filledWith(5);
  p.pullsleft = 1;
  p.score = 400;
  h.inbox(2).clear();

  h.say(1, "CMD_pullhandle+1+");

  EXPECT_EQ(h.inbox(1).back(),
            "CMD_yourdice+1+0+0+3+" + std::to_string(p.bonus[0]) + "+1+3+" +
                std::to_string(p.bonus[1]) + "+2+3+" + std::to_string(p.bonus[2]) + "+3+3+" +
                std::to_string(p.bonus[3]) + "+4+3+" + std::to_string(p.bonus[4]));
  ASSERT_EQ(h.inbox(2).size(), 1u);
  EXPECT_EQ(h.inbox(2)[0], "CMD_hisscores+1+400+0+-1+");
  EXPECT_EQ(p.pullsleft, -1);
}

TEST_F(TwoPlayers, EveryDieShowsANumberOfItsColumn) {
  start();
  auto& master = h.host().masterboard;
  master = filledWith(6);
  master[1] = {2, 2, 2, 2, 2};
  master[3] = {1, 4, 1, 4, 1};
  for (int pull = 0; pull < 15; ++pull) {
    h.say(1, "CMD_pullhandle+1+");
    const auto& dice = h.player(1).dice;
    EXPECT_EQ(dice[0], 6);
    EXPECT_EQ(dice[1], 2);
    EXPECT_TRUE(dice[3] == 1 || dice[3] == 4) << dice[3];
    for (int b : h.player(1).bonus) EXPECT_TRUE(b == 0 || b == 7 || b == 8 || b == 9) << b;
  }
}

TEST_F(TwoPlayers, RoundEndsWhenNobodyCanGo) {
  start();
  h.player(2).pullsleft = -1;
  auto& p = h.player(1);
  holdDice(p.playerboard[0][0], 0);
  choose(0, 0);
  const auto& last = h.inbox(2).back();
  EXPECT_EQ(splitMessage(last).name, "CMD_endround");
  EXPECT_EQ(h.host().timer1mode, kTimer1ModeNextRound);
  EXPECT_EQ(h.host().timer1count, 3);
}

TEST_F(TwoPlayers, PauseBetweenRoundsIsFourGameTimerTicks) {
  start();
  const int startsBefore = h.timer1.starts();
  h.engine().endround();
  EXPECT_EQ(h.timer1.starts(), startsBefore + 1);  // the pause gets a full first interval
  h.inbox(1).clear();
  h.tick1(3);
  EXPECT_TRUE(h.inbox(1).empty());
  h.tick1();
  ASSERT_EQ(h.inbox(1).size(), 2u);
  EXPECT_EQ(splitMessage(h.inbox(1)[0]).name, "CMD_loadboard");
  EXPECT_EQ(h.inbox(1)[1], "CMD_startround+2+1+20+2+20+3+-1+4+-1+5+-1+6+-1");
}

TEST_F(TwoPlayers, TiesAfterTheLastRoundArePlayedOff) {
  start(1);
  h.player(1).score = 700;
  h.player(2).score = 700;
  h.engine().endround();
  h.tick1(4);
  EXPECT_TRUE(named(h.inbox(1), "CMD_winner").empty());
  EXPECT_EQ(h.inbox(1).back().rfind("CMD_startround+2+", 0), 0u);

  // Still level: a third round.
  h.engine().endround();
  h.tick1(4);
  EXPECT_EQ(h.inbox(1).back().rfind("CMD_startround+3+", 0), 0u);

  h.player(2).score = 900;
  h.engine().endround();
  h.tick1(4);
  EXPECT_EQ(h.inbox(1).back(), "CMD_winner+2+");
  EXPECT_EQ(h.inbox(2).back(), "CMD_winner+2+");
  EXPECT_FALSE(h.host().gameon);
  EXPECT_FALSE(h.timer1.isActive());
}

TEST_F(TwoPlayers, NobodyScoringMeansExtraRoundsToo) {
  start(1);
  h.engine().endround();
  h.tick1(4);
  EXPECT_TRUE(h.host().gameon);
  EXPECT_EQ(h.host().roundnumber, 2);
}

// Ann (1), Bob (2), Cy (3) and a watcher (7) at a game of one round; each
// case sets the totals and who is still there when the round ends.
struct RaceCase {
  const char* what;
  std::function<void(Harness&)> arrange;
  int winner;  // 0: the lead is tied and another round follows
};

void PrintTo(const RaceCase& c, std::ostream* os) {
  *os << c.what;
}

class OnlyHeldSeatsWin : public ::testing::TestWithParam<RaceCase> {};

void quits(Harness& h, int slot) {
  h.say(slot, "CMD_leaving+" + std::to_string(slot) + "+");
}

TEST_P(OnlyHeldSeatsWin, AfterTheLastRound) {
  Harness h;
  for (const char* name : {"Ann", "Bob", "Cy", "Dee", "Eve", "Fay", "Gus"}) h.join(name);
  for (int slot = 4; slot <= 6; ++slot) quits(h, slot);
  h.say(1, "CMD_startgame+Ann+1+0+");
  GetParam().arrange(h);
  h.engine().endround();
  h.tick1(4);
  const auto winners = named(h.inbox(7), "CMD_winner");
  if (GetParam().winner == 0) {
    EXPECT_TRUE(winners.empty());
    EXPECT_EQ(h.host().roundnumber, 2);
  } else {
    EXPECT_EQ(winners,
              std::vector<std::string>{"CMD_winner+" + std::to_string(GetParam().winner) + "+"});
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, OnlyHeldSeatsWin,
                         ::testing::Values(RaceCase{"seatNobodyHeld",
                                                    [](Harness& h) {
                                                      h.player(1).score = 300;
                                                      h.player(5).score = 900;
                                                    },
                                                    1},
                                           RaceCase{"leaderLeftOnPurpose",
                                                    [](Harness& h) {
                                                      h.player(1).score = 300;
                                                      h.player(3).score = 900;
                                                      quits(h, 3);
                                                      EXPECT_EQ(h.player(3).score, 0);
                                                    },
                                                    1},
                                           RaceCase{"leaderRemoved",
                                                    [](Harness& h) {
                                                      h.player(1).score = 300;
                                                      h.player(3).score = 900;
                                                      h.say(1, "CMD_kickhim+1+3+");
                                                    },
                                                    1},
                                           RaceCase{"keptSeatStillRaces",
                                                    [](Harness& h) {
                                                      h.player(3).score = 900;
                                                      h.leave(3);
                                                    },
                                                    3},
                                           RaceCase{"tieEndsWhenOneOfItLeaves",
                                                    [](Harness& h) {
                                                      h.player(1).score = 700;
                                                      h.player(2).score = 100;
                                                      h.player(3).score = 700;
                                                      quits(h, 3);
                                                    },
                                                    1},
                                           RaceCase{"computerKeepsSlotTwosTotal",
                                                    [](Harness& h) {
                                                      h.player(1).score = 300;
                                                      h.player(2).score = 900;
                                                      quits(h, 2);
                                                    },
                                                    2},
                                           RaceCase{"everyPlayerLeft",
                                                    [](Harness& h) {
                                                      for (int slot = 1; slot <= 3; ++slot)
                                                        quits(h, slot);
                                                    },
                                                    2}),
                         [](const auto& info) { return std::string(info.param.what); });

TEST_F(TwoPlayers, TimedRoundIsCutFiveTicksAfterTheLimit) {
  start(3, 3);
  EXPECT_EQ(h.host().turncount, 7);
  h.tickClock(7);
  EXPECT_TRUE(named(h.inbox(1), "CMD_outtime").empty());
  h.tickClock();
  const auto& inbox = h.inbox(2);
  ASSERT_GE(inbox.size(), 2u);
  EXPECT_EQ(inbox[inbox.size() - 2], "CMD_outtime+");
  EXPECT_EQ(splitMessage(inbox.back()).name, "CMD_endround");
  EXPECT_FALSE(h.turntimer.isActive());
  EXPECT_EQ(h.host().timer1mode, kTimer1ModeNextRound);
}

TEST_F(TwoPlayers, NewGameStopsTheOldRoundClock) {
  start(3, 30);
  EXPECT_TRUE(h.turntimer.isActive());
  start(3, 0);
  EXPECT_FALSE(h.turntimer.isActive());
  // Even a stray tick forwarded by the owner cannot cut the new round.
  for (int i = 0; i < 100; ++i) h.server.turntimerTimer();
  EXPECT_TRUE(named(h.inbox(1), "CMD_outtime").empty());
  EXPECT_EQ(h.host().timer1mode, kTimer1ModeComputers);
}

struct RefusedCase {
  const char* what;
  std::function<void(Harness&)> prepare;  // leaves slot 1 about to choose (0,0)
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
  *os << c.what;
}

class RefusedChoice : public TwoPlayers, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedChoice, ChangesNothingAndAnswersNothing) {
  start();
  GetParam().prepare(h);
  const auto board = h.player(1).playerboard;
  const int score = h.player(1).score;
  const auto sent = h.wire.size();
  h.say(1, "CMD_choosedice+1+0+0+");
  EXPECT_EQ(h.wire.size(), sent);
  EXPECT_EQ(h.player(1).playerboard, board);
  EXPECT_EQ(h.player(1).score, score);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RefusedChoice,
    ::testing::Values(RefusedCase{"spentDieOnScoredCorner",
                                  [](Harness& h) {
                                    auto& p = h.player(1);
                                    p.playerboard[0][0] = kScoredDiagonalMark;
                                    p.dice.fill(kSpentDie);
                                    p.pullsleft = 5;
                                  }},
                      RefusedCase{"diceLeftFromTheCutRound",
                                  [](Harness& h) {
                                    auto& p = h.player(1);
                                    p.pullsleft = 5;
                                    p.dice.fill(p.playerboard[0][0]);  // unplaced when time ran out
                                    h.engine().endround();
                                    h.tick1(4);  // next round
                                    p.playerboard[0][0] = 4;
                                    ASSERT_EQ(h.host().roundnumber, 2);
                                    // the stale value happens to equal the new cell
                                    EXPECT_EQ(p.dice[0], kSpentDie);
                                  }},
                      RefusedCase{"duringThePause",
                                  [](Harness& h) {
                                    h.engine().endround();
                                    auto& p = h.player(1);
                                    p.dice.fill(p.playerboard[0][0]);
                                    p.pullsleft = 5;
                                  }},
                      RefusedCase{"dieDoesNotMatch",
                                  [](Harness& h) {
                                    auto& p = h.player(1);
                                    p.playerboard[0][0] = 2;
                                    p.dice.fill(3);
                                    p.pullsleft = 5;
                                  }},
                      RefusedCase{"slotOutOfTheRound",
                                  [](Harness& h) {
                                    auto& p = h.player(1);
                                    p.dice.fill(p.playerboard[0][0]);
                                    p.pullsleft = -1;
                                  }},
                      RefusedCase{"gameOver",
                                  [](Harness& h) {
                                    auto& p = h.player(1);
                                    p.dice.fill(p.playerboard[0][0]);
                                    p.pullsleft = 5;
                                    h.host().gameon = false;
                                  }}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(TwoPlayers, SpentDiceNeverCountAsAMove) {
  start();
  auto& p = h.player(1);
  p.playerboard[0][0] = kScoredDiagonalMark;
  p.dice.fill(kSpentDie);
  p.pullsleft = 0;
  EXPECT_FALSE(h.engine().movesleft(1));
  p.pullsleft = 1;
  EXPECT_TRUE(h.engine().movesleft(1));
}

TEST_F(TwoPlayers, OutOfRangeRequestsAreDropped) {
  start();
  const auto sent = h.wire.size();
  auto& engine = h.engine();
  for (int bad : {-1, 0, 7, 9, 11, 12, 1000}) {
    engine.pullhandle(bad);
    engine.choosedice(bad, 0, 0);
    engine.computerplace(bad);
    engine.computerroll(bad);
    EXPECT_FALSE(engine.movesleft(bad));
  }
  for (int bad : {-1, 5, 100}) {
    engine.choosedice(1, bad, 0);
    engine.choosedice(1, 0, bad);
  }
  EXPECT_EQ(h.wire.size(), sent);
}

TEST_F(TwoPlayers, PullsOutsideARunningRoundAreDropped) {
  start(1);
  h.engine().endround();
  const int pulls = h.player(1).pullsleft;
  h.say(1, "CMD_pullhandle+1+");
  EXPECT_EQ(h.player(1).pullsleft, pulls);

  h.player(1).score = 10;
  h.tick1(4);  // game decided
  ASSERT_FALSE(h.host().gameon);
  h.player(1).pullsleft = 1;
  const auto sent = h.wire.size();
  h.say(1, "CMD_pullhandle+1+");
  EXPECT_EQ(h.wire.size(), sent);
}

TEST_F(TwoPlayers, BadNumbersInTheStartRequestFallBack) {
  h.say(1, "CMD_startgame+Ann+many+long+");
  EXPECT_EQ(named(h.inbox(2), "CMD_startgame").at(0), "CMD_startgame+Ann+5+0+");
  EXPECT_EQ(h.host().roundspergame, 5);
  EXPECT_EQ(h.host().roundtime, 0);
}

TEST_F(TwoPlayers, HugeRoundTimeDoesNotOverflowTheClock) {
  // The host would cut this to the dialog's range; the engine must cope anyway.
  h.server.engine().startgame("Ann+3+2147483647+");
  EXPECT_EQ(h.host().turncount, 2147483647);
}

// Slot 2 is left to the computer in these.
class Solo : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(h.join("You"), 1);
    h.say(1, "CMD_startgame+You+2+0+");
  }
  Harness h;
};

TEST_F(Solo, ComputerPullsOnTheSecondTickAndPlacesAtOnce) {
  EXPECT_EQ(h.player(2).pullsleft, 20);
  // Each pull of the bot reaches slot 1 as one "hisscores" (its choice or
  // its miss), within the same tick; then it rests one tick.
  const std::array<std::size_t, 6> afterTick = {0, 1, 1, 2, 2, 3};
  for (std::size_t tick = 0; tick < afterTick.size(); ++tick) {
    h.tick1();
    const auto told = named(h.inbox(1), "CMD_hisscores");
    ASSERT_EQ(told.size(), afterTick[tick]) << "tick " << tick + 1;
    if (!told.empty()) {
      EXPECT_EQ(told.back().rfind("CMD_hisscores+2+", 0), 0u);
    }
  }
  EXPECT_TRUE(h.player(2).mayroll);
  EXPECT_TRUE(named(h.inbox(1), "CMD_yourdice").empty());  // nobody pulled for slot 1
}

TEST_F(Solo, ComputerTakesAFittingBonusDieFirst) {
  auto& bot = h.player(2);
  bot.playerboard = filledWith(1);
  bot.playerboard[3] = {6, 6, 4, 4, 6};
  bot.dice = {1, 1, 1, 4, 1};
  bot.bonus = {0, 0, 0, 8, 0};
  bot.pullsleft = 10;
  h.engine().computerplace(2);
  EXPECT_EQ(bot.playerboard[3][2], 0);
  EXPECT_EQ(bot.playerboard[3][3], 4);
  EXPECT_EQ(bot.score, 200);
}

TEST_F(Solo, ComputerSkipsABonusDieThatDoesNotFit) {
  auto& bot = h.player(2);
  bot.playerboard = filledWith(1);
  bot.dice = {1, 1, 1, 4, 1};
  bot.bonus = {0, 0, 0, 9, 0};
  bot.pullsleft = 10;
  Random probe = h.random;
  int column = (probe.random(5) + 1) % 5;
  if (column == 3) column = 4;  // the 4 fits nowhere in its column
  h.engine().computerplace(2);
  EXPECT_EQ(bot.playerboard[column][0], 0);
  EXPECT_EQ(bot.pullsleft, 10);
}

TEST_F(Solo, ComputerTriesColumnsFromARandomStartAndWraps) {
  auto& bot = h.player(2);
  Random probe = h.random;
  const int start = probe.random(5);
  bot.playerboard = filledWith(2);
  bot.dice.fill(2);
  bot.bonus.fill(0);
  bot.pullsleft = 10;
  // Nothing fits the first column tried, so the one after it is taken;
  // the start column itself, tried last, must not be.
  bot.playerboard[(start + 1) % 5] = {5, 5, 5, 5, 5};
  bot.playerboard[(start + 2) % 5][0] = 0;
  h.engine().computerplace(2);
  EXPECT_EQ(bot.playerboard[(start + 2) % 5][1], 0);
  EXPECT_EQ(bot.playerboard[start][0], 2);
}

TEST_F(Solo, ComputerWithoutAFitReportsAndTriesAgainLater) {
  auto& bot = h.player(2);
  bot.playerboard = filledWith(5);
  bot.dice.fill(2);
  bot.pullsleft = 10;
  bot.score = 300;
  bot.mayroll = false;
  h.inbox(1).clear();
  h.engine().computerplace(2);
  ASSERT_EQ(h.inbox(1).size(), 1u);
  EXPECT_EQ(h.inbox(1)[0], "CMD_hisscores+2+300+0+10+");
  EXPECT_TRUE(bot.mayroll);
}

TEST_F(Solo, JustWatchingPlayerIsPlayedUntilHeTakesOver) {
  auto& me = h.player(1);
  h.say(1, "CMD_justwatch+1+1");
  ASSERT_TRUE(me.watching);
  ASSERT_EQ(me.pullsleft, kPullsPerRound);
  h.tick1(2);
  EXPECT_LT(me.pullsleft, kPullsPerRound);  // the computer pulled for the watcher
  EXPECT_FALSE(named(h.inbox(1), "CMD_yourdice").empty());
  EXPECT_FALSE(named(h.inbox(1), "CMD_choosedice").empty());

  h.say(1, "CMD_justwatch+1+2");
  const int pulls = me.pullsleft;
  const auto dice = named(h.inbox(1), "CMD_yourdice").size();
  h.tick1(10);
  EXPECT_EQ(me.pullsleft, pulls);
  EXPECT_EQ(named(h.inbox(1), "CMD_yourdice").size(), dice);
  EXPECT_LT(h.player(2).pullsleft, 18);  // the bot went on
}

TEST_F(Solo, TwoComputerSlotsPullInTheSameTick) {
  h.say(1, "CMD_justwatch+1+1");
  h.tick1(2);
  EXPECT_EQ(named(h.inbox(1), "CMD_yourdice").size(), 1u);
  EXPECT_EQ(named(h.inbox(1), "CMD_hisscores").size(), 1u);  // slot 2's choice or miss
}

TEST_F(Solo, SecondHumanTakesTheBotsSlotAndLeavingHandsItBack) {
  h.player(2).score = 400;  // the computer's total so far
  ASSERT_EQ(h.join("Bob"), 2);
  auto& slot2 = h.player(2);
  EXPECT_EQ(slot2.score, 400);
  const int pulls = slot2.pullsleft;
  h.tick1(6);
  EXPECT_EQ(slot2.pullsleft, pulls);  // a human holds it now

  h.say(2, "CMD_pullhandle+2+");
  EXPECT_EQ(slot2.pullsleft, pulls - 1);
  quits(h, 2);
  EXPECT_EQ(slot2.pullsleft, pulls - 1);  // slot 2 keeps its pulls and total
  EXPECT_EQ(slot2.score, 400);
  const auto board = slot2.playerboard;
  h.inbox(1).clear();
  h.tick1(2);
  EXPECT_FALSE(named(h.inbox(1), "CMD_hisscores").empty());
  EXPECT_NE(slot2.playerboard, board);
}

// Whole solo games, one after the other, at one table.
std::vector<std::string> playSolo(std::uint64_t seed, int rounds, int seconds, int games = 1) {
  Harness h(seed);
  h.join("You");
  for (int game = 0; game < games; ++game) {
    h.say(1, "CMD_startgame+You+" + std::to_string(rounds) + "+" + std::to_string(seconds) + "+");
    playToTheEnd(h);
  }
  return h.wire;
}

TEST(WholeGame, SeededSessionOfTwoGamesReplaysByteForByte) {
  const auto first = playSolo(2024, 3, 0, 2);
  const auto second = playSolo(2024, 3, 0, 2);
  EXPECT_EQ(first, second);
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.back().rfind("1>CMD_winner+", 0), 0u);
  EXPECT_NE(playSolo(2025, 3, 0, 2), first);

  int rounds = 0;
  int winners = 0;
  for (const auto& m : first) {
    rounds += m.rfind("1>CMD_startround+", 0) == 0;
    winners += m.rfind("1>CMD_winner+", 0) == 0;
  }
  EXPECT_GE(rounds, 6);
  EXPECT_EQ(winners, 2);
}

TEST(WholeGame, TimedSoloGameReplaysAndEnds) {
  const auto first = playSolo(99, 2, 20);
  EXPECT_EQ(first, playSolo(99, 2, 20));
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(first.back().rfind("1>CMD_winner+", 0), 0u);
}

Board firstBoardOf(Harness& h) {
  h.join("You");
  h.say(1, "CMD_startgame+You+3+0+");
  return h.host().masterboard;
}

// Nothing about a table's boards may follow from when it was opened: two
// tables started at the same moment with the generator of a normal run.
TEST(Seeding, TablesStartedTogetherDrawDifferentBoards) {
  Harness first(Random::fromSystem());
  Harness second(Random::fromSystem());
  EXPECT_NE(firstBoardOf(first), firstBoardOf(second));
}

// However the last game went, the next one starts from a seed of its own:
// many draws or few before it, its first board is the same.
TEST(Seeding, EachGameStartsFromItsOwnSeed) {
  Harness played(5), restarted(5);
  const Board board = firstBoardOf(played);
  playToTheEnd(played);
  EXPECT_EQ(firstBoardOf(restarted), board);
  played.say(1, "CMD_startgame+You+3+0+");
  restarted.say(1, "CMD_startgame+You+3+0+");
  EXPECT_EQ(played.host().masterboard, restarted.host().masterboard);
  EXPECT_NE(played.host().masterboard, board);
}

}  // namespace
}  // namespace kuvo
