// The tally window: shows the tally store, lets the user follow the players seated now,
// stop following one, and wipe the whole tally. It owns the store for the program's life:
// it loads the tally file when created and saves it when destroyed.
#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

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
  // Loads the tally file (missing file: empty store; unreadable: the error text in a
  // message box, empty store).
  Ttallylist(QWidget* mainWindow, const QString& tallyFilePath);
  ~Ttallylist() override;  // saves

  // loadchecklist's source: the names of the slots 1..6 as the main window shows them,
  // and the local player's number; loadchecklist skips the own slot and "<Waiting>".
  void setSlotSource(std::function<QStringList()> slotNames, std::function<int()> mynumber);
  void loadchecklist();
  bool save();  // writes the file now (whole or not at all); false on failure

  // TallyRecorder
  void addgame(const QString& text) override;
  void addtomineincrease(int column) override;
  void addtomineset(int column, const QString& text) override;
  QString mylabel3() const override;

  // The Yes/No question and the error box; tests replace them.
  std::function<QMessageBox::StandardButton(const QString& text)> askYesNo;
  std::function<void(const QString& text)> showError;

  const TallyStore& store() const { return store_; }
  const QString& tallyFilePath() const { return tallyFilePath_; }
  // The load error, if the file could not be read (it is also shown once the event loop
  // runs, so the box does not block the window's construction).
  const QString& loadError() const { return loadError_; }

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
  void showOwnRow();
  void fillListboxTally();
  void fillChecklist();
  // Runs an update of the store and reports a conversion error like any failed handler.
  template <typename Update>
  void guarded(Update update);

  TallyStore store_;
  QString tallyFilePath_;
  QString loadError_;
  std::function<QStringList()> slotNames_;
  std::function<int()> mynumber_;
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
