#include "base/ini_file.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <vector>

#include "base/ascii.h"
#include "base/whole_file.h"

namespace aadx {
namespace {

// A line of the text: content in [begin, end), its line break (CR LF, LF,
// CR, or none at the end of the text) in [end, next).
struct Line {
  size_t begin;
  size_t end;
  size_t next;
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    Line line;
    line.begin = pos;
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
    line.end = pos;
    if (pos < text.size()) {
      if (text[pos] == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        pos += 2;
      } else {
        ++pos;
      }
    }
    line.next = pos;
    lines.push_back(line);
  }
  return lines;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Narrows [*begin, *end) of text to exclude surrounding blanks and tabs.
void TrimRange(const std::string& text, size_t* begin, size_t* end) {
  while (*begin < *end && IsBlank(text[*begin])) ++*begin;
  while (*end > *begin && IsBlank(text[*end - 1])) --*end;
}

std::string Trimmed(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  TrimRange(text, &begin, &end);
  return text.substr(begin, end - begin);
}

// True when text[begin, end) equals name, ignoring ASCII case only (other
// bytes must match exactly, whatever the locale).
bool SameName(const std::string& text, size_t begin, size_t end,
              const std::string& name) {
  if (end - begin != name.size()) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (AsciiLower(text[begin + i]) != AsciiLower(name[i])) return false;
  }
  return true;
}

enum class LineKind { kBlank, kComment, kSection, kKey, kOther };

// What a line says. For a section header, [nameBegin, nameEnd) is the name;
// for a key line, it is the key and [valueBegin, valueEnd) the value as
// written (trimmed, quotes still on).
struct ParsedLine {
  LineKind kind = LineKind::kOther;
  size_t nameBegin = 0;
  size_t nameEnd = 0;
  size_t valueBegin = 0;
  size_t valueEnd = 0;
};

ParsedLine ParseLine(const std::string& text, const Line& line) {
  ParsedLine parsed;
  size_t begin = line.begin;
  size_t end = line.end;
  TrimRange(text, &begin, &end);
  if (begin == end) {
    parsed.kind = LineKind::kBlank;
    return parsed;
  }
  if (text[begin] == ';') {
    parsed.kind = LineKind::kComment;
    return parsed;
  }
  if (text[begin] == '[') {
    // The name ends at the last ']' of the line (as Wine reads it); a '['
    // line without one is read like any other line.
    size_t close = end;
    while (close > begin && text[close - 1] != ']') --close;
    if (close > begin + 1) {
      parsed.kind = LineKind::kSection;
      parsed.nameBegin = begin + 1;
      parsed.nameEnd = close - 1;
      TrimRange(text, &parsed.nameBegin, &parsed.nameEnd);
      return parsed;
    }
  }
  size_t equals = begin;
  while (equals < end && text[equals] != '=') ++equals;
  if (equals == end) return parsed;  // No '=': neither key nor value.
  parsed.kind = LineKind::kKey;
  parsed.nameBegin = begin;
  parsed.nameEnd = equals;
  TrimRange(text, &parsed.nameBegin, &parsed.nameEnd);
  parsed.valueBegin = equals + 1;
  parsed.valueEnd = end;
  TrimRange(text, &parsed.valueBegin, &parsed.valueEnd);
  return parsed;
}

// Where a key sits in the text, found by FindKey.
struct KeySearch {
  bool sectionFound = false;
  bool keyFound = false;
  ParsedLine keyLine;           // When keyFound.
  size_t lastNonBlankLine = 0;  // Of the section (its header at least).
};

// Searches the first section named section for the first key named key.
// Both names must be trimmed and non-empty.
KeySearch FindKey(const std::string& text, const std::vector<Line>& lines,
                  const std::string& section, const std::string& key) {
  KeySearch search;
  for (size_t i = 0; i < lines.size(); ++i) {
    ParsedLine parsed = ParseLine(text, lines[i]);
    if (parsed.kind == LineKind::kSection) {
      // The section ends here; later sections of that name are not read.
      if (search.sectionFound) break;
      if (SameName(text, parsed.nameBegin, parsed.nameEnd, section)) {
        search.sectionFound = true;
        search.lastNonBlankLine = i;
      }
      continue;
    }
    if (!search.sectionFound) continue;
    if (parsed.kind != LineKind::kBlank) search.lastNonBlankLine = i;
    if (parsed.kind == LineKind::kKey &&
        SameName(text, parsed.nameBegin, parsed.nameEnd, key)) {
      search.keyFound = true;
      search.keyLine = parsed;
      break;
    }
  }
  return search;
}

// The value as read: one pair of matching outer quotes removed.
std::string UnquotedValue(const std::string& text, const ParsedLine& line) {
  size_t begin = line.valueBegin;
  size_t end = line.valueEnd;
  if (end - begin >= 2 && (text[begin] == '"' || text[begin] == '\'') &&
      text[end - 1] == text[begin]) {
    ++begin;
    --end;
  }
  return text.substr(begin, end - begin);
}

bool EndsWithLineBreak(const std::string& text) {
  return !text.empty() && (text.back() == '\n' || text.back() == '\r');
}

enum class FileRead { kOk, kMissing, kFailed };

FileRead ReadWholeFile(const std::string& path, std::string* content) {
  content->clear();
  errno = 0;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  if (file == nullptr) {
    return errno == ENOENT ? FileRead::kMissing : FileRead::kFailed;
  }
  char buffer[4096];
  size_t count;
  while ((count = std::fread(buffer, 1, sizeof(buffer), file)) > 0) {
    content->append(buffer, count);
  }
  bool failed = std::ferror(file) != 0;
  std::fclose(file);
  return failed ? FileRead::kFailed : FileRead::kOk;
}

}  // namespace

