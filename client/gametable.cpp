// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gametable.h"

#include <algorithm>
#include <array>
#include <limits>

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QStringList>

#include "fields.h"
#include "messages.h"
#include "tableaccessible.h"

namespace kuvo {
namespace {

constexpr int kCell = BoardPictures::kCell;
constexpr int kBallRestTop = 161;  // where a released ball goes back to
constexpr int kBallLimit = 376;    // beyond this the ball lets go of the pointer
// The ball never runs further than just past its limit, so it always stays on
// its track where the player can grab it again.
constexpr int kBallLowest = kBallLimit + 1;
constexpr int kPaleClockFrom = 20;  // below this many seconds the clock text turns pale
constexpr unsigned kPaleClockColour = 0x9DE3E0;
// The clock is read out once, at this many seconds left.
constexpr int kSpokenSecondsLeft = 10;

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool validSlot(int slot) {
  return PlayerSlots::valid(slot);
}
bool validIndex(int index) {
  return index >= 0 && index < kTableSize;
}

QString clockText(int seconds) {
  const int minutes = seconds / 60;
  const int rest = seconds % 60;
  return QCoreApplication::translate("kuvo::GameTable", "Time: %1:%2%3")
      .arg(minutes)
      .arg(rest < 10 ? QStringLiteral("0") : QString())
      .arg(rest);
}

}  // namespace

GameTable::GameTable(QWidget* board, QWidget* clientArea, ClientServices& services,
                     MenuActions& menu, Timer& timer2, Timer& turntime)
    : services_(services),
      menu_(menu),
      timer2_(timer2),
      turntime_(turntime),
      view_(std::make_unique<BoardView>(board, clientArea, state_, model_)) {
  connect(view_->board, &BoardSurface::mouseDown, this, &GameTable::boardMouseDown);
  connect(view_->image_ball, &PictureBox::pressed, this, [this] { image_ballMouseDown(); });
  connect(view_->image_ball, &PictureBox::moved, this, [this](QMouseEvent* event) {
    image_ballMouseMove(static_cast<int>(event->position().y()));
  });
  connect(view_->image_ball, &PictureBox::released, this, [this] { image_ballMouseUp(); });
  connect(view_->board, &BoardSurface::chooseKey, this, &GameTable::chooseCell);
  connect(view_->board, &BoardSurface::pullKey, this, &GameTable::pullByKey);
  connect(view_->button_start, &QAbstractButton::clicked, this, &GameTable::startButtonClicked);

  // Keys of the whole window, active whichever widget of it has the focus.
  auto* f6 = new QShortcut(QKeySequence(Qt::Key_F6), board);
  f6->setContext(Qt::WindowShortcut);
  connect(f6, &QShortcut::activated, this, &GameTable::toggleBoardFocus);
  auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), board);
  f10->setContext(Qt::WindowShortcut);
  connect(f10, &QShortcut::activated, this, &GameTable::openMenuBar);
  auto* f7 = new QShortcut(QKeySequence(Qt::Key_F7), board);
  f7->setContext(Qt::WindowShortcut);
  connect(f7, &QShortcut::activated, &announcer_, &Announcer::repeatLast);
  auto* f8 = new QShortcut(QKeySequence(Qt::Key_F8), board);
  f8->setContext(Qt::WindowShortcut);
  connect(f8, &QShortcut::activated, this, &GameTable::sayScores);

  announcer_.setSink([this](const QString& text) { announce(*view_, text); });
  // Chat lines are spoken by default to a player whose screen reader runs.
  announcer_.setSpeaksChat(QAccessible::isActive());
  if (menu_.speakChat) {
    menu_.speakChat->setChecked(announcer_.speaksChat());
    connect(menu_.speakChat, &QAction::toggled, &announcer_, &Announcer::setSpeaksChat);
  }
}

GameTable::~GameTable() = default;

// ---- small helpers ----

