// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// kuvo-tally driven from outside, as a user would.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "tallyfile.h"
#include "tallystore.h"
#include "version.h"

namespace kuvo {
namespace {

struct ToolRun {
  int exitCode = -1;
  QByteArray out;
  QByteArray err;
};

ToolRun runTool(const QStringList& args, const QByteArray& input = {}) {
  QProcess process;
  process.start(QStringLiteral(KUVO_TALLY_EXE), args);
  ToolRun run;
  if (!process.waitForStarted(10000)) return run;
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished(5000);
    return run;
  }
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  run.out = process.readAllStandardOutput();
  run.err = process.readAllStandardError();
  return run;
}

TEST(KuvoTallyTool, PackThenUnpackIsByteForByte) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString file = folder.filePath("backup.tld");
  TallyStore store;
  store.follow("Ann");
  store.addtomineset(3, "1850");
  QByteArray text = store.toText();
  text += QByteArray(70000, 'x');  // more than two blocks, and not a table any more

  const ToolRun packed = runTool({"pack", file}, text);
  ASSERT_EQ(packed.exitCode, 0) << packed.err.toStdString();
  EXPECT_EQ(readContainerFile(file), text);
  const ToolRun unpacked = runTool({"unpack", file});
  ASSERT_EQ(unpacked.exitCode, 0);
  EXPECT_EQ(unpacked.out, text);
}

TEST(KuvoTallyTool, ShowPrintsTheFigures) {
  QTemporaryDir folder;
  const QString file = folder.filePath("Kuvotally.tld");
  TallyStore store;
  store.addtomineset(3, "1850");
  store.follow("Ann");
  store.setCell(1, 1, "42");
  store.follow(
      "\x1B]52;c;QUFB\x07"
      "Bob");  // would write the terminal's clipboard
  writeContainerFile(file, store.toText());
  const ToolRun run = runTool({"show", file});
  ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
  EXPECT_TRUE(run.out.contains("Highest Round Score:"));
  EXPECT_TRUE(run.out.contains("1850"));
  EXPECT_TRUE(run.out.contains("Ann"));
  EXPECT_TRUE(run.out.contains("42"));
  EXPECT_TRUE(run.out.contains("\\u001B]52;c;QUFB\\u0007Bob"));
  EXPECT_FALSE(run.out.contains('\x1B'));
}

TEST(KuvoTallyTool, ErrorsGoToStandardErrorWithAFailingStatus) {
  QTemporaryDir folder;
  const QString file = folder.filePath("bad.tld");
  QFile bad(file);
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("NOPE1234");
  bad.close();
  const ToolRun run = runTool({"unpack", file});
  EXPECT_NE(run.exitCode, 0);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("this file has no valid header !"));
  const ToolRun shown = runTool({"show", file});
  EXPECT_NE(shown.exitCode, 0);
  EXPECT_TRUE(shown.err.contains("this file has no valid header !"));

  const ToolRun missing = runTool({"unpack", folder.filePath("none.tld")});
  EXPECT_NE(missing.exitCode, 0);
  EXPECT_TRUE(missing.err.contains("Failed to open input file"));

  EXPECT_NE(runTool({"frobnicate"}).exitCode, 0);
}

TEST(KuvoTallyTool, VersionAndHelp) {
  const ToolRun version = runTool({"--version"});
  EXPECT_EQ(version.exitCode, 0);
  EXPECT_TRUE(version.out.contains(kVersionText));
  const ToolRun help = runTool({"--help"});
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_TRUE(help.out.contains("unpack"));
}

}  // namespace
}  // namespace kuvo
