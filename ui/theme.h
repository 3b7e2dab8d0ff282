// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What the desktop's theme looks like, for the windows that paint colours of
// their own: they keep their light look only where the theme's text is dark.
#pragma once

class QWidget;

namespace kuvo {

// The theme draws light text on dark windows (a dark or an inverted
// high-contrast theme). Asks the application's palette for the widget's
// class, not the widget's own, which may already carry our colours.
bool isDarkTheme(const QWidget* widget);

}  // namespace kuvo
