// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Looking for tables on the local network: sends the find query to the
// finder's targets on opening and every three seconds, and keeps the list of
// the tables that answered. A table that stops answering leaves the list after
// ten seconds.
//
// Where it looks: when KUVO_DISCOVERY is set, only at the addresses it lists
// (comma-separated host[:port]); otherwise at the IPv4 broadcast address of
// every interface that is up, and at 255.255.255.255, all on the game port.
#pragma once

#include <array>
#include <chrono>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUdpSocket>

#include "discovery.h"
#include "gamerules.h"

namespace kuvo {

inline constexpr std::chrono::milliseconds kFinderAskInterval{3000};
inline constexpr std::chrono::milliseconds kTableForgottenAfter{10'000};
inline constexpr quint16 kFinderDefaultPort = kGamePort;
// The most tables the list holds, in all and from one address.
inline constexpr std::size_t kMaxFoundTables = 64;
inline constexpr std::ptrdiff_t kMaxTablesPerAddress = 4;

struct FinderTarget {
  QString host;  // an address or a host name
  quint16 port = kFinderDefaultPort;
  bool operator==(const FinderTarget&) const = default;
};

// The targets KUVO_DISCOVERY names (entries that are not host[:port] are
// skipped), or, when it is not set, the broadcast addresses.
QList<FinderTarget> finderTargets(bool discoverySet, const QString& discovery);
QList<FinderTarget> finderTargetsFromEnvironment();

struct FoundTable {
  QHostAddress address;
  TableAnswer info;  // without the nonce
  // It answered a query of ours with its nonce: only such an answer changes
  // the row from then on.
  bool confirmed = false;
  std::chrono::milliseconds lastSeen{0};
  // "192.168.1.10", with ":port" when the table is not on the usual port.
  QString addressText() const;
};

// The tables found, in the order they first answered.
class TableList {
 public:
  // Both return whether the list changed. An answer carrying a nonce must
  // have been checked against the finder's queries already.
  bool seen(const QHostAddress& from, const TableAnswer& info, std::chrono::milliseconds now);
  bool forgetOld(std::chrono::milliseconds now);
  const std::vector<FoundTable>& tables() const { return tables_; }

 private:
  std::vector<FoundTable> tables_;
};

class TableFinder : public QObject {
  Q_OBJECT
 public:
  explicit TableFinder(QList<FinderTarget> targets, QObject* parent = nullptr);

  void start();  // asks now, then every three seconds
  void stop();
  const TableList& list() const { return list_; }

 signals:
  void changed();

 private:
  void tick();
  void ask();
  void readPending();
  bool askedWith(const std::string& nonce) const;
  std::chrono::milliseconds now() const { return std::chrono::milliseconds(clock_.elapsed()); }

  QList<FinderTarget> targets_;
  QList<QPair<QHostAddress, quint16>> resolved_;
  QUdpSocket socket_;
  QTimer timer_;
  QElapsedTimer clock_;
  int ticks_ = 0;
  // The nonces of the last queries: an answer may come a moment after the
  // next query went out.
  std::array<std::string, 2> nonces_;
  TableList list_;
};

}  // namespace kuvo
