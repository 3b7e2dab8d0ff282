// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

#include <QRegularExpression>
#include <QStringList>

namespace kuvo {

QString Announcer::diceText(const std::array<int, kTableSize>& dice,
                            const std::array<int, kTableSize>& bonuses, const Board& cells,
                            int pullsLeft) {
  QStringList faces;
  QStringList fits;
  for (int c = 0; c < kTableSize; ++c) {
    const auto i = static_cast<size_t>(c);
    const int value = dice[i];
    if (value < 1 || value > 6) {
      faces << tr("none");
      continue;
    }
    switch (bonuses[i]) {
      case kDieBonus100:
        faces << tr("%1 plus 100").arg(value);
        break;
      case kDieBonus200:
        faces << tr("%1 plus 200").arg(value);
        break;
      case kDieBonusExtraPull:
        faces << tr("%1 extra pull").arg(value);
        break;
      default:
        faces << QString::number(value);
    }
    if (dieFitsColumn(value, cells[i])) fits << QString::number(c + 1);
  }
  const QString list = faces.join(QStringLiteral(", "));
  QString where;
  if (fits.size() == 1) {
    where = tr("Fits column %1.").arg(fits.first());
  } else if (!fits.isEmpty()) {
    where = tr("Fits columns %1.").arg(fits.join(QStringLiteral(", ")));
  } else if (pullsLeft > 0) {
    where = tr("No die fits: pull again.");
  } else {
    where = tr("No die fits, and no pulls are left.");
  }
  return tr("Dice: %1. %2").arg(list, where);
}

QString Announcer::takeText(int column, int row, int points, const QString& total, int bonus,
                            int pullsLeft) {
  QString text = tr("Taken: column %1, row %2.").arg(column + 1).arg(row + 1);
  text += QLatin1Char(' ') + tr("%n points.", nullptr, points);
  // One pass of arg(): a total is only what the host sent.
  text += QLatin1Char(' ') + tr("Total %1.").arg(total);
  if (bonus == kDieBonusExtraPull) text += QLatin1Char(' ') + tr("Extra pull.");
  if (pullsLeft > 0) {
    text += QLatin1Char(' ') + tr("%n pulls left.", nullptr, pullsLeft);
  } else {
    text += QLatin1Char(' ') + tr("No pulls left.");
  }
  return text;
}

QString Announcer::scoresText(const QList<SeatScore>& seats) {
  QStringList parts;
  // One pass of arg(): a name with "%1" in it stays the name.
  for (const SeatScore& seat : seats) parts << tr("%1 %2").arg(seat.name, seat.total);
  if (parts.isEmpty()) return tr("No scores yet.");
  return parts.join(QStringLiteral(", ")) + QLatin1Char('.');
}

QString Announcer::roundOverText(int round, const QList<SeatScore>& seats) {
  return tr("Round %1 is over.").arg(round) + QLatin1Char(' ') + scoresText(seats);
}

QString Announcer::secondsLeftText(int seconds) {
  return tr("%n seconds left", nullptr, seconds);
}

QString Announcer::chatText(const QString& line) {
  const qsizetype plus = line.indexOf(QLatin1Char('+'));
  QString text = plus >= 0 ? line.mid(plus + 1) : line;
  static const QRegularExpression smiley(QStringLiteral(":\\)#\\d{0,2}"));
  text.replace(smiley, QLatin1Char(' ') + tr("smiley") + QLatin1Char(' '));
  return text.simplified();
}

void Announcer::say(const QString& text) {
  if (text.isEmpty()) return;
  last_ = text;
  if (sink_) sink_(text);
}

void Announcer::sayChat(const QString& line) {
  if (!speaksChat_) return;
  const QString text = chatText(line);
  if (!text.isEmpty() && sink_) sink_(text);
}

void Announcer::repeatLast() {
  if (!last_.isEmpty() && sink_) sink_(last_);
}

}  // namespace kuvo
