// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QFile>

#include "jpegdecode.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;
namespace {

QByteArray banner() {
  ensureWindowResources();
  QFile file(QStringLiteral(":/windows/banner.jpg"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(JpegDecode, TheBannerDecodesAtItsSize) {
  const QByteArray bytes = banner();
  ASSERT_FALSE(bytes.isEmpty());
  const QImage image = decodeJpeg(bytes);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(436, 360));
  // The sky at the top is dark blue, not the grey that a failed decode leaves.
  const QColor sky = image.pixelColor(4, 4);
  EXPECT_GT(sky.blue(), sky.red());
}

struct BrokenCase {
  const char* name;
  QByteArray (*make)(const QByteArray& good);
};

class JpegBroken : public ::testing::TestWithParam<BrokenCase> {};

TEST_P(JpegBroken, FailsCleanly) {
  const QByteArray good = banner();
  ASSERT_FALSE(good.isEmpty());
  EXPECT_TRUE(decodeJpeg(GetParam().make(good)).isNull());
}

INSTANTIATE_TEST_SUITE_P(
    Files, JpegBroken,
    ::testing::Values(
        BrokenCase{"Empty", [](const QByteArray&) { return QByteArray(); }},
        BrokenCase{"HeaderOnly", [](const QByteArray& g) { return g.left(100); }},
        BrokenCase{"TruncatedInTheMiddle",
                   [](const QByteArray& g) { return g.left(g.size() / 2); }},
        BrokenCase{"LastByteMissing", [](const QByteArray& g) { return g.left(g.size() - 2); }},
        BrokenCase{"NotAJpeg", [](const QByteArray&) { return QByteArray(4000, 'x'); }},
        BrokenCase{"MarkerOnly", [](const QByteArray&) { return QByteArray("\xFF\xD8\xFF", 3); }},
        BrokenCase{"HugeDimensions",
                   [](const QByteArray& g) {
                     // Rewrite the frame header's height and width to 65535.
                     QByteArray bad = g;
                     const qsizetype sof = bad.indexOf(QByteArray("\xFF\xC0", 2));
                     if (sof >= 0 && sof + 9 < bad.size()) {
                       for (qsizetype i = sof + 5; i < sof + 9; ++i) bad[i] = '\xFF';
                     }
                     return bad;
                   }}),
    [](const ::testing::TestParamInfo<BrokenCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kuvo
