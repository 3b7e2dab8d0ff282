// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seatkeyfile.h"

#include <limits>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "messages.h"
#include "playerslots.h"

namespace kuvo {
namespace {

constexpr char kFileName[] = "kuvo-seat";
constexpr char kFirstLine[] = "kuvo seat 1";
// A sound file is well under this; more is not ours.
constexpr qint64 kMaxFileSize = 1024;
constexpr qsizetype kMaxAddress = 255;  // the longest host name DNS allows

bool soundAddress(const QString& address) {
  if (address.isEmpty() || address.size() > kMaxAddress) return false;
  for (const QChar c : address) {
    if (c.isSpace() || c.category() == QChar::Other_Control) return false;
  }
  return true;
}

// A whole decimal number in [low, high], nothing else.
std::optional<qint64> number(const QByteArray& text, qint64 low, qint64 high) {
  if (text.isEmpty() || text.size() > 19) return std::nullopt;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
  }
  bool ok = false;
  const qint64 value = text.toLongLong(&ok);
  if (!ok || value < low || value > high) return std::nullopt;
  return value;
}

}  // namespace

QString SeatKeyFile::defaultPath() {
  // The runtime folder is the user's own and is emptied when the session
  // ends; without one the key is not kept at all rather than left in a
  // folder others can read.
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) return {};
  return QDir(folder).filePath(QString::fromLatin1(kFileName));
}

bool SeatKeyFile::write(const KeptSeat& seat) const {
  if (path_.isEmpty()) return false;
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  // Owner only, before the key is in it.
  if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
    file.cancelWriting();
    return false;
  }
  const QByteArray text = QByteArray(kFirstLine) + "\naddress=" + seat.address.toUtf8() +
                          "\nport=" + QByteArray::number(seat.port) +
                          "\nslot=" + QByteArray::number(seat.slot) +
                          "\nkey=" + QByteArray::fromStdString(seat.key) +
                          "\nexpires=" + QByteArray::number(seat.expires) + '\n';
  file.write(text);
  return file.commit();
}

std::optional<KeptSeat> SeatKeyFile::read(const QString& address, quint16 port, qint64 now) const {
  if (path_.isEmpty()) return std::nullopt;
  QFile file(path_);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize) return std::nullopt;
  const QByteArray text = file.read(kMaxFileSize + 1);
  file.close();
  if (text.size() > kMaxFileSize) return std::nullopt;

  const QList<QByteArray> lines = text.split('\n');
  if (lines.isEmpty() || lines.first() != kFirstLine) return std::nullopt;
  std::optional<QByteArray> fields[5];
  static constexpr const char* kNames[5] = {"address", "port", "slot", "key", "expires"};
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const QByteArray& line = lines[i];
    if (line.isEmpty()) continue;
    const auto equals = line.indexOf('=');
    if (equals <= 0) return std::nullopt;
    const QByteArray name = line.left(equals);
    bool known = false;
    for (int f = 0; f < 5; ++f) {
      if (name != kNames[f]) continue;
      if (fields[f]) return std::nullopt;  // twice: which one would be meant?
      fields[f] = line.mid(equals + 1);
      known = true;
    }
    if (!known) return std::nullopt;
  }
  for (const auto& field : fields) {
    if (!field) return std::nullopt;
  }

  KeptSeat seat;
  seat.address = QString::fromUtf8(*fields[0]);
  const auto filePort = number(*fields[1], 1, 65535);
  const auto slot = number(*fields[2], 1, PlayerSlots::kCount);
  seat.key = fields[3]->toStdString();
  const auto expires = number(*fields[4], 0, std::numeric_limits<qint64>::max());
  if (!soundAddress(seat.address) || !filePort || !slot || !wellFormedSeatKey(seat.key) || !expires)
    return std::nullopt;
  seat.port = static_cast<quint16>(*filePort);
  seat.slot = static_cast<int>(*slot);
  seat.expires = *expires;

  // Past its time, or further ahead than any seat is kept (the clock was set
  // back since): no host keeps that seat now.
  if (seat.expires <= now || seat.expires - now > kSeatKeptFor.count()) {
    remove();
    return std::nullopt;
  }
  if (seat.address != address || seat.port != port) return std::nullopt;
  return seat;
}

void SeatKeyFile::remove() const {
  if (!path_.isEmpty()) QFile::remove(path_);
}

}  // namespace kuvo
