// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The phrase editor: the ten texts of the chat's phrase buttons.
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <functional>

class QLineEdit;

namespace kuvo {

class Tphrases : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kPhraseCount = 10;
  static constexpr int kMaxPhraseLength = 50;

  explicit Tphrases(QWidget* mainWindow);

  // Fills phrase1..phrase10; missing entries become empty, extra ones are ignored.
  void setPhrases(const QStringList& ten);
  QStringList phrases() const;

  static QStringList defaultPhrases();

 signals:
  // "Done": the ten texts, in order.
  void done(const QStringList& ten);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void reject() override;

 private:
  void SelButton8Click();
  void discardEdits();

  QWidget* mainWindow_;
  QList<QLineEdit*> fields_;
  // What the fields held when last filled or confirmed; the close box goes back to it.
  QStringList committed_;
};

}  // namespace kuvo
