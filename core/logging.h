// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's logging categories. Debug output of each is off unless asked
// for (kuvo-host --verbose, or QT_LOGGING_RULES="kuvo.*.debug=true" for any program);
// warnings always show.
#pragma once

#include <QLoggingCategory>

namespace kuvo {

Q_DECLARE_LOGGING_CATEGORY(logHost)    // "kuvo.host": connections and the game engine
Q_DECLARE_LOGGING_CATEGORY(logClient)  // "kuvo.client": the player's side of the table
Q_DECLARE_LOGGING_CATEGORY(logTally)   // "kuvo.tally": the tally file and its records

// Turns the debug output of the host's category on (kuvo-host --verbose).
void enableHostDebugLog();

}  // namespace kuvo
