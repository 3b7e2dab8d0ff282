// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// kuvo-tally: look at, unpack and pack the tally file from the command line.
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

#include "datapaths.h"
#include "lzrw1.h"
#include "tallyfile.h"
#include "tallystore.h"
#include "version.h"

namespace {

constexpr qint64 kMaxInputBytes = 256 * 1024 * 1024;

int fail(const QString& text) {
  QTextStream(stderr) << text << Qt::endl;
  return 1;
}

bool writeStdout(const QByteArray& bytes) {
  return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
             static_cast<std::size_t>(bytes.size()) &&
         std::fflush(stdout) == 0;
}

// Names and cells come from the file: controls in them must not reach the terminal as
// commands, so they are printed as escapes.
QString printable(const QString& text) {
  QString out;
  for (const QChar ch : text) {
    const char16_t code = ch.unicode();
    if (code < 0x20 || (code >= 0x7F && code <= 0x9F)) {
      out += QStringLiteral("\\u") +
             QString::number(static_cast<unsigned>(code), 16).rightJustified(4, u'0').toUpper();
    } else if (code == '\\') {
      out += QStringLiteral("\\\\");
    } else {
      out += ch;
    }
  }
  return out;
}

int show(const QString& path) {
  if (!QFileInfo::exists(path)) {
    return fail(QString::fromStdString(kuvo::lzrw1::openInputErrorText(path.toStdString())));
  }
  // The session figures on disk are those of the last run; show them as such.
  const kuvo::TallyStore store = kuvo::TallyStore::fromText(kuvo::readContainerFile(path));
  QString out;
  QTextStream text(&out);
  text << "Tally file: " << path << "\n\n";
  text << "Your Total Tally\n";
  const char* const captions[] = {
      "", "Total Games:", "Your Wins:", "Highest Round Score:", "Black Outs:"};
  for (int c = 1; c <= 4; ++c) {
    text << "  " << QString::fromLatin1(captions[c]).leftJustified(22)
         << printable(store.cell(c, 0)) << "\n";
  }
  text << "\nPlayers Being Tallied: " << (store.rowCount() - 1) << "\n";
  if (store.rowCount() > 1) {
    int nameWidth = 6;
    for (const QString& name : store.followed()) {
      nameWidth = std::max<int>(nameWidth, printable(name).size());
    }
    nameWidth = std::min(nameWidth, 40);
    const QStringList headings = {QStringLiteral("Games"), QStringLiteral("His"),
                                  QStringLiteral("Yours"), QStringLiteral("Neither")};
    text << "  " << QString().leftJustified(nameWidth) << "  Total                         "
         << "  Last session\n";
    text << "  " << QStringLiteral("Player").leftJustified(nameWidth);
    for (int twice = 0; twice < 2; ++twice) {
      text << " ";
      for (const QString& heading : headings) text << " " << heading.rightJustified(7);
    }
    text << "\n";
    for (int row = 1; row < store.rowCount(); ++row) {
      text << "  " << printable(store.cell(0, row)).leftJustified(nameWidth);
      for (int c = 1; c <= 8; ++c) {
        if (c == 1 || c == 5) text << " ";
        text << " " << printable(store.cell(c, row)).rightJustified(7);
      }
      text << "\n";
    }
  }
  text.flush();
  return writeStdout(out.toUtf8()) ? 0 : fail(QStringLiteral("Cannot write to standard output"));
}

int unpack(const QString& path) {
  const QByteArray plain = kuvo::readContainerFile(path);
  return writeStdout(plain) ? 0 : fail(QStringLiteral("Cannot write to standard output"));
}

int pack(const QString& path) {
  QFile in;
  if (!in.open(stdin, QIODevice::ReadOnly))
    return fail(QStringLiteral("Cannot read standard input"));
  QByteArray plain;
  for (;;) {
    const QByteArray piece = in.read(1 << 20);
    if (piece.isEmpty()) break;
    plain += piece;
    if (plain.size() > kMaxInputBytes)
      return fail(QStringLiteral("The input is too large for a tally file"));
  }
  if (in.error() != QFileDevice::NoError) return fail(QStringLiteral("Cannot read standard input"));
  kuvo::writeContainerFile(path, plain);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("kuvo-tally"));
  QCoreApplication::setApplicationVersion(QString::fromLatin1(kuvo::kVersionText));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Look at, unpack and pack the Kuvo tally file.\n\n"
                     "Commands:\n"
                     "  show [FILE]    print your figures and every followed opponent\n"
                     "                 (default FILE: the game's own Kuvotally.tld, in\n"
                     "                 $XDG_DATA_HOME/Kuvo, by default ~/.local/share/Kuvo,\n"
                     "                 or beside the programs when their folder holds a\n"
                     "                 file named \"portable\", orvellobby.ini or\n"
                     "                 Kuvotally.tld)\n"
                     "  unpack FILE    write the plain table text to standard output\n"
                     "  pack FILE      read plain table text from standard input and\n"
                     "                 write FILE"));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("show, unpack or pack"));
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("the tally file"),
                               QStringLiteral("[FILE]"));
  parser.process(app);

  const QStringList args = parser.positionalArguments();
  if (args.isEmpty()) {
    return fail(QStringLiteral("No command given; see kuvo-tally --help"));
  }
  const QString command = args[0];
  if (args.size() > 2) return fail(QStringLiteral("Too many arguments; see kuvo-tally --help"));
  try {
    if (command == QLatin1String("show")) {
      return show(args.size() > 1 ? args[1]
                                  : kuvo::dataFilePath(QString::fromLatin1(kuvo::kTallyFileName)));
    }
    if (command == QLatin1String("unpack") || command == QLatin1String("pack")) {
      if (args.size() < 2) return fail(QStringLiteral("%1 needs a FILE").arg(command));
      return command == QLatin1String("unpack") ? unpack(args[1]) : pack(args[1]);
    }
  } catch (const std::exception& error) {
    return fail(QString::fromStdString(error.what()));
  }
  return fail(QStringLiteral("Unknown command: %1; see kuvo-tally --help").arg(command));
}
