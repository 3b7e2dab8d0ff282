// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// kuvo: the game. No arguments plays a solo game against the computer;
// NAME ADDRESS true hosts a table, NAME ADDRESS anything-else joins one.
#include <cstdio>
#include <optional>

#include <QApplication>
#include <QLocale>
#include <QProcess>

#include "datapaths.h"
#include "gamecommandline.h"
#include "gamerules.h"
#include "playwithothers.h"
#include "random.h"
#include "singleinstance.h"
#include "tabout.h"
#include "tchat.h"
#include "tcphost.h"
#include "tdownload.h"
#include "termination.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "translations.h"
#include "tspylist.h"
#include "ttallylist.h"
#include "version.h"
#include "windowart.h"

namespace {

// The command line is read before the window system starts, so that --help,
// --version and a wrong line answer on a terminal without a display, without
// taking the session's one place and without waking a running game.
std::optional<int> answeredOnTerminal(const kuvo::GameCommandLine& commandLine) {
  using Action = kuvo::GameCommandLine::Action;
  const QByteArray usage = QString::fromLatin1(kuvo::kGameUsage).arg(kuvo::kGamePort).toLocal8Bit();
  switch (commandLine.action) {
    case Action::Play:
      return std::nullopt;
    case Action::ShowHelp:
      std::fputs(usage.constData(), stdout);
      return 0;
    case Action::ShowVersion:
      std::printf("kuvo %s\n", kuvo::kVersionText);
      return 0;
    case Action::Refuse:
      std::fprintf(stderr, "kuvo: %s\n\n%s", qPrintable(commandLine.problem), usage.constData());
      return 1;
  }
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments.append(QString::fromLocal8Bit(argv[i]));
  const kuvo::GameCommandLine commandLine = kuvo::parseGameCommandLine(arguments);
  if (const auto status = answeredOnTerminal(commandLine)) return *status;

  // Named before the window system starts, as X11 takes the window's class
  // from it; the desktop entry and the icon tie the windows to the menu's
  // Kuvo (on Wayland the desktop file name is the app id).
  QApplication::setApplicationName(QStringLiteral("Kuvo"));
  QApplication app(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("example.orvel.Kuvo"));
  QApplication::setWindowIcon(kuvo::windowart::applicationIcon());
  QApplication::setApplicationVersion(QString::fromLatin1(kuvo::kVersionText));
  QApplication::setQuitOnLastWindowClosed(false);
  // The user's languages as the system orders them (LANGUAGE, LC_ALL, LANG).
  kuvo::installTranslations(app, QLocale::system().uiLanguages());

  kuvo::SingleInstanceGuard guard;
  if (guard.anotherInstanceRuns()) return 0;

  // The one random generator of the process; every draw of the game comes from it.
  kuvo::Random random = kuvo::Random::fromSystem();

  // Joining or hosting from the table finder starts the game anew with the
  // chosen arguments, once every window of this run is gone (the tally and the
  // settings are saved by then) and the session's one place is free again.
  QStringList relaunch;
  int status = 0;
  {
    // The windows in their fixed order; the main window first, so that closing it ends all.
    kuvo::Tchat chat(random, commandLine.gameArguments);
    kuvo::Ttallylist tally(&chat, kuvo::dataFilePath(QString::fromLatin1(kuvo::kTallyFileName)));
    kuvo::Tabout about(&chat);
    kuvo::Tgamestart gamestart(&chat);
    kuvo::Thelp help(&chat, &about);
    kuvo::Tphrases phrases(&chat);
    kuvo::TcpHost host(random);
    kuvo::Tspylist spylist(&chat);
    kuvo::Tdownload download(&chat);
    kuvo::PlayWithOthers playWithOthers(&chat, kuvo::finderTargetsFromEnvironment());
    chat.attachWindows(
        {&tally, &about, &gamestart, &help, &phrases, &host, &spylist, &download, &playWithOthers});

    guard.listen([&chat] {
      if (chat.isMinimized()) chat.showNormal();
      chat.raise();
      chat.activateWindow();
    });
    kuvo::onTerminationRequest([&chat] { chat.closeWithoutAsking(); });

    QObject::connect(&chat, &kuvo::Tchat::relaunchRequested, &chat,
                     [&](const QStringList& arguments) {
                       relaunch = arguments;
                       chat.close();
                     });
    QObject::connect(&chat, &kuvo::Tchat::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    chat.show();
    status = QApplication::exec();
  }
  if (!relaunch.isEmpty()) {
    guard.release();
    // "--" lets a name that starts with "-" through.
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                 QStringList{QStringLiteral("--")} + relaunch)) {
      std::fputs("kuvo: could not start the game again to join the table\n", stderr);
      return 1;
    }
  }
  return status;
}
