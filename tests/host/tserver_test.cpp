// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host's connection layer: slots, login, relays, moderation, departures,
// and what it does with messages that lie about their sender or are malformed.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "hosttest.h"
#include "messages.h"
#include "tserver.h"

namespace kuvo {
namespace {

TEST_F(HostTest, HandsOutTheLowestFreeSlotAndTurnsTheTenthAway) {
  for (int expected = 1; expected <= 9; ++expected) {
    auto& c = connect();
    EXPECT_EQ(c.slot, expected);
    EXPECT_EQ(c.take(), std::vector<std::string>{"CMD_sendlogininfo+" + std::to_string(expected)});
  }
  auto& tenth = connect();
  EXPECT_EQ(tenth.slot, 0);
  EXPECT_EQ(tenth.take(), std::vector<std::string>{"CMD_full+"});
  EXPECT_TRUE(tenth.closed);
  EXPECT_EQ(server.table().host.slotcount, 9);
  for (int s = 1; s <= 9; ++s) EXPECT_FALSE(connections[s - 1]->closed);

  // Slots 3 and 7 leave: the next ones get 3, then 7.
  connections[2]->close();
  connections[6]->close();
  EXPECT_EQ(connect().slot, 3);
  EXPECT_EQ(connect().slot, 7);
  EXPECT_EQ(server.table().host.slotcount, 9);
}

TEST_F(HostTest, LoginAnnouncesTheNewcomerFirstThenTheOthers) {
  auto& ann = login("Ann");
  EXPECT_EQ(ann.take(),
            (std::vector<std::string>{"CMD_sendlogininfo+1", "CMD_newplayerinfo+1+Ann+0",
                                      "CMD_moderator+1+"}));

  auto& bob = login("Bob");
  server.table().players[1].watching = true;
  auto& cy = login("Cy");
  EXPECT_EQ(ann.take(),
            (std::vector<std::string>{"CMD_newplayerinfo+2+Bob+0", "CMD_newplayerinfo+3+Cy+0"}));
  EXPECT_EQ(bob.take(),
            (std::vector<std::string>{"CMD_sendlogininfo+2", "CMD_newplayerinfo+2+Bob+0",
                                      "CMD_existingplayers+1+Ann+0", "CMD_moderator+1+",
                                      "CMD_newplayerinfo+3+Cy+0"}));
  EXPECT_EQ(cy.take(),
            (std::vector<std::string>{"CMD_sendlogininfo+3", "CMD_newplayerinfo+3+Cy+0",
                                      "CMD_existingplayers+1+Ann+1+2+Bob+0", "CMD_moderator+1+"}));
}

TEST_F(HostTest, AnotherVersionIsOnlyNoticed) {
  auto& ann = login("Ann");
  ann.take();
  auto& bob = login("Bob", "1.9");
  const auto got = bob.take();
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.back(), "CMD_wrongversion+");
  EXPECT_FALSE(bob.closed);
  say(bob, "CMD_chat+2+still here|clRed");
  const auto annGot = ann.take();
  EXPECT_EQ(annGot.front(), "CMD_newplayerinfo+2+Bob+0");
  EXPECT_NE(std::find(annGot.begin(), annGot.end(), "CMD_havewrongversion+Bob"), annGot.end());
}

TEST_F(HostTest, RelaysReachEveryoneTheSenderIncluded) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  clearAll();
  struct Case {
    std::string sent;
    std::string relayed;
  } cases[] = {
      {"CMD_chat+2+hi :)#12 www.example.com|clRed",
       "CMD_chat+2+Bob chats: hi :)#12 www.example.com|clRed"},
      {"CMD_action+2+waves|$000080FF", "CMD_action+2+Bob waves|$000080FF"},
      {"CMD_playasound+2+wave12+", "CMD_playasound+2+wave12+"},
      {"CMD_chat+2+a+b|c|d", "CMD_chat+2+Bob chats: a+b|c|d"},
  };
  for (const auto& c : cases) {
    say(bob, c.sent);
    EXPECT_EQ(ann.take(), std::vector<std::string>{c.relayed}) << c.sent;
    EXPECT_EQ(bob.take(), std::vector<std::string>{c.relayed}) << c.sent;
  }
}

