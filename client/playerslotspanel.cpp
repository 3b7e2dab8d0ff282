// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playerslotspanel.h"

#include <utility>

#include <QAction>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QWidget>

#include "fields.h"
#include "messages.h"
#include "playerslots.h"

namespace kuvo {
namespace {

constexpr std::array<int, 6> kRowTops = {51, 74, 96, 119, 141, 164};
constexpr int kRowHeight = 20;
constexpr int kPullsRight = 445;
constexpr int kPullsWidth = 30;
constexpr int kNameLeft = 449;
constexpr int kTotalLeft = 579;
// The watching mark sits in the gap between the name and the total, so it
// hides neither the pulls, nor the name's first letters, nor the total; the
// name gives up the few pixels that the mark needs.
constexpr int kEyesWidth = 22;
constexpr int kEyesHeight = 9;
constexpr int kEyesLeft = kTotalLeft - 1 - kEyesWidth;
constexpr int kNameWidth = kEyesLeft - 1 - kNameLeft;
constexpr int kTotalWidth = 72;
constexpr int kCurrentLeft = 654;
constexpr int kCurrentWidth = 52;
constexpr int kHeadingTop = 34;
constexpr int kFirstSpectator = 7;
constexpr int kLastNumber = 9;
// No table keeps a seat longer than this; a larger figure is not a kept seat.
constexpr int kMaxKeptSeconds = 3600;

QFont boldPixels(int pixels) {
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

// Peers choose their names: a label shows them as text, never as markup.
QLabel* textLabel(QWidget* parent, const QString& objectName, const QRect& geometry,
                  const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment);
  // Light text: the rows stand on the table's dark felt.
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0xF3, 0xE7, 0xC4));
  label->setPalette(palette);
  return label;
}

QPixmap drawEyes() {
  QPixmap pixmap(kEyesWidth, kEyesHeight);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 1));
  for (const qreal x : {1.0, 12.0}) {
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(x, 0.5, 9, 8));
    p.setBrush(QColor(0x20, 0x50, 0xA0));
    p.drawEllipse(QRectF(x + 3, 2.5, 4, 4));
  }
  return pixmap;
}

}  // namespace

