// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settingsfile.h"

#include <string>

#include <QFile>
#include <QSaveFile>

// Values are UTF-8 bytes kept as they are; no wide-character conversion needed.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION  // the header carries the code; nothing else to link
#include <SimpleIni.h>

#include "fields.h"

namespace kuvo {

struct SettingsFile::Impl {
  Impl() { ini.SetSpaces(false); }  // "key=value", as other programs write the file
  CSimpleIniA ini{/*a_bIsUtf8=*/true, /*a_bMultiKey=*/false, /*a_bMultiLine=*/false};
};

SettingsFile::SettingsFile(QString path, QString section)
    : path_(std::move(path)), section_(std::move(section)), impl_(std::make_unique<Impl>()) {}

SettingsFile::~SettingsFile() = default;

bool SettingsFile::load() {
  impl_->ini.Reset();
  writable_ = true;
  QFile file(path_);
  if (!file.exists()) return true;
  if (file.size() > kMaxSettingsFileSize || !file.open(QIODevice::ReadOnly)) {
    writable_ = false;
    return false;
  }
  const QByteArray data = file.read(kMaxSettingsFileSize + 1);
  if (data.size() > kMaxSettingsFileSize ||
      impl_->ini.LoadData(data.constData(), static_cast<size_t>(data.size())) < 0) {
    impl_->ini.Reset();
    writable_ = false;
    return false;
  }
  return true;
}

std::optional<QString> SettingsFile::value(const QString& key) const {
  const std::string section = section_.toStdString();
  const std::string name = key.toStdString();
  const char* found = impl_->ini.GetValue(section.c_str(), name.c_str(), nullptr);
  if (!found) return std::nullopt;
  return QString::fromUtf8(found);
}

QString SettingsFile::readText(const QString& key, const QString& fallback) const {
  return value(key).value_or(fallback);
}

int SettingsFile::readInt(const QString& key, int fallback) const {
  const auto text = value(key);
  if (!text) return fallback;
  return parseInt(text->trimmed().toStdString()).value_or(fallback);
}

void SettingsFile::writeText(const QString& key, const QString& value) {
  const std::string section = section_.toStdString();
  const std::string name = key.toStdString();
  // One line per value: a line break would start a key of its own.
  QString line = value;
  line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
  const std::string text = line.toStdString();
  impl_->ini.SetValue(section.c_str(), name.c_str(), text.c_str());
}

void SettingsFile::writeInt(const QString& key, int value) {
  writeText(key, QString::number(value));
}

bool SettingsFile::save() {
  if (!writable_) return false;
  std::string data;
  if (impl_->ini.Save(data) < 0) return false;
  QSaveFile file(path_);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (file.write(data.data(), static_cast<qint64>(data.size())) !=
      static_cast<qint64>(data.size())) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace kuvo
