#include "tools/logs/adif_reader.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <sstream>

#include "base/ascii.h"
#include "tools/logs/band_plan.h"
#include "tools/logs/log_values.h"

namespace aadx {
namespace logs {

namespace {

using Fields = std::map<std::string, std::string>;

constexpr size_t kChunk = 1 << 20;
// A tag longer than this is no tag: the '<' was data.
constexpr size_t kLongestTag = 256;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)); }

std::string Field(const Fields& fields, const char* name) {
  auto it = fields.find(name);
  return it == fields.end() ? std::string() : TrimBlanks(it->second);
}

std::string FirstOf(const Fields& fields, const char* name,
                    const char* fallback) {
  std::string value = Field(fields, name);
  return value.empty() ? Field(fields, fallback) : value;
}

// The exchange as the operator logged it: the string field whenever the
// record has one (N1MM writes SRX 0 beside an empty SRX_STRING), else the
// number unless it is 0.
std::string Exchange(const Fields& fields, const char* stringName,
                     const char* numberName) {
  if (fields.count(stringName) != 0) return Field(fields, stringName);
  std::string number = Field(fields, numberName);
  bool zero = !number.empty() && std::all_of(number.begin(), number.end(),
                                             [](char c) { return c == '0'; });
  return zero ? std::string() : number;
}

// Fills `contact` from one record's fields; returns false with `problem`
// set when the record cannot make a contact. `note` tells what was mended
// in a record that makes one.
bool ToContact(const Fields& fields, LogContact* contact, std::string* problem,
               std::string* note) {
  contact->call = AsciiUpperText(Field(fields, "CALL"));
  if (contact->call.empty()) {
    *problem = "no CALL";
    return false;
  }
  std::string date = Field(fields, "QSO_DATE");
  std::string time = Field(fields, "TIME_ON");
  if (!ParseDate(date, &contact->time)) {
    *problem = date.empty() ? "no QSO_DATE" : "bad QSO_DATE " + Excerpt(date);
    return false;
  }
  if (!ParseTimeOfDay(time, &contact->time)) {
    *problem = time.empty() ? "no TIME_ON" : "bad TIME_ON " + Excerpt(time);
    return false;
  }

  std::string freq = Field(fields, "FREQ");
  contact->band = NormalizeBand(Field(fields, "BAND"));
  const bool inBand = BandEdgeKhz(contact->band) != 0;
  bool megahertz = !freq.empty() && ParseMegahertz(freq, &contact->freqHz);
  // Some loggers and hand-edited files give FREQ in kHz: taken when it lies
  // in the record's BAND, else the band stands alone.
  if (!freq.empty() && inBand &&
      (!megahertz || BandOfKhz(contact->freqHz / 1000) != contact->band)) {
    uint32_t hz = 0;
    if (ParseKilohertz(freq, &hz) && BandOfKhz(hz / 1000) == contact->band) {
      contact->freqHz = hz;
    } else if (!megahertz) {
      contact->freqHz = 0;
      *note = "FREQ " + Excerpt(freq) + " is neither MHz nor kHz in " +
              contact->band + "; the band's frequency taken";
    }
  } else if (!freq.empty() && !megahertz) {
    *problem = "bad FREQ " + Excerpt(freq);
    return false;
  }
  if (contact->band.empty() && contact->freqHz != 0) {
    contact->band = BandOfKhz(contact->freqHz / 1000);
    if (contact->band.empty()) {
      *problem = "FREQ " + Excerpt(freq) + " MHz is in no amateur band";
      return false;
    }
  }
  if (contact->band.empty()) {
    *problem = "no FREQ or BAND";
    return false;
  }
  if (contact->freqHz == 0) contact->freqHz = BandEdgeKhz(contact->band) * 1000;

  contact->mode =
      NormalizeMode(Field(fields, "MODE"), Field(fields, "SUBMODE"));
  contact->rstSent = Field(fields, "RST_SENT");
  contact->rstRcvd = Field(fields, "RST_RCVD");
  contact->exchSent = Exchange(fields, "STX_STRING", "STX");
  contact->exchRcvd = Exchange(fields, "SRX_STRING", "SRX");
  SplitReportFromExchange(&contact->rstSent, &contact->exchSent);
  SplitReportFromExchange(&contact->rstRcvd, &contact->exchRcvd);
  contact->prefix = AsciiUpperText(Field(fields, "PFX"));
  // DXCC 0 is ADIF's "in no entity" (LoTW gives it to maritime mobiles,
  // with COUNTRY "NONE"): the log names no entity then.
  const std::string dxcc = Field(fields, "DXCC");
  const bool noEntity =
      !dxcc.empty() && dxcc.find_first_not_of('0') == std::string::npos;
  contact->dxcc = noEntity ? "" : FirstOf(fields, "DXCC", "COUNTRY");
  contact->continent = AsciiUpperText(Field(fields, "CONT"));
  contact->ownCall =
      AsciiUpperText(FirstOf(fields, "STATION_CALLSIGN", "OPERATOR"));
  return true;
}

