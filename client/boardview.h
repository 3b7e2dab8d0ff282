// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The widgets of the game table on the board panel: the drawn board, the
// dice, the pull ball and its track, the status line, the round heading, the
// pulls counter, the round clock, the start button and the winner banner.
// They only show what GameTable and its TableModel tell them and report
// mouse input back.
#pragma once

#include <array>

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include "gametablestate.h"
#include "pictures.h"
#include "tablemodel.h"

namespace kuvo {

// A 0x00BBGGRR colour as Qt wants it.
QColor colourFromBgr(unsigned bgr);

// A picture shown unscaled from its top left corner; narrowing the widget cuts
// it off at the right. Optionally reports mouse input.
class PictureBox : public QWidget {
  Q_OBJECT

 public:
  PictureBox(QWidget* parent, const QRect& geometry);
  // Shows picture `index` of a list (the index is remembered for tests).
  void setPicture(const QPixmap& picture, int index = -1);
  void clear() { setPicture(QPixmap(), 0); }
  int pictureIndex() const { return index_; }

 signals:
  void pressed(QMouseEvent* event);
  void moved(QMouseEvent* event);
  void released(QMouseEvent* event);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QPixmap picture_;
  int index_ = 0;
};

// A picture that acts as a button; it sinks by a pixel while pressed.
class TablePictureButton : public QAbstractButton {
 public:
  TablePictureButton(QWidget* parent, const QRect& geometry, const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap picture_;
};

// Centred bold text with a thin halo in the opposite brightness, so it reads
// on the clock bar and on the dark clock frame alike.
class OutlinedLabel : public QWidget {
 public:
  OutlinedLabel(QWidget* parent, const QRect& geometry, int pixelSize);
  void setText(const QString& text);
  QString text() const { return text_; }
  void setColour(const QColor& colour);
  QColor colour() const { return colour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  QColor colour_;
};

// The drawing surface `board`: 5 x 5 cells of 72 pixels over the board
// background. Painting follows the cell codes of the state, so a repaint at
// any time shows exactly what the handlers drew cell by cell.
//
// For play without a mouse the board takes the keyboard focus (by Tab or F6,
// never by a click, so a mouse player's typing stays in the chat) and then
// shows a cell cursor: the arrows move it, Return or Enter takes the cell
// under it and Space pulls.
class BoardSurface : public QWidget {
  Q_OBJECT

 public:
  BoardSurface(QWidget* parent, const QRect& geometry, const TableState& state,
               const QPixmap& background, QPoint backgroundOffset);
  // Repaints one cell (its code or, with fillspace, its bare background).
  void drawCell(int column, int row);
  void fillspace(int column, int row) { drawCell(column, row); }

  // The cell cursor, column and row 0..4; values outside are clamped.
  void setCursorCell(int column, int row);
  QPoint cursorCell() const { return cursor_; }
  bool cursorShown() const { return hasFocus(); }

  // What a screen reader says of a cell.
  QString cellName(int column, int row) const;
  QString cellDescription(int column, int row) const;
  // The cell as its own accessible child, 0..24, column by column.
  static int cellChild(int column, int row) { return column * kTableSize + row; }

  // What one cell looks like now, drawn the same way as on screen.
  QImage renderCell(int column, int row) const;

 signals:
  // A mouse button went down at x, y in board pixels.
  void mouseDown(Qt::MouseButton button, int x, int y);
  // Return or Enter on the cell under the cursor, column and row 0..4.
  void chooseKey(int column, int row);
  // Space: pull the ball.
  void pullKey();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void boardPaint(QPainter& painter, const QRect& area) const;
  void paintCell(QPainter& painter, int column, int row) const;
  void paintCursor(QPainter& painter) const;
  void announceCursor();

  const TableState& state_;
  QPixmap background_;
  QPoint backgroundOffset_;
  QPoint cursor_{0, 0};
};

// The rounded gold plate of the winner banner.
class WinnerPanel : public QWidget {
 public:
  WinnerPanel(QWidget* parent, const QRect& geometry);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The status line: its changes are what a player who cannot see the board
// waits for ("CHOOSE A NUMBER!", the round's end, the winner), so assistive
// tools are told of each one.
class StatusLine : public QLabel {
 public:
  explicit StatusLine(QWidget* parent) : QLabel(parent) {}
  void announce(const QString& text);
};

// Speaks for the table: an invisible notification that appears anew with
// every word, as screen readers read a notification when it appears,
// wherever the focus is.
class NoticeBox : public QWidget {
 public:
  explicit NoticeBox(QWidget* parent);
  void notify(const QString& text);
};

// All elements of the table, created on the board panel in their stacking
// order (later ones lie over earlier ones). The status line, heading, pulls,
// clock and winner banner follow `model`; the rest is set by GameTable.
struct BoardView {
  BoardView(QWidget* panel, QWidget* clientArea, const TableState& state, const TableModel& model);

  const BoardPictures& pictures;
  PictureBox* Image3 = nullptr;  // status line background
  PictureBox* Image1 = nullptr;  // ball track
  PictureBox* boardimage = nullptr;
  StatusLine* label_turn = nullptr;
  BoardSurface* board = nullptr;
  QLabel* label_playtoscore = nullptr;
  QLabel* label_numrolls = nullptr;
  PictureBox* image_ball = nullptr;
  std::array<PictureBox*, kTableSize> image_bonus{};
  std::array<PictureBox*, kTableSize> image_dice{};
  TablePictureButton* button_start = nullptr;
  PictureBox* Image5 = nullptr;       // clock frame
  PictureBox* image_timer = nullptr;  // clock bar
  OutlinedLabel* label_timer = nullptr;
  WinnerPanel* panel_winner = nullptr;
  QLabel* label_winner1 = nullptr;
  QLabel* label_winner2 = nullptr;
  NoticeBox* notice = nullptr;

  // Names die i and its bonus for screen readers from the codes shown.
  void describeDie(int die, int value, int bonus);
  void setBallTop(int top);
  int ballTop() const;
};

}  // namespace kuvo