TEST_F(HostTest, ARelayNeverExceedsTheFrameLimitAndTheSenderStays) {
  auto& ann = login("Ann");
  auto& bob = login(std::string(100, 'B'));
  clearAll();
  // Arrives just under the limit; the name would push its relay over it.
  const std::string head = "CMD_chat+2+";
  say(bob, head + std::string(kMaxFrameBytes - head.size() - 6, 'x') + "|clRed");
  const auto got = ann.take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].size(), kMaxFrameBytes);
  EXPECT_TRUE(got[0].ends_with("x|clRed"));
  EXPECT_FALSE(bob.closed);
}

TEST_F(HostTest, MessagesThatClaimAnotherSlotOrCarryJunkAreDropped) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& cy = login("Cy");
  clearAll();
  const std::string junk[] = {
      "CMD_chat+1+I am Ann|clRed",                              // Bob speaking as Ann
      "CMD_action+3+x|clRed",                                   // as Cy
      "CMD_playasound+1+wave1+",                                //
      "CMD_logininfo+1+" + std::string(kVersion) + "+Mallory",  // log in over slot 1
      "CMD_kickhim+2+1+",                                       // only slot 1 may remove
      "CMD_kickhim+1+3+",                                       // claims slot 1
      "CMD_justwatch+3+2",                                      // somebody else's watch switch
      "CMD_startgame+Bob+3+0+",                                 // only the hosting player starts
      "CMD_chat+abc+x",                                         // not a number
      "CMD_chat+99999999999+x",                                 //
      "CMD_pullhandle+1+",                                      //
      "CMD_choosedice+1+2+3+",                                  //
      "cmd_chat+2+lower case name",                             //
      "CMD_chat",                                               // no "+"
      "",                                                       //
      "+2+no name",                                             //
      "CMD_nosuchthing+2+",                                     //
  };
  for (const auto& text : junk) say(bob, text);
  EXPECT_TRUE(ann.take().empty());
  EXPECT_TRUE(bob.take().empty());
  EXPECT_TRUE(cy.take().empty());
  EXPECT_FALSE(cy.closed);
  EXPECT_FALSE(ann.closed);
  EXPECT_EQ(server.table().players[1].name, "Ann");
}

TEST_F(HostTest, OutOfRangeFieldsFromTheHostingPlayerDoNothing) {
  auto& ann = login("Ann");
  say(ann, "CMD_startgame+Ann+3+0+");  // choices are looked at only while a game is on
  ann.take();
  auto& me = server.table().players[1];
  me.mayroll = false;
  for (const char* text :
       {"CMD_kickhim+1+0+", "CMD_kickhim+1+10+", "CMD_kickhim+1+-5+", "CMD_kickhim+1+2147483647+",
        "CMD_kickhim+1+abc+", "CMD_justwatch+0+2", "CMD_justwatch+7+2", "CMD_justwatch+99+1",
        "CMD_choosedice+1+5+0+", "CMD_choosedice+1+0+-1+", "CMD_choosedice+1+x+y+"}) {
    say(ann, text);
  }
  EXPECT_TRUE(ann.take().empty());
  EXPECT_FALSE(ann.closed);
  // Every choice on the board, taken or not, lets the computer pull again;
  // none of those above got that far.
  EXPECT_FALSE(me.mayroll);
  say(ann, "CMD_choosedice+1+4+4+");
  EXPECT_TRUE(me.mayroll);
}

TEST_F(HostTest, OnlyTheHostingPlayerRemovesPlayers) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& cy = login("Cy");
  std::vector<std::string> lines;
  server.setLog([&](const std::string& line) { lines.push_back(line); });
  clearAll();
  say(ann, "CMD_kickhim+1+5+");  // a free slot: nothing happens
  EXPECT_TRUE(bob.take().empty());
  EXPECT_TRUE(lines.empty());
  say(bob, "CMD_kickhim+2+3+");
  EXPECT_TRUE(bob.take().empty());
  say(ann, "CMD_kickhim+1+3+");
  EXPECT_TRUE(cy.closed);
  // Everyone hears who removed whom first, the removed player included.
  EXPECT_EQ(cy.take(), (std::vector<std::string>{"CMD_removed+1+3+", "CMD_leaving+3+"}));
  EXPECT_EQ(ann.take(),
            (std::vector<std::string>{"CMD_removed+1+3+", "CMD_playerdisconnected+3+Cy"}));
  EXPECT_EQ(bob.take(),
            (std::vector<std::string>{"CMD_removed+1+3+", "CMD_playerdisconnected+3+Cy"}));
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front(), "Slot 1 (Ann) removed slot 3 (Cy)");
  EXPECT_FALSE(server.table().players[3].connected);
  EXPECT_EQ(server.table().players[3].name, "");
}

