// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kuvo {
namespace {

QString& overrideFolder() {
  static QString folder;
  return folder;
}

// Permission bits do not tell the whole story (read-only mounts, root, ACLs):
// a folder is writable when a file can be created in it.
bool canCreateFileIn(const QString& folder) {
  if (folder.isEmpty() || !QDir(folder).exists()) return false;
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".kuvo-write-test-XXXXXX")));
  return probe.open();
}

}  // namespace

void setDataFolderOverride(const QString& folder) {
  overrideFolder() = folder;
}

QString dataFolderFor(const QString& programFolder, const QString& userFolder) {
  if (canCreateFileIn(programFolder)) return programFolder;
  QDir().mkpath(userFolder);
  return userFolder;
}

QString dataFolder() {
  if (!overrideFolder().isEmpty()) return overrideFolder();
  static const QString folder = [] {
    QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (user.isEmpty()) user = QDir::homePath() + QStringLiteral("/.local/share/Kuvo");
    return dataFolderFor(QCoreApplication::applicationDirPath(), user);
  }();
  return folder;
}

QString dataFilePath(const QString& fileName) {
  return QDir(dataFolder()).filePath(fileName);
}

}  // namespace kuvo
