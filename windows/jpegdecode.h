// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// JPEG decoding through libjpeg, for the download window's banner.
#pragma once

#include <QByteArray>
#include <QImage>

namespace kuvo {

// Larger pictures are refused rather than allocated.
inline constexpr int kMaxJpegSide = 8192;

// The decoded picture, or a null image when the data is not a complete,
// intact JPEG (libjpeg's errors and its corrupt-data warnings both count as
// failure; neither ends the program).
QImage decodeJpeg(const QByteArray& data);

}  // namespace kuvo
