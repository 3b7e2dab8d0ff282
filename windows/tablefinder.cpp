// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tablefinder.h"

#include <algorithm>

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QRandomGenerator>

namespace kuvo {
namespace {

constexpr std::chrono::milliseconds kTick{1000};
constexpr int kTicksPerAsk = static_cast<int>(kFinderAskInterval / kTick);

// "host", "host:port" or "[v6 address]:port"; nullopt when malformed.
std::optional<FinderTarget> parseTarget(const QString& entry) {
  const QString text = entry.trimmed();
  if (text.isEmpty()) return std::nullopt;
  FinderTarget target;
  QString portText;
  if (text.startsWith(QLatin1Char('['))) {
    const auto close = text.indexOf(QLatin1Char(']'));
    if (close < 0) return std::nullopt;
    target.host = text.mid(1, close - 1);
    const QString after = text.mid(close + 1);
    if (!after.isEmpty() && !after.startsWith(QLatin1Char(':'))) return std::nullopt;
    portText = after.mid(1);
  } else {
    const auto colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon >= 0 && text.indexOf(QLatin1Char(':')) == colon) {
      target.host = text.left(colon);
      portText = text.mid(colon + 1);
    } else {
      target.host = text;
    }
  }
  if (target.host.isEmpty()) return std::nullopt;
  if (!portText.isNull()) {
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port == 0 || port > 65535) return std::nullopt;
    target.port = static_cast<quint16>(port);
  }
  return target;
}

}  // namespace

QList<FinderTarget> finderTargets(bool discoverySet, const QString& discovery) {
  QList<FinderTarget> targets;
  if (discoverySet) {
    for (const QString& entry : discovery.split(QLatin1Char(','))) {
      if (auto target = parseTarget(entry)) targets << *target;
    }
    return targets;
  }
  for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
    if (!interface.flags().testFlag(QNetworkInterface::IsUp) ||
        !interface.flags().testFlag(QNetworkInterface::CanBroadcast))
      continue;
    for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
      if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || entry.broadcast().isNull())
        continue;
      const FinderTarget target{entry.broadcast().toString(), kFinderDefaultPort};
      if (!targets.contains(target)) targets << target;
    }
  }
  targets << FinderTarget{QHostAddress(QHostAddress::Broadcast).toString(), kFinderDefaultPort};
  return targets;
}

QList<FinderTarget> finderTargetsFromEnvironment() {
  return finderTargets(qEnvironmentVariableIsSet("KUVO_DISCOVERY"),
                       qEnvironmentVariable("KUVO_DISCOVERY"));
}

QString FoundTable::addressText() const {
  bool isIpv4 = false;
  const quint32 ipv4 = address.toIPv4Address(&isIpv4);
  const QString host = isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
  if (info.port == kFinderDefaultPort) return host;
  return (isIpv4 ? host : QLatin1Char('[') + host + QLatin1Char(']')) + QLatin1Char(':') +
         QString::number(info.port);
}

bool TableList::seen(const QHostAddress& from, const TableAnswer& answer,
                     std::chrono::milliseconds now) {
  const bool confirmed = !answer.nonce.empty();
  TableAnswer info = answer;
  info.nonce.clear();
  for (FoundTable& table : tables_) {
    if (!table.address.isEqual(from, QHostAddress::TolerantConversion) ||
        table.info.port != info.port)
      continue;
    // Without a nonce, anybody could have sent it.
    if (table.confirmed && !confirmed) return false;
    table.lastSeen = now;
    table.confirmed = confirmed;
    if (table.info == info) return false;
    table.info = info;
    return true;
  }
  // Whoever can send a datagram can make up tables: the list stays short.
  const auto fromThere = std::count_if(tables_.begin(), tables_.end(), [&](const FoundTable& t) {
    return t.address.isEqual(from, QHostAddress::TolerantConversion);
  });
  if (tables_.size() >= kMaxFoundTables || fromThere >= kMaxTablesPerAddress) return false;
  tables_.push_back({from, info, confirmed, now});
  return true;
}

bool TableList::forgetOld(std::chrono::milliseconds now) {
  const auto before = tables_.size();
  std::erase_if(tables_, [now](const FoundTable& table) {
    return now - table.lastSeen >= kTableForgottenAfter;
  });
  return tables_.size() != before;
}

TableFinder::TableFinder(QList<FinderTarget> targets, QObject* parent)
    : QObject(parent), targets_(std::move(targets)) {
  clock_.start();
  timer_.setInterval(kTick);
  connect(&timer_, &QTimer::timeout, this, &TableFinder::tick);
  connect(&socket_, &QUdpSocket::readyRead, this, &TableFinder::readPending);
  for (const FinderTarget& target : targets_) {
    const QHostAddress address(target.host);
    if (!address.isNull()) {
      resolved_ << qMakePair(address, target.port);
      continue;
    }
    // Names are looked up once, without holding up the window.
    const quint16 port = target.port;
    QHostInfo::lookupHost(target.host, this, [this, port](const QHostInfo& info) {
      for (const QHostAddress& address : info.addresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol) {
          resolved_ << qMakePair(address, port);
          if (timer_.isActive()) ask();
          break;
        }
      }
    });
  }
}

void TableFinder::start() {
  if (socket_.state() != QAbstractSocket::BoundState) socket_.bind(QHostAddress::AnyIPv4, 0);
  ticks_ = 0;
  ask();
  timer_.start();
}

void TableFinder::stop() {
  timer_.stop();
  socket_.close();
}

void TableFinder::tick() {
  if (++ticks_ % kTicksPerAsk == 0) ask();
  if (list_.forgetOld(now())) emit changed();
}

void TableFinder::ask() {
  std::rotate(nonces_.rbegin(), nonces_.rbegin() + 1, nonces_.rend());
  nonces_.front() = QString::number(QRandomGenerator::system()->generate64(), 16)
                        .rightJustified(kFindNonceDigits, QLatin1Char('0'))
                        .toStdString();
  const std::string noncedQuery = buildNoncedFindQuery(nonces_.front());
  // The query with the nonce first: a newer table answers it and, having just
  // answered this asker, lets the plain one go that only older tables answer.
  for (const auto& [address, port] : resolved_) {
    socket_.writeDatagram(noncedQuery.data(), static_cast<qint64>(noncedQuery.size()), address,
                          port);
    socket_.writeDatagram(kFindQuery.data(), static_cast<qint64>(kFindQuery.size()), address, port);
  }
}

bool TableFinder::askedWith(const std::string& nonce) const {
  return std::find(nonces_.begin(), nonces_.end(), nonce) != nonces_.end();
}

void TableFinder::readPending() {
  bool changedNow = false;
  while (socket_.hasPendingDatagrams()) {
    // One byte more than an answer may have, so an oversized one shows as such.
    const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxTableAnswerBytes + 1);
    const QByteArray bytes = datagram.data();
    if (!datagram.isValid()) continue;
    const auto answer = parseTableAnswer({bytes.constData(), size_t(bytes.size())});
    // A table answers from its own port, one the finder asked at; an answer
    // from anywhere else speaks for a table that is not there.
    const auto port = static_cast<quint16>(datagram.senderPort());
    if (!answer || answer->port != port ||
        std::none_of(resolved_.begin(), resolved_.end(),
                     [port](const auto& target) { return target.second == port; }))
      continue;
    if (!answer->nonce.empty() && !askedWith(answer->nonce)) continue;
    changedNow = list_.seen(datagram.senderAddress(), *answer, now()) || changedNow;
  }
  if (changedNow) emit changed();
}

}  // namespace kuvo
