// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's start-up paths, login and dispatcher, against a real host
// or a scripted one on loopback.
#include <QAbstractButton>
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "chatpanel.h"
#include "datapaths.h"
#include "fakeprompts.h"
#include "gametable.h"
#include "messages.h"
#include "playwithothers.h"
#include "seatkeyfile.h"
#include "tchat.h"
#include "tcphost.h"
#include "tgamestart.h"
#include "translations.h"
#include "tspylist.h"
#include "ttallylist.h"
#include "waituntil.h"

namespace kuvo {
namespace {

const std::string FF(1, kTerminator);

// A host played by the test: accepts one client and scripts the conversation.
class ScriptedHost {
 public:
  ScriptedHost() { server.listen(QHostAddress::LocalHost, 0); }
  bool accept() {
    if (!waitUntil([&] { return server.hasPendingConnections(); })) return false;
    peer.reset(server.nextPendingConnection());
    return true;
  }
  void send(const std::string& bytes) {
    peer->write(bytes.data(), static_cast<qint64>(bytes.size()));
    peer->flush();
  }
  std::string receive(std::size_t atLeast) {
    waitUntil([&] {
      received += peer->readAll().toStdString();
      return received.size() >= atLeast;
    });
    return received;
  }
  QTcpServer server;
  std::unique_ptr<QTcpSocket> peer;
  std::string received;
};

struct Window {
  Window(QStringList arguments, quint16 gamePort, quint16 lobbyPort = 1,
         ClientIntervals intervals = {})
      : random(5), chat(random, std::move(arguments), intervals) {
    chat.setPorts(gamePort, lobbyPort);
    chat.setPrompts(prompts);
  }
  QString chatText() { return chat.chat().mainchat()->toPlainText(); }
  testing::FakePrompts prompts;
  Random random;
  Tchat chat;
  const QStringList& boxes = prompts.notices;
};

TEST(Tchat, JoiningLogsInWithTheAssignedNumber) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  EXPECT_TRUE(w.chatText().contains("Loading Multi-player Game.. Please Wait."));
  EXPECT_FALSE(w.chat.state().amhost);
  host.send("CMD_sendlogininfo+3" + FF);
  // The login, then the word that this client reads the typed notices.
  const std::string expected =
      "CMD_logininfo+3+" + std::string(kVersion) + "+Ann" + FF + FF + "CMD_extensions+3+1+" + FF;
  EXPECT_EQ(host.receive(expected.size()), expected);
  EXPECT_TRUE(w.chat.state().loggedin);
  EXPECT_EQ(w.chat.state().mynumber, 3);
}

TEST(Tchat, WhoeverJoinsIntoSlotOneStartsTheGames) {
  for (int slot : {1, 2}) {
    ScriptedHost host;
    Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
    w.chat.show();
    ASSERT_TRUE(host.accept());
    EXPECT_FALSE(w.chat.table().startButton()->isVisible());
    host.send("CMD_sendlogininfo+" + std::to_string(slot) + FF);
    ASSERT_TRUE(waitUntil([&] { return w.chat.state().loggedin; }));
    EXPECT_EQ(w.chat.state().amhost, slot == 1);
    EXPECT_EQ(w.chat.table().startButton()->isVisible(), slot == 1);
    EXPECT_EQ(w.chat.menu().startGame->isEnabled(), slot == 1);
  }
}

TEST(Tchat, PhraseButtonsRestAfterEachPhrase) {
  ScriptedHost host;
  ClientIntervals fast;
  fast.phraseCooldown = std::chrono::milliseconds(1);
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort(), 1, fast);
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+3" + FF);
  const std::string login =
      "CMD_logininfo+3+" + std::string(kVersion) + "+Ann" + FF + FF + "CMD_extensions+3+1+" + FF;
  ASSERT_EQ(host.receive(login.size()), login);
  auto* button = qobject_cast<QAbstractButton*>(w.chat.chat().phraseButton(1));
  ASSERT_NE(button, nullptr);
  button->click();
  button->click();  // cooling down: sends nothing
  const std::string phrase = "CMD_action+3+says: Way To Go!|";
  host.receive(login.size() + phrase.size());
  EXPECT_EQ(w.chat.state().phraseready, false);
  // The cooldown clock runs only while a button rests, then stops.
  ASSERT_TRUE(waitUntil([&] { return w.chat.state().phraseready; }));
  button->click();
  const std::string twice = host.receive(login.size() + 2 * phrase.size() + 20);
  std::size_t count = 0;
  for (auto at = twice.find(phrase); at != std::string::npos; at = twice.find(phrase, at + 1))
    ++count;
  EXPECT_EQ(count, 2u);
}