PlayerSlotsPanel::PlayerSlotsPanel(QWidget* board, ClientServices& services, MenuActions& menu)
    : QObject(board), services_(services), menu_(menu) {
  const QFont big = boldPixels(16);
  const QFont small = boldPixels(13);
  const QFont heading = boldPixels(12);
  // Ends over the column's figures and grows to the left, where the heading row
  // is free, so a longer word than "Pulls" fits.
  textLabel(board, QStringLiteral("label_headpulls"), QRect(382, kHeadingTop, 70, 16), heading,
            Qt::AlignRight | Qt::AlignVCenter)
      ->setText(tr("Pulls"));
  textLabel(board, QStringLiteral("label_headtotal"), QRect(kTotalLeft, kHeadingTop, 60, 16),
            heading)
      ->setText(tr("Total"));
  textLabel(board, QStringLiteral("label_headcurrent"), QRect(653, kHeadingTop, 55, 16), heading)
      ->setText(tr("Current"));

  const QPixmap eyes = drawEyes();
  for (int i = 0; i < PlayerSlots::kCount; ++i) {
    const int n = i + 1;
    const int top = kRowTops[static_cast<size_t>(i)];
    Row& r = rows_[static_cast<size_t>(i)];
    r.pulls = textLabel(board, QStringLiteral("label_rolls%1").arg(n),
                        QRect(kPullsRight - kPullsWidth, top, kPullsWidth, kRowHeight), big,
                        Qt::AlignRight | Qt::AlignVCenter);
    r.eyes = new QLabel(board);
    r.eyes->setObjectName(QStringLiteral("image_eyes%1").arg(n));
    r.eyes->setGeometry(kEyesLeft, top + 1 + (kRowHeight - kEyesHeight) / 2, kEyesWidth,
                        kEyesHeight);
    r.eyes->setPixmap(eyes);
    r.name = textLabel(board, QStringLiteral("label_playername%1").arg(n),
                       QRect(kNameLeft, top, kNameWidth, kRowHeight), big);
    r.name->setProperty("slot", n);
    r.total = textLabel(board, QStringLiteral("label_score%1").arg(n),
                        QRect(kTotalLeft, top, kTotalWidth, kRowHeight), big);
    r.current = textLabel(board, QStringLiteral("label_bonus%1").arg(n),
                          QRect(kCurrentLeft, top, kCurrentWidth, kRowHeight), small);
    // Right-clicks on any name reach the filter; only slots 2..6 open the menu.
    // Tab reaches the names too, so the menu key opens it without a mouse.
    r.name->installEventFilter(this);
    r.name->setFocusPolicy(Qt::TabFocus);
    r.name->setStyleSheet(QStringLiteral("QLabel:focus { border: 1px dotted #F3E7C4; }"));
    showSlot(n);
  }

  popupKick_ = new QMenu(board);
  removeFromGame_ = popupKick_->addAction(tr("&Remove From Game"));
  setToJustWatch_ = popupKick_->addAction(tr("&Set to Just Watch"));
  unsetJustWatch_ = popupKick_->addAction(tr("&Unset Just Watch"));
  connect(removeFromGame_, &QAction::triggered, this, [this] { RemoveFromGame1Click(); });
  connect(setToJustWatch_, &QAction::triggered, this, [this] { SettoJustWatch1Click(); });
  connect(unsetJustWatch_, &QAction::triggered, this, [this] { UnsetJustWatch1Click(); });

  connect(&services_.playerSlots(), &PlayerSlots::changed, this, [this](int n) { showSlot(n); });

  if (menu_.justWatch) {
    connect(menu_.justWatch, &QAction::triggered, this, [this](bool checked) {
      // The check mark follows the host's confirmation, not the click: put
      // back what the click toggled and ask the host.
      const bool wasChecked = menu_.justWatch->isCheckable() ? !checked : false;
      if (menu_.justWatch->isCheckable()) menu_.justWatch->setChecked(wasChecked);
      JustWatch1Click(wasChecked);
    });
  }
}

const PlayerSlotsPanel::Row* PlayerSlotsPanel::row(int n) const {
  return PlayerSlots::valid(n) ? &rows_[static_cast<size_t>(n - 1)] : nullptr;
}

QLabel* PlayerSlotsPanel::nameLabel(int n) const {
  return row(n) ? row(n)->name : nullptr;
}
QLabel* PlayerSlotsPanel::pullsLabel(int n) const {
  return row(n) ? row(n)->pulls : nullptr;
}
QLabel* PlayerSlotsPanel::totalLabel(int n) const {
  return row(n) ? row(n)->total : nullptr;
}
QLabel* PlayerSlotsPanel::currentLabel(int n) const {
  return row(n) ? row(n)->current : nullptr;
}
QLabel* PlayerSlotsPanel::watchingMark(int n) const {
  return row(n) ? row(n)->eyes : nullptr;
}

void PlayerSlotsPanel::showSlot(int n) {
  const Row* r = row(n);
  if (!r) return;
  const PlayerSlot& slot = services_.playerSlots().at(n);
  const QString shownName = slot.empty() ? tr("<Waiting>") : slot.name;
  r->name->setText(shownName);
  r->pulls->setText(slot.pulls);
  r->total->setText(slot.total);
  r->current->setText(slot.current);
  r->eyes->setVisible(slot.watching);

  // A screen reader reads the whole row at its name; the figures beside it
  // are separate labels that a listener could not tie to the player.
  QString spoken = tr("Slot %1: %2, total %3").arg(QString::number(n), shownName, slot.total);
  if (!slot.pulls.isEmpty()) spoken += tr(", pulls %1").arg(slot.pulls);
  if (!slot.current.isEmpty()) spoken += tr(", current %1").arg(slot.current);
  if (r->name->accessibleName() != spoken) r->name->setAccessibleName(spoken);
  const QString watching = slot.watching ? tr("just watching") : QString();
  if (r->name->accessibleDescription() != watching) r->name->setAccessibleDescription(watching);
}

