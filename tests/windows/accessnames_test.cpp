// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Every control of the side windows has a name a screen reader can say, and
// every button can be pressed from the keyboard with Alt and a letter of its own.

#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QKeySequence>
#include <QSet>
#include <functional>
#include <memory>

#include "nameless.h"
#include "playwithothers.h"
#include "tabout.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "tspylist.h"

namespace kuvo {
namespace {

struct WindowCase {
  const char* name;
  std::function<std::unique_ptr<QWidget>()> make;
};

class SideWindows : public ::testing::TestWithParam<WindowCase> {};

TEST_P(SideWindows, EveryControlHasANameAndEveryButtonItsOwnMnemonic) {
  const std::unique_ptr<QWidget> window = GetParam().make();
  window->show();
  EXPECT_EQ(testing::namelessControls(window.get()), QStringList());

  QSet<QString> taken;
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    // The START GAME picture and the arrows of a spin box carry no words.
    if (button->text().isEmpty() || !button->isVisibleTo(window.get())) continue;
    const QString key = QKeySequence::mnemonic(button->text()).toString();
    EXPECT_FALSE(key.isEmpty()) << button->text().toStdString();
    EXPECT_FALSE(taken.contains(key)) << button->text().toStdString();
    taken.insert(key);
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, SideWindows,
    ::testing::Values(WindowCase{"GameStart", [] { return std::make_unique<Tgamestart>(nullptr); }},
                      WindowCase{"About", [] { return std::make_unique<Tabout>(nullptr); }},
                      WindowCase{"Help", [] { return std::make_unique<Thelp>(nullptr, nullptr); }},
                      WindowCase{"Phrases", [] { return std::make_unique<Tphrases>(nullptr); }},
                      WindowCase{"SpyList",
                                 [] {
                                   auto list = std::make_unique<Tspylist>(nullptr);
                                   list->addEntry(QStringLiteral("7: Ann"));
                                   return list;
                                 }},
                      WindowCase{"Download", [] { return std::make_unique<Tdownload>(nullptr); }},
                      WindowCase{"PlayWithOthers",
                                 [] {
                                   // Asks only a loopback port nobody listens on.
                                   return std::make_unique<PlayWithOthers>(
                                       nullptr,
                                       QList<FinderTarget>{{QStringLiteral("127.0.0.1"), 9}});
                                 }}),
    [](const ::testing::TestParamInfo<WindowCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kuvo
