// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Keeps one game per user session: a second start brings the first window to
// the front and exits before it creates any window. A lock file marks the
// first instance (a crashed one's stale lock is taken over); a local socket
// beside it carries the wake-up call.
#pragma once

#include <functional>
#include <memory>

#include <QLocalServer>
#include <QLockFile>
#include <QString>

namespace kuvo {

class SingleInstanceGuard {
 public:
  // `folder`: where the lock and the socket live (default: the user's runtime folder).
  explicit SingleInstanceGuard(const QString& token = QStringLiteral("qelvo9"),
                               const QString& folder = QString());
  // True when another instance runs; it has been asked to come to the front.
  bool anotherInstanceRuns();
  // In the first instance: `activate` runs whenever a later start knocks.
  void listen(std::function<void()> activate);
  // Gives the session's one place up, so that a program started next (the
  // game handing over to itself with new arguments) can take it.
  void release();

 private:
  QString lockPath_;
  QString socketPath_;
  std::unique_ptr<QLockFile> lock_;
  QLocalServer server_;
};

}  // namespace kuvo