TEST(Tchat, DispatchesOneMessagePerTickByExactName) {
  ScriptedHost host;
  ClientIntervals byHand;
  byHand.dispatcher = std::chrono::hours(1);  // the test gives every tick itself
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort(), 1, byHand);
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+3" + FF + "CMD_wrongversion+" + FF + "cmd_wrongversion+" + FF +
            "CMD_havewrongversion+Bob" + FF + "CMD_wrongversion" + FF);
  const QString ours = "You have a differnt version of the game then the host.";
  const QString bobs = "Bob has a different version of the game then you.";
  // What the chat holds after each tick: names match exactly, case and "+" included.
  const struct {
    int mynumber, ourLines;
    bool bobsLine;
  } afterTick[] = {{3, 0, false}, {3, 1, false}, {3, 1, false}, {3, 1, true}, {3, 1, true}};
  for (std::size_t tick = 0; tick < std::size(afterTick); ++tick) {
    ASSERT_TRUE(waitUntil([&] { return !w.chat.queueEmpty(); })) << "tick " << tick;
    w.chat.processsocktimer();
    EXPECT_EQ(w.chat.state().mynumber, afterTick[tick].mynumber) << "tick " << tick;
    EXPECT_EQ(w.chatText().count(ours), afterTick[tick].ourLines) << "tick " << tick;
    EXPECT_EQ(w.chatText().contains(bobs), afterTick[tick].bobsLine) << "tick " << tick;
  }
  EXPECT_TRUE(w.chat.queueEmpty());
}

TEST(Tchat, StartingBeforeLoginSaysNotConnected) {
  Window w({"Ann"}, 1);
  w.chat.show();
  w.chat.button_startClick();
  EXPECT_EQ(w.boxes, QStringList{"You are not connected"});
}

TEST(Tchat, OneOrTwoArgumentsOnlyWait) {
  for (const QStringList& arguments : {QStringList{"Ann"}, QStringList{"Ann", "10.0.0.5"}}) {
    Window w(arguments, 1);
    w.chat.show();
    EXPECT_TRUE(w.chatText().contains("Loading Multi-player Game.. Please Wait."));
    EXPECT_EQ(w.chat.socket().state(), QAbstractSocket::UnconnectedState);
    EXPECT_FALSE(w.chat.table().startButton()->isVisible());
  }
}

TEST(Tchat, HostingListensLocallyConnectsToItselfAndOpensTheLobbyLink) {
  QTcpServer lobby;
  ASSERT_TRUE(lobby.listen(QHostAddress::LocalHost, 0));
  Random hostRandom(9);
  TcpHost host(hostRandom, {});
  Window w({"Ann", "10.0.0.5", "true"}, 0, lobby.serverPort());
  w.chat.attachWindows({nullptr, nullptr, nullptr, nullptr, nullptr, &host, nullptr, nullptr});
  w.chat.show();
  EXPECT_TRUE(w.chat.state().amhost);
  EXPECT_TRUE(w.chat.menu().startGame->isEnabled());
  EXPECT_TRUE(waitUntil([&] { return w.chat.state().mynumber == 1; }));
  EXPECT_EQ(w.chat.socket().peerAddress(), QHostAddress(QHostAddress::LocalHost));
  EXPECT_TRUE(waitUntil([&] { return lobby.hasPendingConnections(); }));
  EXPECT_TRUE(waitUntil([&] { return w.chatText().contains("You are Connected."); }));
  EXPECT_EQ(host.server().table().players[1].name, "Ann");
}

TEST(Tchat, SoloGameHostsAsYou) {
  Random hostRandom(9);
  TcpHost host(hostRandom, {});
  Window w({}, 0);
  w.chat.attachWindows({nullptr, nullptr, nullptr, nullptr, nullptr, &host, nullptr, nullptr});
  w.chat.show();
  EXPECT_TRUE(w.chatText().contains("Loading Solo Game..Please wait."));
  EXPECT_EQ(w.chat.state().myname, "You");
  EXPECT_TRUE(waitUntil([&] { return host.server().table().players[1].name == "You"; }));
  EXPECT_EQ(w.chat.state().mynumber, 1);
}

TEST(Tchat, AFullHostEndsTheProgramAfterSayingSo) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  bool visibleAtTheBox = false;
  w.prompts.whileTold = [&] { visibleAtTheBox = w.chat.isVisible(); };
  w.chat.show();
  ASSERT_TRUE(host.accept());
  // As a full host does: the refusal, and the close right behind it.
  host.send("CMD_full+" + FF);
  host.peer->close();
  EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
  EXPECT_EQ(w.boxes, QStringList{"Game is full"});
  EXPECT_TRUE(visibleAtTheBox);
}

