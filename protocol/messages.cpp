// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messages.h"

namespace kuvo {
namespace {

template <typename Table>
auto lookupIn(const Table& table, std::string_view name) -> std::optional<decltype(table[0].id)> {
  if (name.empty()) return std::nullopt;
  for (const auto& entry : table) {
    if (entry.name == name) return entry.id;
  }
  return std::nullopt;
}

std::string joinWithName(std::string_view name, std::string_view joinedFields) {
  std::string out(name);
  out.reserve(out.size() + joinedFields.size() + 2);
  out += '+';
  out += joinedFields;
  out += kTerminator;
  return out;
}

std::string join(std::initializer_list<Field> fields) {
  std::string joined;
  bool first = true;
  for (const auto& f : fields) {
    if (!first) joined += '+';
    joined += f.text();
    first = false;
  }
  return joined;
}

}  // namespace

std::optional<ToHost> lookupToHost(std::string_view name) {
  return lookupIn(kToHostCatalogue, name);
}

std::optional<ToClient> lookupToClient(std::string_view name) {
  return lookupIn(kToClientCatalogue, name);
}

std::string buildJoined(ToHost m, std::string_view joinedFields) {
  return joinWithName(nameOf(m), joinedFields);
}

std::string buildJoined(ToClient m, std::string_view joinedFields) {
  return joinWithName(nameOf(m), joinedFields);
}

std::string build(ToHost m, std::initializer_list<Field> fields) {
  return buildJoined(m, join(fields));
}

std::string build(ToClient m, std::initializer_list<Field> fields) {
  return buildJoined(m, join(fields));
}

SplitMessage splitMessage(std::string_view entry) {
  const auto plus = entry.find('+');
  if (plus == std::string_view::npos) return {{}, {}};
  return {entry.substr(0, plus), entry.substr(plus + 1)};
}

}  // namespace kuvo
