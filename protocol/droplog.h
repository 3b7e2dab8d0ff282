// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Logging what a peer sent that we refuse: dropped, forged and malformed
// messages. A peer decides how much it sends, so the lines are rate-limited
// per source (a connection's slot; the host for a client), and its text is
// escaped and cut short before it reaches a terminal.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <QLoggingCategory>

namespace kuvo {

// Text from a peer made safe for a terminal: C0, DEL and C1 controls, the
// backslash and bytes that are not UTF-8 are written as escapes, so nothing a
// peer sends can move the cursor, forge a line or talk to the terminal.
std::string escapeForConsole(std::string_view text);

// A peer's text for a log line: escaped, and no longer than a glance needs.
inline constexpr std::size_t kLoggedPeerBytes = 48;
std::string peerText(std::string_view text);

class DropLog {
 public:
  using Category = const QLoggingCategory& (*)();
  using Clock = std::function<std::chrono::milliseconds()>;

  // Lines of one source within one second beyond this are counted, not shown;
  // the count goes with the next line that is.
  static constexpr int kLinesPerSecond = 10;
  // Sources above this share one budget.
  static constexpr int kSources = 16;

  explicit DropLog(Category category);
  // The default is the system's steady clock.
  void setClock(Clock clock) { clock_ = std::move(clock); }

  // Malformed, unknown or over a limit: shown with the category's debug output.
  void debug(int source, std::string_view line);
  // Forged, or too big to be a mistake: always shown.
  void warning(int source, std::string_view line);
  // Whether a line of this kind would be shown at all; spares building it.
  bool debugEnabled() const { return category_().isDebugEnabled(); }

 private:
  struct Budget {
    std::chrono::milliseconds windowStart{-1};
    int lines = 0;
    long long suppressed = 0;
  };
  void write(bool warning, int source, std::string_view line);
  std::chrono::milliseconds now() const;

  Category category_;
  Clock clock_;
  std::array<Budget, kSources + 1> budgets_{};
};

}  // namespace kuvo
