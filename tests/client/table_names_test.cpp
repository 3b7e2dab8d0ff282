// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Players choose their own names, and the host's fields are just as free: every
// label of the table and the slot rows shows them as text, never as markup.
#include <functional>

#include <QLabel>

#include "playerslotspanel.h"
#include "table_fixture.h"

namespace kuvo::testing {
namespace {

struct NamePath {
  const char* what;
  std::function<void(GameTable&, PlayerSlotsPanel&, const std::string&)> show;
  int labels;  // how many labels show the text afterwards
};

const NamePath kPaths[] = {
    {"arrival",
     [](GameTable&, PlayerSlotsPanel& p, const std::string& n) {
       p.newplayerinfo("3+" + n + "+0");
     },
     1},
    {"players already there",
     [](GameTable&, PlayerSlotsPanel& p, const std::string& n) {
       p.newplayerinfo("2+Bob+0+4+" + n + "+1+5+" + n + "+0");
     },
     2},
    {"winner: status line and both banner labels",
     [](GameTable& t, PlayerSlotsPanel& p, const std::string& n) {
       p.newplayerinfo("6+" + n + "+0");
       t.startthegame("x+3+0+");
       t.winner("6+");
     },
     4},
    {"a total as the host sends it",
     [](GameTable& t, PlayerSlotsPanel&, const std::string& n) { t.hisscores("4+" + n + "+0+3"); },
     1},
};

class NamesAsText : public TableTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NamesAsText, EveryLabelShowingItIsPlainText) {
  const std::string name = GetParam();
  const QString text = QString::fromStdString(name);
  for (const NamePath& path : kPaths) {
    SCOPED_TRACE(path.what);
    FakeServices fresh;
    fresh.clientState.mynumber = 1;
    fresh.clientState.loggedin = true;
    QWidget area;
    auto* board = new QWidget(&area);
    GameTable table(board, &area, fresh, menu, timer2, turntime);
    PlayerSlotsPanel rows(board, fresh, menu);
    path.show(table, rows, name);
    int showing = 0;
    for (const QLabel* label : area.findChildren<QLabel*>()) {
      if (!label->text().contains(text)) continue;
      ++showing;
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
    EXPECT_EQ(showing, path.labels);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, NamesAsText,
                         ::testing::Values("<h1>Ann</h1>", "<img src=x>", "<b>B</b>&amp;",
                                           "<a href=\"http://x\">link</a>"));

}  // namespace
}  // namespace kuvo::testing
