// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What kuvo's command line asks for, read before any window exists: a game
// (none, one, two or three arguments: NAME, HOST, and "true" to host), the
// usage, the version, or nothing because something is wrong. An argument
// starting with "-" is an option; a name that starts with "-" follows "--".
#pragma once

#include <QString>
#include <QStringList>

namespace kuvo {

struct GameCommandLine {
  enum class Action { Play, ShowHelp, ShowVersion, Refuse };
  Action action = Action::Play;
  QStringList gameArguments;  // Play: what the main window reads, without "--"
  QString problem;            // Refuse: what is wrong, for the terminal
};

// The arguments without the program's own name.
GameCommandLine parseGameCommandLine(const QStringList& arguments);

// The usage text; %1 is the game port.
inline constexpr char kGameUsage[] =
    "Usage: kuvo                        play a solo game against the computer\n"
    "       kuvo NAME HOST true         host a table as NAME (TCP port %1)\n"
    "       kuvo NAME HOST false        join the table at HOST as NAME\n"
    "       kuvo [--] NAME [HOST]       wait without connecting\n"
    "       kuvo -h | --help            show this text\n"
    "       kuvo -v | --version         show the version\n"
    "\n"
    "A NAME that starts with \"-\" needs \"--\" before it: kuvo -- -Ann HOST true\n"
    "\n"
    "Kuvo is a dice game for up to six players with a chat. Each round everybody\n"
    "gets 20 pulls of five dice on an own copy of the same 5 by 5 board; rows,\n"
    "columns, diagonals and a cleared board score. Settings are kept in\n"
    "$XDG_CONFIG_HOME/Kuvo, the records in $XDG_DATA_HOME/Kuvo, or both beside\n"
    "the program when its folder holds a file named \"portable\". See also kuvo(6),\n"
    "kuvo-host(6) and kuvo-tally(6).\n";

}  // namespace kuvo
