// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The seat key kept on disk, so that a Kuvo started again after a crash or a
// power cut takes its seat back instead of sitting down a second time. One
// small file in the user's runtime folder, readable by the user only. Its
// content is checked like a message from the network: anyone who can write
// that folder can put anything there.
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include <QString>

namespace kuvo {

struct KeptSeat {
  QString address;  // as the player gave it, without the port
  quint16 port = 0;
  int slot = 0;
  std::string key;
  qint64 expires = 0;  // milliseconds since 1970 (UTC)
};

// How long the host keeps a seat after the connection was lost: the file
// never promises more.
inline constexpr std::chrono::milliseconds kSeatKeptFor{60'000};

class SeatKeyFile {
 public:
  // An empty path keeps nothing: every call does nothing.
  explicit SeatKeyFile(QString path) : path_(std::move(path)) {}
  // The file in the user's runtime folder; empty when the system has none.
  static QString defaultPath();

  // Written whole or not at all; false when it could not be written.
  bool write(const KeptSeat& seat) const;
  // The seat kept for the table at `address`:`port`, when the file holds one
  // that is sound and not expired at `now` (milliseconds since 1970). An
  // expired file is removed; one of another table stays for that table.
  std::optional<KeptSeat> read(const QString& address, quint16 port, qint64 now) const;
  void remove() const;
  const QString& path() const { return path_; }

 private:
  QString path_;
};

}  // namespace kuvo