bool IniLookup(const std::string& content, const std::string& section,
               const std::string& key, std::string* value) {
  std::string sectionName = Trimmed(section);
  std::string keyName = Trimmed(key);
  if (sectionName.empty() || keyName.empty()) return false;
  KeySearch search =
      FindKey(content, SplitLines(content), sectionName, keyName);
  if (!search.keyFound) return false;
  *value = UnquotedValue(content, search.keyLine);
  return true;
}

std::string IniUpdate(const std::string& content, const std::string& section,
                      const std::string& key, const std::string& value) {
  std::string sectionName = Trimmed(section);
  std::string keyName = Trimmed(key);
  if (sectionName.empty() || keyName.empty()) return content;
  const std::string newKeyLine = keyName + "=" + value + "\r\n";

  std::vector<Line> lines = SplitLines(content);
  KeySearch search = FindKey(content, lines, sectionName, keyName);

  if (search.keyFound) {
    // Replace the value as written (quotes included), keeping the key's
    // spelling, the blanks around the value and the line break.
    const ParsedLine& line = search.keyLine;
    return content.substr(0, line.valueBegin) + value +
           content.substr(line.valueEnd);
  }

  if (search.sectionFound) {
    // Blank lines that close the section stay after the new key.
    const Line& last = lines[search.lastNonBlankLine];
    if (last.next == last.end) {  // Last line of the text, without a break.
      return content + "\r\n" + newKeyLine;
    }
    return content.substr(0, last.next) + newKeyLine +
           content.substr(last.next);
  }

  std::string result = content;
  if (!result.empty() && !EndsWithLineBreak(result)) result += "\r\n";
  result += "[" + sectionName + "]\r\n" + newKeyLine;
  return result;
}

std::string IniPathFromProfileName(const std::string& name) {
  std::string path = name;
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

bool IniReadFile(const std::string& profileName, const std::string& section,
                 const std::string& key, std::string* value) {
  std::string content;
  if (ReadWholeFile(IniPathFromProfileName(profileName), &content) !=
      FileRead::kOk) {
    return false;
  }
  return IniLookup(content, section, key, value);
}

Status IniWriteFile(const std::string& profileName, const std::string& section,
                    const std::string& key, const std::string& value) {
  if (Trimmed(section).empty() || Trimmed(key).empty()) {
    return Status::InvalidArgument(
        "a setting needs a section and a key name that are not blank");
  }
  const std::string path = IniPathFromProfileName(profileName);
  std::string content;
  // A file that exists but cannot be read is left alone rather than
  // replaced by a file holding only the new key.
  if (ReadWholeFile(path, &content) == FileRead::kFailed) {
    return Status::NotWritten(path +
                              ": the file could not be read, so it is left "
                              "as it was");
  }
  return WriteFileWhole(path, IniUpdate(content, section, key, value));
}

}  // namespace aadx
