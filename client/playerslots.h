// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The six player slots as the main window shows them: who holds each seat,
// and the figures the user sees ("+500", an empty pulls field); the rows of
// labels only display this model.
#pragma once

#include <array>

#include <QObject>
#include <QString>

namespace kuvo {

// Who holds a seat. A name is only a name: a player may call itself anything,
// the computer's name or the empty seat's mark included, and stays a player.
enum class SeatHolder { Empty, Computer, Player };

// What the computer calls itself in slot 2.
inline constexpr char kComputerName[] = "Rovi";

struct PlayerSlot {
  SeatHolder holder = SeatHolder::Empty;
  QString name;  // the player's, the computer's, or empty for an empty seat
  QString pulls = QStringLiteral("20");
  QString total = QStringLiteral("0");
  QString current = QStringLiteral("0");
  bool watching = false;

  bool empty() const { return holder == SeatHolder::Empty; }
  bool computer() const { return holder == SeatHolder::Computer; }
  bool player() const { return holder == SeatHolder::Player; }
};

class PlayerSlots : public QObject {
  Q_OBJECT
 public:
  static constexpr int kCount = 6;
  static bool valid(int n) { return n >= 1 && n <= kCount; }

  // Slot n (1..6); an out-of-range n reads as an empty slot.
  const PlayerSlot& at(int n) const { return valid(n) ? slots_[n - 1] : empty_; }
  QString name(int n) const { return at(n).name; }

  // Setters ignore numbers outside 1..6 and tell the view what changed.
  void setPlayer(int n, const QString& name) { seat(n, SeatHolder::Player, name); }
  void setComputer(int n) { seat(n, SeatHolder::Computer, QString::fromLatin1(kComputerName)); }
  void setEmpty(int n) { seat(n, SeatHolder::Empty, QString()); }
  void setPulls(int n, const QString& text) { set(n, &PlayerSlot::pulls, text); }
  void setTotal(int n, const QString& text) { set(n, &PlayerSlot::total, text); }
  void setCurrent(int n, const QString& text) { set(n, &PlayerSlot::current, text); }
  void setWatching(int n, bool on) {
    if (!valid(n)) return;
    slots_[n - 1].watching = on;
    emit changed(n);
  }

 signals:
  void changed(int n);

 private:
  void seat(int n, SeatHolder holder, const QString& name) {
    if (!valid(n)) return;
    slots_[n - 1].holder = holder;
    slots_[n - 1].name = name;
    emit changed(n);
  }
  void set(int n, QString PlayerSlot::*field, const QString& text) {
    if (!valid(n)) return;
    slots_[n - 1].*field = text;
    emit changed(n);
  }

  std::array<PlayerSlot, kCount> slots_{};
  PlayerSlot empty_{};
};

}  // namespace kuvo
