// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "colortext.h"

#include <array>
#include <cctype>
#include <cstdio>

#include "fields.h"

namespace kuvo {
namespace {

struct NamedColour {
  std::string_view name;
  Colour value;
};

constexpr Colour kSys = 0x80000000u;

constexpr std::array kNames = {
    NamedColour{"clBlack", 0x000000},          NamedColour{"clMaroon", 0x000080},
    NamedColour{"clGreen", 0x008000},          NamedColour{"clOlive", 0x008080},
    NamedColour{"clNavy", 0x800000},           NamedColour{"clPurple", 0x800080},
    NamedColour{"clTeal", 0x808000},           NamedColour{"clGray", 0x808080},
    NamedColour{"clSilver", 0xC0C0C0},         NamedColour{"clRed", 0x0000FF},
    NamedColour{"clLime", 0x00FF00},           NamedColour{"clYellow", 0x00FFFF},
    NamedColour{"clBlue", 0xFF0000},           NamedColour{"clFuchsia", 0xFF00FF},
    NamedColour{"clAqua", 0xFFFF00},           NamedColour{"clWhite", 0xFFFFFF},
    NamedColour{"clScrollBar", kSys + 0},      NamedColour{"clBackground", kSys + 1},
    NamedColour{"clActiveCaption", kSys + 2},  NamedColour{"clInactiveCaption", kSys + 3},
    NamedColour{"clMenu", kSys + 4},           NamedColour{"clWindow", kSys + 5},
    NamedColour{"clWindowFrame", kSys + 6},    NamedColour{"clMenuText", kSys + 7},
    NamedColour{"clWindowText", kSys + 8},     NamedColour{"clCaptionText", kSys + 9},
    NamedColour{"clActiveBorder", kSys + 10},  NamedColour{"clInactiveBorder", kSys + 11},
    NamedColour{"clAppWorkSpace", kSys + 12},  NamedColour{"clHighlight", kSys + 13},
    NamedColour{"clHighlightText", kSys + 14}, NamedColour{"clBtnFace", kSys + 15},
    NamedColour{"clBtnShadow", kSys + 16},     NamedColour{"clGrayText", kSys + 17},
    NamedColour{"clBtnText", kSys + 18},       NamedColour{"clInactiveCaptionText", kSys + 19},
    NamedColour{"clBtnHighlight", kSys + 20},  NamedColour{"cl3DDkShadow", kSys + 21},
    NamedColour{"cl3DLight", kSys + 22},       NamedColour{"clInfoText", kSys + 23},
    NamedColour{"clInfoBk", kSys + 24},        NamedColour{"clNone", 0x1FFFFFFF},
};

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  }
  return true;
}

}  // namespace

std::string colourToText(Colour colour) {
  for (const auto& named : kNames) {
    if (named.value == colour) return std::string(named.name);
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "$%08X", static_cast<unsigned>(colour));
  return buffer;
}

std::optional<Colour> colourFromText(std::string_view text) {
  for (const auto& named : kNames) {
    if (equalsIgnoreCase(named.name, text)) return named.value;
  }
  if (!text.empty() && text.front() == '$') {
    const auto hex = text.substr(1);
    if (hex.empty() || hex.size() > 8) return std::nullopt;
    Colour value = 0;
    for (char c : hex) {
      const int digit = std::isdigit(static_cast<unsigned char>(c))
                            ? c - '0'
                            : (std::isxdigit(static_cast<unsigned char>(c))
                                   ? std::tolower(static_cast<unsigned char>(c)) - 'a' + 10
                                   : -1);
      if (digit < 0) return std::nullopt;
      value = (value << 4) | static_cast<Colour>(digit);
    }
    return value;
  }
  if (auto number = parseInt(text)) return static_cast<Colour>(*number);
  return std::nullopt;
}

}  // namespace kuvo
