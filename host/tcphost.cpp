// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tcphost.h"

#include <chrono>

#include <QTcpSocket>

#include "logging.h"

#if defined(Q_OS_UNIX)
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#endif

namespace kuvo {

void enableKeepAlive(QAbstractSocket& socket) {
  socket.setSocketOption(QAbstractSocket::KeepAliveOption, 1);
#if defined(Q_OS_UNIX) && defined(TCP_KEEPIDLE) && defined(TCP_KEEPINTVL) && defined(TCP_KEEPCNT)
  const qintptr descriptor = socket.socketDescriptor();
  if (descriptor == -1) return;
  const int fd = static_cast<int>(descriptor);
  const int idle = 5, interval = 2, probes = 5;  // seconds, seconds, count
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
#if defined(TCP_USER_TIMEOUT)
  // Probes wait while sent data is unacknowledged; this bounds that wait too.
  const unsigned timeout = 15'000;  // ms
  setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &timeout, sizeof timeout);
#endif
#endif
}

namespace {

// Qt buffers what the peer sends until we read it; this caps that buffer so a
// peer that sends faster than we read cannot grow our memory.
constexpr qint64 kSocketReadBuffer = 64 * 1024;
// What we send waits in Qt's buffer until the peer takes it. A peer that keeps
// sending but never reads (each chat comes back to its sender too) would grow
// that buffer for ever; a real client is never more than a few kilobytes behind.
constexpr qint64 kMaxUnsentBytes = 1024 * 1024;

class TcpConnection : public QObject, public HostConnection {
 public:
  TcpConnection(QTcpSocket* socket, TServer& server, QObject* parent)
      : QObject(parent), socket_(socket), server_(server) {
    socket_->setParent(this);
    socket_->setReadBufferSize(kSocketReadBuffer);
    enableKeepAlive(*socket_);
  }

  void reassigned(int slot) override { slot_ = slot; }
  std::string peerAddress() const override {
    return socket_->peerAddress().toString().toStdString();
  }
  // What was sent goes to the system before the connection object goes.
  void flushNow() {
    if (!gone_) socket_->flush();
  }

  // Hooks up the socket's events once the connection has its slot (0: turned away).
  void attach(int slot) {
    slot_ = slot;
    connect(socket_, &QTcpSocket::readyRead, this, [this] {
      const QByteArray bytes = socket_->readAll();
      if (slot_ > 0 && !gone_) server_.Sock1Read(slot_, {bytes.constData(), size_t(bytes.size())});
    });
    // A normal close and a broken connection are the same departure, reported once.
    connect(socket_, &QTcpSocket::disconnected, this, [this] { depart(); });
    connect(socket_, &QTcpSocket::errorOccurred, this, [this] {
      if (socket_->state() != QAbstractSocket::ConnectedState) depart();
    });
    // A connection turned away may still be flushing its "full" notice.
    if (socket_->state() == QAbstractSocket::UnconnectedState) depart();
  }

  void send(std::string_view bytes) override {
    if (gone_ || stalled_) return;
    if (socket_->bytesToWrite() + static_cast<qint64>(bytes.size()) > kMaxUnsentBytes) {
      // Dropped on the next turn of the event loop, not from inside the host's
      // handler that is sending to everybody right now.
      stalled_ = true;
      qCWarning(logHost) << "slot" << slot_ << "dropped: it does not read what it is sent ("
                         << socket_->bytesToWrite() << "bytes wait)";
      QMetaObject::invokeMethod(
          this, [this] { depart(); }, Qt::QueuedConnection);
      return;
    }
    socket_->write(bytes.data(), static_cast<qint64>(bytes.size()));
  }

  void close() override {
    if (gone_) return;
    socket_->disconnectFromHost();
    if (socket_->state() == QAbstractSocket::UnconnectedState) depart();
  }

 private:
  void depart() {
    if (gone_) return;
    gone_ = true;
    if (slot_ > 0) server_.connectionClosed(slot_);
    socket_->abort();
    deleteLater();
  }

