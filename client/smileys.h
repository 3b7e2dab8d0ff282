// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The chat's smiley pictures, drawn at start-up instead of shipped as files.
#pragma once

#include <QImage>
#include <QString>
#include <QUrl>

namespace kuvo {

inline constexpr int kSmileyCount = 18;  // codes 10..27
inline constexpr int kFirstSmileyCode = 10;
inline constexpr int kSmileyWidth = 17;
inline constexpr int kSmileyHeight = 16;

// Picture number index (0..17); an index outside that range gives the first picture.
QImage smileyImage(int index);
// What picture index shows, in words ("Wink"), in the user's language; an
// index outside the range names the first picture.
QString smileyName(int index);
// The name under which the chat view's document finds picture index.
QUrl smileyUrl(int index);
// The picture index named by a url from smileyUrl(), or -1.
int smileyIndexFromUrl(const QUrl& url);

}  // namespace kuvo
