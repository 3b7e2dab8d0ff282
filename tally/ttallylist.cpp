// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ttallylist.h"

#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "logging.h"
#include "tallyfile.h"
#include "theme.h"

namespace kuvo {
namespace {

const QColor kPanelColour(221, 205, 149);   // 0x95CDDD
const QColor kHeadingColour(167, 109, 52);  // 0x346DA7
constexpr int kClientWidth = 455;
constexpr int kClientHeight = 357;
constexpr int kRowHeight = 17;

QFont windowFont() {
  QFont font(QStringLiteral("sans-serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(13);
  font.setBold(true);
  return font;
}

// The window's own colours (sand panels and lists, brown headings) are kept
// for light themes only: under a dark one, whose text is light, the window
// follows the theme throughout.
QFrame* makePanel(QWidget* parent, int x, int y, int width, int height) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::Panel);
  panel->setFrameShadow(QFrame::Raised);
  if (!isDarkTheme(parent)) {
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    panel->setPalette(palette);
  }
  panel->setGeometry(x, y, width, height);
  return panel;
}

QListWidget* makeList(QWidget* parent, int x, int y, int width, int height) {
  auto* list = new QListWidget(parent);
  if (!isDarkTheme(parent)) {
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, kPanelColour);
    list->setPalette(palette);
  }
  list->setGeometry(x, y, width, height);
  return list;
}

QListWidgetItem* makeCheckItem(const QString& name, bool checked) {
  auto* item = new QListWidgetItem(name);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
  item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
  return item;
}

}  // namespace

Ttallylist::Ttallylist(QWidget* mainWindow, const QString& tallyFilePath)
    : QDialog(mainWindow), tallyFilePath_(tallyFilePath) {
  TallyLoadResult loaded = loadTallyFile(tallyFilePath_);
  store_ = std::move(loaded.store);
  loadError_ = loaded.error;
  store_.loadtally();  // every start is a new session
  if (!loadError_.isEmpty()) {
    // Whatever made the file unreadable (damage, our own limits, a passing read error),
    // its bytes may still be the user's only record: they are never overwritten.
    const QString movedTo = moveAsideUnreadable(tallyFilePath_);
    if (movedTo.isEmpty()) {
      mayWrite_ = false;
      loadNotice_ = tr("Your tally file could not be read (%1) and could not be moved aside. "
                       "It is left as it is, and this run's tally will not be saved.")
                        .arg(loadError_);
    } else {
      loadNotice_ = tr("Your tally file could not be read (%1). It is kept unchanged as %2, "
                       "and a new tally has been started.")
                        .arg(loadError_, QDir::toNativeSeparators(movedTo));
    }
  }

  buildWindow(mainWindow);
  showOwnRow();
  fillListboxTally();
}

Ttallylist::~Ttallylist() {
  save();
}

QLabel* Ttallylist::addLabel(QWidget* parent, const QString& text, int x, int y, int width,
                             bool heading) {
  auto* result = new QLabel(text, parent);
  // Labels show names and cells from the file and from other players: never as markup.
  result->setTextFormat(Qt::PlainText);
  result->setGeometry(x, y, width, kRowHeight);
  if (heading && !isDarkTheme(parent)) {
    QPalette palette = result->palette();
    palette.setColor(QPalette::WindowText, kHeadingColour);
    result->setPalette(palette);
  }
  return result;
}

