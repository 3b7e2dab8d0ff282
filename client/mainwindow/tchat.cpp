// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tchat.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDateTime>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QTimer>

#include "chatpanel.h"
#include "clientsettings.h"
#include "datapaths.h"
#include "fields.h"
#include "gametable.h"
#include "logging.h"
#include "messages.h"
#include "names.h"
#include "playerslotspanel.h"
#include "playwithothers.h"
#include "settingsfile.h"
#include "soundboard.h"
#include "tabout.h"
#include "tcphost.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tspylist.h"
#include "ttallylist.h"

namespace kuvo {
namespace {

constexpr int kClientWidth = 715;
constexpr int kClientHeight = 511;
constexpr QRect kBoardPanel{2, 2, 708, 509};
// Our own key beside the others: the name the table finder last joined or hosted with.
constexpr char kPlayerNameKey[] = "Playername";
constexpr char kConnectionClosed[] =
    QT_TRANSLATE_NOOP("kuvo::Tchat", "The connection to the table was closed.");

// Until the tally window exists (it is created right after this window),
// game results have nowhere to go.
class NoTally : public TallyRecorder {
 public:
  void addgame(const QString&, bool) override {}
  void addtomineincrease(int) override {}
  void addtomineset(int, const QString&) override {}
  QString bestRoundScore() const override { return QStringLiteral("0"); }
};

NoTally& noTally() {
  static NoTally tally;
  return tally;
}

}  // namespace

Tchat::Tchat(Random& random, QStringList arguments, ClientIntervals intervals, QWidget* parent)
    : QMainWindow(parent),
      random_(random),
      arguments_(std::move(arguments)),
      gamePort_(kGamePort),
      lobbyPort_(kLobbyPort),
      timer2_(intervals.diceShuffle, [this] { table_->Timer2Timer(); }),
      turntime_(intervals.roundClock, [this] { table_->turntimeTimer(); }),
      timer1_(intervals.dispatcher, [this] { processsocktimer(); }),
      phraseTimer_(intervals.phraseCooldown, [this] { phraseTick(); }),
      intervals_(intervals),
      reconnectTimer_(intervals.reconnectRetry, [this] { reconnectTick(); }),
      seatFileTimer_(intervals.seatFileRefresh, [this] { keepSeatFile(); }) {
  setWindowTitle(QStringLiteral("Kuvo"));

  clientArea_ = new QWidget(this);
  clientArea_->setObjectName(QStringLiteral("clientArea"));
  clientArea_->setAutoFillBackground(true);
  QPalette palette = clientArea_->palette();
  palette.setColor(QPalette::Window, QColor(0x2b, 0x4a, 0x3a));
  clientArea_->setPalette(palette);
  setCentralWidget(clientArea_);
  panel_board_ = new QWidget(clientArea_);
  panel_board_->setObjectName(QStringLiteral("panel_board"));
  panel_board_->setGeometry(kBoardPanel);

  createMenus();

  state_.systemcolor = kSystemColour;
  state_.defaultwidth = kDefaultWidth;
  state_.defaultheight = kDefaultHeight;
  state_.phraseready = true;
  state_.amhost = false;

  slotsPanel_ = std::make_unique<PlayerSlotsPanel>(panel_board_, *this, menu_);
  chat_ = std::make_unique<ChatPanel>(panel_board_, *this, menu_);
  sounds_ = std::make_unique<SoundBoard>(*this, menu_, chat_->phraseButton(10));
  table_ = std::make_unique<GameTable>(panel_board_, clientArea_, *this, menu_, timer2_, turntime_);
  table_->clearall();
  dispatcher_ = std::make_unique<HostDispatcher>(*this, static_cast<HostDispatcherWindow&>(*this),
                                                 *slotsPanel_, *chat_, *sounds_, *table_);
  // Tab walks the window as the eye reads it: the board and its start button,
  // the player rows, the phrase buttons, the chat view, its input line and the smileys.
  QList<QWidget*> tabOrder{table_->boardWidget(), table_->startButton()};
  for (int n = 1; n <= PlayerSlots::kCount; ++n) tabOrder << slotsPanel_->nameLabel(n);
  for (int n = 1; n <= kPhraseCount; ++n) tabOrder << chat_->phraseButton(n);
  tabOrder << chat_->mainchat() << chat_->mychat() << chat_->smileyButton();
  for (qsizetype i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

  connect(table_.get(), &GameTable::startButtonClicked, this, &Tchat::button_startClick);
  connect(chat_.get(), &ChatPanel::lineReceived, &table_->announcer(), &Announcer::sayChat);
  // The chat part lowers phraseready when a phrase goes out; the cooldown clock
  // runs only while it is down.
  for (int n = 1; n <= 9; ++n) {
    if (auto* button = qobject_cast<QAbstractButton*>(chat_->phraseButton(n))) {
      connect(button, &QAbstractButton::clicked, this, [this] {
        if (!state_.phraseready && !phraseTimer_.isActive()) phraseTimer_.start();
      });
    }
  }
  connect(&sock_, &QTcpSocket::readyRead, this, &Tchat::sockRead);
  connect(&sock_, &QTcpSocket::connected, this, [this] {
    sockWasConnected_ = true;
    // A peer that vanishes without a word is noticed in seconds, not minutes.
    enableKeepAlive(sock_);
  });
  connect(&sock_, &QTcpSocket::disconnected, this,
          [this] { sockInfo(QStringLiteral("Socket Closed")); });
  connect(&sock_, &QTcpSocket::errorOccurred, this, [this] {
    if (sock_.state() == QAbstractSocket::ConnectedState) return;
    // A try that failed, refused included (a router or a restarting program
    // on the way may refuse for a moment), is tried again on the next round.
    if (reconnecting_ && !sockWasConnected_) return;
    if (sockWasConnected_) {
      sockInfo(QStringLiteral("Socket Closed"));
    } else if (!closing_) {
      // Without a table there is nothing this window can do.
      qCInfo(logClient).noquote() << "no connection to the table:" << sock_.errorString();
      // An IPv6 address in brackets, as the address field takes it.
      const QString table = (connectAddress_.contains(QLatin1Char(':')) ? QStringLiteral("[%1]:%2")
                                                                        : QStringLiteral("%1:%2"))
                                .arg(connectAddress_)
                                .arg(connectPort_);
      if (sock_.error() == QAbstractSocket::HostNotFoundError) {
        endWith(tr("No computer called %1 was found, so the table at %2 could not be reached. "
                   "Check the spelling of the address.")
                    .arg(connectAddress_, table));
      } else {
        endWith(tr("Could not reach the table at %1. Check the address, and that the table is "
                   "running and lets players in through its firewall.")
                    .arg(table));
      }
    }
  });
  sock_.setReadBufferSize(64 * 1024);

  resize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  settingsSession_.builtIn = optionValues(settingsTargets());
}

Tchat::~Tchat() {
  sendLeaving();
  closing_ = true;
  sock_.disconnect(this);
  sock_.abort();
}

void Tchat::attachWindows(const SecondaryWindows& windows) {
  windows_ = windows;
  if (windows_.tally) {
    windows_.tally->setSlotSource([this] {
      QStringList names;
      for (int n = 1; n <= PlayerSlots::kCount; ++n)
        if (n != state_.mynumber && !slots_.at(n).empty()) names << slots_.name(n);
      return names;
    });
  }
  // The game start dialog holds two of the options; its start values are
  // built-in ones too.
  settingsSession_.builtIn = optionValues(settingsTargets());
  if (windows_.gamestart) {
    connect(windows_.gamestart, &Tgamestart::hidden, this,
            [this] { table_->setStartDialogOpen(false); });
    connect(windows_.gamestart, &Tgamestart::startRequested, this,
            [this](const QString& rounds, const QString& seconds) {
              sendToHost(build(
                  ToHost::StartGame,
                  {state_.myname.toStdString(), rounds.toStdString(), seconds.toStdString(), ""}));
              saveinifile();
            });
  }
  if (windows_.phrases) {
    connect(windows_.phrases, &Tphrases::done, this, [this](const QStringList& ten) {
      for (int n = 1; n <= 10 && n <= ten.size(); ++n) chat_->setPhrase(n, ten[n - 1]);
      writePhrases(settingsPath(), ten);
    });
  }
  if (windows_.spylist) {
    connect(windows_.spylist, &Tspylist::kickRequested, this, [this](int number) {
      // The list shows "7: Cid": the name is what follows the number.
      const QString prefix = QStringLiteral("%1: ").arg(number);
      for (const QString& entry : windows_.spylist->entries()) {
        if (entry.startsWith(prefix))
          slotsPanel_->removeAfterAsking(number, entry.mid(prefix.size()));
      }
    });
  }
  if (windows_.download) {
    connect(windows_.download, &Tdownload::exitGameRequested, this, &Tchat::close);
    connect(windows_.download, &Tdownload::playWithOthersRequested, this,
            &Tchat::openPlayWithOthers);
  }
  if (windows_.playWithOthers) {
    windows_.playWithOthers->setLeaveCheck([this] { return mayCloseTable(); });
    connect(
        windows_.playWithOthers, &PlayWithOthers::joinRequested, this,
        [this](const QString& name, const QString& address) { relaunchAs(name, address, false); });
    connect(windows_.playWithOthers, &PlayWithOthers::hostRequested, this,
            [this](const QString& name) { relaunchAs(name, QString(), true); });
  }
  if (windows_.tally) {
    const QString notice = windows_.tally->takeLoadNotice();
    if (!notice.isEmpty()) addlinetochat(QStringLiteral("0+") + notice, state_.systemcolor);
  }
  connect(chat_.get(), &ChatPanel::bannerClicked, this, [this] {
    if (windows_.about) windows_.about->openLink();
  });
}

void Tchat::setPorts(quint16 gamePort, quint16 lobbyPort) {
  gamePort_ = gamePort;
  lobbyPort_ = lobbyPort;
}

void Tchat::createMenus() {
  auto* file = menuBar()->addMenu(tr("&File"));
  menu_.startGame = file->addAction(tr("&Start Game"));
  menu_.startGame->setEnabled(false);
  menu_.playWithOthers = file->addAction(tr("Play with &Others…"));
  file->addSeparator();
  stopReconnecting_ = file->addAction(tr("Stop &Reconnecting"));
  stopReconnecting_->setVisible(false);
  menu_.exit = file->addAction(tr("E&xit"));
  // Ctrl+Q on every system (Windows has no standard quit key of its own).
  menu_.exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

  auto* options = menuBar()->addMenu(tr("&Options"));
  menu_.playSounds = options->addAction(tr("&Play Sounds"));
  menu_.playSounds->setCheckable(true);
  menu_.playSounds->setChecked(true);
  menu_.playChatterSounds = options->addAction(tr("Play &Chatter Sounds"));
  menu_.playChatterSounds->setCheckable(true);
  auto* turn = options->addMenu(tr("&Turn Sound"));
  menu_.turnClassic = turn->addAction(tr("&Classic"));
  menu_.turnClassic->setCheckable(true);
  menu_.turnClassic->setChecked(true);
  menu_.turnNew = turn->addAction(tr("&New"));
  menu_.turnNew->setCheckable(true);
  options->addSeparator();
  menu_.textColor = options->addAction(tr("Text Co&lor"));
  auto* size = options->addMenu(tr("Text Si&ze"));
  const char* sizes[] = {"&8", "1&0", "1&2", "1&4"};
  for (int i = 0; i < 4; ++i) {
    menu_.textSize[i] = size->addAction(QString::fromLatin1(sizes[i]));
    menu_.textSize[i]->setCheckable(true);
  }
  menu_.scrollChatOff = options->addAction(tr("&Scroll Chat Off"));
  menu_.scrollChatOff->setCheckable(true);
  menu_.scrollChatOff->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  menu_.clearMainChat = options->addAction(tr("Clear &Main Chat"));
  menu_.resetScreenLocation = options->addAction(tr("&Reset Screen Location"));
  options->addSeparator();
  menu_.justWatch = options->addAction(tr("&Just Watch"));
  menu_.justWatch->setCheckable(true);
  menu_.speakChat = options->addAction(tr("Spea&k Chat Lines"));
  menu_.speakChat->setCheckable(true);

  auto* view = menuBar()->addMenu(tr("&View"));
  menu_.viewTally = view->addAction(tr("View &Tally"));
  menu_.spyList = view->addAction(tr("&Spy List"));
  menu_.phraseList = view->addAction(tr("&Phrase List"));

  auto* help = menuBar()->addMenu(tr("&Help"));
  menu_.helpContent = help->addAction(tr("&Content"));
  menu_.helpContent->setShortcut(QKeySequence(Qt::Key_F1));
  help->addSeparator();
  menu_.about = help->addAction(tr("&About"));

  connect(menu_.startGame, &QAction::triggered, this, &Tchat::button_startClick);
  connect(menu_.exit, &QAction::triggered, this, &QWidget::close);
  // Giving up is the player's own choice: the window closes without a word.
  connect(stopReconnecting_, &QAction::triggered, this, [this] {
    reconnectTimer_.stop();
    close();
  });
  connect(menu_.playWithOthers, &QAction::triggered, this, &Tchat::openPlayWithOthers);
  connect(menu_.resetScreenLocation, &QAction::triggered, this,
          [this] { ResetScreenLocation1Click(this); });
  connect(menu_.viewTally, &QAction::triggered, this, [this] {
    if (!windows_.tally) return;
    windows_.tally->loadchecklist();
    windows_.tally->show();
    windows_.tally->raise();
  });
  connect(menu_.spyList, &QAction::triggered, this, [this] {
    if (windows_.spylist) windows_.spylist->show();
  });
  connect(menu_.phraseList, &QAction::triggered, this, [this] {
    if (!windows_.phrases) return;
    QStringList ten;
    for (int n = 1; n <= 10; ++n) ten << chat_->phrase(n);
    windows_.phrases->setPhrases(ten);
    windows_.phrases->show();
  });
  connect(menu_.helpContent, &QAction::triggered, this, [this] {
    if (windows_.help) windows_.help->show();
  });
  connect(menu_.about, &QAction::triggered, this, [this] {
    if (windows_.about) windows_.about->show();
  });
}

// ---- ClientServices ----

void Tchat::sendToHost(const std::string& message) {
  // A connection that has not got the seat back yet speaks for nobody.
  if (sock_.state() != QAbstractSocket::ConnectedState || reconnecting_) return;
  sock_.write(message.data(), static_cast<qint64>(message.size()));
}

void Tchat::addlinetochat(const QString& line, Colour colour) {
  chat_->addlinetochat(line, colour);
}

void Tchat::playsounds(const QString& name) {
  sounds_->playsounds(name);
}

bool Tchat::turnSoundIsNew() const {
  return sounds_->turnsound() == 1;
}

TallyRecorder& Tchat::tally() {
  if (windows_.tally) return *windows_.tally;
  return noTally();
}

QString Tchat::settingsPath() const {
  return settingsFilePath();
}

SettingsTargets Tchat::settingsTargets() {
  SettingsTargets targets;
  targets.window = this;
  targets.chat = chat_.get();
  targets.sounds = sounds_.get();
  targets.state = &state_;
  targets.menu = &menu_;
  targets.startOptions = windows_.gamestart;
  targets.session = &settingsSession_;
  return targets;
}

void Tchat::loadinifile() {
  // Once, at our own login: a host that names our slot again and again must
  // not move the window and re-lay the whole chat each time.
  if (settingsSession_.loaded) return;
  auto targets = settingsTargets();
  kuvo::loadinifile(settingsPath(), targets);
}

void Tchat::saveinifile() {
  kuvo::saveinifile(settingsPath(), settingsTargets());
}

void Tchat::addSpectator(const QString& entry) {
  if (windows_.spylist) windows_.spylist->addEntry(entry);
}

bool Tchat::removeSpectator(const QString& entry) {
  return windows_.spylist && windows_.spylist->removeEntry(entry);
}

// ---- Start-up ----

void Tchat::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  processparams();
}

void Tchat::processparams() {
  table_->setMayStart(false);
  menu_.startGame->setEnabled(false);
  state_.loginname.clear();
  if (arguments_.isEmpty()) {
    addlinetochat(QStringLiteral("0+") + tr("Loading Solo Game..Please wait."), state_.systemcolor);
    if (windows_.download) windows_.download->show();
    state_.hostaddress = QStringLiteral("127.0.0.1");
    state_.myname = QStringLiteral("You");
    hostpress();
    return;
  }
  addlinetochat(QStringLiteral("0+") + tr("Loading Multi-player Game.. Please Wait."),
                state_.systemcolor);
  if (arguments_.size() < 3) return;
  // Cleaned as the host cleans every name, so what this window shows of its
  // own player is what the others see.
  state_.myname = QString::fromStdString(cleanNameText(arguments_[0].toStdString()));
  state_.hostaddress = arguments_[1];
  if (arguments_[2] == QLatin1String("true")) {
    if (!hostpress()) return;
  } else {
    joinpress();
  }
  sock11_.connectToHost(QStringLiteral("127.0.0.1"), lobbyPort_);
}

bool Tchat::hostpress() {
  quint16 port = gamePort_;
  if (windows_.host) {
    if (!windows_.host->listen(gamePort_)) {
      prompts_->tell(this, tr("Listen - Error Binding Socket"));
      // Whoever holds the port runs a table of their own; connecting to it
      // would join that table instead of opening ours.
      addlinetochat(QStringLiteral("0+") +
                        tr("No table could be opened: port %1 of this computer is in use, most "
                           "likely by another table. Close that program, or join its table.")
                            .arg(gamePort_),
                    state_.systemcolor);
      return false;
    }
    port = windows_.host->port();
  }
  state_.loginname = state_.myname.toStdString() + kTerminator;
  state_.hostsInProcess = true;
  if (windows_.host) windows_.host->setTableName(state_.myname);
  connectAddress_ = QStringLiteral("127.0.0.1");
  connectPort_ = port;
  sock_.connectToHost(connectAddress_, port);
  setModerating(true);
  return true;
}

void Tchat::joinpress() {
  state_.loginname = state_.myname.toStdString() + kTerminator;
  // "host", or "host:port" for a table on another port (as the table finder
  // writes it; an IPv6 address in brackets).
  QString host = state_.hostaddress;
  quint16 port = gamePort_;
  const auto colon = host.lastIndexOf(QLatin1Char(':'));
  const bool bracketed =
      host.startsWith(QLatin1Char('[')) && colon > 0 && host[colon - 1] == QLatin1Char(']');
  if (colon > 0 && (bracketed || host.indexOf(QLatin1Char(':')) == colon)) {
    bool ok = false;
    const uint value = host.mid(colon + 1).toUInt(&ok);
    if (ok && value > 0 && value <= 65535) {
      port = static_cast<quint16>(value);
      host = bracketed ? host.mid(1, colon - 2) : host.left(colon);
    }
  }
  connectAddress_ = host;
  connectPort_ = port;
  if (auto kept = seatFile_.read(host, port, QDateTime::currentMSecsSinceEpoch())) {
    seatKey_ = std::move(kept->key);
    reclaimAtStart_ = true;
    seatFileOurs_ = true;
  }
  sock_.connectToHost(host, port);
  table_->setMayStart(false);
  menu_.startGame->setEnabled(false);
}

void Tchat::openPlayWithOthers() {
  if (!windows_.playWithOthers) return;
  SettingsFile file(settingsPath());
  file.load();
  QString name = file.readText(QString::fromLatin1(kPlayerNameKey), QString());
  if (name.isEmpty() && !arguments_.isEmpty()) name = state_.myname;
  if (windows_.playWithOthers->playerName().isEmpty()) windows_.playWithOthers->setPlayerName(name);
  windows_.playWithOthers->show();
  windows_.playWithOthers->raise();
}

void Tchat::relaunchAs(const QString& name, const QString& address, bool host) {
  SettingsFile file(settingsPath());
  file.load();
  file.writeText(QString::fromLatin1(kPlayerNameKey), name);
  file.save();
  emit relaunchRequested({name, host ? QStringLiteral("127.0.0.1") : address,
                          host ? QStringLiteral("true") : QStringLiteral("false")});
}

void Tchat::setModerating(bool on) {
  state_.amhost = on;
  table_->setMayStart(on);
  menu_.startGame->setEnabled(on);
  if (windows_.spylist) windows_.spylist->setRemoveEnabled(on);
  if (!on && windows_.gamestart) windows_.gamestart->hide();
}

bool Tchat::answersLoginRequest(int slot) {
  if (!reconnecting_ && !reclaimAtStart_) return false;
  // Coming back: the key instead of a login, once per connection.
  if (reclaimSent_ || seatKey_.empty()) return true;
  reclaimSent_ = true;
  const std::string reclaim = build(ToHost::Reclaim, {slot, seatKey_});
  sock_.write(reclaim.data(), static_cast<qint64>(reclaim.size()));
  return true;
}

// ---- Receiving ----

void Tchat::tableFull() {
  // Full to a player coming back is one failed try: others may be racing
  // for the way back, and the seat is kept for its whole minute.
}

void Tchat::sentOff() {
  // The host closes on purpose; there is nothing to come back to.
  sentOff_ = true;
  seatKey_.clear();
  forgetSeatFile();
}

void Tchat::gameRecorded() {
  // A finished game is on disk at once, not only when the program ends.
  if (windows_.tally) windows_.tally->save();
}

void Tchat::sockRead() {
  const QByteArray bytes = sock_.readAll();
  bool overflow = false;
  const bool ok = splitter_.feed({bytes.constData(), static_cast<size_t>(bytes.size())},
                                 [&](std::string&& text) {
                                   if (!receivedlist_.push({0, 0, std::move(text)}))
                                     overflow = true;
                                 });
  if (!receivedlist_.empty() && !timer1_.isActive() && !ending_) timer1_.start();
  // A host that floods us is not a host we can play with.
  if (!ok || overflow) {
    qCWarning(logClient).noquote() << (ok ? "the host sent more messages than the client holds;"
                                          : "the host sent a message over the size limit;")
                                   << "the connection is closed";
    endWith(
        tr("The table sent more than this program can take. "
           "The connection to the table was closed."));
    sock_.abort();
  }
}

void Tchat::processsocktimer() {
  // A handler that opens a modal box runs the event loop again; the next
  // message waits until that handler is done. Once the end is decided,
  // nothing more is handled.
  if (dispatching_ || ending_) return;
  auto message = receivedlist_.pop();
  if (message) {
    dispatching_ = true;
    dispatcher_->dispatch(message->text);
    dispatching_ = false;
  }
  if (receivedlist_.empty()) {
    timer1_.stop();
    if (connectionEnded_) connectionLost();
  }
}

void Tchat::endWith(const QString& text) {
  if (ending_ || closing_) return;
  ending_ = true;
  timer1_.stop();
  // Shown from the event loop, never from inside a handler: the box runs
  // the event loop itself.
  QTimer::singleShot(0, this, [this, text] {
    if (closing_) return;
    prompts_->tell(this, text);
    if (!closing_) close();
  });
}

void Tchat::phraseTick() {
  chat_->phraseTick();
  if (state_.phraseready) phraseTimer_.stop();
}

void Tchat::sockInfo(const QString& text) {
  if (text != QLatin1String("Socket Closed") || closing_ || connectionEnded_) return;
  connectionEnded_ = true;
  // What the host sent before it closed is handled first: a full table says
  // "Game is full" and closes right after.
  if (sock_.bytesAvailable() > 0) sockRead();
  if (receivedlist_.empty()) {
    connectionLost();
  } else if (!timer1_.isActive() && !ending_) {
    timer1_.start();
  }
}

// ---- Keeping the seat ----

void Tchat::seatKeyReceived(int slot, std::string_view key) {
  if (reconnecting_ || reclaimAtStart_) {
    if (!reclaimSent_) return;
    seatKey_ = key;
    backInSeat(slot);
  } else if (slot == state_.mynumber) {
    seatKey_ = key;
    keepSeatFile();
  }
}

void Tchat::keepSeatFile() {
  // A table of our own ends with a crash of ours: nothing to come back to.
  if (seatKey_.empty() || state_.hostsInProcess || reconnecting_ || closing_) return;
  const qint64 expires = QDateTime::currentMSecsSinceEpoch() + kSeatKeptFor.count();
  seatFile_.write({connectAddress_, connectPort_, state_.mynumber, seatKey_, expires});
  seatFileOurs_ = true;
  if (!seatFileTimer_.isActive()) seatFileTimer_.start();
}

void Tchat::forgetSeatFile() {
  seatFileTimer_.stop();
  // A file of another table stays for the Kuvo that goes back there.
  if (seatFileOurs_) seatFile_.remove();
  seatFileOurs_ = false;
}

void Tchat::joinAfresh() {
  if (ending_ || closing_) return;
  reclaimAtStart_ = false;
  reclaimSent_ = false;
  seatKey_.clear();
  sentOff_ = false;
  forgetSeatFile();
  sock_.abort();
  splitter_ = FrameSplitter();
  sockWasConnected_ = false;
  connectionEnded_ = false;
  sock_.connectToHost(connectAddress_, connectPort_);
}

bool Tchat::mayReconnect() const {
  // Only a seat the host keeps, which it does during a game for a player it
  // gave a key; a table without keys ends as it always did.
  return !seatKey_.empty() && !sentOff_ && !closing_ && !ending_ && state_.loggedin &&
         PlayerSlots::valid(state_.mynumber) && table_->gameRunning();
}

void Tchat::connectionLost() {
  if (reclaimAtStart_ && !ending_ && !closing_) {
    // The table did not give the kept seat back (or closed before it did).
    // Once the old connection has told all it has to tell.
    QTimer::singleShot(0, this, &Tchat::joinAfresh);
    return;
  }
  if (reconnecting_) {
    // One try ended; the next comes with the clock, unless the host said no.
    connectionEnded_ = false;
    if (sentOff_) {
      reconnectTimer_.stop();
      endWith(tr(kConnectionClosed));
    }
    return;
  }
  if (mayReconnect()) {
    startReconnecting();
  } else {
    // The host may have said why it closed: a removal, or the table's end.
    endWith(state_.closingNotice.isEmpty() ? tr(kConnectionClosed) : state_.closingNotice);
  }
}

void Tchat::startReconnecting() {
  reconnecting_ = true;
  // The seat file keeps the expiry it has: the host keeps the seat no longer.
  seatFileTimer_.stop();
  table_->showStatus(tr("Connection lost - reconnecting…"));
  const qint64 now = steadyNow();
  // Back only a moment ago: the same absence goes on, against its deadline
  // and without another line in the chat.
  const bool sameAbsence = absenceEnds_ > 0 && now - backSince_ < intervals_.reconnectTry.count();
  if (!sameAbsence) {
    absenceEnds_ = now + intervals_.reconnectFor.count();
    addlinetochat(
        QStringLiteral("0+") + tr("The connection to the table was lost. Trying to get back in…"),
        state_.systemcolor);
  }
  stopReconnecting_->setVisible(true);
  tryEnds_ = 0;
  reconnectTick();  // the first try at once: most drops are short
  reconnectTimer_.start();
}

qint64 Tchat::steadyNow() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Tchat::reconnectTick() {
  if (!reconnecting_ || ending_ || closing_) return;
  const qint64 now = steadyNow();
  // A try that has its connection waits for the host's answer, but not for ever.
  if (sock_.state() == QAbstractSocket::ConnectedState && now < tryEnds_) return;
  if (now >= absenceEnds_) {
    reconnectTimer_.stop();
    endWith(tr(kConnectionClosed));
    return;
  }
  tryEnds_ = now + intervals_.reconnectTry.count();
  sock_.abort();
  splitter_ = FrameSplitter();
  sockWasConnected_ = false;
  connectionEnded_ = false;
  reclaimSent_ = false;
  sock_.connectToHost(connectAddress_, connectPort_);
}

void Tchat::backInSeat(int slot) {
  reconnecting_ = false;
  backSince_ = steadyNow();
  reclaimSent_ = false;
  if (reclaimAtStart_) {
    // Started again: the seat's login happened in the run before.
    reclaimAtStart_ = false;
    state_.loggedin = true;
    loadinifile();
    if (slot == 1 && !state_.amhost) setModerating(true);
  }
  reconnectTimer_.stop();
  stopReconnecting_->setVisible(false);
  state_.mynumber = slot;
  // The host learns again that we read its typed notices: the seat has a new
  // connection now. Said from the seat, as the host drops what the connection
  // says under the number it had before.
  sendToHost(build(ToHost::Extensions, {slot, 1, ""}));
  state_.returning = true;
  // Who sits and who watches now comes next from the host; who left meanwhile
  // was never announced to us.
  for (int n = 1; n <= PlayerSlots::kCount; ++n) {
    if (n == slot) continue;
    if (n == kComputerSlot)
      slots_.setComputer(n);
    else
      slots_.setEmpty(n);
    slots_.setWatching(n, false);
  }
  if (windows_.spylist) {
    for (const QString& entry : windows_.spylist->entries()) windows_.spylist->removeEntry(entry);
  }
  table_->releaseStatus();
  addlinetochat(QStringLiteral("0+") + tr("You are back in your seat; the game goes on."),
                state_.systemcolor);
  keepSeatFile();
}

void Tchat::sendLeaving() {
  if (leavingSent_ || seatKey_.empty() || reconnecting_ || reclaimAtStart_ ||
      sock_.state() != QAbstractSocket::ConnectedState)
    return;
  leavingSent_ = true;
  sendToHost(build(ToHost::Leaving, {state_.mynumber, ""}));
  sock_.flush();
}

void Tchat::button_startClick() {
  if (!state_.loggedin) {
    prompts_->tell(this, tr("You are not connected"));
    return;
  }
  if (table_->gameRunning() &&
      !prompts_->askYesNo(this, tr("A game is running. Start a new game? The running game ends for "
                                   "every player and its scores are lost.")))
    return;
  if (windows_.gamestart) {
    windows_.gamestart->show();
    windows_.gamestart->raise();
  }
  table_->setStartDialogOpen(true);
}

// ---- Window ----

int Tchat::othersAtOurTable() const {
  if (!state_.hostsInProcess || !windows_.host) return 0;
  const PlayerTable& table = windows_.host->server().table();
  int others = 0;
  for (int slot = 1; slot <= kMaxConnections; ++slot) {
    const tplayer& p = table.players[slot];
    if (slot == state_.mynumber || !p.connected) continue;
    // A player counts once logged in (a kept seat too); a watcher from its connection on.
    if (!PlayerTable::isPlayerSlot(slot) || !p.name.empty()) ++others;
  }
  return others;
}

bool Tchat::mayCloseTable() {
  if (tableCloseAgreed_) return true;
  const int others = othersAtOurTable();
  if (others == 0) return true;
  const QString question =
      tr("%n players are at your table. Closing it ends their game. Close it?", nullptr, others);
  if (!prompts_->askYesNo(this, question)) return false;
  tableCloseAgreed_ = true;
  return true;
}

void Tchat::closeEvent(QCloseEvent* event) {
  // A window that closes because its connection ended asks nothing.
  if (!closing_ && !ending_ && !mayCloseTable()) {
    event->ignore();
    return;
  }
  sendLeaving();
  if (windows_.host && state_.hostsInProcess) windows_.host->closeTable(state_.mynumber);
  if (!closing_) {
    closing_ = true;
    forgetSeatFile();
    auto targets = settingsTargets();
    const QRect workArea = screen() ? screen()->availableGeometry() : QRect();
    FormClose(settingsPath(), targets, workArea);
  }
  event->accept();
  emit closed();
}

void Tchat::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FormResize(this, panel_board_);
}

}  // namespace kuvo
