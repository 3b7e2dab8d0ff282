// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The tally store: the user's lifetime figures (row 0) and one head-to-head row per followed
// opponent (rows 1..), kept as text cells like the table the tally window hides.
//
// Row 0: 1 total games, 2 wins, 3 highest end-of-round total, 4 black outs.
// Opponent rows: 0 name, 1..4 games together / opponent won / user won / neither won
// (lifetime), 5..8 the same for this session.
//
// The followed list (`listbox_tally`) is column 0 of rows 1..: entry i is row i + 1, so the
// two can never drift apart. `checklist` holds the other players seated now.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

#include "gamerules.h"
#include "tallyrecorder.h"

namespace kuvo {

// A cell that cannot be counted or a table text that cannot be read; what() is shown.
class TallyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The columns of a followed player's row: games together, then who won them,
// over the whole tally; the same four again counted this session only.
namespace FollowedColumn {
inline constexpr int kGames = 1;
inline constexpr int kTheirWins = 2;
inline constexpr int kMyWins = 3;
inline constexpr int kNeitherWon = 4;
inline constexpr int kSession = 4;  // added to one of the above: its session count
}  // namespace FollowedColumn

class TallyStore {
 public:
  static constexpr int kColumns = 9;
  static constexpr int kMaxRows = 100000;  // a sane bound for a text read from disk
  static constexpr int kMaxSlot = kPlayerSlots;

  struct CheckEntry {
    QString name;
    bool checked = false;
  };

  TallyStore();  // the own row, all "0"

  // stringgrid_scores
  int rowCount() const { return static_cast<int>(stringgrid_scores.size()); }
  QString cell(int column, int row) const;                 // out of range: empty
  void setCell(int column, int row, const QString& text);  // out of range: ignored

  // listbox_tally: the followed names, in row order.
  QStringList followed() const;
  // Index of name in the followed list ignoring letter case, or -1.
  int findFollowed(const QString& name) const;

  const std::vector<CheckEntry>& checklist() const { return checklist_; }
  // Rebuilds checklist from the names of the others seated now (players and the
  // computer, never an empty seat), marking followed players.
  void loadchecklist(const QStringList& seatedNames);

  // Adds one to a cell and returns the new value. An empty cell counts from 0; any other
  // text that is not a decimal integer raises TallyError and leaves the cell alone.
  qint64 addit(int column, int row);
  void addtomineincrease(int column);
  void addtomineset(int column, const QString& text);
  // Records one finished game against the current checklist: won by this player, or
  // else by `winnerName` (empty: by nobody seated). On a TallyError the part of the
  // update made before it stays.
  void addgame(const QString& winnerName, bool iWon);

  // Starts following name (a new row of "0"); false when already followed.
  bool follow(const QString& name);
  // Stops following entry index of the followed list; its row is gone.
  void unfollow(int index);
  void moverow(int row);
  // Every counter back to "0" and no followed players.
  void reset();
  // A new session: opponent rows' session cells back to "0".
  void loadtally();

  // The plain table text: column count, row count, then every cell column by column, each
  // line ended by CR LF.
  QByteArray toText() const;
  // Reads a table text (see toText); cells that the text lacks are empty. Bad or absurd
  // counts raise TallyError. Does not start a session (see loadtally).
  static TallyStore fromText(const QByteArray& text);

 private:
  std::vector<QStringList> stringgrid_scores;  // every row holds kColumns cells
  std::vector<CheckEntry> checklist_;
};

}  // namespace kuvo
