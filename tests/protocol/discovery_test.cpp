// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The table finder's datagrams, and the limit on a table's answers.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "discovery.h"

namespace kuvo {
namespace {

TEST(Discovery, OnlyTheExactQueriesAreOnes) {
  EXPECT_EQ(parseFindQuery("KUVO_FIND+1"), "");
  EXPECT_EQ(parseFindQuery("KUVO_FIND+2+0123456789abcdef"), "0123456789abcdef");
  for (const char* other :
       {"", "KUVO_FIND+2", "kuvo_find+1", "KUVO_FIND+1 ", "KUVO_FIND+1+", "KUVO_FIND+", "KUVO_FIND",
        "KUVO_TABLE+1+7772+0+0+0+0+0+x", "KUVO_FIND+2+", "KUVO_FIND+2+0123456789abcde",
        "KUVO_FIND+2+0123456789abcdef0", "KUVO_FIND+2+0123456789ABCDEF",
        "KUVO_FIND+3+0123456789abcdef"})
    EXPECT_FALSE(parseFindQuery(other)) << other;
}

TEST(Discovery, AnAnswerToANoncedQueryCarriesTheNonce) {
  TableAnswer table{7772, 2, 0, false, 0, 0, "T+x", "00000000deadbeef"};
  const std::string built = buildTableAnswer(table);
  EXPECT_EQ(built, "KUVO_TABLE+2+00000000deadbeef+7772+2+0+0+0+0+T+x");
  EXPECT_EQ(parseTableAnswer(built), table);
  for (const std::string bad : {"KUVO_TABLE+2+7772+2+0+0+0+0+T",  // no nonce
                                "KUVO_TABLE+2+00000000deadbeef7772+2+0+0+0+0+T",
                                "KUVO_TABLE+2+00000000DEADBEEF+7772+2+0+0+0+0+T",
                                "KUVO_TABLE+2+00000000deadbeef+7772+2+0+0+0+T"})
    EXPECT_FALSE(parseTableAnswer(bad)) << bad;
}

TEST(Discovery, AnswersReadBackAndBadOnesAreIgnored) {
  const TableAnswer table{7772, 3, 1, true, 2, 5, "Ann's table+with+plus"};
  const std::string built = buildTableAnswer(table);
  EXPECT_EQ(built, "KUVO_TABLE+1+7772+3+1+1+2+5+Ann's table+with+plus");
  EXPECT_EQ(parseTableAnswer(built), table);
  EXPECT_EQ(parseTableAnswer("KUVO_TABLE+1+7773+0+0+0+0+0+"),
            (TableAnswer{7773, 0, 0, false, 0, 0, ""}));
  // Right-to-left overrides, controls and broken bytes do not reach the list.
  EXPECT_EQ(parseTableAnswer("KUVO_TABLE+1+7772+0+0+0+0+0+a\xE2\x80\xAE"
                             "b\tc\xFF")
                ->name,
            "a b c\xEF\xBF\xBD");

  for (const std::string& bad : std::vector<std::string>{
           "",
           "KUVO_TABLE+2+7772+1+0+0+0+0+x",                         // another format
           "kuvo_table+1+7772+1+0+0+0+0+x",                         // other case
           "KUVO_TABLE+1+7772+1+0+0+0+0",                           // no name field
           "KUVO_TABLE+1+0+1+0+0+0+0+x",                            // port out of range
           "KUVO_TABLE+1+65536+1+0+0+0+0+x",                        //
           "KUVO_TABLE+1+7772+7+0+0+0+0+x",                         // more than six seated
           "KUVO_TABLE+1+7772+1+4+0+0+0+x",                         // more than three watching
           "KUVO_TABLE+1+7772+1+0+2+0+0+x",                         // playing is 0 or 1
           "KUVO_TABLE+1+7772+-1+0+0+0+0+x",                        // signs are not counts
           "KUVO_TABLE+1+7772+ 1+0+0+0+0+x",                        //
           "KUVO_TABLE+1+7772+1+0+1+x+3+x",                         // not a number
           "KUVO_FIND+1",                                           // a query is no answer
           "KUVO_TABLE+1+7772+1+0+0+0+0+" + std::string(500, 'n'),  // oversized
       })
    EXPECT_FALSE(parseTableAnswer(bad)) << bad;
}

TEST(Discovery, ALongNameIsCutOnACharacterBoundary) {
  std::string name;
  for (int i = 0; i < 300; ++i) name += "\xC3\xA4";  // "ä", two bytes each
  const std::string built = buildTableAnswer({7772, 1, 0, false, 0, 0, name});
  ASSERT_LE(built.size(), kMaxTableAnswerBytes);
  const auto read = parseTableAnswer(built);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->name.size() % 2, 0u);
  EXPECT_EQ(read->name, name.substr(0, read->name.size()));
  EXPECT_GE(built.size(), kMaxTableAnswerBytes - 1);
}

// One fast asker takes one answer a second and leaves the rest to the others.
TEST(Discovery, OneAnswerASecondToAnyOneAddress) {
  using std::chrono::milliseconds;
  AskerLimit limit;
  EXPECT_TRUE(limit.allow("10.0.0.1", milliseconds(0)));
  for (int t = 1; t < 1000; t += 7) EXPECT_FALSE(limit.allow("10.0.0.1", milliseconds(t)));
  EXPECT_TRUE(limit.allow("10.0.0.2", milliseconds(500)));
  EXPECT_TRUE(limit.allow("10.0.0.1", milliseconds(1000)));
  // Many addresses at once: the remembered ones are not forgotten early.
  for (std::size_t i = 0; i < kMaxRememberedAskers; ++i)
    limit.allow("192.0.2." + std::to_string(i), milliseconds(1200));
  EXPECT_FALSE(limit.allow("198.51.100.1", milliseconds(1300)));
  EXPECT_FALSE(limit.allow("10.0.0.2", milliseconds(1300)));
  EXPECT_TRUE(limit.allow("198.51.100.1", milliseconds(2300)));
}

TEST(Discovery, AtMostTwentyAnswersInAnySecond) {
  using std::chrono::milliseconds;
  AnswerLimit limit;
  int answered = 0;
  for (int i = 0; i < 50; ++i) answered += limit.allow(milliseconds(1000 + i)) ? 1 : 0;
  EXPECT_EQ(answered, kMaxTableAnswersPerSecond);
  EXPECT_FALSE(limit.allow(milliseconds(1999)));
  // One second after the first answer one more may go, and so on.
  EXPECT_TRUE(limit.allow(milliseconds(2000)));
  EXPECT_FALSE(limit.allow(milliseconds(2000)));
  EXPECT_TRUE(limit.allow(milliseconds(2001)));
}

}  // namespace
}  // namespace kuvo