void Ttallylist::buildWindow(QWidget* mainWindow) {
  setWindowTitle(tr("Kuvo - Tally List"));
  setFixedSize(kClientWidth, kClientHeight);
  setFont(windowFont());
  setModal(false);
  if (mainWindow) {
    // The window wears the main window's background.
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, mainWindow->palette().brush(QPalette::Window));
    setPalette(palette);
  }

  // Own figures.
  QFrame* own = makePanel(this, 4, 4, 297, 92);
  const QString ownCaption = tr("Your Total Tally");
  addLabel(own, ownCaption, 8, 2, 280, true);
  own->setAccessibleName(ownCaption);
  const std::array<QString, 5> ownCaptions = {QString(), tr("Total Games:"), tr("Your Wins:"),
                                              tr("Highest Round Score:"), tr("Black Outs:")};
  for (int c = 1; c <= 4; ++c) {
    const int y = 2 + c * kRowHeight;
    addLabel(own, ownCaptions[static_cast<std::size_t>(c)], 16, y, 170);
    mylabel[static_cast<std::size_t>(c)] = addLabel(own, QStringLiteral("0"), 190, y, 100);
    mylabel[static_cast<std::size_t>(c)]->setObjectName(QStringLiteral("mylabel_%1").arg(c));
  }

  // Head to head with the selected opponent.
  QFrame* his = makePanel(this, 4, 100, 297, 140);
  his->setAccessibleName(tr("Head to head"));
  label_hisnametop = addLabel(his, QString(), 8, 2, 280, true);
  label_hisnametop->setObjectName(QStringLiteral("label_hisnametop"));
  QLabel* total = addLabel(his, tr("Total"), 150, 22, 60);
  QLabel* session = addLabel(his, tr("Session"), 215, 22, 70);
  for (QLabel* heading : {total, session}) {
    QFont font = heading->font();
    font.setUnderline(true);
    heading->setFont(font);
  }
  const int rowsTop = 44;
  const int rowStep = 22;
  addLabel(his, tr("Number of Games"), 8, rowsTop, 140);
  label_hisname = addLabel(his, tr("XX Wins:"), 8, rowsTop + rowStep, 140);
  label_hisname->setObjectName(QStringLiteral("label_hisname"));
  addLabel(his, tr("Your Wins:"), 8, rowsTop + 2 * rowStep, 140);
  addLabel(his, tr("Neither Won:"), 8, rowsTop + 3 * rowStep, 140);
  for (int i = 1; i <= 8; ++i) {
    const int row = (i - 1) % 4;
    const int x = i <= 4 ? 150 : 215;
    label[static_cast<std::size_t>(i)] =
        addLabel(his, QStringLiteral("0"), x, rowsTop + row * rowStep, 60);
    label[static_cast<std::size_t>(i)]->setObjectName(QStringLiteral("label_%1").arg(i));
  }

  // Players seated now.
  const QString seatedCaption = tr("Players In Current Game");
  addLabel(this, seatedCaption, 8, 241, 290, true);
  checklist = makeList(this, 4, 258, 297, 95);
  checklist->setObjectName(QStringLiteral("checklist"));
  checklist->setAccessibleName(seatedCaption);

  // Followed players and the buttons.
  const QString tallyCaption = tr("Players Being Tallied");
  addLabel(this, tallyCaption, 305, 4, 150, true);
  listbox_tally = makeList(this, 305, 21, 146, 308);
  listbox_tally->setObjectName(QStringLiteral("listbox_tally"));
  listbox_tally->setAccessibleName(tallyCaption);
  button_reset = new QPushButton(tr("&Reset Tally"), this);
  button_done = new QPushButton(tr("&Done"), this);
  placeButtons();
  button_done->setAutoDefault(false);
  button_reset->setAutoDefault(false);

  connect(checklist, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!filling_) checklistClickCheck(checklist->row(item));
  });
  connect(listbox_tally, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (filling_) return;
    // Answered after the click has been handled, because a Yes removes the very item
    // whose change is being reported.
    const int row = listbox_tally->row(item);
    const QString name = item->text();
    QMetaObject::invokeMethod(
        this,
        [this, row, name] {
          const QListWidgetItem* now = listbox_tally->item(row);
          if (now && now->text() == name) listbox_tallyClickCheck(row);
        },
        Qt::QueuedConnection);
  });
  connect(listbox_tally, &QListWidget::currentRowChanged, this,
          [this](int) { listbox_tallyClick(); });
  connect(button_reset, &QPushButton::clicked, this, [this] { button_resetClick(); });
  connect(button_done, &QPushButton::clicked, this, [this] { button_okClick(); });
}

void Ttallylist::placeButtons() {
  // Side by side under the list where the words fit, as the window was drawn;
  // where a language's longer words do not, one above the other, each as wide
  // as the list, which gives up a row for them.
  constexpr int left = 305;
  constexpr int width = 146;
  constexpr int gap = 4;
  constexpr int height = 23;
  constexpr int bottom = 332;
  // The words and a little room either side; the style's own minimum width
  // for a button is more than this window was drawn with.
  const auto wordsWidth = [](const QPushButton* button) {
    return button->fontMetrics().horizontalAdvance(button->text().remove(QLatin1Char('&'))) + 6;
  };
  const int doneWidth = std::max(50, wordsWidth(button_done));
  const int resetWidth = std::max(84, wordsWidth(button_reset));
  if (resetWidth + gap + doneWidth <= width) {
    button_reset->setGeometry(left, bottom, width - gap - doneWidth, height);
    button_done->setGeometry(left + width - doneWidth, bottom, doneWidth, height);
    return;
  }
  listbox_tally->resize(width, listbox_tally->height() - height - gap);
  button_reset->setGeometry(left, bottom - height - gap, width, height);
  button_done->setGeometry(left, bottom, width, height);
}

