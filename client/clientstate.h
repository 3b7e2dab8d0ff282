// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What the client knows about itself and its connection.
#pragma once

#include <string>

#include <QRect>
#include <QString>

#include "colortext.h"
#include "gamerules.h"

namespace kuvo {

inline constexpr int kDefaultWidth = 723;
inline constexpr int kDefaultHeight = 556;

struct ClientState {
  QString myname;               // "You" in the solo game
  QString hostaddress;          // "127.0.0.1" in the solo game
  std::string loginname;        // UTF-8 name followed by the terminator byte
  bool amhost = false;          // moderation and the start button are ours
  bool hostsInProcess = false;  // the table runs inside this instance: the role stays ours
  bool loggedin = false;        // set when the host's login request arrives; never cleared
  int mynumber = 0;             // 1..6 plays in that slot, 7..9 watches
  Colour systemcolor = kSystemColour;
  int defaultwidth = kDefaultWidth;
  int defaultheight = kDefaultHeight;
  bool phraseready = true;  // phrase buttons' rate limit
  int phrasecooldown = 0;
  QRect savedbounds;  // window bounds as last read from or written to the settings
  // Back in a kept seat: the host's account of the table follows, up to its
  // figures (CMD_loadstats). The players in it were there all along.
  bool returning = false;
  // What the host told of why it closes our connection (a removal, the
  // table's end): shown instead of the plain word that the connection closed.
  QString closingNotice;

  bool isSpectator() const { return mynumber > kPlayerSlots; }

  // The seat that starts the games as the host last named it; 0 until it does.
  int moderator = 0;
  // A host that never names one leaves the games to slot 1.
  int moderatorSlot() const { return moderator != 0 ? moderator : 1; }
};

}  // namespace kuvo
