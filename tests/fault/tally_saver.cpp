// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Saves the two fault tables in turn to the given path, with the program's
// own save code, until it is killed (or after a bounded number of saves).
#include <cstdio>

#include "faulttables.h"
#include "tallyfile.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: tally_saver FILE\n");
    return 2;
  }
  const QString path = QString::fromLocal8Bit(argv[1]);
  const kuvo::TallyStore tables[2] = {kuvo::testing::faultTable(0), kuvo::testing::faultTable(1)};
  std::puts("saving");
  std::fflush(stdout);
  for (int i = 0; i < 100000; ++i) {
    const QString error = kuvo::saveTallyFile(path, tables[i % 2]);
    if (!error.isEmpty()) {
      std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
      return 1;
    }
  }
  return 0;
}
