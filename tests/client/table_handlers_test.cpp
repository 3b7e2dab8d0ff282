// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game table's handlers of the host's messages, fed from payloads.
#include <QPainter>

#include "table_fixture.h"

namespace kuvo::testing {
namespace {

using Handlers = TableTest;

TEST_F(Handlers, HeadingHasNoSpaceBeforeRoundsUntilTheFirstRound) {
  table->startthegame("Ann+3+60+");
  EXPECT_EQ(table->headingText(), "Round: 0 of3");
  EXPECT_EQ(table->state().roundspergame, 3);
  table->startround("1+1+20");
  EXPECT_EQ(table->headingText(), "Round: 1 of 3");
}

TEST_F(Handlers, StartRoundShowsPullsAndEmptiesNonPlayers) {
  table->startthegame("Ann+3+0+");
  table->startround("1+1+20+2+20+3+-1");
  EXPECT_EQ(services.seats.at(1).pulls, "20");
  EXPECT_EQ(services.seats.at(2).pulls, "20");
  EXPECT_EQ(services.seats.at(3).pulls, "");
  EXPECT_EQ(table->numrollsText(), "20");
  EXPECT_EQ(table->state().mypulls, 20);
  EXPECT_EQ(table->statusText(), "It's time to Kuvo!");
  EXPECT_EQ(services.sounds.last(), "turn");
  EXPECT_EQ(table->timerText(), "No Time Limit");
  EXPECT_FALSE(turntime.isActive());
  for (int i = 0; i < 5; ++i) EXPECT_EQ(table->state().mydice[i], 0);
}

TEST_F(Handlers, StartRoundPlaysTheNewTurnSoundWhenChosen) {
  services.turnNew = true;
  table->startround("1+1+20");
  EXPECT_EQ(services.sounds, QStringList{"turnnew"});
}

TEST_F(Handlers, SpectatorSeesZeroPullsAndHearsNoTurnSound) {
  services.clientState.mynumber = 7;
  table->startround("2+1+20+2+20");
  EXPECT_EQ(table->numrollsText(), "0");
  EXPECT_EQ(table->statusText(), "Welcome to Kuvo!");
  EXPECT_TRUE(services.sounds.isEmpty());
  EXPECT_EQ(services.seats.at(1).pulls, "20");
}

TEST_F(Handlers, TimedRoundStartsTheClock) {
  table->startthegame("Ann+3+60+");
  table->startround("1+1+20");
  EXPECT_TRUE(turntime.isActive());
  EXPECT_EQ(table->state().secondsleft, 60);
  EXPECT_EQ(table->state().timerstep, 2);
}

TEST_F(Handlers, DiceOfAnotherSlotAreIgnoredAndKeepShuffling) {
  table->startround("1+1+20+4+20");
  table->image_ballMouseUp();  // a pull: the dice shuffle
  ASSERT_TRUE(timer2.isActive());
  const auto before = table->state().mydice;
  // Every die of the other slot differs from every die held now.
  table->yourdice("4+19+0+3+0+1+5+0+2+1+0+3+6+0+4+2+0");
  EXPECT_TRUE(timer2.isActive());
  EXPECT_EQ(table->state().mypulls, 20);
  EXPECT_EQ(table->state().mydice, before);
  for (int i = 0; i < kTableSize; ++i) EXPECT_LT(table->state().mydice[i], 1) << i;
  EXPECT_EQ(services.seats.at(4).pulls, "20");
}

struct DiceCase {
  const char* name;
  const char* payload;
  const char* status;
};

class DiceStatus : public TableTest, public ::testing::WithParamInterface<DiceCase> {};

TEST_P(DiceStatus, StatusFollowsTheDice) {
  // Column 1 holds an open 5 at the top; every other cell is a 4 except
  // where noted, so only column 1's die 5 can match.
  for (int r = 0; r < 5; ++r) setBoardRow(r, r == 0 ? "45444" : "44444");
  table->startround("1+1+20");
  table->yourdice(GetParam().payload);
  EXPECT_EQ(table->statusText(), GetParam().status) << GetParam().name;
  EXPECT_EQ(services.sounds.last(), "dice2");
  EXPECT_FALSE(timer2.isActive());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DiceStatus,
    ::testing::Values(
        DiceCase{"match", "1+7+0+3+0+1+5+0+2+1+0+3+6+0+4+2+0", "CHOOSE A NUMBER!"},
        DiceCase{"no match", "1+7+0+3+0+1+6+0+2+1+0+3+6+0+4+2+0", "PULL AGAIN!"},
        DiceCase{"no match, no pulls", "1+0+0+3+0+1+6+0+2+1+0+3+6+0+4+2+0", "No more Pulls left!"},
        DiceCase{"match beats no pulls", "1+0+0+3+0+1+5+0+2+1+0+3+6+0+4+2+0", "CHOOSE A NUMBER!"}),
    [](const auto& info) {
      std::string n = info.param.name;
      for (auto& ch : n)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return n;
    });

TEST_F(Handlers, YourDiceShowsFacesBonusesAndPulls) {
  table->startround("1+1+20");
  table->yourdice("1+0+0+3+7+1+5+0+2+0+9+3+6+8+4+2+0");
  EXPECT_EQ(table->numrollsText(), "0");
  EXPECT_EQ(services.seats.at(1).pulls, "0");  // the own slot shows 0, not empty
  const int faces[5] = {3, 5, 0, 6, 2};
  const int bonuses[5] = {7, 0, 9, 8, 0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(table->state().mydice[i], faces[i]) << i;
    EXPECT_EQ(table->dieIndex(i), faces[i]) << i;
    EXPECT_EQ(table->bonusIndex(i), bonuses[i]) << i;
  }
}

struct ChoiceCase {
  int bonus;
  int code;
  const char* status;
  const char* sound;
};

class Choice : public TableTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(Choice, MarksTheCellAndSaysHow) {
  const auto& p = GetParam();
  loadStandardBoard();
  table->startround("1+1+20");
  table->yourdice("1+19+0+3+0+1+1+0+2+1+0+3+1+0+4+1+0");
  table->choosedice("1+800+50+0+2+1+" + std::to_string(p.bonus) + "+");
  EXPECT_EQ(cell(0, 2), p.code);
  EXPECT_EQ(table->statusText(), p.status);
  EXPECT_EQ(services.sounds.last(), p.sound);
  EXPECT_EQ(services.seats.at(1).total, "800");
  EXPECT_EQ(services.seats.at(1).current, "+50");
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(table->state().mydice[i], 0);
    EXPECT_EQ(table->dieIndex(i), 0);
    EXPECT_EQ(table->bonusIndex(i), 0);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Choice,
    ::testing::Values(ChoiceCase{0, 103, "PULL AGAIN!", "placedice"},
                      ChoiceCase{7, 123, "You received 100 bonus points!", "extra"},
                      ChoiceCase{8, 133, "You received 200 bonus points!", "extra"},
                      ChoiceCase{9, 143, "You received an Extra Pull!", "extra"}));

TEST_F(Handlers, AnExtraPullShowsAtOnceAndAllowsAPull) {
  loadStandardBoard();
  table->startround("1+1+1");
  table->yourdice("1+0+0+3+9+1+6+0+2+6+0+3+6+0+4+6+0");
  ASSERT_EQ(table->statusText(), "CHOOSE A NUMBER!");
  table->choosedice("1+500+0+0+2+1+9+");
  EXPECT_EQ(table->statusText(), "You received an Extra Pull!");
  EXPECT_EQ(table->numrollsText(), "1");
  EXPECT_EQ(services.seats.at(1).pulls, "1");
  EXPECT_EQ(services.seats.at(1).current, "");
  EXPECT_EQ(table->state().mypulls, 1);
  // The cell shows its numeral under the extra-pull mark.
  EXPECT_EQ(cellPictures(cell(0, 2)).numeral, 3);
  EXPECT_EQ(cellPictures(cell(0, 2)).overlay, BoardPictures::kBoardExtraPull);
  table->image_ballMouseDown();
  table->image_ballMouseUp();
  EXPECT_EQ(services.sentText(), std::vector<std::string>{"CMD_pullhandle+1+"});
}

TEST_F(Handlers, PlainChoiceLeavingNoPulls) {
  loadStandardBoard();
  table->startround("1+1+1");
  table->yourdice("1+0+0+3+0+1+6+0+2+6+0+3+6+0+4+6+0");
  table->choosedice("1+500+30+0+2+0+0+");
  EXPECT_EQ(table->statusText(), "No more Pulls left!");
  EXPECT_EQ(table->numrollsText(), "0");
  EXPECT_EQ(services.seats.at(1).pulls, "");
  EXPECT_EQ(services.sounds.last(), "placedice");
}

TEST_F(Handlers, ChoiceForAnotherSlotIsIgnored) {
  loadStandardBoard();
  table->choosedice("2+500+30+0+2+5+0+");
  EXPECT_EQ(cell(0, 2), 3);
  EXPECT_EQ(services.seats.at(2).total, "0");
}

TEST_F(Handlers, ARepeatedMarkDoesNotStackOnATakenCell) {
  loadStandardBoard();
  table->choosedice("1+500+30+0+2+5+0+");
  table->choosedice("1+500+30+0+2+5+9+");
  EXPECT_EQ(cell(0, 2), 103);
  EXPECT_EQ(table->statusText(), "You received an Extra Pull!");
}

TEST_F(Handlers, HisScoresShowsAnotherPlayersFigures) {
  table->hisscores("4+1500+250+3+");
  EXPECT_EQ(services.seats.at(4).total, "1500");
  EXPECT_EQ(services.seats.at(4).pulls, "3");
  EXPECT_EQ(services.seats.at(4).current, "+250");
  table->hisscores("4+1600+0+0+");
  EXPECT_EQ(services.seats.at(4).total, "1600");
  EXPECT_EQ(services.seats.at(4).pulls, "");
  EXPECT_EQ(services.seats.at(4).current, "");
}

TEST_F(Handlers, FilledCountsABlackOut) {
  table->startthegame("Ann+3+0+");
  table->startround("1+1+20");
  table->filled("1+1500+");
  EXPECT_EQ(table->statusText(), "You have filled the board!");
  EXPECT_EQ(services.fakeTally.calls, QStringList{"increase:4"});
}

TEST_F(Handlers, OutOfTimeStopsTheClockAndThePulls) {
  table->startthegame("Ann+3+60+");
  table->startround("1+1+20");
  table->outtime("");
  EXPECT_FALSE(turntime.isActive());
  EXPECT_EQ(table->state().mypulls, 0);
  EXPECT_EQ(table->numrollsText(), "20");
  EXPECT_EQ(table->statusText(), "Out of Time");
}

TEST_F(Handlers, EndRoundShowsRoundScoresButNotZero) {
  table->startthegame("Ann+3+60+");
  table->startround("1+1+20");
  services.seats.setCurrent(3, "+40");
  table->endround("1+900+0+2+1750+750");
  EXPECT_EQ(table->statusText(), "The Round is Over!");
  EXPECT_EQ(services.sounds.last(), "roundover");
  EXPECT_FALSE(turntime.isActive());
  EXPECT_EQ(services.seats.at(1).current, "");
  EXPECT_EQ(services.seats.at(2).current, "+750");
  EXPECT_EQ(services.seats.at(3).current, "");
  // The totals follow the scores the round's end reports.
  EXPECT_EQ(services.seats.at(1).total, "900");
  EXPECT_EQ(services.seats.at(2).total, "1750");
}

struct BestCase {
  const char* label;
  const char* total;
  QStringList calls;
};

class BestRound : public TableTest, public ::testing::WithParamInterface<BestCase> {};

TEST_P(BestRound, RecordsOnlyABetterTotal) {
  services.fakeTally.best = GetParam().label;
  table->startthegame("Ann+3+0+");
  table->startround("1+1+20");
  table->endround(std::string("1+") + GetParam().total + "+300");
  EXPECT_EQ(services.fakeTally.calls, GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(Table, BestRound,
                         ::testing::Values(BestCase{"1200", "1500", {"set:3:1500"}},
                                           BestCase{"2000", "1500", {}},
                                           BestCase{"1500", "1500", {}},
                                           BestCase{"abc", "1500", {}},
                                           BestCase{"1200", "lots", {}}));

TEST_F(Handlers, LoadStatsForAnUntimedGame) {
  table->loadstats("2+3+0+0+1+500+12+2+300+0");
  EXPECT_EQ(table->headingText(), "Round: 2 of 3");
  EXPECT_EQ(table->statusText(), "Please Wait for Next Round!");
  EXPECT_EQ(services.seats.at(1).total, "500");
  EXPECT_EQ(services.seats.at(1).pulls, "12");
  EXPECT_EQ(services.seats.at(2).total, "300");
  EXPECT_EQ(services.seats.at(2).pulls, "");
  EXPECT_EQ(table->state().timerstep, 0);
  EXPECT_FALSE(turntime.isActive());
}

TEST_F(Handlers, LoadStatsForATimedGameRunsTheClock) {
  table->loadstats("2+3+60+31+1+500+12");
  EXPECT_EQ(table->state().timerstep, 2);
  EXPECT_EQ(table->state().secondsleft, 31);
  EXPECT_TRUE(turntime.isActive());
  table->turntimeTimer();
  EXPECT_EQ(table->timerText(), "Time: 0:30");
}

// A latecomer's clock runs only in a timed round under way, whatever the host
// says is left; a clock still running from before stops when none runs now.
TEST_F(Handlers, LoadStatsRunsTheClockOnlyInATimedRound) {
  struct Case {
    const char* stats;
    bool runs;
    int secondsleft;
    const char* clock;
  };
  const Case cases[] = {
      {"2+3+30+12+1+500+12", true, 12, "Time: 0:12"},
      {"2+3+30+0+1+500+-1", false, 0, "Time: 0:00"},   // between rounds
      {"2+3+30+-4+1+500+-1", false, 0, "Time: 0:00"},  // between rounds, as older hosts say it
      {"2+3+30+99+1+500+12", true, 30, "Time: 0:30"},
      {"2+3+0+25+1+500+12", false, 0, "No Time Limit"},
      {"2+3+-5+25+1+500+12", false, 0, "No Time Limit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stats);
    turntime.start();
    services.sounds.clear();
    table->loadstats(c.stats);
    EXPECT_EQ(turntime.isActive(), c.runs);
    EXPECT_EQ(table->state().secondsleft, c.secondsleft);
    EXPECT_EQ(table->timerText(), c.clock);
    for (int tick = 0; tick < 3; ++tick) table->turntimeTimer();
    EXPECT_GE(table->state().secondsleft, 0);
    if (!c.runs) {
      EXPECT_TRUE(services.sounds.isEmpty());
    }
  }
}

TEST_F(Handlers, LoadStatsFallsBackToNoClockOnBadSeconds) {
  table->loadstats("2+3+abc+xyz+1+500+12");
  EXPECT_EQ(table->state().roundtime, 0);
  EXPECT_EQ(table->state().secondsleft, 0);
  EXPECT_EQ(services.seats.at(1).total, "500");
  EXPECT_FALSE(turntime.isActive());
}

TEST_F(Handlers, WinnerSeenByAPlayer) {
  services.seats.setPlayer(3, "Ann");
  table->startthegame("Bob+3+0+");
  services.chat.clear();
  services.sounds.clear();
  EXPECT_TRUE(table->winner("3+"));
  EXPECT_EQ(table->statusText(), "Ann has Won the Game!");
  EXPECT_TRUE(table->winnerVisible());
  EXPECT_EQ(table->winnerText(), "Ann has Won the Game!");
  EXPECT_EQ(table->view().label_winner1->text(), "Ann has Won the Game!");
  EXPECT_EQ(services.chat, QStringList{"0+Ann has Won the Game!"});
  EXPECT_EQ(services.fakeTally.calls, QStringList{"addgame:Ann"});
  EXPECT_EQ(services.sounds, QStringList{"winner"});
  EXPECT_TRUE(table->startButton()->isHidden());
}

// Names are only names; an empty seat named the winner shows no name.
TEST_F(Handlers, WinnerIsTheSeatNotItsName) {
  struct Case {
    int slot;
    const char* line;
    const char* tally;
    bool fanfare;
  };
  const Case cases[] = {
      {3, "addtomine has Won the Game!", "addgame:addtomine", true},
      {4, "<Waiting> has Won the Game!", "addgame:<Waiting>", true},
      {5, "The Game is Over!", "addgame:", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    services.seats.setPlayer(3, "addtomine");
    services.seats.setPlayer(4, "<Waiting>");
    services.seats.setEmpty(5);
    table->startthegame("Bob+3+0+");
    services.chat.clear();
    services.sounds.clear();
    services.fakeTally.calls.clear();
    EXPECT_TRUE(table->winner(std::to_string(c.slot) + "+"));
    EXPECT_EQ(table->statusText(), c.line);
    EXPECT_EQ(services.chat, QStringList{QStringLiteral("0+") + c.line});
    EXPECT_EQ(services.fakeTally.calls, QStringList{c.tally});
    EXPECT_EQ(table->winnerVisible(), c.fanfare);
    EXPECT_EQ(services.sounds.contains("winner"), c.fanfare);
  }
}

TEST_F(Handlers, WinnerSeenByASpectatorRecordsNothing) {
  services.clientState.mynumber = 8;
  services.seats.setPlayer(3, "Ann");
  table->startthegame("Bob+3+0+");
  services.chat.clear();
  EXPECT_FALSE(table->winner("3+"));
  EXPECT_EQ(table->statusText(), "Ann has Won the Game!");
  EXPECT_EQ(services.chat, QStringList{"0+Ann has Won the Game!"});
  EXPECT_TRUE(services.fakeTally.calls.isEmpty());
}

TEST_F(Handlers, OwnWinOnTheHostOffersTheNextGame) {
  services.clientState.amhost = true;
  table->setMayStart(true);
  table->startthegame("You+3+0+");
  EXPECT_TRUE(table->startButton()->isHidden());
  table->winner("1+");
  EXPECT_EQ(table->winnerText(), "You have Won the Game!");
  EXPECT_EQ(services.fakeTally.calls, QStringList{"addgame:I won"});
  EXPECT_FALSE(table->startButton()->isHidden());
  table->startthegame("You+3+0+");
  EXPECT_FALSE(table->winnerVisible());
  EXPECT_TRUE(table->startButton()->isHidden());
}

TEST_F(Handlers, StartGameLinesAndTheBot) {
  services.seats.setPlayer(1, "Bob");
  table->startthegame("Bob+3+60+");
  EXPECT_EQ(services.chat,
            (QStringList{"0+You have started a game.", "0+I am Rovi the bot. Good Luck!"}));
  EXPECT_EQ(services.seats.name(2), "Rovi");
  for (Colour c : services.chatColours) EXPECT_EQ(c, services.clientState.systemcolor);

  services.chat.clear();
  services.seats.setPlayer(2, "Cy");
  table->startthegame("Cy+3+60+");
  EXPECT_EQ(services.chat, QStringList{"0+Cy has started a game."});
  EXPECT_EQ(services.seats.name(2), "Cy");

  // A player is a player whatever it is called.
  services.chat.clear();
  services.seats.setPlayer(2, "<Waiting>");
  table->startthegame("Cy+3+60+");
  EXPECT_EQ(services.chat, QStringList{"0+Cy has started a game."});
  EXPECT_TRUE(services.seats.at(2).player());
}

TEST_F(Handlers, StartGameSeenByASpectator) {
  services.clientState.mynumber = 7;
  services.seats.setPlayer(2, "Bob");
  table->startthegame("Bob+3+60+");
  EXPECT_EQ(services.chat, QStringList{"0+Bob has started a game."});
}

TEST_F(Handlers, StartGameResetsSlotsAndWatching) {
  services.seats.setTotal(3, "900");
  services.seats.setWatching(3, true);
  justWatch->setChecked(true);
  table->startthegame("Ann+3+60+");
  EXPECT_EQ(services.seats.at(3).total, "0");
  EXPECT_EQ(services.seats.at(3).pulls, "0");
  EXPECT_FALSE(services.seats.at(3).watching);
  EXPECT_FALSE(justWatch->isChecked());
}

TEST_F(Handlers, StartGameWithSecondsThatAreNotANumber) {
  table->startthegame("Ann+3+60+");
  table->startround("1+1+20");
  table->turntimeTimer();
  ASSERT_GT(table->timerBarWidth(), 0);
  table->startthegame("Ann+3+abc+");
  EXPECT_EQ(table->state().roundtime, 0);
  EXPECT_EQ(table->timerBarWidth(), 0);
  EXPECT_FALSE(turntime.isActive());
  table->startround("1+1+20");
  EXPECT_EQ(table->timerText(), "No Time Limit");
}

TEST_F(Handlers, BoardCodeZeroIsATakenMarkThatNeverMatches) {
  table->loadboard("0+0+0+1+0+5");
  EXPECT_EQ(cell(0, 0), kCellUnknownTaken);
  EXPECT_EQ(cell(1, 0), 5);

  // Drawn as the taken mark alone over the background.
  const auto& pictures = BoardPictures::instance();
  QImage expected(72, 72, QImage::Format_ARGB32_Premultiplied);
  expected.fill(Qt::transparent);
  {
    QPainter p(&expected);
    p.drawPixmap(0, 0, pictures.boardimage, 3, 3, 72, 72);
    p.drawPixmap(0, 0, pictures.board(BoardPictures::kBoardTaken));
  }
  auto* board = static_cast<BoardSurface*>(table->boardWidget());
  EXPECT_EQ(board->renderCell(0, 0), expected);

  table->startround("1+1+20");
  table->yourdice("1+19+0+6+0+1+6+0+2+6+0+3+6+0+4+6+0");
  EXPECT_FALSE(table->mustchoose());
}

TEST_F(Handlers, OnlyARolledDieCanMatch) {
  // Before a board arrives every cell is 0 and after a round start every die
  // is 0: that is no reason to refuse a pull.
  table->startround("1+1+20");
  EXPECT_FALSE(table->mustchoose());
  table->loadboard("3+0+7+3+1+2");
  table->yourdice("1+19+0+1+0+1+1+0+2+1+0+3+7+0+4+1+0");
  EXPECT_FALSE(table->mustchoose());  // a die of 7 is no die
  table->yourdice("1+19+0+1+0+1+1+0+2+1+0+3+2+0+4+1+0");
  EXPECT_TRUE(table->mustchoose());
}

TEST_F(Handlers, EmptyCellsShowTheBareBackgroundUnderTheSurface) {
  const auto& pictures = BoardPictures::instance();
  auto* board = static_cast<BoardSurface*>(table->boardWidget());
  const QImage background = pictures.boardimage.toImage()
                                .copy(3 + 2 * 72, 3 + 4 * 72, 72, 72)
                                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
  EXPECT_EQ(board->renderCell(2, 4), background);
  table->loadboard("2+4+4");
  EXPECT_NE(board->renderCell(2, 4), background);
  table->loadboard("2+4+-1");
  EXPECT_EQ(board->renderCell(2, 4), background);
}

struct CodeCase {
  int code;
  bool background;
  int numeral;
  int overlay;
};

class CellCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CellCodes, ClassifiedByTheFirstRangeThatHolds) {
  const auto c = cellPictures(GetParam().code);
  EXPECT_EQ(c.background, GetParam().background) << GetParam().code;
  EXPECT_EQ(c.numeral, GetParam().numeral) << GetParam().code;
  EXPECT_EQ(c.overlay, GetParam().overlay) << GetParam().code;
}

INSTANTIATE_TEST_SUITE_P(Table, CellCodes,
                         ::testing::Values(CodeCase{4, false, 4, 0}, CodeCase{7, false, 7, 0},
                                           CodeCase{0, true, 0, 0}, CodeCase{-1, true, 0, 0},
                                           CodeCase{106, false, 6, 7}, CodeCase{121, false, 1, 8},
                                           CodeCase{136, false, 6, 9}, CodeCase{141, false, 1, 10},
                                           CodeCase{130, false, 10, 8},
                                           CodeCase{120, false, 20, 7}));

TEST_F(Handlers, JustWatchingTogglesTheMenuAndTheMark) {
  services.clientState.mynumber = 3;
  services.seats.setPlayer(3, "Ann");
  services.seats.setPlayer(4, "Bob");
  table->justwatching("3+1");
  EXPECT_TRUE(justWatch->isChecked());
  EXPECT_TRUE(services.seats.at(3).watching);
  table->justwatching("4+1");
  EXPECT_TRUE(services.seats.at(4).watching);
  table->justwatching("3+2");
  EXPECT_FALSE(justWatch->isChecked());
  EXPECT_FALSE(services.seats.at(3).watching);
  EXPECT_EQ(services.chat, (QStringList{"0+Ann is just watching", "0+Bob is just watching",
                                        "0+Ann is now playing again"}));
  table->justwatching("9+1");
  EXPECT_EQ(services.chat.size(), 3);
}

TEST_F(Handlers, ClearAllResetsEverySlotButTheNames) {
  services.seats.setPlayer(2, "Bob");
  services.seats.setTotal(2, "700");
  services.seats.setCurrent(2, "+50");
  services.seats.setPulls(2, "3");
  services.seats.setWatching(2, true);
  justWatch->setChecked(true);
  table->clearall();
  EXPECT_EQ(services.seats.at(2).name, "Bob");
  EXPECT_EQ(services.seats.at(2).total, "0");
  EXPECT_EQ(services.seats.at(2).current, "");
  EXPECT_EQ(services.seats.at(2).pulls, "0");
  EXPECT_FALSE(services.seats.at(2).watching);
  EXPECT_FALSE(justWatch->isChecked());
}

TEST_F(Handlers, ANumberThatIsNotANumberStopsTheMessageThere) {
  table->startround("1+1+20");
  table->yourdice("1+18+0+3+0+1+x+0+2+4+0");
  EXPECT_EQ(table->state().mypulls, 18);   // applied before the bad field
  EXPECT_EQ(table->state().mydice[0], 3);  // the first group too
  EXPECT_EQ(table->state().mydice[2], 0);  // nothing after it
  EXPECT_TRUE(services.sounds.last() != "dice2");
  table->startthegame("Ann+many+60+");
  EXPECT_EQ(table->headingText(), "Round: 1 of 0");
}

}  // namespace
}  // namespace kuvo::testing
