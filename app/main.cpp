// kuvo: the game. No arguments plays a solo game against the computer;
// NAME ADDRESS true hosts a table, NAME ADDRESS anything-else joins one.
#include <QApplication>
#include <QDateTime>

#include "datapaths.h"
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
#include "tspylist.h"
#include "ttallylist.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kuvo"));
  QApplication::setApplicationVersion(QStringLiteral("2.0.4"));
  QApplication::setQuitOnLastWindowClosed(false);

  kuvo::SingleInstanceGuard guard;
  if (guard.anotherInstanceRuns()) return 0;

  // The one random generator of the process; every draw of the game comes from it.
  kuvo::Random random(static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch()));

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
  chat.attachWindows({&tally, &about, &gamestart, &help, &phrases, &host, &spylist, &download});

  guard.listen([&chat] {
    if (chat.isMinimized()) chat.showNormal();
    chat.raise();
    chat.activateWindow();
  });
  kuvo::onTerminationRequest([&chat] { chat.close(); });

  chat.show();
  return QApplication::exec();
}
