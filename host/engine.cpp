// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine.h"

#include <limits>
#include <string>

#include "boardmessages.h"
#include "fields.h"
#include "logging.h"
#include "messages.h"

namespace kuvo {

namespace {

constexpr int kDieFaces = 6;
constexpr int kBonusDraw = 10;  // a bonus draw of 7, 8 or 9 keeps its code

bool inBoard(int index) {
  return index >= 0 && index < kBoardSize;
}

bool columnHasFace(const Board& board, int column) {
  for (int row = 0; row < kBoardSize; ++row) {
    if (board[column][row] >= 1 && board[column][row] <= kDieFaces) return true;
  }
  return false;
}

bool columnHolds(const Board& board, int column, int value) {
  for (int row = 0; row < kBoardSize; ++row) {
    if (board[column][row] == value) return true;
  }
  return false;
}

}  // namespace

GameEngine::GameEngine(PlayerTable& table, Random& random, Timer& timer1, Timer& turntimer)
    : table_(table), random_(random), timer1_(timer1), turntimer_(turntimer) {}

bool GameEngine::roundrunning() const {
  return table_.host.gameon && table_.host.timer1mode == kTimer1ModeComputers;
}

bool GameEngine::dieinplay(const tplayer& p, int column) const {
  // Spent dice are -1, which is also the mark of a scored diagonal corner; a
  // die only counts while its value is a real face and its slot is still in
  // the round.
  return p.pullsleft >= 0 && p.dice[column] >= 1 && p.dice[column] <= kDieFaces;
}

void GameEngine::restarttimer1(int count, int mode) {
  // Stopping first makes the next tick come a full interval later.
  timer1_.stop();
  table_.host.timer1count = count;
  table_.host.timer1mode = mode;
  timer1_.start();
}

void GameEngine::startgame(std::string_view payload) {
  auto& host = table_.host;
  // The round clock of a game that is being replaced must not cut the first
  // round of this one.
  turntimer_.stop();
  // Every game draws from a seed of its own, so what a player saw of the
  // last game's boards and dice tells nothing about this one.
  random_.reseed();
  host.gameon = true;

  FieldReader reader(payload);
  const std::string name(reader.field());
  host.roundspergame = reader.intField().value_or(kDefaultRoundsPerGame);
  host.roundtime = reader.intField().value_or(0);

  table_.sendAll(build(ToClient::StartGameAll, {name, host.roundspergame, host.roundtime, ""}));

  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    auto& p = table_.players[slot];
    p.score = 0;
    p.watching = false;
    p.mayroll = false;
  }
  host.roundnumber = 0;
  startround();
}

void GameEngine::startround() {
  auto& host = table_.host;
  if (host.roundnumber < std::numeric_limits<int>::max()) ++host.roundnumber;
  if (host.roundnumber > host.roundspergame && checkforwin()) return;

  createboard();

  std::string pulls = std::to_string(host.roundnumber);
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    auto& p = table_.players[slot];
    p.roundscore = 0;
    p.mayroll = true;
    p.pullsleft = (slot == kComputerSlot || p.connected) ? kPullsPerRound : -1;
    // Dice still unplaced when the last round was cut belong to that round's
    // board; they must not be placed on this one.
    p.dice.fill(kSpentDie);
    p.bonus.fill(0);
    pulls += '+' + std::to_string(slot) + '+' + std::to_string(p.pullsleft);
  }
  table_.sendAll(buildJoined(ToClient::StartRound, pulls));

  if (host.roundtime > 0) {
    turntimer_.stop();
    host.turncount = host.roundtime > std::numeric_limits<int>::max() - kRoundClockGrace
                         ? std::numeric_limits<int>::max()
                         : host.roundtime + kRoundClockGrace;
    turntimer_.start();
  }
  restarttimer1(kComputerPullCountdown, kTimer1ModeComputers);
}

void GameEngine::createboard() {
  auto& board = table_.host.masterboard;
  for (int column = 0; column < kBoardSize; ++column) {
    for (int row = 0; row < kBoardSize; ++row) board[column][row] = random_.random(kDieFaces) + 1;
  }
  for (int slot = 1; slot <= kPlayerSlots; ++slot) table_.players[slot].playerboard = board;
  sendboard();
}

void GameEngine::sendboard() {
  table_.sendAll(loadBoardMessage(table_.host.masterboard));
}