TEST_F(HostTest, AClosedTableSaysWhoClosedItBeforeTheSendOff) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& silent = connect();  // not logged in yet: told all the same
  clearAll();
  server.closeTable(1);
  EXPECT_EQ(ann.take(), (std::vector<std::string>{"CMD_tableclosed+1+", "CMD_leaving+1+"}));
  EXPECT_EQ(bob.take(), (std::vector<std::string>{"CMD_tableclosed+1+", "CMD_leaving+2+"}));
  EXPECT_EQ(silent.take(), (std::vector<std::string>{"CMD_tableclosed+1+", "CMD_leaving+3+"}));
}

TEST_F(HostTest, JustWatchNeedsAGameToSwitchOn) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  clearAll();
  say(bob, "CMD_justwatch+2+1");
  EXPECT_TRUE(bob.take().empty());
  EXPECT_FALSE(server.table().players[2].watching);
  say(bob, "CMD_justwatch+2+2");
  EXPECT_EQ(ann.take(), std::vector<std::string>{"CMD_justwatching+2+2"});
  server.table().host.gameon = true;
  say(ann, "CMD_justwatch+2+1");  // the hosting player switches Bob
  EXPECT_TRUE(server.table().players[2].watching);
  EXPECT_EQ(bob.take(), (std::vector<std::string>{"CMD_justwatching+2+2", "CMD_justwatching+2+1"}));
  say(bob, "CMD_justwatch+2+3");
  EXPECT_TRUE(bob.take().empty());
}

TEST_F(HostTest, DepartureTellsTheOthersAndTakesLaterSlotsOutOfTheRound) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& cy = login("Cy");
  auto& dee = login("Dee");
  for (int s = 1; s <= 4; ++s) server.table().players[s].pullsleft = 12;
  server.table().players[2].watching = true;
  clearAll();
  bob.close();
  dee.close();
  EXPECT_EQ(ann.take(), (std::vector<std::string>{"CMD_playerdisconnected+2+Bob",
                                                  "CMD_playerdisconnected+4+Dee"}));
  EXPECT_EQ(cy.take(), (std::vector<std::string>{"CMD_playerdisconnected+2+Bob",
                                                 "CMD_playerdisconnected+4+Dee"}));
  const auto& t = server.table();
  EXPECT_EQ(t.players[2].pullsleft, 12);  // slot 2 goes on with the computer
  EXPECT_FALSE(t.players[2].watching);
  EXPECT_EQ(t.players[4].pullsleft, -1);
  EXPECT_EQ(t.players[3].pullsleft, 12);
}

TEST_F(HostTest, ALateComerGetsTheGameAndItsOwnBoard) {
  auto& ann = login("Ann");
  auto& t = server.table();
  t.host.gameon = true;
  t.host.roundnumber = 2;
  t.host.roundspergame = 3;
  t.host.roundtime = 60;
  t.host.turncount = 40;
  t.host.timer1mode = kTimer1ModeComputers;
  t.players[1].score = 700;
  t.players[2].score = 1200;
  t.players[2].pullsleft = 11;
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 5; ++r) t.players[2].playerboard[c][r] = (c + r) % 7 - 1;
  t.players[2].dice = {1, 2, 3, 4, 5};
  t.players[2].bonus = {0, 7, 0, 9, 0};
  for (int s = 3; s <= 6; ++s) t.players[s].pullsleft = -1;
  ann.take();
  auto& bob = login("Bob");
  const auto got = bob.take();
  ASSERT_EQ(got.size(), 7u);
  EXPECT_EQ(got[3], "CMD_moderator+1+");
  EXPECT_EQ(got[4], "CMD_loadstats+2+3+60+36+1+700+0+2+1200+11+3+0+-1+4+0+-1+5+0+-1+6+0+-1");
  EXPECT_EQ(got[5].substr(0, 30), "CMD_loadboard+0+0+-1+0+1+0+0+2");
  EXPECT_EQ(got[6], "CMD_yourdice+2+11+0+1+0+1+2+7+2+3+0+3+4+9+4+5+0");

  // A late comer in a slot without pulls only gets the figures.
  auto& cy = login("Cy");
  const auto cyGot = cy.take();
  EXPECT_EQ(cyGot.back().substr(0, 14), "CMD_loadstats+");
}

