// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The seat key on disk: written for the user only, read back only when sound,
// for the same table and in time.
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "seatkeyfile.h"

namespace kuvo {
namespace {

constexpr qint64 kNow = 1'800'000'000'000;
const std::string kKey = "0123456789abcdef0123456789abcdef";

class SeatKeyFileTest : public ::testing::Test {
 protected:
  QString path() const { return folder.filePath("seat"); }
  void writeRaw(const QByteArray& text) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  QTemporaryDir folder;
  SeatKeyFile file{path()};
};

TEST_F(SeatKeyFileTest, KeepsTheSeatForTheUserOnly) {
  ASSERT_TRUE(file.write({"192.168.1.10", 7772, 3, kKey, kNow + 60'000}));
  EXPECT_EQ(QFile::permissions(path()), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                            QFileDevice::ReadUser | QFileDevice::WriteUser);
  const auto seat = file.read("192.168.1.10", 7772, kNow);
  ASSERT_TRUE(seat);
  EXPECT_EQ(seat->slot, 3);
  EXPECT_EQ(seat->key, kKey);
  EXPECT_EQ(seat->expires, kNow + 60'000);
  file.remove();
  EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(SeatKeyFileTest, AnotherTableLeavesTheFileForIt) {
  ASSERT_TRUE(file.write({"192.168.1.10", 7772, 3, kKey, kNow + 60'000}));
  EXPECT_FALSE(file.read("192.168.1.10", 7773, kNow));
  EXPECT_FALSE(file.read("192.168.1.11", 7772, kNow));
  EXPECT_TRUE(QFile::exists(path()));
}

TEST_F(SeatKeyFileTest, OnlyASoundFileInTimeCounts) {
  const QByteArray good = "address=h\nport=7772\nslot=3\nkey=" + QByteArray::fromStdString(kKey);
  const QByteArray head = "kuvo seat 1\n";
  struct Case {
    const char* what;
    QByteArray text;
    bool removed;  // no host keeps that seat any more
  };
  const Case cases[] = {
      {"expired", head + good + "\nexpires=" + QByteArray::number(kNow), true},
      {"beyond any hold", head + good + "\nexpires=" + QByteArray::number(kNow + 60'001), true},
      {"no heading", good + "\nexpires=" + QByteArray::number(kNow + 1000), false},
      {"no expiry", head + good, false},
      {"expiry twice",
       head + good + "\nexpires=" + QByteArray::number(kNow + 1000) +
           "\nexpires=" + QByteArray::number(kNow + 2000),
       false},
      {"negative expiry", head + good + "\nexpires=-5", false},
      {"unknown field", head + good + "\nexpires=1\nx=1", false},
      {"port 0", head + "address=h\nport=0\nslot=3\nkey=" + QByteArray::fromStdString(kKey), false},
      {"slot 0", head + "address=h\nport=7772\nslot=0\nkey=" + QByteArray::fromStdString(kKey),
       false},
      {"spectator slot",
       head + "address=h\nport=7772\nslot=7\nkey=" + QByteArray::fromStdString(kKey), false},
      {"short key", head + "address=h\nport=7772\nslot=3\nkey=0123", false},
      {"key not hex", head + "address=h\nport=7772\nslot=3\nkey=0123456789abcdef0123456789abcdeZ",
       false},
      {"oversized",
       head + good + "\nexpires=" + QByteArray::number(kNow + 1000) + "\n" + QByteArray(2000, '\n'),
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    writeRaw(c.text);
    EXPECT_FALSE(file.read("h", 7772, kNow));
    EXPECT_EQ(QFile::exists(path()), !c.removed);
  }
  // And the same fields in time are taken.
  writeRaw(head + good + "\nexpires=" + QByteArray::number(kNow + 1000) + "\n");
  EXPECT_TRUE(file.read("h", 7772, kNow));
}

}  // namespace
}  // namespace kuvo