void GameTable::setStatus(const QString& text, Speech speech) {
  tableStatus_ = text;
  if (!statusHeld_) model_.setStatus(text);
  if (speech == Speech::Say) announcer_.say(text);
}

QList<SeatScore> GameTable::seatScores() {
  QList<SeatScore> seats;
  for (int s = 1; s <= PlayerSlots::kCount; ++s) {
    const PlayerSlot& seat = playerSlots().at(s);
    if (!seat.empty()) seats.append({seat.name, seat.total});
  }
  return seats;
}

void GameTable::sayScores() {
  announcer_.say(Announcer::scoresText(seatScores()));
}

void GameTable::showStatus(const QString& text) {
  if (!statusHeld_) tableStatus_ = model_.status();
  statusHeld_ = true;
  model_.setStatus(text);
}

void GameTable::releaseStatus() {
  if (!statusHeld_) return;
  statusHeld_ = false;
  model_.setStatus(tableStatus_);
}

void GameTable::chat(const QString& text) {
  services_.addlinetochat(QStringLiteral("0+") + text, client().systemcolor);
}

void GameTable::stopClock() {
  turntime_.stop();
}

void GameTable::setCellCode(int column, int row, int code) {
  state_.boardcells[column][row] = code;
  view_->board->drawCell(column, row);
}

void GameTable::clearDice() {
  for (int i = 0; i < kTableSize; ++i) {
    view_->image_bonus[i]->clear();
    view_->image_dice[i]->clear();
    view_->describeDie(i, 0, 0);
    state_.mydice[i] = 0;
  }
}

void GameTable::fillspace(int column, int row) {
  // The surface repaints a cell from its code; a cell without a numeral shows
  // exactly the background copied from the board picture.
  view_->board->fillspace(column, row);
}

bool GameTable::mustchoose() const {
  for (int i = 0; i < kTableSize; ++i) {
    if (dieFitsColumn(state_.mydice[i], state_.boardcells[i])) return true;
  }
  return false;
}

// ---- handlers ----

void GameTable::startthegame(std::string_view payload) {
  model_.setWinner(QString());
  // The last game's word (its winner, who would start the next) is over now;
  // a watcher gets no round texts that would replace it.
  setStatus(QString());
  gameStarts();
  endPull();
  state_.roundopen = false;
  state_.roundnumber = 0;
  state_.filledcounted = false;
  if (menu_.justWatch) menu_.justWatch->setChecked(false);
  clearall();

  FieldReader reader(payload);
  const QString name = fromUtf8(reader.field());
  const auto rounds = reader.intField();
  if (!rounds) return;
  model_.setHeading(tr("Round: 0 of%1").arg(*rounds));
  const std::string_view seconds = reader.field();
  state_.roundspergame = *rounds;

  const int me = client().mynumber;
  if (client().isSpectator()) {
    chat(tr("%1 has started a game.").arg(name));
  } else if (playerSlots().name(me) == name) {
    chat(tr("You have started a game."));
  } else {
    chat(tr("%1 has started a game.").arg(name));
  }

  if (playerSlots().at(kComputerSlot).empty()) {
    playerSlots().setComputer(kComputerSlot);
    chat(tr("I am Rovi the bot. Good Luck!"));
  }

  stopClock();
  state_.roundtime = parseInt(seconds).value_or(0);
  if (state_.roundtime < 1) {
    state_.timerstep = 0;
    model_.setClockBarWidth(0);
  } else {
    state_.timerstep = kClockBarWidth / state_.roundtime;
  }
}

void GameTable::loadboard(std::string_view payload) {
  // Boards come only while a game is on, also to a latecomer.
  gameStarts();
  GroupReader groups(payload);
  while (groups.moreGroups()) {
    const auto column = groups.intField();
    if (!column) return;
    const auto row = groups.intField();
    if (!row) return;
    const auto code = groups.intField();
    if (!code) return;
    if (!validIndex(*column) || !validIndex(*row)) continue;
    // A cell that arrives as 0 is taken and its number is no longer known.
    setCellCode(*column, *row, *code == 0 ? kCellUnknownTaken : *code);
  }
}