// The input as a window of bytes at absolute offsets, filled a chunk at a
// time and emptied of what the parser has passed.
class Window {
 public:
  Window(std::istream& in, const ByteProgressFn& progress)
      : in_(in), progress_(progress) {}

  // True when the byte at `pos` is (now) held.
  bool Has(size_t pos) {
    while (pos >= base_ + bytes_.size() && !eof_) Read();
    return pos < base_ + bytes_.size();
  }
  char At(size_t pos) const { return bytes_[pos - base_]; }
  size_t end() const { return base_ + bytes_.size(); }

  // Offset of the first `c` at or after `from` and before `limit`, or npos.
  size_t Find(char c, size_t from, size_t limit = std::string::npos) {
    for (size_t pos = from; pos < limit && Has(pos);) {
      size_t stop = std::min(end(), limit);
      const char* begin = bytes_.data() + (pos - base_);
      const void* hit = std::memchr(begin, c, stop - pos);
      if (hit != nullptr)
        return pos + static_cast<size_t>(static_cast<const char*>(hit) - begin);
      pos = stop;
    }
    return std::string::npos;
  }

  std::string Slice(size_t from, size_t to) {
    Has(to == 0 ? 0 : to - 1);
    to = std::min(to, end());
    return from >= to ? std::string() : bytes_.substr(from - base_, to - from);
  }

  // Lines ended between `from` and `to`, both held.
  int LinesBetween(size_t from, size_t to) const {
    return static_cast<int>(std::count(bytes_.begin() + (from - base_),
                                       bytes_.begin() + (to - base_), '\n'));
  }

  // Forgets the bytes before `pos`.
  void Drop(size_t pos) {
    if (pos - base_ < kChunk) return;
    bytes_.erase(0, pos - base_);
    base_ = pos;
  }

 private:
  void Read() {
    size_t old = bytes_.size();
    bytes_.resize(old + kChunk);
    in_.read(&bytes_[old], static_cast<std::streamsize>(kChunk));
    size_t got = static_cast<size_t>(in_.gcount());
    bytes_.resize(old + got);
    if (got == 0 || !in_) eof_ = true;
    if (progress_) progress_(end());
  }

  std::istream& in_;
  const ByteProgressFn& progress_;
  std::string bytes_;
  size_t base_ = 0;
  bool eof_ = false;
};

class AdifParser {
 public:
  AdifParser(std::istream& in, const std::string& file,
             const ByteProgressFn& progress)
      : in_(in, progress), file_(file) {}

  ParsedLog Parse() {
    log_.file = file_;
    SkipHeaderText();
    while (true) {
      size_t open = in_.Find('<', pos_);
      if (open == std::string::npos) break;
      MoveTo(open);
      in_.Drop(pos_);
      if (fields_.empty() && error_.empty()) recordLine_ = line_;
      ReadTag(open);
    }
    if (!fields_.empty() || !error_.empty()) {
      if (error_.empty()) Fail("record not closed by <EOR>");
      EndRecord();
    }
    return std::move(log_);
  }

 private:
  // Free text before the first field is a header that ends at <EOH>.
  void SkipHeaderText() {
    size_t first = 0;
    while (in_.Has(first) &&
           std::isspace(static_cast<unsigned char>(in_.At(first))))
      ++first;
    if (!in_.Has(first) || in_.At(first) == '<') return;
    std::string head = AsciiUpperText(in_.Slice(0, kChunk));
    size_t eoh = head.find("<EOH>");
    if (eoh != std::string::npos) MoveTo(eoh + 5);
  }

