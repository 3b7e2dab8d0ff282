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

 signals:
  // button_start was clicked; the dialog hides right after.
  void startRequested(const QString& rounds, const QString& seconds);
  // The dialog went out of sight: started, closed or hidden.
  void hidden();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

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
