// The six player slots as the main window shows them. The texts are what the
// user sees ("<Waiting>", "Rovi", "+500", an empty pulls field); the rows of
// labels only display this model.
#pragma once

#include <array>

#include <QObject>
#include <QString>

namespace kuvo {

inline constexpr char kWaiting[] = QT_TRANSLATE_NOOP("kuvo::PlayerSlotsPanel", "<Waiting>");
inline constexpr char kRovi[] = "Rovi";

struct PlayerSlot {
  QString name = QString::fromLatin1(kWaiting);
  QString pulls = QStringLiteral("20");
  QString total = QStringLiteral("0");
  QString current = QStringLiteral("0");
  bool watching = false;
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
  void setName(int n, const QString& text) { set(n, &PlayerSlot::name, text); }
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
  void set(int n, QString PlayerSlot::*field, const QString& text) {
    if (!valid(n)) return;
    slots_[n - 1].*field = text;
    emit changed(n);
  }

  std::array<PlayerSlot, kCount> slots_{};
  PlayerSlot empty_{};
};

}  // namespace kuvo
