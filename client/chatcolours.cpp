// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatcolours.h"

#include <array>
#include <cmath>
#include <cstdint>

#include <QApplication>
#include <QPalette>

namespace kuvo {

QColor toQColor(Colour colour) {
  if ((colour & 0xFF000000u) == 0x80000000u) {
    static constexpr std::array<QPalette::ColorRole, 25> kRoles = {
        QPalette::Button,
        QPalette::Window,
        QPalette::Highlight,
        QPalette::Mid,
        QPalette::Window,
        QPalette::Base,
        QPalette::Shadow,
        QPalette::WindowText,
        QPalette::Text,
        QPalette::HighlightedText,
        QPalette::Button,
        QPalette::Button,
        QPalette::Dark,
        QPalette::Highlight,
        QPalette::HighlightedText,
        QPalette::Button,
        QPalette::Dark,
        QPalette::Mid,
        QPalette::ButtonText,
        QPalette::Text,
        QPalette::Light,
        QPalette::Shadow,
        QPalette::Midlight,
        QPalette::ToolTipText,
        QPalette::ToolTipBase,
    };
    const std::uint32_t index = colour & 0x00FFFFFFu;
    if (index < kRoles.size()) return QApplication::palette().color(kRoles[index]);
    return Qt::black;
  }
  return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                static_cast<int>((colour >> 16) & 0xFF));
}

Colour fromQColor(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return static_cast<Colour>(rgb.red()) | (static_cast<Colour>(rgb.green()) << 8) |
         (static_cast<Colour>(rgb.blue()) << 16);
}

namespace {

// Relative luminance of an sRGB colour, 0 (black) to 1 (white).
double luminance(const QColor& colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

// Contrast of 4.5 to 1 against black, enough for text of the chat's sizes.
constexpr double kMinLuminance = 4.5 * 0.05 - 0.05;

}  // namespace

QColor readableOnChat(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  if (luminance(rgb) >= kMinLuminance) return rgb;
  const QColor hsl = rgb.toHsl();
  // The lowest lightness of the same hue and saturation that reads well.
  int low = hsl.lightness(), high = 255;
  while (low < high) {
    const int mid = (low + high) / 2;
    if (luminance(QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), mid).toRgb()) >= kMinLuminance)
      high = mid;
    else
      low = mid + 1;
  }
  return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), low).toRgb();
}

}  // namespace kuvo
