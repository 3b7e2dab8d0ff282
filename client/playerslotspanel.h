// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The six slot rows on the right of the board (name, pulls, total, current,
// watching mark), the arrivals and departures the host announces, and the
// host's moderation menu on the names of slots 2 to 6.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include <QObject>

#include "clientservices.h"
#include "menuactions.h"

class QAction;
class QLabel;
class QMenu;
class QWidget;

namespace kuvo {

class PlayerSlotsPanel : public QObject {
  Q_OBJECT
 public:
  PlayerSlotsPanel(QWidget* board, ClientServices& services, MenuActions& menu);

  // Arrivals (CMD_newplayerinfo, CMD_existingplayers) and departures
  // (CMD_playerdisconnected). `gameOn`: a game runs on this screen, so slot 2
  // changing hands is a takeover and a seat left empty drops out of the game.
  void newplayerinfo(std::string_view payload, bool gameOn = false);
  void playerdisconnected(std::string_view payload, bool gameOn = false);
  void seatkept(std::string_view payload);  // CMD_seatkept
  void seatback(std::string_view payload);  // CMD_seatback
  void removed(std::string_view payload);   // CMD_removed
  void kicking(int number);
  // The moderator is asked first; only a yes removes the player or watcher.
  void removeAfterAsking(int number, const QString& name);
  void label_playername1ContextPopup(int slot);  // prepares popup_kick for that slot

  void RemoveFromGame1Click();
  void SettoJustWatch1Click();
  void UnsetJustWatch1Click();
  void JustWatch1Click(bool wasChecked);

  QMenu* kickMenu() const { return popupKick_; }
  QAction* removeFromGame() const { return removeFromGame_; }
  QAction* setToJustWatch() const { return setToJustWatch_; }
  QAction* unsetJustWatch() const { return unsetJustWatch_; }
  int target() const { return target_; }

  // The row elements of slot n (1..6), nullptr outside.
  QLabel* nameLabel(int n) const;
  QLabel* pullsLabel(int n) const;
  QLabel* totalLabel(int n) const;
  QLabel* currentLabel(int n) const;
  QLabel* watchingMark(int n) const;

 private:
  struct Row {
    // The widgets keep their old object names: label_rolls<n>, image_eyes<n>,
    // label_playername<n>, label_score<n>, label_bonus<n>.
    QLabel* pulls = nullptr;
    QLabel* eyes = nullptr;
    QLabel* name = nullptr;
    QLabel* total = nullptr;
    QLabel* current = nullptr;
  };

  bool eventFilter(QObject* watched, QEvent* event) override;
  void showSlot(int n);
  void systemLine(const QString& text);
  // The name of a seat held by a player, or nothing (out of range, empty, the computer).
  std::optional<QString> playerName(std::optional<int> n) const;
  void sendJustWatch(int n, int mode);
  const Row* row(int n) const;

  ClientServices& services_;
  MenuActions& menu_;
  std::array<Row, 6> rows_{};
  QMenu* popupKick_ = nullptr;
  QAction* removeFromGame_ = nullptr;
  QAction* setToJustWatch_ = nullptr;
  QAction* unsetJustWatch_ = nullptr;
  int target_ = 0;
  // Seats whose removal the chat has told: their departure says nothing more.
  std::array<bool, 6> removalTold_{};
};

}  // namespace kuvo
