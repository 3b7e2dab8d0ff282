// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A table's answer to the finders on the local network: listens for the find
// query on UDP at the table's port and answers each sender with the table's
// summary, at most once a second to any one address and twenty times a
// second in all. It never sends anything unasked.
#pragma once

#include <functional>

#include <QElapsedTimer>
#include <QObject>
#include <QUdpSocket>

#include "discovery.h"

namespace kuvo {

class TableAnnouncer : public QObject {
  Q_OBJECT
 public:
  using Summary = std::function<TableAnswer()>;

  TableAnnouncer(Summary summary, QObject* parent = nullptr);

  // Listens on the port on every IPv4 address; false when the port is taken.
  bool start(quint16 port);
  void stop();
  bool isListening() const { return socket_.state() == QAbstractSocket::BoundState; }

 private:
  void readPending();

  Summary summary_;
  QUdpSocket socket_;
  AnswerLimit limit_;
  AskerLimit askers_;
  QElapsedTimer clock_;
};

}  // namespace kuvo