void PlayerSlotsPanel::systemLine(const QString& text) {
  services_.addlinetochat(QStringLiteral("0+") + text, services_.state().systemcolor);
}

std::optional<QString> PlayerSlotsPanel::playerName(std::optional<int> n) const {
  if (!n) return std::nullopt;
  const PlayerSlot& seat = services_.playerSlots().at(*n);
  if (!seat.player()) return std::nullopt;
  return seat.name;
}

void PlayerSlotsPanel::newplayerinfo(std::string_view payload, bool gameOn) {
  ClientState& state = services_.state();
  PlayerSlots& seats = services_.playerSlots();
  const Colour colour = state.systemcolor;
  GroupReader groups(payload);
  while (groups.moreGroups()) {
    const auto number = groups.intField();
    const std::string_view nameField = groups.field();
    const std::string_view flag = groups.field();
    // A number that is not a number ends the message; one outside the host's
    // numbers 1..9 is skipped, as it names no slot and no spectator.
    if (!number) break;
    const int n = *number;
    if (n < 1 || n > kLastNumber) continue;
    const QString name =
        QString::fromUtf8(nameField.data(), static_cast<qsizetype>(nameField.size()));

    if (state.returning) {
      // Seated all along: only the slot is filled in again.
    } else if (n == state.mynumber) {
      services_.addlinetochat(QStringLiteral("0+") + tr("You are Connected."), colour);
      services_.loadinifile();
    } else {
      services_.addlinetochat(QStringLiteral("0+") + tr("%1 is Connected.").arg(name), colour);
    }
    if (n >= kFirstSpectator) {
      services_.addSpectator(QStringLiteral("%1: ").arg(n) + name);
      if (!state.returning)
        services_.addlinetochat(n == state.mynumber
                                    ? QStringLiteral("0+") + tr("You are spying.")
                                    : QStringLiteral("0+") + tr("%1 is spying.").arg(name),
                                colour);
    } else {
      // A newcomer in the computer's seat plays on with its board, pulls and total.
      const bool takeover =
          gameOn && !state.returning && n == kComputerSlot && seats.at(n).computer();
      seats.setPlayer(n, name);
      removalTold_[static_cast<size_t>(n - 1)] = false;
      rows_[static_cast<size_t>(n - 1)].name->setVisible(true);
      rows_[static_cast<size_t>(n - 1)].total->setVisible(true);
      if (flag == "1") seats.setWatching(n, true);
      if (takeover)
        systemLine(tr("%1 takes over %2's seat (%n points).", nullptr, seats.at(n).total.toInt())
                       .arg(name, QString::fromLatin1(kComputerName)));
    }
  }
  if (!state.returning) services_.playsounds(QStringLiteral("entered"));
}

void PlayerSlotsPanel::playerdisconnected(std::string_view payload, bool gameOn) {
  FieldReader reader(payload);
  const auto number = reader.intField();
  if (!number) return;
  const int n = *number;
  const std::string_view rest = reader.rest();
  const QString name = QString::fromUtf8(rest.data(), static_cast<qsizetype>(rest.size()));
  const Colour colour = services_.state().systemcolor;

  if (n > PlayerSlots::kCount) {
    if (services_.removeSpectator(QStringLiteral("%1: ").arg(n) + name))
      services_.addlinetochat(QStringLiteral("0+") + tr("%1 has left.").arg(name), colour);
    return;
  }
  if (!PlayerSlots::valid(n)) return;
  PlayerSlots& seats = services_.playerSlots();
  const bool wasPlayer = seats.at(n).player();
  const QString leaver = seats.name(n);
  const bool removalTold = std::exchange(removalTold_[static_cast<size_t>(n - 1)], false);
  if (wasPlayer && !removalTold)
    services_.addlinetochat(QStringLiteral("0+") + tr("%1 disconnected.").arg(leaver), colour);
  if (n == kComputerSlot) {
    // The computer plays on with the leaver's board, pulls and total.
    seats.setComputer(n);
    if (gameOn && wasPlayer)
      systemLine(tr("%1 takes over %2's seat (%n points).", nullptr, seats.at(n).total.toInt())
                     .arg(QString::fromLatin1(kComputerName), leaver));
  } else {
    seats.setEmpty(n);
    // Nobody plays this seat any more: its figures leave the game.
    if (gameOn) {
      seats.setTotal(n, QString());
      seats.setPulls(n, QString());
      seats.setCurrent(n, QString());
    }
  }
  seats.setWatching(n, false);
}

