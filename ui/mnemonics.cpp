// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mnemonics.h"

#include <QSet>

namespace kuvo {

QStringList withMnemonics(const QStringList& texts) {
  QSet<QChar> taken;
  QStringList marked;
  marked.reserve(texts.size());
  for (const QString& text : texts) {
    QString plain = text;
    plain.replace(QLatin1Char('&'), QStringLiteral("&&"));
    for (qsizetype i = 0; i < plain.size(); ++i) {
      const QChar letter = plain.at(i).toUpper();
      if (!plain.at(i).isLetterOrNumber() || taken.contains(letter)) continue;
      taken.insert(letter);
      plain.insert(i, QLatin1Char('&'));
      break;
    }
    marked << plain;
  }
  return marked;
}

QString withoutMnemonic(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

}  // namespace kuvo
