// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player who follows the table by screen reader hears: the words the
// table hands to assistive technology, read back through the interfaces a
// screen reader queries when it is told of them.
#include <functional>

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

#include "table_fixture.h"

namespace kuvo::testing {
namespace {

class Speech : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    chatInput = new QLineEdit(panel);
    chatInput->setObjectName(QStringLiteral("mychat"));
    clientArea->show();
    clientArea->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(clientArea.get(), 2000));
    services.seats.setPlayer(1, QStringLiteral("Ann"));
    services.seats.setComputer(2);
  }

  // The notice that appears with each word, wherever the focus is.
  QString noticeSays() const {
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(table->view().notice);
    EXPECT_EQ(notice->role(), QAccessible::Notification);
    EXPECT_TRUE(table->view().notice->isVisible());
    return notice->text(QAccessible::Name);
  }

  QLineEdit* chatInput = nullptr;
};

TEST_F(Speech, APullATakeTheRoundsEndAndTheWinnerAreSpoken) {
  table->startthegame("Ann+1+0");
  loadStandardBoard();  // every column holds 1..5 from the top
  table->startround("1+1+20+2+20");
  table->boardWidget()->setFocus();

  struct Step {
    std::function<void()> act;
    QString heard;
  };
  const Step steps[] = {
      // Dice 3, 5 (+200), 1, 6, 2 (extra pull): the 6 fits no column.
      {[&] { table->yourdice("1+19+0+3+0+1+5+8+2+1+0+3+6+0+4+2+9"); },
       "Dice: 3, 5 plus 200, 1, 6, 2 extra pull. Fits columns 1, 2, 3, 5."},
      {[&] { table->choosedice("1+100+100+0+2+19+0"); },
       "Taken: column 1, row 3. 100 points. Total 100. 19 pulls left."},
      {[&] { table->yourdice("1+18+0+6+0+1+6+0+2+6+0+3+6+0+4+6+0"); },
       "Dice: 6, 6, 6, 6, 6. No die fits: pull again."},
      {[&] { table->endround("1+1500+1500+2+900+900"); }, "Round 1 is over. Ann 1500, Rovi 900."},
      {[&] { table->winner("1"); }, "You have Won the Game! Ann 1500, Rovi 900."},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(noticeSays(), step.heard);
  }
  // The status line keeps showing its own words.
  EXPECT_EQ(table->statusText(), QStringLiteral("You have Won the Game!"));
}

TEST_F(Speech, TheClockOnceKeysRepeatTheLastWordAndReadTheScoresChatWhenChosen) {
  table->startthegame("Ann+1+30");
  loadStandardBoard();
  table->startround("1+1+20+2+20");
  chatInput->setFocus();

  // The clock is read out at ten seconds left, and only then.
  for (int s = 30; s > 10; --s) table->turntimeTimer();
  EXPECT_EQ(noticeSays(), QStringLiteral("10 seconds left"));
  for (int s = 10; s > 5; --s) table->turntimeTimer();
  EXPECT_EQ(table->announcer().last(), QStringLiteral("10 seconds left"));

  services.seats.setTotal(2, QStringLiteral("700"));
  QTest::keyClick(chatInput, Qt::Key_F8);
  EXPECT_EQ(noticeSays(), QStringLiteral("Ann 0, Rovi 700."));
  table->chooseCell(0, 0);
  EXPECT_EQ(noticeSays(), QStringLiteral("You must Pull first."));

  // Chat lines are spoken only when chosen, without the sender's number, and
  // never become the word that F7 repeats.
  table->announcer().sayChat(QStringLiteral("2+Rovi chats: hi"));
  EXPECT_EQ(noticeSays(), QStringLiteral("You must Pull first."));
  table->announcer().setSpeaksChat(true);
  table->announcer().sayChat(QStringLiteral("2+Rovi chats: hi :)#12 there"));
  EXPECT_EQ(noticeSays(), QStringLiteral("Rovi chats: hi smiley there"));
  QTest::keyClick(chatInput, Qt::Key_F7);
  EXPECT_EQ(noticeSays(), QStringLiteral("You must Pull first."));
}

}  // namespace
}  // namespace kuvo::testing