void GameTable::startround(std::string_view payload) {
  GroupReader groups(payload);
  const auto round = groups.intField();
  if (!round) return;
  model_.setHeading(tr("Round: %1 of %2").arg(*round).arg(state_.roundspergame));
  gameStarts();
  // A pull left over from the last round will get no dice any more.
  endPull();
  const int me = client().mynumber;
  // Rounds past the game's own are played only while the lead is tied.
  if (state_.roundspergame > 0 && *round > state_.roundspergame && *round != state_.roundnumber)
    chat(tr("Tie! An extra round decides."));
  state_.roundnumber = *round;
  state_.roundopen = isPlayerSeat(me);
  state_.filledcounted = false;
  lastChoicePoints_ = 0;
  while (groups.moreGroups()) {
    const auto slot = groups.intField();
    if (!slot) return;
    const auto pulls = groups.intField();
    if (!pulls) return;
    if (!validSlot(*slot)) continue;
    if (*slot == me) {
      state_.mypulls = *pulls;
      model_.setPulls(QString::number(*pulls));
    }
    playerSlots().setPulls(*slot, *pulls > 0 ? QString::number(*pulls) : QString());
  }

  if (client().isSpectator()) {
    model_.setPulls(QStringLiteral("0"));
  } else {
    setStatus(tr("It's time to Kuvo!"), Speech::Quiet);
    announcer_.say(QStringLiteral("%1. %2").arg(model_.heading(), tableStatus_));
    services_.playsounds(services_.turnSoundIsNew() ? QStringLiteral("turnnew")
                                                    : QStringLiteral("turn"));
  }

  for (int s = 1; s <= PlayerSlots::kCount; ++s) playerSlots().setCurrent(s, QString());
  clearDice();
  // Every round's keyboard play starts from the same corner.
  view_->board->setCursorCell(0, 0);

  state_.secondsleft = state_.roundtime;
  if (state_.secondsleft > 0) {
    turntime_.start();
  } else {
    model_.setClockText(tr("No Time Limit"));
  }
}

void GameTable::yourdice(std::string_view payload) {
  GroupReader groups(payload);
  const auto slot = groups.intField();
  if (!slot || *slot != client().mynumber || !validSlot(*slot)) return;
  timer2_.stop();
  state_.pullpending = false;

  const auto pulls = groups.intField();
  if (!pulls) return;
  state_.mypulls = *pulls;
  playerSlots().setPulls(*slot, QString::number(*pulls));
  playerSlots().setCurrent(*slot, QString());
  model_.setPulls(QString::number(*pulls));

  const auto& pictures = view_->pictures;
  std::array<int, kTableSize> bonuses{};
  while (groups.moreGroups()) {
    const auto die = groups.intField();
    if (!die) return;
    const auto value = groups.intField();
    if (!value) return;
    const auto bonus = groups.intField();
    if (!bonus) return;
    if (!validIndex(*die)) continue;
    const int i = *die;
    view_->image_dice[i]->clear();
    if (*value > 0) {
      state_.mydice[i] = *value;
      view_->image_dice[i]->setPicture(pictures.dice(*value), *value);
    } else {
      state_.mydice[i] = 0;
    }
    view_->image_bonus[i]->clear();
    view_->image_bonus[i]->setPicture(pictures.dice(*bonus), *bonus);
    view_->describeDie(i, state_.mydice[i], *bonus);
    bonuses[static_cast<size_t>(i)] = *bonus;
  }

  services_.playsounds(QStringLiteral("dice2"));
  if (mustchoose()) {
    setStatus(tr("CHOOSE A NUMBER!"), Speech::Quiet);
  } else if (state_.mypulls == 0) {
    setStatus(tr("No more Pulls left!"), Speech::Quiet);
  } else {
    setStatus(tr("PULL AGAIN!"), Speech::Quiet);
  }
  announcer_.say(Announcer::diceText(state_.mydice, bonuses, state_.boardcells, state_.mypulls));
}

