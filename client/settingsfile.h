// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// One section of a shared settings file ("orvellobby.ini"): other programs keep
// their own sections in the same file, so everything this class does not write
// stays exactly where it was. Keys and section names ignore letter case;
// values are kept verbatim (a comma is just text). The file is written whole
// or not at all.
#pragma once

#include <memory>
#include <optional>

#include <QString>

#include "datapaths.h"  // kSettingsFileName

namespace kuvo {

inline constexpr char kSettingsSection[] = "Kuvo";
// A settings file is a few hundred bytes; anything this large is not ours to parse.
inline constexpr qint64 kMaxSettingsFileSize = 1 << 20;

class SettingsFile {
 public:
  explicit SettingsFile(QString path, QString section = QString::fromLatin1(kSettingsSection));
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // Reads the file. A missing file reads as empty (true); a file that cannot
  // be read or parsed, or is too large, also reads as empty but returns false,
  // and save() then refuses to replace it.
  bool load();
  // The value of a key of the section; nullopt when the key is missing.
  std::optional<QString> value(const QString& key) const;
  QString readText(const QString& key, const QString& fallback) const;
  // A whole decimal number; a missing or unreadable value gives the fallback.
  int readInt(const QString& key, int fallback) const;
  void writeText(const QString& key, const QString& value);
  void writeInt(const QString& key, int value);
  // Writes the whole file through a temporary file; false when nothing was written.
  bool save();

 private:
  struct Impl;
  QString path_;
  QString section_;
  std::unique_ptr<Impl> impl_;
  bool writable_ = true;
};

}  // namespace kuvo
