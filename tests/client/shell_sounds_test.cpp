// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The sounds: game sounds, chatter sounds and the sound options.
#include <gtest/gtest.h>
#include <QFile>
#include <QMenu>
#include <QPushButton>

#include "shell_testsupport.h"
#include "soundboard.h"

namespace kuvo {
namespace {

using testing::FakeServices;
using testing::TestMenu;

class SoundsTest : public ::testing::Test {
 protected:
  SoundsTest() : button(new QPushButton), sounds(services, menu.menu, button.get()) {
    services.clientState.loggedin = true;
    services.clientState.mynumber = 2;
    services.seats.setPlayer(3, QStringLiteral("Ann"));
  }

  FakeServices services;
  TestMenu menu;
  std::unique_ptr<QPushButton> button;
  SoundBoard sounds;
};

TEST_F(SoundsTest, BuiltInOptions) {
  EXPECT_TRUE(sounds.playSoundsOn());
  EXPECT_FALSE(sounds.chatterSoundsOn());
  EXPECT_EQ(sounds.turnsound(), 0);
  EXPECT_TRUE(menu.menu.playSounds->isChecked());
  EXPECT_TRUE(menu.menu.turnClassic->isChecked());
  EXPECT_FALSE(menu.menu.turnNew->isChecked());
}

TEST_F(SoundsTest, GameSoundsFollowPlaySounds) {
  sounds.playsounds(QStringLiteral("dice2"));
  sounds.playsounds(QStringLiteral("TurnNew"));
  sounds.playsounds(QStringLiteral("nosuchsound"));
  menu.menu.playSounds->trigger();  // off
  EXPECT_FALSE(sounds.playSoundsOn());
  EXPECT_EQ(services.settingsSaves, 1);
  sounds.playsounds(QStringLiteral("tick"));
  EXPECT_EQ(sounds.played(), QStringList({QStringLiteral("dice2"), QStringLiteral("TurnNew")}));
}

TEST_F(SoundsTest, OnlyTheLatestSoundsAreRemembered) {
  for (int i = 0; i < 1000; ++i) sounds.playsounds(i % 2 ? QStringLiteral("dice2") : "extra");
  sounds.playsounds(QStringLiteral("winner"));
  const QStringList played = sounds.played();
  ASSERT_EQ(played.size(), SoundBoard::kPlayedKept);
  EXPECT_EQ(played.back(), QStringLiteral("winner"));
  EXPECT_EQ(played.front(), QStringLiteral("dice2"));  // i = 937
}

TEST_F(SoundsTest, ChatterAnnouncedWhenChatterSoundsAreOff) {
  sounds.playasound("3+wave12+");
  EXPECT_EQ(services.chat, QStringList{QStringLiteral("0+Ann: <Chatter Sound> Oh No")});
  EXPECT_EQ(services.chatColours.at(0), kSystemColour);
  EXPECT_TRUE(sounds.played().isEmpty());
  // Nothing for unknown sounds or slots.
  for (const char* payload :
       {"3+wave21+", "3+wave012+", "3+dice2+", "9+wave1+", "x+wave1+", "", "3", "0+wave1+"})
    sounds.playasound(payload);
  EXPECT_EQ(services.chat.size(), 1);
}

TEST_F(SoundsTest, ChatterPlaysEvenWithGameSoundsOff) {
  sounds.setPlaySounds(false);
  menu.menu.playChatterSounds->trigger();
  EXPECT_TRUE(sounds.chatterSoundsOn());
  sounds.playasound("3+WAVE12+");
  EXPECT_EQ(sounds.played(), QStringList{QStringLiteral("WAVE12")});
  EXPECT_TRUE(services.chat.isEmpty());
}

TEST_F(SoundsTest, SendingChatterSounds) {
  sounds.wave12Click(0);  // <Cancel>
  sounds.wave12Click(5);
  sounds.wave12Click(21);
  services.clientState.mynumber = 8;  // spectators cannot send
  sounds.wave12Click(5);
  services.clientState.mynumber = 2;
  services.clientState.loggedin = false;
  sounds.wave12Click(5);
  EXPECT_EQ(services.sentText(), std::vector<std::string>{"CMD_playasound+2+wave5+"});
}

TEST_F(SoundsTest, ChatterMenuItems) {
  const auto items = sounds.soundMenu()->actions();
  ASSERT_EQ(items.size(), 21);
  // The words as they stand; only a mnemonic mark may be added.
  const auto shown = [&](int i) { return items.at(i)->text().remove(QLatin1Char('&')); };
  EXPECT_EQ(shown(0), QStringLiteral("<Cancel>"));
  EXPECT_EQ(shown(12), QStringLiteral("Oh No"));
  EXPECT_EQ(shown(20), QStringLiteral("Crying"));
  items.at(13)->trigger();
  EXPECT_EQ(services.sentText(), std::vector<std::string>{"CMD_playasound+2+wave13+"});
}

TEST_F(SoundsTest, TurnSoundChoice) {
  menu.menu.turnNew->trigger();
  EXPECT_EQ(sounds.turnsound(), 1);
  EXPECT_TRUE(menu.menu.turnNew->isChecked());
  EXPECT_FALSE(menu.menu.turnClassic->isChecked());
  menu.menu.turnClassic->trigger();
  menu.menu.turnClassic->trigger();  // choosing it again keeps it checked
  EXPECT_EQ(sounds.turnsound(), 0);
  EXPECT_TRUE(menu.menu.turnClassic->isChecked());
  EXPECT_FALSE(menu.menu.turnNew->isChecked());
  EXPECT_EQ(services.settingsSaves, 3);
}

TEST(ChatterNames, Numbers) {
  struct Case {
    const char* name;
    int number;
  };
  const Case cases[] = {{"wave1", 1},   {"WAVE20", 20}, {"Wave12", 12}, {"wave0", 0}, {"wave21", 0},
                        {"wave012", 0}, {"wave+1", 0},  {"wave", 0},    {"dice2", 0}, {"", 0}};
  for (const auto& c : cases)
    EXPECT_EQ(chatterNumber(QString::fromLatin1(c.name)), c.number) << c.name;
  EXPECT_EQ(chatterCaption(0), QStringLiteral("<Cancel>"));
  EXPECT_EQ(chatterCaption(5), QStringLiteral("Where have you been?"));
  EXPECT_EQ(chatterCaption(21), QString());
}

}  // namespace
}  // namespace kuvo

namespace kuvo {
namespace {

TEST(SoundResources, EveryNamedSoundIsEmbedded) {
  testing::TestMenu menu;
  testing::FakeServices services;
  QPushButton button;
  SoundBoard sounds(services, menu.menu, &button);  // registers the sounds
  QStringList names = {"ENTERED", "DICE2",   "PLACEDICE", "EXTRA",     "INVALID",
                       "TURN",    "TURNNEW", "TICK",      "ROUNDOVER", "WINNER"};
  for (int n = 1; n <= kChatterSoundCount; ++n) names << QStringLiteral("WAVE%1").arg(n);
  for (const QString& name : names) {
    QFile wave(QStringLiteral(":/kuvo/sounds/%1.wav").arg(name));
    ASSERT_TRUE(wave.open(QIODevice::ReadOnly)) << name.toStdString();
    const QByteArray head = wave.read(12);
    EXPECT_TRUE(head.startsWith("RIFF") && head.endsWith("WAVE")) << name.toStdString();
    EXPECT_LT(wave.size(), 64 * 1024) << name.toStdString();
  }
}

}  // namespace
}  // namespace kuvo
