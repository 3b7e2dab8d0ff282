// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Where the program keeps its files (settings, tally, downloads): beside the
// program when that folder is writable (a portable install), otherwise in the
// per-user data folder (an install under /usr).
#pragma once

#include <QString>

namespace kuvo {

// The folder itself; created when it is the per-user one and missing.
QString dataFolder();
// A file name in that folder.
QString dataFilePath(const QString& fileName);
// For tests and special setups: use this folder instead (empty: decide as usual).
void setDataFolderOverride(const QString& folder);

// The decision itself: the program's folder if a file can be created in it,
// else the user's folder (created when missing).
QString dataFolderFor(const QString& programFolder, const QString& userFolder);

}  // namespace kuvo