void GameTable::choosedice(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  if (!slot || *slot != client().mynumber || !validSlot(*slot)) return;
  const int s = *slot;
  // A choice is only possible with dice, so no pull can be in flight.
  endPull();

  playerSlots().setTotal(s, fromUtf8(reader.field()));
  const auto points = reader.intField();
  if (!points) return;
  lastChoicePoints_ = *points;
  playerSlots().setCurrent(s, *points >= 1 ? QStringLiteral("+%1").arg(*points) : QString());

  const auto column = reader.intField();
  if (!column || !validIndex(*column)) return;
  const auto row = reader.intField();
  if (!row || !validIndex(*row)) return;
  const auto pulls = reader.intField();
  if (!pulls) return;
  const auto bonus = reader.intField();
  if (!bonus) return;
  state_.mypulls = *pulls;

  clearDice();

  // The host marks a cell once; a repeated mark for an already taken cell
  // would stack offsets, so it only refreshes the texts.
  const int code = state_.boardcells[*column][*row];
  const bool open = code < kTakenPlain;
  auto mark = [&](int offset) {
    if (open) setCellCode(*column, *row, code + offset);
  };
  switch (*bonus) {
    case kDieBonus100:
      mark(kTakenBonus100);
      setStatus(tr("You received 100 bonus points!"), Speech::Quiet);
      services_.playsounds(QStringLiteral("extra"));
      break;
    case kDieBonus200:
      mark(kTakenBonus200);
      setStatus(tr("You received 200 bonus points!"), Speech::Quiet);
      services_.playsounds(QStringLiteral("extra"));
      break;
    case kDieBonusExtraPull:
      mark(kTakenExtraPull);
      // The count already holds the extra pull: show the pull it gives at once.
      model_.setPulls(QString::number(state_.mypulls));
      playerSlots().setPulls(s, QString::number(state_.mypulls));
      setStatus(tr("You received an Extra Pull!"), Speech::Quiet);
      services_.playsounds(QStringLiteral("extra"));
      break;
    default:
      mark(kTakenPlain);
      if (state_.mypulls != 0) {
        model_.setPulls(QString::number(state_.mypulls));
        playerSlots().setPulls(s, QString::number(state_.mypulls));
        setStatus(tr("PULL AGAIN!"), Speech::Quiet);
      } else {
        setStatus(tr("No more Pulls left!"), Speech::Quiet);
        model_.setPulls(QStringLiteral("0"));
        playerSlots().setPulls(s, QString());
      }
      services_.playsounds(QStringLiteral("placedice"));
      break;
  }
  announcer_.say(Announcer::takeText(*column, *row, *points, playerSlots().at(s).total, *bonus,
                                     state_.mypulls));
}

void GameTable::hisscores(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  if (!slot || !validSlot(*slot)) return;
  const int s = *slot;
  playerSlots().setTotal(s, fromUtf8(reader.field()));
  const auto points = reader.intField();
  if (!points) return;
  const auto pulls = reader.intField();
  if (!pulls) return;
  playerSlots().setPulls(s, *pulls >= 1 ? QString::number(*pulls) : QString());
  playerSlots().setCurrent(s, *points > 0 ? QStringLiteral("+%1").arg(*points) : QString());
}

