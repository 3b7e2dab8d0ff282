// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Where every Kuvo program keeps its files. An installed Kuvo keeps the
// settings in the user's config folder ($XDG_CONFIG_HOME/Kuvo, by default
// ~/.config/Kuvo) and the records and downloads in the user's data folder
// ($XDG_DATA_HOME/Kuvo, by default ~/.local/share/Kuvo). A portable copy keeps
// both beside the program: its folder holds a file named "portable", or
// already holds the settings or the tally. The game, kuvo-tally and the tests
// all ask here, so they always agree.
#pragma once

#include <QString>

namespace kuvo {

inline constexpr char kSettingsFileName[] = "orvellobby.ini";
inline constexpr char kTallyFileName[] = "Kuvotally.tld";
inline constexpr char kPortableMarkerName[] = "portable";

struct FileFolders {
  QString settings;  // orvellobby.ini
  QString data;      // Kuvotally.tld, the lobby installer
};

// The decision itself, from the program's folder and the user's config and
// data base folders (XDG_CONFIG_HOME, XDG_DATA_HOME); creates nothing.
FileFolders fileFoldersFor(const QString& programFolder, const QString& configHome,
                           const QString& dataHome);

// The settings file to use when the settings now belong at newFile and older
// versions kept them at oldFile: an old file is moved over when nothing is at
// newFile yet. A move that fails leaves the old file where it is and in use,
// so no setting is lost; an existing newFile is never overwritten.
QString adoptOldSettingsFile(const QString& oldFile, const QString& newFile);

// The folders of this program (for this user), decided once.
FileFolders fileFolders();
// The data folder, created when missing.
QString dataFolder();
// A file name in the data folder.
QString dataFilePath(const QString& fileName);
// The settings file, moved from where older versions kept it on first use.
QString settingsFilePath();
// For tests and special setups: keep every file in this folder (empty: decide
// as usual).
void setDataFolderOverride(const QString& folder);

}  // namespace kuvo
