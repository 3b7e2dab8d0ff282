// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The client's game table: the handlers of the host's game messages, the
// pull ball and board clicks, the dice shuffle and the round clock. The host
// decides every pull, choice and score; this side only shows them and refuses
// requests that cannot succeed before they are sent.
//
// Every number in a payload comes from the network: a field that is not a
// number ends the handling of that message at that field, and slots, columns,
// rows and die indices outside their ranges are ignored, never used to index.
#pragma once

#include <memory>
#include <string_view>

#include <QObject>
#include <QString>

#include "announcer.h"
#include "boardview.h"
#include "clientservices.h"
#include "gametablestate.h"
#include "menuactions.h"
#include "tablemodel.h"
#include "timer.h"

class QWidget;

namespace kuvo {

class GameTable : public QObject {
  Q_OBJECT
 public:
  // `board`: the board panel; `clientArea`: the main window's central widget,
  // which carries the winner banner. Timer2 (dice shuffle, 100 ms) and
  // turntime (round clock, 1000 ms) call Timer2Timer() and turntimeTimer().
  GameTable(QWidget* board, QWidget* clientArea, ClientServices& services, MenuActions& menu,
            Timer& timer2, Timer& turntime);
  ~GameTable() override;

  // Handlers of the host's game messages; payload = the text after the first
  // "+", UTF-8.
  void startthegame(std::string_view payload);
  void loadboard(std::string_view payload);
  void startround(std::string_view payload);
  void yourdice(std::string_view payload);
  void choosedice(std::string_view payload);
  void hisscores(std::string_view payload);
  void filled(std::string_view payload);
  void outtime(std::string_view payload);
  void endround(std::string_view payload);
  void loadstats(std::string_view payload);
  // True when the game was recorded in the tally (a seated player, and the
  // first winner of a running game): only then has the tally changed.
  bool winner(std::string_view payload);
  void justwatching(std::string_view payload);
  // The host named the seat that starts the games.
  void moderatorNamed(int slot);
  void clearall();
  void fillspace(int column, int row);

  // A die still equals an open cell of its own column: the player must choose.
  bool mustchoose() const;

  // Input, called by the widgets (and by tests directly).
  void boardMouseDown(Qt::MouseButton button, int x, int y);
  void image_ballMouseDown();
  void image_ballMouseMove(int y);
  void image_ballMouseUp();
  // Keyboard play on the board: take the cell under the cursor, or pull;
  // each follows exactly the rules of the click it stands for.
  void chooseCell(int column, int row);
  void pullByKey();
  // F6: the keyboard focus goes from the chat input to the board and back.
  void toggleBoardFocus();
  // F10: opens the menu bar, for keyboards without a working Alt key.
  void openMenuBar();
  // F8: tells every seated player's total to the screen reader.
  void sayScores();

  void Timer2Timer();
  void turntimeTimer();

  const TableState& state() const { return state_; }
  // The texts of the status line, heading, pulls, clock and winner banner.
  const TableModel& model() const { return model_; }
  QWidget* startButton() const;
  // A game runs from its start (for a latecomer: from its state) to its winner.
  bool gameRunning() const { return gameRunning_; }
  // This seat starts the games. Its start button shows only while no game runs
  // and the game options are not open.
  void setMayStart(bool mayStart);
  void setStartDialogOpen(bool open);
  QString statusText() const;
  // The main window's own word in the status line (the connection's state).
  // It stays until released, whatever the table or a click says meanwhile;
  // the table's latest word shows again then.
  void showStatus(const QString& text);
  void releaseStatus();

  // What the user sees, for the main window's tests and ours.
  QString headingText() const;
  QString numrollsText() const;
  QString timerText() const;
  QColor timerColour() const;
  int timerBarWidth() const;
  bool winnerVisible() const;
  QString winnerText() const;
  int dieIndex(int die) const;    // picture of imagelist_dice shown by die 0..4
  int bonusIndex(int die) const;  // picture shown by bonus 0..4
  QWidget* boardWidget() const;
  QWidget* ballWidget() const;
  int ballTop() const;
  const BoardView& view() const { return *view_; }
  // What the table tells a screen reader; F7 says its last word again.
  Announcer& announcer() { return announcer_; }

 signals:
  // The start button was clicked (it only reports; the main window decides).
  void startButtonClicked();

 private:
  // The status line's text, said to the screen reader too unless the event
  // says more itself (the dice, a take, the round's end, the winner).
  enum class Speech { Say, Quiet };
  void setStatus(const QString& text, Speech speech = Speech::Say);
  QList<SeatScore> seatScores();
  void setCellCode(int column, int row, int code);
  void clearDice();
  void chat(const QString& text);
  void stopClock();
  // The clock's text and bar for this many seconds left.
  void showClock(int seconds);
  bool mayPull() const;
  void startShuffle();
  void endPull();
  void gameStarts();
  void updateStartButton();
  // Between games, tells a seat that cannot start one who can.
  void showWhoStarts();
  PlayerSlots& playerSlots() { return services_.playerSlots(); }
  ClientState& client() { return services_.state(); }
  const ClientState& client() const { return services_.state(); }

  ClientServices& services_;
  MenuActions& menu_;
  Timer& timer2_;
  Timer& turntime_;
  TableState state_;
  TableModel model_;  // before view_, which follows it
  Announcer announcer_;
  QString tableStatus_;  // the table's own word, hidden while the main window's shows
  bool statusHeld_ = false;
  std::unique_ptr<BoardView> view_;
  bool gameRunning_ = false;
  int lastChoicePoints_ = 0;  // what the own last choice scored, for the clearing
  bool mayStart_ = false;
  bool startDialogOpen_ = false;
  QString waitingText_;  // the last "waiting for" status shown
};

}  // namespace kuvo
