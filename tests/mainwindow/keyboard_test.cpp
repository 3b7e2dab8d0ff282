// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window without a mouse: every stop of the Tab cycle tells a screen
// reader what it is, every menu item has a key of its own, and the keys reach
// the phrase buttons, the smileys and the menus.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "chatpanel.h"
#include "fakeprompts.h"
#include "gametable.h"
#include "playerslotspanel.h"
#include "smileys.h"
#include "soundboard.h"
#include "tchat.h"
#include "waituntil.h"

namespace kuvo {
namespace {

QString accessibleName(QObject* object) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
  return iface ? iface->text(QAccessible::Name) : QString();
}

// A name that says nothing: empty, a bare number, or a smiley code.
bool saysNothing(const QString& name) {
  static const QRegularExpression bare(QStringLiteral("^[\\s\\d&:)#]*$"));
  return bare.match(name).hasMatch() || name.contains(QLatin1String(":)#"));
}

class MainWindowKeys : public ::testing::Test {
 protected:
  // One argument alone: the window waits without connecting anywhere.
  MainWindowKeys() : random(3), chat(random, {QStringLiteral("Ann")}) {
    chat.setPrompts(prompts);
    chat.show();
    chat.table().setMayStart(true);  // the board's start button in the cycle too
    activate();
  }
  void activate() {
    QApplication::setActiveWindow(&chat);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&chat));
  }
  ~MainWindowKeys() override { chat.closeWithoutAsking(); }

  testing::FakePrompts prompts;
  Random random;
  Tchat chat;
};

TEST_F(MainWindowKeys, EveryStopOfTheTabCycleHasANameAndTheCycleReachesEveryControl) {
  QWidget* board = chat.table().boardWidget();
  board->setFocus(Qt::OtherFocusReason);
  ASSERT_TRUE(board->hasFocus());
  QList<QWidget*> cycle{board};
  for (int step = 0; step < 60; ++step) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (!now || now == board) break;
    cycle << now;
  }
  ASSERT_EQ(QApplication::focusWidget(), board) << "Tab never came back to the board";
  for (QWidget* stop : cycle) {
    SCOPED_TRACE(stop->objectName().toStdString());
    EXPECT_FALSE(saysNothing(accessibleName(stop))) << accessibleName(stop).toStdString();
  }
  QList<QWidget*> expected{chat.table().startButton(), chat.chat().mainchat(), chat.chat().mychat(),
                           chat.chat().smileyButton()};
  for (int n = 1; n <= kPhraseCount; ++n) expected << chat.chat().phraseButton(n);
  for (int n = 1; n <= 6; ++n) expected << chat.slotsPanel().nameLabel(n);
  for (QWidget* control : expected)
    EXPECT_TRUE(cycle.contains(control)) << control->objectName().toStdString();
  EXPECT_EQ(accessibleName(chat.chat().phraseButton(2)), QStringLiteral("Phrase 2: Good One!"));
  chat.chat().setPhrase(2, QStringLiteral("Well played"));
  EXPECT_EQ(accessibleName(chat.chat().phraseButton(2)), QStringLiteral("Phrase 2: Well played"));
}

// Every menu of the window, the pop-up ones included, with its items.
QList<QMenu*> allMenus(Tchat& chat) {
  QList<QMenu*> menus{chat.chat().chatMenu(), chat.slotsPanel().kickMenu()};
  for (QAction* top : chat.menuBar()->actions()) menus << top->menu();
  for (qsizetype i = 0; i < menus.size(); ++i) {
    for (QAction* item : menus[i]->actions())
      if (item->menu()) menus << item->menu();
  }
  return menus;
}

QChar mnemonic(const QString& text) {
  const qsizetype at = text.indexOf(QLatin1Char('&'));
  return at >= 0 && at + 1 < text.size() ? text[at + 1].toLower() : QChar();
}

TEST_F(MainWindowKeys, EveryMenuItemHasAKeyOfItsOwn) {
  QList<QList<QAction*>> groups{chat.menuBar()->actions()};
  for (QMenu* menu : allMenus(chat)) groups << menu->actions();
  for (const QList<QAction*>& group : groups) {
    QSet<QChar> keys;
    for (QAction* item : group) {
      if (item->isSeparator()) continue;
      SCOPED_TRACE(item->text().toStdString());
      const QChar key = mnemonic(item->text());
      EXPECT_FALSE(key.isNull());
      EXPECT_FALSE(keys.contains(key)) << "shared with another item of the menu";
      keys.insert(key);
    }
  }
}

// The smileys and the chatter sounds are more than the alphabet has letters
// for in some languages: their items take the free letters, none twice.
TEST_F(MainWindowKeys, TheLongPopUpMenusNeverShareALetter) {
  for (QMenu* menu : {chat.chat().smileyMenu(), chat.sounds().soundMenu()}) {
    QSet<QChar> keys;
    int keyed = 0;
    for (QAction* item : menu->actions()) {
      const QChar key = mnemonic(item->text());
      if (key.isNull()) continue;
      EXPECT_FALSE(keys.contains(key)) << item->text().toStdString();
      keys.insert(key);
      ++keyed;
    }
    EXPECT_GE(keyed, menu->actions().size() * 2 / 3);
  }
}

TEST_F(MainWindowKeys, KeysOpenTheMenusSendAPhraseAndPickASmiley) {
  chat.chat().mychat()->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(&chat, Qt::Key_F, Qt::AltModifier);
  ASSERT_TRUE(waitUntil([] { return QApplication::activePopupWidget() != nullptr; }, 1000));
  EXPECT_EQ(QApplication::activePopupWidget(), chat.menuBar()->actions().first()->menu());
  QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
  QTest::keyClick(chat.menuBar(), Qt::Key_Escape);
  ASSERT_TRUE(waitUntil([] { return QApplication::activePopupWidget() == nullptr; }, 1000));

  ASSERT_TRUE(chat.state().phraseready);
  QTest::keyClick(chat.chat().mychat(), Qt::Key_3, Qt::AltModifier);
  EXPECT_TRUE(waitUntil([&] { return !chat.state().phraseready; }, 1000));

  QMenu* smileys = chat.chat().smileyMenu();
  for (int i = 0; i < kSmileyCount; ++i) {
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(smileys)->child(i);
    ASSERT_NE(item, nullptr);
    EXPECT_FALSE(saysNothing(item->text(QAccessible::Name))) << i;
  }
  QWidget* button = chat.chat().smileyButton();
  activate();
  button->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(button->hasFocus());
  QTest::keyClick(button, Qt::Key_Return);
  ASSERT_TRUE(waitUntil([&] { return QApplication::activePopupWidget() == smileys; }, 1000));
  QTest::keyClick(smileys, Qt::Key_Down);
  QTest::keyClick(smileys, Qt::Key_Return);
  EXPECT_TRUE(waitUntil([&] { return !smileys->isVisible(); }, 1000));
  EXPECT_EQ(chat.chat().mychat()->text(), QStringLiteral(":)#11"));
}

}  // namespace
}  // namespace kuvo
