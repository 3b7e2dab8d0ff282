// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Any byte stream from a host, fed to the client: the frame splitter, the
// receive queue, the client's own dispatcher and every handler behind it (slots, chat,
// sounds, game table), with the table's clocks ticking between messages.
// Whatever the host sends, the client must neither crash nor touch memory it
// does not own, and never open a dialog.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include <QAction>
#include <QApplication>
#include <QWidget>

#include "chatpanel.h"
#include "fakeservices.h"
#include "framing.h"
#include "gametable.h"
#include "hostdispatcher.h"
#include "manualtimer.h"
#include "playerslotspanel.h"
#include "receivequeue.h"
#include "soundboard.h"

namespace {

// No message from a host may open a dialog or start a program.
class NoDialogs : public kuvo::Prompts {
 public:
  void tell(QWidget*, const QString&, Notice) override { std::abort(); }
  bool askYesNo(QWidget*, const QString&) override { std::abort(); }
  std::optional<QColor> chooseColour(QWidget*, const QColor&) override { std::abort(); }
  bool openUrl(const QUrl&) override { return true; }
  bool launch(const QString&, const QStringList&) override { std::abort(); }
};

// The recorder of the tests, with chat lines and sounds going to the real panels.
class FuzzServices : public kuvo::testing::FakeServices {
 public:
  kuvo::Prompts& prompts() override { return noDialogs; }
  void addlinetochat(const QString& line, kuvo::Colour colour) override {
    if (chat) chat->addlinetochat(line, colour);
  }
  void playsounds(const QString& name) override {
    if (sounds) sounds->playsounds(name);
  }
  kuvo::ChatPanel* chat = nullptr;
  kuvo::SoundBoard* sounds = nullptr;
  NoDialogs noDialogs;
};

// What the main window does when the dispatcher asks: only the moderation
// shows on the board; ending and keeping the seat are the window's own.
class FuzzWindow : public kuvo::HostDispatcherWindow {
 public:
  bool answersLoginRequest(int) override { return false; }
  void setModerating(bool on) override {
    services->clientState.amhost = on;
    if (table) table->setMayStart(on);
  }
  void endWith(const QString&) override {}
  void tableFull() override {}
  void sentOff() override {}
  void seatKeyReceived(int, std::string_view) override {}
  void gameRecorded() override {}
  FuzzServices* services = nullptr;
  kuvo::GameTable* table = nullptr;
};

// The main window's parts on a bare board, as the main window puts them together.
class Client {
 public:
  Client() {
    auto make = [this](bool checkable, bool checked = false) {
      auto* action = new QAction(&clientArea);
      action->setCheckable(checkable);
      action->setChecked(checked);
      return action;
    };
    menu.startGame = make(false);
    menu.exit = make(false);
    menu.playSounds = make(true, true);
    menu.playChatterSounds = make(true, true);
    menu.turnClassic = make(true, true);
    menu.turnNew = make(true);
    menu.textColor = make(false);
    menu.textSize = {make(true), make(true, true), make(true), make(true)};
    menu.scrollChatOff = make(true);
    menu.clearMainChat = make(false);
    menu.resetScreenLocation = make(false);
    menu.justWatch = make(true);
    menu.viewTally = make(false);
    menu.spyList = make(false);
    menu.phraseList = make(false);
    menu.helpContent = make(false);
    menu.about = make(false);
    clientArea.resize(723, 556);
    board = new QWidget(&clientArea);
    board->setGeometry(2, 2, 708, 509);
    services.clientState.loginname = std::string("Ann") + kuvo::kTerminator;
    seatsPanel = std::make_unique<kuvo::PlayerSlotsPanel>(board, services, menu);
    chat = std::make_unique<kuvo::ChatPanel>(board, services, menu);
    chat->clockMs = [] { return qint64{0}; };  // recolour at every paint, as fast as it goes
    sounds = std::make_unique<kuvo::SoundBoard>(services, menu, chat->phraseButton(10));
    table = std::make_unique<kuvo::GameTable>(board, &clientArea, services, menu, timer2, turntime);
    services.chat = chat.get();
    services.sounds = sounds.get();
    window.services = &services;
    window.table = table.get();
    dispatcher = std::make_unique<kuvo::HostDispatcher>(services, window, *seatsPanel, *chat,
                                                        *sounds, *table);
  }
  ~Client() {
    services.chat = nullptr;
    services.sounds = nullptr;
  }

  // One message per dispatcher tick, then the clocks and the phrase limit.
  void work() {
    while (auto message = queue.pop()) {
      dispatcher->dispatch(message->text);
      chat->applyPendingColours();  // as the view would before its next paint
      if (timer2.isActive()) table->Timer2Timer();
      if (turntime.isActive()) table->turntimeTimer();
      chat->phraseTick();
    }
  }

  QWidget clientArea;
  QWidget* board = nullptr;
  kuvo::MenuActions menu;
  FuzzServices services;
  FuzzWindow window;
  kuvo::ManualTimer timer2, turntime;
  std::unique_ptr<kuvo::PlayerSlotsPanel> seatsPanel;
  std::unique_ptr<kuvo::ChatPanel> chat;
  std::unique_ptr<kuvo::SoundBoard> sounds;
  std::unique_ptr<kuvo::GameTable> table;
  std::unique_ptr<kuvo::HostDispatcher> dispatcher;
  kuvo::FrameSplitter splitter;
  kuvo::ReceiveQueue queue;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_AUDIO_BACKEND", "none");
  static int argc = 1;
  static char name[] = "client_fuzz";
  static char* argv[] = {name, nullptr};
  static QApplication app(argc, argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Client client;
  // The socket hands the stream over in pieces; cut it where the input says
  // so the splitter sees messages torn across reads.
  const std::string_view stream(reinterpret_cast<const char*>(data), size);
  const std::size_t piece = size > 0 ? 1 + data[0] % 64 : 1;
  bool dropped = false;
  for (std::size_t at = 0; at < stream.size() && !dropped; at += piece) {
    const bool ok = client.splitter.feed(stream.substr(at, piece), [&](std::string&& text) {
      if (!client.queue.push({0, 0, std::move(text)})) dropped = true;
    });
    if (!ok) dropped = true;  // the client would drop the connection here
    if (client.splitter.pendingSize() > kuvo::kMaxPendingBytes) std::abort();
    client.work();
  }
  return 0;
}
