// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The two tables the saver writes in turn: big enough that a save takes a
// while, different enough that any mix of the two is told apart.
#pragma once

#include <QString>

#include "tallystore.h"

namespace kuvo::testing {

inline TallyStore faultTable(int which) {
  TallyStore store;
  for (int i = 0; i < 1000; ++i) {
    store.follow(QStringLiteral("player %1 of table %2").arg(i).arg(which));
  }
  for (int c = 1; c < TallyStore::kColumns; ++c) {
    for (int row = 0; row < store.rowCount(); ++row) {
      store.setCell(c, row, QString::number((row * 7 + c * 13 + which * 1000003) % 99991));
    }
  }
  return store;
}

}  // namespace kuvo::testing
