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

// The winner of a game as the tally takes it when it is this player.
inline const QString kWinnerIsMe = QStringLiteral("addtomine");

class TallyRecorder {
 public:
  virtual ~TallyRecorder() = default;
  virtual void addgame(const QString& text) = 0;   // kWinnerIsMe or the winner's name
  virtual void addtomineincrease(int column) = 0;  // an OwnColumn
  virtual void addtomineset(int column, const QString& text) = 0;
  // The own highest round score as the tally holds it ("0" in a fresh tally).
  virtual QString bestRoundScore() const = 0;
};

}  // namespace kuvo
