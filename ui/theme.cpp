// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "theme.h"

#include <QApplication>
#include <QPalette>

namespace kuvo {

bool isDarkTheme(const QWidget* widget) {
  const QPalette theme = QApplication::palette(widget);
  return theme.color(QPalette::WindowText).lightness() > theme.color(QPalette::Window).lightness();
}

}  // namespace kuvo
