// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// kuvo-host: the game's host with no window, for LAN parties and tests.
#include <chrono>
#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSysInfo>

#include "gamerules.h"
#include "logging.h"
#include "random.h"
#include "tcphost.h"
#include "termination.h"
#include "version.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kuvo-host"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kuvo::kVersionText));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Hosts a Kuvo table on TCP port %1 without a window. Players join it with\n"
                     "  kuvo NAME ADDRESS false\n"
                     "The first to join sits in slot 1 and starts the games; when that player\n"
                     "leaves, the lowest seat left takes over. Slot 2 is played by the computer\n"
                     "while nobody holds it.")
          .arg(kuvo::kGamePort));
  parser.addHelpOption();
  // -v is the version, as in kuvo and kuvo-tally; the log has only its long name.
  parser.addVersionOption();
  QCommandLineOption verboseOption(
      QStringLiteral("verbose"),
      QStringLiteral("Also log what the table refuses: dropped, forged and malformed messages "
                     "(the kuvo.host category's debug output, on standard error)."));
  parser.addOption(verboseOption);
  QCommandLineOption portOption(
      {QStringLiteral("p"), QStringLiteral("port")},
      QStringLiteral("Listen on PORT instead of %1 (0 picks a free one).").arg(kuvo::kGamePort),
      QStringLiteral("PORT"), QString::number(kuvo::kGamePort));
  parser.addOption(portOption);
  QCommandLineOption seedOption(
      QStringLiteral("seed"),
      QStringLiteral("Draw every board and die from SEED (0 to 18446744073709551615), so that "
                     "the same games played the same way replay exactly; for reproducing a game. "
                     "Without it every game starts from a fresh secret seed."),
      QStringLiteral("SEED"));
  parser.addOption(seedOption);
  QCommandLineOption nameOption(
      QStringLiteral("name"),
      QStringLiteral("The table's name in the players' table finders (default: this machine's "
                     "host name). Finders ask over UDP at the table's port number; the table "
                     "only answers."),
      QStringLiteral("TEXT"));
  parser.addOption(nameOption);
  parser.process(app);
  if (parser.isSet(verboseOption)) kuvo::enableHostDebugLog();

  bool portOk = false;
  const uint port = parser.value(portOption).toUInt(&portOk);
  if (!portOk || port > 65535) {
    std::fprintf(stderr, "kuvo-host: not a port number: %s\n",
                 qPrintable(parser.value(portOption)));
    return 2;
  }

  bool seedOk = true;
  const qulonglong seed =
      parser.isSet(seedOption) ? parser.value(seedOption).toULongLong(&seedOk) : 0;
  if (!seedOk) {
    std::fprintf(stderr, "kuvo-host: not a seed: %s\n", qPrintable(parser.value(seedOption)));
    return 2;
  }
  kuvo::Random random =
      parser.isSet(seedOption) ? kuvo::Random(std::uint64_t{seed}) : kuvo::Random::fromSystem();
  kuvo::TcpHost host(random);
  host.setTableName(parser.isSet(nameOption) ? parser.value(nameOption)
                                             : QSysInfo::machineHostName());
  host.setLog([](const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
  });
  if (!host.listen(static_cast<quint16>(port))) {
    std::fprintf(stderr, "kuvo-host: Listen - Error Binding Socket (%s)\n",
                 qPrintable(host.errorString()));
    return 1;
  }
  std::printf("Kuvo host listening on port %u\n", static_cast<unsigned>(host.port()));
  std::fflush(stdout);
  // Ended by a signal, the table itself closes: the players are told so and
  // do not try to come back.
  kuvo::onTerminationRequest([&host] {
    host.closeTable(0);
    QCoreApplication::quit();
  });
  return app.exec();
}
