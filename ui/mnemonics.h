// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Mnemonics for long menus built from data (sounds, smileys), in whatever
// language their words are: each item gets the first of its letters that no
// earlier item took, so Alt-free keyboard users reach most items by a letter.
#pragma once

#include <QStringList>

namespace kuvo {

// The texts with "&" before each item's chosen letter and any "&" of their
// own doubled; an item whose letters are all taken gets none.
QStringList withMnemonics(const QStringList& texts);

}  // namespace kuvo
