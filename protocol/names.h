// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Player names as everybody sees them. A name travels inside "+"-separated
// messages and is shown in labels, chat lines, lists and on the host's
// console, so the host cleans every name before anyone sees it, and a client
// cleans its own before it sends it.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kuvo {

inline constexpr std::size_t kMaxNameCharacters = 32;

// One step through UTF-8 text: the code point at `at` and the bytes it takes.
// A byte that does not start a well-formed sequence (overlong, surrogate,
// beyond U+10FFFF, cut short) is one invalid step of one byte.
struct Utf8Step {
  char32_t codePoint = 0;
  std::size_t length = 1;
  bool valid = false;
};
Utf8Step utf8StepAt(std::string_view text, std::size_t at);

// The text with the controls, the line and paragraph separators and the
// directional overrides turned into blanks, and bytes that are not UTF-8
// into U+FFFD; nothing else changes. For a peer's text that is shown whole,
// such as a table's name in the finder.
std::string blankControls(std::string_view raw);

// The name with "+", "|", the terminator byte and control characters turned
// into blanks, blanks trimmed at both ends and cut to kMaxNameCharacters
// characters. Bytes that are not UTF-8 become U+FFFD, so the result is always
// valid UTF-8. May be empty.
std::string cleanNameText(std::string_view raw);

// cleanNameText, with "Player <slot>" for a name that is left empty or is one
// the clients give a seat of their own ("<Waiting>", "Rovi", in any case).
std::string cleanName(std::string_view raw, int slot);

}  // namespace kuvo
