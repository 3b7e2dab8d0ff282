// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>
#include <string>
#include <vector>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "colortext.h"
#include "datapaths.h"
#include "fields.h"
#include "framing.h"
#include "messages.h"
#include "random.h"
#include "receivequeue.h"

namespace kuvo {
namespace {

const std::string FF(1, kTerminator);

std::vector<std::string> feedAll(FrameSplitter& splitter, const std::vector<std::string>& reads) {
  std::vector<std::string> out;
  for (const auto& read : reads) {
    EXPECT_TRUE(splitter.feed(read, [&](std::string&& m) { out.push_back(std::move(m)); }));
  }
  return out;
}

struct FramingCase {
  const char* what;
  std::vector<std::string> reads;
  std::vector<std::string> messages;
  std::size_t pending;
};

TEST(Framing, CutsTheStreamAtTheTerminator) {
  const std::vector<FramingCase> cases = {
      {"one message", {"CMD_full+" + FF}, {"CMD_full+"}, 0},
      {"two in one read", {"CMD_a+1" + FF + "CMD_b+2" + FF}, {"CMD_a+1", "CMD_b+2"}, 0},
      {"split over reads", {"CMD_choose", "dice+3+2+4+" + FF}, {"CMD_choosedice+3+2+4+"}, 0},
      {"terminator alone in its read", {"CMD_x+", FF}, {"CMD_x+"}, 0},
      {"tail stays pending", {"CMD_a+" + FF + "CMD_b"}, {"CMD_a+"}, 5},
      {"empty messages", {FF + FF}, {"", ""}, 0},
      {"login reply with two terminators",
       {"CMD_logininfo+3+2.0.4+Ann" + FF + FF},
       {"CMD_logininfo+3+2.0.4+Ann", ""},
       0},
      {"terminator inside text cuts it",
       {"CMD_chat+1+hi" + FF + "there|clRed" + FF},
       {"CMD_chat+1+hi", "there|clRed"},
       0},
      {"UTF-8 text passes unchanged",
       {"CMD_chat+1+K\xC3\xBCvo \xE2\x9C\x93" + FF},
       {"CMD_chat+1+K\xC3\xBCvo \xE2\x9C\x93"},
       0},
  };
  for (const auto& c : cases) {
    FrameSplitter splitter;
    EXPECT_EQ(feedAll(splitter, c.reads), c.messages) << c.what;
    EXPECT_EQ(splitter.pendingSize(), c.pending) << c.what;
  }
}

TEST(Framing, RefusesAnUnterminatedFlood) {
  FrameSplitter splitter(64);
  std::vector<std::string> out;
  auto sink = [&](std::string&& m) { out.push_back(std::move(m)); };
  EXPECT_TRUE(splitter.feed(std::string(64, 'a'), sink));
  EXPECT_FALSE(splitter.feed("b", sink));
  EXPECT_EQ(splitter.pendingSize(), 0u);
  // Complete messages before the overflow are still delivered.
  FrameSplitter second(8);
  EXPECT_FALSE(second.feed("ok" + FF + std::string(20, 'x'), sink));
  EXPECT_EQ(out, std::vector<std::string>{"ok"});
}

// The limit must mean the same however the network cuts the bytes: each
// frame is fed whole, and split in two at every byte.
TEST(Framing, LimitHoldsWhetherAFrameArrivesWholeOrInPieces) {
  constexpr std::size_t kLimit = 16;
  const struct {
    const char* what;
    std::string stream;
    std::vector<std::string> delivered;
    bool accepted;
  } cases[] = {
      {"at the limit", std::string(kLimit, 'a') + FF, {std::string(kLimit, 'a')}, true},
      {"one byte over", std::string(kLimit + 1, 'a') + FF, {}, false},
      {"over, unterminated", std::string(kLimit + 1, 'a'), {}, false},
      {"short one, then one over", "ok" + FF + std::string(kLimit + 1, 'b') + FF, {"ok"}, false},
      {"over, then a short one", std::string(kLimit + 1, 'b') + FF + "ok" + FF, {}, false},
      {"two at the limit back to back",
       std::string(kLimit, 'a') + FF + std::string(kLimit, 'b') + FF,
       {std::string(kLimit, 'a'), std::string(kLimit, 'b')},
       true},
  };
  for (const auto& c : cases) {
    for (std::size_t cut = 0; cut <= c.stream.size(); ++cut) {
      FrameSplitter splitter(kLimit);
      std::vector<std::string> out;
      auto sink = [&](std::string&& m) { out.push_back(std::move(m)); };
      const bool first = splitter.feed(std::string_view(c.stream).substr(0, cut), sink);
      const bool accepted = first && splitter.feed(std::string_view(c.stream).substr(cut), sink);
      EXPECT_EQ(accepted, c.accepted) << c.what << ", cut at " << cut;
      EXPECT_EQ(out, c.delivered) << c.what << ", cut at " << cut;
      EXPECT_LE(splitter.pendingSize(), kLimit) << c.what << ", cut at " << cut;
    }
  }
}

TEST(Framing, CutsARelayedTextToFitKeepingItsColour) {
  const struct {
    std::string text;
    std::size_t budget;
    std::optional<std::string> fitted;
  } cases[] = {
      {"hello|clRed", 11, "hello|clRed"},
      {"hello|clRed", 9, "hel|clRed"},
      {"a|b|clRed", 7, "a|clRed"},        // the colour is after the last bar
      {"hello|clRed", 6, "|clRed"},       // no text left, the colour still there
      {"hello|clRed", 5, std::nullopt},   // not even the colour fits
      {"no colour here", 5, "no co"},     // shown red anyway: cut as a whole
      {"K\xC3\xBC|clRed", 8, "K|clRed"},  // never half a character
      {"\xE2\x9C\x93\xE2\x9C\x93|x", 7, "\xE2\x9C\x93|x"},
      {"\xF0\x9F\x98\x80|x", 4, "|x"},
  };
  for (const auto& c : cases) EXPECT_EQ(fitColouredText(c.text, c.budget), c.fitted) << c.text;
}

TEST(Messages, SplitsNameAndPayloadAtTheFirstPlus) {
  struct Case {
    std::string entry, name, payload;
  } cases[] = {
      {"CMD_full+", "CMD_full", ""},
      {"CMD_filled", "", ""},
      {"CMD_chat+3+Ann chats: a+b", "CMD_chat", "3+Ann chats: a+b"},
      {"+x", "", "x"},
      {"", "", ""},
  };
  for (const auto& c : cases) {
    const auto split = splitMessage(c.entry);
    EXPECT_EQ(split.name, c.name) << c.entry;
    EXPECT_EQ(split.payload, c.payload) << c.entry;
  }
}

TEST(Messages, LookupIsExactPerDirection) {
  EXPECT_EQ(lookupToHost("CMD_chat"), ToHost::Chat);
  EXPECT_EQ(lookupToClient("CMD_chat"), ToClient::ChatRelay);
  EXPECT_EQ(lookupToClient("CMD_choosedice"), ToClient::ChooseDiceOwn);
  EXPECT_FALSE(lookupToHost("cmd_chat"));
  EXPECT_FALSE(lookupToHost("CMD_sendlogininfo"));
  EXPECT_FALSE(lookupToClient("CMD_pullhandle"));
  EXPECT_FALSE(lookupToClient(""));
  // Every catalogue name is unique within its direction.
  auto unique = [](const auto& table) {
    for (const auto& a : table) {
      for (const auto& b : table) {
        if (&a != &b) {
          EXPECT_NE(a.name, b.name);
        }
      }
    }
  };
  unique(kToHostCatalogue);
  unique(kToClientCatalogue);
}

TEST(Messages, BuildsTheWireBytes) {
  EXPECT_EQ(build(ToHost::ChooseDice, {3, 2, 4, ""}), "CMD_choosedice+3+2+4+" + FF);
  EXPECT_EQ(build(ToClient::SendLoginInfo, {5}), "CMD_sendlogininfo+5" + FF);
  EXPECT_EQ(build(ToClient::Full, {}), "CMD_full+" + FF);
  EXPECT_EQ(build(ToClient::OutTime, {}), "CMD_outtime+" + FF);
  EXPECT_EQ(build(ToHost::JustWatch, {4, "1"}), "CMD_justwatch+4+1" + FF);
  EXPECT_EQ(build(ToClient::HisScores, {2, 1500, 0, -1, ""}), "CMD_hisscores+2+1500+0+-1+" + FF);
  EXPECT_EQ(buildJoined(ToClient::ExistingPlayers, "2+Bob+0"), "CMD_existingplayers+2+Bob+0" + FF);
}

TEST(Fields, ReadsFromTheLeft) {
  FieldReader reader("3+2.0.4+Ann+Lee");
  EXPECT_EQ(reader.intField(), 3);
  EXPECT_EQ(reader.field(), "2.0.4");
  EXPECT_EQ(reader.rest(), "Ann+Lee");
  EXPECT_TRUE(reader.atEnd());
  EXPECT_EQ(reader.field(), "");
}

TEST(Fields, ParsesOnlyWholeDecimalNumbers) {
  struct Case {
    const char* text;
    std::optional<int> value;
  } cases[] = {{"0", 0},
               {"20", 20},
               {"-1", -1},
               {"+7", 7},
               {"", {}},
               {"abc", {}},
               {"12a", {}},
               {" 1", {}},
               {"-", {}},
               {"2147483647", 2147483647},
               {"2147483648", {}},
               {"-2147483648", -2147483647 - 1},
               {"99999999999999", {}},
               {"$FF", {}}};
  for (const auto& c : cases) EXPECT_EQ(parseInt(c.text), c.value) << c.text;
}

TEST(Fields, GroupsEndAtTheMarkerOrWhenTheTextRunsOut) {
  struct Case {
    const char* payload;
    int groups;
  } cases[] = {{"2+Bob+0+4+Cy+1", 2}, {"1+Ann+0", 1}, {"", 1}, {"4+Cy", 1}, {"4+Cy+1+", 2}};
  for (const auto& c : cases) {
    GroupReader reader(c.payload);
    int groups = 0;
    while (reader.moreGroups() && groups < 100) {
      reader.field();
      reader.field();
      reader.field();
      ++groups;
    }
    EXPECT_EQ(groups, c.groups) << c.payload;
  }
}

TEST(ReceiveQueue, KeepsArrivalOrderAndBoundsEachSource) {
  ReceiveQueue queue(2);
  EXPECT_TRUE(queue.push({1, 1, "a"}));
  EXPECT_TRUE(queue.push({2, 2, "b"}));
  EXPECT_TRUE(queue.push({1, 1, "c"}));
  EXPECT_FALSE(queue.push({1, 1, "d"}));
  EXPECT_EQ(queue.pop()->text, "a");
  EXPECT_TRUE(queue.push({1, 1, "e"}));
  EXPECT_EQ(queue.pop()->text, "b");
  EXPECT_EQ(queue.pop()->text, "c");
  EXPECT_EQ(queue.pop()->text, "e");
  EXPECT_FALSE(queue.pop());
  EXPECT_EQ(queue.countFrom(1), 0u);
}

// A source with a full queue gets one turn in each rotation, and no more.
TEST(ReceiveQueue, ServesTheSourcesInTurn) {
  ReceiveQueue queue(8);
  for (const char* text : {"f1", "f2", "f3", "f4"}) ASSERT_TRUE(queue.push({9, 9, text}));
  ASSERT_TRUE(queue.push({3, 3, "q1"}));
  ASSERT_TRUE(queue.push({3, 3, "q2"}));
  EXPECT_EQ(queue.pop()->text, "f1");
  ASSERT_TRUE(queue.push({5, 5, "r1"}));
  std::string order;
  while (auto m = queue.pop()) order += m->text + " ";
  EXPECT_EQ(order, "q1 f2 r1 q2 f3 f4 ");
}

// Bytes are bounded per source and over all; a source that is gone leaves
// neither messages nor a turn behind.
TEST(ReceiveQueue, BoundsBytesAndForgetsASourceThatIsGone) {
  ReceiveQueue queue(
      QueueLimits{.perSource = 8, .bytesPerSource = 6, .total = 8, .totalBytes = 10});
  EXPECT_FALSE(queue.push({1, 1, "1234567"}));  // over its own share alone
  EXPECT_TRUE(queue.push({1, 1, "1234"}));
  EXPECT_FALSE(queue.push({1, 1, "567"}));  // 7 bytes from one source
  EXPECT_TRUE(queue.push({2, 2, "abcde"}));
  EXPECT_FALSE(queue.push({3, 3, "xy"}));  // 11 bytes in all
  queue.dropSource(1);
  EXPECT_EQ(queue.size(), 1u);
  EXPECT_TRUE(queue.push({3, 3, "xy"}));
  std::string order;
  while (auto m = queue.pop()) order += m->text + " ";
  EXPECT_EQ(order, "abcde xy ");
}

TEST(ColourText, WritesNamesOrHexAndReadsLeniently) {
  EXPECT_EQ(colourToText(0x0000FF), "clRed");
  EXPECT_EQ(colourToText(0x0080FF), "$000080FF");
  EXPECT_EQ(colourToText(0x80000008), "clWindowText");
  EXPECT_EQ(colourToText(0x1FFFFFFF), "clNone");
  struct Case {
    const char* text;
    std::optional<Colour> value;
  } cases[] = {{"clRed", 0x0000FF},
               {"CLYELLOW", 0x00FFFF},
               {"clyellow", 0x00FFFF},
               {"$000080FF", 0x0080FF},
               {"$ff", 0xFF},
               {"255", 255},
               {"clInfoBk", 0x80000018},
               {"red", {}},
               {"$", {}},
               {"$123456789", {}},
               {"$GG", {}},
               {"", {}}};
  for (const auto& c : cases) EXPECT_EQ(colourFromText(c.text), c.value) << c.text;
  for (Colour colour : {0x000000u, 0x123456u, 0xFFFFFFu, 0x80000000u})
    EXPECT_EQ(colourFromText(colourToText(colour)), colour);
}

TEST(Random, IsUniformInRangeAndReplays) {
  Random a(42), b(42);
  int counts[6] = {};
  for (int i = 0; i < 6000; ++i) {
    const int v = a.random(6);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 6);
    ASSERT_EQ(v, b.random(6));
    ++counts[v];
  }
  for (int c : counts) EXPECT_GT(c, 800);
  EXPECT_EQ(a.random(0), 0);
  EXPECT_EQ(a.random(1), 0);
}

}  // namespace
}  // namespace kuvo

