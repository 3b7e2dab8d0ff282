// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tallystore.h"

#include <limits>

namespace kuvo {
namespace {

const QString kZero = QStringLiteral("0");

QStringList zeroRow() {
  QStringList row;
  for (int c = 0; c < TallyStore::kColumns; ++c) row << kZero;
  return row;
}

// A count line of the table text: a decimal number within [low, high].
int readCount(QByteArrayView line, int low, int high, const char* what) {
  bool ok = false;
  const qlonglong value = line.trimmed().toLongLong(&ok);
  if (!ok) {
    throw TallyError(QStringLiteral("'%1' is not a valid integer value")
                         .arg(QString::fromUtf8(line))
                         .toStdString());
  }
  if (value < low || value > high) {
    throw TallyError(QStringLiteral("The tally holds %1 %2, which is not a valid count")
                         .arg(value)
                         .arg(QLatin1String(what))
                         .toStdString());
  }
  return static_cast<int>(value);
}

// A cell is one line of the file, so a name must not carry a line break into it.
QByteArray cellLine(const QString& text) {
  QByteArray bytes = text.toUtf8();
  bytes.replace('\r', ' ');
  bytes.replace('\n', ' ');
  return bytes;
}

}  // namespace

TallyStore::TallyStore() {
  stringgrid_scores.push_back(zeroRow());
}

QString TallyStore::cell(int column, int row) const {
  if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) return {};
  return stringgrid_scores[static_cast<std::size_t>(row)][column];
}

void TallyStore::setCell(int column, int row, const QString& text) {
  if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) return;
  stringgrid_scores[static_cast<std::size_t>(row)][column] = text;
}

QStringList TallyStore::followed() const {
  QStringList names;
  for (int row = 1; row < rowCount(); ++row) names << cell(0, row);
  return names;
}

int TallyStore::findFollowed(const QString& name) const {
  for (int row = 1; row < rowCount(); ++row) {
    if (cell(0, row).compare(name, Qt::CaseInsensitive) == 0) return row - 1;
  }
  return -1;
}

void TallyStore::loadchecklist(const QStringList& seatedNames) {
  checklist_.clear();
  for (const QString& name : seatedNames.mid(0, kMaxSlot))
    checklist_.push_back({name, findFollowed(name) >= 0});
}

qint64 TallyStore::addit(int column, int row) {
  if (column < 0 || column >= kColumns || row < 0 || row >= rowCount()) {
    throw TallyError("Tally cell out of range");
  }
  const QString text = cell(column, row);
  qlonglong value = 0;
  if (!text.isEmpty()) {
    bool ok = false;
    value = text.trimmed().toLongLong(&ok);
    if (!ok || value == std::numeric_limits<qlonglong>::max()) {
      throw TallyError(QStringLiteral("'%1' is not a valid integer value").arg(text).toStdString());
    }
  }
  ++value;
  setCell(column, row, QString::number(value));
  return value;
}

void TallyStore::addtomineincrease(int column) {
  if (column < 0 || column >= kColumns) return;
  addit(column, 0);
}

void TallyStore::addtomineset(int column, const QString& text) {
  setCell(column, 0, text);
}

void TallyStore::addgame(const QString& winnerName, bool iWon) {
  using namespace FollowedColumn;
  addtomineincrease(OwnColumn::kGames);
  if (iWon) addtomineincrease(OwnColumn::kWins);
  for (const CheckEntry& entry : checklist_) {
    const int index = findFollowed(entry.name);
    if (index < 0) continue;
    const int row = index + 1;
    for (int c = 1; c < kColumns; ++c) {
      if (cell(c, row).isEmpty()) setCell(c, row, kZero);
    }
    const auto count = [&](int column) {
      addit(column, row);
      addit(column + kSession, row);
    };
    count(kGames);
    if (iWon) {
      count(kMyWins);
    } else if (!winnerName.isEmpty() && cell(0, row) == winnerName) {
      count(kTheirWins);
    } else {
      count(kNeitherWon);
    }
  }
}

bool TallyStore::follow(const QString& name) {
  if (findFollowed(name) >= 0) return false;
  if (rowCount() >= kMaxRows) return false;
  QStringList row = zeroRow();
  row[0] = name;
  stringgrid_scores.push_back(row);
  for (CheckEntry& entry : checklist_) {
    if (entry.name.compare(name, Qt::CaseInsensitive) == 0) entry.checked = true;
  }
  return true;
}

void TallyStore::unfollow(int index) {
  if (index < 0 || index + 1 >= rowCount()) return;
  moverow(index + 1);
}

void TallyStore::moverow(int row) {
  if (row < 1 || row >= rowCount()) return;  // the own row is never removed
  if (rowCount() > 2 && row <= rowCount() - 2) {
    for (int r = row; r + 1 < rowCount(); ++r) {
      stringgrid_scores[static_cast<std::size_t>(r)] =
          stringgrid_scores[static_cast<std::size_t>(r) + 1];
    }
  }
  if (rowCount() > 1) stringgrid_scores.pop_back();
}

void TallyStore::reset() {
  stringgrid_scores.assign(1, zeroRow());
}

void TallyStore::loadtally() {
  for (int row = 1; row < rowCount(); ++row) {
    for (int c = FollowedColumn::kGames + FollowedColumn::kSession; c < kColumns; ++c)
      setCell(c, row, kZero);
  }
}

QByteArray TallyStore::toText() const {
  QByteArray text;
  const QByteArray eol("\r\n");
  text += QByteArray::number(kColumns) + eol;
  text += QByteArray::number(rowCount()) + eol;
  for (int c = 0; c < kColumns; ++c) {
    for (const QStringList& row : stringgrid_scores) {
      if (!row[c].isEmpty()) text += cellLine(row[c]);
      text += eol;
    }
  }
  return text;
}

TallyStore TallyStore::fromText(const QByteArray& text) {
  // Lines end with CR LF; a bare LF or CR also ends one, as it did for the old reader.
  // They are read one at a time, so a table that declares more cells than the text
  // holds costs nothing for the missing ones.
  const QByteArrayView all(text);
  qsizetype at = 0;
  auto nextLine = [&](QByteArrayView& line) {
    if (at >= all.size()) return false;
    qsizetype end = at;
    while (end < all.size() && all[end] != '\r' && all[end] != '\n') ++end;
    line = all.sliced(at, end - at);
    if (end + 1 < all.size() && all[end] == '\r' && all[end + 1] == '\n') ++end;
    at = end + 1;
    return true;
  };

  QByteArrayView line;
  if (!nextLine(line)) throw TallyError("'' is not a valid integer value");
  const int columns = readCount(line, 1, kColumns, "columns");
  if (!nextLine(line)) throw TallyError("'' is not a valid integer value");
  const int rows = readCount(line, 1, kMaxRows, "rows");

  TallyStore store;
  // The rows share one empty row until a cell of theirs is set.
  store.stringgrid_scores.assign(static_cast<std::size_t>(rows), QStringList(kColumns));
  for (int c = 0; c < columns; ++c) {
    for (int row = 0; row < rows; ++row) {
      if (!nextLine(line)) return store;
      if (!line.isEmpty()) store.setCell(c, row, QString::fromUtf8(line));
    }
  }
  return store;
}

}  // namespace kuvo
