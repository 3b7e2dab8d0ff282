// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game table reports into the tally.
#pragma once

#include <QString>

namespace kuvo {

// The columns of the own row (row 0) of the tally; column 0 holds the name.
namespace OwnColumn {
inline constexpr int kGames = 1;
inline constexpr int kWins = 2;
inline constexpr int kBestRoundScore = 3;
inline constexpr int kClearedBoards = 4;  // "Black Outs"
}  // namespace OwnColumn

class TallyRecorder {
 public:
  virtual ~TallyRecorder() = default;
  // One finished game: whether this player won it, else the winner's name
  // (empty when the table named no seated winner).
  virtual void addgame(const QString& winnerName, bool iWon) = 0;
  virtual void addtomineincrease(int column) = 0;  // an OwnColumn
  virtual void addtomineset(int column, const QString& text) = 0;
  // The own highest round score as the tally holds it ("0" in a fresh tally).
  virtual QString bestRoundScore() const = 0;
};

}  // namespace kuvo