void PlayerSlotsPanel::seatkept(std::string_view payload) {
  FieldReader reader(payload);
  const auto name = playerName(reader.intField());
  const auto seconds = reader.intField();
  if (!name || !seconds || *seconds < 1 || *seconds > kMaxKeptSeconds) return;
  systemLine(
      tr("%1 lost the connection. The seat is kept for %n seconds.", nullptr, *seconds).arg(*name));
}

void PlayerSlotsPanel::seatback(std::string_view payload) {
  FieldReader reader(payload);
  const auto name = playerName(reader.intField());
  if (name) systemLine(tr("%1 is back in the seat.").arg(*name));
}

void PlayerSlotsPanel::removed(std::string_view payload) {
  FieldReader reader(payload);
  const auto moderator = playerName(reader.intField());
  const auto target = reader.intField();
  if (!moderator || !target) return;
  ClientState& state = services_.state();
  if (state.loggedin && *target == state.mynumber) {
    // Our connection closes next; its end says why.
    state.closingNotice = tr("%1 removed you from the table.").arg(*moderator);
    return;
  }
  const auto name = playerName(target);
  if (!name) return;
  systemLine(tr("%1 removed %2.").arg(*moderator, *name));
  removalTold_[static_cast<size_t>(*target - 1)] = true;
}

void PlayerSlotsPanel::label_playername1ContextPopup(int slot) {
  const bool host = services_.state().amhost;
  removeFromGame_->setEnabled(host && services_.playerSlots().at(slot).player());
  setToJustWatch_->setEnabled(host);
  unsetJustWatch_->setEnabled(host);
  target_ = slot;
}

void PlayerSlotsPanel::kicking(int number) {
  const ClientState& state = services_.state();
  if (!state.amhost || !state.loggedin) return;
  services_.sendToHost(build(ToHost::KickHim, {state.mynumber, number, std::string()}));
}

void PlayerSlotsPanel::RemoveFromGame1Click() {
  const PlayerSlot& seat = services_.playerSlots().at(target_);
  if (seat.player()) removeAfterAsking(target_, seat.name);
}

void PlayerSlotsPanel::removeAfterAsking(int number, const QString& name) {
  if (!services_.state().amhost) return;
  auto* parent = qobject_cast<QWidget*>(this->parent());
  if (!services_.prompts().askYesNo(parent, tr("Remove %1 from the table?").arg(name))) return;
  kicking(number);
}

void PlayerSlotsPanel::sendJustWatch(int n, int mode) {
  if (!services_.state().loggedin || n >= kFirstSpectator) return;
  services_.sendToHost(build(ToHost::JustWatch, {n, mode}));
}

// The moderator's role can come and go during a session (the table hands it
// to the next seated player), so it is read at the click, not at the menu's
// opening or at start-up.
void PlayerSlotsPanel::SettoJustWatch1Click() {
  if (services_.state().amhost) sendJustWatch(target_, 1);
}
void PlayerSlotsPanel::UnsetJustWatch1Click() {
  if (services_.state().amhost) sendJustWatch(target_, 2);
}

void PlayerSlotsPanel::JustWatch1Click(bool wasChecked) {
  sendJustWatch(services_.state().mynumber, wasChecked ? 2 : 1);
}

bool PlayerSlotsPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ContextMenu) {
    const int slot = watched->property("slot").toInt();
    if (slot >= 2 && slot <= PlayerSlots::kCount) {
      label_playername1ContextPopup(slot);
      popupKick_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
    }
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace kuvo
