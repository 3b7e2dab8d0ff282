#include "datapaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace kuvo {
namespace {
QString& overrideFolder() {
  static QString folder;
  return folder;
}
}  // namespace

void setDataFolderOverride(const QString& folder) {
  overrideFolder() = folder;
}

QString dataFolder() {
  if (!overrideFolder().isEmpty()) return overrideFolder();
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QFileInfo info(programFolder);
  if (!programFolder.isEmpty() && info.isDir() && info.isWritable()) return programFolder;
  QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (userFolder.isEmpty()) userFolder = QDir::homePath() + "/.local/share/kuvo";
  QDir().mkpath(userFolder);
  return userFolder;
}

QString dataFilePath(const QString& fileName) {
  return QDir(dataFolder()).filePath(fileName);
}

}  // namespace kuvo
