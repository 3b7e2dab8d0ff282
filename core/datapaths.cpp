// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace kuvo {
namespace {

// The folder name below the user's config and data folders. It is spelled
// here rather than taken from the application name, which differs between
// kuvo, kuvo-host and kuvo-tally (and makes the window's class on X11).
constexpr char kUserFolderName[] = "Kuvo";

QString& overrideFolder() {
  static QString folder;
  return folder;
}

bool isPortable(const QString& programFolder) {
  if (programFolder.isEmpty()) return false;
  const QDir folder(programFolder);
  for (const char* name : {kPortableMarkerName, kSettingsFileName, kTallyFileName}) {
    if (QFileInfo::exists(folder.filePath(QString::fromLatin1(name)))) return true;
  }
  return false;
}

QString userBase(QStandardPaths::StandardLocation location, const char* fallback) {
  const QString base = QStandardPaths::writableLocation(location);
  return base.isEmpty() ? QDir::home().filePath(QString::fromLatin1(fallback)) : base;
}

}  // namespace

FileFolders fileFoldersFor(const QString& programFolder, const QString& configHome,
                           const QString& dataHome) {
  if (isPortable(programFolder)) return {programFolder, programFolder};
  const QString name = QString::fromLatin1(kUserFolderName);
  return {QDir(configHome).filePath(name), QDir(dataHome).filePath(name)};
}

QString adoptOldSettingsFile(const QString& oldFile, const QString& newFile) {
  if (oldFile == newFile || QFileInfo::exists(newFile) || !QFileInfo::exists(oldFile)) {
    return newFile;
  }
  // QFile::rename never replaces an existing file, and copies across file systems.
  if (QDir().mkpath(QFileInfo(newFile).absolutePath()) && QFile::rename(oldFile, newFile)) {
    return newFile;
  }
  return oldFile;
}

void setDataFolderOverride(const QString& folder) {
  overrideFolder() = folder;
}

FileFolders fileFolders() {
  if (!overrideFolder().isEmpty()) return {overrideFolder(), overrideFolder()};
  static const FileFolders folders =
      fileFoldersFor(QCoreApplication::applicationDirPath(),
                     userBase(QStandardPaths::GenericConfigLocation, ".config"),
                     userBase(QStandardPaths::GenericDataLocation, ".local/share"));
  return folders;
}

QString dataFolder() {
  const QString folder = fileFolders().data;
  QDir().mkpath(folder);
  return folder;
}

QString dataFilePath(const QString& fileName) {
  return QDir(dataFolder()).filePath(fileName);
}

QString settingsFilePath() {
  const FileFolders folders = fileFolders();
  const QString name = QString::fromLatin1(kSettingsFileName);
  const QString wanted = QDir(folders.settings).filePath(name);
  // Before, an installed Kuvo kept its settings in the data folder with the tally.
  const QString path = adoptOldSettingsFile(QDir(folders.data).filePath(name), wanted);
  if (path == wanted) QDir().mkpath(folders.settings);
  return path;
}

}  // namespace kuvo
