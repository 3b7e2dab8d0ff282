// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include "tphrases.h"
#include "tspylist.h"

namespace kuvo {
namespace {

QLineEdit* phraseField(const Tphrases& editor, int n) {
  return editor.findChild<QLineEdit*>(QStringLiteral("phrase%1").arg(n));
}

TEST(Phrases, WindowAndDefaultTexts) {
  Tphrases editor(nullptr);
  EXPECT_EQ(editor.windowTitle(), "Kuvo - Phrase Buttons ");
  EXPECT_EQ(editor.phrases(), QStringList({"Way To Go!", "Excellent!", "Brilliant!", "Good one!",
                                           "Good Find!", "Nice Try!", "Way To Go Teamie!",
                                           "Good Game Everyone!", "Good Luck!", "See ya!"}));
}

TEST(Phrases, DoneHandsOverAllTenTextsAndHides) {
  Tphrases editor(nullptr);
  QList<QStringList> done;
  QObject::connect(&editor, &Tphrases::done, [&done](const QStringList& ten) { done << ten; });
  editor.show();
  QLineEdit* third = phraseField(editor, 3);
  ASSERT_NE(third, nullptr);
  third->selectAll();
  QTest::keyClicks(third, QStringLiteral("Superb!"));
  QTest::mouseClick(editor.findChild<QPushButton*>(QStringLiteral("SelButton8")), Qt::LeftButton);
  ASSERT_EQ(done.size(), 1);
  QStringList expected = Tphrases::defaultPhrases();
  expected[2] = QStringLiteral("Superb!");
  EXPECT_EQ(done.front(), expected);
  EXPECT_FALSE(editor.isVisible());
}

TEST(Phrases, CloseBoxDiscardsTheEdits) {
  Tphrases editor(nullptr);
  int doneCalls = 0;
  QObject::connect(&editor, &Tphrases::done, [&doneCalls](const QStringList&) { ++doneCalls; });
  const QStringList buttons = {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"};
  editor.setPhrases(buttons);
  editor.show();
  phraseField(editor, 5)->setText(QStringLiteral("changed"));
  editor.close();
  EXPECT_EQ(doneCalls, 0);
  EXPECT_FALSE(editor.isVisible());
  EXPECT_EQ(editor.phrases(), buttons);
}

TEST(Phrases, EscapeDiscardsLikeTheCloseBox) {
  Tphrases editor(nullptr);
  editor.show();
  phraseField(editor, 1)->setText(QStringLiteral("changed"));
  QTest::keyClick(&editor, Qt::Key_Escape);
  EXPECT_EQ(editor.phrases(), Tphrases::defaultPhrases());
}

TEST(Phrases, AtMostFiftyCharacters) {
  Tphrases editor(nullptr);
  editor.show();
  QLineEdit* field = phraseField(editor, 10);
  field->clear();
  QTest::keyClicks(field, QString(60, QLatin1Char('x')));
  EXPECT_EQ(field->text().size(), 50);
  QStringList ten = Tphrases::defaultPhrases();
  ten[0] = QString(70, QLatin1Char('y'));
  editor.setPhrases(ten);
  EXPECT_EQ(editor.phrases().front(), QString(50, QLatin1Char('y')));
}

TEST(Phrases, ShortOrLongListsFillTenFields) {
  Tphrases editor(nullptr);
  editor.setPhrases({"one"});
  QStringList expected(10, QString());
  expected[0] = "one";
  EXPECT_EQ(editor.phrases(), expected);
  editor.setPhrases(QStringList(12, QStringLiteral("z")));
  EXPECT_EQ(editor.phrases(), QStringList(10, QStringLiteral("z")));
}

class SpylistTest : public ::testing::Test {
 protected:
  SpylistTest() {
    QObject::connect(&list, &Tspylist::kickRequested, [this](int number) { kicked << number; });
    list.show();
    box = list.findChild<QListWidget*>(QStringLiteral("listbox_spys"));
    kick = list.findChild<QAction*>(QStringLiteral("popup_kickhim"));
  }

  void pointAt(const QPoint& pos) {
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), box->viewport()->mapToGlobal(QPointF(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(box->viewport(), &move);
  }
  void pointAtRow(int row) { pointAt(box->visualItemRect(box->item(row)).center()); }

  Tspylist list{nullptr};
  QListWidget* box = nullptr;
  QAction* kick = nullptr;
  QList<int> kicked;
};

TEST_F(SpylistTest, WindowAsDesigned) {
  EXPECT_EQ(list.windowTitle(), "Kuvo - Spys");
  ASSERT_NE(box, nullptr);
  ASSERT_NE(kick, nullptr);
  EXPECT_EQ(kick->text(), "Remove From Game");
  EXPECT_FALSE(kick->isEnabled());
  EXPECT_TRUE(list.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(SpylistTest, EntriesAreFoundAndRemovedByTheirWholeText) {
  list.addEntry(QStringLiteral("7: Ann"));
  list.addEntry(QStringLiteral("8: Dee"));
  EXPECT_TRUE(list.containsEntry(QStringLiteral("8: Dee")));
  EXPECT_FALSE(list.containsEntry(QStringLiteral("8: De")));
  EXPECT_FALSE(list.removeEntry(QStringLiteral("8")));
  EXPECT_FALSE(list.removeEntry(QStringLiteral("9: Dee")));
  EXPECT_TRUE(list.removeEntry(QStringLiteral("8: Dee")));
  EXPECT_EQ(list.entries(), QStringList{QStringLiteral("7: Ann")});
}

TEST_F(SpylistTest, RemovesTheEntryLastUnderThePointerNotTheSelection) {
  list.setRemoveEnabled(true);
  list.addEntry(QStringLiteral("7: Ann"));
  list.addEntry(QStringLiteral("9: Bob"));
  box->setCurrentRow(0);
  pointAtRow(1);
  EXPECT_EQ(list.entryUnderPointer(), 1);
  kick->trigger();
  EXPECT_EQ(kicked, QList<int>{9});
}

TEST_F(SpylistTest, TheMenuKeyRemovesTheEntryTheKeyboardIsOn) {
  list.setRemoveEnabled(true);
  list.addEntry(QStringLiteral("7: Ann"));
  list.addEntry(QStringLiteral("9: Bob"));
  pointAtRow(0);
  box->setCurrentRow(1);
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(1, 1),
                            box->mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(box, &menuKey);
  QApplication::processEvents();
  list.findChild<QMenu*>(QStringLiteral("popup_kick"))->hide();
  kick->trigger();
  EXPECT_EQ(kicked, QList<int>{9});
}

TEST_F(SpylistTest, ANumberAnnouncedAgainReplacesItsRow) {
  list.addEntry(QStringLiteral("7: Ann"));
  list.addEntry(QStringLiteral("8: Dee"));
  for (int i = 0; i < 5; ++i) list.addEntry(QStringLiteral("7: Eve"));
  EXPECT_EQ(list.entries(), (QStringList{"7: Eve", "8: Dee"}));
}

TEST_F(SpylistTest, PointerOverNoEntryDoesNothing) {
  list.setRemoveEnabled(true);
  list.addEntry(QStringLiteral("7: Ann"));
  kick->trigger();  // the pointer never moved over the list
  pointAtRow(0);
  pointAt(QPoint(5, box->viewport()->height() - 3));
  EXPECT_EQ(list.entryUnderPointer(), -1);
  kick->trigger();
  EXPECT_TRUE(kicked.isEmpty());
}

TEST_F(SpylistTest, DisabledWhenNotHosting) {
  list.addEntry(QStringLiteral("7: Ann"));
  pointAtRow(0);
  kick->trigger();
  EXPECT_TRUE(kicked.isEmpty());
  list.setRemoveEnabled(true);
  kick->trigger();
  EXPECT_EQ(kicked, QList<int>{7});
}

TEST_F(SpylistTest, AnEntryThatLeftSinceThePointerWasThereIsNotActedOn) {
  list.setRemoveEnabled(true);
  list.addEntry(QStringLiteral("7: Ann"));
  list.addEntry(QStringLiteral("8: Dee"));
  pointAtRow(1);
  list.removeEntry(QStringLiteral("8: Dee"));
  kick->trigger();
  EXPECT_TRUE(kicked.isEmpty());
}

TEST_F(SpylistTest, UnreadableNumberDoesNothing) {
  list.setRemoveEnabled(true);
  list.addEntry(QStringLiteral("Dee"));
  pointAtRow(0);
  kick->trigger();
  EXPECT_TRUE(kicked.isEmpty());
}

struct NumberCase {
  const char* entry;
  std::optional<int> number;
};

class SpyNumbers : public ::testing::TestWithParam<NumberCase> {};

TEST_P(SpyNumbers, ReadUpToTheColon) {
  EXPECT_EQ(Tspylist::playerNumberOf(QString::fromUtf8(GetParam().entry)), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(Entries, SpyNumbers,
                         ::testing::Values(NumberCase{"8: Dee", 8}, NumberCase{"12: Al: x", 12},
                                           NumberCase{"7:", 7}, NumberCase{"Dee", std::nullopt},
                                           NumberCase{": Dee", std::nullopt},
                                           NumberCase{"x8: Dee", std::nullopt},
                                           NumberCase{"", std::nullopt},
                                           NumberCase{"99999999999: Big", std::nullopt}));

}  // namespace
}  // namespace kuvo
