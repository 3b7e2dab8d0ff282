// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pictures.h"

#include <array>
#include <cmath>

#include <QCoreApplication>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace kuvo {
namespace {

QImage blank(int w, int h) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  return image;
}

void smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont boldFont(int pixels, int weight = QFont::Black) {
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(pixels);
  font.setWeight(static_cast<QFont::Weight>(weight));
  return font;
}

// Text centred in a rectangle with a one-pixel drop shadow.
void shadowText(QPainter& p, const QRectF& r, const QString& text, const QColor& colour,
                const QColor& shadow) {
  p.setPen(shadow);
  p.drawText(r.translated(1, 1), Qt::AlignCenter, text);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, text);
}

// Wood: a warm gradient with a few wavy grain lines.
void paintWood(QPainter& p, const QRectF& r, qreal radius) {
  QPainterPath outline;
  outline.addRoundedRect(r, radius, radius);
  QLinearGradient wood(r.topLeft(), r.bottomRight());
  wood.setColorAt(0.0, QColor(142, 88, 46));
  wood.setColorAt(0.45, QColor(116, 68, 34));
  wood.setColorAt(1.0, QColor(88, 50, 24));
  p.fillPath(outline, wood);
  p.save();
  p.setClipPath(outline);
  for (int line = 0; line < 34; ++line) {
    QPainterPath grain;
    const qreal y0 = r.top() + line * r.height() / 34.0;
    grain.moveTo(r.left(), y0);
    for (qreal x = r.left(); x <= r.right(); x += 6) {
      const qreal wave = 2.5 * std::sin(x / 23.0 + line * 1.7) + 1.2 * std::sin(x / 7.0 + line);
      grain.lineTo(x, y0 + wave);
    }
    p.setPen(QPen(QColor(60, 32, 14, line % 3 == 0 ? 70 : 35), line % 4 == 0 ? 1.6 : 0.8));
    p.drawPath(grain);
  }
  p.restore();
  p.setPen(QPen(QColor(54, 30, 12), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
}

// A sunken felt area.
void paintFelt(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark) {
  QRadialGradient felt(r.center(), std::max(r.width(), r.height()) * 0.75);
  felt.setColorAt(0.0, light);
  felt.setColorAt(1.0, dark);
  p.fillRect(r, felt);
  p.setPen(QPen(QColor(0, 0, 0, 120), 2));
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QPen(QColor(255, 255, 255, 50), 1));
  p.drawLine(r.bottomLeft() + QPointF(0, -0.5), r.bottomRight() + QPointF(0, -0.5));
  p.drawLine(r.topRight() + QPointF(-0.5, 0), r.bottomRight() + QPointF(-0.5, 0));
}

QPixmap drawBoardImage() {
  QImage image = blank(411, 440);
  QPainter p(&image);
  smooth(p);
  // The wooden tray covers the board and the dice; the strip to its right
  // stays transparent so the ball's track behind it shows.
  paintWood(p, QRectF(0.5, 0.5, 365, 439), 9);
  paintFelt(p, QRectF(3, 3, 360, 360), QColor(40, 120, 72), QColor(18, 70, 40));
  for (int c = 0; c < 5; ++c) {
    for (int r = 0; r < 5; ++r) {
      const QRectF tile(3 + c * 72 + 4, 3 + r * 72 + 4, 64, 64);
      QPainterPath path;
      path.addRoundedRect(tile, 9, 9);
      QLinearGradient g(tile.topLeft(), tile.bottomLeft());
      g.setColorAt(0.0, QColor(24, 84, 50));
      g.setColorAt(1.0, QColor(44, 124, 76));
      p.fillPath(path, g);
      p.setPen(QPen(QColor(8, 40, 22, 200), 1.2));
      p.drawPath(path);
      p.setPen(QPen(QColor(140, 220, 160, 60), 1));
      p.drawLine(tile.bottomLeft() + QPointF(8, 0.8), tile.bottomRight() + QPointF(-8, 0.8));
    }
  }
  // The dice tray with a socket under every die.
  paintFelt(p, QRectF(3, 367, 360, 70), QColor(30, 92, 56), QColor(14, 54, 30));
  const std::array<int, 5> diceLefts{27, 101, 175, 246, 318};  // die lefts in this picture
  for (int left : diceLefts) {
    QPainterPath socket;
    socket.addRoundedRect(QRectF(left - 3, 393, 38, 38), 8, 8);
    p.fillPath(socket, QColor(0, 0, 0, 70));
    p.setPen(QPen(QColor(150, 210, 160, 60), 1));
    p.drawPath(socket);
  }
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawNumeral(int n) {
  static const std::array<QColor, 7> rings{QColor(),
                                           QColor(200, 40, 40),
                                           QColor(225, 120, 20),
                                           QColor(190, 160, 10),
                                           QColor(40, 150, 60),
                                           QColor(30, 100, 200),
                                           QColor(130, 50, 170)};
  QImage image = blank(72, 72);
  QPainter p(&image);
  smooth(p);
  const QRectF disc(8, 8, 56, 56);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawEllipse(disc.translated(1.5, 2));
  QRadialGradient ivory(QPointF(28, 24), 40);
  ivory.setColorAt(0.0, QColor(255, 253, 240));
  ivory.setColorAt(0.7, QColor(236, 226, 196));
  ivory.setColorAt(1.0, QColor(196, 182, 146));
  p.setBrush(ivory);
  p.setPen(QPen(rings[n], 4));
  p.drawEllipse(disc.adjusted(2, 2, -2, -2));
  p.setFont(boldFont(36));
  shadowText(p, disc.adjusted(0, -1, 0, -1), QString::number(n), QColor(28, 32, 60),
             QColor(255, 255, 255, 160));
  p.end();
  return QPixmap::fromImage(image);
}

void paintCross(QPainter& p) {
  // A dark wash first, so a taken number reads as spent but stays legible
  // through the cross.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(20, 10, 10, 105));
  p.drawEllipse(QRectF(9, 9, 54, 54));
  const QLineF a(15, 15, 57, 57);
  const QLineF b(57, 15, 15, 57);
  p.setPen(QPen(QColor(40, 0, 0, 120), 12, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a.translated(1, 2));
  p.drawLine(b.translated(1, 2));
  p.setPen(QPen(QColor(120, 10, 10, 225), 10, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a);
  p.drawLine(b);
  p.setPen(QPen(QColor(236, 42, 42, 225), 6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a);
  p.drawLine(b);
  p.setPen(QPen(QColor(255, 150, 150, 150), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a.translated(-1, -1));
  p.drawLine(b.translated(1, -1));
}

QPixmap drawTaken(const QString& badge, const QColor& top, const QColor& bottom,
                  const QColor& text) {
  QImage image = blank(72, 72);
  QPainter p(&image);
  smooth(p);
  paintCross(p);
  if (!badge.isEmpty()) {
    const QRectF r(10, 46, 52, 21);
    QPainterPath path;
    path.addRoundedRect(r, 10, 10);
    p.fillPath(path.translated(1, 1.5), QColor(0, 0, 0, 120));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, top);
    g.setColorAt(1.0, bottom);
    p.fillPath(path, g);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    p.drawPath(path);
    p.setFont(boldFont(badge.size() > 3 ? 12 : 15));
    shadowText(p, r, badge, text, QColor(0, 0, 0, 140));
  }
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawDie(int pips) {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);
  const QRectF body(1, 1, 29.5, 29.5);
  QPainterPath path;
  path.addRoundedRect(body, 6, 6);
  QLinearGradient g(body.topLeft(), body.bottomRight());
  g.setColorAt(0.0, QColor(255, 255, 255));
  g.setColorAt(1.0, QColor(214, 210, 200));
  p.fillPath(path, g);
  p.setPen(QPen(QColor(70, 60, 50), 1.2));
  p.drawPath(path);
  // Pips on a 3 x 3 grid: index 0 top left .. 8 bottom right.
  static const std::array<std::array<bool, 9>, 7> layout{{
      {},
      {false, false, false, false, true, false, false, false, false},
      {true, false, false, false, false, false, false, false, true},
      {true, false, false, false, true, false, false, false, true},
      {true, false, true, false, false, false, true, false, true},
      {true, false, true, false, true, false, true, false, true},
      {true, false, true, true, false, true, true, false, true},
  }};
  p.setPen(Qt::NoPen);
  for (int k = 0; k < 9; ++k) {
    if (!layout[pips][k]) continue;
    const QPointF centre(8.5 + (k % 3) * 7.5, 8.5 + (k / 3) * 7.5);
    QRadialGradient pip(centre - QPointF(0.8, 0.8), 3.4);
    pip.setColorAt(0.0, pips == 1 ? QColor(230, 60, 60) : QColor(90, 90, 100));
    pip.setColorAt(1.0, pips == 1 ? QColor(150, 10, 10) : QColor(10, 10, 16));
    p.setBrush(pip);
    p.drawEllipse(centre, pips == 1 ? 4.2 : 3.0, pips == 1 ? 4.2 : 3.0);
  }
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawCoin(const QString& text, const QColor& light, const QColor& dark, int fontPixels) {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);
  QRadialGradient g(QPointF(12, 11), 20);
  g.setColorAt(0.0, light);
  g.setColorAt(1.0, dark);
  p.setBrush(g);
  p.setPen(QPen(dark.darker(160), 1.5));
  p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
  p.setPen(QPen(QColor(255, 255, 255, 110), 1));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(4, 4, 24, 24));
  p.setFont(boldFont(fontPixels));
  shadowText(p, QRectF(0, 0, 32, 32), text, QColor(255, 255, 255), QColor(0, 0, 0, 170));
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawBall() {
  QImage image = blank(32, 32);
  QPainter p(&image);
  smooth(p);
  p.setPen(Qt::NoPen);
  QRadialGradient body(QPointF(12, 11), 22, QPointF(11, 9));
  body.setColorAt(0.0, QColor(255, 150, 140));
  body.setColorAt(0.35, QColor(220, 30, 30));
  body.setColorAt(0.85, QColor(120, 0, 0));
  body.setColorAt(1.0, QColor(70, 0, 0));
  p.setBrush(body);
  p.drawEllipse(QRectF(1, 1, 30, 30));
  QRadialGradient shine(QPointF(11, 9), 7);
  shine.setColorAt(0.0, QColor(255, 255, 255, 230));
  shine.setColorAt(1.0, QColor(255, 255, 255, 0));
  p.setBrush(shine);
  p.drawEllipse(QRectF(4, 3, 14, 11));
  p.setBrush(QColor(255, 200, 200, 60));
  p.drawEllipse(QRectF(14, 24, 10, 4));
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawTrack() {
  QImage image = blank(25, 230);
  QPainter p(&image);
  smooth(p);
  QPainterPath rim;
  rim.addRoundedRect(QRectF(0.5, 0.5, 24, 229), 12, 12);
  QLinearGradient metal(0, 0, 25, 0);
  metal.setColorAt(0.0, QColor(230, 230, 236));
  metal.setColorAt(0.5, QColor(150, 150, 160));
  metal.setColorAt(1.0, QColor(90, 90, 100));
  p.fillPath(rim, metal);
  QPainterPath groove;
  groove.addRoundedRect(QRectF(5, 5, 15, 220), 7.5, 7.5);
  QLinearGradient dark(5, 0, 20, 0);
  dark.setColorAt(0.0, QColor(10, 10, 14));
  dark.setColorAt(0.6, QColor(46, 46, 54));
  dark.setColorAt(1.0, QColor(24, 24, 30));
  p.fillPath(groove, dark);
  p.setPen(QPen(QColor(40, 40, 46), 1));
  p.drawPath(rim);
  // Notches down the groove: the further the ball goes, the harder the pull.
  p.setPen(QPen(QColor(200, 200, 210, 90), 1));
  for (int y = 30; y < 215; y += 24) p.drawLine(QPointF(8, y), QPointF(17, y));
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawClockFrame() {
  QImage image = blank(181, 27);
  QPainter p(&image);
  smooth(p);
  QPainterPath outer;
  outer.addRoundedRect(QRectF(0.5, 0.5, 180, 26), 7, 7);
  QLinearGradient bezel(0, 0, 0, 27);
  bezel.setColorAt(0.0, QColor(214, 184, 110));
  bezel.setColorAt(0.5, QColor(150, 112, 46));
  bezel.setColorAt(1.0, QColor(96, 66, 22));
  p.fillPath(outer, bezel);
  p.setPen(QPen(QColor(60, 40, 10), 1));
  p.drawPath(outer);
  QPainterPath inner;
  inner.addRoundedRect(QRectF(4.5, 4.5, 172, 18), 3, 3);
  QLinearGradient recess(0, 5, 0, 23);
  recess.setColorAt(0.0, QColor(20, 24, 30));
  recess.setColorAt(1.0, QColor(58, 64, 74));
  p.fillPath(inner, recess);
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawClockBar() {
  QImage image = blank(171, 17);
  QPainter p(&image);
  smooth(p);
  // Red at the left: a nearly empty bar, cut from the right, reads as urgent.
  QLinearGradient fill(0, 0, 171, 0);
  fill.setColorAt(0.0, QColor(214, 40, 30));
  fill.setColorAt(0.3, QColor(240, 150, 30));
  fill.setColorAt(0.6, QColor(230, 220, 60));
  fill.setColorAt(1.0, QColor(70, 200, 80));
  p.fillRect(QRectF(0, 0, 171, 17), fill);
  QLinearGradient gloss(0, 0, 0, 17);
  gloss.setColorAt(0.0, QColor(255, 255, 255, 150));
  gloss.setColorAt(0.45, QColor(255, 255, 255, 40));
  gloss.setColorAt(0.55, QColor(0, 0, 0, 0));
  gloss.setColorAt(1.0, QColor(0, 0, 0, 60));
  p.fillRect(QRectF(0, 0, 171, 17), gloss);
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawStatusBackground() {
  QImage image = blank(368, 38);
  QPainter p(&image);
  smooth(p);
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 1, 366, 36), 9, 9);
  QLinearGradient g(0, 0, 0, 38);
  g.setColorAt(0.0, QColor(74, 44, 26));
  g.setColorAt(0.5, QColor(46, 26, 14));
  g.setColorAt(1.0, QColor(30, 16, 8));
  p.fillPath(path, g);
  p.setPen(QPen(QColor(206, 170, 90), 1.6));
  p.drawPath(path);
  p.setPen(QPen(QColor(255, 230, 170, 50), 1));
  p.drawLine(QPointF(12, 4), QPointF(356, 4));
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawStartButton() {
  QImage image = blank(161, 32);
  QPainter p(&image);
  smooth(p);
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 1, 159, 30), 14, 14);
  p.fillPath(path.translated(0, 1), QColor(0, 0, 0, 110));
  QLinearGradient g(0, 0, 0, 32);
  g.setColorAt(0.0, QColor(120, 210, 110));
  g.setColorAt(0.5, QColor(40, 150, 50));
  g.setColorAt(1.0, QColor(20, 100, 30));
  p.fillPath(path, g);
  p.setPen(QPen(QColor(230, 200, 110), 1.6));
  p.drawPath(path);
  p.setFont(boldFont(17));
  shadowText(p, QRectF(0, 0, 161, 31),
             QCoreApplication::translate("kuvo::BoardPictures", "Start Game"),
             QColor(255, 255, 240), QColor(0, 50, 0, 200));
  p.end();
  return QPixmap::fromImage(image);
}

QPixmap drawEyes() {
  QImage image = blank(22, 9);
  QPainter p(&image);
  smooth(p);
  for (qreal left : {1.0, 12.0}) {
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QRectF(left, 1, 9, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 60, 150));
    p.drawEllipse(QRectF(left + 3, 2.5, 4, 4));
  }
  p.end();
  return QPixmap::fromImage(image);
}

}  // namespace

BoardPictures::BoardPictures() {
  imagelist_board.push_back(QPixmap::fromImage(blank(kCell, kCell)));
  for (int n = 1; n <= 6; ++n) imagelist_board.push_back(drawNumeral(n));
  imagelist_board.push_back(drawTaken(QString(), {}, {}, {}));
  imagelist_board.push_back(drawTaken(QStringLiteral("100"), QColor(255, 214, 80),
                                      QColor(196, 140, 10), QColor(255, 255, 255)));
  imagelist_board.push_back(drawTaken(QStringLiteral("200"), QColor(230, 120, 255),
                                      QColor(130, 30, 170), QColor(255, 255, 255)));
  imagelist_board.push_back(drawTaken(QCoreApplication::translate("kuvo::BoardPictures", "PULL"),
                                      QColor(110, 190, 255), QColor(20, 90, 200),
                                      QColor(255, 255, 255)));

  imagelist_dice.push_back(QPixmap::fromImage(blank(kDie, kDie)));
  for (int n = 1; n <= 6; ++n) imagelist_dice.push_back(drawDie(n));
  imagelist_dice.push_back(
      drawCoin(QStringLiteral("100"), QColor(255, 226, 110), QColor(190, 130, 10), 10));
  imagelist_dice.push_back(
      drawCoin(QStringLiteral("200"), QColor(236, 150, 255), QColor(120, 30, 160), 10));
  imagelist_dice.push_back(
      drawCoin(QStringLiteral("+1"), QColor(140, 210, 255), QColor(20, 90, 200), 13));

  boardimage = drawBoardImage();
  ball = drawBall();
  track = drawTrack();
  clockFrame = drawClockFrame();
  clockBar = drawClockBar();
  statusBackground = drawStatusBackground();
  startButton = drawStartButton();
  eyes = drawEyes();
}

const BoardPictures& BoardPictures::instance() {
  static const BoardPictures pictures;
  return pictures;
}

const QPixmap& BoardPictures::board(int index) const {
  if (index < 0 || index >= static_cast<int>(imagelist_board.size())) return none_;
  return imagelist_board[static_cast<std::size_t>(index)];
}

const QPixmap& BoardPictures::dice(int index) const {
  if (index < 0 || index >= static_cast<int>(imagelist_dice.size())) return none_;
  return imagelist_dice[static_cast<std::size_t>(index)];
}

}  // namespace kuvo
