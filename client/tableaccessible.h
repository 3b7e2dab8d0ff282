// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What assistive tools (screen readers, magnifiers) learn of the game table:
// the board as a group of 25 cells that follow the cell cursor, the dice and
// bonus pictures as graphics, the round clock as text, and the status line as
// a notification whose every change is announced.
#pragma once

class QString;

namespace kuvo {

struct BoardView;

// Tells the screen reader `text` now, wherever the focus is.
void announce(BoardView& view, const QString& text);

// Installs the table's accessibility factory; later calls do nothing.
void installTableAccessibility();

}  // namespace kuvo
