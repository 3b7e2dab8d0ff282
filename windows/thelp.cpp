// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "thelp.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "mnemonics.h"
#include "tabout.h"
#include "version.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;
namespace {

struct PageSpec {
  const char* buttonName;
  const char* caption;
  int number;
  const char* resource;
};

// In their order on screen, top to bottom.
// In their order on screen, top to bottom. A caption carries its button's
// mnemonic; the page's title shows it without.
constexpr PageSpec kPages[] = {
    {"SelButton1", QT_TRANSLATE_NOOP("kuvo::Thelp", "&Overview"), 1,
     ":/windows/help/overview.html"},
    {"SelButton2", QT_TRANSLATE_NOOP("kuvo::Thelp", "&Connecting"), 2,
     ":/windows/help/connecting.html"},
    {"SelButton3", QT_TRANSLATE_NOOP("kuvo::Thelp", "&Game Play"), 3,
     ":/windows/help/gameplay.html"},
    {"SelButton4", QT_TRANSLATE_NOOP("kuvo::Thelp", "&Scoring"), 4, ":/windows/help/scoring.html"},
    {"SelButton5", QT_TRANSLATE_NOOP("kuvo::Thelp", "Doc&umentation"), 5,
     ":/windows/help/documentation.html"},
    {"SelButton6", QT_TRANSLATE_NOOP("kuvo::Thelp", "&License"), 6, ":/windows/help/license.html"},
    {"SelButton11", QT_TRANSLATE_NOOP("kuvo::Thelp", "&The Lobby"), 11,
     ":/windows/help/lobby.html"},
};

// A page in the user's language where it is translated, else in English.
// Each translation names the folder of its pages beside the English ones.
QString localPage(const char* resource) {
  const QString english = QString::fromLatin1(resource);
  const QString folder = QCoreApplication::translate(
      "kuvo::Thelp", "en", "folder of the help pages in this language: de, fr, pt_BR");
  const QString translated = english.section(QLatin1Char('/'), 0, -2) + QLatin1Char('/') + folder +
                             QLatin1Char('/') + english.section(QLatin1Char('/'), -1);
  return QFile::exists(translated) ? translated : english;
}

// A page says "@VERSION@" where the running version belongs, so that it is
// written in one place only.
QString readPage(const char* resource) {
  QFile file(localPage(resource));
  if (!file.open(QIODevice::ReadOnly)) return QString();
  return QString::fromUtf8(file.readAll())
      .replace(QStringLiteral("@VERSION@"), QString::fromLatin1(kVersionText));
}

}  // namespace

Thelp::Thelp(QWidget* mainWindow, Tabout* about)
    : QDialog(mainWindow), mainWindow_(mainWindow), about_(about) {
  ensureWindowResources();
  setObjectName(QStringLiteral("help"));
  setWindowTitle(tr("Kuvo - Help File"));
  resize(523, 431);
  applyWindowBackground(this);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  auto* panel_side = new QWidget(this);
  panel_side->setObjectName(QStringLiteral("panel_side"));
  panel_side->setFixedWidth(137);
  auto* side = new QVBoxLayout(panel_side);
  side->setContentsMargins(8, 10, 8, 8);
  side->setSpacing(4);
  QPushButton* first = nullptr;
  for (const PageSpec& page : kPages) {
    auto* button = new QPushButton(tr(page.caption), panel_side);
    button->setObjectName(QString::fromLatin1(page.buttonName));
    button->setProperty("tag", page.number);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, button] { SelButton1Click(button); });
    side->addWidget(button);
    if (first == nullptr) first = button;
  }
  side->addSpacing(8);
  auto* button_about = new QPushButton(tr("&About"), panel_side);
  button_about->setObjectName(QStringLiteral("button_about"));
  button_about->setAutoDefault(false);
  connect(button_about, &QPushButton::clicked, this, &Thelp::button_aboutClick);
  side->addWidget(button_about);
  side->addStretch();

  auto* maker = new QLabel(QStringLiteral("Orvel Games"), panel_side);
  maker->setAlignment(Qt::AlignCenter);
  side->addWidget(maker);
  auto* reserved =
      new QLabel(tr("Free software under the GNU GPL, version 3 or later."), panel_side);
  reserved->setAlignment(Qt::AlignCenter);
  // The column is narrow; longer words in other languages take a second line.
  reserved->setWordWrap(true);
  side->addWidget(reserved);
  auto* rightsRow = new QHBoxLayout;
  rightsRow->setSpacing(3);
  rightsRow->addStretch();
  rightsRow->addWidget(new QLabel(tr("Copyright ©"), panel_side));
  auto* label_year = new QLabel(QString::number(QDate::currentDate().year()), panel_side);
  label_year->setObjectName(QStringLiteral("label_year"));
  rightsRow->addWidget(label_year);
  rightsRow->addStretch();
  side->addLayout(rightsRow);
  side->addSpacing(6);
  auto* button_done = new QPushButton(tr("&Done"), panel_side);
  button_done->setObjectName(QStringLiteral("button_done"));
  button_done->setAutoDefault(false);
  connect(button_done, &QPushButton::clicked, this, &QDialog::hide);
  side->addWidget(button_done);
  layout->addWidget(panel_side);

  auto* panel_main = new QWidget(this);
  panel_main->setObjectName(QStringLiteral("panel_main"));
  auto* main = new QVBoxLayout(panel_main);
  main->setContentsMargins(4, 8, 8, 8);
  main->setSpacing(6);
  label_caption_ = new QLabel(panel_main);
  label_caption_->setObjectName(QStringLiteral("label_caption"));
  QFont captionFont = label_caption_->font();
  captionFont.setBold(true);
  captionFont.setPointSize(captionFont.pointSize() + 4);
  label_caption_->setFont(captionFont);
  main->addWidget(label_caption_);
  pages_ = new QStackedWidget(panel_main);
  for (const PageSpec& page : kPages) {
    auto* memo = new QTextBrowser(pages_);
    memo->setObjectName(QStringLiteral("memo%1").arg(page.number));
    memo->setOpenLinks(false);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHtml(readPage(page.resource));
    memo->setAccessibleName(withoutMnemonic(tr(page.caption)));
    pages_->addWidget(memo);
  }
  main->addWidget(pages_, 1);
  layout->addWidget(panel_main, 1);

  SelButton1Click(first);
}

void Thelp::SelButton1Click(QPushButton* button) {
  const int number = button->property("tag").toInt();
  auto* page = pages_->findChild<QTextBrowser*>(QStringLiteral("memo%1").arg(number));
  if (page == nullptr) return;
  pages_->setCurrentWidget(page);
  label_caption_->setText(withoutMnemonic(button->text()));
}

void Thelp::button_aboutClick() {
  if (about_ == nullptr) return;
  about_->show();
  about_->raise();
}

QString Thelp::currentPageName() const {
  const QWidget* page = pages_->currentWidget();
  return page != nullptr ? page->objectName() : QString();
}

QString Thelp::caption() const {
  return label_caption_->text();
}

void Thelp::showEvent(QShowEvent* event) {
  centreOver(this, mainWindow_);
  QDialog::showEvent(event);
  takeFocusOnShow(this);
  // The page itself, so that the reader starts reading it at once.
  pages_->currentWidget()->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace kuvo
