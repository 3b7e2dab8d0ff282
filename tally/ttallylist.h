// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The tally window: shows the tally store, lets the user follow the players seated now,
// stop following one, and wipe the whole tally. It owns the store for the program's life:
// it loads the tally file when created and saves it when destroyed.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <utility>

#include "prompts.h"
#include "tallyrecorder.h"
#include "tallystore.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace kuvo {

class Ttallylist : public QDialog, public TallyRecorder {
  Q_OBJECT

 public:
  // Loads the tally file. A missing file gives an empty store. A file that cannot be read
  // is moved aside untouched (see moveAsideUnreadable) and an empty store starts; when it
  // cannot be moved, it is left alone and this window never writes the tally.
  // Either way the window keeps a notice for the chat (takeLoadNotice).
  Ttallylist(QWidget* mainWindow, const QString& tallyFilePath);
  ~Ttallylist() override;  // saves

  // loadchecklist's source: the names of the others seated now, in slot order, as the
  // main window knows them; empty seats and the own seat are not among them.
  void setSlotSource(std::function<QStringList()> seatedNames);
  void loadchecklist();
  // Writes the file now (whole or not at all); false on failure, and always false after
  // an unreadable tally could not be moved aside.
  bool save();

  // TallyRecorder
  void addgame(const QString& winnerName, bool iWon) override;
  void addtomineincrease(int column) override;
  void addtomineset(int column, const QString& text) override;
  QString bestRoundScore() const override;

  // Where the window's questions and error boxes go; the desktop's dialogs unless set.
  void setPrompts(Prompts& prompts) { prompts_ = &prompts; }

  const TallyStore& store() const { return store_; }
  const QString& tallyFilePath() const { return tallyFilePath_; }
  // The load error, if the file could not be read.
  const QString& loadError() const { return loadError_; }
  // The line for the chat (without its "0+"; shown in the system colour) that tells what
  // became of an unreadable tally file; empty when there is nothing to say. The tally
  // window cannot write the chat itself, so the main window takes this once, after it
  // has attached the window; a second call returns an empty text.
  QString takeLoadNotice() { return std::exchange(loadNotice_, QString()); }

  // Event handlers, public so that the main window and tests can drive them.
  void checklistClickCheck(int index);
  void listbox_tallyClickCheck(int index);
  void listbox_tallyClick();
  void button_resetClick();
  void button_okClick();

 private:
  QLabel* addLabel(QWidget* parent, const QString& text, int x, int y, int width,
                   bool heading = false);
  void buildWindow(QWidget* mainWindow);
  void placeButtons();
  void showOwnRow();
  void fillListboxTally();
  void fillChecklist();
  // A Yes/No question or an error box whose text is shown as it is, never as markup.
  // Runs an update of the store and reports a conversion error like any failed handler.
  template <typename Update>
  void guarded(Update update);

  TallyStore store_;
  QString tallyFilePath_;
  QString loadError_;
  QString loadNotice_;
  bool mayWrite_ = true;  // false while an unreadable file still sits at the tally's path
  Prompts* prompts_ = &desktopPrompts();
  std::function<QStringList()> seatedNames_;
  bool filling_ = false;  // true while lists are rebuilt, so check changes are not clicks

 public:
  // Display elements, named as the code refers to them.
  std::array<QLabel*, 5> mylabel{};  // mylabel_1..mylabel_4 at [1]..[4]
  std::array<QLabel*, 9> label{};    // label_1..label_8 at [1]..[8]
  QLabel* label_hisnametop = nullptr;
  QLabel* label_hisname = nullptr;
  QListWidget* checklist = nullptr;
  QListWidget* listbox_tally = nullptr;
  QPushButton* button_reset = nullptr;
  QPushButton* button_done = nullptr;
};

}  // namespace kuvo
