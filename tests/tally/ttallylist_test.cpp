// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ttallylist.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "../windows/nameless.h"
#include "fakeprompts.h"
#include "tallyfile.h"

namespace kuvo {
namespace {

class TallyWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(folder.isValid()); }

  std::unique_ptr<Ttallylist> open() {
    auto window = std::make_unique<Ttallylist>(nullptr, path());
    window->setPrompts(prompts);
    window->setSlotSource([this] { return seatedNames; });
    return window;
  }

  QString path() const { return folder.filePath("Kuvotally.tld"); }

  void writeFile(const QByteArray& bytes) {
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  static QStringList listTexts(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    return texts;
  }

  static QStringList labels(const Ttallylist& w) {
    QStringList texts;
    for (int i = 1; i <= 8; ++i) texts << w.label[static_cast<std::size_t>(i)]->text();
    return texts;
  }

  // Clicks a check box the way the list reports it, and lets the queued handling run.
  static void toggle(QListWidget* list, int index) {
    QListWidgetItem* item = list->item(index);
    item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
  }

  QTemporaryDir folder;
  QStringList seatedNames = {"Ann", "Bob"};
  testing::FakePrompts prompts;
  const QStringList& questions = prompts.questions;
  const QStringList& errors = prompts.errors;
};

TEST_F(TallyWindowTest, StartsEmptyWithItsCaptionAndSize) {
  auto w = open();
  EXPECT_EQ(w->windowTitle(), "Kuvo - Tally List");
  EXPECT_EQ(w->size(), QSize(455, 357));
  for (int c = 1; c <= 4; ++c) EXPECT_EQ(w->mylabel[static_cast<std::size_t>(c)]->text(), "0");
  EXPECT_EQ(labels(*w), QStringList(8, "0"));
  EXPECT_EQ(w->label_hisname->text(), "XX Wins:");
  EXPECT_EQ(w->label_hisnametop->text(), "");
  EXPECT_EQ(w->button_reset->text(), "&Reset Tally");
  EXPECT_EQ(w->button_done->text(), "&Done");
  EXPECT_EQ(w->listbox_tally->count(), 0);
  EXPECT_TRUE(w->loadError().isEmpty());
}

TEST_F(TallyWindowTest, EveryControlHasAName) {
  auto w = open();
  w->loadchecklist();
  w->show();
  EXPECT_EQ(testing::namelessControls(w.get()), QStringList());
}

TEST_F(TallyWindowTest, FollowingFromTheChecklist) {
  auto w = open();
  w->loadchecklist();
  ASSERT_EQ(listTexts(w->checklist), (QStringList{"Ann", "Bob"}));
  toggle(w->checklist, 1);
  EXPECT_EQ(listTexts(w->listbox_tally), QStringList{"Bob"});
  EXPECT_EQ(w->listbox_tally->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(w->store().rowCount(), 2);
  toggle(w->checklist, 1);  // clearing the mark keeps following
  EXPECT_EQ(w->store().rowCount(), 2);
  EXPECT_EQ(w->store().followed(), QStringList{"Bob"});
}

TEST_F(TallyWindowTest, StopFollowingAnsweredNoKeepsTheEntry) {
  auto w = open();
  w->loadchecklist();
  toggle(w->checklist, 0);
  prompts.answerYes = false;
  toggle(w->listbox_tally, 0);
  ASSERT_EQ(questions, QStringList{"This will delete Ann's Tally, Are you want to delete it?"});
  EXPECT_EQ(w->listbox_tally->item(0)->checkState(), Qt::Checked);
  EXPECT_EQ(w->store().followed(), QStringList{"Ann"});
}

TEST_F(TallyWindowTest, StopFollowingAnsweredYesRemovesEntryAndRow) {
  auto w = open();
  w->loadchecklist();
  toggle(w->checklist, 0);
  toggle(w->checklist, 1);
  w->addgame("Bob", false);
  toggle(w->listbox_tally, 0);
  EXPECT_EQ(questions.size(), 1);
  EXPECT_EQ(listTexts(w->listbox_tally), QStringList{"Bob"});
  EXPECT_EQ(w->store().followed(), QStringList{"Bob"});
  w->listbox_tally->setCurrentRow(0);
  EXPECT_EQ(labels(*w), (QStringList{"1", "1", "0", "0", "1", "1", "0", "0"}));
  EXPECT_EQ(w->label_hisname->text(), "Bob Wins:");
  EXPECT_EQ(w->label_hisnametop->text(), "Bob's Tally");
}

TEST_F(TallyWindowTest, ResetAnsweredNoChangesNothingYesWipes) {
  auto w = open();
  w->loadchecklist();
  toggle(w->checklist, 0);
  w->addgame(QString(), true);
  w->listbox_tally->setCurrentRow(0);
  prompts.answerYes = false;
  QTest::mouseClick(w->button_reset, Qt::LeftButton);
  EXPECT_EQ(questions, QStringList{"Are you sure you want to reset the Tally?"});
  EXPECT_EQ(w->mylabel[2]->text(), "1");
  EXPECT_EQ(w->listbox_tally->count(), 1);

  prompts.answerYes = true;
  QTest::mouseClick(w->button_reset, Qt::LeftButton);
  EXPECT_EQ(w->mylabel[1]->text(), "0");
  EXPECT_EQ(w->mylabel[2]->text(), "0");
  EXPECT_EQ(w->listbox_tally->count(), 0);
  EXPECT_EQ(labels(*w), QStringList(8, "0"));
  EXPECT_EQ(w->label_hisnametop->text(), "Ann's Tally");  // captions keep their text
  EXPECT_EQ(w->store().rowCount(), 1);
  w->addgame(QString(), true);
  EXPECT_EQ(w->mylabel[1]->text(), "1");
}

TEST_F(TallyWindowTest, RecorderCallsShowAtOnce) {
  auto w = open();
  w->addtomineincrease(4);
  w->addtomineset(3, "1500");
  EXPECT_EQ(w->mylabel[4]->text(), "1");
  EXPECT_EQ(w->mylabel[3]->text(), "1500");
  EXPECT_EQ(w->bestRoundScore(), "1500");
  TallyRecorder& recorder = *w;
  recorder.addgame("Ann", false);
  EXPECT_EQ(w->mylabel[1]->text(), "1");
  EXPECT_EQ(w->mylabel[2]->text(), "0");
}

TEST_F(TallyWindowTest, DoneHides) {
  auto w = open();
  w->show();
  QTest::mouseClick(w->button_done, Qt::LeftButton);
  EXPECT_FALSE(w->isVisible());
}

TEST_F(TallyWindowTest, SavedWhenDestroyedAndSessionStartsAtZero) {
  {
    auto w = open();
    w->loadchecklist();
    toggle(w->checklist, 0);
    w->addgame("Ann", false);
    w->addgame(QString(), true);
  }
  ASSERT_TRUE(QFile::exists(path()));
  EXPECT_FALSE(QFile::exists(folder.filePath("temp.txt")));
  auto w = open();
  EXPECT_EQ(w->mylabel[1]->text(), "2");
  EXPECT_EQ(w->mylabel[2]->text(), "1");
  EXPECT_EQ(listTexts(w->listbox_tally), QStringList{"Ann"});
  w->listbox_tally->setCurrentRow(0);
  EXPECT_EQ(labels(*w), (QStringList{"2", "1", "1", "0", "0", "0", "0", "0"}));
}

TEST_F(TallyWindowTest, UnreadableFilesAreMovedAsideUntouchedAndANewTallyStarts) {
  const std::vector<std::pair<QByteArray, QString>> cases = {
      {"JUNKJUNKJUNK", path() + " : Lzrw1 decompression : this file has no valid header !"},
      {QByteArray("!HZL\x05\0\0\0", 8),
       path() + " : Lzrw1 decompression : LZH coded files (!HZL) cannot be read !"},
      {"WRZL", "Lzrw1 : Error reading from input file : " + path()},
  };
  const QStringList asideNames = {"Kuvotally.tld.unreadable", "Kuvotally.tld.unreadable.2",
                                  "Kuvotally.tld.unreadable.3"};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto& [bytes, error] = cases[i];
    SCOPED_TRACE(error.toStdString());
    writeFile(bytes);
    const QString aside = folder.filePath(asideNames[static_cast<int>(i)]);
    {
      auto w = open();
      EXPECT_EQ(w->loadError(), error);
      EXPECT_EQ(w->store().rowCount(), 1);
      EXPECT_EQ(w->mylabel[1]->text(), "0");
      EXPECT_FALSE(QFile::exists(path()));
      QFile kept(aside);
      ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
      EXPECT_EQ(kept.readAll(), bytes);
      const QString notice = w->takeLoadNotice();
      EXPECT_TRUE(notice.contains(error)) << notice.toStdString();
      EXPECT_TRUE(notice.contains(QDir::toNativeSeparators(aside))) << notice.toStdString();
      EXPECT_TRUE(w->takeLoadNotice().isEmpty());  // said once
      EXPECT_TRUE(errors.isEmpty());               // no box at start-up
      w->addgame(QString(), true);
    }
    // The new tally is written where the old one was; the copy keeps its bytes.
    EXPECT_EQ(TallyStore::fromText(readContainerFile(path())).cell(1, 0), "1");
    QFile kept(aside);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), bytes);
  }
}

