// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "smileys.h"

#include <array>

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>

namespace kuvo {
namespace {

constexpr char kScheme[] = "kuvo-smiley";

enum class Mouth { Smile, Grin, Frown, Flat, Open, Tongue, Wavy, Kiss };
enum class Eyes { Dots, Wink, Closed, Wide, Cool, Angry, Hearts, Cross };

struct Face {
  QRgb skin;
  Eyes eyes;
  Mouth mouth;
  // What the picture shows, in words: a screen reader says this, not the code.
  const char* name;
};

// One row per smiley code 10..27.
constexpr std::array<Face, kSmileyCount> kFaces = {{
    {0xFFFFD800, Eyes::Dots, Mouth::Smile, QT_TRANSLATE_NOOP("kuvo::Smileys", "Smile")},
    {0xFFFFD800, Eyes::Dots, Mouth::Grin, QT_TRANSLATE_NOOP("kuvo::Smileys", "Grin")},
    {0xFFFFD800, Eyes::Wink, Mouth::Smile, QT_TRANSLATE_NOOP("kuvo::Smileys", "Wink")},
    {0xFFFFD800, Eyes::Dots, Mouth::Frown, QT_TRANSLATE_NOOP("kuvo::Smileys", "Frown")},
    {0xFFFFD800, Eyes::Wide, Mouth::Open, QT_TRANSLATE_NOOP("kuvo::Smileys", "Surprised")},
    {0xFFFFD800, Eyes::Dots, Mouth::Tongue, QT_TRANSLATE_NOOP("kuvo::Smileys", "Tongue out")},
    {0xFFFFD800, Eyes::Cool, Mouth::Grin, QT_TRANSLATE_NOOP("kuvo::Smileys", "Cool grin")},
    {0xFFFF6A3D, Eyes::Angry, Mouth::Frown, QT_TRANSLATE_NOOP("kuvo::Smileys", "Angry")},
    {0xFFFFD800, Eyes::Closed, Mouth::Flat, QT_TRANSLATE_NOOP("kuvo::Smileys", "Sleepy")},
    {0xFFFFD800, Eyes::Hearts, Mouth::Smile, QT_TRANSLATE_NOOP("kuvo::Smileys", "In love")},
    {0xFFFFD800, Eyes::Dots, Mouth::Wavy, QT_TRANSLATE_NOOP("kuvo::Smileys", "Confused")},
    {0xFFFFD800, Eyes::Closed, Mouth::Kiss, QT_TRANSLATE_NOOP("kuvo::Smileys", "Kiss")},
    {0xFF9BE05A, Eyes::Cross, Mouth::Wavy, QT_TRANSLATE_NOOP("kuvo::Smileys", "Sick")},
    {0xFF7FC8FF, Eyes::Dots, Mouth::Frown, QT_TRANSLATE_NOOP("kuvo::Smileys", "Feeling blue")},
    {0xFFFFD800, Eyes::Closed, Mouth::Grin, QT_TRANSLATE_NOOP("kuvo::Smileys", "Laughing")},
    {0xFFFFB0D0, Eyes::Wink, Mouth::Kiss, QT_TRANSLATE_NOOP("kuvo::Smileys", "Blowing a kiss")},
    {0xFFFFD800, Eyes::Wide, Mouth::Flat, QT_TRANSLATE_NOOP("kuvo::Smileys", "Speechless")},
    {0xFFFFD800, Eyes::Cool, Mouth::Smile, QT_TRANSLATE_NOOP("kuvo::Smileys", "Cool")},
}};

void drawEyes(QPainter& p, Eyes eyes) {
  const QPointF left(5.5, 6), right(11.5, 6);
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::black);
  switch (eyes) {
    case Eyes::Dots:
      p.drawEllipse(left, 1, 1.5);
      p.drawEllipse(right, 1, 1.5);
      break;
    case Eyes::Wink:
      p.drawEllipse(left, 1, 1.5);
      p.drawLine(QPointF(10, 6), QPointF(13, 6));
      break;
    case Eyes::Closed:
      p.drawLine(QPointF(4, 6.5), QPointF(7, 5.5));
      p.drawLine(QPointF(10, 5.5), QPointF(13, 6.5));
      break;
    case Eyes::Wide:
      p.setBrush(Qt::white);
      p.drawEllipse(left, 2, 2);
      p.drawEllipse(right, 2, 2);
      p.setBrush(Qt::black);
      p.drawEllipse(left, 0.6, 0.6);
      p.drawEllipse(right, 0.6, 0.6);
      break;
    case Eyes::Cool:
      p.drawRoundedRect(QRectF(3, 4.5, 5, 3), 1, 1);
      p.drawRoundedRect(QRectF(9, 4.5, 5, 3), 1, 1);
      p.drawLine(QPointF(8, 5), QPointF(9, 5));
      break;
    case Eyes::Angry:
      p.drawLine(QPointF(3.5, 4), QPointF(7, 5.5));
      p.drawLine(QPointF(13.5, 4), QPointF(10, 5.5));
      p.drawEllipse(QPointF(5.5, 6.5), 0.8, 0.8);
      p.drawEllipse(QPointF(11.5, 6.5), 0.8, 0.8);
      break;
    case Eyes::Hearts:
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xD0, 0x10, 0x30));
      for (const QPointF c : {left, right}) {
        QPainterPath heart;
        heart.moveTo(c + QPointF(0, 2));
        heart.cubicTo(c + QPointF(-3, -0.5), c + QPointF(-1, -2.5), c + QPointF(0, -0.8));
        heart.cubicTo(c + QPointF(1, -2.5), c + QPointF(3, -0.5), c + QPointF(0, 2));
        p.drawPath(heart);
      }
      break;
    case Eyes::Cross:
      for (const QPointF c : {left, right}) {
        p.drawLine(c + QPointF(-1.5, -1.5), c + QPointF(1.5, 1.5));
        p.drawLine(c + QPointF(-1.5, 1.5), c + QPointF(1.5, -1.5));
      }
      break;
  }
}

