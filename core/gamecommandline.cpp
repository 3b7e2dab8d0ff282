// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gamecommandline.h"

namespace kuvo {
namespace {

// NAME, HOST and the host flag; the lobby never passes more.
constexpr qsizetype kMaxGameArguments = 3;

// Options that Qt itself takes with a value (and removes when the window
// system starts): a session manager restores the game with -session, and
// -platform, -display, -name and -style choose how the window is shown.
bool isQtOptionWithValue(QString argument) {
  if (argument.startsWith(QLatin1String("--"))) argument.remove(0, 1);
  for (const char* option : {"-session", "-platform", "-display", "-name", "-style"}) {
    if (argument == QLatin1String(option)) return true;
  }
  return false;
}

GameCommandLine refuse(const QString& problem) {
  return {GameCommandLine::Action::Refuse, {}, problem};
}

}  // namespace

GameCommandLine parseGameCommandLine(const QStringList& arguments) {
  GameCommandLine result;
  bool onlyNames = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (onlyNames || !argument.startsWith(u'-')) {
      result.gameArguments.append(argument);
    } else if (argument == QLatin1String("--")) {
      onlyNames = true;
    } else if (isQtOptionWithValue(argument)) {
      if (++i == arguments.size()) return refuse(QStringLiteral("%1 needs a value").arg(argument));
    } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
      result.action = GameCommandLine::Action::ShowHelp;
    } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
      result.action = GameCommandLine::Action::ShowVersion;
    } else {
      return refuse(QStringLiteral("unknown option: %1").arg(argument));
    }
  }
  // The answers stand alone, so a mistyped game line never half works.
  if (result.action != GameCommandLine::Action::Play && arguments.size() != 1) {
    return refuse(QStringLiteral("--help and --version take no other arguments"));
  }
  if (result.gameArguments.size() > kMaxGameArguments) {
    return refuse(QStringLiteral("too many arguments"));
  }
  return result;
}

}  // namespace kuvo
