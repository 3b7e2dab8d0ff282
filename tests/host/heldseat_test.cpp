// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Seats kept for a player whose connection was lost during a game: played by
// the computer meanwhile, taken back with the seat key, refused otherwise.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "hosttest.h"
#include "messages.h"
#include "tserver.h"

namespace kuvo {
namespace {

// Ann, Bob and Cy play; Cy's connection is lost in the first round.
class HeldSeatTest : public HostTest {
 protected:
  void SetUp() override {
    ann = &login("Ann");
    bob = &login("Bob");
    cy = &login("Cy");
    say(*ann, "CMD_startgame+Ann+3+30+");
    cyKey = cy->key();
    ASSERT_EQ(cyKey.size(), kSeatKeyDigits);
    ASSERT_EQ(cyKey.find_first_not_of("0123456789abcdef"), std::string::npos);
    clearAll();
    cy->close();
  }
  // A new connection answers the login request with a key.
  FakeConnection& comeBack(const std::string& key, const std::string& address = {}) {
    auto& c = connect(address);
    c.take();
    say(c, "CMD_reclaim+" + std::to_string(c.slot) + "+" + key);
    return c;
  }
  static bool startsWith(const std::vector<std::string>& got, const std::string& head) {
    return got.size() == 1 && got[0].starts_with(head);
  }

  FakeConnection* ann = nullptr;
  FakeConnection* bob = nullptr;
  FakeConnection* cy = nullptr;
  std::string cyKey;
};

TEST_F(HeldSeatTest, TheSeatIsKeptPlayedByTheComputerAndTakenBackWithTheTable) {
  // The others are not told Cy left: one notice line only.
  EXPECT_TRUE(startsWith(ann->take(), "CMD_action+0+Cy lost the connection."));
  EXPECT_TRUE(startsWith(bob->take(), "CMD_action+0+Cy lost the connection."));
  EXPECT_TRUE(server.held(3));
  EXPECT_EQ(server.table().players[3].name, "Cy");
  const int pullsBefore = server.table().players[3].pullsleft;
  for (int i = 0; i < 6; ++i) server.Timer1Timer();
  EXPECT_LT(server.table().players[3].pullsleft, pullsBefore);  // the computer plays it

  // A newcomer is not given the kept seat.
  auto& dan = connect();
  EXPECT_EQ(dan.slot, 4);

  clearAll();
  auto& back = comeBack(cyKey);
  EXPECT_EQ(back.slot, 3);
  EXPECT_FALSE(back.closed);
  EXPECT_FALSE(server.held(3));
  EXPECT_FALSE(server.table().isComputerPlayed(3));
  EXPECT_FALSE(server.table().players[5].connected);  // its first slot, freed without a word
  EXPECT_TRUE(startsWith(ann->take(), "CMD_action+0+Cy is back in the seat."));
  EXPECT_TRUE(startsWith(bob->take(), "CMD_action+0+Cy is back in the seat."));

  const auto& t = server.table();
  const auto got = back.take();
  ASSERT_EQ(got.size(), 6u);
  EXPECT_EQ(got[0], "CMD_newplayerinfo+3+Cy+0");
  EXPECT_EQ(got[1], "CMD_existingplayers+1+Ann+0+2+Bob+0+4++0");
  EXPECT_EQ(got[2], "CMD_moderator+1+");
  std::string stats = "CMD_loadstats+1+3+30+" + std::to_string(t.host.turncount - 4);
  for (int s = 1; s <= 6; ++s)
    stats += "+" + std::to_string(s) + "+" + std::to_string(t.players[s].score) + "+" +
             std::to_string(t.players[s].pullsleft);
  EXPECT_EQ(got[3], stats);
  // Every cell as it stands: open ones with their number, taken ones 100 above it.
  std::string board = "CMD_loadboard";
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 5; ++r) {
      const int cell = t.players[3].playerboard[c][r];
      board += "+" + std::to_string(c) + "+" + std::to_string(r) + "+" +
               std::to_string(cell >= 1 ? cell : 100 + t.host.masterboard[c][r]);
    }
  EXPECT_EQ(got[4], board);
  EXPECT_NE(board.find("+10"), std::string::npos);  // the computer took cells meanwhile
  EXPECT_TRUE(got[5].starts_with("CMD_yourdice+3+" + std::to_string(t.players[3].pullsleft) + "+"));
  // A fresh key, and the player plays on as slot 3.
  EXPECT_EQ(back.key().size(), kSeatKeyDigits);
  EXPECT_NE(back.key(), cyKey);
  say(back, "CMD_pullhandle+3+");
  ASSERT_FALSE(back.take().empty());
}

// Each refused key, by what happened after the drop.
enum class Refused { Wrong, CutShort, Spent, OfARemovedPlayer, AfterTheMinute };

class RefusedKeyTest : public HeldSeatTest, public ::testing::WithParamInterface<Refused> {};

TEST_P(RefusedKeyTest, GetsNothingButTheConnectionClosed) {
  std::string key = cyKey;
  switch (GetParam()) {
    case Refused::Wrong:
      key = std::string(kSeatKeyDigits, '0');
      break;
    case Refused::CutShort:
      key.pop_back();
      break;
    case Refused::Spent:
      comeBack(cyKey);
      break;
    case Refused::OfARemovedPlayer:
      say(*ann, "CMD_kickhim+1+3+");
      break;
    case Refused::AfterTheMinute:
      now += kSeatHold;
      server.Timer1Timer();
      break;
  }
  if (GetParam() == Refused::OfARemovedPlayer || GetParam() == Refused::AfterTheMinute) {
    EXPECT_FALSE(server.held(3));
    const auto told = ann->take();
    EXPECT_NE(std::find(told.begin(), told.end(), "CMD_playerdisconnected+3+Cy"), told.end());
  }
  clearAll();
  auto& other = comeBack(key);
  EXPECT_TRUE(other.closed);
  // Sent off under the slot it had; the seat is given up at once.
  const auto told = other.take();
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].starts_with("CMD_leaving+")) << told[0];
  EXPECT_EQ(other.slot, 0);
  for (const auto& m : ann->take()) EXPECT_FALSE(m.starts_with("CMD_action+0+")) << m;
  EXPECT_TRUE(other.key().empty());
}

