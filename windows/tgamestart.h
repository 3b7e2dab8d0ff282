// The game start dialog: rounds per game and time per round, then the start.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLineEdit;

namespace kuvo {

namespace windowart {
class PictureButton;
class UpDown;
}  // namespace windowart

class Tgamestart : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kRoundsMin = 1;
  static constexpr int kRoundsMax = 10;
  static constexpr int kRoundsInitial = 3;
  static constexpr int kSecondsMin = 0;
  static constexpr int kSecondsMax = 600;
  static constexpr int kSecondsStep = 30;

  explicit Tgamestart(QWidget* mainWindow);

  QString roundsText() const;
  QString timeText() const;
  void setRoundsPosition(int rounds);
  void setTimePosition(int seconds);
  // The settings file may hold a time that is not a number; it is shown and
  // sent as it is, while the arrows keep their own position.
  void setTimeText(const QString& text);

  // Runs when button_start is clicked, before the dialog hides.
  std::function<void(const QString& rounds, const QString& seconds)> onStart;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void button_startClick();

  QWidget* mainWindow_;
  QLineEdit* edit_playtoscore_;
  QLineEdit* edit_timeperturn_;
  windowart::UpDown* UpDown1_;
  windowart::UpDown* UpDown2_;
  windowart::PictureButton* button_start_;
};

}  // namespace kuvo