TEST(Tchat, NoBoxLetsTheDispatcherRunInsideIt) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  int depth = 0, deepest = 0;
  bool handledDuringTheBox = false;
  w.prompts.whileTold = [&] {
    deepest = std::max(deepest, ++depth);
    QTest::qWait(100);  // a modal box runs the event loop until it is answered
    handledDuringTheBox = w.chatText().contains("differnt version");
    --depth;
  };
  w.chat.show();
  ASSERT_TRUE(host.accept());
  std::string burst;
  for (int i = 0; i < 10; ++i) burst += "CMD_full+" + FF;
  host.send(burst + "CMD_wrongversion+" + FF);
  EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
  EXPECT_EQ(w.boxes, QStringList{"Game is full"});
  EXPECT_EQ(deepest, 1);
  EXPECT_FALSE(handledDuringTheBox);
}

TEST(Tchat, GameIsFullCountsOnlyBeforeLogin) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+3" + FF + "CMD_full+" + FF + "CMD_full+" + FF +
            "CMD_havewrongversion+Bob" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("Bob has a different"); }));
  EXPECT_TRUE(w.chat.isVisible());
  EXPECT_TRUE(w.boxes.isEmpty());
}

TEST(Tchat, AFailedJoinSaysWhyAndLeavesTheSettingsAlone) {
  QTemporaryDir folder;
  const QString previous = dataFolder();
  setDataFolderOverride(folder.path());
  const QString ini = folder.filePath("orvellobby.ini");
  const QByteArray mine =
      "[Kuvo]\nTextsize=14\nTop=40\nLeft=50\nWidth=900\nHeight=700\n"
      "Textcolor=clLime\nPlaysounds=false\n";
  {
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(mine);
  }
  quint16 port = 0;
  {
    QTcpServer gone;  // a port that nobody listens on any more
    ASSERT_TRUE(gone.listen(QHostAddress::LocalHost, 0));
    port = gone.serverPort();
  }
  {
    Window w({"Ann", "127.0.0.1", "false"}, port);
    w.chat.show();
    w.chat.move(300, 200);
    EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
    EXPECT_EQ(w.boxes, QStringList{QString("Could not reach the table at 127.0.0.1:%1. Check the "
                                           "address, and that the table is running and lets "
                                           "players in through its firewall.")
                                       .arg(port)});
  }
  QFile file(ini);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), mine);
  setDataFolderOverride(previous);
}

TEST(Tchat, HostingOnATakenPortConnectsNowhere) {
  QTcpServer holder;
  ASSERT_TRUE(holder.listen(QHostAddress::LocalHost, 0));
  Random hostRandom(9);
  TcpHost host(hostRandom, {});
  Window w({"Ann", "10.0.0.5", "true"}, holder.serverPort());
  w.chat.attachWindows({nullptr, nullptr, nullptr, nullptr, nullptr, &host, nullptr, nullptr});
  w.chat.show();
  EXPECT_EQ(w.boxes, QStringList{"Listen - Error Binding Socket"});
  EXPECT_TRUE(w.chatText().contains(QString("port %1 of this computer is in use, most likely by "
                                            "another table. Close that program, or join its table.")
                                        .arg(holder.serverPort())));
  QTest::qWait(50);
  EXPECT_FALSE(holder.hasPendingConnections());
  EXPECT_EQ(w.chat.socket().state(), QAbstractSocket::UnconnectedState);
  EXPECT_TRUE(w.chat.isVisible());
  EXPECT_FALSE(w.chat.state().amhost);
  EXPECT_FALSE(w.chat.menu().startGame->isEnabled());
}

TEST(Tchat, TheSettingsAreReadOnceAtOurOwnLogin) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+3" + FF + "CMD_newplayerinfo+3+Ann+0+" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("You are Connected."); }));
  w.chat.chat().setTextSize(14);
  host.send("CMD_existingplayers+3+Ann+0+3+Ann+0+" + FF + "CMD_havewrongversion+Bob" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("Bob has a different"); }));
  EXPECT_EQ(w.chat.chat().textSize(), 14);
}

