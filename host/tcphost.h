// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The host on real sockets: listens on the game port, turns each accepted
// QTcpSocket into a connection of the host, and drives the host's clocks.
#pragma once

#include <chrono>
#include <functional>

#include <QAbstractSocket>
#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include "random.h"
#include "tableannouncer.h"
#include "timer.h"
#include "tserver.h"

namespace kuvo {

// TCP keep-alive on a game connection, tuned so that a peer that vanished
// without a word (power or network gone) is noticed within about 15 seconds,
// where the platform lets us tune it; elsewhere its own keep-alive.
void enableKeepAlive(QAbstractSocket& socket);

struct HostIntervals {
  std::chrono::milliseconds socktimer{10};
  std::chrono::milliseconds timer1{1350};
  std::chrono::milliseconds turntimer{1000};
};

class TcpHost : public QObject {
  Q_OBJECT
 public:
  explicit TcpHost(Random& random, HostIntervals intervals = {}, QObject* parent = nullptr);
  ~TcpHost() override;

  // Binds all local addresses (or the one given) on the port; port 0 picks a free one.
  // The table then also answers finders on the local network at the same port
  // number over UDP, when that port is free.
  bool listen(quint16 port = kGamePort, const QHostAddress& address = QHostAddress::Any);
  // Ends the table on purpose, once: no more newcomers, and every connection
  // is told who closed it (the hosting player's slot, 0 for the table
  // itself) and not to come back. The destructor closes it as the table's own.
  void closeTable(int closer);
  // The name finders are shown for this table.
  void setTableName(const QString& name) { tableName_ = name; }
  // What a finder is told about the table now.
  TableAnswer summary() const;
  quint16 port() const { return sock1_.serverPort(); }
  QString errorString() const { return sock1_.errorString(); }
  // Lines for a console: connections, logins, departures.
  void setLog(std::function<void(const QString&)> log);

  TServer& server() { return server_; }

 private:
  void acceptPending();

  QTcpServer sock1_;
  QtTimer socktimer_;
  QtTimer timer1_;
  QtTimer turntimer_;
  TServer server_;
  TableAnnouncer announcer_;
  QString tableName_;
  bool closed_ = false;
  // The console's line about connections turned away, at most one a second.
  std::chrono::steady_clock::time_point turnedAwayLogged_{};
  int turnedAwayQuiet_ = 0;
  std::function<void(const QString&)> log_;
};

}  // namespace kuvo
