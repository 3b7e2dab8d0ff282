// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The client's side of what the host says: takes one received message, keeps
// what it tells about us (our slot, the login, who moderates, a seat key
// worth keeping) and hands the rest to the part of the client it is for:
// player slots, chat, sounds, the game table.
#pragma once

#include <string_view>

#include <QString>

#include "clientservices.h"
#include "droplog.h"
#include "messages.h"

namespace kuvo {

class ChatPanel;
class GameTable;
class PlayerSlotsPanel;
class SoundBoard;

// What only the window around the client can do, asked for by the dispatcher.
class HostDispatcherWindow {
 public:
  virtual ~HostDispatcherWindow() = default;

  // The host asks who we are. True when the window answers in its own way
  // (coming back to a kept seat); the dispatcher then does not log in.
  virtual bool answersLoginRequest(int slot) = 0;
  // Starting games and removing players is ours, or no more.
  virtual void setModerating(bool on) = 0;
  // Shows the text once the current message is handled, then the client ends.
  virtual void endWith(const QString& text) = 0;
  // The host said the table is full.
  virtual void tableFull() = 0;
  // The host closes the connection on purpose: there is no seat to come back to.
  virtual void sentOff() = 0;
  // A well-formed seat key for `slot`: the window decides whether it is ours.
  virtual void seatKeyReceived(int slot, std::string_view key) = 0;
  // A game ended and its result is in the tally.
  virtual void gameRecorded() = 0;
};

class HostDispatcher {
 public:
  HostDispatcher(ClientServices& services, HostDispatcherWindow& window,
                 PlayerSlotsPanel& slotsPanel, ChatPanel& chat, SoundBoard& sounds,
                 GameTable& table);

  // One queued message: its name, "+", its fields.
  void dispatch(std::string_view message);

  // The rate limit of the log of what is refused takes this clock (for tests).
  void setLogClock(DropLog::Clock clock) { log_.setClock(std::move(clock)); }

 private:
  void handle(ToClient id, std::string_view payload);
  void sendloginfo(std::string_view payload);
  void moderator(std::string_view payload);
  void tableclosed(std::string_view payload);
  void seatkey(std::string_view payload);
  void refused(std::string_view what, std::string_view payload);

  ClientServices& services_;
  HostDispatcherWindow& window_;
  PlayerSlotsPanel& slotsPanel_;
  ChatPanel& chat_;
  SoundBoard& sounds_;
  GameTable& table_;
  DropLog log_;
};

}  // namespace kuvo