void drawMouth(QPainter& p, Mouth mouth) {
  p.setPen(QPen(Qt::black, 1.2));
  p.setBrush(Qt::NoBrush);
  const QRectF arc(4.5, 6, 8, 6);
  switch (mouth) {
    case Mouth::Smile:
      p.drawArc(arc, 200 * 16, 140 * 16);
      break;
    case Mouth::Grin:
      p.setBrush(Qt::white);
      p.drawChord(arc, 180 * 16, 180 * 16);
      break;
    case Mouth::Frown:
      p.drawArc(QRectF(4.5, 10, 8, 5), 20 * 16, 140 * 16);
      break;
    case Mouth::Flat:
      p.drawLine(QPointF(5.5, 11), QPointF(11.5, 11));
      break;
    case Mouth::Open:
      p.setBrush(QColor(0x60, 0x10, 0x10));
      p.drawEllipse(QPointF(8.5, 11), 2, 2.2);
      break;
    case Mouth::Tongue:
      p.drawArc(arc, 200 * 16, 140 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0xE0, 0x40, 0x60));
      p.drawEllipse(QPointF(10, 12.3), 1.8, 1.6);
      break;
    case Mouth::Wavy: {
      QPainterPath wave;
      wave.moveTo(4.5, 11);
      wave.cubicTo(6, 9.5, 7, 12.5, 8.5, 11);
      wave.cubicTo(10, 9.5, 11, 12.5, 12.5, 11);
      p.drawPath(wave);
      break;
    }
    case Mouth::Kiss:
      p.setBrush(QColor(0xD0, 0x10, 0x30));
      p.setPen(Qt::NoPen);
      p.drawEllipse(QPointF(8.5, 11), 1.6, 1.3);
      break;
  }
}

QImage drawSmiley(const Face& face) {
  QImage image(kSmileyWidth, kSmileyHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x60, 0x40, 0x00), 1));
  p.setBrush(QColor::fromRgba(face.skin));
  p.drawEllipse(QRectF(1, 0.5, 15, 15));
  drawEyes(p, face.eyes);
  drawMouth(p, face.mouth);
  return image;
}

}  // namespace

QImage smileyImage(int index) {
  static const std::array<QImage, kSmileyCount> images = [] {
    std::array<QImage, kSmileyCount> all;
    for (int i = 0; i < kSmileyCount; ++i) all[i] = drawSmiley(kFaces[i]);
    return all;
  }();
  if (index < 0 || index >= kSmileyCount) index = 0;
  return images[index];
}

QString smileyName(int index) {
  if (index < 0 || index >= kSmileyCount) index = 0;
  return QCoreApplication::translate("kuvo::Smileys", kFaces[index].name);
}

QUrl smileyUrl(int index) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  url.setPath(QString::number(index));
  return url;
}

int smileyIndexFromUrl(const QUrl& url) {
  if (url.scheme() != QLatin1String(kScheme)) return -1;
  bool ok = false;
  const int index = url.path().toInt(&ok);
  return ok && index >= 0 && index < kSmileyCount ? index : -1;
}

}  // namespace kuvo
