// The main window's start-up paths, login and dispatcher, against a real host
// or a scripted one on loopback.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTextBrowser>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "chatpanel.h"
#include "gametable.h"
#include "messages.h"
#include "tchat.h"
#include "tcphost.h"

namespace kuvo {
namespace {

const std::string FF(1, kTerminator);

bool waitUntil(const std::function<bool()>& done, int ms = 3000) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < ms) QTest::qWait(5);
  return done();
}

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
    chat.messageBox = [this](const QString& text) { boxes << text; };
  }
  QString chatText() { return chat.chat().mainchat()->toPlainText(); }
  Random random;
  Tchat chat;
  QStringList boxes;
};

TEST(Tchat, JoiningLogsInWithTheAssignedNumber) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  EXPECT_TRUE(w.chatText().contains("Loading Multi-player Game.. Please Wait."));
  EXPECT_FALSE(w.chat.state().amhost);
  host.send("CMD_sendlogininfo+3" + FF);
  EXPECT_EQ(host.receive(27), "CMD_logininfo+3+2.0.4+Ann" + FF + FF);
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
  const std::string login = "CMD_logininfo+3+2.0.4+Ann" + FF + FF;
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
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_sendlogininfo+3" + FF + "CMD_wrongversion+" + FF + "cmd_wrongversion+" + FF +
            "CMD_havewrongversion+Bob" + FF + "CMD_wrongversion" + FF);
  ASSERT_TRUE(waitUntil([&] { return w.chatText().contains("Bob has a different"); }));
  QTest::qWait(20);
  EXPECT_EQ(w.chatText().count("You have a differnt version of the game then the host."), 1);
  EXPECT_TRUE(w.chatText().contains("Bob has a different version of the game then you."));
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
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send("CMD_full+" + FF);
  EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
  EXPECT_EQ(w.boxes, QStringList{"Game is full"});
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
  EXPECT_TRUE(w.boxes.isEmpty());
}

TEST(Tchat, AFloodingHostIsCutOff) {
  ScriptedHost host;
  Window w({"Ann", "127.0.0.1", "false"}, host.server.serverPort());
  w.chat.show();
  ASSERT_TRUE(host.accept());
  host.send(std::string(kMaxPendingBytes + 10, 'x'));
  EXPECT_TRUE(waitUntil([&] { return !w.chat.isVisible(); }));
}

}  // namespace
}  // namespace kuvo
