// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowart.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QScreen>
#include <QWidget>

// Q_INIT_RESOURCE has to be used outside any namespace.
static void initWindowResources() {
  Q_INIT_RESOURCE(windows);
}

namespace kuvo::windowart {

void ensureWindowResources() {
  static const bool done = (initWindowResources(), true);
  (void)done;
}

QIcon applicationIcon() {
  ensureWindowResources();
  QIcon icon;
  for (const int size : {16, 32, 48, 64, 128, 256}) {
    icon.addFile(QStringLiteral(":/windows/icons/kuvo-%1.png").arg(size), QSize(size, size));
  }
  return icon;
}

void applyWindowBackground(QWidget* window) {
  if (isDarkTheme(window)) return;
  QLinearGradient gradient(0, 0, 0, 1);
  gradient.setCoordinateMode(QGradient::ObjectMode);
  gradient.setColorAt(0.0, QColor(0xFF, 0xFF, 0xFF));
  gradient.setColorAt(0.55, QColor(0xF1, 0xF6, 0xFC));
  gradient.setColorAt(1.0, QColor(0xDC, 0xE8, 0xF6));
  QPalette palette = window->palette();
  palette.setBrush(QPalette::Window, QBrush(gradient));
  window->setPalette(palette);
  window->setAutoFillBackground(true);
}

void centreOver(QWidget* window, const QWidget* anchor) {
  QRect area;
  if (anchor != nullptr && anchor->isVisible()) {
    area = anchor->frameGeometry();
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    area = screen->availableGeometry();
  }
  if (area.isEmpty()) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(area.center());
  window->move(frame.topLeft());
}

void takeFocusOnShow(QWidget* window) {
  window->raise();
  window->activateWindow();
}

QPixmap drawStartButton(bool pressed) {
  QPixmap pixmap(kStartButtonSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF body = QRectF(pixmap.rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  QLinearGradient gradient(body.topLeft(), body.bottomLeft());
  const QColor top = pressed ? QColor(0x1D, 0x6F, 0x2C) : QColor(0x4C, 0xB8, 0x5A);
  const QColor bottom = pressed ? QColor(0x3F, 0xA0, 0x4E) : QColor(0x22, 0x7A, 0x33);
  gradient.setColorAt(0, top);
  gradient.setColorAt(1, bottom);
  painter.setPen(QPen(QColor(0x14, 0x4D, 0x1F), 1.5));
  painter.setBrush(gradient);
  painter.drawRoundedRect(body, 9, 9);
  // A small die on the left says what the button starts.
  const QRectF die(8, 7, 18, 18);
  painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
  painter.setBrush(Qt::white);
  painter.drawRoundedRect(die, 3, 3);
  painter.setBrush(QColor(0x20, 0x20, 0x20));
  painter.setPen(Qt::NoPen);
  for (const QPointF& pip :
       {die.topLeft() + QPointF(5, 5), die.center(), die.bottomRight() - QPointF(5, 5)}) {
    painter.drawEllipse(pip, 1.8, 1.8);
  }
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(15);
  painter.setFont(font);
  painter.setPen(Qt::white);
  const QRectF textArea = body.adjusted(26, pressed ? 1 : 0, 0, pressed ? 1 : 0);
  painter.drawText(textArea, Qt::AlignCenter,
                   QCoreApplication::translate("kuvo::windowart", "START GAME"));
  return pixmap;
}

QPixmap drawAboutLogo() {
  QPixmap pixmap(kAboutLogoSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF frame = QRectF(pixmap.rect()).adjusted(1, 1, -1, -1);
  QLinearGradient gradient(frame.topLeft(), frame.bottomRight());
  gradient.setColorAt(0, QColor(0x1B, 0x3A, 0x6B));
  gradient.setColorAt(1, QColor(0x2F, 0x6D, 0xB5));
  painter.setPen(Qt::NoPen);
  painter.setBrush(gradient);
  painter.drawRoundedRect(frame, 10, 10);
  // Two tilted dice.
  const auto drawDie = [&painter](QPointF centre, double angle, int pips) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF die(-17, -17, 34, 34);
    painter.setPen(QPen(QColor(0x10, 0x20, 0x40), 1.2));
    painter.setBrush(QColor(0xFD, 0xFD, 0xF7));
    painter.drawRoundedRect(die, 6, 6);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC0, 0x1F, 0x2F));
    const double d = 9;
    QList<QPointF> spots;
    if (pips == 5) spots = {{-d, -d}, {d, -d}, {0, 0}, {-d, d}, {d, d}};
    if (pips == 3) spots = {{-d, -d}, {0, 0}, {d, d}};
    for (const QPointF& spot : spots) painter.drawEllipse(spot, 3.2, 3.2);
    painter.restore();
  };
  drawDie(QPointF(34, 38), -12, 5);
  drawDie(QPointF(70, 42), 14, 3);
  QFont title = painter.font();
  title.setBold(true);
  title.setPixelSize(34);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
  painter.setFont(title);
  painter.setPen(QColor(0, 0, 0, 90));
  painter.drawText(QRectF(98, 8, 164, 44), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("KUVO"));
  painter.setPen(Qt::white);
  painter.drawText(QRectF(96, 6, 164, 44), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("KUVO"));
  QFont small = painter.font();
  small.setBold(false);
  small.setLetterSpacing(QFont::AbsoluteSpacing, 1);
  small.setPixelSize(12);
  painter.setFont(small);
  painter.setPen(QColor(0xD6, 0xE6, 0xFA));
  painter.drawText(QRectF(98, 48, 164, 20), Qt::AlignLeft | Qt::AlignVCenter,
                   QCoreApplication::translate("kuvo::windowart", "a dice game by Orvel"));
  return pixmap;
}

PictureButton::PictureButton(const QPixmap& normal, const QPixmap& pressed, QWidget* parent)
    : QAbstractButton(parent), normal_(normal), pressed_(pressed) {
  setFixedSize(normal.size());
  setCursor(Qt::PointingHandCursor);
  // Tab reaches it and Space presses it, for players without a mouse.
  setFocusPolicy(Qt::TabFocus);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, isDown() ? pressed_ : normal_);
  if (hasFocus()) {
    painter.setPen(QPen(QColor(255, 210, 60), 2, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

}  // namespace kuvo::windowart
