// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// kuvo: the game. No arguments plays a solo game against the computer;
// NAME ADDRESS true hosts a table, NAME ADDRESS anything-else joins one.
#include <cstdio>
#include <string_view>

#include <QApplication>
#include <QLocale>
#include <QProcess>

#include "datapaths.h"
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

namespace {

// A printf format: %d is the game port.
constexpr char kUsage[] =
    "Usage: kuvo                        play a solo game against the computer\n"
    "       kuvo NAME HOST true         host a table as NAME (TCP port %d)\n"
    "       kuvo NAME HOST false        join the table at HOST as NAME\n"
    "       kuvo --help | --version\n"
    "\n"
    "Kuvo is a dice game for up to six players with a chat. Each round everybody\n"
    "gets 20 pulls of five dice on an own copy of the same 5 by 5 board; rows,\n"
    "columns, diagonals and a cleared board score. See also kuvo-host(6) and\n"
    "kuvo-tally(6).\n";

// --help and --version answer on the terminal without opening a window. They
// count only as the one and only argument, so the three game arguments keep
// their meaning (a player may well be called "-v").
bool answeredOnTerminal(int argc, char** argv) {
  if (argc != 2) return false;
  const std::string_view argument = argv[1];
  if (argument == "--help" || argument == "-h") {
    std::printf(kUsage, kuvo::kGamePort);
    return true;
  }
  if (argument == "--version" || argument == "-v") {
    std::puts(kuvo::kVersionText);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (answeredOnTerminal(argc, argv)) return 0;
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kuvo"));
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
    kuvo::Tchat chat(random, QApplication::arguments().mid(1));
    kuvo::Ttallylist tally(&chat, kuvo::dataFilePath(QStringLiteral("Kuvotally.tld")));
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
    if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), relaunch)) {
      std::fputs("kuvo: could not start the game again to join the table\n", stderr);
      return 1;
    }
  }
  return status;
}
