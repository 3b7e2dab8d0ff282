// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game table's artwork, drawn with QPainter once at start-up so it stays
// sharp and the repository carries no binary pictures. The indices of the two
// picture lists carry meaning (the board's cell codes and the host's bonus
// codes select them), so they must never be reordered.
#pragma once

#include <vector>

#include <QPixmap>

namespace kuvo {

class BoardPictures {
 public:
  static constexpr int kCell = 72;  // one board picture
  static constexpr int kDie = 32;   // one die or bonus picture
  static constexpr int kBoardTaken = 7;
  static constexpr int kBoardBonus100 = 8;
  static constexpr int kBoardBonus200 = 9;
  static constexpr int kBoardExtraPull = 10;
  static constexpr int kBoardCount = 11;
  static constexpr int kDiceBonus100 = 7;
  static constexpr int kDiceBonus200 = 8;
  static constexpr int kDiceExtraPull = 9;
  static constexpr int kDiceCount = 10;

  // The pictures of the process, drawn on first use (needs a QGuiApplication).
  static const BoardPictures& instance();

  // imagelist_board, 72 x 72, transparent: 0 blank, 1..6 numerals, 7 taken
  // mark, 8 taken with 100, 9 taken with 200, 10 taken with an extra pull.
  std::vector<QPixmap> imagelist_board;
  // imagelist_dice, 32 x 32: 0 blank, 1..6 die faces, 7 the 100 marker, 8 the
  // 200 marker, 9 the extra-pull marker.
  std::vector<QPixmap> imagelist_dice;

  QPixmap boardimage;        // 411 x 440, transparent outside the tray
  QPixmap ball;              // 32 x 32
  QPixmap track;             // 25 x 230, the groove the ball runs in
  QPixmap clockFrame;        // 181 x 27
  QPixmap clockBar;          // 171 x 17
  QPixmap statusBackground;  // 368 x 38
  QPixmap startButton;       // 161 x 32
  QPixmap eyes;              // 22 x 9, the "just watching" mark of a slot row

  // Board picture `index`, or a null pixmap when the index is out of range.
  const QPixmap& board(int index) const;
  const QPixmap& dice(int index) const;

 private:
  BoardPictures();
  QPixmap none_;
};

}  // namespace kuvo