TEST(Tchat, TheTableMayNameAnotherModerator) {
  struct Case {
    const char* third;  // "true": this instance runs the table
    int login;
    const char* moderator;
    bool moderating;
  };
  const Case cases[] = {
      {"false", 2, "2", true},   // slot 1 left a table of kuvo-host: we are next
      {"false", 1, "3", false},  // someone else holds the seat now
      {"false", 1, "1", true},
      {"true", 1, "2", true},  // our own table stays ours
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.third) + " " + std::to_string(c.login) + " " + c.moderator);
    ScriptedHost host;
    Window w({"Ann", "127.0.0.1", c.third}, host.server.serverPort());
    w.chat.show();
    ASSERT_TRUE(host.accept());
    host.send("CMD_sendlogininfo+" + std::to_string(c.login) + FF + "CMD_moderator+" + c.moderator +
              "+" + FF + "CMD_havewrongversion+Bob" + FF);
    ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("Bob has a different"); }));
    EXPECT_EQ(w.chat.state().amhost, c.moderating);
    EXPECT_EQ(w.chat.table().startButton()->isVisible(), c.moderating);
    EXPECT_EQ(w.chat.menu().startGame->isEnabled(), c.moderating);
  }
}

TEST(Tchat, GameOptionsAndRestartingARunningGame) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  Tgamestart gamestart(&w.chat);
  w.chat.attachWindows({nullptr, nullptr, &gamestart, nullptr, nullptr, nullptr, nullptr, nullptr});
  const QStringList& questions = w.prompts.questions;
  w.prompts.answerYes = false;
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+1" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chat.state().loggedin; }));
  QWidget* button = w.chat.table().startButton();

  // Closed without starting: the board's button comes back.
  QTest::mouseClick(button, Qt::LeftButton);
  ASSERT_TRUE(gamestart.isVisible());
  EXPECT_FALSE(button->isVisible());
  gamestart.close();
  EXPECT_TRUE(button->isVisible());
  EXPECT_TRUE(questions.isEmpty());

  // While a game runs the menu asks first.
  host.send("CMD_startgame+Ann+4+0+" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chat.table().gameRunning(); }));
  w.chat.menu().startGame->trigger();
  EXPECT_EQ(questions.size(), 1);
  EXPECT_FALSE(gamestart.isVisible());
  w.prompts.answerYes = true;
  w.chat.menu().startGame->trigger();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_TRUE(gamestart.isVisible());
}

TEST(Tchat, LosingTheConnectionClosesTheWindowOnce) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+2" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chat.state().loggedin; }));
  host.peer->abort();  // a reset, not a polite close
  EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
  EXPECT_EQ(w.boxes, QStringList{"The connection to the table was closed."});
}

TEST(Tchat, AFloodingHostIsCutOff) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send(std::string(kMaxPendingBytes + 10, 'x'));
  EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
}

TEST(Tchat, TheHostsTypedNoticesShowInTheChat) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+3" + FF + "CMD_existingplayers+1+Bob+0+4+Dee+0" + FF +
            "CMD_seatkept+4+60+" + FF + "CMD_seatback+4+" + FF + "CMD_removed+1+4+" + FF +
            "CMD_playerdisconnected+4+Dee" + FF);
  // Bob seated and Dee gone: the last message is handled.
  ASSERT_TRUE(waitUntil([&] {
    return w.chat.playerSlots().name(1) == "Bob" && w.chat.playerSlots().at(4).empty() &&
           w.chat.queueEmpty();
  }));
  const QString text = w.chatText();
  QStringList lines;
  for (const QString& line : text.section(QStringLiteral("Dee is Connected."), 1)
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    if (!line.simplified().isEmpty()) lines << line.simplified();
  EXPECT_EQ(lines, (QStringList{"Dee lost the connection. The seat is kept for 60 seconds.",
                                "Dee is back in the seat.", "Bob removed Dee."}))
      << lines.join(QLatin1Char('|')).toStdString();
}

// The tally follows whoever holds a seat, never by the name it shows.
TEST(Tchat, TheTallyListsTheOthersWhoHoldASeat) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  Window w({"Ann"}, 1);
  Ttallylist tally(&w.chat, folder.filePath("Kuvotally.tld"));
  w.chat.attachWindows({&tally, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr});
  w.chat.state().mynumber = 3;
  PlayerSlots& seats = w.chat.playerSlots();
  seats.setPlayer(1, "<Waiting>");
  seats.setComputer(2);
  seats.setPlayer(3, "Ann");
  seats.setPlayer(5, "addtomine");
  tally.loadchecklist();
  QStringList names;
  for (const auto& entry : tally.store().checklist()) names << entry.name;
  EXPECT_EQ(names, (QStringList{"<Waiting>", "Rovi", "addtomine"}));
}

// ---- A lost connection ----