namespace kuvo {
namespace {

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(DataFolder, APortableCopyKeepsItsFilesBesideTheProgramAnInstalledOneInTheUsersFolders) {
  struct Case {
    const char* what;
    const char* fileInProgramFolder;  // nullptr: none
    bool programFolderWritable;
    bool portable;
  };
  const Case cases[] = {
      {"marked portable", "portable", true, true},
      {"holds the settings", "orvellobby.ini", true, true},
      {"holds the tally", "Kuvotally.tld", true, true},
      // A writable folder alone says nothing: ~/.local/bin is writable too.
      {"merely writable", nullptr, true, false},
      {"holds something else", "kuvo-tally", true, false},
      {"read-only", nullptr, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir program, home;
    ASSERT_TRUE(program.isValid() && home.isValid());
    if (c.fileInProgramFolder) {
      writeFile(program.filePath(QString::fromLatin1(c.fileInProgramFolder)), "x");
    }
    // Even root can create nothing in /proc.
    const QString programFolder =
        c.programFolderWritable ? program.path() : QStringLiteral("/proc");
    const QString config = home.filePath(QStringLiteral("config"));
    const QString data = home.filePath(QStringLiteral("data"));
    const FileFolders folders = fileFoldersFor(programFolder, config, data);
    if (c.portable) {
      EXPECT_EQ(folders.settings, programFolder);
      EXPECT_EQ(folders.data, programFolder);
    } else {
      EXPECT_EQ(folders.settings, config + QStringLiteral("/Kuvo"));
      EXPECT_EQ(folders.data, data + QStringLiteral("/Kuvo"));
    }
    EXPECT_FALSE(QDir(config).exists());
    EXPECT_FALSE(QDir(data).exists());
  }
}

TEST(DataFolder, OldSettingsAreMovedToTheNewPlaceButNeverOverwriteIt) {
  QTemporaryDir home;
  ASSERT_TRUE(home.isValid());
  const QString oldFile = home.filePath(QStringLiteral("data/Kuvo/orvellobby.ini"));
  const QString newFile = home.filePath(QStringLiteral("config/Kuvo/orvellobby.ini"));
  ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("data/Kuvo"))));