// The seconds left that a late comer and a player back in a kept seat are
// told: the round clock's, and none when no timed round runs.
TEST_F(HostTest, TheSecondsLeftAreTheRunningRoundsOnly) {
  struct Case {
    const char* what;
    int roundtime, turncount, timer1mode;
    const char* secondsLeft;
  } cases[] = {
      {"timed round running", 60, 40, kTimer1ModeComputers, "60+36+"},
      {"in the clock's grace", 60, 2, kTimer1ModeComputers, "60+0+"},
      {"no limit", 0, 0, kTimer1ModeComputers, "0+0+"},
      {"pause after a cut round", 60, -1, kTimer1ModeNextRound, "60+0+"},
      {"pause after a round ended early", 60, 59, kTimer1ModeNextRound, "60+0+"},
  };
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  say(ann, "CMD_startgame+Ann+3+60+");
  // Bob's connection is lost; he comes back with his key, as a late comer
  // logs in: both are told the same.
  bob.close();
  std::string key = bob.key();
  const auto loadstats = [](const std::vector<std::string>& got) {
    std::vector<std::string> out;
    std::copy_if(got.begin(), got.end(), std::back_inserter(out),
                 [](const std::string& m) { return m.starts_with("CMD_loadstats+"); });
    return out;
  };
  auto& t = server.table();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    t.host.roundtime = c.roundtime;
    t.host.turncount = c.turncount;
    t.host.timer1mode = c.timer1mode;
    const std::string stats = "CMD_loadstats+1+3+" + std::string(c.secondsLeft);
    auto& late = login("Cy");
    ASSERT_EQ(late.slot, 3);
    const auto lateGot = loadstats(late.take());
    ASSERT_EQ(lateGot.size(), 1u);
    EXPECT_EQ(lateGot[0].substr(0, stats.size()), stats);
    leave(late);

    auto& back = connect();
    say(back, "CMD_reclaim+" + std::to_string(back.slot) + "+" + key);
    ASSERT_EQ(back.slot, 2);
    const auto backGot = loadstats(back.take());
    ASSERT_EQ(backGot.size(), 1u);
    EXPECT_EQ(backGot[0], lateGot[0]);
    key = back.key();
    back.close();
  }
}

TEST_F(HostTest, OneMessagePerTickTakingTheConnectionsInTurn) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  clearAll();
  server.Sock1Read(ann.slot, "CMD_chat+1+one|clRed" + FF + "CMD_chat+1+two|clRed" + FF);
  server.Sock1Read(bob.slot, "CMD_chat+2+three|clRed" + FF);
  EXPECT_TRUE(socktimer.isActive());
  server.socktimerTimer();
  EXPECT_EQ(ann.take(), std::vector<std::string>{"CMD_chat+1+Ann chats: one|clRed"});
  server.socktimerTimer();
  server.socktimerTimer();
  EXPECT_EQ(ann.take(), (std::vector<std::string>{"CMD_chat+2+Bob chats: three|clRed",
                                                  "CMD_chat+1+Ann chats: two|clRed"}));
  // An idle host does not tick.
  EXPECT_FALSE(socktimer.isActive());
}

// A flooder's burst waits behind nobody's line, and only a burst of ten and
// then five a second of its lines reach the others.
TEST_F(HostTest, AFlooderNeitherDelaysOthersNorReachesThemBeyondItsLimit) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& cy = login("Cy");
  clearAll();
  std::string burst;
  for (int i = 0; i < 30; ++i) burst += "CMD_chat+3+spam" + std::to_string(i) + "|clRed" + FF;
  const auto spamSeen = [&] {
    const auto got = ann.take();
    return std::count_if(got.begin(), got.end(),
                         [](const std::string& m) { return m.rfind("CMD_chat+3+", 0) == 0; });
  };

  server.Sock1Read(cy.slot, burst);
  server.Sock1Read(bob.slot, "CMD_chat+2+hi|clRed" + FF);
  server.socktimerTimer();
  server.socktimerTimer();
  const auto first = ann.take();
  EXPECT_NE(std::find(first.begin(), first.end(), "CMD_chat+2+Bob chats: hi|clRed"), first.end());
  drain();
  EXPECT_EQ(spamSeen() + 1, kRelayBurst);  // one of the ten came with Bob's line
  EXPECT_FALSE(cy.closed);

  now += std::chrono::milliseconds(1000);
  server.Sock1Read(cy.slot, burst);
  drain();
  EXPECT_EQ(spamSeen(), kRelaysPerSecond);
  // The others' lines and the game's own messages are not limited.
  std::string lines;
  for (int i = 0; i < 20; ++i) lines += "CMD_chat+2+line|clRed" + FF;
  server.Sock1Read(bob.slot, lines);
  drain();
  EXPECT_EQ(ann.take().size(), std::size_t{kRelayBurst});
  EXPECT_FALSE(bob.closed);
}

