// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hostdispatcher.h"

#include <string>

#include <QCoreApplication>

#include "chatpanel.h"
#include "fields.h"
#include "gametable.h"
#include "logging.h"
#include "playerslots.h"
#include "playerslotspanel.h"
#include "soundboard.h"
#include "version.h"

namespace kuvo {
namespace {

// Everything from the host is one source of the log.
constexpr int kHostSource = 0;

QString fromWire(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

HostDispatcher::HostDispatcher(ClientServices& services, HostDispatcherWindow& window,
                               PlayerSlotsPanel& slotsPanel, ChatPanel& chat, SoundBoard& sounds,
                               GameTable& table)
    : services_(services),
      window_(window),
      slotsPanel_(slotsPanel),
      chat_(chat),
      sounds_(sounds),
      table_(table),
      log_(logClient) {}

void HostDispatcher::dispatch(std::string_view message) {
  const auto [name, payload] = splitMessage(message);
  const auto id = lookupToClient(name);
  if (!id) {
    // Also what a newer host may add: ignored, as every side ignores the unknown.
    if (log_.debugEnabled())
      log_.debug(kHostSource, "unknown message from the host ignored: " + peerText(message));
    return;
  }
  handle(*id, payload);
}

void HostDispatcher::refused(std::string_view what, std::string_view payload) {
  if (log_.debugEnabled())
    log_.debug(kHostSource, std::string("malformed ") + std::string(what) +
                                " from the host ignored: " + peerText(payload));
}

// The texts below keep the main window's translation context, where they were first.
void HostDispatcher::handle(ToClient id, std::string_view payload) {
  auto& state = services_.state();
  switch (id) {
    case ToClient::SendLoginInfo:
      sendloginfo(payload);
      break;
    case ToClient::ChatRelay:
      chat_.chatrecieved(payload);
      chat_.klottalk();
      break;
    case ToClient::ActionRelay:
      chat_.chatrecieved(payload);
      break;
    case ToClient::NewPlayerInfo:
    case ToClient::ExistingPlayers:
      slotsPanel_.newplayerinfo(payload, table_.gameRunning());
      break;
    case ToClient::HaveWrongVersion:
      services_.addlinetochat(
          QStringLiteral("0+") +
              QCoreApplication::translate("kuvo::Tchat",
                                          "%1 has a different version of the game then you.")
                  .arg(fromWire(payload)),
          state.systemcolor);
      break;
    case ToClient::WrongVersion:
      services_.addlinetochat(
          QStringLiteral("0+") +
              QCoreApplication::translate("kuvo::Tchat",
                                          "You have a differnt version of the game then the host."),
          state.systemcolor);
      break;
    case ToClient::PlayerDisconnected:
      slotsPanel_.playerdisconnected(payload, table_.gameRunning());
      break;
    case ToClient::StartGameAll:
      table_.startthegame(payload);
      break;
    case ToClient::Winner:
      if (table_.winner(payload)) window_.gameRecorded();
      break;
    case ToClient::Full:
      // Only the answer to our connection: a table that has let us in is not full.
      if (!state.loggedin)
        window_.endWith(QCoreApplication::translate("kuvo::Tchat", "Game is full"));
      window_.tableFull();
      break;
    case ToClient::SeatKey:
      seatkey(payload);
      break;
    case ToClient::SendOff:
      window_.sentOff();
      break;
    case ToClient::Moderator:
      moderator(payload);
      break;
    case ToClient::JustWatching:
      table_.justwatching(payload);
      break;
    case ToClient::LoadBoard:
      table_.loadboard(payload);
      break;
    case ToClient::StartRound:
      table_.startround(payload);
      break;
    case ToClient::YourDice:
      table_.yourdice(payload);
      break;
    case ToClient::ChooseDiceOwn:
      table_.choosedice(payload);
      break;
    case ToClient::EndRound:
      table_.endround(payload);
      break;
    case ToClient::Filled:
      table_.filled(payload);
      break;
    case ToClient::HisScores:
      table_.hisscores(payload);
      break;
    case ToClient::LoadStats:
      state.returning = false;
      table_.loadstats(payload);
      break;
    case ToClient::PlayASoundRelay:
      sounds_.playasound(payload);
      break;
    case ToClient::OutTime:
      table_.outtime(payload);
      break;
    case ToClient::SeatKept:
      slotsPanel_.seatkept(payload);
      break;
    case ToClient::SeatBack:
      slotsPanel_.seatback(payload);
      break;
    case ToClient::Removed:
      slotsPanel_.removed(payload);
      break;
    case ToClient::TableClosed:
      tableclosed(payload);
      break;
  }
}

void HostDispatcher::sendloginfo(std::string_view payload) {
  const auto number = parseInt(payload);
  if (!number) {
    refused("login request", payload);
    return;
  }
  if (window_.answersLoginRequest(*number)) return;
  auto& state = services_.state();
  state.mynumber = *number;
  state.loggedin = true;
  // Slot 1 is the hosting player's seat. At a table of kuvo-host nobody hosts
  // in-process, so whoever sits in slot 1 starts the games and moderates.
  // A table that names its moderator says so later and may change it.
  if (*number == 1 && !state.amhost) window_.setModerating(true);
  // The login name carries a terminator of its own, so the login is followed
  // by an empty message, as it always was.
  services_.sendToHost(build(ToHost::LoginInfo, {*number, kVersion, state.loginname}));
  // We read the typed notices of kept seats, removals and a closed table.
  services_.sendToHost(build(ToHost::Extensions, {*number, 1, ""}));
}

void HostDispatcher::moderator(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  auto& state = services_.state();
  if (!slot || !PlayerSlots::valid(*slot)) {
    refused("moderator", payload);
    return;
  }
  if (!state.loggedin) return;
  if (*slot == state.mynumber) {
    if (!state.amhost) window_.setModerating(true);
  } else if (state.amhost && !state.hostsInProcess) {
    // The seat went to another player; a table run by this instance stays ours.
    window_.setModerating(false);
  }
  // After the role: the table's texts depend on whether the games are ours.
  table_.moderatorNamed(*slot);
}

void HostDispatcher::tableclosed(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  if (!slot) {
    refused("closed table", payload);
    return;
  }
  const PlayerSlot& closer = services_.playerSlots().at(*slot);
  // Shown when the connection ends, which the host's closing brings next.
  services_.state().closingNotice =
      closer.player()
          ? QCoreApplication::translate("kuvo::Tchat", "%1 closed the table.").arg(closer.name)
          : QCoreApplication::translate("kuvo::Tchat", "The table was closed.");
}

void HostDispatcher::seatkey(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  const std::string_view key = reader.rest();
  if (!slot || !PlayerSlots::valid(*slot) || !wellFormedSeatKey(key)) {
    // Never the key itself: it would let whoever reads the log take the seat.
    if (log_.debugEnabled())
      log_.debug(kHostSource, "malformed seat key from the host ignored (" +
                                  std::to_string(payload.size()) + " bytes)");
    return;
  }
  window_.seatKeyReceived(*slot, key);
}

}  // namespace kuvo
