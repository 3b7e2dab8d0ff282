// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "names.h"

#include "messages.h"

namespace kuvo {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Characters that must not reach a name: the field and colour separators, the
// controls (C0, DEL, C1), the line and paragraph separators that break a label
// or a console line, and the directional overrides that would make the rest of
// a chat line run backwards.
bool blankedInText(char32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029 ||
         (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069);
}
bool blankedInName(char32_t cp) {
  return cp == '+' || cp == '|' || blankedInText(cp);
}

}  // namespace

Utf8Step utf8StepAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  char32_t cp = 0;
  char32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    cp = lead & 0x1F;
    lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    cp = lead & 0x0F;
    lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    cp = lead & 0x07;
    lowest = 0x10000;
  } else {
    return {};
  }
  if (at + length > text.size()) return {};
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned char next = byte(at + i);
    if ((next & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (next & 0x3F);
  }
  if (cp < lowest || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
  return {cp, length, true};
}

std::string blankControls(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t at = 0; at < raw.size();) {
    const Utf8Step step = utf8StepAt(raw, at);
    at += step.length;
    appendUtf8(out, !step.valid                     ? kReplacement
                    : blankedInText(step.codePoint) ? char32_t(' ')
                                                    : step.codePoint);
  }
  return out;
}

std::string cleanNameText(std::string_view raw) {
  std::string out;
  std::size_t characters = 0;
  std::size_t pendingBlanks = 0;  // blanks are only written when a character follows
  for (std::size_t at = 0; at < raw.size() && characters < kMaxNameCharacters;) {
    const Utf8Step step = utf8StepAt(raw, at);
    at += step.length;
    char32_t cp = step.codePoint;
    if (!step.valid) {
      // The terminator byte is never valid UTF-8; it is a separator like "+".
      cp = raw[at - 1] == kTerminator ? char32_t(' ') : kReplacement;
    } else if (blankedInName(cp)) {
      cp = ' ';
    }
    if (cp == ' ') {
      if (characters > 0) ++pendingBlanks;
      continue;
    }
    if (characters + pendingBlanks + 1 > kMaxNameCharacters) break;
    out.append(pendingBlanks, ' ');
    characters += pendingBlanks + 1;
    pendingBlanks = 0;
    appendUtf8(out, cp);
  }
  return out;
}

namespace {

bool sameLettersIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

// What the clients show in a slot nobody holds and in the computer's slot: a
// player by either name would pass for an empty seat or for the computer.
bool reservedName(std::string_view name) {
  return sameLettersIgnoringCase(name, "<Waiting>") || sameLettersIgnoringCase(name, "Rovi");
}

}  // namespace

std::string cleanName(std::string_view raw, int slot) {
  std::string name = cleanNameText(raw);
  if (name.empty() || reservedName(name)) name = "Player " + std::to_string(slot);
  return name;
}

}  // namespace kuvo