  // Reads the tag at `open` and, for a field, its data.
  void ReadTag(size_t open) {
    size_t close = in_.Find('>', open + 1, open + kLongestTag);
    size_t nextOpen = in_.Find('<', open + 1, close);
    if (close == std::string::npos || nextOpen != std::string::npos) {
      std::string problem = "line " + std::to_string(line_) + ": tag " +
                            Excerpt(in_.Slice(open, open + 24), 20) +
                            " has no '>'";
      // Between records it spoils none of them.
      if (fields_.empty() && error_.empty()) {
        ++log_.recordsRead;
        log_.problems.push_back(file_ + ": " + problem + "; skipped");
      } else {
        Fail(problem);
      }
      MoveTo(nextOpen != std::string::npos ? nextOpen : open + 1);
      return;
    }
    std::string tag = in_.Slice(open + 1, close);
    std::string name = AsciiUpperText(TrimBlanks(tag.substr(0, tag.find(':'))));
    if (name == "EOR") {
      MoveTo(close + 1);
      EndRecord();
      return;
    }
    // End markers (LoTW ends every download with one) are no records.
    if ((name == "EOF" || name == "APP_LOTW_EOF") && fields_.empty() &&
        error_.empty()) {
      MoveTo(close + 1);
      return;
    }
    if (name == "EOH") {  // what came before was the header
      MoveTo(close + 1);
      fields_.clear();
      error_.clear();
      return;
    }
    size_t colon = tag.find(':');
    std::string lengthText =
        colon == std::string::npos ? "" : tag.substr(colon + 1);
    lengthText = TrimBlanks(lengthText.substr(0, lengthText.find(':')));
    bool digits = !lengthText.empty() && lengthText.size() < 7 &&
                  std::all_of(lengthText.begin(), lengthText.end(), IsDigit);
    MoveTo(close + 1);
    if (name.empty() || !digits) {
      Fail("line " + std::to_string(line_) + ": tag " +
           Excerpt("<" + tag + ">") +
           (colon == std::string::npos ? " has no length"
                                       : " has a bad length"));
      return;
    }
    size_t begin = close + 1;
    size_t length = std::stoul(lengthText);
    size_t end = begin + length;
    if (length > 0) {
      // A length that lies runs into the next field: resume there.
      size_t tagInside = NextTag(begin, end);
      bool pastEnd = tagInside == std::string::npos && !in_.Has(end - 1);
      if (tagInside != std::string::npos || pastEnd) {
        Fail("line " + std::to_string(line_) + ": field " + Excerpt(name, 20) +
             " claims " + lengthText + " characters" +
             (pastEnd ? ", past the end of the file"
                      : ", running into the next field"));
        MoveTo(pastEnd ? in_.end() : tagInside);
        return;
      }
    }
    fields_.emplace(name, in_.Slice(begin, end));
    MoveTo(end);
  }

  // The first '<' in [begin, end) that opens a field tag or <EOR>, or npos.
  size_t NextTag(size_t begin, size_t end) {
    for (size_t open = in_.Find('<', begin, end); open != std::string::npos;
         open = in_.Find('<', open + 1, end)) {
      size_t close = in_.Find('>', open + 1, open + kLongestTag);
      if (close == std::string::npos) continue;
      std::string tag = AsciiUpperText(in_.Slice(open + 1, close));
      if (tag == "EOR") return open;
      size_t colon = tag.find(':');
      if (colon == 0 || colon == std::string::npos) continue;
      size_t type = tag.find(':', colon + 1);
      std::string length = tag.substr(colon + 1, type - colon - 1);
      bool nameOk = std::all_of(tag.begin(), tag.begin() + colon, [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
      });
      if (nameOk && !length.empty() &&
          std::all_of(length.begin(), length.end(), IsDigit))
        return open;
    }
    return std::string::npos;
  }

  void Fail(const std::string& message) {
    if (error_.empty()) error_ = message;
  }

  void EndRecord() {
    ++recordNumber_;
    ++log_.recordsRead;
    std::string where = file_ + ": record " + std::to_string(recordNumber_) +
                        " (line " + std::to_string(recordLine_) + ")";
    LogContact contact;
    contact.source = where;
    contact.line = recordLine_;
    std::string problem = error_;
    std::string note;
    if (problem.empty() && ToContact(fields_, &contact, &problem, &note)) {
      if (!note.empty()) log_.notes.push_back(where + ": " + note);
      if (log_.ownCall.empty()) log_.ownCall = contact.ownCall;
      const std::string contest = Field(fields_, "CONTEST_ID");
      if (!contest.empty()) ++log_.contests[contest];
      if (log_.contestMode.empty() && IsAllAsianContest(contest)) {
        log_.contestMode = ContestModeOf(contest);
      }
      log_.contacts.push_back(std::move(contact));
    } else {
      log_.problems.push_back(where + ": " + problem + "; skipped");
    }
    fields_.clear();
    error_.clear();
  }

  void MoveTo(size_t pos) {
    if (pos > in_.end()) pos = in_.end();
    if (pos > pos_) line_ += in_.LinesBetween(pos_, pos);
    pos_ = pos;
  }

  Window in_;
  const std::string& file_;
  ParsedLog log_;
  size_t pos_ = 0;
  int line_ = 1;
  int recordLine_ = 1;
  int recordNumber_ = 0;
  Fields fields_;
  std::string error_;
};

}  // namespace

ParsedLog ReadAdif(std::istream& in, const std::string& file,
                   const ByteProgressFn& progress) {
  return AdifParser(in, file, progress).Parse();
}

ParsedLog ReadAdif(const std::string& text, const std::string& file) {
  std::istringstream in(text);
  return ReadAdif(in, file);
}

}  // namespace logs
}  // namespace aadx