// Nine connections that never log in no longer keep a player out.
TEST_F(HostTest, AConnectionWithoutALoginIsClosedAfterTenSeconds) {
  auto& ann = login("Ann");
  for (int i = 0; i < 8; ++i) connect();
  now = kLoginTimeout - std::chrono::milliseconds(1);
  server.Timer1Timer();
  for (const auto& c : connections) EXPECT_FALSE(c->closed);

  now = kLoginTimeout;
  server.Timer1Timer();
  EXPECT_FALSE(ann.closed);
  for (std::size_t i = 1; i < connections.size(); ++i) EXPECT_TRUE(connections[i]->closed) << i;
  auto& player = login("Bob");
  EXPECT_EQ(player.slot, 2);
  EXPECT_EQ(server.table().players[2].name, "Bob");

  // A full table of silent connections makes room for a newcomer at once.
  for (int i = 0; i < 7; ++i) connect();
  now += kLoginTimeout;
  EXPECT_EQ(connect().slot, 3);
  EXPECT_FALSE(player.closed);
}

TEST_F(HostTest, FloodsCloseTheFlooderOnly) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& cy = login("Cy");
  clearAll();
  // Bytes without a terminator beyond the frame limit.
  std::string flood(kMaxPendingBytes / 2, 'x');
  server.Sock1Read(bob.slot, flood);
  EXPECT_FALSE(bob.closed);
  server.Sock1Read(bob.slot, flood + "xx");
  EXPECT_TRUE(bob.closed);
  // More queued messages than a client can have in flight.
  std::string many;
  for (std::size_t i = 0; i <= kMaxQueuedPerSource; ++i) many += "CMD_pullhandle+3+" + FF;
  server.Sock1Read(cy.slot, many);
  EXPECT_TRUE(cy.closed);
  EXPECT_FALSE(ann.closed);
  drain();
  EXPECT_LE(server.table().host.slotcount, 3);
}

TEST_F(HostTest, NamesAreCleanedBeforeAnybodySeesThem) {
  auto& ann = login("Ann");
  const std::string e40 = [] {
    std::string e;
    for (int i = 0; i < 40; ++i) e += "\xC3\xA9";  // é
    return e;
  }();
  struct Case {
    std::string sent;
    std::string shown;
  } cases[] = {
      // Would otherwise rename slots 1 and 4 and seat a watcher on every client.
      {"x+0+1+FakeHost+0+7+Ghost+0+4+FakeBob", "x 0 1 FakeHost 0 7 Ghost 0 4 Fak"},
      {"  Ann|clRed  ", "Ann clRed"},
      {"\x1B[31mRed\x07", "[31mRed"},
      {"", "Player 2"},
      {" \t\r\n+|", "Player 2"},
      // The names the clients give an empty seat and the computer's.
      {"<Waiting>", "Player 2"},
      {" <wAITING> ", "Player 2"},
      {"Rovi", "Player 2"},
      {"rOVI", "Player 2"},
      {"Rovi2", "Rovi2"},
      {e40, e40.substr(0, 64)},                                    // 32 characters, not 32 bytes
      {std::string(31, 'a') + " xyz", std::string(31, 'a')},       // no blank left at the cut
      {"Bad\xC3(", "Bad\xEF\xBF\xBD("},                            // a cut sequence
      {"\xC0\xAF!", "\xEF\xBF\xBD\xEF\xBF\xBD!"},                  // overlong "/"
      {"\xED\xA0\x80x", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBDx"},  // a surrogate
      {"a\xC2\x85"
       "b\xE2\x80\xAE"
       "c",
       "a b c"},  // C1 line break, right-to-left override
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sent);
    ann.take();
    auto& newcomer = connect();
    ASSERT_EQ(newcomer.slot, 2);
    say(newcomer, "CMD_logininfo+2+" + std::string(kVersion) + "+" + c.sent);
    EXPECT_EQ(ann.take(), std::vector<std::string>{"CMD_newplayerinfo+2+" + c.shown + "+0"});
    EXPECT_EQ(server.table().players[2].name, c.shown);
    newcomer.close();
  }
  // What a later newcomer is told about the others is one field per name, too.
  auto& bob = login("a+1+b");
  auto& cy = login("Cy");
  const auto got = cy.take();
  ASSERT_GE(got.size(), 3u);
  EXPECT_EQ(got[2], "CMD_existingplayers+1+Ann+0+2+a 1 b+0");
  EXPECT_FALSE(bob.closed);
}

