// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The settings file: defaults, reading and writing the options, sharing the
// file with other programs, and the window geometry rules.
#include <gtest/gtest.h>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "chatpanel.h"
#include "clientsettings.h"
#include "settingsfile.h"
#include "shell_testsupport.h"
#include "soundboard.h"

namespace kuvo {
namespace {

using testing::FakeServices;
using testing::TestMenu;

QByteArray readAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

void writeAll(const QString& path, const QByteArray& data) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  file.write(data);
}

// A main window's worth of settings targets over a settings file of its own.
struct SettingsRig : StartOptions {
  SettingsRig()
      : window(testing::makeBoard()),
        chat(new ChatPanel(window.get(), services, menu.menu)),
        sounds(new SoundBoard(services, menu.menu, chat->phraseButton(10))),
        path(dir.filePath(QStringLiteral("orvellobby.ini"))) {
    window->setGeometry(100, 120, 715, 511);
    targets.window = window.get();
    targets.chat = chat;
    targets.sounds = sounds;
    targets.state = &services.clientState;
    targets.menu = &menu.menu;
    targets.startOptions = this;
    targets.workAreas = QList<QRect>{QRect(0, 0, 1920, 1080)};
  }

  QString roundsText() const override { return QString::number(rounds); }
  QString timeText() const override { return shownTime; }
  void setRoundsPosition(int n) override { rounds = n; }
  void setTimePosition(int n) override {
    timePosition = n;
    shownTime = QString::number(n);
  }

  QString fileText() const { return QString::fromUtf8(readAll(path)); }

