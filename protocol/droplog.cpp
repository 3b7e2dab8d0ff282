// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "droplog.h"

#include <cstdio>

#include "names.h"

namespace kuvo {

std::string escapeForConsole(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char escape[12];
  for (std::size_t at = 0; at < text.size();) {
    const Utf8Step step = utf8StepAt(text, at);
    if (!step.valid) {
      std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(text[at]));
      out += escape;
    } else if (step.codePoint == '\\') {
      out += "\\\\";
    } else if (step.codePoint < 0x20 || (step.codePoint >= 0x7F && step.codePoint <= 0x9F)) {
      std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(step.codePoint));
      out += escape;
    } else {
      out.append(text.substr(at, step.length));
    }
    at += step.length;
  }
  return out;
}

std::string peerText(std::string_view text) {
  if (text.size() <= kLoggedPeerBytes) return '"' + escapeForConsole(text) + '"';
  // Cut at a character's start, so the cut itself shows no broken byte.
  std::size_t cut = 0;
  while (cut < text.size()) {
    const auto step = utf8StepAt(text, cut).length;
    if (cut + step > kLoggedPeerBytes) break;
    cut += step;
  }
  return '"' + escapeForConsole(text.substr(0, cut)) + "\"... (" + std::to_string(text.size()) +
         " bytes)";
}

DropLog::DropLog(Category category) : category_(category) {}

std::chrono::milliseconds DropLog::now() const {
  if (clock_) return clock_();
  return std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now().time_since_epoch());
}

void DropLog::debug(int source, std::string_view line) {
  if (debugEnabled()) write(false, source, line);
}

void DropLog::warning(int source, std::string_view line) {
  if (category_().isWarningEnabled()) write(true, source, line);
}

void DropLog::write(bool warning, int source, std::string_view line) {
  auto& budget = budgets_[source >= 0 && source < kSources ? source : kSources];
  const auto time = now();
  if (budget.windowStart.count() < 0 || time - budget.windowStart >= std::chrono::seconds(1)) {
    budget.windowStart = time;
    budget.lines = 0;
  }
  if (budget.lines >= kLinesPerSecond) {
    ++budget.suppressed;
    return;
  }
  ++budget.lines;
  QString text = QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size()));
  if (budget.suppressed > 0) {
    text += QStringLiteral(" (%1 more from this source not shown)").arg(budget.suppressed);
    budget.suppressed = 0;
  }
  const QLoggingCategory& category = category_();
  QMessageLogger logger(nullptr, 0, nullptr, category.categoryName());
  if (warning) {
    logger.warning(category).noquote() << text;
  } else {
    logger.debug(category).noquote() << text;
  }
}

}  // namespace kuvo