void GameTable::filled(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  const int me = client().mynumber;
  // One cleared board a round, on the own seat, while the round is played.
  if (!slot || *slot != me || !validSlot(me) || !gameRunning_ || !state_.roundopen ||
      state_.filledcounted)
    return;
  state_.filledcounted = true;
  // The host takes no pull from a cleared board.
  state_.roundopen = false;
  endPull();
  // Said with the take it follows, which it would otherwise cut short.
  setStatus(tr("You have filled the board!"), Speech::Quiet);
  announcer_.say(announcer_.last() + QLatin1Char(' ') + tableStatus_);
  services_.tally().addtomineincrease(OwnColumn::kClearedBoards);

  // The choice's answer carried the total without the clearing bonus; add it
  // so the own row shows the score everybody else sees.
  const auto bonus = reader.intField();
  if (!bonus || *bonus < kMinClearingBonus || *bonus > kMaxClearingBonus) return;
  bool isNumber = false;
  const int total = playerSlots().at(me).total.toInt(&isNumber);
  if (!isNumber || total < 0 || total > std::numeric_limits<int>::max() - *bonus) return;
  playerSlots().setTotal(me, QString::number(total + *bonus));
  playerSlots().setCurrent(me, QStringLiteral("+%1").arg(std::max(lastChoicePoints_, 0) + *bonus));
}

void GameTable::outtime(std::string_view) {
  state_.mypulls = 0;
  state_.roundopen = false;
  endPull();
  stopClock();
  setStatus(tr("Out of Time"));
}

void GameTable::endround(std::string_view payload) {
  setStatus(tr("The Round is Over!"), Speech::Quiet);
  services_.playsounds(QStringLiteral("roundover"));
  stopClock();
  state_.roundopen = false;
  endPull();
  for (int s = 1; s <= PlayerSlots::kCount; ++s) playerSlots().setCurrent(s, QString());

  // Each seat's part of the round's summary line, by slot.
  std::array<QString, PlayerSlots::kCount + 1> summary;
  GroupReader groups(payload);
  while (groups.moreGroups()) {
    const auto slot = groups.intField();
    if (!slot) return;
    const std::string_view total = groups.field();
    const std::string_view score = groups.field();
    if (!validSlot(*slot)) continue;
    if (score != "0") playerSlots().setCurrent(*slot, QStringLiteral("+") + fromUtf8(score));
    // The round's end carries every slot's score: the totals agree with it on
    // every screen, whatever a lost or partial message showed before.
    const auto sum = parseInt(total);
    if (sum) playerSlots().setTotal(*slot, QString::number(*sum));
    const auto roundScore = parseInt(score);
    const QString name = playerSlots().name(*slot);
    // One pass of arg(): a name with "%1" in it stays the name.
    if (sum && roundScore && !playerSlots().at(*slot).empty())
      summary[*slot] =
          tr("%1 %2 (total %3)").arg(name, QString::number(*roundScore), QString::number(*sum));
    if (*slot != client().mynumber) continue;
    // A total or tally label that shows no number simply records nothing, and
    // neither does a total that the rounds played so far cannot have given.
    const bool possible = gameRunning_ && sum && roundScore && *roundScore >= 0 &&
                          *roundScore <= kMaxRoundScore && *sum >= *roundScore &&
                          *sum <= static_cast<long long>(state_.roundnumber) * kMaxRoundScore;
    bool isNumber = false;
    const int best = services_.tally().bestRoundScore().toInt(&isNumber);
    if (possible && isNumber && *sum > best)
      services_.tally().addtomineset(OwnColumn::kBestRoundScore, QString::number(*sum));
  }

  QStringList seats;
  for (const QString& seat : summary) {
    if (!seat.isEmpty()) seats << seat;
  }
  if (!seats.isEmpty()) {
    chat(tr("Round %1: %2.")
             .arg(QString::number(state_.roundnumber), seats.join(QStringLiteral(", "))));
  }
  announcer_.say(Announcer::roundOverText(state_.roundnumber, seatScores()));
}

