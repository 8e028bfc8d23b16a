// The INI code the POSIX profile runs on: any text, any section, key and
// value. A value written reads back; no other key changes; writing the same
// value again changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>

#include "base/ini_file.h"
#include "fuzz/fuzz_check.h"

namespace aadx {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string Folded(const std::string& s) {
  std::string t = Trim(s);
  for (char& c : t) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return t;
}

// A name the profile can hold: none of the bytes that end a line, a
// section header or a key.
std::string Name(const std::string& raw) {
  std::string name;
  for (char c : raw) {
    if (c != '\r' && c != '\n' && c != '\0' && c != '[' && c != ']' &&
        c != '=' && c != ';') {
      name += c;
    }
  }
  return Trim(name);
}

// A value that reads back as written: one line, no outer blanks, no outer
// pair of quotes (the profile drops those, as Windows does).
std::string Value(const std::string& raw) {
  std::string value;
  for (char c : raw) {
    if (c != '\r' && c != '\n' && c != '\0') value += c;
  }
  value = Trim(value);
  if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') &&
      value.back() == value[0]) {
    value.insert(0, "x");
  }
  return value;
}

// The section and key names the text itself holds, a few of each.
std::set<std::pair<std::string, std::string>> NamesIn(const std::string& text) {
  std::set<std::string> sections{""}, keys;
  size_t start = 0;
  while (start < text.size() && sections.size() < 8 && keys.size() < 8) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    std::string line = Trim(text.substr(start, end - start));
    if (!line.empty() && line[0] == '[') {
      sections.insert(Trim(line.substr(1, line.find(']') - 1)));
    } else if (line.find('=') != std::string::npos) {
      keys.insert(Trim(line.substr(0, line.find('='))));
    }
    start = end + 1;
  }
  std::set<std::pair<std::string, std::string>> names;
  for (const std::string& s : sections) {
    for (const std::string& k : keys) names.emplace(s, k);
  }
  return names;
}

}  // namespace
}  // namespace aadx

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace aadx;
  FuzzedDataProvider in(data, size);
  std::string rawSection = in.ConsumeRandomLengthString(40);
  std::string rawKey = in.ConsumeRandomLengthString(40);
  std::string rawValue = in.ConsumeRandomLengthString(200);
  std::string content = in.ConsumeRemainingBytesAsString();

  // Whatever the names, nothing breaks; unusable names change nothing.
  std::string any = IniUpdate(content, rawSection, rawKey, rawValue);
  if (Trim(rawSection).empty() || Trim(rawKey).empty()) {
    FUZZ_CHECK(any == content, "a write without a name changed the text");
  }

  std::string section = Name(rawSection);
  std::string key = Name(rawKey);
  std::string value = Value(rawValue);
  if (section.empty() || key.empty()) return 0;

  std::string updated = IniUpdate(content, section, key, value);
  std::string read;
  FUZZ_CHECK(IniLookup(updated, section, key, &read),
             "the written key is missing");
  FUZZ_CHECK(read == value, "the written value reads back differently");
  FUZZ_CHECK(IniUpdate(updated, section, key, value) == updated,
             "writing the same value twice changed the text");

  for (const auto& [s, k] : NamesIn(content)) {
    if (Folded(s) == Folded(section) && Folded(k) == Folded(key)) continue;
    std::string before, after;
    bool had = IniLookup(content, s, k, &before);
    bool has = IniLookup(updated, s, k, &after);
    FUZZ_CHECK(had == has && before == after, "another key changed");
  }
  return 0;
}
