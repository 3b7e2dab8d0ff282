// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tspylist.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>

#include "windowart.h"

namespace kuvo {

using namespace windowart;

Tspylist::Tspylist(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("spylist"));
  setWindowTitle(tr("Kuvo - Spys"));
  setFixedSize(170, 195);
  applyWindowBackground(this);

  auto* caption = new QLabel(tr("Spy List"), this);
  QFont captionFont = caption->font();
  captionFont.setBold(true);
  caption->setFont(captionFont);
  caption->setAlignment(Qt::AlignCenter);
  caption->setGeometry(8, 4, 154, 20);

  listbox_spys_ = new QListWidget(this);
  listbox_spys_->setObjectName(QStringLiteral("listbox_spys"));
  listbox_spys_->setAccessibleName(tr("Spy List"));
  listbox_spys_->setGeometry(8, 26, 154, 130);
  listbox_spys_->setMouseTracking(true);
  listbox_spys_->viewport()->setMouseTracking(true);
  listbox_spys_->viewport()->installEventFilter(this);
  listbox_spys_->installEventFilter(this);
  listbox_spys_->setContextMenuPolicy(Qt::CustomContextMenu);

  popup_kick_ = new QMenu(this);
  popup_kick_->setObjectName(QStringLiteral("popup_kick"));
  popup_kickhim_ = popup_kick_->addAction(tr("Remove From Game"));
  popup_kickhim_->setObjectName(QStringLiteral("popup_kickhim"));
  popup_kickhim_->setEnabled(false);
  connect(popup_kickhim_, &QAction::triggered, this, &Tspylist::popup_kickhimClick);
  connect(listbox_spys_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
    popup_kick_->popup(listbox_spys_->viewport()->mapToGlobal(pos));
  });

  auto* done = new QPushButton(tr("&Done"), this);
  done->setObjectName(QStringLiteral("button_done"));
  done->setGeometry(48, 162, 74, 26);
  connect(done, &QPushButton::clicked, this, &QDialog::hide);
}

void Tspylist::addEntry(const QString& entry) {
  // One row a number: a watcher announced again replaces its row, however
  // often a peer logs in.
  const std::optional<int> number = playerNumberOf(entry);
  for (int row = 0; number && row < listbox_spys_->count(); ++row) {
    if (playerNumberOf(listbox_spys_->item(row)->text()) == number) {
      listbox_spys_->item(row)->setText(entry);
      return;
    }
  }
  listbox_spys_->addItem(entry);
}

bool Tspylist::removeEntry(const QString& entry) {
  for (int row = 0; row < listbox_spys_->count(); ++row) {
    if (listbox_spys_->item(row)->text() == entry) {
      delete listbox_spys_->takeItem(row);
      return true;
    }
  }
  return false;
}

bool Tspylist::containsEntry(const QString& entry) const {
  for (int row = 0; row < listbox_spys_->count(); ++row) {
    if (listbox_spys_->item(row)->text() == entry) return true;
  }
  return false;
}

QStringList Tspylist::entries() const {
  QStringList texts;
  for (int row = 0; row < listbox_spys_->count(); ++row) texts << listbox_spys_->item(row)->text();
  return texts;
}

void Tspylist::setRemoveEnabled(bool enabled) {
  popup_kickhim_->setEnabled(enabled);
}

std::optional<int> Tspylist::playerNumberOf(const QString& entry) {
  const qsizetype colon = entry.indexOf(QLatin1Char(':'));
  if (colon <= 0) return std::nullopt;
  bool ok = false;
  const int number = entry.left(colon).toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

bool Tspylist::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listbox_spys_->viewport() && event->type() == QEvent::MouseMove) {
    const QPoint pos = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QModelIndex index = listbox_spys_->indexAt(pos);
    hoverIndex_ = index.isValid() ? index.row() : -1;
  }
  // Without a pointer, the Menu key acts on the entry the keyboard is on.
  if ((watched == listbox_spys_ || watched == listbox_spys_->viewport()) &&
      event->type() == QEvent::ContextMenu &&
      static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
    hoverIndex_ = listbox_spys_->currentRow();
  }
  return QDialog::eventFilter(watched, event);
}

void Tspylist::popup_kickhimClick() {
  // Acts on the entry last under the pointer (or, from the Menu key, the one
  // the keyboard is on), not on the selection. The list
  // may have shrunk since the pointer was there, so the index is checked again.
  if (!popup_kickhim_->isEnabled()) return;
  if (hoverIndex_ < 0 || hoverIndex_ >= listbox_spys_->count()) return;
  const std::optional<int> number = playerNumberOf(listbox_spys_->item(hoverIndex_)->text());
  if (number) emit kickRequested(*number);
}

void Tspylist::showEvent(QShowEvent* event) {
  centreOver(this, mainWindow_);
  QDialog::showEvent(event);
  takeFocusOnShow(this);
}

}  // namespace kuvo
