// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "gamecommandline.h"
#include "version.h"

namespace kuvo {
namespace {

using Action = GameCommandLine::Action;

TEST(GameCommandLine, TheGameFormsTheAnswersAndTheRefusals) {
  struct Case {
    QStringList arguments;
    Action action;
    QStringList gameArguments;
  };
  const Case cases[] = {
      {{}, Action::Play, {}},
      {{"Ann"}, Action::Play, {"Ann"}},
      {{"Ann", "10.0.0.5"}, Action::Play, {"Ann", "10.0.0.5"}},
      {{"Ann", "10.0.0.5", "true"}, Action::Play, {"Ann", "10.0.0.5", "true"}},
      {{"Ann", "10.0.0.5", "True"}, Action::Play, {"Ann", "10.0.0.5", "True"}},
      {{"--", "-Ann", "10.0.0.5", "false"}, Action::Play, {"-Ann", "10.0.0.5", "false"}},
      {{"--", "--help"}, Action::Play, {"--help"}},
      // What a session manager or a user gives Qt itself stays Qt's.
      {{"-session", "1a2b", "Ann"}, Action::Play, {"Ann"}},
      {{"--platform", "offscreen"}, Action::Play, {}},
      {{"--help"}, Action::ShowHelp, {}},
      {{"-h"}, Action::ShowHelp, {}},
      {{"--version"}, Action::ShowVersion, {}},
      {{"-v"}, Action::ShowVersion, {}},
      {{"--bogus"}, Action::Refuse, {}},
      {{"-x", "y"}, Action::Refuse, {}},
      {{"-"}, Action::Refuse, {}},
      {{"-Ann", "10.0.0.5", "true"}, Action::Refuse, {}},
      {{"Ann", "10.0.0.5", "true", "extra"}, Action::Refuse, {}},
      {{"a", "b", "c", "d", "e"}, Action::Refuse, {}},
      {{"--version", "Ann"}, Action::Refuse, {}},
      {{"Ann", "--help"}, Action::Refuse, {}},
      {{"-session"}, Action::Refuse, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(u' ').toStdString());
    const GameCommandLine line = parseGameCommandLine(c.arguments);
    EXPECT_EQ(line.action, c.action);
    EXPECT_EQ(line.gameArguments, c.gameArguments);
    EXPECT_EQ(line.problem.isEmpty(), c.action != Action::Refuse);
  }
}

// Runs a built program without any display, as from a text console.
struct Finished {
  int status = -1;
  QByteArray out, err;
};

Finished run(const QString& program, const QStringList& arguments,
             const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
             const QByteArray& input = {}) {
  QProcess process;
  QProcessEnvironment env = environment;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    env.remove(QString::fromLatin1(name));
  }
  process.setProcessEnvironment(env);
  process.start(program, arguments);
  if (!process.waitForStarted(30'000)) return {};
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(60'000)) {
    process.kill();
    process.waitForFinished(5'000);
    return {};
  }
  if (process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(GameCommandLine, TheGameAnswersOnATerminalWithoutADisplay) {
  const QString kuvo = QStringLiteral(KUVO_GAME_PROGRAM);
  const Finished version = run(kuvo, {"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, QByteArray("kuvo ") + kVersionText + "\n");

  const Finished help = run(kuvo, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_TRUE(help.out.startsWith("Usage: kuvo"));

  const Finished wrong = run(kuvo, {"--bogus"});
  EXPECT_EQ(wrong.status, 1);
  EXPECT_TRUE(wrong.out.isEmpty());
  EXPECT_TRUE(wrong.err.startsWith("kuvo: unknown option: --bogus\n"));
  EXPECT_TRUE(wrong.err.contains("Usage: kuvo"));
}

// kuvo-tally and the game ask the same helper; this checks that the installed
// kuvo-tally, run by a user, finds the tally where the game keeps it, and a
// portable copy's beside itself.
TEST(KuvoTally, ShowFindsTheGamesTallyInTheUsersDataFolderOrBesideAPortableCopy) {
  QTemporaryDir bin, home;
  ASSERT_TRUE(bin.isValid() && home.isValid());
  // A copy of its own, as the build folder may hold files from earlier runs.
  const QString tally = bin.filePath(QStringLiteral("kuvo-tally"));
  ASSERT_TRUE(QFile::copy(QStringLiteral(KUVO_TALLY_PROGRAM), tally));
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("HOME"), home.path());
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
  env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
  const QString users = home.filePath(QStringLiteral("data/Kuvo/Kuvotally.tld"));
  // Two columns of one row: the own row's name and its games played.
  const QByteArray table = "2\n1\n\n7\n";

  ASSERT_TRUE(QDir().mkpath(QFileInfo(users).absolutePath()));
  ASSERT_EQ(run(tally, {"pack", users}, env, table).status, 0);
  const Finished installed = run(tally, {"show"}, env);
  EXPECT_EQ(installed.status, 0) << installed.err.toStdString();
  EXPECT_TRUE(installed.out.startsWith("Tally file: " + users.toLocal8Bit() + "\n"))
      << installed.out.toStdString();
  EXPECT_TRUE(installed.out.contains("Total Games:          7\n")) << installed.out.toStdString();
  EXPECT_FALSE(QFile::exists(bin.filePath(QStringLiteral("Kuvotally.tld"))));

  QFile marker(bin.filePath(QStringLiteral("portable")));
  ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
  marker.close();
  // Nothing beside the copy yet, so it says which file it missed.
  const Finished portable = run(tally, {"show"}, env);
  EXPECT_EQ(portable.status, 1);
  EXPECT_TRUE(portable.err.contains(bin.filePath(QStringLiteral("Kuvotally.tld")).toLocal8Bit()))
      << portable.err.toStdString();
}

}  // namespace
}  // namespace kuvo