void Ttallylist::setSlotSource(std::function<QStringList()> seatedNames) {
  seatedNames_ = std::move(seatedNames);
}

void Ttallylist::loadchecklist() {
  store_.loadchecklist(seatedNames_ ? seatedNames_() : QStringList());
  fillChecklist();
}

bool Ttallylist::save() {
  if (!mayWrite_) return false;
  return saveTallyFile(tallyFilePath_, store_).isEmpty();
}

template <typename Update>
void Ttallylist::guarded(Update update) {
  try {
    update();
  } catch (const TallyError& error) {
    qCWarning(logTally) << "tally update refused:" << error.what();
    prompts_->tell(this, QString::fromStdString(error.what()), Prompts::Notice::Error);
  }
}

void Ttallylist::addgame(const QString& winnerName, bool iWon) {
  loadchecklist();
  guarded([&] { store_.addgame(winnerName, iWon); });
  showOwnRow();
  if (listbox_tally->currentRow() >= 0) listbox_tallyClick();
}

void Ttallylist::addtomineincrease(int column) {
  guarded([&] { store_.addtomineincrease(column); });
  showOwnRow();
}

void Ttallylist::addtomineset(int column, const QString& text) {
  store_.addtomineset(column, text);
  showOwnRow();
}

QString Ttallylist::bestRoundScore() const {
  return store_.cell(OwnColumn::kBestRoundScore, 0);
}

void Ttallylist::checklistClickCheck(int index) {
  const auto& entries = store_.checklist();
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return;
  const QString name = entries[static_cast<std::size_t>(index)].name;
  if (!store_.follow(name)) return;
  filling_ = true;
  listbox_tally->addItem(makeCheckItem(name, true));
  filling_ = false;
}

void Ttallylist::listbox_tallyClickCheck(int index) {
  QListWidgetItem* item = listbox_tally->item(index);
  if (!item || item->checkState() == Qt::Checked) return;
  const QString name = item->text();
  const bool remove = prompts_->askYesNo(
      this, tr("This will delete %1's Tally, Are you want to delete it?").arg(name));
  // The question may have let other events run; find the entry again.
  index = listbox_tally->row(item);
  if (index < 0) return;
  filling_ = true;
  if (remove) {
    store_.unfollow(index);
    delete listbox_tally->takeItem(index);
  } else {
    item->setCheckState(Qt::Checked);
  }
  filling_ = false;
}

void Ttallylist::listbox_tallyClick() {
  const int index = listbox_tally->currentRow();
  const int row = index + 1;
  if (index < 0 || row >= store_.rowCount()) return;
  for (int i = 1; i <= 8; ++i) label[static_cast<std::size_t>(i)]->setText(store_.cell(i, row));
  const QString name = store_.cell(0, row);
  label_hisname->setText(tr("%1 Wins:").arg(name));
  label_hisnametop->setText(tr("%1's Tally").arg(name));
}

void Ttallylist::button_resetClick() {
  if (!prompts_->askYesNo(this, tr("Are you sure you want to reset the Tally?"))) return;
  store_.reset();
  showOwnRow();
  filling_ = true;
  listbox_tally->clear();
  filling_ = false;
  for (int i = 1; i <= 8; ++i) label[static_cast<std::size_t>(i)]->setText(QStringLiteral("0"));
}

void Ttallylist::button_okClick() {
  hide();
}

void Ttallylist::showOwnRow() {
  for (int c = OwnColumn::kGames; c <= OwnColumn::kClearedBoards; ++c)
    mylabel[static_cast<std::size_t>(c)]->setText(store_.cell(c, 0));
}

void Ttallylist::fillListboxTally() {
  filling_ = true;
  listbox_tally->clear();
  for (const QString& name : store_.followed()) listbox_tally->addItem(makeCheckItem(name, true));
  filling_ = false;
}

void Ttallylist::fillChecklist() {
  filling_ = true;
  checklist->clear();
  for (const auto& entry : store_.checklist()) {
    checklist->addItem(makeCheckItem(entry.name, entry.checked));
  }
  filling_ = false;
}

}  // namespace kuvo
