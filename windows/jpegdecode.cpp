// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "jpegdecode.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace kuvo {
namespace {

// Everything that must survive a longjmp lives here, outside the frame that
// calls setjmp, so none of it is an automatic variable changed after setjmp.
struct JpegJob {
  jpeg_decompress_struct cinfo{};
  jpeg_error_mgr errors{};
  std::jmp_buf jump{};
  bool created = false;
  int warnings = 0;
  QImage image;
};

[[noreturn]] void onJpegError(j_common_ptr cinfo) {
  // libjpeg's default would print and exit(); jump back to the decoder instead.
  auto* job = static_cast<JpegJob*>(cinfo->client_data);
  std::longjmp(job->jump, 1);
}

void onJpegMessage(j_common_ptr cinfo, int level) {
  // Level -1 is a warning about corrupt or missing data (a truncated file
  // among them); libjpeg would carry on with grey filler, we refuse the picture.
  if (level < 0) static_cast<JpegJob*>(cinfo->client_data)->warnings += 1;
}

void onJpegOutput(j_common_ptr) {}

// Returns true with job->image filled. No C++ object is created in this frame
// after setjmp, so a longjmp skips no destructor.
bool runJob(JpegJob* job, const unsigned char* bytes, unsigned long size) {
  job->cinfo.err = jpeg_std_error(&job->errors);
  job->errors.error_exit = onJpegError;
  job->errors.emit_message = onJpegMessage;
  job->errors.output_message = onJpegOutput;
  job->cinfo.client_data = job;
  if (setjmp(job->jump) != 0) return false;

  jpeg_create_decompress(&job->cinfo);
  job->created = true;
  jpeg_mem_src(&job->cinfo, bytes, size);
  if (jpeg_read_header(&job->cinfo, TRUE) != JPEG_HEADER_OK) return false;
  const J_COLOR_SPACE space = job->cinfo.jpeg_color_space;
  if (space == JCS_CMYK || space == JCS_YCCK) return false;
  job->cinfo.out_color_space = JCS_RGB;
  jpeg_start_decompress(&job->cinfo);
  const JDIMENSION width = job->cinfo.output_width;
  const JDIMENSION height = job->cinfo.output_height;
  if (width == 0 || height == 0 || width > kMaxJpegSide || height > kMaxJpegSide ||
      job->cinfo.output_components != 3) {
    return false;
  }
  job->image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
  if (job->image.isNull()) return false;
  while (job->cinfo.output_scanline < height) {
    JSAMPROW row = job->image.scanLine(static_cast<int>(job->cinfo.output_scanline));
    if (jpeg_read_scanlines(&job->cinfo, &row, 1) != 1) return false;
  }
  jpeg_finish_decompress(&job->cinfo);
  return job->warnings == 0;
}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return QImage();
  JpegJob job;
  const bool ok = runJob(&job, reinterpret_cast<const unsigned char*>(data.constData()),
                         static_cast<unsigned long>(data.size()));
  if (job.created) jpeg_destroy_decompress(&job.cinfo);
  if (!ok) return QImage();
  return job.image;
}

}  // namespace kuvo
