// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playwithothers.h"

#include <algorithm>

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "mnemonics.h"
#include "windowart.h"

namespace kuvo {
namespace {

enum Column { kName, kAddress, kPlayers, kWatching, kState, kColumns };

// Text from the network for one line of a list: valid UTF-8, no control
// characters, never longer than a name can sensibly be.
QString shownText(const std::string& bytes) {
  QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
  for (QChar& c : text) {
    if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator)
      c = QLatin1Char(' ');
  }
  return text.trimmed().left(64);
}

QString stateText(const TableAnswer& table) {
  if (!table.playing) return QCoreApplication::translate("kuvo::PlayWithOthers", "Waiting");
  return QCoreApplication::translate("kuvo::PlayWithOthers", "Round %1 of %2")
      .arg(table.round)
      .arg(table.rounds);
}

}  // namespace

PlayWithOthers::PlayWithOthers(QWidget* parent, QList<FinderTarget> targets)
    : QDialog(parent), finder_(std::move(targets)) {
  setObjectName(QStringLiteral("playwithothers"));
  setWindowTitle(tr("Kuvo - Play with Others"));
  windowart::applyWindowBackground(this);
  resize(520, 360);

  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(tr("&Tables on your network:"), this);
  layout->addWidget(caption);

  tables_ = new QTreeWidget(this);
  tables_->setObjectName(QStringLiteral("tables"));
  tables_->setColumnCount(kColumns);
  tables_->setHeaderLabels({tr("Name"), tr("Address"), tr("Players"), tr("Watching"), tr("State")});
  tables_->setRootIsDecorated(false);
  tables_->setUniformRowHeights(true);
  tables_->setSelectionMode(QAbstractItemView::SingleSelection);
  tables_->header()->setSectionResizeMode(kName, QHeaderView::Stretch);
  for (int column = kAddress; column < kColumns; ++column)
    tables_->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
  caption->setBuddy(tables_);
  tables_->setAccessibleName(withoutMnemonic(caption->text()));
  layout->addWidget(tables_, 1);

  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  status_->setTextFormat(Qt::PlainText);
  layout->addWidget(status_);

  auto* fields = new QGridLayout();
  auto* nameLabel = new QLabel(tr("Your &name:"), this);
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("name"));
  name_->setMaxLength(32);
  nameLabel->setBuddy(name_);
  auto* addressLabel = new QLabel(tr("&Address:"), this);
  address_ = new QLineEdit(this);
  address_->setObjectName(QStringLiteral("address"));
  address_->setPlaceholderText(tr("host name or address, :port if not %1").arg(kGamePort));
  addressLabel->setBuddy(address_);
  fields->addWidget(nameLabel, 0, 0);
  fields->addWidget(name_, 0, 1);
  fields->addWidget(addressLabel, 1, 0);
  fields->addWidget(address_, 1, 1);
  layout->addLayout(fields);

  auto* buttons = new QHBoxLayout();
  join_ = new QPushButton(tr("&Join"), this);
  join_->setObjectName(QStringLiteral("join"));
  join_->setDefault(true);
  host_ = new QPushButton(tr("&Host a Table"), this);
  host_->setObjectName(QStringLiteral("host"));
  auto* cancel = new QPushButton(tr("&Cancel"), this);
  cancel->setObjectName(QStringLiteral("cancel"));
  buttons->addStretch(1);
  buttons->addWidget(join_);
  buttons->addWidget(host_);
  buttons->addWidget(cancel);
  layout->addLayout(buttons);

  connect(join_, &QPushButton::clicked, this, &PlayWithOthers::joinClicked);
  connect(host_, &QPushButton::clicked, this, &PlayWithOthers::hostClicked);
  connect(cancel, &QPushButton::clicked, this, &QDialog::hide);
  connect(name_, &QLineEdit::textChanged, this, &PlayWithOthers::updateButtons);
  connect(address_, &QLineEdit::textChanged, this, &PlayWithOthers::updateButtons);
  // Choosing a table puts its address in the field; a double click joins it.
  connect(tables_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
    if (item) address_->setText(item->text(kAddress));
  });
  connect(tables_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    address_->setText(item->text(kAddress));
    joinClicked();
  });
  connect(&finder_, &TableFinder::changed, this, &PlayWithOthers::refill);
  refill();
  updateButtons();
}

QString PlayWithOthers::playerName() const {
  return name_->text().trimmed();
}

void PlayWithOthers::setPlayerName(const QString& name) {
  name_->setText(name);
}

void PlayWithOthers::joinClicked() {
  const QString address = address_->text().trimmed();
  if (playerName().isEmpty() || address.isEmpty()) return;
  if (leaveCheck_ && !leaveCheck_()) return;
  hide();
  emit joinRequested(playerName(), address);
}

void PlayWithOthers::hostClicked() {
  if (playerName().isEmpty()) return;
  if (leaveCheck_ && !leaveCheck_()) return;
  hide();
  emit hostRequested(playerName());
}

void PlayWithOthers::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  windowart::takeFocusOnShow(this);
  finder_.start();
  refill();
}

void PlayWithOthers::hideEvent(QHideEvent* event) {
  finder_.stop();
  QDialog::hideEvent(event);
}

void PlayWithOthers::refill() {
  // Rows change in place, in the order the tables first answered: the chosen
  // one stays chosen, and a burst of answers costs no rebuilt list.
  const QSignalBlocker blocker(tables_);
  const auto& found = finder_.list().tables();
  for (int i = tables_->topLevelItemCount() - 1; i >= 0; --i) {
    const QString address = tables_->topLevelItem(i)->text(kAddress);
    if (std::none_of(found.begin(), found.end(),
                     [&](const FoundTable& table) { return table.addressText() == address; }))
      delete tables_->takeTopLevelItem(i);
  }
  for (std::size_t i = 0; i < found.size(); ++i) {
    const FoundTable& table = found[i];
    const int at = static_cast<int>(i);
    QTreeWidgetItem* item = tables_->topLevelItem(at);
    if (!item || item->text(kAddress) != table.addressText()) {
      item = new QTreeWidgetItem;
      tables_->insertTopLevelItem(at, item);
      item->setText(kAddress, table.addressText());
    }
    item->setText(kName, shownText(table.info.name));
    item->setText(kPlayers, QString::number(table.info.seated));
    item->setText(kWatching, QString::number(table.info.watching));
    item->setText(kState, stateText(table.info));
  }
  status_->setText(tables_->topLevelItemCount() > 0
                       ? QString()
                       : tr("Looking for tables... None has answered yet; you can "
                            "type a table's address instead."));
}

void PlayWithOthers::updateButtons() {
  const bool named = !playerName().isEmpty();
  join_->setEnabled(named && !address_->text().trimmed().isEmpty());
  host_->setEnabled(named);
}

}  // namespace kuvo
