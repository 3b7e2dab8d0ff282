// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player who follows the table by screen reader is told: the dice of a
// pull and where they fit, a taken cell and its points, the round's end, the
// winner, the clock's last seconds and, when wanted, the chat. The texts are
// built from the game state alone; where they go (the accessibility bridge)
// is the sink's business, so they can be checked without a screen reader.
#pragma once

#include <array>
#include <functional>

#include <QList>
#include <QObject>
#include <QString>

#include "gametablestate.h"

namespace kuvo {

// One seated player's name and total, as the player rows show them.
struct SeatScore {
  QString name;
  QString total;
};

class Announcer : public QObject {
  Q_OBJECT
 public:
  using Board = std::array<std::array<int, kTableSize>, kTableSize>;

  // "Dice: 3, 1 plus 100, 5, 6, 2. Fits columns 1, 3." A die of 0 or less is
  // one not rolled; a column fits when its die equals one of its open cells.
  static QString diceText(const std::array<int, kTableSize>& dice,
                          const std::array<int, kTableSize>& bonuses, const Board& cells,
                          int pullsLeft);
  // "Taken: column 2, row 4. 500 points. Total 1200. 18 pulls left." Column
  // and row count from 0; `bonus` is the code of the die that took the cell.
  static QString takeText(int column, int row, int points, const QString& total, int bonus,
                          int pullsLeft);
  // "Ann 1500, Rovi 900."
  static QString scoresText(const QList<SeatScore>& seats);
  // "Round 2 is over. Ann 1500, Rovi 900."
  static QString roundOverText(int round, const QList<SeatScore>& seats);
  static QString secondsLeftText(int seconds);
  // A line of the chat ("N+Ann chats: hi :)#12") as it is read out: without
  // the sender's number, smileys as a word.
  static QString chatText(const QString& line);

  // Where the texts go; until set, nowhere.
  void setSink(std::function<void(const QString&)> sink) { sink_ = std::move(sink); }
  // Says the text and keeps it for repeatLast().
  void say(const QString& text);
  // A chat line, said only while chat lines are spoken; never kept for
  // repeatLast(), so the chat cannot bury the game's last word.
  void sayChat(const QString& line);
  void repeatLast();
  const QString& last() const { return last_; }
  bool speaksChat() const { return speaksChat_; }
  void setSpeaksChat(bool on) { speaksChat_ = on; }

 private:
  std::function<void(const QString&)> sink_;
  QString last_;
  bool speaksChat_ = false;
};

}  // namespace kuvo
