// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A recorder standing in for the main window in tests of the client's parts.
#pragma once

#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "clientservices.h"
#include "fakeprompts.h"
#include "messages.h"

namespace kuvo::testing {

class FakeTally : public TallyRecorder {
 public:
  // "addgame:I won" for the own win, else "addgame:" and the winner's name.
  void addgame(const QString& winnerName, bool iWon) override {
    calls << (iWon ? QStringLiteral("addgame:I won") : "addgame:" + winnerName);
  }
  void addtomineincrease(int column) override {
    calls << QStringLiteral("increase:%1").arg(column);
  }
  void addtomineset(int column, const QString& text) override {
    calls << QStringLiteral("set:%1:%2").arg(column).arg(text);
    if (column == OwnColumn::kBestRoundScore) best = text;
  }
  QString bestRoundScore() const override { return best; }

  QStringList calls;
  QString best = QStringLiteral("0");
};

class FakeServices : public ClientServices {
 public:
  explicit FakeServices(std::uint64_t seed = 1) : rng(seed) {}

  ClientState& state() override { return clientState; }
  PlayerSlots& playerSlots() override { return seats; }
  Random& random() override { return rng; }
  Prompts& prompts() override { return dialogs; }
  void sendToHost(const std::string& message) override { sent.push_back(message); }
  void addlinetochat(const QString& line, Colour colour) override {
    chat << line;
    chatColours.push_back(colour);
  }
  void playsounds(const QString& name) override { sounds << name; }
  bool turnSoundIsNew() const override { return turnNew; }
  TallyRecorder& tally() override { return fakeTally; }
  void loadinifile() override { ++settingsLoads; }
  void saveinifile() override { ++settingsSaves; }
  void addSpectator(const QString& entry) override { spectators << entry; }
  bool removeSpectator(const QString& entry) override { return spectators.removeOne(entry); }

  // The sent messages without their terminators, for readable expectations.
  std::vector<std::string> sentText() const {
    std::vector<std::string> out;
    for (auto m : sent) {
      if (!m.empty() && m.back() == kTerminator) m.pop_back();
      out.push_back(m);
    }
    return out;
  }

  ClientState clientState;
  PlayerSlots seats;
  Random rng;
  FakeTally fakeTally;
  FakePrompts dialogs;
  std::vector<std::string> sent;
  QStringList chat;
  std::vector<Colour> chatColours;
  QStringList sounds;
  QStringList spectators;
  bool turnNew = false;
  int settingsLoads = 0;
  int settingsSaves = 0;
};

}  // namespace kuvo::testing
