// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSpinBox>
#include <QTest>

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

  UpDown* field(const char* name) { return dialog.findChild<UpDown*>(QString::fromLatin1(name)); }
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
  const char* field;
  int from;
  bool up;
  int presses;
  const char* expected;
};

class GamestartArrows : public GamestartTest, public ::testing::WithParamInterface<ArrowCase> {};

TEST_P(GamestartArrows, StopAtTheEndsWithoutWrapping) {
  const ArrowCase& c = GetParam();
  UpDown* control = field(c.field);
  ASSERT_NE(control, nullptr);
  control->setValue(c.from);
  for (int i = 0; i < c.presses; ++i) QTest::keyClick(control, c.up ? Qt::Key_Up : Qt::Key_Down);
  const QString text =
      QString::fromLatin1(c.field) == "edit_playtoscore" ? dialog.roundsText() : dialog.timeText();
  EXPECT_EQ(text, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Ends, GamestartArrows,
                         ::testing::Values(ArrowCase{"edit_playtoscore", 1, false, 1, "1"},
                                           ArrowCase{"edit_playtoscore", 10, true, 1, "10"},
                                           ArrowCase{"edit_playtoscore", 3, true, 1, "4"},
                                           ArrowCase{"edit_playtoscore", 9, true, 3, "10"},
                                           ArrowCase{"edit_timeperturn", 600, true, 1, "600"},
                                           ArrowCase{"edit_timeperturn", 0, false, 1, "0"},
                                           ArrowCase{"edit_timeperturn", 0, true, 1, "30"},
                                           ArrowCase{"edit_timeperturn", 570, true, 2, "600"},
                                           ArrowCase{"edit_timeperturn", 30, false, 3, "0"}));

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
  UpDown* rounds = field("edit_playtoscore");
  ASSERT_NE(rounds, nullptr);
  QTest::keyClicks(rounds, QStringLiteral("9"));
  EXPECT_EQ(dialog.roundsText(), "3");
  QTest::keyClick(rounds, Qt::Key_Up);
  EXPECT_EQ(dialog.roundsText(), "4");
  QTest::keyClick(rounds, Qt::Key_Down);
  QTest::keyClick(rounds, Qt::Key_Down);
  EXPECT_EQ(dialog.roundsText(), "2");
}

TEST_F(GamestartTest, FieldsAreSpinBoxesWithTheirLabelsAsNamesAndTheirNumbersAsValues) {
  for (const char* name : {"edit_playtoscore", "edit_timeperturn"}) {
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(field(name));
    ASSERT_NE(access, nullptr) << name;
    EXPECT_EQ(access->role(), QAccessible::SpinBox) << name;
    EXPECT_FALSE(access->text(QAccessible::Name).isEmpty()) << name;
    ASSERT_NE(access->valueInterface(), nullptr) << name;
  }
  dialog.setTimePosition(90);
  EXPECT_EQ(QAccessible::queryAccessibleInterface(field("edit_timeperturn"))
                ->valueInterface()
                ->currentValue()
                .toInt(),
            90);
}

struct KeyCase {
  Qt::Key key;
  int started;
};

class GamestartKeys : public GamestartTest, public ::testing::WithParamInterface<KeyCase> {};

// From the field that has the focus when the window opens.
TEST_P(GamestartKeys, ReturnStartsAndEscapeCancels) {
  QTest::keyClick(field("edit_playtoscore"), GetParam().key);
  EXPECT_EQ(started.calls, GetParam().started);
  EXPECT_FALSE(dialog.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Keys, GamestartKeys,
                         ::testing::Values(KeyCase{Qt::Key_Return, 1}, KeyCase{Qt::Key_Enter, 1},
                                           KeyCase{Qt::Key_Escape, 0}));

}  // namespace
}  // namespace kuvo