  FakeServices services;
  TestMenu menu;
  std::unique_ptr<QWidget> window;
  ChatPanel* chat;
  SoundBoard* sounds;
  QTemporaryDir dir;
  QString path;
  SettingsTargets targets;
  int rounds = 5;
  int timePosition = -1;
  QString shownTime = QStringLiteral("unset");
};

class SettingsTest : public ::testing::Test, public SettingsRig {};

TEST_F(SettingsTest, FirstRunDefaults) {
  loadinifile(path, targets);
  EXPECT_EQ(chat->textSize(), 8);
  EXPECT_TRUE(menu.menu.textSize[0]->isChecked());
  EXPECT_EQ(chat->chatColour(), 0x00FFFFu);
  EXPECT_EQ(rounds, 3);
  EXPECT_EQ(timePosition, 0);
  EXPECT_EQ(shownTime, QStringLiteral("0"));
  EXPECT_TRUE(sounds->playSoundsOn());
  EXPECT_TRUE(sounds->chatterSoundsOn());
  EXPECT_EQ(sounds->turnsound(), 0);
  EXPECT_EQ(windowBounds(window.get()), QRect(3, 3, 723, 556));
  EXPECT_EQ(services.clientState.savedbounds, QRect(3, 3, 723, 556));
  EXPECT_EQ(chat->phrase(1), QStringLiteral("Way To Go!"));
  EXPECT_FALSE(QFile::exists(path));  // reading creates nothing
}

TEST_F(SettingsTest, SaveWritesTheElevenKeysInOrder) {
  ASSERT_TRUE(saveinifile(path, targets));
  EXPECT_EQ(fileText(), QStringLiteral("[Kuvo]\nTextsize=10\nTop=120\nLeft=100\nWidth=715\n"
                                       "Height=511\nPlaytoscore=5\nTimeperround=unset\n"
                                       "Textcolor=$000080FF\nTurnsound=0\nPlaysounds=true\n"
                                       "ChatterSounds=false\n"));
}

TEST_F(SettingsTest, ValuesAsRead) {
  struct Case {
    const char* line;
    std::function<void(SettingsRig&)> check;
  };
  const Case cases[] = {
      {"Playsounds=FALSE", [](SettingsRig& t) { EXPECT_TRUE(t.sounds->playSoundsOn()); }},
      {"Playsounds=false", [](SettingsRig& t) { EXPECT_FALSE(t.sounds->playSoundsOn()); }},
      {"ChatterSounds=false", [](SettingsRig& t) { EXPECT_FALSE(t.sounds->chatterSoundsOn()); }},
      {"Turnsound=1", [](SettingsRig& t) { EXPECT_EQ(t.sounds->turnsound(), 1); }},
      {"Turnsound=2", [](SettingsRig& t) { EXPECT_EQ(t.sounds->turnsound(), 0); }},
      {"Textsize=abc", [](SettingsRig& t) { EXPECT_EQ(t.chat->textSize(), 8); }},
      {"Textsize=0", [](SettingsRig& t) { EXPECT_EQ(t.chat->textSize(), 8); }},
      {"Textsize=100000", [](SettingsRig& t) { EXPECT_EQ(t.chat->textSize(), 8); }},
      {"textSIZE=14", [](SettingsRig& t) { EXPECT_EQ(t.chat->textSize(), 14); }},
      {"Textcolor=clPink", [](SettingsRig& t) { EXPECT_EQ(t.chat->chatColour(), 0x00FFFFu); }},
      {"Textcolor=clBlue", [](SettingsRig& t) { EXPECT_EQ(t.chat->chatColour(), 0xFF0000u); }},
      {"Playtoscore=x", [](SettingsRig& t) { EXPECT_EQ(t.rounds, 5); }},
      {"Playtoscore=7", [](SettingsRig& t) { EXPECT_EQ(t.rounds, 7); }},
      // The time goes to the host: only what the dialog could choose is taken.
      {"Timeperround=", [](SettingsRig& t) { EXPECT_EQ(t.timePosition, 0); }},
      {"Timeperround=abc", [](SettingsRig& t) { EXPECT_EQ(t.timePosition, 0); }},
      {"Timeperround=601", [](SettingsRig& t) { EXPECT_EQ(t.timePosition, 0); }},
      {"Timeperround=-30", [](SettingsRig& t) { EXPECT_EQ(t.timePosition, 0); }},
      {"Timeperround=600", [](SettingsRig& t) { EXPECT_EQ(t.timePosition, 600); }},
      {"Width=30000\nHeight=30000",
       [](SettingsRig& t) {
         EXPECT_EQ(windowBounds(t.window.get()), QRect(0, 0, 1920, 1080));
         EXPECT_EQ(t.services.clientState.savedbounds, QRect(0, 0, 1920, 1080));
       }},
      {"Width=wide", [](SettingsRig& t) { EXPECT_EQ(windowBounds(t.window.get()).width(), 723); }},
      {"Phrase4=Hi, all",
       [](SettingsRig& t) { EXPECT_EQ(t.chat->phrase(4), QStringLiteral("Hi, all")); }},
      {"Phrase4=",
       [](SettingsRig& t) { EXPECT_EQ(t.chat->phrase(4), QStringLiteral("Excellent!")); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    SettingsRig fresh;
    writeAll(fresh.path, QByteArray("[Kuvo]\n") + c.line + "\n");
    loadinifile(fresh.path, fresh.targets);
    c.check(fresh);
  }
}

TEST_F(SettingsTest, UnreadableTimeIsSavedAsNoTimeLimit) {
  writeAll(path, "[Kuvo]\nTimeperround=abc\n");
  loadinifile(path, targets);
  ASSERT_TRUE(saveinifile(path, targets));
  EXPECT_TRUE(fileText().contains(QStringLiteral("\nTimeperround=0\n")));
}

TEST_F(SettingsTest, BeforeTheFileIsReadOnlyWhatTheUserChangedIsWritten) {
  SettingsSession session;
  session.builtIn = optionValues(targets);
  targets.session = &session;
  const QByteArray mine =
      "[Orvel]\nName=Bob\n[Kuvo]\nTextsize=12\nTop=40\nLeft=50\nWidth=900\nHeight=700\n"
      "Playtoscore=7\nTimeperround=90\nTextcolor=clLime\nPlaysounds=false\n";
  writeAll(path, mine);

  // Nothing changed: neither a save nor the close touches the file.
  EXPECT_FALSE(saveinifile(path, targets));
  window->move(300, 300);
  EXPECT_FALSE(FormClose(path, targets, QRect(0, 0, 1920, 1080)));
  EXPECT_EQ(readAll(path), mine);

  // A changed option replaces its own line and nothing else, and stays the
  // user's choice when changed back to the built-in value.
  sounds->setChatterSounds(true);
  ASSERT_TRUE(saveinifile(path, targets));
  sounds->setChatterSounds(false);
  chat->setTextSize(14);
  ASSERT_TRUE(saveinifile(path, targets));
  const QString text = fileText();
  EXPECT_TRUE(text.startsWith(QStringLiteral("[Orvel]\nName=Bob\n")));
  const QString ours = QString::fromLatin1(mine.mid(mine.indexOf("[Kuvo]")));
  EXPECT_EQ(text.mid(text.indexOf(QStringLiteral("[Kuvo]"))),
            QString(ours).replace("Textsize=12", "Textsize=14") + "ChatterSounds=false\n");
  EXPECT_FALSE(FormClose(path, targets, QRect(0, 0, 1920, 1080)));

  // Once read, the file holds all of this run's options.
  loadinifile(path, targets);
  EXPECT_EQ(chat->chatColour(), 0x00FF00u);
  window->move(20, 30);
  EXPECT_TRUE(FormClose(path, targets, QRect(0, 0, 1920, 1080)));
  EXPECT_TRUE(fileText().contains(QStringLiteral("Top=30\nLeft=20\n")));
}

TEST(WindowGeometry, SavedPlaceIsMovedOntoTheNearestScreen) {
  const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1280, 1024)};
  struct Case {
    QRect saved, expected;
  };
  const Case cases[] = {
      {{100, 100, 723, 556}, {100, 100, 723, 556}},      // on a screen: kept
      {{2000, 50, 723, 556}, {2000, 50, 723, 556}},      // on the second screen
      {{5000, 200, 723, 556}, {2477, 200, 723, 556}},    // right of both: onto the nearer
      {{-3000, -900, 723, 556}, {0, 0, 723, 556}},       // a screen that was left of them
      {{1500, 900, 723, 556}, {1197, 524, 723, 556}},    // mostly on the first
      {{10, 10, 30000, 30000}, {0, 0, 1920, 1080}},      // larger than any screen
      {{2500, 500, 2000, 2000}, {1920, 0, 1280, 1024}},  // bounded by the screen it is on
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fitOnScreens(c.saved, screens), c.expected) << c.saved.x() << "," << c.saved.y();
  }
  EXPECT_EQ(fitOnScreens(QRect(5, 5, 10, 10), {}), QRect(5, 5, 10, 10));
}