TEST_F(HostTest, ConsoleLinesEscapeWhatPeersSent) {
  struct Case {
    std::string text;
    std::string printed;
  } cases[] = {
      {"plain \xC3\xA9", "plain \xC3\xA9"},
      {"\x1B]52;c;QUFB\x07", "\\u001B]52;c;QUFB\\u0007"},  // clipboard write
      {"a\\u001Bb", "a\\\\u001Bb"},                        // an escape typed by hand stays visible
      {"\x7F\xC2\x9B\x9B", "\\u007F\\u009B\\x9B"},         // DEL, C1 CSI, a lone byte
      {"line\nSlot 1 left", "line\\u000ASlot 1 left"},
  };
  for (const auto& c : cases) EXPECT_EQ(escapeForConsole(c.text), c.printed) << c.text;

  std::vector<std::string> lines;
  server.setLog([&](const std::string& line) { lines.push_back(line); });
  auto& ann = login("\x1B[2JAnn");
  EXPECT_EQ(lines,
            (std::vector<std::string>{"Slot 1 logged in as [2JAnn (sent as \"\\u001B[2JAnn\")",
                                      "Slot 1 ([2JAnn) now starts the games"}));
  ann.close();
  EXPECT_EQ(lines.back(), "Slot 1 ([2JAnn) left");
}

// What the host refuses is logged: forged as a warning, the rest at debug,
// a peer's text escaped, and a flood of refusals cut to a few lines a second.
TEST_F(HostTest, RefusalsAreLoggedEscapedAndRateLimited) {
  struct Line {
    QtMsgType type;
    std::string text;
  };
  static std::vector<Line>* captured = nullptr;
  std::vector<Line> lines;
  captured = &lines;
  QLoggingCategory::setFilterRules(QStringLiteral("kuvo.host.debug=true"));
  const auto previous = qInstallMessageHandler(
      [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (captured && context.category == std::string_view("kuvo.host"))
          captured->push_back({type, text.toStdString()});
      });
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  lines.clear();

  say(bob, "CMD_chat+1+I am Ann|clRed");
  say(bob, "CMD_nosuchthing+\x1B[2J");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].type, QtWarningMsg);
  EXPECT_EQ(lines[0].text, "slot 2 sent CMD_chat as slot 1; dropped");
  EXPECT_EQ(lines[1].type, QtDebugMsg);
  EXPECT_EQ(lines[1].text, "slot 2: unknown message dropped: \"CMD_nosuchthing+\\u001B[2J\"");

  lines.clear();
  now += std::chrono::seconds(1);
  for (int i = 0; i < 3 * DropLog::kLinesPerSecond; ++i) say(bob, "CMD_pullhandle+");
  EXPECT_EQ(lines.size(), std::size_t{DropLog::kLinesPerSecond});
  say(ann, "CMD_pullhandle+");  // another source has a budget of its own
  EXPECT_EQ(lines.size(), std::size_t{DropLog::kLinesPerSecond} + 1);
  now += std::chrono::seconds(1);
  say(bob, "CMD_pullhandle+");
  EXPECT_EQ(lines.back().text, "slot 2: CMD_pullhandle without a slot number; dropped (" +
                                   std::to_string(2 * DropLog::kLinesPerSecond) +
                                   " more from this source not shown)");

  qInstallMessageHandler(previous);
  QLoggingCategory::setFilterRules(QString());
  captured = nullptr;
}

