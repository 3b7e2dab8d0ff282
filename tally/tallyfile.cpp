// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tallyfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <span>

#include "logging.h"
#include "lzrw1.h"

namespace kuvo {

QByteArray readContainerFile(const QString& path) {
  const std::string name = path.toStdString();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) throw ELzrw1Exception(lzrw1::openInputErrorText(name));
  // Anything bigger than a tally file can be is not read whole into memory.
  if (file.size() > kMaxTallyFileBytes) throw ELzrw1Exception(lzrw1::tooLargeText(name));
  const QByteArray bytes = file.read(kMaxTallyFileBytes + 1);
  if (file.error() != QFileDevice::NoError || bytes.size() > kMaxTallyFileBytes) {
    throw ELzrw1Exception(lzrw1::readErrorText(name));
  }
  const std::span<const std::uint8_t> container(
      reinterpret_cast<const std::uint8_t*>(bytes.constData()),
      static_cast<std::size_t>(bytes.size()));
  const std::vector<std::uint8_t> plain =
      Tlzrw1::decompress(container, name, static_cast<std::size_t>(kMaxTallyTextBytes));
  return QByteArray(reinterpret_cast<const char*>(plain.data()),
                    static_cast<qsizetype>(plain.size()));
}

void writeContainerFile(const QString& path, const QByteArray& data) {
  const std::string name = path.toStdString();
  Tlzrw1 doit;
  const std::vector<std::uint8_t> packed = doit.compress(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                    static_cast<std::size_t>(data.size())),
      name);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) throw ELzrw1Exception(lzrw1::openOutputErrorText(name));
  const qint64 size = static_cast<qint64>(packed.size());
  if (file.write(reinterpret_cast<const char*>(packed.data()), size) != size || !file.commit()) {
    file.cancelWriting();
    throw ELzrw1Exception(lzrw1::writeErrorText(name));
  }
}

TallyLoadResult loadTallyFile(const QString& path) {
  TallyLoadResult result;
  if (!QFileInfo::exists(path)) return result;
  result.found = true;
  try {
    result.store = TallyStore::fromText(readContainerFile(path));
  } catch (const std::exception& error) {
    result.store = TallyStore();
    result.error = QString::fromStdString(error.what());
    qCWarning(logTally) << "tally file" << path << "could not be read:" << result.error;
  }
  return result;
}

QString moveAsideUnreadable(const QString& path) {
  const QString base = path + QStringLiteral(".unreadable");
  for (int number = 1; number <= kMaxUnreadableCopies; ++number) {
    const QString target = number == 1 ? base : base + QLatin1Char('.') + QString::number(number);
    // A rename never replaces an existing file, so an earlier copy is never lost.
    if (QFileInfo::exists(target)) continue;
    if (QFile::rename(path, target)) {
      qCInfo(logTally) << "unreadable tally file kept as" << target;
      return target;
    }
    qCWarning(logTally) << "unreadable tally file" << path << "could not be moved to" << target;
    return {};
  }
  qCWarning(logTally) << "unreadable tally file" << path
                      << "left in place: every copy name is taken";
  return {};
}

QString saveTallyFile(const QString& path, const TallyStore& store) {
  try {
    writeContainerFile(path, store.toText());
  } catch (const std::exception& error) {
    qCWarning(logTally) << "tally file" << path << "could not be saved:" << error.what();
    return QString::fromStdString(error.what());
  }
  return {};
}

}  // namespace kuvo