void GameTable::loadstats(std::string_view payload) {
  // The host sends its state only while a game is on, also between rounds.
  gameStarts();
  const int me = client().mynumber;
  // A latecomer in a seat that kept its pulls plays on with the board and
  // dice that follow; any other waits for the next round with no pulls.
  state_.roundopen = validSlot(me);
  GroupReader groups(payload);
  const auto round = groups.intField();
  if (!round) return;
  state_.roundnumber = *round;
  const auto rounds = groups.intField();
  if (!rounds) return;
  model_.setHeading(tr("Round: %1 of %2").arg(*round).arg(*rounds));
  state_.roundspergame = *rounds;
  setStatus(tr("Please Wait for Next Round!"));

  // The clock runs only in a timed round under way: between rounds the host
  // says 0, and whatever it says, the clock never starts below 0 nor above a
  // whole round.
  stopClock();
  state_.roundtime = groups.intField().value_or(0);
  const int left = groups.intField().value_or(0);
  state_.secondsleft = state_.roundtime >= 1 ? std::clamp(left, 0, state_.roundtime) : 0;
  state_.timerstep = state_.roundtime >= 1 ? kClockBarWidth / state_.roundtime : 0;
  if (state_.roundtime < 1) {
    model_.setClockText(tr("No Time Limit"));
    model_.setClockBarWidth(0);
  } else {
    showClock(state_.secondsleft);
  }

  QString ownPulls;
  while (groups.moreGroups()) {
    const auto slot = groups.intField();
    if (!slot) return;
    const std::string_view total = groups.field();
    const auto pulls = groups.intField();
    if (!pulls) return;
    if (!validSlot(*slot)) continue;
    playerSlots().setTotal(*slot, fromUtf8(total));
    playerSlots().setPulls(*slot, *pulls >= 1 ? QString::number(*pulls) : QString());
    if (*slot == me) ownPulls = *pulls >= 1 ? QString::number(*pulls) : QString();
  }
  // What this seat has left of the round, as its own row shows it; a
  // newcomer waiting for the next round has none.
  model_.setPulls(ownPulls);

  if (state_.secondsleft > 0) turntime_.start();
}

bool GameTable::winner(std::string_view payload) {
  // A game is decided once: a winner outside a running game is not news.
  if (!gameRunning_) return false;
  FieldReader reader(payload);
  const auto slot = reader.intField();
  if (!slot || !validSlot(*slot)) return false;
  const int w = *slot;
  gameRunning_ = false;
  state_.roundopen = false;
  endPull();
  const int me = client().mynumber;
  const bool iWon = w == me;
  // An empty seat wins nothing: the game ends without a winner's name or fanfare.
  const bool named = iWon || !playerSlots().at(w).empty();
  const QString winnerName = iWon || !named ? QString() : playerSlots().name(w);
  const QString line = iWon    ? tr("You have Won the Game!")
                       : named ? tr("%1 has Won the Game!").arg(winnerName)
                               : tr("The Game is Over!");

  if (named) services_.playsounds(QStringLiteral("winner"));
  const bool seated = isPlayerSeat(me);
  if (seated) services_.tally().addgame(winnerName, iWon);

  setStatus(line, Speech::Quiet);
  announcer_.say(line + QLatin1Char(' ') + Announcer::scoresText(seatScores()));
  model_.setWinner(named ? line : QString());
  chat(line);
  updateStartButton();
  showWhoStarts();
  return seated;
}

void GameTable::justwatching(std::string_view payload) {
  FieldReader reader(payload);
  const auto slot = reader.intField();
  if (!slot || !validSlot(*slot)) return;
  const int s = *slot;
  const bool watching = reader.rest() == "1";
  if (s == client().mynumber && menu_.justWatch) menu_.justWatch->setChecked(watching);
  const QString line = (watching ? tr("%1 is just watching") : tr("%1 is now playing again"))
                           .arg(playerSlots().name(s));
  chat(line);
  announcer_.sayChat(QStringLiteral("0+") + line);
  playerSlots().setWatching(s, watching);
}

void GameTable::moderatorNamed(int slot) {
  if (!validSlot(slot)) return;
  ClientState& state = client();
  const int before = state.moderator;
  state.moderator = slot;
  // The first word comes with the login and is no news; a change later is.
  if (before != 0 && before != slot) {
    const QString line = slot == state.mynumber
                             ? tr("You now start the games.")
                             : tr("%1 now starts the games.").arg(playerSlots().name(slot));
    chat(line);
    announcer_.sayChat(QStringLiteral("0+") + line);
  }
  showWhoStarts();
}

