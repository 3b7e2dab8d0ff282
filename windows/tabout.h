// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The about window: logo, the maker's address, credits and the version.
#pragma once

#include <QDialog>

#include "prompts.h"
#include "turl.h"

class QLabel;

namespace kuvo {

class Tabout : public QDialog {
  Q_OBJECT

 public:
  // The maker's web address, without its scheme.
  static constexpr const char* kMakerAddress = "www.orvel.example";

  explicit Tabout(QWidget* mainWindow);

  // The text of the label `version`; the client sends it at login.
  QString version() const;
  // Opens URL1; false when the desktop did not take it.
  bool openLink();

  TURL URL1;

  // Where the address is opened and a failure told; the desktop unless set.
  void setPrompts(Prompts& prompts) { prompts_ = &prompts; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void label_urlClick();

  QWidget* mainWindow_;
  Prompts* prompts_ = &desktopPrompts();
  QLabel* image_aboutlogo_;
  QLabel* label_url_;
  QLabel* version_;
};

}  // namespace kuvo
