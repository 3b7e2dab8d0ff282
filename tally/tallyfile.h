// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading and writing the tally file: the table text inside a "WRZL" container. The text is
// packed and unpacked in memory; no work file is ever written beside the user's files.
#pragma once

#include <QByteArray>
#include <QString>

#include "tallystore.h"

namespace kuvo {

// The largest tally file and table text we accept; a real tally is a few kilobytes.
inline constexpr qint64 kMaxTallyFileBytes = 16 * 1024 * 1024;
inline constexpr qint64 kMaxTallyTextBytes = 64 * 1024 * 1024;

// The plain bytes inside the container at path. Raises ELzrw1Exception with the
// container's error texts (path as the file name).
QByteArray readContainerFile(const QString& path);
// Packs data into a container written at path, whole or not at all (the previous file stays
// on failure). Raises ELzrw1Exception.
void writeContainerFile(const QString& path, const QByteArray& data);

struct TallyLoadResult {
  TallyStore store;    // empty on a missing or unreadable file; session not started yet
  QString error;       // the text to show when the file could not be read
  bool found = false;  // the file existed
};
TallyLoadResult loadTallyFile(const QString& path);
// Moves a tally file that could not be read out of the way, in its own folder and with its
// bytes untouched: path + ".unreadable", or ".unreadable.2" and up when that name is taken.
// Returns the new path, or an empty text when the file could not be moved.
QString moveAsideUnreadable(const QString& path);
inline constexpr int kMaxUnreadableCopies = 99;

// Returns the error text, or an empty text when the file was written.
QString saveTallyFile(const QString& path, const TallyStore& store);

}  // namespace kuvo