TEST_F(SettingsTest, OtherProgramsSectionsStayUntouched) {
  const QByteArray lobby =
      "; the lobby's own settings\n[Orvel]\nName=Bob, Ann\nServer = 10.0.0.5\n\n";
  writeAll(path, lobby + "[KUVO]\nPhrase3=Hi, all\nTEXTSIZE=12\nExtra=keep me\n\n[Other]\nA=1\n");
  loadinifile(path, targets);
  EXPECT_EQ(chat->textSize(), 12);
  EXPECT_EQ(chat->phrase(3), QStringLiteral("Hi, all"));
  ASSERT_TRUE(saveinifile(path, targets));
  ASSERT_TRUE(writePhrases(path, chat->phrases()));
  const QString text = fileText();
  // The lobby's lines keep their place and their values, commas and all.
  EXPECT_TRUE(text.startsWith(QStringLiteral("; the lobby's own settings\n")));
  const auto lobbyAt = text.indexOf(QStringLiteral("[Orvel]\nName=Bob, Ann\nServer=10.0.0.5\n"));
  const auto ours =
      text.indexOf(QStringLiteral("[KUVO]\nPhrase3=Hi, all\nTEXTSIZE=12\nExtra=keep me\n"));
  EXPECT_GE(lobbyAt, 0);
  EXPECT_LT(lobbyAt, ours) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("[Other]\nA=1")));
  EXPECT_TRUE(text.contains(QStringLiteral("Phrase10=/me waves \"Good-Bye\"\n")));
  EXPECT_EQ(text.count(QStringLiteral("extsize="), Qt::CaseInsensitive), 1);
  // Saving again changes nothing.
  ASSERT_TRUE(saveinifile(path, targets));
  EXPECT_EQ(fileText(), text);

  SettingsFile file(path);
  ASSERT_TRUE(file.load());
  EXPECT_EQ(file.readText(QStringLiteral("textsize"), {}), QStringLiteral("12"));
}

