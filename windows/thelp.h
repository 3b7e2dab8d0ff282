// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The help window: seven pages behind page buttons, plus a way to the about window.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace kuvo {

class Tabout;

class Thelp : public QDialog {
  Q_OBJECT

 public:
  Thelp(QWidget* mainWindow, Tabout* about);

  // The page at the front and the title above it.
  QString currentPageName() const;
  QString caption() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void SelButton1Click(QPushButton* button);
  void button_aboutClick();

  QWidget* mainWindow_;
  Tabout* about_;
  QLabel* label_caption_;
  QStackedWidget* pages_;
};

}  // namespace kuvo
