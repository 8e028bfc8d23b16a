#include "tools/replay/adif_reader.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "tools/replay/band_plan.h"
#include "tools/replay/log_values.h"

namespace aadx {
namespace replay {

namespace {

using Fields = std::map<std::string, std::string>;

size_t FindNoCase(const std::string& text, const std::string& needle) {
  auto it = std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                        [](char a, char b) {
                          return std::toupper(static_cast<unsigned char>(a)) ==
                                 std::toupper(static_cast<unsigned char>(b));
                        });
  return it == text.end() ? std::string::npos
                          : static_cast<size_t>(it - text.begin());
}

std::string Field(const Fields& fields, const char* name) {
  auto it = fields.find(name);
  return it == fields.end() ? std::string() : TrimBlanks(it->second);
}

std::string FirstOf(const Fields& fields, const char* name,
                    const char* fallback) {
  std::string value = Field(fields, name);
  return value.empty() ? Field(fields, fallback) : value;
}

// Fills `contact` from one record's fields; returns false with `problem`
// set when the record cannot make a contact.
bool ToContact(const Fields& fields, LogContact* contact,
               std::string* problem) {
  contact->call = ToUpper(Field(fields, "CALL"));
  if (contact->call.empty()) {
    *problem = "no CALL";
    return false;
  }
  std::string date = Field(fields, "QSO_DATE");
  std::string time = Field(fields, "TIME_ON");
  if (!ParseDate(date, &contact->time)) {
    *problem = date.empty() ? "no QSO_DATE" : "bad QSO_DATE \"" + date + "\"";
    return false;
  }
  if (!ParseTimeOfDay(time, &contact->time)) {
    *problem = time.empty() ? "no TIME_ON" : "bad TIME_ON \"" + time + "\"";
    return false;
  }

  std::string freq = Field(fields, "FREQ");
  if (!freq.empty() && !ParseMegahertz(freq, &contact->freq_hz)) {
    *problem = "bad FREQ \"" + freq + "\"";
    return false;
  }
  contact->band = NormalizeBand(Field(fields, "BAND"));
  if (contact->band.empty() && contact->freq_hz != 0) {
    contact->band = BandOfKhz(contact->freq_hz / 1000);
    if (contact->band.empty()) {
      *problem = "FREQ " + freq + " MHz is in no amateur band and no BAND";
      return false;
    }
  }
  if (contact->band.empty()) {
    *problem = "no FREQ or BAND";
    return false;
  }
  if (contact->freq_hz == 0)
    contact->freq_hz = BandEdgeKhz(contact->band) * 1000;

  contact->mode = NormalizeMode(Field(fields, "MODE"));
  contact->rst_sent = Field(fields, "RST_SENT");
  contact->rst_rcvd = Field(fields, "RST_RCVD");
  contact->exch_sent = FirstOf(fields, "STX_STRING", "STX");
  contact->exch_rcvd = FirstOf(fields, "SRX_STRING", "SRX");
  contact->prefix = ToUpper(Field(fields, "PFX"));
  contact->dxcc = FirstOf(fields, "DXCC", "COUNTRY");
  contact->continent = ToUpper(Field(fields, "CONT"));
  contact->own_call = ToUpper(FirstOf(fields, "STATION_CALLSIGN", "OPERATOR"));
  return true;
}

class AdifParser {
 public:
  AdifParser(const std::string& text, const std::string& file)
      : text_(text), file_(file) {}

  ParsedLog Parse() {
    log_.file = file_;
    // Everything up to <EOH> is the header; a file without one starts with
    // its first record.
    size_t eoh = FindNoCase(text_, "<EOH>");
    if (eoh != std::string::npos) MoveTo(eoh + 5);

    while (true) {
      size_t open = text_.find('<', pos_);
      if (open == std::string::npos) break;
      MoveTo(open);
      if (fields_.empty() && error_.empty()) record_line_ = line_;
      size_t close = text_.find('>', open);
      if (close == std::string::npos) {
        Fail("tag without '>'");
        MoveTo(text_.size());
        break;
      }
      std::string tag = text_.substr(open + 1, close - open - 1);
      std::string name = ToUpper(TrimBlanks(tag.substr(0, tag.find(':'))));
      if (name == "EOR") {
        MoveTo(close + 1);
        EndRecord();
        continue;
      }
      if (!ReadField(tag, name, close)) break;
    }
    if (!fields_.empty() || !error_.empty()) {
      if (error_.empty()) Fail("record not closed by <EOR>");
      EndRecord();
    }
    return log_;
  }

 private:
  // Reads "<NAME:LENGTH[:TYPE]>DATA" whose tag ends at `close`. Returns
  // false when the data runs past the end of the text.
  bool ReadField(const std::string& tag, const std::string& name,
                 size_t close) {
    size_t colon = tag.find(':');
    if (colon == std::string::npos || name.empty()) {
      Fail("tag <" + tag + "> has no length");
      MoveTo(close + 1);
      return true;
    }
    std::string length_text = tag.substr(colon + 1);
    length_text = TrimBlanks(length_text.substr(0, length_text.find(':')));
    bool digits =
        !length_text.empty() && length_text.size() < 7 &&
        std::all_of(length_text.begin(), length_text.end(), [](char c) {
          return std::isdigit(static_cast<unsigned char>(c));
        });
    if (!digits) {
      Fail("tag <" + tag + "> has a bad length");
      MoveTo(close + 1);
      return true;
    }
    size_t length = std::stoul(length_text);
    if (close + 1 + length > text_.size()) {
      Fail("field " + name + " runs past the end of the file");
      MoveTo(text_.size());
      return false;
    }
    fields_.emplace(name, text_.substr(close + 1, length));
    MoveTo(close + 1 + length);
    return true;
  }

  void Fail(const std::string& message) {
    if (error_.empty()) error_ = message;
  }

  void EndRecord() {
    ++record_number_;
    ++log_.records_read;
    std::string where = file_ + ": record " + std::to_string(record_number_) +
                        " (line " + std::to_string(record_line_) + ")";
    LogContact contact;
    contact.source = where;
    std::string problem = error_;
    if (problem.empty() && ToContact(fields_, &contact, &problem)) {
      if (log_.own_call.empty()) log_.own_call = contact.own_call;
      if (log_.contest_mode.empty()) {
        log_.contest_mode = ContestModeOf(Field(fields_, "CONTEST_ID"));
      }
      log_.contacts.push_back(contact);
    } else {
      log_.problems.push_back(where + ": " + problem + "; skipped");
    }
    fields_.clear();
    error_.clear();
  }

  void MoveTo(size_t pos) {
    line_ += static_cast<int>(
        std::count(text_.begin() + pos_, text_.begin() + pos, '\n'));
    pos_ = pos;
  }

  const std::string& text_;
  const std::string& file_;
  ParsedLog log_;
  size_t pos_ = 0;
  int line_ = 1;
  int record_line_ = 1;
  int record_number_ = 0;
  Fields fields_;
  std::string error_;
};

}  // namespace

ParsedLog ReadAdif(const std::string& text, const std::string& file) {
  return AdifParser(text, file).Parse();
}

}  // namespace replay
}  // namespace aadx
