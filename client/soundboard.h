// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's sounds: the named game event sounds, the chatter sounds players
// send each other, and the three sound options of the Options menu.
#pragma once

#include <array>
#include <map>
#include <string_view>

#include <QObject>
#include <QString>
#include <QStringList>

#include "clientservices.h"
#include "menuactions.h"

class QMenu;
class QSoundEffect;
class QWidget;

namespace kuvo {

inline constexpr int kChatterSoundCount = 20;  // WAVE1..WAVE20

// The caption of chatter sound item n (0 = "<Cancel>"); empty outside 0..20.
QString chatterCaption(int n);
// The chatter sound number of a sound name ("wave12", any letter case), or 0.
int chatterNumber(const QString& name);

class SoundBoard : public QObject {
  Q_OBJECT
 public:
  SoundBoard(ClientServices& services, MenuActions& menu, QWidget* phraseButton10);
  ~SoundBoard() override;

  void playsounds(const QString& name);       // a game sound, when "Play Sounds" is on
  void playasound(std::string_view payload);  // CMD_playasound from the host
  bool playSoundsOn() const { return playSounds_; }
  bool chatterSoundsOn() const { return chatterSounds_; }
  int turnsound() const { return turnsound_; }  // 0 Classic, 1 New
  void setPlaySounds(bool on);
  void setChatterSounds(bool on);
  void setTurnsound(int choice);
  void wave12Click(int n);  // chatter menu item n (0 = "<Cancel>")
  void b_phrase10Click();   // opens the chatter sound menu
  QMenu* soundMenu() const { return popupSounds_; }

  // The names of the sounds started last, oldest first (for tests).
  static constexpr qsizetype kPlayedKept = 64;
  QStringList played() const { return played_; }
  // Whether the machine has an audio output; without one nothing is played.
  bool hasAudio() const { return !effects_.empty(); }

 private:
  void play(const QString& name);

  ClientServices& services_;
  MenuActions& menu_;
  QWidget* phraseButton10_ = nullptr;
  QMenu* popupSounds_ = nullptr;
  bool playSounds_ = true;
  bool chatterSounds_ = false;
  int turnsound_ = 0;
  std::map<QString, QSoundEffect*> effects_;  // by upper-case name
  QSoundEffect* playing_ = nullptr;
  QStringList played_;
};

}  // namespace kuvo