void GameTable::showWhoStarts() {
  if (gameRunning_) return;
  const ClientState& state = client();
  const int moderator = state.moderatorSlot();
  if (state.amhost || moderator == state.mynumber) {
    // Our own wait is over: the start button is ours now.
    if (!waitingText_.isEmpty() && model_.status() == waitingText_) setStatus(QString());
    waitingText_.clear();
    return;
  }
  if (!playerSlots().at(moderator).player()) return;
  waitingText_ = tr("Waiting for %1 to start the game.").arg(playerSlots().name(moderator));
  setStatus(waitingText_);
}

void GameTable::clearall() {
  if (menu_.justWatch) menu_.justWatch->setChecked(false);
  for (int s = 1; s <= PlayerSlots::kCount; ++s) {
    playerSlots().setTotal(s, QStringLiteral("0"));
    playerSlots().setCurrent(s, QString());
    playerSlots().setPulls(s, QStringLiteral("0"));
    playerSlots().setWatching(s, false);
  }
}

// ---- input ----

bool GameTable::mayPull() const {
  const int me = client().mynumber;
  return isPlayerSeat(me) && state_.mypulls > 0 && client().loggedin && state_.roundopen &&
         !state_.pullpending;
}

void GameTable::startShuffle() {
  state_.mydice.fill(0);
  timer2_.start();
}

void GameTable::endPull() {
  state_.pullpending = false;
  if (!timer2_.isActive()) return;
  timer2_.stop();
  // No values will come for the shuffling dice: blank them rather than leave
  // a random face that looks like a roll.
  for (int i = 0; i < kTableSize; ++i) {
    if (state_.mydice[i] == 0) view_->image_dice[i]->clear();
  }
}

void GameTable::gameStarts() {
  if (gameRunning_) return;
  gameRunning_ = true;
  updateStartButton();
}

void GameTable::boardMouseDown(Qt::MouseButton, int x, int y) {
  if (client().isSpectator()) return;
  if (state_.mypulls < 0) {
    setStatus(tr("No Pulls"));
    return;
  }
  if (x < 0 || y < 0) return;
  chooseCell(x / kCell, y / kCell);
}

void GameTable::chooseCell(int column, int row) {
  if (client().isSpectator()) return;
  if (state_.mypulls < 0) {
    setStatus(tr("No Pulls"));
    return;
  }
  if (!validIndex(column) || !validIndex(row)) return;
  if (state_.mydice[column] == 0) {
    services_.playsounds(QStringLiteral("invalid"));
    setStatus(tr("You must Pull first."));
  } else if (state_.mydice[column] != state_.boardcells[column][row]) {
    services_.playsounds(QStringLiteral("invalid"));
    setStatus(tr("That number does not match."));
  } else if (client().loggedin) {
    services_.sendToHost(build(ToHost::ChooseDice, {client().mynumber, column, row, ""}));
  }
}

void GameTable::image_ballMouseDown() {
  if (mustchoose()) {
    services_.playsounds(QStringLiteral("invalid"));
    return;
  }
  if (!mayPull()) return;
  state_.balldragging = true;
  startShuffle();
}

void GameTable::image_ballMouseMove(int y) {
  if (!state_.balldragging) return;
  if (y > 0) view_->setBallTop(std::min(view_->ballTop() + y, kBallLowest));
  if (view_->ballTop() > kBallLimit) state_.balldragging = false;
}

void GameTable::image_ballMouseUp() {
  if (mustchoose()) return;
  state_.balldragging = false;
  view_->setBallTop(kBallRestTop);
  if (!mayPull()) return;
  services_.sendToHost(build(ToHost::PullHandle, {client().mynumber, ""}));
  state_.pullpending = true;
  startShuffle();
}

