#include "tools/callsign/cty_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "base/ascii.h"
#include "tools/callsign/callsign_parts.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace callsign {

namespace {

// Entities that count for the WAE list only, with the DXCC entity each
// belongs to (by primary prefix). The country file marks them with '*' but
// does not say where they belong, and prefix matching gets some wrong
// (the Vienna centre's "4U" is listed under Italy, yet it lies in Austria).
struct WaeParent {
  const char* wae;
  const char* dxcc;
};
const WaeParent kWaeParents[] = {
    {"4U1V", "OE"}, {"GM/s", "GM"}, {"IG9", "I"},
    {"IT9", "I"},   {"JW/b", "JW"}, {"TA1", "TA"},
};

bool ParseZone(const std::string& text, int* zone) {
  std::string t = logs::TrimBlanks(text);
  if (t.empty() || t.size() > 3) return false;
  for (char c : t) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  *zone = std::atoi(t.c_str());
  return true;
}

bool IsContinent(const std::string& text) {
  static const char* const kContinents[] = {"AF", "AN", "AS", "EU",
                                            "NA", "OC", "SA"};
  for (const char* c : kContinents) {
    if (text == c) return true;
  }
  return false;
}

int CountLines(const std::string& text, size_t begin, size_t end) {
  return static_cast<int>(
      std::count(text.begin() + begin, text.begin() + end, '\n'));
}

std::string LineError(int line, const std::string& message) {
  return "line " + std::to_string(line) + ": " + message;
}

}  // namespace

bool CtyFile::Load(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = path + ": cannot be read";
    return false;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (!Parse(text.str(), error)) {
    *error = path + ": " + *error;
    return false;
  }
  return true;
}

bool CtyFile::Parse(const std::string& text, std::string* error) {
  entities_.clear();
  prefixes_.clear();
  exactCalls_.clear();
  longestPrefix_ = 0;

  size_t pos = 0;
  int line = 1;
  while (true) {
    while (pos < text.size() &&
           std::isspace(static_cast<unsigned char>(text[pos]))) {
      if (text[pos] == '\n') ++line;
      ++pos;
    }
    if (pos >= text.size()) break;

    const int entryLine = line;
    std::string fields[8];
    for (std::string& field : fields) {
      size_t colon = text.find(':', pos);
      size_t newline = text.find('\n', pos);
      if (colon == std::string::npos || newline < colon) {
        *error = LineError(entryLine,
                           "an entity line needs eight fields, each ending "
                           "in ':'");
        return false;
      }
      field = logs::TrimBlanks(text.substr(pos, colon - pos));
      pos = colon + 1;
    }
    size_t semicolon = text.find(';', pos);
    if (semicolon == std::string::npos) {
      *error = LineError(entryLine, "the prefix list of \"" + fields[0] +
                                        "\" does not end in ';'");
      return false;
    }
    std::string aliases = text.substr(pos, semicolon - pos);
    line += CountLines(text, pos, semicolon);
    pos = semicolon + 1;

    Entity entity;
    entity.name = fields[0];
    entity.continent = fields[3];
    std::string primary = fields[7];
    if (!primary.empty() && primary[0] == '*') {
      entity.waeOnly = true;
      primary.erase(0, 1);
    }
    entity.primaryPrefix = primary;
    if (entity.name.empty() || primary.empty() ||
        !ParseZone(fields[1], &entity.cqZone) ||
        !ParseZone(fields[2], &entity.ituZone) ||
        !IsContinent(entity.continent)) {
      *error = LineError(entryLine,
                         "the entity line of \"" + fields[0] +
                             "\" needs a name, two zones, a continent and "
                             "a primary prefix");
      return false;
    }
    entity.dxccEntity = entities_.size();
    entities_.push_back(entity);
    if (!ParseAliases(aliases, entities_.size() - 1, entryLine, error)) {
      return false;
    }
  }
  if (entities_.empty()) {
    *error = "no entities";
    return false;
  }
  FoldWaeEntities();
  return true;
}

