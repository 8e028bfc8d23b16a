#include "tools/replay/settings_file.h"

#include <fstream>
#include <sstream>
#include <vector>

#include "base/ascii.h"

namespace aadx {
namespace replay {

namespace {

struct Line {
  std::string text;  // without its line end
  std::string end;   // "\r\n", "\n", "\r" or "" for a last unterminated line
};

std::vector<Line> SplitLines(const std::string& text) {
  std::vector<Line> lines;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t brk = text.find_first_of("\r\n", pos);
    Line line;
    if (brk == std::string::npos) {
      line.text = text.substr(pos);
      pos = text.size();
    } else {
      line.text = text.substr(pos, brk - pos);
      size_t len = text.compare(brk, 2, "\r\n") == 0 ? 2 : 1;
      line.end = text.substr(brk, len);
      pos = brk + len;
    }
    lines.push_back(line);
  }
  return lines;
}

std::string Trim(const std::string& text) {
  size_t begin = text.find_first_not_of(" \t");
  if (begin == std::string::npos) return "";
  size_t end = text.find_last_not_of(" \t");
  return text.substr(begin, end - begin + 1);
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

// The section a "[name]" line opens, or false for any other line.
bool SectionOf(const std::string& line, std::string* name) {
  std::string t = Trim(line);
  if (t.empty() || t[0] != '[') return false;
  size_t close = t.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(t.substr(1, close - 1));
  return true;
}

}  // namespace

std::string WithSetting(const std::string& ini, const std::string& section,
                        const std::string& key, const std::string& value) {
  std::vector<Line> lines = SplitLines(ini);
  std::string eol = "\r\n";
  if (ini.find("\r\n") == std::string::npos) {
    if (ini.find('\n') != std::string::npos)
      eol = "\n";
    else if (ini.find('\r') != std::string::npos)
      eol = "\r";
  }

  bool inSection = false;
  long sectionLine = -1;
  long lastEntry = -1;  // last non-blank line of the section
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name;
    if (SectionOf(lines[i].text, &name)) {
      if (inSection) break;
      inSection = SameName(name, section);
      if (inSection) sectionLine = lastEntry = static_cast<long>(i);
      continue;
    }
    if (!inSection) continue;
    std::string t = Trim(lines[i].text);
    if (t.empty()) continue;
    lastEntry = static_cast<long>(i);
    if (t[0] == ';') continue;
    size_t equals = lines[i].text.find('=');
    if (equals == std::string::npos) continue;
    if (SameName(Trim(lines[i].text.substr(0, equals)), key)) {
      lines[i].text = lines[i].text.substr(0, equals + 1) + value;
      sectionLine = -2;  // done
      break;
    }
  }

  if (sectionLine >= 0) {
    Line entry{key + "=" + value, eol};
    if (lines[lastEntry].end.empty()) lines[lastEntry].end = eol;
    lines.insert(lines.begin() + lastEntry + 1, entry);
  } else if (sectionLine == -1) {
    if (!lines.empty() && lines.back().end.empty()) lines.back().end = eol;
    lines.push_back(Line{"[" + section + "]", eol});
    lines.push_back(Line{key + "=" + value, eol});
  }

  std::string result;
  for (const Line& line : lines) result += line.text + line.end;
  return result;
}

bool WriteSetting(const std::string& path, const std::string& section,
                  const std::string& key, const std::string& value,
                  std::string* error) {
  std::string text;
  {
    std::ifstream in(path, std::ios::binary);
    if (in) {
      std::ostringstream buffer;
      buffer << in.rdbuf();
      text = buffer.str();
    }
  }
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << WithSetting(text, section, key, value);
  out.close();
  if (!out) {
    *error = path + ": cannot be written";
    return false;
  }
  return true;
}

}  // namespace replay
}  // namespace aadx
