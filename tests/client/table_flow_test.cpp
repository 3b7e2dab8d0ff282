// The round flow where a wrong step costs a pull, a game or a record: pulls in
// flight, latecomers and the start button, the total after a cleared board,
// and what reaches the tally.
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

}  // namespace
}  // namespace kuvo::testing
