// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Play without a mouse (the board's cell cursor, Space, Return, F6) and what
// a screen reader is told of the table.
#include <QAbstractButton>
#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "playerslotspanel.h"
#include "table_fixture.h"

namespace kuvo::testing {
namespace {

class Keyboard : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    chatInput = new QLineEdit(panel);
    chatInput->setObjectName(QStringLiteral("mychat"));
    chatInput->setGeometry(430, 480, 200, 20);
    clientArea->show();
    clientArea->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(clientArea.get(), 2000));
    chatInput->setFocus();
  }

  void key(Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); }

  QLineEdit* chatInput = nullptr;
};

TEST_F(Keyboard, AWholeMoveByKeysAlone) {
  loadStandardBoard();  // every column holds 1..5 from the top
  table->startround("1+1+20");
  QWidget* board = table->boardWidget();

  key(Qt::Key_F6);
  ASSERT_TRUE(board->hasFocus());
  EXPECT_EQ(table->view().board->cursorCell(), QPoint(0, 0));

  key(Qt::Key_Space);
  ASSERT_EQ(services.sentText(), std::vector<std::string>{"CMD_pullhandle+1+"});
  // Dice 3, 5, 1, 6, 2: column 1's die is 3, which stands in row 3.
  table->yourdice("1+19+0+3+0+1+5+0+2+1+0+3+6+0+4+2+0");
  ASSERT_EQ(table->statusText(), QStringLiteral("CHOOSE A NUMBER!"));

  // Space while a number must be chosen is a refused click on the ball.
  key(Qt::Key_Space);
  EXPECT_EQ(services.sent.size(), 1u);
  EXPECT_EQ(services.sounds.last(), QStringLiteral("invalid"));

  // Return on a cell that does not match is refused like a click on it.
  key(Qt::Key_Return);
  EXPECT_EQ(table->statusText(), QStringLiteral("That number does not match."));
  EXPECT_EQ(services.sent.size(), 1u);

  key(Qt::Key_Down);
  key(Qt::Key_Down);
  key(Qt::Key_Enter);
  ASSERT_EQ(services.sentText(),
            (std::vector<std::string>{"CMD_pullhandle+1+", "CMD_choosedice+1+0+2+"}));
  table->choosedice("1+100+100+0+2+19+0");
  EXPECT_EQ(cell(0, 2), 103);
  EXPECT_EQ(table->statusText(), QStringLiteral("PULL AGAIN!"));
  key(Qt::Key_Space);
  EXPECT_EQ(services.sentText().back(), "CMD_pullhandle+1+");

  // F6 goes back to the chat, and the next round's cursor starts at the top left.
  key(Qt::Key_Right);
  key(Qt::Key_F6);
  EXPECT_TRUE(chatInput->hasFocus());
  table->startround("2+1+20");
  EXPECT_EQ(table->view().board->cursorCell(), QPoint(0, 0));
}

TEST_F(Keyboard, TheCursorStaysOnTheBoardAndShowsOnlyWithTheFocus) {
  BoardSurface* board = table->view().board;
  EXPECT_FALSE(board->cursorShown());
  key(Qt::Key_F6);
  EXPECT_TRUE(board->cursorShown());
  for (int i = 0; i < 7; ++i) key(Qt::Key_Left);
  for (int i = 0; i < 7; ++i) key(Qt::Key_Up);
  EXPECT_EQ(board->cursorCell(), QPoint(0, 0));
  for (int i = 0; i < 7; ++i) key(Qt::Key_Right);
  for (int i = 0; i < 7; ++i) key(Qt::Key_Down);
  EXPECT_EQ(board->cursorCell(), QPoint(4, 4));
  // A click does not take the focus: a mouse player's typing stays in the chat.
  key(Qt::Key_F6);
  QTest::mouseClick(board, Qt::LeftButton, {}, QPoint(36, 36));
  EXPECT_TRUE(chatInput->hasFocus());
  EXPECT_FALSE(board->cursorShown());
}

TEST_F(Keyboard, ReturnAndSpacePressTheStartButton) {
  auto* start = qobject_cast<QAbstractButton*>(table->startButton());
  ASSERT_NE(start, nullptr);
  QSignalSpy clicks(start, &QAbstractButton::clicked);
  for (const Qt::Key pressed : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    const auto before = clicks.count();
    QTest::keyClick(start, pressed);
    EXPECT_TRUE(clicks.count() > before || clicks.wait(2000)) << pressed;
  }
}

using Accessible = TableTest;