TEST(Tchat, ALostConnectionDuringAGameComesBackToTheSameSeat) {
  Random hostRandom(9);
  TcpHost host(hostRandom, {});
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  Window w({"Ann", "127.0.0.1", "false"}, host.port());
  w.chat.show();
  ASSERT_TRUE(waitUntil([&] { return w.chat.state().mynumber == 1 && w.chat.state().amhost; }));
  w.chat.sendToHost("CMD_startgame+Ann+3+60+" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chat.table().gameRunning() && w.chat.queueEmpty(); }));
  w.chat.table().image_ballMouseDown();
  w.chat.table().image_ballMouseUp();
  ASSERT_TRUE(waitUntil([&] { return host.server().table().players[1].pullsleft < 20; }));
  ASSERT_TRUE(waitUntil([&] { return w.chat.queueEmpty(); }));

  // The host's side of the connection breaks.
  QElapsedTimer clock;
  clock.start();
  for (auto* socket : host.findChildren<QTcpSocket*>()) socket->abort();
  ASSERT_TRUE(waitUntil([&] { return w.chat.reconnecting() || w.chatText().contains("back in"); }));
  ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("You are back in your seat"); }));
  std::printf("[ figure ] back in the seat %lld ms after the drop, on loopback\n",
              static_cast<long long>(clock.elapsed()));
  EXPECT_FALSE(w.chat.reconnecting());
  EXPECT_FALSE(w.chat.stopReconnecting()->isVisible());
  EXPECT_TRUE(w.chat.isVisible());
  EXPECT_TRUE(w.boxes.isEmpty());
  EXPECT_EQ(w.chat.state().mynumber, 1);
  EXPECT_FALSE(host.server().held(1));
  EXPECT_EQ(host.server().table().players[1].name, "Ann");
  ASSERT_TRUE(waitUntil([&] { return w.chat.queueEmpty(); }));
  // The table's account of who sits there is no news of arrivals.
  const QString afterReturn = w.chatText().section(QStringLiteral("You are back in your seat"), 1);
  EXPECT_FALSE(afterReturn.contains(QStringLiteral("Connected"))) << afterReturn.toStdString();
  // The table as it stands: the host's round, pulls and total for this seat.
  const auto& me = host.server().table().players[1];
  EXPECT_EQ(w.chat.table().headingText(), "Round: 1 of 3");
  EXPECT_EQ(w.chat.table().state().mypulls, me.pullsleft);
  EXPECT_EQ(w.chat.playerSlots().at(1).total, QString::number(me.score));
  EXPECT_EQ(w.chat.playerSlots().name(2), "Rovi");

  // And play goes on from the new connection.
  const int pulls = me.pullsleft;
  if (!w.chat.table().mustchoose()) {
    w.chat.table().image_ballMouseDown();
    w.chat.table().image_ballMouseUp();
    EXPECT_TRUE(waitUntil([&] { return host.server().table().players[1].pullsleft < pulls; }));
  }
}

TEST(Tchat, ATableThatRefusesForAMomentIsTriedAgain) {
  ScriptedHost host;
  const quint16 port = host.server.serverPort();
  ClientIntervals quick;
  quick.reconnectRetry = std::chrono::milliseconds(50);
  quick.reconnectFor = std::chrono::milliseconds(5000);
  Window w({"Ann", "127.0.0.1", "false"}, port, 1, quick);
  w.chat.show();
  ASSERT_TRUE(host.accept());
  const std::string key = "0123456789abcdef0123456789abcdef";
  host.send("CMD_sendlogininfo+3" + FF + "CMD_newplayerinfo+3+Ann+0" + FF + "CMD_seatkey+3+" + key +
            FF + "CMD_startgame+Bob+3+0+" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chat.table().gameRunning() && w.chat.queueEmpty(); }));

  // Nothing listens for a while: every try is refused.
  host.server.close();
  host.peer->abort();
  ASSERT_TRUE(waitUntil([&] { return w.chat.reconnecting(); }));
  QTest::qWait(300);
  EXPECT_TRUE(w.chat.reconnecting());
  EXPECT_TRUE(w.boxes.isEmpty());
  EXPECT_TRUE(w.chatText().contains("The connection to the table was lost."));
  // A click meanwhile has its say, but the line keeps telling what goes on.
  const QString lost = "Connection lost - reconnecting…";
  EXPECT_EQ(w.chat.table().statusText(), lost);
  w.chat.table().chooseCell(0, 0);
  EXPECT_EQ(w.chat.table().statusText(), lost);

  ASSERT_TRUE(host.server.listen(QHostAddress::LocalHost, port));
  ASSERT_TRUE(host.accept());
  host.received.clear();
  host.send("CMD_sendlogininfo+5" + FF);
  const std::string reclaim = "CMD_reclaim+5+" + key + FF;
  EXPECT_EQ(host.receive(reclaim.size()), reclaim);
  host.received.clear();
  host.send("CMD_seatkey+3+" + key + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("You are back in your seat"); }));
  EXPECT_NE(w.chat.table().statusText(), lost);
  // Back in the seat, the word that this client reads the typed notices, from
  // the seat: a new connection knows nothing of the old one's.
  const std::string extensions = "CMD_extensions+3+1+" + FF;
  EXPECT_EQ(host.receive(extensions.size()), extensions);
}