INSTANTIATE_TEST_SUITE_P(EachKind, RefusedKeyTest,
                         ::testing::Values(Refused::Wrong, Refused::CutShort, Refused::Spent,
                                           Refused::OfARemovedPlayer, Refused::AfterTheMinute));

TEST_F(HeldSeatTest, LeavingOnPurposeOrOutsideAGameFreesTheSeatAtOnce) {
  comeBack(cyKey);
  clearAll();
  leave(*bob);
  EXPECT_TRUE(bob->closed);
  EXPECT_EQ(ann->take(), std::vector<std::string>{"CMD_playerdisconnected+2+Bob"});
  EXPECT_FALSE(server.held(2));

  // A removed player is told so before its connection closes.
  clearAll();
  say(*ann, "CMD_kickhim+1+3+");
  EXPECT_EQ(connections.back()->take(),
            (std::vector<std::string>{"CMD_removed+1+3+", "CMD_leaving+3+"}));

  server.table().host.gameon = false;
  clearAll();
  ann->close();
  EXPECT_FALSE(server.held(1));
  EXPECT_FALSE(server.table().players[1].connected);
}

TEST_F(HeldSeatTest, AFullTableStillLetsTheKeptSeatsPlayerBackIn) {
  for (int i = 0; i < 6; ++i) connect();  // slots 3..9: 3 is kept, 4..9 taken
  EXPECT_EQ(server.table().host.slotcount, 9);
  clearAll();
  // A stranger waits in a waiting entry and finds the table full.
  auto& stranger = connect();
  EXPECT_EQ(stranger.slot, kFirstWaitingEntry);
  say(*ann, "CMD_kickhim+1+10+");  // a waiting entry is no seat to remove anybody from
  EXPECT_FALSE(stranger.closed);
  say(stranger, "CMD_logininfo+10+" + std::string(kVersion) + "+Eve" + FF);
  EXPECT_TRUE(stranger.closed);
  EXPECT_EQ(stranger.take(), (std::vector<std::string>{"CMD_sendlogininfo+10", "CMD_full+"}));
  EXPECT_TRUE(ann->take().empty());

  auto& back = comeBack(cyKey);
  EXPECT_EQ(back.slot, 3);
  EXPECT_FALSE(back.closed);
  EXPECT_FALSE(server.table().players[kFirstWaitingEntry].connected);
  // With no seat kept, the tenth connection is turned away as before.
  EXPECT_EQ(connect().slot, 0);
}