QString accessibleText(QObject* object, QAccessible::Text text) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(text) : QStringLiteral("<no interface>");
}

TEST_F(Accessible, CellsDiceAndPlayerRowsHaveNames) {
  loadStandardBoard();
  table->startround("1+1+20");
  table->yourdice("1+19+0+3+0+1+5+8+2+1+0+3+6+0+4+2+9");

  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(table->boardWidget());
  ASSERT_NE(board, nullptr);
  ASSERT_EQ(board->childCount(), 25);
  QAccessibleInterface* cell = board->child(BoardSurface::cellChild(1, 2));
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->role(), QAccessible::Cell);
  EXPECT_EQ(cell->text(QAccessible::Name), QStringLiteral("Column 2, row 3: 3"));
  EXPECT_EQ(cell->text(QAccessible::Description), QString());
  EXPECT_EQ(board->indexOfChild(cell), BoardSurface::cellChild(1, 2));
  EXPECT_EQ(cell->parent(), board);

  table->choosedice("1+100+100+0+2+19+7");
  EXPECT_EQ(board->child(BoardSurface::cellChild(0, 2))->text(QAccessible::Description),
            QStringLiteral("taken, 100 bonus points"));
  table->loadboard("4+4+0");
  EXPECT_EQ(board->child(BoardSurface::cellChild(4, 4))->text(QAccessible::Name),
            QStringLiteral("Column 5, row 5"));
  EXPECT_EQ(board->child(BoardSurface::cellChild(4, 4))->text(QAccessible::Description),
            QStringLiteral("taken"));

  // The choice cleared the dice; a new pull names them with their bonuses.
  EXPECT_EQ(accessibleText(table->view().image_dice[1], QAccessible::Name),
            QStringLiteral("Die 2: none"));
  table->yourdice("1+18+0+3+0+1+5+8+2+1+0+3+6+0+4+2+9");
  EXPECT_EQ(accessibleText(table->view().image_dice[1], QAccessible::Name),
            QStringLiteral("Die 2: 5"));
  EXPECT_EQ(accessibleText(table->view().image_dice[1], QAccessible::Description),
            QStringLiteral("200 bonus points"));
  EXPECT_EQ(accessibleText(table->view().image_bonus[4], QAccessible::Name),
            QStringLiteral("Bonus 5: extra pull"));

  PlayerSlotsPanel rows(panel, services, menu);
  // A name that looks like a placeholder stays the name.
  services.seats.setPlayer(3, QStringLiteral("Ann %3"));
  services.seats.setTotal(3, QStringLiteral("1500"));
  services.seats.setPulls(3, QStringLiteral("12"));
  services.seats.setCurrent(3, QStringLiteral("+250"));
  services.seats.setWatching(3, true);
  EXPECT_EQ(accessibleText(rows.nameLabel(3), QAccessible::Name),
            QStringLiteral("Slot 3: Ann %3, total 1500, pulls 12, current +250"));
  EXPECT_EQ(accessibleText(rows.nameLabel(3), QAccessible::Description),
            QStringLiteral("just watching"));
  services.seats.setPulls(3, QString());
  services.seats.setCurrent(3, QString());
  EXPECT_EQ(accessibleText(rows.nameLabel(3), QAccessible::Name),
            QStringLiteral("Slot 3: Ann %3, total 1500"));
}

TEST_F(Accessible, TheStatusLineIsANotificationAndTheClockReadsItsText) {
  QAccessibleInterface* status = QAccessible::queryAccessibleInterface(table->view().label_turn);
  ASSERT_NE(status, nullptr);
  EXPECT_EQ(status->role(), QAccessible::Notification);
  table->startround("1+1+20");
  EXPECT_EQ(status->text(QAccessible::Name), QStringLiteral("It's time to Kuvo!"));
  EXPECT_EQ(accessibleText(table->view().label_timer, QAccessible::Name),
            QStringLiteral("No Time Limit"));
}

// A player who follows the table by screen reader hears every setting of
// the status line, also a second "You must Pull first." in a row; the
// status line's own change still comes once.
TEST_F(Accessible, AnUnchangedStatusIsAnnouncedAgain) {
  QSignalSpy announced(&table->model(), &TableModel::statusAnnounced);
  table->startround("1+1+20");
  table->chooseCell(0, 0);
  table->chooseCell(0, 0);
  EXPECT_EQ(announced.count(), 3);
  EXPECT_EQ(table->view().label_turn->text(), QStringLiteral("You must Pull first."));
}

}  // namespace
}  // namespace kuvo::testing
