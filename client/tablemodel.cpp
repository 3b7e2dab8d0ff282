// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tablemodel.h"

#include <algorithm>

#include <QCoreApplication>

#include "gametablestate.h"

namespace kuvo {
namespace {

// The pale clock colour the table opens with, before any round ran.
const QColor kClockStartColour(0xE2, 0xE4, 0xB6);

}  // namespace

// The opening texts keep the board's translation context, where they have
// always been translated.
TableModel::TableModel()
    : status_(QCoreApplication::translate("kuvo::BoardView", "Welcome to Kuvo!")),
      heading_(QCoreApplication::translate("kuvo::BoardView", "Round: 0 of 0")),
      // Before any round: the pulls a round gives, as the player rows show them.
      pulls_(QString::number(kPullsPerRound)),
      clockText_(QCoreApplication::translate("kuvo::BoardView", "Time: 0:00")),
      clockColour_(kClockStartColour),
      clockBarWidth_(kClockBarWidth) {}

void TableModel::setStatus(const QString& text) {
  status_ = text;
  emit statusAnnounced(text);
}

void TableModel::setHeading(const QString& text) {
  if (text == heading_) return;
  heading_ = text;
  emit headingChanged(text);
}

void TableModel::setPulls(const QString& text) {
  if (text == pulls_) return;
  pulls_ = text;
  emit pullsChanged(text);
}

void TableModel::setClockText(const QString& text) {
  if (text == clockText_) return;
  clockText_ = text;
  emit clockChanged();
}

void TableModel::setClockColour(const QColor& colour) {
  if (colour == clockColour_) return;
  clockColour_ = colour;
  emit clockChanged();
}

void TableModel::setClockBarWidth(int width) {
  width = std::clamp(width, 0, kClockBarWidth);
  if (width == clockBarWidth_) return;
  clockBarWidth_ = width;
  emit clockChanged();
}

void TableModel::setWinner(const QString& line) {
  if (line == winner_) return;
  winner_ = line;
  emit winnerChanged(line);
}

}  // namespace kuvo