  QTcpSocket* socket_;
  TServer& server_;
  int slot_ = 0;
  bool gone_ = false;
  bool stalled_ = false;
};

}  // namespace

TcpHost::TcpHost(Random& random, HostIntervals intervals, QObject* parent)
    : QObject(parent),
      socktimer_(intervals.socktimer, [this] { server_.socktimerTimer(); }),
      timer1_(intervals.timer1, [this] { server_.Timer1Timer(); }),
      turntimer_(intervals.turntimer, [this] { server_.turntimerTimer(); }),
      server_(random, socktimer_, timer1_, turntimer_),
      announcer_([this] { return summary(); }) {
  sock1_.setMaxPendingConnections(5);
  connect(&sock1_, &QTcpServer::newConnection, this, &TcpHost::acceptPending);
}

TcpHost::~TcpHost() {
  // Whoever listened to the log may be gone before us; a table that ends on
  // purpose was closed, and logged, before.
  log_ = nullptr;
  closeTable(0);
  // Connections die with us; the departures they would report do not matter any more.
  for (auto* child : findChildren<QObject*>(Qt::FindDirectChildrenOnly)) delete child;
}

void TcpHost::closeTable(int closer) {
  if (closed_) return;
  closed_ = true;
  announcer_.stop();
  sock1_.close();
  // The table ends on purpose: every player is told, so nobody tries to come back.
  server_.closeTable(closer);
  for (auto* child : children()) {
    if (auto* connection = dynamic_cast<TcpConnection*>(child)) connection->flushNow();
  }
}

bool TcpHost::listen(quint16 port, const QHostAddress& address) {
  if (!sock1_.listen(address, port)) return false;
  if (!announcer_.start(sock1_.serverPort()) && log_)
    log_(QStringLiteral("UDP port %1 is taken: finders on the network will not see this table")
             .arg(sock1_.serverPort()));
  return true;
}

TableAnswer TcpHost::summary() const {
  const PlayerTable& table = server_.table();
  TableAnswer answer;
  answer.port = sock1_.serverPort();
  for (int slot = 1; slot <= kMaxConnections; ++slot) {
    const tplayer& p = table.players[slot];
    if (!p.connected) continue;
    // A player counts once logged in (with a name); a watcher from its connection on.
    if (!PlayerTable::isPlayerSlot(slot)) {
      ++answer.watching;
    } else if (!p.name.empty()) {
      ++answer.seated;
    }
  }
  answer.playing = table.host.gameon;
  if (answer.playing) {
    answer.round = table.host.roundnumber;
    answer.rounds = table.host.roundspergame;
  }
  answer.name = tableName_.toStdString();
  return answer;
}

void TcpHost::setLog(std::function<void(const QString&)> log) {
  log_ = std::move(log);
  server_.setLog([this](const std::string& line) {
    if (log_) log_(QString::fromStdString(line));
  });
}

void TcpHost::acceptPending() {
  while (QTcpSocket* socket = sock1_.nextPendingConnection()) {
    auto* connection = new TcpConnection(socket, server_, this);
    // Show an IPv4 peer as such, not in its IPv6-mapped form.
    const QHostAddress address = socket->peerAddress();
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    const QString peer = isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
    const int slot = server_.Sock1Accept(connection);
    if (log_ && slot > 0) {
      log_(QStringLiteral("Connection from %1 in slot %2").arg(peer).arg(slot));
    } else if (log_) {
      // A stranger knocking thousands of times a second gets a line a second.
      const auto now = std::chrono::steady_clock::now();
      if (now - turnedAwayLogged_ < std::chrono::seconds(1)) {
        ++turnedAwayQuiet_;
      } else {
        log_(QStringLiteral("Connection from %1 turned away: the game is full").arg(peer) +
             (turnedAwayQuiet_ > 0
                  ? QStringLiteral(" (and %1 more since the last line)").arg(turnedAwayQuiet_)
                  : QString()));
        turnedAwayLogged_ = now;
        turnedAwayQuiet_ = 0;
      }
    }
    connection->attach(slot);
  }
}

}  // namespace kuvo
