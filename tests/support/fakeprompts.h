// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A recorder answering a window's dialogs in tests: it keeps what was asked
// and answers as told.
#pragma once

#include <functional>
#include <optional>

#include <QColor>
#include <QStringList>
#include <QUrl>

#include "prompts.h"

namespace kuvo::testing {

class FakePrompts : public Prompts {
 public:
  void tell(QWidget*, const QString& text, Notice kind) override {
    (kind == Notice::Error ? errors : notices) << text;
    if (whileTold) whileTold();
  }
  bool askYesNo(QWidget*, const QString& text) override {
    questions << text;
    return answerYes;
  }
  std::optional<QColor> chooseColour(QWidget*, const QColor&) override { return colour; }
  bool openUrl(const QUrl& address) override {
    opened << address;
    return acceptAddresses;
  }
  bool launch(const QString&, const QStringList&) override { return acceptLaunches; }

  QStringList notices, errors, questions;
  QList<QUrl> opened;
  bool answerYes = true;
  std::optional<QColor> colour;  // nothing: the choice is cancelled
  bool acceptAddresses = true;
  bool acceptLaunches = true;
  // Runs while a notice is "open", as the event loop of a modal box would.
  std::function<void()> whileTold;
};

}  // namespace kuvo::testing
