// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The chat's colours as the widgets take them, and how they show on the
// chat's black background.
#pragma once

#include <QColor>

#include "colortext.h"

namespace kuvo {

// A chat colour as the widgets take it; system colours map to the palette.
QColor toQColor(Colour colour);
Colour fromQColor(const QColor& colour);
// The colour as it shows on the chat's black: one too dark to read there is
// lightened, keeping its hue, until it stands out well enough for small text.
QColor readableOnChat(const QColor& colour);

}  // namespace kuvo
