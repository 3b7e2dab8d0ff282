// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tallystore.h"

#include <gtest/gtest.h>

namespace kuvo {
namespace {

QStringList row(const TallyStore& store, int r) {
  QStringList cells;
  for (int c = 0; c < TallyStore::kColumns; ++c) cells << store.cell(c, r);
  return cells;
}

QStringList cells(std::initializer_list<const char*> values) {
  QStringList out;
  for (const char* v : values) out << QString::fromUtf8(v);
  return out;
}

// The user sits with Ann, Bob and Cy; Ann and Bob are followed, Dee is followed but not
// seated.
TallyStore seatedStore() {
  TallyStore store;
  store.follow("Ann");
  store.follow("Bob");
  store.follow("Dee");
  store.loadchecklist({"Ann", "Bob", "Cy"});
  return store;
}

struct WinnerCase {
  const char* winner;
  bool iWon;
  const char* ownWins;
  QStringList ann;
  QStringList bob;
};

TEST(TallyStore, TheThreeKindsOfWinner) {
  const std::vector<WinnerCase> cases = {
      {"Ann", false, "0", cells({"Ann", "1", "1", "0", "0", "1", "1", "0", "0"}),
       cells({"Bob", "1", "0", "0", "1", "1", "0", "0", "1"})},
      {"", true, "1", cells({"Ann", "1", "0", "1", "0", "1", "0", "1", "0"}),
       cells({"Bob", "1", "0", "1", "0", "1", "0", "1", "0"})},
      {"Cy", false, "0", cells({"Ann", "1", "0", "0", "1", "1", "0", "0", "1"}),
       cells({"Bob", "1", "0", "0", "1", "1", "0", "0", "1"})},
      // No seated winner: nobody's win.
      {"", false, "0", cells({"Ann", "1", "0", "0", "1", "1", "0", "0", "1"}),
       cells({"Bob", "1", "0", "0", "1", "1", "0", "0", "1"})},
  };
  for (const WinnerCase& c : cases) {
    SCOPED_TRACE(c.winner);
    TallyStore store = seatedStore();
    store.addgame(c.winner, c.iWon);
    EXPECT_EQ(store.cell(1, 0), "1");
    EXPECT_EQ(store.cell(2, 0), c.ownWins);
    EXPECT_EQ(row(store, 1), c.ann);
    EXPECT_EQ(row(store, 2), c.bob);
    EXPECT_EQ(row(store, 3), cells({"Dee", "0", "0", "0", "0", "0", "0", "0", "0"}));
  }
}

TEST(TallyStore, LookupIgnoresCaseButWinnerComparisonIsExact) {
  TallyStore store;
  store.follow("ann");
  EXPECT_FALSE(store.follow("ANN"));
  store.loadchecklist({"Ann"});
  ASSERT_EQ(store.checklist().size(), 1u);
  EXPECT_TRUE(store.checklist()[0].checked);
  store.addgame("Ann", false);
  EXPECT_EQ(row(store, 1), cells({"ann", "1", "0", "0", "1", "1", "0", "0", "1"}));
}

// Players may call themselves anything; the own win is a flag, never a name.
TEST(TallyStore, NamesAreOnlyNames) {
  TallyStore store;
  store.follow("addtomine");
  store.follow("<Waiting>");
  store.loadchecklist({"addtomine", "<Waiting>"});
  ASSERT_EQ(store.checklist().size(), 2u);
  EXPECT_TRUE(store.checklist()[1].checked);
  store.addgame("addtomine", false);
  EXPECT_EQ(store.cell(OwnColumn::kWins, 0), "0");
  EXPECT_EQ(row(store, 1), cells({"addtomine", "1", "1", "0", "0", "1", "1", "0", "0"}));
  EXPECT_EQ(row(store, 2), cells({"<Waiting>", "1", "0", "0", "1", "1", "0", "0", "1"}));
}

TEST(TallyStore, ExampleTableText) {
  TallyStore store;
  for (int i = 0; i < 12; ++i) store.addtomineincrease(1);
  for (int i = 0; i < 5; ++i) store.addtomineincrease(2);
  store.addtomineset(3, "1850");
  store.addtomineincrease(4);
  store.follow("Ann");
  const char* const annCells[] = {"4", "1", "2", "1", "2", "0", "1", "1"};
  for (int c = 1; c <= 8; ++c) store.setCell(c, 1, annCells[c - 1]);
  const QByteArray expected =
      "9\r\n2\r\n0\r\nAnn\r\n12\r\n4\r\n5\r\n1\r\n1850\r\n2\r\n1\r\n1\r\n0\r\n2\r\n0\r\n0\r\n0\r\n"
      "1\r\n0\r\n1\r\n";
  EXPECT_EQ(store.toText(), expected);

  TallyStore loaded = TallyStore::fromText(expected);
  EXPECT_EQ(loaded.toText(), expected);
  loaded.loadtally();
  EXPECT_EQ(row(loaded, 1), cells({"Ann", "4", "1", "2", "1", "0", "0", "0", "0"}));
  EXPECT_EQ(row(loaded, 0), cells({"0", "12", "5", "1850", "1", "0", "0", "0", "0"}));
  EXPECT_EQ(loaded.followed(), QStringList{"Ann"});
}

TEST(TallyStore, NoOpponentsIsElevenLines) {
  EXPECT_EQ(TallyStore().toText(), "9\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
}

TEST(TallyStore, RemovingTheOnlyOpponentLeavesTheOwnRow) {
  TallyStore store;
  store.addtomineincrease(1);
  store.follow("Ann");
  store.unfollow(0);
  EXPECT_EQ(store.rowCount(), 1);
  EXPECT_EQ(row(store, 0), cells({"0", "1", "0", "0", "0", "0", "0", "0", "0"}));
  store.unfollow(0);  // nothing left to remove
  store.moverow(0);   // the own row is never removed
  EXPECT_EQ(store.rowCount(), 1);
}

TEST(TallyStore, RemovingAMiddleRowKeepsRowsAndNamesTogether) {
  TallyStore store = seatedStore();
  store.addgame("Bob", false);
  store.unfollow(1);  // Bob
  EXPECT_EQ(store.followed(), (QStringList{"Ann", "Dee"}));
  EXPECT_EQ(row(store, 1), cells({"Ann", "1", "0", "0", "1", "1", "0", "0", "1"}));
  EXPECT_EQ(row(store, 2), cells({"Dee", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(TallyStore, ResetClearsEverything) {
  TallyStore store = seatedStore();
  store.addgame(QString(), true);
  store.addtomineset(3, "900");
  store.reset();
  EXPECT_EQ(store.toText(), TallyStore().toText());
  store.addgame(QString(), true);  // counts from zero again
  EXPECT_EQ(store.cell(1, 0), "1");
}

TEST(TallyStore, ShortTextReadsMissingCellsAsEmptyAndCountsFromZero) {
  TallyStore store = TallyStore::fromText("9\r\n2\r\n0\r\nAnn\r\n7\r\n");
  EXPECT_EQ(store.followed(), QStringList{"Ann"});
  EXPECT_EQ(store.cell(1, 0), "7");
  EXPECT_EQ(store.cell(1, 1), "");
  store.loadchecklist({"Ann"});
  store.addgame("Ann", false);
  EXPECT_EQ(row(store, 0).mid(1, 2), cells({"8", ""}));  // no win: still missing
  EXPECT_EQ(row(store, 1), cells({"Ann", "1", "1", "0", "0", "1", "1", "0", "0"}));
}

TEST(TallyStore, AcceptsBareLineFeedsAndFewerColumns) {
  const TallyStore store = TallyStore::fromText("2\n2\n0\nAnn\n3\n4");
  EXPECT_EQ(row(store, 1), cells({"Ann", "4", "", "", "", "", "", "", ""}));
  EXPECT_EQ(store.cell(1, 0), "3");
}

TEST(TallyStore, BareCarriageReturnsEndLinesToo) {
  const TallyStore store = TallyStore::fromText("2\r2\r\r\nAnn\r\r5");
  EXPECT_EQ(row(store, 1), cells({"Ann", "5", "", "", "", "", "", "", ""}));
  EXPECT_EQ(store.cell(1, 0), "");
}

TEST(TallyStore, ADeclaredTableGetsEveryRowEachItsOwn) {
  TallyStore store = TallyStore::fromText("9\r\n100000\r\n\r\nAnn\r\n");
  ASSERT_EQ(store.rowCount(), 100000);
  EXPECT_EQ(store.followed().value(0), "Ann");
  store.setCell(3, 5, "x");
  EXPECT_EQ(store.cell(3, 5), "x");
  EXPECT_EQ(store.cell(3, 6), "");
  EXPECT_EQ(store.cell(3, 4), "");
  const QByteArray text = store.toText();
  EXPECT_EQ(text.count("\r\n"), 2 + 9 * 100000);
  EXPECT_EQ(TallyStore::fromText(text).toText(), text);
}

TEST(TallyStore, BadCountsAreErrors) {
  const std::vector<QByteArray> texts = {"",
                                         "abc\r\n1\r\n",
                                         "9\r\n",
                                         "9\r\nx\r\n",
                                         "0\r\n1\r\n",
                                         "10\r\n1\r\n",
                                         "9\r\n0\r\n",
                                         "9\r\n-3\r\n",
                                         "9\r\n100001\r\n",
                                         "9\r\n99999999999999999999\r\n"};
  for (const QByteArray& text : texts) {
    SCOPED_TRACE(text.toStdString());
    EXPECT_THROW(TallyStore::fromText(text), TallyError);
  }
}

TEST(TallyStore, ANonNumberCellStopsTheUpdate) {
  TallyStore store = seatedStore();
  store.setCell(1, 0, "many");
  EXPECT_THROW(store.addgame("Ann", false), TallyError);
  EXPECT_EQ(store.cell(1, 0), "many");
  EXPECT_EQ(store.cell(1, 1), "0");  // the rest was not carried out
  store.setCell(1, 0, "9223372036854775807");
  EXPECT_THROW(store.addtomineincrease(1), TallyError);
}

TEST(TallyStore, LineBreaksInANameCannotBreakTheFile) {
  TallyStore store;
  store.follow("Evil\r\n9");
  const TallyStore back = TallyStore::fromText(store.toText());
  EXPECT_EQ(back.rowCount(), 2);
  EXPECT_EQ(back.cell(0, 1), "Evil  9");
  EXPECT_EQ(back.cell(1, 1), "0");
}

}  // namespace
}  // namespace kuvo
