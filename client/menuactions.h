// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's menu items, created by the window with their captions and
// short-cuts; the parts of the client that own a behaviour connect to them.
#pragma once

#include <array>

#include <QAction>

namespace kuvo {

struct MenuActions {
  // File
  QAction* startGame = nullptr;
  QAction* playWithOthers = nullptr;
  QAction* exit = nullptr;  // Ctrl+Q
  // Options
  QAction* playSounds = nullptr;         // checkable
  QAction* playChatterSounds = nullptr;  // checkable
  QAction* turnClassic = nullptr;        // checkable
  QAction* turnNew = nullptr;            // checkable
  QAction* textColor = nullptr;
  std::array<QAction*, 4> textSize{};  // "8", "10", "12", "14", checkable
  QAction* scrollChatOff = nullptr;    // checkable, Ctrl+S
  QAction* clearMainChat = nullptr;
  QAction* resetScreenLocation = nullptr;
  QAction* justWatch = nullptr;  // checkable
  QAction* speakChat = nullptr;  // checkable
  // View
  QAction* viewTally = nullptr;
  QAction* spyList = nullptr;
  QAction* phraseList = nullptr;
  // Help
  QAction* helpContent = nullptr;  // F1
  QAction* about = nullptr;
};

}  // namespace kuvo