// A host that keeps a returning player dangling (never answers, or gives the
// seat back and drops it at once, or says it is full) costs one absence of at
// most its deadline, told once in the chat.
TEST(Tchat, AReturnHasOneDeadlineHoweverTheHostPlaysIt) {
  enum class Host { Silent, DropsAtOnce, Full };
  for (const Host how : {Host::Silent, Host::DropsAtOnce, Host::Full}) {
    SCOPED_TRACE(static_cast<int>(how));
    ScriptedHost host;
    ClientIntervals quick;
    quick.reconnectRetry = std::chrono::milliseconds(20);
    quick.reconnectTry = std::chrono::milliseconds(200);
    quick.reconnectFor = std::chrono::milliseconds(1500);
    Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort(), 1, quick);
    w.chat.show();
    ASSERT_TRUE(host.accept());
    const std::string key = "0123456789abcdef0123456789abcdef";
    host.send("CMD_sendlogininfo+3" + FF + "CMD_newplayerinfo+3+Ann+0" + FF + "CMD_seatkey+3+" +
              key + FF + "CMD_startgame+Bob+3+0+" + FF);
    ASSERT_TRUE(waitUntil([&] { return w.chat.table().gameRunning() && w.chat.queueEmpty(); }));
    host.peer->abort();
    int tries = 0;
    QElapsedTimer clock;
    clock.start();
    while (w.boxes.isEmpty() && clock.elapsed() < 10'000) {
      QTest::qWait(10);
      if (!host.server.hasPendingConnections()) continue;
      ++tries;
      host.peer.reset(host.server.nextPendingConnection());
      if (how == Host::DropsAtOnce) {
        host.send("CMD_sendlogininfo+5" + FF);
        host.receive(1);
        host.send("CMD_seatkey+3+" + key + FF);
        QTest::qWait(30);
        host.peer->abort();
      } else if (how == Host::Full) {
        host.send("CMD_full+" + FF);
        host.peer->disconnectFromHost();
      }
    }
    EXPECT_EQ(w.boxes, QStringList{"The connection to the table was closed."});
    EXPECT_LT(clock.elapsed(), 5'000);
    EXPECT_GE(tries, 2);  // a full table or a silent one is tried again
    EXPECT_EQ(w.chatText().count("The connection to the table was lost."), 1);
  }
}

// Sent off, the player does not come back; the box says why when the host told.
TEST(Tchat, ARemovedPlayerDoesNotComeBack) {
  struct Case {
    std::string why;
    QString box;
  };
  const Case cases[] = {
      {"", "The connection to the table was closed."},
      {"CMD_removed+1+3+" + FF, "Bob removed you from the table."},
      {"CMD_tableclosed+1+" + FF, "Bob closed the table."},
      {"CMD_tableclosed+0+" + FF, "The table was closed."},
      {"CMD_tableclosed+4+" + FF, "The table was closed."},  // nobody sits there
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    ScriptedHost host;
    Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
    w.chat.show();
    ASSERT_TRUE(host.accept());
    host.send("CMD_sendlogininfo+3" + FF + "CMD_newplayerinfo+3+Ann+0" + FF +
              "CMD_newplayerinfo+1+Bob+0" + FF + "CMD_seatkey+3+0123456789abcdef0123456789abcdef" +
              FF + "CMD_startgame+Bob+3+0+" + FF + c.why + "CMD_leaving+3+" + FF);
    ASSERT_TRUE(waitUntil([&] { return w.chat.table().gameRunning() && w.chat.queueEmpty(); }));
    host.peer->disconnectFromHost();
    ASSERT_TRUE(waitUntil([&] { return !w.boxes.isEmpty(); }));
    EXPECT_FALSE(w.chat.reconnecting());
    EXPECT_EQ(w.boxes, QStringList{c.box});
    EXPECT_FALSE(host.server.hasPendingConnections());
  }
}

