// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the download window's banner (436 x 360) and writes it as a JPEG with
// libjpeg. The output is committed as assets/windows/banner.jpg, so neither
// this program nor a display is needed by the normal build.
//
//   kuvo_make_banner assets/windows/banner.jpg

#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 436;
constexpr int kHeight = 360;
constexpr int kQuality = 88;

void drawDie(QPainter& painter, QPointF centre, double size, double angle, int pips) {
  painter.save();
  painter.translate(centre);
  painter.rotate(angle);
  const QRectF body(-size / 2, -size / 2, size, size);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 70));
  painter.drawRoundedRect(body.translated(3, 4), size * 0.18, size * 0.18);
  QLinearGradient face(body.topLeft(), body.bottomRight());
  face.setColorAt(0, QColor(0xFF, 0xFF, 0xFB));
  face.setColorAt(1, QColor(0xE4, 0xE1, 0xD6));
  painter.setBrush(face);
  painter.setPen(QPen(QColor(0x50, 0x4C, 0x44), 1.2));
  painter.drawRoundedRect(body, size * 0.18, size * 0.18);
  painter.setPen(Qt::NoPen);
  painter.setBrush(pips == 1 ? QColor(0xC0, 0x1F, 0x2F) : QColor(0x22, 0x22, 0x28));
  const double d = size * 0.26;
  const double r = size * 0.085;
  std::vector<QPointF> spots;
  switch (pips) {
    case 1:
      spots = {{0, 0}};
      break;
    case 2:
      spots = {{-d, -d}, {d, d}};
      break;
    case 3:
      spots = {{-d, -d}, {0, 0}, {d, d}};
      break;
    case 4:
      spots = {{-d, -d}, {d, -d}, {-d, d}, {d, d}};
      break;
    case 5:
      spots = {{-d, -d}, {d, -d}, {0, 0}, {-d, d}, {d, d}};
      break;
    default:
      spots = {{-d, -d}, {d, -d}, {-d, 0}, {d, 0}, {-d, d}, {d, d}};
      break;
  }
  for (const QPointF& spot : spots) painter.drawEllipse(spot, r, r);
  painter.restore();
}

void drawBoard(QPainter& painter, QPointF centre, double angle) {
  static const int numbers[5][5] = {
      {3, 5, 1, 6, 2}, {4, 2, 6, 1, 5}, {6, 1, 3, 5, 4}, {2, 4, 5, 3, 1}, {5, 6, 2, 4, 3}};
  painter.save();
  painter.translate(centre);
  painter.rotate(angle);
  const double cell = 25;
  const QRectF card(-cell * 2.5 - 8, -cell * 2.5 - 8, cell * 5 + 16, cell * 5 + 16);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0, 0, 0, 80));
  painter.drawRoundedRect(card.translated(4, 5), 8, 8);
  painter.setBrush(QColor(0xFB, 0xF6, 0xE8));
  painter.setPen(QPen(QColor(0x8A, 0x6D, 0x3B), 1.5));
  painter.drawRoundedRect(card, 8, 8);
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(15);
  painter.setFont(font);
  for (int column = 0; column < 5; ++column) {
    for (int row = 0; row < 5; ++row) {
      const QRectF box(-cell * 2.5 + column * cell, -cell * 2.5 + row * cell, cell, cell);
      const bool taken = (column + 2 * row) % 4 == 0;
      painter.setPen(QPen(QColor(0xC9, 0xB8, 0x94), 0.8));
      painter.setBrush(taken ? QColor(0xF2, 0xC4, 0x4E) : QColor(0xFF, 0xFD, 0xF6));
      painter.drawRect(box);
      painter.setPen(taken ? QColor(0x7A, 0x4A, 0x00) : QColor(0x2A, 0x3C, 0x5E));
      painter.drawText(box, Qt::AlignCenter, QString::number(numbers[column][row]));
    }
  }
  painter.restore();
}

