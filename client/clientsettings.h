// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Loading and saving the client's options in the settings file, and the main
// window's geometry rules (minimum size, reset, saving the bounds on close).
//
// The window's parts are reached through SettingsTargets so that this code
// needs none of the windows' classes. Window bounds are the outer frame, as
// the file has always stored them.
#pragma once

#include <optional>
#include <utility>
#include <vector>

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include "gamerules.h"
#include "startoptions.h"

class QWidget;

namespace kuvo {

class ChatPanel;
class SoundBoard;
struct ClientState;
struct MenuActions;

inline constexpr int kDefaultLeft = 3;
inline constexpr int kDefaultTop = 3;
inline constexpr int kSettingsTextSize = 8;
inline constexpr int kOversizeShrink = 15;  // a window larger than the work area gives this back

// Options as key and text, in the order the file gets them.
using SettingsValues = std::vector<std::pair<QString, QString>>;

// What this run of the window may write. Until the file has been read the
// window shows built-in values, not the user's, so a save then writes only
// the options the user changed in this run (and keeps writing an option once
// changed, even when it is changed back), and the close writes nothing.
struct SettingsSession {
  bool loaded = false;
  SettingsValues builtIn;  // the options as the window started
  QStringList touched;     // options changed before the file was read
};

struct SettingsTargets {
  QWidget* window = nullptr;
  ChatPanel* chat = nullptr;
  SoundBoard* sounds = nullptr;
  ClientState* state = nullptr;
  MenuActions* menu = nullptr;
  StartOptions* startOptions = nullptr;  // the game start dialog
  // Where a window may go: the available area of each screen. Unset: the
  // screens of this display when the file is read.
  std::optional<QList<QRect>> workAreas;
  // Unset: every save writes all options, as if the file had been read.
  SettingsSession* session = nullptr;
};

// The options a save writes besides the window bounds, read from the targets.
SettingsValues optionValues(const SettingsTargets& targets);
// The bounds moved onto the screen nearest to them and no larger than it;
// unchanged when there are no screens.
QRect fitOnScreens(const QRect& bounds, const QList<QRect>& workAreas);

void loadinifile(const QString& path, SettingsTargets& targets);
bool saveinifile(const QString& path, const SettingsTargets& targets);
bool writePhrases(const QString& path, const QStringList& ten);  // Phrase1..Phrase10
// Saves the bounds when they changed since the last load or close; true when written.
bool FormClose(const QString& path, SettingsTargets& targets, const QRect& workArea);
void ResetScreenLocation1Click(QWidget* window);
void FormResize(QWidget* window, QWidget* board);  // the minimum client size rule

// The window's outer bounds (left, top, width, height), and setting them.
QRect windowBounds(const QWidget* window);
void setWindowBounds(QWidget* window, const QRect& bounds);

}  // namespace kuvo
