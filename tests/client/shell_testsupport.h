// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Shared pieces of the shell tests: a set of menu items as the main window
// creates them. The test program's main() makes the application object.
#pragma once

#include <memory>
#include <ostream>

#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include "menuactions.h"

#include "fakeservices.h"

// Readable failure messages for Qt strings.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace kuvo::testing {

// The main window's menu items with their captions and initial check marks.
struct TestMenu {
  TestMenu() {
    auto make = [this](const char* caption, bool checkable = false, bool checked = false) {
      auto* action = new QAction(QString::fromLatin1(caption), &owner);
      action->setCheckable(checkable);
      action->setChecked(checked);
      return action;
    };
    menu.startGame = make("Start Game");
    menu.exit = make("Exit");
    menu.playSounds = make("Play Sounds", true, true);
    menu.playChatterSounds = make("Play Chatter Sounds", true);
    menu.turnClassic = make("Classic", true, true);
    menu.turnNew = make("New", true);
    menu.textColor = make("Text Color");
    menu.textSize = {make("8", true), make("10", true), make("12", true), make("14", true)};
    menu.scrollChatOff = make("Scroll Chat Off", true);
    menu.clearMainChat = make("Clear Main Chat");
    menu.resetScreenLocation = make("Reset Screen Location");
    menu.justWatch = make("Just Watch", true);
    menu.viewTally = make("View Tally");
    menu.spyList = make("Spy List");
    menu.phraseList = make("Phrase List");
    menu.helpContent = make("Content");
    menu.about = make("About");
  }
  QObject owner;
  MenuActions menu;
};

// A board panel of the main window's size.
inline std::unique_ptr<QWidget> makeBoard() {
  auto board = std::make_unique<QWidget>();
  board->resize(708, 509);
  return board;
}

}  // namespace kuvo::testing