bool CtyFile::ParseAliases(const std::string& list, size_t entity, int line,
                           std::string* error) {
  size_t pos = 0;
  while (pos <= list.size()) {
    size_t comma = list.find(',', pos);
    if (comma == std::string::npos) comma = list.size();
    std::string item = logs::TrimBlanks(list.substr(pos, comma - pos));
    size_t first = list.find_first_not_of(" \t\r\n", pos);
    if (first == std::string::npos || first > comma) first = comma;
    const int itemLine = line + CountLines(list, pos, first);
    line = itemLine + CountLines(list, first, comma);
    pos = comma + 1;
    if (item.empty()) continue;

    bool exact = item[0] == '=';
    size_t i = exact ? 1 : 0;
    size_t bodyEnd = item.find_first_of("([<{~", i);
    if (bodyEnd == std::string::npos) bodyEnd = item.size();
    std::string body = AsciiUpperText(item.substr(i, bodyEnd - i));
    if (body.empty()) {
      *error = LineError(itemLine, "empty prefix in \"" + item + "\"");
      return false;
    }

    Alias alias;
    alias.entity = entity;
    i = bodyEnd;
    while (i < item.size()) {
      char open = item[i];
      char close = open == '('   ? ')'
                   : open == '[' ? ']'
                   : open == '<' ? '>'
                   : open == '{' ? '}'
                   : open == '~' ? '~'
                                 : 0;
      size_t end = close ? item.find(close, i + 1) : std::string::npos;
      if (end == std::string::npos) {
        *error = LineError(itemLine, "unclosed override in \"" + item + "\"");
        return false;
      }
      std::string value = item.substr(i + 1, end - i - 1);
      bool ok = true;
      if (open == '(') ok = ParseZone(value, &alias.cqZone);
      if (open == '[') ok = ParseZone(value, &alias.ituZone);
      if (open == '{') {
        alias.continent = value;
        ok = IsContinent(value);
      }
      if (!ok) {
        *error = LineError(itemLine, "bad override in \"" + item + "\"");
        return false;
      }
      i = end + 1;
    }

    // The first entry for a prefix or call wins, as in the usual readers.
    if (exact) {
      exactCalls_.emplace(body, alias);
    } else {
      prefixes_.emplace(body, alias);
      longestPrefix_ = std::max(longestPrefix_, body.size());
    }
  }
  return true;
}

void CtyFile::FoldWaeEntities() {
  for (Entity& entity : entities_) {
    if (!entity.waeOnly) continue;
    bool found = false;
    for (const WaeParent& parent : kWaeParents) {
      if (entity.primaryPrefix != parent.wae) continue;
      for (size_t i = 0; i < entities_.size(); ++i) {
        if (!entities_[i].waeOnly &&
            entities_[i].primaryPrefix == parent.dxcc) {
          entity.dxccEntity = i;
          found = true;
        }
      }
    }
    if (found) continue;
    // Otherwise the entity whose prefixes cover the starred one's own
    // primary prefix, without its "/x" marker.
    std::string key = AsciiUpperText(entity.primaryPrefix);
    key = key.substr(0, key.find('/'));
    const Alias* alias = LongestPrefix(key, true);
    if (alias != nullptr) entity.dxccEntity = alias->entity;
  }
}

const CtyFile::Alias* CtyFile::LongestPrefix(const std::string& key,
                                             bool dxccOnly) const {
  for (size_t length = std::min(key.size(), longestPrefix_); length > 0;
       --length) {
    auto it = prefixes_.find(key.substr(0, length));
    if (it == prefixes_.end()) continue;
    if (dxccOnly && entities_[it->second.entity].waeOnly) continue;
    return &it->second;
  }
  return nullptr;
}

void CtyFile::Fill(const Alias& alias, CtyResolution* out) const {
  const Entity& entity = entities_[alias.entity];
  const Entity& dxcc = entities_[entity.dxccEntity];
  out->dxcc = dxcc.primaryPrefix;
  out->dxccName = dxcc.name;
  out->entityName = entity.name;
  out->continent = alias.continent.empty() ? entity.continent : alias.continent;
  out->cqZone = alias.cqZone != 0 ? alias.cqZone : entity.cqZone;
  out->ituZone = alias.ituZone != 0 ? alias.ituZone : entity.ituZone;
}

bool CtyFile::Resolve(const std::string& call, CtyResolution* out) const {
  CallsignParts parts = SplitCallsign(call);
  if (parts.call.empty()) return false;

  auto exact = exactCalls_.find(parts.call);
  if (exact != exactCalls_.end()) {
    Fill(exact->second, out);
    return true;
  }
  if (parts.maritime || parts.base.empty()) return false;

  std::string key = parts.base;
  if (!parts.designator.empty()) {
    key = parts.designator;
  } else if (parts.areaDigit != 0) {
    // "UA9ABC/1" is located like "UA1ABC".
    size_t digitsBegin = 0;
    size_t end = PrefixDigitsEnd(key, &digitsBegin);
    if (end != 0) {
      key = key.substr(0, digitsBegin) + parts.areaDigit + key.substr(end);
    }
  } else {
    exact = exactCalls_.find(parts.base);
    if (exact != exactCalls_.end()) {
      Fill(exact->second, out);
      return true;
    }
  }
  const Alias* alias = LongestPrefix(key, false);
  if (alias == nullptr) return false;
  Fill(*alias, out);
  return true;
}

}  // namespace callsign
}  // namespace aadx
