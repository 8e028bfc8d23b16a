#include "tools/replay/cty_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tools/replay/callsign_parts.h"

namespace aadx {
namespace replay {

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

std::string Trim(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
    ++begin;
  while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
    --end;
  return text.substr(begin, end - begin);
}

std::string Upper(std::string text) {
  for (char& c : text)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool ParseZone(const std::string& text, int* zone) {
  std::string t = Trim(text);
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
  exact_calls_.clear();
  longest_prefix_ = 0;

  size_t pos = 0;
  int line = 1;
  while (true) {
    while (pos < text.size() &&
           std::isspace(static_cast<unsigned char>(text[pos]))) {
      if (text[pos] == '\n') ++line;
      ++pos;
    }
    if (pos >= text.size()) break;

    const int entry_line = line;
    std::string fields[8];
    for (std::string& field : fields) {
      size_t colon = text.find(':', pos);
      size_t newline = text.find('\n', pos);
      if (colon == std::string::npos || newline < colon) {
        *error = LineError(entry_line,
                           "an entity line needs eight fields, each ending "
                           "in ':'");
        return false;
      }
      field = Trim(text.substr(pos, colon - pos));
      pos = colon + 1;
    }
    size_t semicolon = text.find(';', pos);
    if (semicolon == std::string::npos) {
      *error = LineError(entry_line, "the prefix list of \"" + fields[0] +
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
      entity.wae_only = true;
      primary.erase(0, 1);
    }
    entity.primary_prefix = primary;
    if (entity.name.empty() || primary.empty() ||
        !ParseZone(fields[1], &entity.cq_zone) ||
        !ParseZone(fields[2], &entity.itu_zone) ||
        !IsContinent(entity.continent)) {
      *error = LineError(entry_line,
                         "the entity line of \"" + fields[0] +
                             "\" needs a name, two zones, a continent and "
                             "a primary prefix");
      return false;
    }
    entity.dxcc_entity = entities_.size();
    entities_.push_back(entity);
    if (!ParseAliases(aliases, entities_.size() - 1, entry_line, error)) {
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
    std::string item = Trim(list.substr(pos, comma - pos));
    size_t first = list.find_first_not_of(" \t\r\n", pos);
    if (first == std::string::npos || first > comma) first = comma;
    const int item_line = line + CountLines(list, pos, first);
    line = item_line + CountLines(list, first, comma);
    pos = comma + 1;
    if (item.empty()) continue;

    bool exact = item[0] == '=';
    size_t i = exact ? 1 : 0;
    size_t body_end = item.find_first_of("([<{~", i);
    if (body_end == std::string::npos) body_end = item.size();
    std::string body = Upper(item.substr(i, body_end - i));
    if (body.empty()) {
      *error = LineError(item_line, "empty prefix in \"" + item + "\"");
      return false;
    }

    Alias alias;
    alias.entity = entity;
    i = body_end;
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
        *error = LineError(item_line, "unclosed override in \"" + item + "\"");
        return false;
      }
      std::string value = item.substr(i + 1, end - i - 1);
      bool ok = true;
      if (open == '(') ok = ParseZone(value, &alias.cq_zone);
      if (open == '[') ok = ParseZone(value, &alias.itu_zone);
      if (open == '{') {
        alias.continent = value;
        ok = IsContinent(value);
      }
      if (!ok) {
        *error = LineError(item_line, "bad override in \"" + item + "\"");
        return false;
      }
      i = end + 1;
    }

    // The first entry for a prefix or call wins, as in the usual readers.
    if (exact) {
      exact_calls_.emplace(body, alias);
    } else {
      prefixes_.emplace(body, alias);
      longest_prefix_ = std::max(longest_prefix_, body.size());
    }
  }
  return true;
}

void CtyFile::FoldWaeEntities() {
  for (Entity& entity : entities_) {
    if (!entity.wae_only) continue;
    bool found = false;
    for (const WaeParent& parent : kWaeParents) {
      if (entity.primary_prefix != parent.wae) continue;
      for (size_t i = 0; i < entities_.size(); ++i) {
        if (!entities_[i].wae_only &&
            entities_[i].primary_prefix == parent.dxcc) {
          entity.dxcc_entity = i;
          found = true;
        }
      }
    }
    if (found) continue;
    // Otherwise the entity whose prefixes cover the starred one's own
    // primary prefix, without its "/x" marker.
    std::string key = Upper(entity.primary_prefix);
    key = key.substr(0, key.find('/'));
    const Alias* alias = LongestPrefix(key, true);
    if (alias != nullptr) entity.dxcc_entity = alias->entity;
  }
}

const CtyFile::Alias* CtyFile::LongestPrefix(const std::string& key,
                                             bool dxcc_only) const {
  for (size_t length = std::min(key.size(), longest_prefix_); length > 0;
       --length) {
    auto it = prefixes_.find(key.substr(0, length));
    if (it == prefixes_.end()) continue;
    if (dxcc_only && entities_[it->second.entity].wae_only) continue;
    return &it->second;
  }
  return nullptr;
}

void CtyFile::Fill(const Alias& alias, CtyResolution* out) const {
  const Entity& entity = entities_[alias.entity];
  const Entity& dxcc = entities_[entity.dxcc_entity];
  out->dxcc = dxcc.primary_prefix;
  out->dxcc_name = dxcc.name;
  out->entity_name = entity.name;
  out->continent = alias.continent.empty() ? entity.continent : alias.continent;
  out->cq_zone = alias.cq_zone != 0 ? alias.cq_zone : entity.cq_zone;
  out->itu_zone = alias.itu_zone != 0 ? alias.itu_zone : entity.itu_zone;
}

bool CtyFile::Resolve(const std::string& call, CtyResolution* out) const {
  CallsignParts parts = SplitCallsign(call);
  if (parts.call.empty()) return false;

  auto exact = exact_calls_.find(parts.call);
  if (exact != exact_calls_.end()) {
    Fill(exact->second, out);
    return true;
  }
  if (parts.maritime || parts.base.empty()) return false;

  std::string key = parts.base;
  if (!parts.designator.empty()) {
    key = parts.designator;
  } else if (parts.area_digit != 0) {
    // "UA9ABC/1" is located like "UA1ABC".
    size_t digits_begin = 0;
    size_t end = PrefixDigitsEnd(key, &digits_begin);
    if (end != 0) {
      key = key.substr(0, digits_begin) + parts.area_digit + key.substr(end);
    }
  } else {
    exact = exact_calls_.find(parts.base);
    if (exact != exact_calls_.end()) {
      Fill(exact->second, out);
      return true;
    }
  }
  const Alias* alias = LongestPrefix(key, false);
  if (alias == nullptr) return false;
  Fill(*alias, out);
  return true;
}

}  // namespace replay
}  // namespace aadx
