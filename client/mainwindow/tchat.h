// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window: the client. Starts a solo game, hosts or joins; logs in;
// takes one received message per tick off its queue and hands it to the part
// of the window that handles it; ends the program when the connection ends.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QTcpSocket>

#include "clientservices.h"
#include "clientsettings.h"
#include "clientstate.h"
#include "framing.h"
#include "hostdispatcher.h"
#include "menuactions.h"
#include "playerslots.h"
#include "random.h"
#include "receivequeue.h"
#include "seatkeyfile.h"
#include "timer.h"

class QAction;
class QLabel;

namespace kuvo {

class ChatPanel;
class SoundBoard;
class PlayerSlotsPanel;
class GameTable;
class TcpHost;
class Ttallylist;
class Tabout;
class Tgamestart;
class Thelp;
class Tphrases;
class Tspylist;
class Tdownload;
class PlayWithOthers;

struct ClientIntervals {
  std::chrono::milliseconds dispatcher{1};
  // The phrase buttons' cooldown counts 101 ticks of this clock: about the
  // two seconds the phrase editor promises.
  std::chrono::milliseconds phraseCooldown{16};
  std::chrono::milliseconds diceShuffle{100};
  std::chrono::milliseconds roundClock{1000};
  // After a connection lost during a game: a new try this often, for this long.
  std::chrono::milliseconds reconnectRetry{2000};
  std::chrono::milliseconds reconnectFor{60'000};
  // A try that has not got the seat back this long after it began has failed.
  std::chrono::milliseconds reconnectTry{10'000};
  // The seat key on disk is written again this often while seated, each time
  // good for as long as the host keeps a seat: a crash leaves it fresh.
  std::chrono::milliseconds seatFileRefresh{15'000};
};

// The other windows of the program, created after the main window.
struct SecondaryWindows {
  Ttallylist* tally = nullptr;
  Tabout* about = nullptr;
  Tgamestart* gamestart = nullptr;
  Thelp* help = nullptr;
  Tphrases* phrases = nullptr;
  TcpHost* host = nullptr;
  Tspylist* spylist = nullptr;
  Tdownload* download = nullptr;
  PlayWithOthers* playWithOthers = nullptr;  // File > "Play with Others..."
};

class Tchat : public QMainWindow, public ClientServices, private HostDispatcherWindow {
  Q_OBJECT
 public:
  // FormCreate: the client state, the panels, the menus. `arguments` are the
  // command-line arguments after the program name.
  Tchat(Random& random, QStringList arguments, ClientIntervals intervals = {},
        QWidget* parent = nullptr);
  ~Tchat() override;

  void attachWindows(const SecondaryWindows& windows);
  // Closes at once, without asking about the others at our table (the system
  // ends the program: nobody is there to answer); they are still told.
  void closeWithoutAsking() {
    tableCloseAgreed_ = true;
    close();
  }

  // For tests and special setups: the game port (7772) and the lobby port (9001).
  void setPorts(quint16 gamePort, quint16 lobbyPort);
  // Where the window's message boxes and questions go; the desktop's unless set.
  void setPrompts(Prompts& prompts) { prompts_ = &prompts; }

  // ClientServices
  ClientState& state() override { return state_; }
  PlayerSlots& playerSlots() override { return slots_; }
  Random& random() override { return random_; }
  Prompts& prompts() override { return *prompts_; }
  void sendToHost(const std::string& message) override;
  void addlinetochat(const QString& line, Colour colour) override;
  void playsounds(const QString& name) override;
  bool turnSoundIsNew() const override;
  TallyRecorder& tally() override;
  void loadinifile() override;
  void saveinifile() override;
  void addSpectator(const QString& entry) override;
  bool removeSpectator(const QString& entry) override;

  // Start-up and connection.
  void processparams();
  bool hostpress();  // false when the table could not be opened
  void joinpress();
  void processsocktimer();
  void sockInfo(const QString& text);
  void button_startClick();

  MenuActions& menu() { return menu_; }
  // File > "Stop Reconnecting", shown while the window tries to get back.
  QAction* stopReconnecting() const { return stopReconnecting_; }
  bool reconnecting() const { return reconnecting_; }
  ChatPanel& chat() { return *chat_; }
  SoundBoard& sounds() { return *sounds_; }
  PlayerSlotsPanel& slotsPanel() { return *slotsPanel_; }
  GameTable& table() { return *table_; }
  QWidget* boardPanel() const { return panel_board_; }
  bool queueEmpty() const { return receivedlist_.empty(); }
  QTcpSocket& socket() { return sock_; }

 signals:
  // The main window closed: the program ends.
  void closed();
  // The player chose a table to join or to host: the program ends and starts
  // again with these arguments, the same way in as from the command line.
  void relaunchRequested(const QStringList& arguments);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void createMenus();
  void openPlayWithOthers();
  void relaunchAs(const QString& name, const QString& address, bool host);
  void sockRead();
  // Shows the text once the current handler is done, then closes the window.
  void endWith(const QString& text) override;
  // HostDispatcherWindow
  bool answersLoginRequest(int slot) override;
  void setModerating(bool on) override;
  void tableFull() override;
  void sentOff() override;
  void seatKeyReceived(int slot, std::string_view key) override;
  void gameRecorded() override;
  // The connection ended and what it brought is handled: back to the seat
  // when it was lost during a game, else the end.
  void connectionLost();
  bool mayReconnect() const;
  void startReconnecting();
  void reconnectTick();
  static qint64 steadyNow();  // milliseconds of the steady clock
  void backInSeat(int slot);
  // Tells the host the player leaves on purpose, so the seat is not kept.
  void sendLeaving();
  // The seat key on disk, good for as long as the host would keep the seat.
  void keepSeatFile();
  void forgetSeatFile();
  // A seat kept from before a restart was not given back: in as a newcomer.
  void joinAfresh();
  // Players and watchers at the table this instance runs, but for us and the computer.
  int othersAtOurTable() const;
  // False when the player would rather keep the table running for the others.
  bool mayCloseTable();
  void phraseTick();
  SettingsTargets settingsTargets();
  QString settingsPath() const;

  Random& random_;
  Prompts* prompts_ = &desktopPrompts();
  QStringList arguments_;
  ClientState state_;
  PlayerSlots slots_;
  MenuActions menu_;
  quint16 gamePort_;
  quint16 lobbyPort_;

  QWidget* clientArea_ = nullptr;
  QWidget* panel_board_ = nullptr;
  std::unique_ptr<ChatPanel> chat_;
  std::unique_ptr<SoundBoard> sounds_;
  std::unique_ptr<PlayerSlotsPanel> slotsPanel_;
  QtTimer timer2_;
  QtTimer turntime_;
  std::unique_ptr<GameTable> table_;
  std::unique_ptr<HostDispatcher> dispatcher_;

  QTcpSocket sock_;
  QTcpSocket sock11_;  // the lobby link: opened once, never used
  bool sockWasConnected_ = false;
  QString connectAddress_;
  quint16 connectPort_ = 0;
  // The key that takes the seat back after a lost connection or a restart.
  std::string seatKey_;
  SeatKeyFile seatFile_{SeatKeyFile::defaultPath()};
  // Started again while the file kept a seat for this table: the login
  // request is answered with the kept key.
  bool reclaimAtStart_ = false;
  bool seatFileOurs_ = false;  // the file holds this window's seat
  bool tableCloseAgreed_ = false;
  bool sentOff_ = false;  // the host closes on purpose: removed, or the table ended
  bool leavingSent_ = false;
  bool reconnecting_ = false;
  bool reclaimSent_ = false;
  // The whole absence has one deadline: a return lost again at once, before
  // the seat was back this long, goes on against it. Steady clock, ms.
  qint64 absenceEnds_ = 0;
  qint64 tryEnds_ = 0;
  qint64 backSince_ = 0;
  QAction* stopReconnecting_ = nullptr;
  bool connectionEnded_ = false;  // the host closed; what it sent before is still handled
  bool ending_ = false;           // the window closes once its last box is answered
  bool dispatching_ = false;
  bool closing_ = false;
  FrameSplitter splitter_;
  ReceiveQueue receivedlist_{kMaxQueuedFromHost};
  QtTimer timer1_;
  QtTimer phraseTimer_;
  ClientIntervals intervals_;
  QtTimer reconnectTimer_;
  QtTimer seatFileTimer_;

  SecondaryWindows windows_;
  bool shown_ = false;
  SettingsSession settingsSession_;
};

}  // namespace kuvo
