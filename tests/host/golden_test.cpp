// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// One whole game on the host from a fixed seed, every message it sends kept
// in tests/host/golden/whole_game.txt and compared byte for byte: a change of
// any message, its fields or their order shows here.
//
// The file holds one message a line, "slot>" and the bytes as sent; the
// terminator and any other byte outside printable ASCII are written \xNN, a
// backslash as \\. Seat keys are left out: they are fresh on every run.
//
// After a deliberate change of what the host sends, rewrite the file and read
// its diff before committing it:
//   KUVO_UPDATE_GOLDEN=1 ./tests/host/host_tests --gtest_filter='Golden.*'
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "hostharness.h"

namespace kuvo {
namespace {

const std::string kGoldenFile = std::string(KUVO_GOLDEN_DIR) + "/whole_game.txt";

std::string visible(std::string_view bytes) {
  std::string out;
  char escape[8];
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\') {
      out += "\\\\";
    } else if (byte < 0x20 || byte >= 0x7F) {
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      out += escape;
    } else {
      out += c;
    }
  }
  return out;
}

// Ann hosts against the computer, a timed game of two rounds; Bob comes in
// during the first round and takes over the computer's seat; both chat.
std::vector<std::string> playTheGame() {
  Harness h(20261208);
  h.join("Ann");
  h.say(1, "CMD_startgame+Ann+2+20+");
  h.say(1, "CMD_chat+1+good luck|clBlue");
  h.tick1(3);
  h.join("Bob");
  h.say(2, "CMD_action+2+waves|$00FF0000");
  h.say(2, "CMD_pullhandle+2+");
  playToTheEnd(h);
  std::vector<std::string> lines;
  for (const auto& message : h.bytes) lines.push_back(visible(message));
  return lines;
}

TEST(Golden, AWholeGameSendsExactlyTheRecordedMessages) {
  const auto lines = playTheGame();
  ASSERT_GT(lines.size(), 50u);

  if (qEnvironmentVariableIntValue("KUVO_UPDATE_GOLDEN") == 1) {
    std::ofstream out(kGoldenFile, std::ios::binary | std::ios::trunc);
    for (const auto& line : lines) out << line << '\n';
    ASSERT_TRUE(out.good()) << "could not write " << kGoldenFile;
    GTEST_SKIP() << "rewrote " << kGoldenFile;
  }

  std::ifstream in(kGoldenFile, std::ios::binary);
  ASSERT_TRUE(in.good()) << "no " << kGoldenFile << "; KUVO_UPDATE_GOLDEN=1 writes it";
  std::vector<std::string> recorded;
  for (std::string line; std::getline(in, line);) recorded.push_back(line);

  for (std::size_t i = 0; i < lines.size() && i < recorded.size(); ++i) {
    ASSERT_EQ(lines[i], recorded[i]) << "message " << i + 1 << " differs from " << kGoldenFile
                                     << " (KUVO_UPDATE_GOLDEN=1 rewrites it)";
  }
  EXPECT_EQ(lines.size(), recorded.size())
      << "(KUVO_UPDATE_GOLDEN=1 rewrites " << kGoldenFile << ")";
}

}  // namespace
}  // namespace kuvo
