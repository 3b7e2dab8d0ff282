// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game table's texts show: the status line, the round heading, the
// pulls left, the round clock and the winner banner. GameTable's handlers
// write here; BoardView's widgets only display it, like the player slots
// display PlayerSlots.
#pragma once

#include <QColor>
#include <QObject>
#include <QString>

namespace kuvo {

class TableModel : public QObject {
  Q_OBJECT
 public:
  TableModel();

  const QString& status() const { return status_; }
  const QString& heading() const { return heading_; }
  const QString& pulls() const { return pulls_; }
  const QString& clockText() const { return clockText_; }
  const QColor& clockColour() const { return clockColour_; }
  int clockBarWidth() const { return clockBarWidth_; }
  // The banner's line; empty while no banner shows.
  const QString& winner() const { return winner_; }

  void setStatus(const QString& text);
  void setHeading(const QString& text);
  void setPulls(const QString& text);
  void setClockText(const QString& text);
  void setClockColour(const QColor& colour);
  // Clamped to 0..kClockBarWidth: the bar never leaves its frame.
  void setClockBarWidth(int width);
  void setWinner(const QString& line);

 signals:
  // Every setStatus, an unchanged text too: a second "PULL AGAIN!" is news to
  // a player who follows the table by screen reader.
  void statusAnnounced(const QString& text);
  // Each of these only when the value really changed.
  void headingChanged(const QString& text);
  void pullsChanged(const QString& text);
  void clockChanged();
  void winnerChanged(const QString& line);

 private:
  QString status_;
  QString heading_;
  QString pulls_;
  QString clockText_;
  QColor clockColour_;
  int clockBarWidth_;
  QString winner_;
};

}  // namespace kuvo
