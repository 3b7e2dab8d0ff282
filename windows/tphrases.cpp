// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tphrases.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "windowart.h"

namespace kuvo {

using namespace windowart;

QStringList Tphrases::defaultPhrases() {
  return {QStringLiteral("Way To Go!"),        QStringLiteral("Excellent!"),
          QStringLiteral("Brilliant!"),        QStringLiteral("Good one!"),
          QStringLiteral("Good Find!"),        QStringLiteral("Nice Try!"),
          QStringLiteral("Way To Go Teamie!"), QStringLiteral("Good Game Everyone!"),
          QStringLiteral("Good Luck!"),        QStringLiteral("See ya!")};
}

Tphrases::Tphrases(QWidget* mainWindow) : QDialog(mainWindow), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("phrases"));
  setWindowTitle(tr("Kuvo - Phrase Buttons "));
  resize(376, 309);
  applyWindowBackground(this);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(8, 6, 8, 6);
  outer->setSpacing(6);
  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(3);
  for (int n = 1; n <= kPhraseCount; ++n) {
    auto* label = new QLabel(tr("Phrase Button %1:").arg(n), this);
    auto* field = new QLineEdit(this);
    field->setObjectName(QStringLiteral("phrase%1").arg(n));
    field->setMaxLength(kMaxPhraseLength);
    label->setBuddy(field);
    grid->addWidget(label, n - 1, 0);
    grid->addWidget(field, n - 1, 1);
    fields_.append(field);
  }
  grid->setColumnStretch(1, 1);
  outer->addLayout(grid);

  auto* bottom = new QHBoxLayout;
  auto* note = new QLabel(tr("Buttons can only be used once every 2 seconds"), this);
  note->setWordWrap(true);
  bottom->addWidget(note, 1);
  auto* done = new QPushButton(tr("&Done"), this);
  done->setObjectName(QStringLiteral("SelButton8"));
  done->setAutoDefault(false);
  connect(done, &QPushButton::clicked, this, &Tphrases::SelButton8Click);
  bottom->addWidget(done);
  outer->addLayout(bottom);

  setPhrases(defaultPhrases());
}

void Tphrases::setPhrases(const QStringList& ten) {
  for (int i = 0; i < kPhraseCount; ++i) {
    // setText honours maxLength, so an over-long stored phrase is cut to 50.
    fields_[i]->setText(i < ten.size() ? ten[i] : QString());
  }
  committed_ = phrases();
}

QStringList Tphrases::phrases() const {
  QStringList texts;
  for (const QLineEdit* field : fields_) texts << field->text();
  return texts;
}

void Tphrases::SelButton8Click() {
  committed_ = phrases();
  emit done(committed_);
  hide();
}

void Tphrases::discardEdits() {
  for (int i = 0; i < kPhraseCount && i < committed_.size(); ++i)
    fields_[i]->setText(committed_[i]);
}

void Tphrases::showEvent(QShowEvent* event) {
  centreOver(this, mainWindow_);
  QDialog::showEvent(event);
  takeFocusOnShow(this);
}

void Tphrases::closeEvent(QCloseEvent* event) {
  discardEdits();
  QDialog::closeEvent(event);
}

void Tphrases::reject() {
  // Escape works like the close box.
  discardEdits();
  QDialog::reject();
}

void Tphrases::changeEvent(QEvent* event) {
  // The window wears the shared background again whenever it becomes active.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) applyWindowBackground(this);
  QDialog::changeEvent(event);
}

}  // namespace kuvo