QImage drawBanner() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  QLinearGradient sky(0, 0, 0, kHeight);
  sky.setColorAt(0, QColor(0x10, 0x1E, 0x3C));
  sky.setColorAt(0.6, QColor(0x1F, 0x4E, 0x7A));
  sky.setColorAt(1, QColor(0x2B, 0x6E, 0x8E));
  painter.fillRect(image.rect(), sky);

  // A felt table seen from above.
  QRadialGradient felt(QPointF(218, 205), 230);
  felt.setColorAt(0, QColor(0x2E, 0x8B, 0x57));
  felt.setColorAt(1, QColor(0x17, 0x50, 0x33));
  painter.setPen(QPen(QColor(0x6B, 0x43, 0x1E), 10));
  painter.setBrush(felt);
  painter.drawEllipse(QRectF(-40, 120, 516, 300));

  // Soft light over the table.
  QRadialGradient glow(QPointF(218, 150), 200);
  glow.setColorAt(0, QColor(255, 240, 200, 60));
  glow.setColorAt(1, QColor(255, 240, 200, 0));
  painter.setPen(Qt::NoPen);
  painter.setBrush(glow);
  painter.drawRect(image.rect());

  drawBoard(painter, QPointF(112, 196), -8);
  drawDie(painter, QPointF(262, 168), 40, 12, 5);
  drawDie(painter, QPointF(318, 150), 40, -18, 3);
  drawDie(painter, QPointF(370, 176), 40, 24, 6);
  drawDie(painter, QPointF(290, 222), 40, -6, 1);
  drawDie(painter, QPointF(350, 232), 40, 30, 4);

  // Title.
  QFont title = painter.font();
  title.setBold(true);
  title.setPixelSize(58);
  title.setLetterSpacing(QFont::AbsoluteSpacing, 8);
  painter.setFont(title);
  const QRectF titleArea(0, 16, kWidth, 70);
  painter.setPen(QColor(0, 0, 0, 110));
  painter.drawText(titleArea.translated(3, 3), Qt::AlignCenter, QStringLiteral("KUVO"));
  painter.setPen(QColor(0xFF, 0xE0, 0x8A));
  painter.drawText(titleArea, Qt::AlignCenter, QStringLiteral("KUVO"));
  QFont tagline = painter.font();
  tagline.setBold(false);
  tagline.setPixelSize(14);
  tagline.setLetterSpacing(QFont::AbsoluteSpacing, 2);
  painter.setFont(tagline);
  painter.setPen(QColor(0xD8, 0xE6, 0xF5));
  painter.drawText(QRectF(0, 82, kWidth, 22), Qt::AlignCenter,
                   QStringLiteral("FIVE DICE  \u00B7  ONE BOARD  \u00B7  SIX PLAYERS"));

  // The window lays its "IS CLOSED" sign just below this line.
  QFont online = painter.font();
  online.setBold(true);
  online.setPixelSize(22);
  online.setLetterSpacing(QFont::AbsoluteSpacing, 4);
  painter.setFont(online);
  painter.setPen(QColor(0, 0, 0, 120));
  painter.drawText(QRectF(2, 264, kWidth, 30), Qt::AlignCenter, QStringLiteral("ONLINE PLAY"));
  painter.setPen(Qt::white);
  painter.drawText(QRectF(0, 262, kWidth, 30), Qt::AlignCenter, QStringLiteral("ONLINE PLAY"));
  painter.end();
  return image;
}

bool writeJpeg(const QImage& source, const QString& path) {
  const QImage image = source.convertToFormat(QImage::Format_RGB888);
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr errors{};
  cinfo.err = jpeg_std_error(&errors);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(image.width());
  cinfo.image_height = static_cast<JDIMENSION>(image.height());
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, kQuality, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo.next_scanline)));
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  const QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kuvo_make_banner <output.jpg>\n");
    return 2;
  }
  if (!writeJpeg(drawBanner(), QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
