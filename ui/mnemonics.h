// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Mnemonics: given to long menus built from data (sounds, smileys), in
// whatever language their words are, and taken off texts shown as titles.
#pragma once

#include <QStringList>

namespace kuvo {

// The texts with "&" before each item's chosen letter and any "&" of their
// own doubled; an item whose letters are all taken gets none.
QStringList withMnemonics(const QStringList& texts);

// A button's text as a title: without its mnemonic marks ("&&" is one "&").
QString withoutMnemonic(const QString& text);

}  // namespace kuvo