TEST_F(HeldSeatTest, AStrangerWaitingAtAFullTableNeverBarsAReturn) {
  for (int i = 0; i < 6; ++i) connect();  // slots 4..9 taken, 3 is kept
  bob->close();                           // 2 is kept too
  clearAll();
  // A stranger who knocks again and again, and sits silent each time, only
  // ever takes the place of its own last knock.
  FakeConnection* stranger = nullptr;
  for (int i = 0; i < 20; ++i) {
    FakeConnection* previous = stranger;
    stranger = &connect("192.0.2.66");
    ASSERT_TRUE(isWaitingEntry(stranger->slot));
    if (previous) {
      EXPECT_TRUE(previous->closed);
    }
  }
  EXPECT_FALSE(stranger->closed);
  // Both kept seats' players get back in while it sits there.
  EXPECT_EQ(comeBack(cyKey, "192.0.2.3").slot, 3);
  EXPECT_EQ(comeBack(bob->key(), "192.0.2.2").slot, 2);
  // With no seat kept any more, a waiting entry is given to nobody new.
  EXPECT_EQ(connect("192.0.2.77").slot, 0);
}

TEST_F(HeldSeatTest, AReturnBeforeTheHostSawTheDropReplacesTheOldConnection) {
  auto& back = comeBack(cyKey);
  clearAll();
  // Bob's machine changed its network; its old connection still looks alive.
  auto& again = comeBack(bob->key());
  EXPECT_EQ(again.slot, 2);
  EXPECT_TRUE(bob->closed);
  EXPECT_EQ(bob->slot, 0);  // its close is not reported as a departure
  EXPECT_TRUE(server.table().players[2].connected);
  EXPECT_TRUE(startsWith(ann->take(), "CMD_action+0+Bob is back in the seat."));
  EXPECT_FALSE(back.closed);
}

// Who reads the typed notices of a kept seat, by what Ann sent after her login.
struct NoticeCase {
  const char* what;
  std::string sent;
  bool typed;
};

void PrintTo(const NoticeCase& c, std::ostream* os) {
  *os << c.what;
}

class TypedNoticeTest : public HostTest, public ::testing::WithParamInterface<NoticeCase> {};

TEST_P(TypedNoticeTest, GoOnlyToConnectionsThatAskedForThem) {
  auto& ann = login("Ann");
  auto& bob = login("Bob");
  auto& cy = login("Cy");
  say(ann, GetParam().sent);
  say(ann, "CMD_startgame+Ann+3+30+");
  const std::string key = cy.key();
  clearAll();
  cy.close();
  const std::string plainKept =
      "CMD_action+0+Cy lost the connection. The seat is kept for 60 seconds.|";
  const auto kept = ann.take();
  ASSERT_EQ(kept.size(), 1u);
  if (GetParam().typed) {
    EXPECT_EQ(kept[0], "CMD_seatkept+3+60+");
  } else {
    EXPECT_TRUE(kept[0].starts_with(plainKept)) << kept[0];
  }
  // A peer without our additions reads a plain line, as ever.
  const auto bobKept = bob.take();
  ASSERT_EQ(bobKept.size(), 1u);
  EXPECT_TRUE(bobKept[0].starts_with(plainKept)) << bobKept[0];

  auto& back = connect();
  say(back, "CMD_reclaim+" + std::to_string(back.slot) + "+" + key);
  ASSERT_EQ(back.slot, 3);
  const auto backAgain = ann.take();
  ASSERT_EQ(backAgain.size(), 1u);
  if (GetParam().typed) {
    EXPECT_EQ(backAgain[0], "CMD_seatback+3+");
  } else {
    EXPECT_TRUE(backAgain[0].starts_with("CMD_action+0+Cy is back in the seat.|")) << backAgain[0];
  }
}

