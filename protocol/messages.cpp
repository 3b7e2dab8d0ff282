#include "messages.h"

namespace kuvo {

std::string_view nameOf(Msg m) {
  for (const auto& entry : kCatalogue) {
    if (entry.id == m) return entry.name;
  }
  return {};
}

std::optional<Msg> lookup(Dir dir, std::string_view name) {
  if (name.empty()) return std::nullopt;
  for (const auto& entry : kCatalogue) {
    if (entry.dir == dir && entry.name == name) return entry.id;
  }
  return std::nullopt;
}

std::string buildJoined(Msg m, std::string_view joinedFields) {
  std::string out(nameOf(m));
  out.reserve(out.size() + joinedFields.size() + 2);
  out += '+';
  out += joinedFields;
  out += kTerminator;
  return out;
}

std::string build(Msg m, std::initializer_list<Field> fields) {
  std::string joined;
  bool first = true;
  for (const auto& f : fields) {
    if (!first) joined += '+';
    joined += f.text();
    first = false;
  }
  return buildJoined(m, joined);
}

SplitMessage splitMessage(std::string_view entry) {
  const auto plus = entry.find('+');
  if (plus == std::string_view::npos) return {{}, {}};
  return {entry.substr(0, plus), entry.substr(plus + 1)};
}

}  // namespace kuvo