  // Nothing anywhere: the new place.
  EXPECT_EQ(adoptOldSettingsFile(oldFile, newFile), newFile);
  EXPECT_FALSE(QFileInfo::exists(newFile));

  // Only the old file: moved, with the folder made for it.
  writeFile(oldFile, "old");
  EXPECT_EQ(adoptOldSettingsFile(oldFile, newFile), newFile);
  EXPECT_EQ(readFile(newFile), "old");
  EXPECT_FALSE(QFileInfo::exists(oldFile));

  // Both: the new one stays as it is, the old one where it is.
  writeFile(newFile, "new");
  writeFile(oldFile, "old");
  EXPECT_EQ(adoptOldSettingsFile(oldFile, newFile), newFile);
  EXPECT_EQ(readFile(newFile), "new");
  EXPECT_EQ(readFile(oldFile), "old");

  // The new place cannot be made (a file stands where its folder belongs):
  // the old file stays in use rather than the settings starting afresh.
  writeFile(home.filePath(QStringLiteral("blocked")), "a file");
  const QString blocked = home.filePath(QStringLiteral("blocked/Kuvo/orvellobby.ini"));
  EXPECT_EQ(adoptOldSettingsFile(oldFile, blocked), oldFile);
  EXPECT_EQ(readFile(oldFile), "old");
}

TEST(DataFolder, TheOverrideKeepsEveryFileInOneFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  setDataFolderOverride(folder.path());
  EXPECT_EQ(dataFilePath(QStringLiteral("Kuvotally.tld")), folder.filePath("Kuvotally.tld"));
  EXPECT_EQ(settingsFilePath(), folder.filePath("orvellobby.ini"));
  setDataFolderOverride({});
}

}  // namespace
}  // namespace kuvo