INSTANTIATE_TEST_SUITE_P(
    EachWord, TypedNoticeTest,
    ::testing::Values(NoticeCase{"levelOne", "CMD_extensions+1+1+", true},
                      NoticeCase{"aLaterLevel", "CMD_extensions+1+3+", true},
                      NoticeCase{"nothing", "CMD_chat+1+hi|clRed", false},
                      NoticeCase{"levelZero", "CMD_extensions+1+0+", false},
                      NoticeCase{"levelNotANumber", "CMD_extensions+1+x+", false},
                      NoticeCase{"noLevel", "CMD_extensions+1+", false},
                      NoticeCase{"junkAfterTheLevel", "CMD_extensions+1+1+x", false},
                      NoticeCase{"anotherSlot", "CMD_extensions+2+1+", false}),
    [](const auto& info) { return std::string(info.param.what); });

// A kick, leaving on purpose and any send-off give the seat up at once, not
// when a peer that stops reading gets round to closing: the key is spent.
TEST_F(HeldSeatTest, ASeatGivenUpIsGoneBeforeItsConnectionCloses) {
  for (const bool kicked : {true, false}) {
    SCOPED_TRACE(kicked ? "kicked" : "left");
    auto& dee = login(kicked ? "Dee" : "Eve");
    const int seat = dee.slot;
    const std::string key = dee.key();
    dee.lingers = true;
    if (kicked)
      say(*ann, "CMD_kickhim+1+" + std::to_string(seat) + "+");
    else
      leave(dee);
    EXPECT_FALSE(server.table().players[seat].connected);
    clearAll();
    auto& again = comeBack(key);
    EXPECT_TRUE(again.closed);
    EXPECT_NE(again.slot, seat);
    for (const auto& m : ann->take()) EXPECT_FALSE(m.starts_with("CMD_action+0+")) << m;
  }
}

// The relay limit belongs to the seat: coming back with a fresh connection
// does not refill it.
TEST_F(HeldSeatTest, TheRelayLimitStaysWithTheSeat) {
  auto& back = comeBack(cyKey);
  ASSERT_EQ(back.slot, 3);
  for (int i = 0; i < kRelayBurst; ++i) say(back, "CMD_chat+3+hi|clRed");
  const std::string key = back.key();
  back.close();
  auto& again = comeBack(key);
  ASSERT_EQ(again.slot, 3);
  clearAll();
  say(again, "CMD_chat+3+once more|clRed");
  EXPECT_TRUE(ann->take().empty());
}

// The role of starting games and removing players is never left to a seat
// whose player is gone for now; it comes back with the player.
TEST_F(HeldSeatTest, TheModeratorsRoleWaitsForNobody) {
  const std::string annKey = ann->key();
  ann->close();
  ASSERT_TRUE(server.held(1));
  EXPECT_EQ(server.moderator(), 2);
  EXPECT_NE(std::find(bob->messages.begin(), bob->messages.end(), "CMD_moderator+2+"),
            bob->messages.end());
  auto& back = comeBack(annKey);
  ASSERT_EQ(back.slot, 1);
  EXPECT_EQ(server.moderator(), 1);
  // And a seat given up passes it to the lowest player there.
  bob->close();
  leave(back);
  EXPECT_EQ(server.moderator(), 0);
}

// The word belongs to the connection that sent it: it goes with it into a
// kept seat taken back, and not to the next holder of a slot it left.
TEST_F(HeldSeatTest, TheWordForTypedNoticesGoesWithItsConnection) {
  auto& back = connect();
  say(back, "CMD_reclaim+" + std::to_string(back.slot) + "+" + cyKey);
  ASSERT_EQ(back.slot, 3);
  say(back, "CMD_extensions+3+1+");
  auto& dee = login("Dee");
  say(dee, "CMD_extensions+" + std::to_string(dee.slot) + "+1+");
  const int deeSlot = dee.slot;
  leave(dee);
  auto& eve = login("Eve");
  ASSERT_EQ(eve.slot, deeSlot);
  clearAll();
  bob->close();
  EXPECT_EQ(back.take(), std::vector<std::string>{"CMD_seatkept+2+60+"});
  const auto eveGot = eve.take();
  ASSERT_EQ(eveGot.size(), 1u);
  EXPECT_TRUE(eveGot[0].starts_with("CMD_action+0+Bob lost the connection.")) << eveGot[0];
}

}  // namespace
}  // namespace kuvo
