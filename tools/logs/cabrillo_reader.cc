#include "tools/logs/cabrillo_reader.h"

#include <cctype>
#include <sstream>
#include <vector>

#include "base/ascii.h"
#include "tools/logs/band_plan.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace logs {

const char kExcludedQsoReason[] = "X-QSO line, left out of scoring by the log";

namespace {

std::vector<std::string> Tokens(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> tokens;
  std::string token;
  while (in >> token) tokens.push_back(token);
  return tokens;
}

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

bool LooksLikeCall(const std::string& token) {
  bool letter = false;
  for (char c : token) {
    if (std::isalpha(static_cast<unsigned char>(c))) letter = true;
  }
  return letter && !LooksLikeReport(token);
}

std::string Join(const std::vector<std::string>& tokens, size_t begin,
                 size_t end) {
  std::string result;
  for (size_t i = begin; i < end; ++i) {
    if (!result.empty()) result += ' ';
    result += tokens[i];
  }
  return result;
}

// Words [begin, end) of a QSO line as report and exchange: a lone word that
// is no report is the exchange alone.
void TakeExchange(const std::vector<std::string>& t, size_t begin, size_t end,
                  std::string* rst, std::string* exchange) {
  if (begin >= end) return;
  if (end - begin == 1 && !LooksLikeReport(t[begin])) {
    *exchange = t[begin];
    return;
  }
  *rst = t[begin];
  *exchange = Join(t, begin + 1, end);
}

// Fills `contact` from the fields of a QSO line; returns false with
// `problem` set when they cannot make a contact.
bool ToContact(const std::vector<std::string>& t, LogContact* contact,
               std::string* problem) {
  if (t.size() < 6) {
    *problem =
        "a QSO line needs at least frequency, mode, date, time, own "
        "call and call";
    return false;
  }
  if (!AllDigits(t[0]) || t[0].size() > 7) {
    *problem = "bad frequency " + Excerpt(t[0]);
    return false;
  }
  uint32_t khz = static_cast<uint32_t>(std::stoul(t[0]));
  // VHF logs may give the band in MHz instead of a frequency.
  if (khz < 1800 && !BandOfKhz(khz * 1000).empty()) khz *= 1000;
  contact->band = BandOfKhz(khz);
  if (contact->band.empty()) {
    *problem = "frequency " + Excerpt(t[0]) + " kHz is in no amateur band";
    return false;
  }
  contact->freqHz = khz * 1000;
  contact->mode = NormalizeMode(t[1]);
  if (!ParseDate(t[2], &contact->time) || t[2].size() != 10) {
    *problem = "bad date " + Excerpt(t[2]);
    return false;
  }
  if (!ParseTimeOfDay(t[3], &contact->time) || t[3].size() != 4) {
    *problem = "bad time " + Excerpt(t[3]);
    return false;
  }
  contact->ownCall = AsciiUpperText(t[4]);

  // After the own call come the sent exchange, the call and the received
  // exchange. The usual two-field exchanges put the call fourth; with a
  // field missing, the call is the first word that can be one.
  const size_t first = 5;
  size_t call = t.size();
  if (t.size() >= first + 4 && LooksLikeCall(t[first + 2])) {
    call = first + 2;
  } else {
    for (size_t i = first; i < t.size(); ++i) {
      if (LooksLikeCall(t[i])) {
        call = i;
        break;
      }
    }
  }
  if (call == t.size()) {
    *problem = "no worked callsign after the own call";
    return false;
  }
  contact->call = AsciiUpperText(t[call]);
  TakeExchange(t, first, call, &contact->rstSent, &contact->exchSent);

  size_t rcvd = call + 1;
  size_t end = t.size();
  // A last single digit after a full exchange is the transmitter number.
  if (end - rcvd == 3 && t[end - 1].size() == 1 && AllDigits(t[end - 1])) --end;
  TakeExchange(t, rcvd, end, &contact->rstRcvd, &contact->exchRcvd);
  return true;
}

}  // namespace

ParsedLog ReadCabrillo(std::istream& in, const std::string& file,
                       const ByteProgressFn& progress) {
  ParsedLog log;
  log.file = file;
  std::string line;
  int lineNumber = 0;
  uint64_t bytes = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    bytes += line.size() + 1;
    if (progress && lineNumber % 4096 == 0) progress(bytes);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (TrimBlanks(line).empty()) continue;

    const std::string where = file + ": line " + std::to_string(lineNumber);
    size_t colon = line.find(':');
    std::string tag = colon == std::string::npos
                          ? ""
                          : AsciiUpperText(TrimBlanks(line.substr(0, colon)));
    std::string value =
        colon == std::string::npos ? "" : line.substr(colon + 1);
    if (tag.empty() || tag.find(' ') != std::string::npos) {
      ++log.recordsRead;
      log.problems.push_back(where + ": not a Cabrillo line " + Excerpt(line) +
                             "; skipped");
      continue;
    }
    if (tag == "X-QSO") {
      ++log.recordsRead;
      ++log.excludedQsos;
      log.problems.push_back(where + ": " + kExcludedQsoReason + "; skipped");
    } else if (tag == "QTC") {
      ++log.qtcLines;
    } else if (tag == "QSO") {
      ++log.recordsRead;
      LogContact contact;
      contact.source = where;
      contact.line = lineNumber;
      std::string problem;
      if (ToContact(Tokens(value), &contact, &problem)) {
        log.contacts.push_back(std::move(contact));
      } else {
        log.problems.push_back(where + ": " + problem + "; skipped");
      }
    } else {
      if (tag == "CALLSIGN") log.ownCall = AsciiUpperText(TrimBlanks(value));
      if (tag == "CONTEST") {
        const std::string name = TrimBlanks(value);
        if (!name.empty()) log.contests[name] = 0;
        if (IsAllAsianContest(name)) log.contestMode = ContestModeOf(name);
      }
      log.header.emplace_back(tag, TrimBlanks(value));
    }
  }
  // The header names the contest of every contact.
  for (auto& [name, contacts] : log.contests)
    contacts = static_cast<int>(log.contacts.size());
  if (progress) progress(bytes);
  return log;
}

ParsedLog ReadCabrillo(const std::string& text, const std::string& file) {
  std::istringstream in(text);
  return ReadCabrillo(in, file);
}

}  // namespace logs
}  // namespace aadx
