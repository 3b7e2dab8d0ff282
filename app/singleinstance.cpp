// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "singleinstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace kuvo {

SingleInstanceGuard::SingleInstanceGuard(const QString& token, const QString& folder) {
  QString base = folder;
  if (base.isEmpty()) base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (base.isEmpty()) base = QDir::tempPath();
  QDir().mkpath(base);
  lockPath_ = QDir(base).filePath(token + QStringLiteral(".lock"));
  socketPath_ = QDir(base).filePath(token + QStringLiteral(".socket"));
  lock_ = std::make_unique<QLockFile>(lockPath_);
  // Only a live process holds the lock; a crashed one's lock is stale at once.
  lock_->setStaleLockTime(0);
}

bool SingleInstanceGuard::anotherInstanceRuns() {
  if (lock_->tryLock(0)) return false;
  if (lock_->error() != QLockFile::LockFailedError) return false;  // cannot tell: run
  QLocalSocket knock;
  knock.connectToServer(socketPath_);
  if (knock.waitForConnected(500)) {
    knock.write("activate\n");
    knock.waitForBytesWritten(500);
    knock.disconnectFromServer();
  }
  return true;
}

void SingleInstanceGuard::release() {
  server_.close();
  QLocalServer::removeServer(socketPath_);
  if (lock_) lock_->unlock();
}

void SingleInstanceGuard::listen(std::function<void()> activate) {
  QLocalServer::removeServer(socketPath_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(socketPath_);
  QObject::connect(&server_, &QLocalServer::newConnection, &server_, [this, activate] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      // Whatever the caller writes, a knock means "come to the front".
      QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      activate();
    }
  });
}

}  // namespace kuvo
