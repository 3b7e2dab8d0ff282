// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The round flow where a wrong step costs a pull, a game or a record: pulls in
// flight, latecomers and the start button, the total after a cleared board,
// and what reaches the tally; and what the table tells between its steps: who
// starts the games, a tie, each round's result.
#include <functional>

#include <QTest>

#include "table_fixture.h"

namespace kuvo::testing {
namespace {

using Flow = TableTest;

void clickBall(GameTable& table) {
  QTest::mouseClick(table.ballWidget(), Qt::LeftButton, {}, QPoint(16, 16));
}

// Dice of sixes never match the standard board's 1..5, so a pull may follow.
constexpr char kSixes[] = "1+19+0+6+0+1+6+0+2+6+0+3+6+0+4+6+0";

struct PullEnd {
  const char* what;
  std::function<void(GameTable&)> event;
  bool pullsAgain;
};

const PullEnd kPullEnds[] = {
    {"own dice", [](GameTable& t) { t.yourdice(kSixes); }, true},
    {"next round", [](GameTable& t) { t.startround("2+1+20"); }, true},
    {"round over", [](GameTable& t) { t.endround("1+0+0"); }, false},
    {"time out", [](GameTable& t) { t.outtime(""); }, false},
    {"board cleared", [](GameTable& t) { t.filled("1+1000+"); }, false},
    {"game decided", [](GameTable& t) { t.winner("2+"); }, false},
};

TEST_F(Flow, OnePullInFlightUntilSomethingEndsIt) {
  for (const PullEnd& end : kPullEnds) {
    SCOPED_TRACE(end.what);
    table->startthegame("Ann+3+0+");
    loadStandardBoard();
    table->startround("1+1+20");
    services.sent.clear();
    clickBall(*table);
    clickBall(*table);  // before the host answered
    EXPECT_EQ(services.sentText(), std::vector<std::string>{"CMD_pullhandle+1+"});
    table->Timer2Timer();

    end.event(*table);
    EXPECT_FALSE(timer2.isActive());
    if (!end.pullsAgain) {
      // The shuffle stops on blank dice, not on a face that looks rolled.
      for (int i = 0; i < 5; ++i) EXPECT_EQ(table->dieIndex(i), 0);
    }
    services.sent.clear();
    clickBall(*table);
    EXPECT_EQ(services.sent.size(), end.pullsAgain ? 1u : 0u);
    EXPECT_EQ(timer2.isActive(), end.pullsAgain);
    timer2.stop();
  }
}

TEST_F(Flow, ALatecomerSeesNoStartButtonUntilTheWinner) {
  struct Case {
    const char* what;
    std::vector<std::function<void(GameTable&)>> joins;
    bool mayPull;
  };
  const Case cases[] = {
      {"into a round, with the seat's pulls",
       {[](GameTable& t) { t.loadstats("2+3+0+0+1+500+12+2+300+9"); },
        [](GameTable& t) { t.loadboard("0+0+1+1+0+2"); },
        [](GameTable& t) { t.yourdice("1+12+0+6+0+1+6+0+2+6+0+3+6+0+4+6+0"); }},
       true},
      {"between rounds", {[](GameTable& t) { t.loadstats("2+3+0+0+1+500+-1+2+300+-1"); }}, false},
      {"state whose figures are not numbers",
       {[](GameTable& t) { t.loadstats("x+y"); }, [](GameTable& t) { t.loadboard("0+0+1"); }},
       false},
  };
  for (const Case& c : cases) {
    for (const bool seatFirst : {true, false}) {
      SCOPED_TRACE(::testing::Message() << c.what << (seatFirst ? ", seat first" : ""));
      FakeServices fresh;
      fresh.clientState.mynumber = 1;
      fresh.clientState.loggedin = true;
      QWidget area;
      GameTable late(new QWidget(&area), &area, fresh, menu, timer2, turntime);
      if (seatFirst) late.setMayStart(true);
      for (const auto& step : c.joins) step(late);
      if (!seatFirst) late.setMayStart(true);
      EXPECT_TRUE(late.gameRunning());
      EXPECT_TRUE(late.startButton()->isHidden());

      clickBall(late);
      EXPECT_EQ(fresh.sent.size(), c.mayPull ? 1u : 0u);
      timer2.stop();

      late.endround("1+500+0");
      late.startround("3+1+20");
      EXPECT_TRUE(late.startButton()->isHidden());
      EXPECT_TRUE(late.winner("1+"));
      EXPECT_FALSE(late.startButton()->isHidden());
      EXPECT_EQ(fresh.fakeTally.calls.count("addgame:I won"), 1);
    }
  }
}

TEST_F(Flow, TheOwnTotalIncludesTheClearingBonus) {
  table->startthegame("Ann+3+0+");
  table->startround("1+1+20");
  // The last open cell taken, 3 pulls left: 500 for the choice, 1300 for
  // the clearing; everybody else is told 8500 and +1800.
  table->choosedice("1+7200+500+4+4+3+0+");
  table->filled("1+1300+");
  EXPECT_EQ(services.seats.at(1).total, "8500");
  EXPECT_EQ(services.seats.at(1).current, "+1800");
  table->filled("1+1300+");  // told twice, added once
  EXPECT_EQ(services.seats.at(1).total, "8500");
  table->endround("1+8500+8500+2+300+300");
  EXPECT_EQ(services.seats.at(1).total, "8500");
  EXPECT_EQ(services.seats.at(1).current, "+8500");

  // A bonus no board can give still counts the clearing but not the points.
  table->startround("2+1+20");
  table->choosedice("1+9000+500+4+4+3+0+");
  table->filled("1+2147483647+");
  EXPECT_EQ(services.seats.at(1).total, "9000");
  EXPECT_EQ(services.fakeTally.calls.count("increase:4"), 2);
}

TEST_F(Flow, AGameIsRecordedOnceAndOnlyWhileItRuns) {
  EXPECT_FALSE(table->winner("1+"));  // no game yet
  table->startthegame("Ann+3+0+");
  table->startround("1+1+20");
  int recorded = 0;
  for (int i = 0; i < 300; ++i) recorded += table->winner(i % 2 ? "1+" : "2+") ? 1 : 0;
  EXPECT_EQ(recorded, 1);
  EXPECT_EQ(services.fakeTally.calls, QStringList{"addgame:Rovi"});
  EXPECT_EQ(services.chat.count("0+Rovi has Won the Game!"), 1);
}

TEST_F(Flow, ABoardIsCountedClearedOnceARoundOnTheOwnSeat) {
  table->filled("1+1000+");  // before any game
  table->startthegame("Ann+3+0+");
  table->startround("1+1+20");
  table->filled("2+1000+");  // another seat's board
  for (int i = 0; i < 5; ++i) table->filled("1+1000+");
  table->endround("1+0+0");
  table->filled("1+1000+");  // after the round
  table->startround("2+1+20");
  table->filled("1+1000+");
  EXPECT_EQ(services.fakeTally.calls, (QStringList{"increase:4", "increase:4"}));

  services.fakeTally.calls.clear();
  services.clientState.mynumber = 8;
  table->startround("3+1+20");
  table->filled("8+1000+");
  EXPECT_TRUE(services.fakeTally.calls.isEmpty());
}

struct BestCase {
  const char* what;
  int round;
  const char* group;  // slot 1's total and round score
  bool recorded;
};

class ImpossibleBest : public TableTest, public ::testing::WithParamInterface<BestCase> {};

TEST_P(ImpossibleBest, IsNotTakenAsABest) {
  table->startthegame("Ann+9+0+");
  table->startround(std::to_string(GetParam().round) + "+1+20");
  table->endround(std::string("1+") + GetParam().group);
  EXPECT_EQ(!services.fakeTally.calls.isEmpty(), GetParam().recorded);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ImpossibleBest,
    ::testing::Values(BestCase{"the best round there is", 1, "11000+11000", true},
                      BestCase{"three rounds' worth", 3, "33000+11000", true},
                      BestCase{"more than the rounds so far", 3, "33001+300", false},
                      BestCase{"the largest number", 1, "2147483647+300", false},
                      BestCase{"a round score no round gives", 1, "1500+11001", false},
                      BestCase{"a negative round score", 1, "1500+-5", false},
                      BestCase{"a total below the round's score", 2, "500+900", false},
                      BestCase{"a round score that is not a number", 1, "1500+x", false}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(Flow, NoBestOutsideAGame) {
  table->endround("1+1500+300");
  EXPECT_TRUE(services.fakeTally.calls.isEmpty());
}

TEST_F(Flow, ThoseWhoCannotStartAGameAreToldWhoCan) {
  struct Case {
    const char* what;
    int mynumber;
    bool amhost;
    std::function<void(GameTable&)> events;
    const char* status;
  };
  const Case cases[] = {
      {"a player at login", 3, false, [](GameTable& t) { t.moderatorNamed(4); },
       "Waiting for Bob to start the game."},
      {"a watcher at login", 8, false, [](GameTable& t) { t.moderatorNamed(4); },
       "Waiting for Bob to start the game."},
      {"the moderator itself", 4, true, [](GameTable& t) { t.moderatorNamed(4); },
       "Welcome to Kuvo!"},
      {"a name of no player", 3, false, [](GameTable& t) { t.moderatorNamed(5); },
       "Welcome to Kuvo!"},
      {"while a game runs", 3, false,
       [](GameTable& t) {
         t.startthegame("Ann+3+0+");
         t.startround("1+1+20+3+20");
         t.moderatorNamed(4);
       },
       "It's time to Kuvo!"},
      {"after a game, from a host that never named one", 3, false,
       [](GameTable& t) {
         t.startthegame("Ann+3+0+");
         t.winner("4+");
       },
       "Waiting for Ann to start the game."},
      {"after a game, the moderator", 1, true,
       [](GameTable& t) {
         t.startthegame("Ann+3+0+");
         t.winner("4+");
       },
       "Bob has Won the Game!"},
      {"our own wait ends when the games become ours", 3, false,
       [](GameTable& t) {
         t.moderatorNamed(4);
         t.moderatorNamed(3);
       },
       ""},
      {"a watcher's next game forgets the last one's winner", 8, false,
       [](GameTable& t) {
         t.startthegame("Ann+3+0+");
         t.winner("4+");
         t.startthegame("Ann+3+0+");
         t.startround("1+1+20");
       },
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeServices fresh;
    fresh.clientState.mynumber = c.mynumber;
    fresh.clientState.amhost = c.amhost;
    fresh.clientState.loggedin = true;
    fresh.seats.setPlayer(1, "Ann");
    fresh.seats.setPlayer(4, "Bob");
    QWidget area;
    GameTable t(new QWidget(&area), &area, fresh, menu, timer2, turntime);
    c.events(t);
    EXPECT_EQ(t.statusText(), c.status);
  }
}

TEST_F(Flow, ANewModeratorIsAnnouncedButNotTheFirst) {
  services.clientState.mynumber = 3;
  services.seats.setPlayer(1, "Ann");
  services.seats.setPlayer(4, "Bob");
  table->moderatorNamed(1);  // told at the login
  table->moderatorNamed(1);
  table->moderatorNamed(0);  // no seat: ignored
  table->moderatorNamed(7);
  EXPECT_TRUE(services.chat.isEmpty());
  EXPECT_EQ(services.clientState.moderator, 1);
  table->moderatorNamed(4);
  table->moderatorNamed(3);
  EXPECT_EQ(services.chat,
            (QStringList{"0+Bob now starts the games.", "0+You now start the games."}));
  for (Colour c : services.chatColours) EXPECT_EQ(c, services.clientState.systemcolor);
  EXPECT_EQ(services.clientState.moderator, 3);
}

TEST_F(Flow, EachExtraRoundOfATieIsAnnouncedOnce) {
  const QString tie = QStringLiteral("0+Tie! An extra round decides.");
  table->startthegame("Ann+2+0+");
  table->startround("1+1+20");
  table->startround("2+1+20");
  EXPECT_EQ(services.chat.count(tie), 0);
  table->startround("3+1+20");
  table->startround("3+1+20");
  EXPECT_EQ(services.chat.count(tie), 1);
  EXPECT_EQ(table->headingText(), "Round: 3 of 2");
  table->startround("4+1+20");
  EXPECT_EQ(services.chat.count(tie), 2);

  // A latecomer who came in during the last regular round.
  FakeServices fresh;
  fresh.clientState.mynumber = 3;
  fresh.clientState.loggedin = true;
  QWidget area;
  GameTable late(new QWidget(&area), &area, fresh, menu, timer2, turntime);
  late.loadstats("2+2+0+0+1+500+-1");
  late.startround("3+1+20+3+20");
  EXPECT_EQ(fresh.chat.count(tie), 1);
}

TEST_F(Flow, EachRoundEndsWithItsScoresInTheChat) {
  services.seats.setPlayer(1, "Ann");
  services.seats.setPlayer(5, "%2 <b>Cy</b>");
  table->startthegame("Ann+3+0+");  // slot 2 becomes Rovi
  table->startround("2+1+20");
  services.chat.clear();
  services.chatColours.clear();
  // Slots out of order, an empty seat, a slot there is not, a score that is no number.
  table->endround("5+50+0+2+2100+800+3+0+0+9+1+1+1+3400+1200+4+x+y+6+0+0");
  EXPECT_EQ(services.chat, QStringList{"0+Round 2: Ann 1200 (total 3400), Rovi 800 (total 2100), "
                                       "%2 <b>Cy</b> 0 (total 50)."});
  ASSERT_EQ(services.chatColours.size(), 1u);
  EXPECT_EQ(services.chatColours[0], services.clientState.systemcolor);
}

TEST_F(Flow, ThePullCounterShowsWhatIsTrue) {
  struct Case {
    const char* what;
    int mynumber;
    std::function<void(GameTable&)> events;
    const char* pulls;
  };
  const Case cases[] = {
      {"before any game: what a round gives", 1, [](GameTable&) {}, "20"},
      {"a latecomer waiting for the next round", 1,
       [](GameTable& t) { t.loadstats("2+3+0+0+1+500+-1+2+300+9"); }, ""},
      {"a latecomer between rounds", 1, [](GameTable& t) { t.loadstats("2+3+0+0+1+500+0"); }, ""},
      {"a latecomer in a seat with pulls", 1, [](GameTable& t) { t.loadstats("2+3+0+0+1+500+12"); },
       "12"},
      {"a watcher coming in", 8, [](GameTable& t) { t.loadstats("2+3+0+0+1+500+12"); }, ""},
      {"an extra pull at once", 1,
       [](GameTable& t) {
         t.startround("1+1+1");
         t.yourdice("1+0+0+3+9+1+6+0+2+6+0+3+6+0+4+6+0");
         t.choosedice("1+500+0+0+2+1+9+");
       },
       "1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeServices fresh;
    fresh.clientState.mynumber = c.mynumber;
    fresh.clientState.loggedin = true;
    QWidget area;
    GameTable t(new QWidget(&area), &area, fresh, menu, timer2, turntime);
    c.events(t);
    EXPECT_EQ(t.numrollsText(), c.pulls);
  }
}

}  // namespace
}  // namespace kuvo::testing