// At a table without a hosting player, the lowest seat holds the start button
// and the moderation; when it goes, the next seated player takes them over.
TEST_F(HostTest, TheModeratorPassesToTheLowestSeatLeft) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& silent = connect();  // slot 3: connected, never logs in
  auto& cy = login("Cy");
  auto& spy = connect();  // slot 5, then a watcher in 7 below
  EXPECT_EQ(server.moderator(), 1);
  clearAll();

  ann.close();
  EXPECT_EQ(server.moderator(), 2);
  const std::vector<std::string> told = {"CMD_playerdisconnected+1+Ann", "CMD_moderator+2+"};
  EXPECT_EQ(bob.take(), told);
  EXPECT_EQ(cy.take(), told);

  // Only the moderator starts, removes and switches others.
  say(cy, "CMD_startgame+Cy+3+0+");
  EXPECT_FALSE(server.table().host.gameon);
  say(bob, "CMD_startgame+Bob+3+0+");
  EXPECT_TRUE(server.table().host.gameon);
  clearAll();
  say(cy, "CMD_justwatch+2+1");
  say(cy, "CMD_kickhim+4+2+");
  EXPECT_TRUE(bob.take().empty());
  EXPECT_FALSE(bob.closed);
  say(bob, "CMD_justwatch+4+1");
  EXPECT_TRUE(server.table().players[4].watching);
  say(bob, "CMD_kickhim+2+5+");
  EXPECT_TRUE(spy.closed);

  // A newcomer in the freed slot 1 is told who moderates, after its login entries.
  auto& eve = login("Eve");
  const auto got = eve.take();
  ASSERT_GE(got.size(), 4u);
  EXPECT_EQ(got[2].substr(0, 20), "CMD_existingplayers+");
  EXPECT_EQ(got[3], "CMD_moderator+2+");
  EXPECT_EQ(server.moderator(), 2);

  // Eve is now the lowest seat; slot 3 never logged in and is passed over.
  leave(bob);
  EXPECT_TRUE(bob.closed);
  EXPECT_EQ(server.moderator(), 1);
  leave(eve);
  EXPECT_EQ(server.moderator(), 4);
  EXPECT_FALSE(silent.closed);

  // Watchers never moderate; with no seat left there is no moderator until one sits down.
  for (int i = 0; i < 5; ++i) connect();  // seats 1, 2, 5, 6 and watcher 7, silent
  auto& watcher = login("Wat");
  ASSERT_EQ(watcher.slot, 8);
  leave(cy);
  EXPECT_EQ(server.moderator(), 0);
  say(watcher, "CMD_startgame+Wat+3+0+");
  say(watcher, "CMD_kickhim+8+3+");
  EXPECT_FALSE(silent.closed);
  watcher.take();
  auto& dee = login("Dee");
  EXPECT_EQ(dee.slot, 4);
  EXPECT_EQ(server.moderator(), 4);
  EXPECT_EQ(watcher.take().back(), "CMD_moderator+4+");
}

TEST_F(HostTest, AGameStartIsNamedAfterItsSenderAndKeptInRange) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  struct Case {
    std::string sent;
    std::string announced;
  } cases[] = {
      {"<a href=\"http://x\">Free</a>+2147483647+-7+", "Ann+10+0+"},
      {"Bob+0+601+", "Ann+1+600+"},
      {"Ann+many+long+", "Ann+5+0+"},
      {"+4+90+", "Ann+4+90+"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.sent);
    clearAll();
    say(ann, "CMD_startgame+" + c.sent);
    const auto got = bob.take();
    ASSERT_FALSE(got.empty());
    EXPECT_EQ(got.front(), "CMD_startgame+" + c.announced);
    const auto& host = server.table().host;
    EXPECT_EQ(
        "Ann+" + std::to_string(host.roundspergame) + "+" + std::to_string(host.roundtime) + "+",
        c.announced);
  }
}

