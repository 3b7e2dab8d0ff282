// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What the parts of the client (chat, slots, sounds, game table) need from the
// main window and from each other. The main window implements it; tests
// implement it with a recorder.
#pragma once

#include <string>

#include <QString>

#include "clientstate.h"
#include "colortext.h"
#include "playerslots.h"
#include "prompts.h"
#include "random.h"
#include "tallyrecorder.h"

namespace kuvo {

class ClientServices {
 public:
  virtual ~ClientServices() = default;

  virtual ClientState& state() = 0;
  virtual PlayerSlots& playerSlots() = 0;
  virtual Random& random() = 0;
  // The dialogs and desktop hand-offs.
  virtual Prompts& prompts() = 0;

  // A whole message (from build()), sent on the game connection.
  virtual void sendToHost(const std::string& message) = 0;
  // One line into the chat view: "N+text" with a colour.
  virtual void addlinetochat(const QString& line, Colour colour) = 0;
  // A game sound by name ("dice2", "turn", ...), when "Play Sounds" is on.
  virtual void playsounds(const QString& name) = 0;
  // The turn-sound choice: New (true) or Classic (false).
  virtual bool turnSoundIsNew() const = 0;
  virtual TallyRecorder& tally() = 0;

  // The settings file: read and apply all options; write them.
  virtual void loadinifile() = 0;
  virtual void saveinifile() = 0;

  // The spectator list.
  virtual void addSpectator(const QString& entry) = 0;
  virtual bool removeSpectator(const QString& entry) = 0;
};

}  // namespace kuvo
