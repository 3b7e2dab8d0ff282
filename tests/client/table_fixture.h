// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A game table on a bare board panel, with a recorder for everything it
// reports and clocks that tick only when told to.
#pragma once

#include <memory>
#include <string>

#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QWidget>

#include "gametable.h"
#include "manualtimer.h"
#include "menuactions.h"

#include "fakeservices.h"

namespace kuvo::testing {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    clientArea = std::make_unique<QWidget>();
    clientArea->resize(723, 556);
    panel = new QWidget(clientArea.get());
    panel->setGeometry(2, 2, 708, 509);
    justWatch = new QAction(clientArea.get());
    justWatch->setCheckable(true);
    menu.justWatch = justWatch;
    services.clientState.mynumber = 1;
    services.clientState.loggedin = true;
    table = std::make_unique<GameTable>(panel, clientArea.get(), services, menu, timer2, turntime);
  }

  void TearDown() override {
    table.reset();
    clientArea.reset();
  }

  void setBoardRow(int row, const std::string& numbers) {
    std::string payload;
    for (int c = 0; c < 5; ++c) {
      payload += std::to_string(c) + "+" + std::to_string(row) + "+" + numbers[c] + "+";
    }
    payload.pop_back();
    table->loadboard(payload);
  }

  // A board whose every column holds 1..5 from top to bottom.
  void loadStandardBoard() {
    for (int r = 0; r < 5; ++r) setBoardRow(r, std::string(5, static_cast<char>('1' + r)));
  }

  int cell(int c, int r) const { return table->state().boardcells[c][r]; }

  std::unique_ptr<QWidget> clientArea;
  QWidget* panel = nullptr;
  QAction* justWatch = nullptr;
  FakeServices services;
  MenuActions menu;
  ManualTimer timer2;
  ManualTimer turntime;
  std::unique_ptr<GameTable> table;
};

}  // namespace kuvo::testing
