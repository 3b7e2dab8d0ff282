// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tableaccessible.h"

#include <array>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QWindow>

#include "boardview.h"

namespace kuvo {
namespace {

constexpr int kCell = BoardPictures::kCell;
constexpr int kCells = kTableSize * kTableSize;

// One board cell. Cells are not widgets, so each has an interface of its own
// that asks the board for what it shows.
class CellAccessible : public QAccessibleInterface {
 public:
  CellAccessible(BoardSurface* board, int column, int row)
      : board_(board), column_(column), row_(row) {}

  bool isValid() const override { return !board_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return board_ ? board_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return board_ ? QAccessible::queryAccessibleInterface(board_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text t) const override {
    if (!board_) return QString();
    if (t == QAccessible::Name) return board_->cellName(column_, row_);
    if (t == QAccessible::Description) return board_->cellDescription(column_, row_);
    return QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!board_) return QRect();
    return QRect(board_->mapToGlobal(QPoint(column_ * kCell, row_ * kCell)), QSize(kCell, kCell));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!board_) return s;
    s.focusable = true;
    s.invisible = !board_->isVisible();
    s.focused = board_->hasFocus() && board_->cursorCell() == QPoint(column_, row_);
    return s;
  }

 private:
  QPointer<BoardSurface> board_;
  int column_;
  int row_;
};

class BoardAccessible : public QAccessibleWidget {
 public:
  explicit BoardAccessible(BoardSurface* board) : QAccessibleWidget(board, QAccessible::Grouping) {}

  ~BoardAccessible() override {
    // The cells belong to the accessibility cache once a tool has seen them;
    // removing them through it frees each exactly once.
    for (CellAccessible* cell : cells_) {
      if (cell) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cell));
    }
  }

  int childCount() const override { return kCells; }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= kCells) return nullptr;
    auto& cell = cells_[static_cast<size_t>(index)];
    if (!cell) cell = new CellAccessible(board(), index / kTableSize, index % kTableSize);
    return cell;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (int i = 0; i < kCells; ++i) {
      if (cells_[static_cast<size_t>(i)] == child) return i;
    }
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = board()->mapFromGlobal(QPoint(x, y));
    if (!board()->rect().contains(at)) return nullptr;
    return child(BoardSurface::cellChild(at.x() / kCell, at.y() / kCell));
  }
  QAccessibleInterface* focusChild() const override {
    if (!board()->hasFocus()) return nullptr;
    const QPoint c = board()->cursorCell();
    return child(BoardSurface::cellChild(c.x(), c.y()));
  }

 private:
  BoardSurface* board() const { return static_cast<BoardSurface*>(widget()); }
  mutable std::array<CellAccessible*, kCells> cells_{};
};

// The status line. Qt 6.4 has no announcement event yet, so the line takes
// the notification role and reports each change as a name change, which
// screen readers speak for notifications.
class StatusAccessible : public QAccessibleWidget {
 public:
  explicit StatusAccessible(StatusLine* line)
      : QAccessibleWidget(line, QAccessible::Notification) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return static_cast<StatusLine*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

// The round clock is painted text; its name is what it shows.
class ClockAccessible : public QAccessibleWidget {
 public:
  explicit ClockAccessible(OutlinedLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
      return static_cast<OutlinedLabel*>(widget())->text();
    return QAccessibleWidget::text(t);
  }
};

QAccessibleInterface* tableFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  if (auto* board = dynamic_cast<BoardSurface*>(object)) return new BoardAccessible(board);
  if (auto* line = dynamic_cast<StatusLine*>(object)) return new StatusAccessible(line);
  if (auto* clock = dynamic_cast<OutlinedLabel*>(object)) return new ClockAccessible(clock);
  if (auto* notice = dynamic_cast<NoticeBox*>(object))
    return new QAccessibleWidget(notice, QAccessible::Notification);
  if (auto* picture = dynamic_cast<PictureBox*>(object))
    return new QAccessibleWidget(picture, QAccessible::Graphic);
  return nullptr;
}

}  // namespace

void announce(BoardView& view, const QString& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QObject* target = QApplication::focusWidget();
  QAccessibleAnnouncementEvent event(target ? target : view.board, text);
  QAccessible::updateAccessibility(&event);
#else
  // Orca 43 drops name and description changes of anything but the object
  // it follows, and the board's cursor cell is a table cell, whose changes
  // it ignores too; a notification it reads whenever one appears.
  view.notice->notify(text);
#endif
}

void installTableAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(tableFactory);
}

}  // namespace kuvo