// Messages still queued when their connection goes: a login must not mark the
// slot connected again (nothing would ever free it), and nothing the old
// connection sent may speak for a newcomer who has taken its slot meanwhile.
TEST(HostDepartureTest, QueuedMessagesOfAGoneConnectionNeitherHoldNorImpersonateItsSlot) {
  struct Case {
    const char* what;
    bool reuseSlot;
    std::string message;  // %s = the slot
  };
  const std::vector<Case> cases = {
      {"login, slot left free", false, "CMD_logininfo+%s+" + std::string(kVersion) + "+Ghost" + FF},
      {"login, slot taken again", true,
       "CMD_logininfo+%s+" + std::string(kVersion) + "+Ghost" + FF},
      {"chat, slot taken again", true, "CMD_chat+%s+I am Ghost|clRed"},
      {"action, slot taken again", true, "CMD_action+%s+is Ghost|clRed"},
      {"sound, slot taken again", true, "CMD_playasound+%s+wave3+"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Random random(7);
    ManualTimer socktimer, timer1, turntimer;
    TServer server(random, socktimer, timer1, turntimer);
    std::vector<std::unique_ptr<FakeConnection>> connections;
    auto connect = [&]() -> FakeConnection& {
      connections.push_back(std::make_unique<FakeConnection>(server));
      connections.back()->slot = server.Sock1Accept(connections.back().get());
      return *connections.back();
    };
    auto drain = [&] {
      for (int i = 0; i < 1000 && socktimer.isActive(); ++i) server.socktimerTimer();
    };
    auto& ann = connect();
    server.Sock1Read(ann.slot, "CMD_logininfo+1+" + std::string(kVersion) + "+Ann" + FF);
    drain();
    auto& ghost = connect();
    std::string text = c.message;
    text.replace(text.find("%s"), 2, std::to_string(ghost.slot));
    server.Sock1Read(ghost.slot, text + FF);  // queued, not yet handled
    ghost.close();
    FakeConnection* newcomer = c.reuseSlot ? &connect() : nullptr;
    if (newcomer) {
      ASSERT_EQ(newcomer->slot, ghost.slot);
    }
    for (auto& conn : connections) conn->take();
    drain();
    const auto& p = server.table().players[ghost.slot];
    EXPECT_EQ(p.connected, c.reuseSlot);
    EXPECT_EQ(p.name, "");
    for (const auto& m : ann.take()) EXPECT_EQ(m.find("Ghost"), std::string::npos) << m;
    if (newcomer) {
      EXPECT_TRUE(newcomer->take().empty());
    }
    // Nobody took the slot: it is free for the next connection.
    if (!c.reuseSlot) {
      EXPECT_EQ(connect().slot, ghost.slot);
    }
  }
}

// Connections that come, fill their share of the queue and go leave nothing
// behind: a player's line is served within a tick per live connection, and
// one that never logs in queues nothing but its login.
TEST_F(HostTest, ChurnLeavesNothingInTheQueue) {
  auto& ann = login("Ann");
  clearAll();
  for (int round = 0; round < 50; ++round) {
    auto& eve = connect();
    auto& mallory = login("Mallory");
    for (int i = 0; i < 20; ++i) {
      const std::string junk = "CMD_nonsense+" + std::string(1000, 'x') + FF;
      server.Sock1Read(eve.slot, junk);
      server.Sock1Read(mallory.slot, junk);
    }
    eve.close();
    mallory.close();
    EXPECT_TRUE(server.queueEmpty()) << "round " << round;
  }
  server.Sock1Read(ann.slot, "CMD_chat+1+still here|clRed" + FF);
  server.socktimerTimer();
  const auto got = ann.take();
  EXPECT_NE(std::find(got.begin(), got.end(), "CMD_chat+1+Ann chats: still here|clRed"), got.end());
}

// A connection that never logs in makes no move, and the computer goes on
// playing the seat it sits in.
TEST_F(HostTest, AConnectionThatNeverLogsInPlaysNothing) {
  auto& ann = login("Ann");
  auto& stranger = connect();
  ASSERT_EQ(stranger.slot, kComputerSlot);
  say(ann, "CMD_startgame+Ann+3+0+");
  const auto& rovi = server.table().players[kComputerSlot];
  const int pulls = rovi.pullsleft;
  for (const char* move : {"CMD_pullhandle+2+", "CMD_choosedice+2+0+0+", "CMD_justwatch+2+1"})
    say(stranger, move);
  EXPECT_EQ(rovi.pullsleft, pulls);
  for (int i = 0; i < 6; ++i) server.Timer1Timer();
  EXPECT_LT(rovi.pullsleft, pulls);
  EXPECT_FALSE(rovi.watching);
}

// What everybody is shown of a seat is limited whatever way it is said: a
// login said again, or the just-watch switch over and over.
TEST_F(HostTest, NoWayAroundTheLimitOfWhatEverybodyIsShown) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  clearAll();
  say(bob, "CMD_logininfo+2+" + std::string(kVersion) + "+Eve");
  EXPECT_TRUE(ann.take().empty());
  EXPECT_EQ(server.table().players[2].name, "Bob");
  for (int i = 0; i < 3 * kRelayBurst; ++i) say(bob, "CMD_justwatch+2+2");
  EXPECT_EQ(ann.take().size(), static_cast<std::size_t>(kRelayBurst));
}

}  // namespace
}  // namespace kuvo