void GameEngine::pullhandle(int slot) {
  if (!PlayerTable::isPlayerSlot(slot)) return;
  auto& p = table_.players[slot];
  if (p.pullsleft <= 0) return;
  // Outside a running round a pull would play on a finished board and could
  // end a round, or a decided game, a second time.
  if (!roundrunning()) return;

  --p.pullsleft;
  const auto& master = table_.host.masterboard;
  for (int i = 0; i < kBoardSize; ++i) {
    if (!columnHasFace(master, i)) {
      // Only a board that was never drawn; redrawing would never end.
      p.dice[i] = kSpentDie;
      p.bonus[i] = 0;
      continue;
    }
    int value;
    do {
      value = random_.random(kDieFaces) + 1;
    } while (!columnHolds(master, i, value));
    p.dice[i] = value;
    const int bonus = random_.random(kBonusDraw);
    p.bonus[i] = bonus >= kBonusCode100 ? bonus : 0;
  }

  table_.sendTo(slot, yourDiceMessage(slot, p.pullsleft, p.dice, p.bonus));

  if (!movesleft(slot)) {
    p.pullsleft = -1;
    table_.sendAllExcept(slot, build(ToClient::HisScores, {slot, p.score, 0, -1, ""}));
  }

  if (noonecango()) {
    endround();
  } else if (table_.isComputerPlayed(slot) && p.pullsleft >= 0) {
    computerplace(slot);
  }
}

bool GameEngine::movesleft(int slot) const {
  if (!PlayerTable::isPlayerSlot(slot)) return false;
  const auto& p = table_.players[slot];
  if (p.pullsleft > 0) return true;
  for (int column = 0; column < kBoardSize; ++column) {
    if (!dieinplay(p, column)) continue;
    if (columnHolds(p.playerboard, column, p.dice[column])) return true;
  }
  return false;
}

bool GameEngine::noonecango() const {
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    const auto& p = table_.players[slot];
    if ((p.connected || slot == kComputerSlot) && p.pullsleft >= 0) return false;
  }
  return true;
}

void GameEngine::choosedice(int slot, int column, int row) {
  auto& host = table_.host;
  if (!host.gameon) return;
  if (!PlayerTable::isPlayerSlot(slot) || !inBoard(column) || !inBoard(row)) {
    qCDebug(logHost) << "choice refused: slot" << slot << "column" << column << "row" << row;
    return;
  }
  auto& p = table_.players[slot];
  // Any choice, valid or not, lets the computer pull again for this slot.
  p.mayroll = true;
  if (!roundrunning() || !dieinplay(p, column)) return;
  auto& board = p.playerboard;
  if (board[column][row] != p.dice[column]) return;

  int points = 0;
  board[column][row] = 0;

  switch (p.bonus[column]) {
    case kBonusCode100:
      points += 100;
      break;
    case kBonusCode200:
      points += 200;
      break;
    case kBonusCodeExtraPull:
      ++p.pullsleft;
      break;
    default:
      break;
  }

  bool columnDone = true;
  bool rowDone = true;
  bool mainDone = true;
  bool otherDone = true;
  for (int i = 0; i < kBoardSize; ++i) {
    if (board[column][i] >= 1) columnDone = false;
    if (board[i][row] >= 1) rowDone = false;
    if (board[i][i] != 0) mainDone = false;
    if (board[i][kBoardSize - 1 - i] != 0) otherDone = false;
  }
  if (columnDone) points += kLinePoints;
  if (rowDone) points += kLinePoints;
  if (column == row && mainDone) {
    points += kLinePoints;
    board[0][0] = kScoredDiagonalMark;
  }
  if (column + row == kBoardSize - 1 && otherDone) {
    points += kLinePoints;
    board[0][kBoardSize - 1] = kScoredDiagonalMark;
  }

  p.roundscore += points;
  p.score += points;
  table_.sendTo(slot, build(ToClient::ChooseDiceOwn, {slot, p.score, points, column, row,
                                                      p.pullsleft, p.bonus[column], ""}));
  p.dice.fill(kSpentDie);
  p.bonus.fill(0);

  bool cleared = true;
  for (const auto& cells : board) {
    for (int cell : cells) {
      if (cell > 0) cleared = false;
    }
  }
  if (cleared) {
    const int clearing =
        kClearingPoints + (p.pullsleft > 0 ? kClearingPointsPerPull * p.pullsleft : 0);
    table_.sendTo(slot, build(ToClient::Filled, {slot, clearing, ""}));
    p.pullsleft = -1;
    points += clearing;
    p.roundscore += clearing;
    p.score += clearing;
  }

  table_.sendAllExcept(slot, build(ToClient::HisScores, {slot, p.score, points, p.pullsleft, ""}));

  if (p.pullsleft == 0) p.pullsleft = -1;
  if (noonecango() && host.gameon) endround();
}

