// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The two messages that carry a board and a pull: written in one place, for
// the round's board, a late comer's own board and the table sent to a player
// back in its seat alike.
#pragma once

#include <array>
#include <string>

#include "gamerules.h"

namespace kuvo {

// Cell values by [column][row].
using BoardCells = std::array<std::array<int, kBoardSize>, kBoardSize>;
// One value per die; die i belongs to column i.
using DiceRow = std::array<int, kBoardSize>;

// "CMD_loadboard": every cell as column, row and value, column by column.
std::string loadBoardMessage(const BoardCells& cells);
// "CMD_yourdice": the slot, its pulls left, then each die's column, face and bonus.
std::string yourDiceMessage(int slot, int pullsLeft, const DiceRow& dice, const DiceRow& bonus);

}  // namespace kuvo