// ---- Leaving a table this instance runs ----

// A watcher is removed from the spy list as a player is from its name: after a yes.
TEST(Tchat, RemovingAWatcherAsksFirst) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  Tspylist spylist(&w.chat);
  w.chat.attachWindows({.spylist = &spylist});
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+1" + FF + "CMD_newplayerinfo+7+Cid+0" + FF);
  ASSERT_TRUE(waitUntil([&] { return spylist.entries().size() == 1; }));
  host.receive(1);
  for (const bool yes : {false, true}) {
    host.received.clear();
    w.prompts.answerYes = yes;
    emit spylist.kickRequested(7);
    ASSERT_FALSE(w.prompts.questions.isEmpty());
    EXPECT_EQ(w.prompts.questions.last(), "Remove Cid from the table?");
    const std::string kick = "CMD_kickhim+1+7+" + FF;
    if (yes)
      EXPECT_EQ(host.receive(kick.size()), kick);
    else
      EXPECT_EQ(host.receive(kick.size()).find("CMD_kickhim"), std::string::npos);
  }
}

TEST(Tchat, TheHostingPlayerIsAskedBeforeOthersLoseTheirGame) {
  // English as the game speaks it, with its plural forms.
  installTranslations(*qApp, {QStringLiteral("en")});
  struct Case {
    const char* how;
    std::function<void(Tchat&, PlayWithOthers&)> leave;
    bool relaunches;
  };
  const Case cases[] = {
      {"window closed", [](Tchat& chat, PlayWithOthers&) { chat.close(); }, false},
      {"File > Exit", [](Tchat& chat, PlayWithOthers&) { chat.menu().exit->trigger(); }, false},
      {"Ctrl+Q",
       [](Tchat& chat, PlayWithOthers&) {
         QApplication::setActiveWindow(&chat);
         QTest::keyClick(&chat, Qt::Key_Q, Qt::ControlModifier);
       },
       false},
      {"Join", [](Tchat&, PlayWithOthers& pwo) { pwo.joinClicked(); }, true},
      {"Host a Table", [](Tchat&, PlayWithOthers& pwo) { pwo.hostClicked(); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.how);
    Random hostRandom(9);
    TcpHost host(hostRandom, {});
    Window w({"Ann", "127.0.0.1", "true"}, 0);
    PlayWithOthers pwo(&w.chat, {});
    pwo.setPlayerName("Ann");
    pwo.addressField()->setText("127.0.0.1");
    w.chat.attachWindows(
        {nullptr, nullptr, nullptr, nullptr, nullptr, &host, nullptr, nullptr, &pwo});
    int relaunches = 0;
    QObject::connect(&w.chat, &Tchat::relaunchRequested, [&] { ++relaunches; });
    w.chat.show();
    ASSERT_TRUE(waitUntil([&] { return w.chat.state().mynumber == 1; }));

    QTcpSocket bob;
    bob.connectToHost(QHostAddress::LocalHost, host.port());
    std::string toBob;
    const auto bobHas = [&](const std::string& text) {
      return waitUntil([&] {
        toBob += bob.readAll().toStdString();
        return toBob.find(text) != std::string::npos;
      });
    };
    ASSERT_TRUE(bobHas("CMD_sendlogininfo+"));
    const std::string slot = toBob.substr(18, 1);
    const std::string login = "CMD_logininfo+" + slot + "+2.0.4+Bob" + FF;
    bob.write(login.data(), static_cast<qint64>(login.size()));
    ASSERT_TRUE(waitUntil([&] { return host.summary().seated == 2; }));

    w.prompts.answerYes = false;
    c.leave(w.chat, pwo);
    EXPECT_EQ(w.prompts.questions,
              QStringList{"1 player is at your table. Closing it ends their game. Close it?"});
    EXPECT_TRUE(w.chat.isVisible());
    EXPECT_EQ(relaunches, 0);
    QTest::qWait(50);
    EXPECT_EQ(bob.state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(toBob.find("CMD_leaving"), std::string::npos);

    w.prompts.answerYes = true;
    c.leave(w.chat, pwo);
    EXPECT_EQ(relaunches, c.relaunches ? 1 : 0);
    if (c.relaunches) w.chat.close();  // as the program does for a relaunch
    EXPECT_EQ(w.prompts.questions.size(), 2);
    EXPECT_FALSE(w.chat.isVisible());
    EXPECT_TRUE(bobHas("CMD_leaving+" + slot + "+"));
  }
}

// ---- The seat key on disk ----

TEST(Tchat, TheSeatKeyIsKeptFreshOnDiskWhileSeatedAndGoneOnExit) {
  ScriptedHost host;
  const quint16 port = host.server.serverPort();
  ClientIntervals often;
  often.seatFileRefresh = std::chrono::milliseconds(20);
  Window w({"Ann", "127.0.0.1", "false"}, port, 1, often);
  w.chat.show();
  ASSERT_TRUE(host.accept());
  const std::string key = "0123456789abcdef0123456789abcdef";
  host.send("CMD_sendlogininfo+3" + FF + "CMD_newplayerinfo+3+Ann+0" + FF + "CMD_seatkey+3+" + key +
            FF);
  const SeatKeyFile file(SeatKeyFile::defaultPath());
  ASSERT_FALSE(file.path().isEmpty());
  const auto kept = [&] {
    return file.read("127.0.0.1", port, QDateTime::currentMSecsSinceEpoch());
  };
  ASSERT_TRUE(waitUntil([&] { return kept().has_value(); }));
  EXPECT_EQ(kept()->slot, 3);
  EXPECT_EQ(kept()->key, key);
  EXPECT_EQ(QFile::permissions(file.path()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ReadUser | QFileDevice::WriteUser);
  const qint64 first = kept()->expires;
  EXPECT_TRUE(waitUntil([&] { return kept() && kept()->expires > first; }));
  w.chat.close();
  EXPECT_FALSE(QFile::exists(file.path()));
}

TEST(Tchat, ARestartedKuvoAsksForItsKeptSeatAndElseJoinsAsNew) {
  for (const bool refused : {false, true}) {
    SCOPED_TRACE(refused ? "refused" : "given back");
    ScriptedHost host;
    const quint16 port = host.server.serverPort();
    const std::string key = "00112233445566778899aabbccddeeff";
    const SeatKeyFile file(SeatKeyFile::defaultPath());
    ASSERT_TRUE(
        file.write({"127.0.0.1", port, 3, key, QDateTime::currentMSecsSinceEpoch() + 50'000}));
    Window w({"Ann", "127.0.0.1", "false"}, port);
    w.chat.show();
    ASSERT_TRUE(host.accept());
    host.send("CMD_sendlogininfo+5" + FF);
    const std::string reclaim = "CMD_reclaim+5+" + key + FF;
    ASSERT_EQ(host.receive(reclaim.size()), reclaim);

    if (!refused) {
      const std::string next = "ffeeddccbbaa99887766554433221100";
      host.send("CMD_seatkey+3+" + next + FF);
      ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("You are back in your seat"); }));
      EXPECT_TRUE(w.chat.state().loggedin);
      EXPECT_EQ(w.chat.state().mynumber, 3);
      const auto kept = file.read("127.0.0.1", port, QDateTime::currentMSecsSinceEpoch());
      ASSERT_TRUE(kept);
      EXPECT_EQ(kept->key, next);
    } else {
      host.send("CMD_leaving+5+" + FF);
      host.peer->disconnectFromHost();
      ASSERT_TRUE(host.accept());
      host.received.clear();
      host.send("CMD_sendlogininfo+4" + FF);
      const std::string login = "CMD_logininfo+4+" + std::string(kVersion) + "+Ann" + FF + FF +
                                "CMD_extensions+4+1+" + FF;
      EXPECT_EQ(host.receive(login.size()), login);
      EXPECT_TRUE(w.chat.state().loggedin);
      EXPECT_EQ(w.chat.state().mynumber, 4);
      EXPECT_FALSE(QFile::exists(file.path()));
    }
    EXPECT_TRUE(w.boxes.isEmpty());
    EXPECT_TRUE(w.chat.isVisible());
    w.chat.close();
  }
}

TEST(Tchat, ASeatKeptAtAnotherTableIsLeftForIt) {
  const SeatKeyFile file(SeatKeyFile::defaultPath());
  const std::string key = "00112233445566778899aabbccddeeff";
  ASSERT_TRUE(file.write({"10.0.0.5", 7772, 3, key, QDateTime::currentMSecsSinceEpoch() + 50'000}));
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+4" + FF);
  const std::string login =
      "CMD_logininfo+4+" + std::string(kVersion) + "+Ann" + FF + FF + "CMD_extensions+4+1+" + FF;
  EXPECT_EQ(host.receive(login.size()), login);
  w.chat.close();
  EXPECT_TRUE(file.read("10.0.0.5", 7772, QDateTime::currentMSecsSinceEpoch()));
}

}  // namespace
}  // namespace kuvo
