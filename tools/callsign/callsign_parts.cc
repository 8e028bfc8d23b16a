#include "tools/callsign/callsign_parts.h"

#include <cctype>
#include <vector>

#include "base/ascii.h"

namespace aadx {
namespace callsign {

namespace {

bool IsLocationFreeSuffix(const std::string& part, bool* maritime) {
  static const char* const kSuffixes[] = {"P", "M",   "MM", "AM",  "A",
                                          "E", "QRP", "J",  "QRPP"};
  for (const char* suffix : kSuffixes) {
    if (part == suffix) {
      *maritime = part == "MM" || part == "AM";
      return true;
    }
  }
  return false;
}

// A home call has letters after its digits ("N8BJQ"); a portable prefix
// ends in a digit or has none ("KH9", "PA").
bool LooksLikeHomeCall(const std::string& part) {
  size_t digitsBegin = 0;
  size_t end = PrefixDigitsEnd(part, &digitsBegin);
  return end != 0 && end < part.size();
}

}  // namespace

size_t PrefixDigitsEnd(const std::string& text, size_t* digitsBegin) {
  size_t i = 1;
  while (i < text.size() &&
         !std::isdigit(static_cast<unsigned char>(text[i]))) {
    ++i;
  }
  if (i >= text.size()) return 0;
  *digitsBegin = i;
  while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
    ++i;
  }
  return i;
}

CallsignParts SplitCallsign(const std::string& call) {
  CallsignParts parts;
  for (char c : call) {
    if (std::isspace(static_cast<unsigned char>(c))) continue;
    parts.call += AsciiUpper(c);
  }

  std::vector<std::string> pieces;
  size_t start = 0;
  while (start <= parts.call.size()) {
    size_t slash = parts.call.find('/', start);
    if (slash == std::string::npos) slash = parts.call.size();
    std::string piece = parts.call.substr(start, slash - start);
    const bool first = start == 0;
    start = slash + 1;
    if (piece.empty()) continue;
    // In front of the call "MM" is a prefix (Scotland), no suffix; only the
    // last part makes the station maritime mobile.
    bool maritime = false;
    if (!first && IsLocationFreeSuffix(piece, &maritime)) {
      parts.maritime = maritime && start > parts.call.size();
      continue;
    }
    if (piece.size() == 1 &&
        std::isdigit(static_cast<unsigned char>(piece[0]))) {
      parts.areaDigit = piece[0];
      continue;
    }
    pieces.push_back(piece);
  }
  if (pieces.empty()) return parts;

  // The home call is the piece that looks most like one; on a tie the later
  // piece wins, since a portable prefix is usually written in front.
  size_t home = 0;
  for (size_t i = 1; i < pieces.size(); ++i) {
    bool betterShape = LooksLikeHomeCall(pieces[i]);
    bool homeShape = LooksLikeHomeCall(pieces[home]);
    if (betterShape != homeShape) {
      if (betterShape) home = i;
      continue;
    }
    if (pieces[i].size() >= pieces[home].size()) home = i;
  }
  parts.base = pieces[home];
  for (size_t i = 0; i < pieces.size(); ++i) {
    if (i != home) {
      parts.designator = pieces[i];
      break;
    }
  }
  return parts;
}

}  // namespace callsign
}  // namespace aadx
