// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The spy list: the spectators at the table, and "Remove From Game" for the host.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>

class QAction;
class QListWidget;
class QMenu;

namespace kuvo {

class Tspylist : public QDialog {
  Q_OBJECT

 public:
  explicit Tspylist(QWidget* mainWindow);

  void addEntry(const QString& entry);
  // Removes the first entry whose whole text equals `entry`.
  bool removeEntry(const QString& entry);
  bool containsEntry(const QString& entry) const;
  QStringList entries() const;
  void setRemoveEnabled(bool enabled);

  // Index of the entry last under the mouse pointer, -1 for none.
  int entryUnderPointer() const { return hoverIndex_; }

  // The player number in front of the colon of "8: Dee"; nothing when the
  // text does not start with a number followed by a colon.
  static std::optional<int> playerNumberOf(const QString& entry);

 signals:
  // The moderator chose to remove the watcher with this number.
  void kickRequested(int number);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void popup_kickhimClick();

  QWidget* mainWindow_;
  QListWidget* listbox_spys_;
  QMenu* popup_kick_;
  QAction* popup_kickhim_;
  int hoverIndex_ = -1;
};

}  // namespace kuvo