void GameEngine::endround() {
  auto& host = table_.host;
  host.timer1mode = kTimer1ModeIdle;
  std::string totals;
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    auto& p = table_.players[slot];
    p.mayroll = false;
    if (!totals.empty()) totals += '+';
    totals +=
        std::to_string(slot) + '+' + std::to_string(p.score) + '+' + std::to_string(p.roundscore);
  }
  table_.sendAll(buildJoined(ToClient::EndRound, totals));
  restarttimer1(kRoundPauseCountdown, kTimer1ModeNextRound);
  turntimer_.stop();
}

bool GameEngine::checkforwin() {
  // Only a seat somebody holds can win: an empty one's total is gone, and a
  // tie with it would only call for rounds nobody plays. The computer always
  // holds slot 2, so there is always somebody.
  const auto inTheRace = [this](int slot) {
    return slot == kComputerSlot || table_.players[slot].connected;
  };
  int best = kComputerSlot;
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    if (inTheRace(slot) && table_.players[slot].score > table_.players[best].score) best = slot;
  }
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    // A tie on top is played off in another round.
    if (slot != best && inTheRace(slot) && table_.players[slot].score == table_.players[best].score)
      return false;
  }
  table_.host.gameon = false;
  table_.sendAll(build(ToClient::Winner, {best, ""}));
  return true;
}

void GameEngine::Timer1Timer() {
  // A stopped timer has no ticks, even if its owner still forwards one.
  if (!timer1_.isActive()) return;
  auto& host = table_.host;
  if (host.timer1count > std::numeric_limits<int>::min()) --host.timer1count;
  if (host.timer1count >= 0) return;

  switch (host.timer1mode) {
    case kTimer1ModeNextRound:
      timer1_.stop();
      startround();
      break;
    case kTimer1ModeComputers:
      for (int slot = 1; slot <= kPlayerSlots; ++slot) {
        const auto& p = table_.players[slot];
        if (table_.isComputerPlayed(slot) && p.pullsleft > 0 && p.mayroll) {
          host.timer1count = kComputerPullCountdown;
          computerroll(slot);
        }
      }
      break;
    default:
      break;
  }
}

void GameEngine::turntimerTimer() {
  if (!turntimer_.isActive()) return;
  auto& host = table_.host;
  --host.turncount;
  if (host.turncount >= 0) return;
  turntimer_.stop();
  timer1_.stop();
  table_.sendAll(build(ToClient::OutTime, {}));
  endround();
}

void GameEngine::computerroll(int slot) {
  if (!PlayerTable::isPlayerSlot(slot)) return;
  auto& p = table_.players[slot];
  p.mayroll = false;
  if (p.pullsleft > 0) pullhandle(slot);
}

void GameEngine::computerplace(int slot) {
  if (!PlayerTable::isPlayerSlot(slot)) return;
  auto& p = table_.players[slot];
  p.mayroll = true;

  // A bonus die is worth taking whenever it fits.
  for (int i = 0; i < kBoardSize; ++i) {
    if (p.bonus[i] <= 0 || !dieinplay(p, i)) continue;
    for (int row = 0; row < kBoardSize; ++row) {
      if (p.playerboard[i][row] == p.dice[i]) {
        choosedice(slot, i, row);
        return;
      }
    }
  }

  const int start = random_.random(kBoardSize);
  for (int step = 1; step <= kBoardSize; ++step) {
    const int column = (start + step) % kBoardSize;
    if (!dieinplay(p, column)) continue;
    for (int row = 0; row < kBoardSize; ++row) {
      if (p.playerboard[column][row] == p.dice[column]) {
        choosedice(slot, column, row);
        return;
      }
    }
  }

  table_.sendAllExcept(slot, build(ToClient::HisScores, {slot, p.score, 0, p.pullsleft, ""}));
  p.mayroll = true;
}

}  // namespace kuvo
