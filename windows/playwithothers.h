// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// "Play with Others": the tables found on the local network, a name, an
// address typed by hand, and the buttons to join a table or host one. The
// window only asks; the main window joins or hosts, through the same start-up
// as the command line.
#pragma once

#include <functional>

#include <QDialog>
#include <QString>

#include "tablefinder.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kuvo {

class PlayWithOthers : public QDialog {
  Q_OBJECT
 public:
  // `targets`: where the finder looks (finderTargetsFromEnvironment() in the game).
  PlayWithOthers(QWidget* parent, QList<FinderTarget> targets);

  QString playerName() const;
  void setPlayerName(const QString& name);
  QTreeWidget* tableList() const { return tables_; }
  QLineEdit* addressField() const { return address_; }
  TableFinder& finder() { return finder_; }

  // Asked before the window goes to join or host: false keeps everything as
  // it is (the player would rather not leave the current table).
  void setLeaveCheck(std::function<bool()> check) { leaveCheck_ = std::move(check); }

  // The names and the join/host buttons' work, callable directly.
  void joinClicked();
  void hostClicked();

 signals:
  // `address` is a host name or address, with ":port" when it is not the game port.
  void joinRequested(const QString& name, const QString& address);
  void hostRequested(const QString& name);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void refill();
  void updateButtons();

  TableFinder finder_;
  QTreeWidget* tables_ = nullptr;
  QLineEdit* name_ = nullptr;
  QLineEdit* address_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* join_ = nullptr;
  QPushButton* host_ = nullptr;
  std::function<bool()> leaveCheck_;
};

}  // namespace kuvo