TEST_F(SettingsTest, OversizedFileIsNeitherReadNorReplaced) {
  QByteArray big("[Kuvo]\nTextsize=14\n");
  big += QByteArray(kMaxSettingsFileSize, 'x');
  writeAll(path, big);
  loadinifile(path, targets);
  EXPECT_EQ(chat->textSize(), 8);
  EXPECT_FALSE(saveinifile(path, targets));
  EXPECT_EQ(readAll(path).size(), big.size());
}

TEST_F(SettingsTest, CloseWritesOnlyChangedBounds) {
  loadinifile(path, targets);
  const QRect work(0, 0, 1920, 1080);
  EXPECT_FALSE(FormClose(path, targets, work));
  EXPECT_FALSE(QFile::exists(path));

  window->move(40, 50);
  EXPECT_TRUE(FormClose(path, targets, work));
  EXPECT_TRUE(fileText().contains(QStringLiteral("Top=50\nLeft=40\nWidth=723\nHeight=556\n")));
  EXPECT_FALSE(FormClose(path, targets, work));  // nothing changed since the last close
}

TEST_F(SettingsTest, CloseShrinksAWindowLargerThanTheWorkArea) {
  loadinifile(path, targets);
  setWindowBounds(window.get(), QRect(0, 0, 1000, 700));
  EXPECT_TRUE(FormClose(path, targets, QRect(0, 0, 800, 600)));
  EXPECT_TRUE(fileText().contains(QStringLiteral("Width=985\nHeight=685\n")));
  EXPECT_EQ(services.clientState.savedbounds, QRect(0, 0, 985, 685));
}

TEST_F(SettingsTest, ResetScreenLocationThenClose) {
  loadinifile(path, targets);
  setWindowBounds(window.get(), QRect(300, 200, 900, 700));
  ASSERT_TRUE(FormClose(path, targets, QRect(0, 0, 1920, 1080)));
  ResetScreenLocation1Click(window.get());
  ASSERT_TRUE(FormClose(path, targets, QRect(0, 0, 1920, 1080)));
  EXPECT_TRUE(fileText().contains(QStringLiteral("Top=3\nLeft=3\nWidth=723\nHeight=556\n")));
}

TEST(WindowGeometry, ClientAreaNeverShrinksBelowTheBoard) {
  struct Case {
    QSize asked, expected;
  };
  const Case cases[] = {
      {{500, 400}, {711, 516}},
      {{800, 400}, {800, 516}},
      {{600, 900}, {711, 900}},
      {{711, 516}, {711, 516}},
  };
  for (const auto& c : cases) {
    QWidget window;
    QWidget board(&window);
    board.setGeometry(2, 2, 708, 509);
    window.resize(c.asked);
    FormResize(&window, &board);
    EXPECT_EQ(window.size(), c.expected);
  }
  // With a menu bar above the client area the window is taller by its height.
  QWidget window;
  QWidget client(&window);
  client.setGeometry(0, 20, 300, 300);
  QWidget board(&client);
  board.setGeometry(2, 2, 708, 509);
  window.resize(400, 300);
  FormResize(&window, &board);
  EXPECT_EQ(window.size(), QSize(711, 536));
}

}  // namespace
}  // namespace kuvo
