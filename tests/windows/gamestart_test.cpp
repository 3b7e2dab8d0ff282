// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include "tgamestart.h"
#include "updown.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;
namespace {

struct Started {
  int calls = 0;
  QString rounds;
  QString seconds;
};

class GamestartTest : public ::testing::Test {
 protected:
  GamestartTest() {
    QObject::connect(&dialog, &Tgamestart::startRequested,
                     [this](const QString& rounds, const QString& seconds) {
                       started.calls += 1;
                       started.rounds = rounds;
                       started.seconds = seconds;
                       wasVisibleAtStart = dialog.isVisible();
                     });
    dialog.show();
  }

  UpDown* upDown(const char* name) { return dialog.findChild<UpDown*>(QString::fromLatin1(name)); }
  void clickStart() {
    QTest::mouseClick(dialog.findChild<QAbstractButton*>(QStringLiteral("button_start")),
                      Qt::LeftButton);
  }

  Tgamestart dialog{nullptr};
  Started started;
  bool wasVisibleAtStart = false;
};

TEST_F(GamestartTest, WindowAsDesigned) {
  EXPECT_EQ(dialog.windowTitle(), "Kuvo - Game Start");
  EXPECT_EQ(dialog.size(), QSize(242, 148));
  auto* start = dialog.findChild<QAbstractButton*>(QStringLiteral("button_start"));
  ASSERT_NE(start, nullptr);
  EXPECT_EQ(start->size(), QSize(161, 32));
}

TEST_F(GamestartTest, InitialValuesAreSentAsThreeAndZeroThenTheDialogHides) {
  clickStart();
  EXPECT_EQ(started.calls, 1);
  EXPECT_EQ(started.rounds, "3");
  EXPECT_EQ(started.seconds, "0");
  EXPECT_TRUE(wasVisibleAtStart);
  EXPECT_FALSE(dialog.isVisible());
}

struct ArrowCase {
  const char* upDown;
  int from;
  bool up;
  int presses;
  const char* expected;
};

class GamestartArrows : public GamestartTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(GamestartArrows, StopAtTheEndsWithoutWrapping) {
  const ArrowCase& c = GetParam();
  UpDown* control = upDown(c.upDown);
  ASSERT_NE(control, nullptr);
  control->setPosition(c.from);
  QToolButton* button = c.up ? control->upButton() : control->downButton();
  for (int i = 0; i < c.presses; ++i) QTest::mouseClick(button, Qt::LeftButton);
  const QString text =
      QString::fromLatin1(c.upDown) == "UpDown1" ? dialog.roundsText() : dialog.timeText();
  EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ends, GamestartArrows,
                         ::testing::Values(ArrowCase{"UpDown1", 1, false, 1, "1"},
                                           ArrowCase{"UpDown1", 10, true, 1, "10"},
                                           ArrowCase{"UpDown1", 3, true, 1, "4"},
                                           ArrowCase{"UpDown1", 9, true, 3, "10"},
                                           ArrowCase{"UpDown2", 600, true, 1, "600"},
                                           ArrowCase{"UpDown2", 0, false, 1, "0"},
                                           ArrowCase{"UpDown2", 0, true, 1, "30"},
                                           ArrowCase{"UpDown2", 570, true, 2, "600"},
                                           ArrowCase{"UpDown2", 30, false, 3, "0"}));

TEST_F(GamestartTest, PositionsAreKeptInRangeAndTheTextFollows) {
  dialog.setRoundsPosition(0);
  EXPECT_EQ(dialog.roundsText(), "1");
  dialog.setRoundsPosition(11);
  EXPECT_EQ(dialog.roundsText(), "10");
  dialog.setTimePosition(-30);
  EXPECT_EQ(dialog.timeText(), "0");
  dialog.setTimePosition(1200);
  EXPECT_EQ(dialog.timeText(), "600");
  dialog.setTimePosition(90);
  EXPECT_EQ(dialog.timeText(), "90");
}

TEST_F(GamestartTest, GoingOutOfSightIsReportedWhetherStartedOrNot) {
  int hidden = 0;
  QObject::connect(&dialog, &Tgamestart::hidden, [&] { ++hidden; });
  dialog.close();
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(started.calls, 0);
  dialog.show();
  clickStart();
  EXPECT_EQ(started.calls, 1);
  EXPECT_EQ(hidden, 2);
}

TEST_F(GamestartTest, SavedValuesAreSentUnchanged) {
  dialog.setRoundsPosition(7);
  dialog.setTimePosition(150);
  clickStart();
  EXPECT_EQ(started.rounds, "7");
  EXPECT_EQ(started.seconds, "150");
}

TEST_F(GamestartTest, FieldsCannotBeTypedIntoButArrowKeysStep) {
  auto* rounds = dialog.findChild<QLineEdit*>(QStringLiteral("edit_playtoscore"));
  ASSERT_NE(rounds, nullptr);
  EXPECT_TRUE(rounds->isReadOnly());
  QTest::keyClicks(rounds, QStringLiteral("9"));
  EXPECT_EQ(dialog.roundsText(), "3");
  QTest::keyClick(rounds, Qt::Key_Up);
  EXPECT_EQ(dialog.roundsText(), "4");
  QTest::keyClick(rounds, Qt::Key_Down);
  QTest::keyClick(rounds, Qt::Key_Down);
  EXPECT_EQ(dialog.roundsText(), "2");
}

}  // namespace
}  // namespace kuvo
