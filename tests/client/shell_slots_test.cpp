// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The slot rows: arrivals, departures, spectators and the host's moderation.
#include <gtest/gtest.h>
#include <QLabel>
#include <QMenu>

#include "playerslotspanel.h"
#include "shell_testsupport.h"

namespace kuvo {
namespace {

using testing::FakeServices;
using testing::TestMenu;

class SlotsTest : public ::testing::Test {
 protected:
  SlotsTest() : board(testing::makeBoard()), panel(board.get(), services, menu.menu) {
    services.clientState.loggedin = true;
    services.clientState.mynumber = 1;
    services.clientState.amhost = true;
  }

  FakeServices services;
  TestMenu menu;
  std::unique_ptr<QWidget> board;
  PlayerSlotsPanel panel;
};

TEST_F(SlotsTest, ExistingPlayersWithAWatcher) {
  panel.newplayerinfo("2+Bob+0+4+Cy+1");
  EXPECT_EQ(services.seats.name(2), QStringLiteral("Bob"));
  EXPECT_EQ(services.seats.name(4), QStringLiteral("Cy"));
  EXPECT_FALSE(services.seats.at(2).watching);
  EXPECT_TRUE(services.seats.at(4).watching);
  EXPECT_EQ(services.chat, QStringList({QStringLiteral("0+Bob is Connected."),
                                        QStringLiteral("0+Cy is Connected.")}));
  EXPECT_EQ(services.sounds, QStringList{QStringLiteral("entered")});
  // The rows show the model.
  EXPECT_EQ(panel.nameLabel(4)->text(), QStringLiteral("Cy"));
  EXPECT_FALSE(panel.watchingMark(4)->isHidden());
  EXPECT_TRUE(panel.watchingMark(2)->isHidden());
  EXPECT_EQ(panel.nameLabel(5)->text(), QStringLiteral("<Waiting>"));
}

TEST_F(SlotsTest, RowsFollowTheModel) {
  services.seats.setPulls(3, QStringLiteral("17"));
  services.seats.setTotal(3, QStringLiteral("1500"));
  services.seats.setCurrent(3, QStringLiteral("+500"));
  EXPECT_EQ(panel.pullsLabel(3)->text(), QStringLiteral("17"));
  EXPECT_EQ(panel.totalLabel(3)->text(), QStringLiteral("1500"));
  EXPECT_EQ(panel.currentLabel(3)->text(), QStringLiteral("+500"));
  EXPECT_EQ(panel.nameLabel(1)->geometry().topLeft(), QPoint(449, 51));
  EXPECT_EQ(panel.totalLabel(6)->geometry().topLeft(), QPoint(579, 164));
  EXPECT_EQ(panel.pullsLabel(2)->geometry().right() + 1, 445);
  EXPECT_EQ(panel.nameLabel(7), nullptr);
}

TEST_F(SlotsTest, SpectatorEntries) {
  struct Case {
    int mynumber;
    QStringList lines;
    int loads;
  };
  const Case cases[] = {
      {1, {QStringLiteral("0+Dee is Connected."), QStringLiteral("0+Dee is spying.")}, 0},
      {8, {QStringLiteral("0+You are Connected."), QStringLiteral("0+You are spying.")}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.mynumber);
    FakeServices fresh;
    fresh.clientState.mynumber = c.mynumber;
    auto freshBoard = testing::makeBoard();
    PlayerSlotsPanel spectators(freshBoard.get(), fresh, menu.menu);
    spectators.newplayerinfo("8+Dee+0");
    EXPECT_EQ(fresh.spectators, QStringList{QStringLiteral("8: Dee")});
    EXPECT_EQ(fresh.chat, c.lines);
    EXPECT_EQ(fresh.settingsLoads, c.loads);
    for (int n = 1; n <= 6; ++n) EXPECT_TRUE(fresh.seats.at(n).empty());
  }
}

TEST_F(SlotsTest, OwnArrivalLoadsTheSettings) {
  panel.newplayerinfo("1+Al+0");
  EXPECT_EQ(services.chat, QStringList{QStringLiteral("0+You are Connected.")});
  EXPECT_EQ(services.settingsLoads, 1);
  EXPECT_EQ(services.seats.name(1), QStringLiteral("Al"));
}

TEST_F(SlotsTest, Departures) {
  panel.newplayerinfo("2+Bob+1+5+Eve+0");
  services.spectators << QStringLiteral("7: Zed");
  services.chat.clear();

  panel.playerdisconnected("2+Bob");
  EXPECT_TRUE(services.seats.at(2).computer());
  EXPECT_EQ(panel.nameLabel(2)->text(), QStringLiteral("Rovi"));
  EXPECT_FALSE(services.seats.at(2).watching);
  panel.playerdisconnected("5+Eve");
  EXPECT_TRUE(services.seats.at(5).empty());
  EXPECT_EQ(panel.nameLabel(5)->text(), QStringLiteral("<Waiting>"));
  panel.playerdisconnected("2+Rovi");  // the computer leaving says nothing
  panel.playerdisconnected("7+Zed");
  panel.playerdisconnected("8+Nobody");  // not in the list: silently ignored
  EXPECT_EQ(services.chat, QStringList({QStringLiteral("0+Bob disconnected."),
                                        QStringLiteral("0+Eve disconnected."),
                                        QStringLiteral("0+Zed has left.")}));
  EXPECT_TRUE(services.spectators.isEmpty());
}

TEST_F(SlotsTest, MalformedPayloadsStayInRange) {
  const char* arrivals[] = {"", "x+y+z", "99+Zed+1", "0+Zero+1", "-3+Neg+1", "3", "3+a+b+1"};
  for (const char* payload : arrivals) panel.newplayerinfo(payload);
  const char* departures[] = {"", "abc", "0+x", "42+x", "-1+x", "6"};
  for (const char* payload : departures) panel.playerdisconnected(payload);
  // "3+a+b+1": a name with "+" splits; slot 3 takes "a", the stray "b" ends the list.
  EXPECT_EQ(services.seats.name(3), QStringLiteral("a"));
  EXPECT_TRUE(services.spectators.isEmpty());
  EXPECT_EQ(services.sounds.size(), 7);  // once per arrival message
}

TEST_F(SlotsTest, NamesAreShownAsText) {
  panel.newplayerinfo("3+<b>Big</b><img src=x>+0");
  EXPECT_EQ(panel.nameLabel(3)->textFormat(), Qt::PlainText);
  EXPECT_EQ(panel.nameLabel(3)->text(), QStringLiteral("<b>Big</b><img src=x>"));
}

TEST_F(SlotsTest, ModerationMenuEnabling) {
  struct Case {
    bool host;
    int slot;
    bool remove, set, unset;
  };
  services.seats.setPlayer(3, QStringLiteral("Cy"));
  services.seats.setPlayer(5, QStringLiteral("<Waiting>"));
  const Case cases[] = {
      {true, 4, false, true, true},     // host, empty slot
      {true, 3, true, true, true},      // host, occupied slot
      {true, 5, true, true, true},      // a player is a player whatever it is called
      {false, 3, false, false, false},  // joined player
      {false, 4, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.host << " " << c.slot);
    services.clientState.amhost = c.host;
    panel.label_playername1ContextPopup(c.slot);
    EXPECT_EQ(panel.removeFromGame()->isEnabled(), c.remove);
    EXPECT_EQ(panel.setToJustWatch()->isEnabled(), c.set);
    EXPECT_EQ(panel.unsetJustWatch()->isEnabled(), c.unset);
    EXPECT_EQ(panel.target(), c.slot);
  }
  EXPECT_EQ(panel.kickMenu()->actions().at(0)->text(), QStringLiteral("&Remove From Game"));
}

TEST_F(SlotsTest, ModerationRequests) {
  services.seats.setPlayer(4, QStringLiteral("Cy"));
  panel.label_playername1ContextPopup(4);
  panel.removeFromGame()->trigger();
  panel.setToJustWatch()->trigger();
  panel.unsetJustWatch()->trigger();
  EXPECT_EQ(services.sent.at(0), std::string("CMD_kickhim+1+4+\xFF"));
  EXPECT_EQ(services.sentText(), (std::vector<std::string>{"CMD_kickhim+1+4+", "CMD_justwatch+4+1",
                                                           "CMD_justwatch+4+2"}));
  EXPECT_EQ(services.dialogs.questions, QStringList{QStringLiteral("Remove Cy from the table?")});
  services.sent.clear();
  services.dialogs.answerYes = false;
  panel.removeFromGame()->trigger();
  EXPECT_TRUE(services.sent.empty());
  services.clientState.amhost = false;
  panel.kicking(4);
  services.clientState.amhost = true;
  services.clientState.loggedin = false;
  panel.kicking(4);
  panel.SettoJustWatch1Click();
  EXPECT_TRUE(services.sent.empty());
}

// Slot 2 changes hands during a game: the newcomer or the computer plays on
// with the seat's total, and everybody is told; before a game, or for a
// returning player's view of the table, nobody takes anything over.
TEST_F(SlotsTest, TakeoversOfTheComputersSeat) {
  struct Case {
    bool gameOn;
    bool returning;
    QStringList lines;
  };
  const Case cases[] = {
      {true,
       false,
       {QStringLiteral("0+Bob is Connected."),
        QStringLiteral("0+Bob takes over Rovi's seat (800 points)."),
        QStringLiteral("0+Bob disconnected."),
        QStringLiteral("0+Rovi takes over Bob's seat (1200 points).")}},
      {false,
       false,
       {QStringLiteral("0+Bob is Connected."), QStringLiteral("0+Bob disconnected.")}},
      {true,
       true,
       {QStringLiteral("0+Bob disconnected."),
        QStringLiteral("0+Rovi takes over Bob's seat (1200 points).")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.gameOn << c.returning);
    services.chat.clear();
    services.chatColours.clear();
    services.seats.setComputer(2);
    services.seats.setTotal(2, QStringLiteral("800"));
    services.clientState.returning = c.returning;
    panel.newplayerinfo("2+Bob+0", c.gameOn);
    services.clientState.returning = false;
    services.seats.setTotal(2, QStringLiteral("1200"));
    panel.playerdisconnected("2+Bob", c.gameOn);
    EXPECT_TRUE(services.seats.at(2).computer());
    EXPECT_EQ(services.seats.at(2).total, QStringLiteral("1200"));
    EXPECT_EQ(services.chat, c.lines);
    for (Colour colour : services.chatColours) EXPECT_EQ(colour, services.clientState.systemcolor);
  }
}

TEST_F(SlotsTest, AnEmptiedSeatDropsOutOfTheGame) {
  for (const bool gameOn : {true, false}) {
    SCOPED_TRACE(gameOn);
    services.seats.setPlayer(4, QStringLiteral("Dee"));
    services.seats.setTotal(4, QStringLiteral("12000"));
    services.seats.setPulls(4, QStringLiteral("7"));
    panel.playerdisconnected("4+Dee", gameOn);
    EXPECT_TRUE(services.seats.at(4).empty());
    EXPECT_EQ(panel.totalLabel(4)->text(), gameOn ? QString() : QStringLiteral("12000"));
    EXPECT_EQ(panel.pullsLabel(4)->text(), gameOn ? QString() : QStringLiteral("7"));
  }
}

TEST_F(SlotsTest, KeptSeatsAndReturns) {
  panel.newplayerinfo("4+Dee+0+5+Eve+0");
  services.chat.clear();
  services.chatColours.clear();
  panel.seatkept("4+60+");
  panel.seatback("4+");
  panel.seatkept("5+45+");
  // Out of range, an empty seat, the computer, or no sane number of seconds: nothing.
  for (const char* payload : {"9+60+", "0+60+", "6+60+", "2+60+", "4+x+", "4+-1+", "4+86400+", "x"})
    panel.seatkept(payload);
  for (const char* payload : {"9+", "6+", "2+", "", "-1+"}) panel.seatback(payload);
  EXPECT_EQ(
      services.chat,
      (QStringList{QStringLiteral("0+Dee lost the connection. The seat is kept for 60 seconds."),
                   QStringLiteral("0+Dee is back in the seat."),
                   QStringLiteral("0+Eve lost the connection. The seat is kept for 45 seconds.")}));
  for (Colour colour : services.chatColours) EXPECT_EQ(colour, services.clientState.systemcolor);
  // A kept seat is still held: nothing changes hands.
  EXPECT_EQ(services.seats.name(4), QStringLiteral("Dee"));
}

TEST_F(SlotsTest, ARemovalIsToldOnce) {
  panel.newplayerinfo("1+Ann+0+3+Cid+0+4+Dee+0");
  services.chat.clear();
  panel.removed("1+3+");
  panel.playerdisconnected("3+Cid");
  panel.playerdisconnected("4+Dee");
  // The seat's next player leaves as anybody does.
  panel.newplayerinfo("3+Eve+0");
  panel.playerdisconnected("3+Eve");
  EXPECT_EQ(
      services.chat,
      (QStringList{QStringLiteral("0+Ann removed Cid."), QStringLiteral("0+Dee disconnected."),
                   QStringLiteral("0+Eve is Connected."), QStringLiteral("0+Eve disconnected.")}));
  EXPECT_TRUE(services.clientState.closingNotice.isEmpty());

  // Our own removal is told when the connection ends, not in the chat.
  services.chat.clear();
  for (const char* payload : {"9+1+", "x+1+", "1+", "3+1+"}) panel.removed(payload);
  EXPECT_TRUE(services.clientState.closingNotice.isEmpty());
  panel.removed("1+1+");
  EXPECT_EQ(services.clientState.closingNotice, QStringLiteral("Ann removed you from the table."));
  EXPECT_TRUE(services.chat.isEmpty());
}

TEST_F(SlotsTest, TheWatchingMarkCoversNeitherPullsNorNameNorTotal) {
  for (int n = 1; n <= 6; ++n) {
    SCOPED_TRACE(n);
    const QRect mark = panel.watchingMark(n)->geometry();
    for (const QLabel* label : {panel.pullsLabel(n), panel.nameLabel(n), panel.totalLabel(n)})
      EXPECT_FALSE(mark.intersects(label->geometry())) << label->objectName().toStdString();
    EXPECT_GE(mark.top(), panel.nameLabel(n)->geometry().top());
    EXPECT_LE(mark.bottom(), panel.nameLabel(n)->geometry().bottom());
  }
}

TEST_F(SlotsTest, TheModeratorsRoleIsReadAtTheClick) {
  // The role passes during a session: the menu as opened and the click as
  // made follow the role at that moment.
  struct Case {
    bool atOpening, atClick;
    bool enabled;
    std::size_t sends;
  };
  services.seats.setPlayer(4, QStringLiteral("Cy"));
  for (const Case c : {Case{false, true, false, 3}, Case{true, false, true, 0},
                       Case{true, true, true, 3}, Case{false, false, false, 0}}) {
    SCOPED_TRACE(::testing::Message() << c.atOpening << c.atClick);
    services.sent.clear();
    services.clientState.amhost = c.atOpening;
    panel.label_playername1ContextPopup(4);
    EXPECT_EQ(panel.removeFromGame()->isEnabled(), c.enabled);
    services.clientState.amhost = c.atClick;
    panel.RemoveFromGame1Click();
    panel.SettoJustWatch1Click();
    panel.UnsetJustWatch1Click();
    EXPECT_EQ(services.sent.size(), c.sends);
  }
}

TEST_F(SlotsTest, OwnJustWatchFollowsTheHost) {
  services.clientState.mynumber = 3;
  menu.menu.justWatch->trigger();
  EXPECT_FALSE(menu.menu.justWatch->isChecked());
  menu.menu.justWatch->setChecked(true);  // the host confirmed
  menu.menu.justWatch->trigger();
  EXPECT_TRUE(menu.menu.justWatch->isChecked());
  EXPECT_EQ(services.sentText(),
            (std::vector<std::string>{"CMD_justwatch+3+1", "CMD_justwatch+3+2"}));
  services.sent.clear();
  services.clientState.mynumber = 7;  // spectators have nothing to watch
  menu.menu.justWatch->trigger();
  EXPECT_TRUE(services.sent.empty());
}

}  // namespace
}  // namespace kuvo
