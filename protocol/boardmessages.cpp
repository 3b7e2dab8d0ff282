// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardmessages.h"

#include "messages.h"

namespace kuvo {

std::string loadBoardMessage(const BoardCells& cells) {
  std::string groups;
  for (int column = 0; column < kBoardSize; ++column) {
    for (int row = 0; row < kBoardSize; ++row) {
      if (!groups.empty()) groups += '+';
      groups += std::to_string(column) + '+' + std::to_string(row) + '+' +
                std::to_string(cells[column][row]);
    }
  }
  return buildJoined(ToClient::LoadBoard, groups);
}

std::string yourDiceMessage(int slot, int pullsLeft, const DiceRow& dice, const DiceRow& bonus) {
  std::string fields = std::to_string(slot) + '+' + std::to_string(pullsLeft);
  for (int i = 0; i < kBoardSize; ++i) {
    fields +=
        '+' + std::to_string(i) + '+' + std::to_string(dice[i]) + '+' + std::to_string(bonus[i]);
  }
  return buildJoined(ToClient::YourDice, fields);
}

}  // namespace kuvo
