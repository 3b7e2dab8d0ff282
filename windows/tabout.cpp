// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tabout.h"

#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "messages.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;

Tabout::Tabout(QWidget* mainWindow)
    : QDialog(mainWindow),
      URL1(QString::fromLatin1(kMakerAddress), TURL::utHttp),
      mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("about"));
  setWindowTitle(tr("Kuvo - About"));
  setFixedSize(304, 174);
  applyWindowBackground(this);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 6, 20, 6);
  layout->setSpacing(1);

  image_aboutlogo_ = new QLabel(this);
  image_aboutlogo_->setObjectName(QStringLiteral("image_aboutlogo"));
  image_aboutlogo_->setPixmap(drawAboutLogo());
  image_aboutlogo_->setFixedSize(kAboutLogoSize);
  image_aboutlogo_->setCursor(Qt::PointingHandCursor);
  image_aboutlogo_->setAccessibleName(tr("Kuvo logo"));
  image_aboutlogo_->installEventFilter(this);
  layout->addWidget(image_aboutlogo_, 0, Qt::AlignHCenter);

  label_url_ = new QLabel(URL1.URL(), this);
  label_url_->setObjectName(QStringLiteral("label_url"));
  label_url_->setAlignment(Qt::AlignCenter);
  label_url_->setCursor(Qt::PointingHandCursor);
  // Our own blue on our own light background; the theme's link colour where
  // the window follows a dark theme.
  label_url_->setStyleSheet(
      isDarkTheme(this) ? QStringLiteral("color: palette(link); text-decoration: underline;")
                        : QStringLiteral("color: #1A4FA0; text-decoration: underline;"));
  label_url_->installEventFilter(this);
  // Tab reaches the address and Return or Space opens it, as a click does.
  label_url_->setFocusPolicy(Qt::StrongFocus);
  label_url_->setAccessibleDescription(tr("Opens the maker's web site"));
  layout->addWidget(label_url_);

  auto* maker = new QLabel(QStringLiteral("Orvel Games"), this);
  maker->setAlignment(Qt::AlignCenter);
  layout->addWidget(maker);
  auto* licence = new QLabel(tr("Free software under the GNU GPL, version 3 or later."), this);
  licence->setAlignment(Qt::AlignCenter);
  licence->setWordWrap(true);
  layout->addWidget(licence);
  auto* rights = new QHBoxLayout;
  rights->setSpacing(3);
  rights->addStretch();
  rights->addWidget(new QLabel(tr("Copyright ©"), this));
  auto* label_year = new QLabel(QString::number(QDate::currentDate().year()), this);
  label_year->setObjectName(QStringLiteral("label_year"));
  rights->addWidget(label_year);
  rights->addStretch();
  layout->addLayout(rights);
  layout->addStretch();

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(0);
  bottom->addWidget(new QLabel(tr("Version "), this));
  version_ =
      new QLabel(QString::fromUtf8(kVersion.data(), static_cast<qsizetype>(kVersion.size())), this);
  version_->setObjectName(QStringLiteral("version"));
  bottom->addWidget(version_);
  bottom->addStretch();
  auto* done = new QPushButton(tr("&Done"), this);
  done->setObjectName(QStringLiteral("button_done"));
  done->setDefault(true);
  done->setFocus();
  connect(done, &QPushButton::clicked, this, &QDialog::hide);
  bottom->addWidget(done);
  layout->addLayout(bottom);
}

QString Tabout::version() const {
  return version_->text();
}

bool Tabout::openLink() {
  return URL1.open(*prompts_);
}

void Tabout::label_urlClick() {
  if (!openLink()) prompts_->tell(this, tr("Cannot open Webpage"));
}

bool Tabout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == label_url_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
      label_urlClick();
      return true;
    }
  }
  if ((watched == label_url_ || watched == image_aboutlogo_) &&
      event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    label_urlClick();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void Tabout::showEvent(QShowEvent* event) {
  centreOver(this, mainWindow_);
  QDialog::showEvent(event);
  takeFocusOnShow(this);
}

}  // namespace kuvo
