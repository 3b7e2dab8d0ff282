// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Colours as text on the wire and in the settings file. Colours are 32-bit
// values laid out 0x00BBGGRR. A colour with a name is written as its name
// ("clRed"), any other as "$" and eight upper-case hex digits ("$000080FF").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kuvo {

using Colour = std::uint32_t;

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kYellow = 0x00FFFF;
inline constexpr Colour kSystemColour = 0x0080FF;

std::string colourToText(Colour colour);
// A colour name (letter case ignored), a decimal number, or "$" with hex digits.
std::optional<Colour> colourFromText(std::string_view text);

}  // namespace kuvo