TEST_F(TallyWindowTest, AnUnreadableFileThatCannotBeMovedIsNeverWritten) {
  QFile(folder.filePath("Kuvotally.tld.unreadable")).open(QIODevice::WriteOnly);
  for (int n = 2; n <= kMaxUnreadableCopies; ++n) {
    QFile(folder.filePath(QStringLiteral("Kuvotally.tld.unreadable.%1").arg(n)))
        .open(QIODevice::WriteOnly);
  }
  writeFile("JUNKJUNKJUNK");
  {
    auto w = open();
    EXPECT_FALSE(w->loadError().isEmpty());
    EXPECT_TRUE(w->takeLoadNotice().contains("could not be moved aside"));
    w->addgame(QString(), true);
    EXPECT_FALSE(w->save());
  }
  QFile file(path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), QByteArray("JUNKJUNKJUNK"));
}

TEST_F(TallyWindowTest, AMissingFileIsNoNotice) {
  auto w = open();
  EXPECT_TRUE(w->takeLoadNotice().isEmpty());
  EXPECT_TRUE(w->save());
}

// Names come from other players and from the file; markup in them is shown as typed.
TEST_F(TallyWindowTest, NamesAreShownAsPlainTextEverywhere) {
  const QString name = "<h1>Ann</h1>";
  seatedNames[0] = name;
  // The window's own question box, not the test's recorder.
  auto w = std::make_unique<Ttallylist>(nullptr, path());
  w->setSlotSource([this] { return seatedNames; });
  w->loadchecklist();
  EXPECT_EQ(listTexts(w->checklist), (QStringList{name, "Bob"}));
  toggle(w->checklist, 0);
  EXPECT_EQ(listTexts(w->listbox_tally), QStringList{name});
  w->listbox_tally->setCurrentRow(0);
  EXPECT_EQ(w->label_hisname->text(), name + " Wins:");
  EXPECT_EQ(w->label_hisnametop->text(), name + "'s Tally");
  for (const QLabel* label : w->findChildren<QLabel*>()) {
    EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->text().toStdString();
  }

  // The real question box, answered No by a bounded watcher.
  QString asked;
  Qt::TextFormat format = Qt::AutoText;
  int looks = 0;
  std::function<void()> answerBox = [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      asked = box->text();
      format = box->textFormat();
      box->done(QMessageBox::No);
    } else if (++looks < 200) {
      QTimer::singleShot(10, answerBox);
    }
  };
  QTimer::singleShot(0, answerBox);
  toggle(w->listbox_tally, 0);
  EXPECT_EQ(asked, "This will delete " + name + "'s Tally, Are you want to delete it?");
  EXPECT_EQ(format, Qt::PlainText);
  EXPECT_EQ(w->store().followed(), QStringList{name});
}

TEST_F(TallyWindowTest, AFailedSaveReportsFalseAndKeepsTheOldFile) {
  TallyStore old;
  old.addtomineincrease(1);
  writeContainerFile(path(), old.toText());
  const QString blocked = folder.filePath("missing/Kuvotally.tld");
  Ttallylist w(nullptr, blocked);
  EXPECT_FALSE(w.save());
  EXPECT_EQ(TallyStore::fromText(readContainerFile(path())).cell(1, 0), "1");
}

TEST_F(TallyWindowTest, AConversionErrorIsShownAndTheProgramGoesOn) {
  TallyStore bad;
  bad.setCell(1, 0, "lots");
  writeContainerFile(path(), bad.toText());
  auto w = open();
  w->addgame(QString(), true);
  EXPECT_EQ(errors, QStringList{"'lots' is not a valid integer value"});
  EXPECT_EQ(w->mylabel[1]->text(), "lots");
  EXPECT_EQ(w->mylabel[2]->text(), "0");
}

}  // namespace
}  // namespace kuvo