void GameTable::pullByKey() {
  // A key press is a plain click on the ball: pressed and released at once.
  image_ballMouseDown();
  image_ballMouseUp();
}

void GameTable::toggleBoardFocus() {
  QWidget* board = view_->board;
  auto* input = board->parentWidget()->findChild<QLineEdit*>(QStringLiteral("mychat"));
  if (board->hasFocus() && input && input->isEnabled() && input->isVisible()) {
    input->setFocus(Qt::ShortcutFocusReason);
  } else {
    board->setFocus(Qt::ShortcutFocusReason);
  }
}

void GameTable::openMenuBar() {
  // Opens the first menu; the arrows then walk every menu and item.
  auto* bar = view_->board->window()->findChild<QMenuBar*>();
  if (!bar || bar->actions().isEmpty()) return;
  bar->setFocus(Qt::ShortcutFocusReason);
  bar->setActiveAction(bar->actions().first());
}

// ---- timers ----

void GameTable::Timer2Timer() {
  const auto& pictures = view_->pictures;
  for (int i = 0; i < kTableSize; ++i) {
    if (state_.mydice[i] != 0) continue;
    const int face = services_.random().random(6) + 1;
    view_->image_dice[i]->clear();
    view_->image_dice[i]->setPicture(pictures.dice(face), face);
  }
}

void GameTable::turntimeTimer() {
  // Counting down from a clock that already shows 0 stays at 0.
  state_.secondsleft = state_.secondsleft > 0 ? state_.secondsleft - 1 : 0;
  const int s = state_.secondsleft;
  if (s >= 1 && (s == 20 || s == 15 || s <= 10)) services_.playsounds(QStringLiteral("tick"));
  showClock(s);
  if (s == kSpokenSecondsLeft) announcer_.say(Announcer::secondsLeftText(s));
}

void GameTable::showClock(int seconds) {
  if (seconds < 1) {
    model_.setClockText(tr("Time: 0:00"));
    model_.setClockBarWidth(0);
    return;
  }
  const long long width = static_cast<long long>(state_.timerstep) * seconds;
  model_.setClockBarWidth(static_cast<int>(std::min<long long>(width, kClockBarWidth)));
  model_.setClockColour(seconds >= kPaleClockFrom ? QColor(Qt::black)
                                                  : colourFromBgr(kPaleClockColour));
  model_.setClockText(clockText(seconds));
}

// ---- what the user sees ----

void GameTable::setMayStart(bool mayStart) {
  mayStart_ = mayStart;
  updateStartButton();
}

void GameTable::setStartDialogOpen(bool open) {
  startDialogOpen_ = open;
  updateStartButton();
}

void GameTable::updateStartButton() {
  view_->button_start->setVisible(mayStart_ && !gameRunning_ && !startDialogOpen_);
}

QWidget* GameTable::startButton() const {
  return view_->button_start;
}
QString GameTable::statusText() const {
  return model_.status();
}
QString GameTable::headingText() const {
  return model_.heading();
}
QString GameTable::numrollsText() const {
  return model_.pulls();
}
QString GameTable::timerText() const {
  return model_.clockText();
}
QColor GameTable::timerColour() const {
  return model_.clockColour();
}
int GameTable::timerBarWidth() const {
  return model_.clockBarWidth();
}
bool GameTable::winnerVisible() const {
  return !model_.winner().isEmpty();
}
QString GameTable::winnerText() const {
  return model_.winner();
}
QWidget* GameTable::boardWidget() const {
  return view_->board;
}
QWidget* GameTable::ballWidget() const {
  return view_->image_ball;
}
int GameTable::ballTop() const {
  return view_->ballTop();
}

int GameTable::dieIndex(int die) const {
  return validIndex(die) ? view_->image_dice[die]->pictureIndex() : 0;
}

int GameTable::bonusIndex(int die) const {
  return validIndex(die) ? view_->image_bonus[die]->pictureIndex() : 0;
}

}  // namespace kuvo
