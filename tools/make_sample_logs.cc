// make_sample_logs: writes the bundled sample logs into a folder.
//
//   aadx-asia-cw.adi   an Asian entrant's CW log (ADIF, with PFX and CONT)
//   aadx-dx-ssb.log    a non-Asian entrant's SSB log (Cabrillo 3.0)
//   AADX.ini           plug-in settings with the Cabrillo header values
//
// The logs are synthetic: invented callsigns built on real prefixes, times,
// bands and exchanges from a fixed pseudo-random sequence, so that every
// platform writes the same bytes. Among the contacts are dupes, contacts on
// the WARC bands, missing exchanges, a mode the contest does not allow and
// one malformed record, so that a replay shows every kind of outcome.
//
// Usage: make_sample_logs DIR
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

// xorshift64*: small, and the same sequence everywhere (the standard
// library's distributions are not).
class Random {
 public:
  explicit Random(uint64_t seed) : state_(seed) {}
  int Below(int n) {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<int>(((state_ * 0x2545F4914F6CDD1DULL) >> 33) %
                            static_cast<uint64_t>(n));
  }

 private:
  uint64_t state_;
};

struct CallArea {
  const char* letters;
  const char* digits;
  const char* continent;
};

const CallArea kAsia[] = {
    {"JA", "123456789", "AS"}, {"JH", "1234", "AS"}, {"BY", "1234", "AS"},
    {"BV", "2", "AS"},         {"HL", "1245", "AS"}, {"VU", "23", "AS"},
    {"HS", "0", "AS"},         {"9M", "2", "AS"},    {"4X", "4", "AS"},
    {"UA", "90", "AS"},        {"UN", "7", "AS"},    {"A6", "1", "AS"},
};

const CallArea kElsewhere[] = {
    {"K", "0123456789", "NA"}, {"W", "123456789", "NA"}, {"N", "1234", "NA"},
    {"VE", "3", "NA"},         {"DL", "12345", "EU"},    {"G", "034", "EU"},
    {"F", "568", "EU"},        {"I", "0128", "EU"},      {"OH", "123", "EU"},
    {"SP", "2359", "EU"},      {"OK", "12", "EU"},       {"UA", "1346", "EU"},
    {"EA", "1357", "EU"},      {"PA", "03", "EU"},       {"HA", "158", "EU"},
    {"9A", "123", "EU"},       {"VK", "2345", "OC"},     {"ZL", "12", "OC"},
    {"YB", "0129", "OC"},      {"PY", "1257", "SA"},     {"LU", "18", "SA"},
    {"ZS", "16", "AF"},        {"CN", "8", "AF"},
};

struct Band {
  const char* name;
  int cwKhz;   // start of the CW segment used
  int ssbKhz;  // start of the phone segment used
  int weight;  // how often the band is chosen, in percent
};

const Band kContestBands[] = {
    {"160m", 1810, 1843, 5},   {"80m", 3505, 3700, 12},
    {"40m", 7005, 7080, 25},   {"20m", 14005, 14160, 30},
    {"15m", 21005, 21200, 18}, {"10m", 28005, 28400, 10},
};

const Band kWarcBands[] = {{"30m", 10105, 10105, 0},
                           {"17m", 18070, 18100, 0},
                           {"12m", 24892, 24930, 0}};

struct Qso {
  std::string call;
  std::string prefix;
  std::string continent;
  std::string band;
  uint32_t hz = 0;
  std::string mode;
  int day = 0;  // 0 or 1: first or second contest day
  int minute = 0;
  std::string rstSent;
  std::string rstRcvd;
  std::string exchSent;
  std::string exchRcvd;
  bool malformed = false;
};

struct Entrant {
  const char* call;
  const char* mode;  // "CW" or "SSB"
  int asiaPercent;   // share of Asian stations among the contacts
  int contacts;
  uint64_t seed;
};

std::string Letters(Random* random, int count) {
  std::string text;
  for (int i = 0; i < count; ++i)
    text += static_cast<char>('A' + random->Below(26));
  return text;
}

const Band& PickBand(Random* random) {
  int roll = random->Below(100);
  for (const Band& band : kContestBands) {
    if (roll < band.weight) return band;
    roll -= band.weight;
  }
  return kContestBands[3];
}

void PickStation(Random* random, int asiaPercent, Qso* qso) {
  bool asia = random->Below(100) < asiaPercent;
  const CallArea& area =
      asia
          ? kAsia[random->Below(sizeof kAsia / sizeof kAsia[0])]
          : kElsewhere[random->Below(sizeof kElsewhere / sizeof kElsewhere[0])];
  std::string digits = area.digits;
  qso->prefix = std::string(area.letters) +
                digits[static_cast<size_t>(
                    random->Below(static_cast<int>(digits.size())))];
  // Suffixes starting with Q are not issued in most countries.
  qso->call = qso->prefix + "Q" + Letters(random, 2);
  qso->continent = area.continent;
}

void Tune(Random* random, const Band& band, const std::string& mode, Qso* qso) {
  qso->band = band.name;
  int khz = mode == "CW" ? band.cwKhz + random->Below(40)
                         : band.ssbKhz + random->Below(60);
  qso->hz = static_cast<uint32_t>(khz) * 1000 +
            static_cast<uint32_t>(random->Below(10)) * 100;
}

std::string Age(Random* random) {
  char text[16];
  int age = random->Below(20) == 0 ? 0 : 18 + random->Below(62);
  std::snprintf(text, sizeof text, "%02d", age);
  return text;
}

// The contacts of one entrant, in time order. Every few contacts one of
// them is made irregular in a fixed way.
std::vector<Qso> MakeContacts(const Entrant& entrant) {
  Random random(entrant.seed);
  const std::string report = std::string(entrant.mode) == "CW" ? "599" : "59";
  std::vector<Qso> log;
  int clock = random.Below(5);  // minutes since the contest start
  for (int i = 0; i < entrant.contacts; ++i) {
    Qso qso;
    qso.mode = entrant.mode;
    if (i % 37 == 36) {
      // A station worked before, again on the same contest band and mode:
      // a dupe.
      const Band* band = nullptr;
      for (size_t back = 10; band == nullptr && back <= log.size(); ++back) {
        qso = log[log.size() - back];
        for (const Band& b : kContestBands) {
          if (qso.band == b.name && qso.mode == entrant.mode) band = &b;
        }
      }
      qso.malformed = false;
      Tune(&random, *band, qso.mode, &qso);
    } else {
      PickStation(&random, entrant.asiaPercent, &qso);
      if (i % 53 == 20) {
        int warc = (i / 53) % 3;
        if (qso.mode == "SSB" && warc == 0) warc = 1;  // 30 m has no phone
        Tune(&random, kWarcBands[warc], qso.mode, &qso);
      } else {
        Tune(&random, PickBand(&random), qso.mode, &qso);
      }
    }
    qso.rstSent = report;
    qso.rstRcvd = report;
    qso.exchSent = "45";
    qso.exchRcvd = Age(&random);
    if (i % 61 == 30) qso.exchRcvd.clear();  // the age was not copied
    if (i == 200) qso.exchSent.clear();      // nor was the own age logged
    if (i == 150) qso.mode = qso.mode == "CW" ? "RTTY" : "FM";
    if (i == 240) qso.malformed = true;
    qso.day = clock / 1440;
    qso.minute = clock % 1440;
    log.push_back(qso);
    clock += 3 + random.Below(10);
    if (clock >= 2 * 1440) break;
  }
  return log;
}

std::string AdifField(const char* name, const std::string& value) {
  if (value.empty()) return "";
  return "<" + std::string(name) + ":" + std::to_string(value.size()) + ">" +
         value + " ";
}

std::string Megahertz(uint32_t hz) {
  char text[32];
  std::snprintf(text, sizeof text, "%u.%04u", hz / 1000000,
                (hz % 1000000) / 100);
  return text;
}

std::string Clock(int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d%02d", minute / 60, minute % 60);
  return text;
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  if (!out)
    std::fprintf(stderr, "make_sample_logs: cannot write %s\n", path.c_str());
  return static_cast<bool>(out);
}

// June: the CW weekend, 2021-06-19 and 20.
std::string AsianCwAdif() {
  const Entrant entrant{"JA1QZX", "CW", 35, 320, 0x4A41315158ULL};
  std::string text =
      "AADX sample log: an Asian entrant in the CW contest. Synthetic data\n"
      "written by make_sample_logs; the callsigns are invented.\n"
      "<ADIF_VER:5>3.1.4 <PROGRAMID:16>make_sample_logs <EOH>\n";
  for (const Qso& q : MakeContacts(entrant)) {
    std::string date = q.day == 0 ? "20210619" : "20210620";
    if (q.malformed) date = "20210631";
    text += AdifField("CALL", q.call) + AdifField("QSO_DATE", date) +
            AdifField("TIME_ON", Clock(q.minute)) +
            AdifField("FREQ", Megahertz(q.hz)) + AdifField("BAND", q.band) +
            AdifField("MODE", q.mode) + AdifField("RST_SENT", q.rstSent) +
            AdifField("RST_RCVD", q.rstRcvd) +
            AdifField("STX_STRING", q.exchSent) +
            AdifField("SRX_STRING", q.exchRcvd) + AdifField("PFX", q.prefix) +
            AdifField("CONT", q.continent) +
            AdifField("STATION_CALLSIGN", entrant.call) +
            AdifField("CONTEST_ID", "AADX-CW") + "<EOR>\n";
  }
  return text;
}

// September: the phone weekend, 2021-09-04 and 05.
std::string DxSsbCabrillo() {
  const Entrant entrant{"DL3QZX", "SSB", 80, 260, 0x444C335158ULL};
  std::string text =
      "START-OF-LOG: 3.0\r\n"
      "CALLSIGN: DL3QZX\r\n"
      "CONTEST: AADX-SSB\r\n"
      "CATEGORY-OPERATOR: SINGLE-OP\r\n"
      "CATEGORY-BAND: ALL\r\n"
      "CATEGORY-MODE: SSB\r\n"
      "CATEGORY-POWER: LOW\r\n"
      "CREATED-BY: make_sample_logs (synthetic sample, invented callsigns)\r\n"
      "NAME: Sample Operator\r\n";
  for (const Qso& q : MakeContacts(entrant)) {
    char line[160];
    std::string mode = q.mode == "SSB" ? "PH" : q.mode;
    std::string date = q.day == 0 ? "2021-09-04" : "2021-09-05";
    std::string freq = std::to_string(q.hz / 1000);
    if (q.malformed) freq = Megahertz(q.hz).substr(0, 6);  // MHz, not kHz
    std::snprintf(
        line, sizeof line, "QSO: %5s %2s %s %s %-13s %-3s %-6s %-13s %-3s %s",
        freq.c_str(), mode.c_str(), date.c_str(), Clock(q.minute).c_str(),
        entrant.call, q.rstSent.c_str(), q.exchSent.c_str(), q.call.c_str(),
        q.rstRcvd.c_str(), q.exchRcvd.c_str());
    std::string qso = line;
    while (!qso.empty() && qso.back() == ' ') qso.pop_back();
    text += qso + "\r\n";
  }
  text += "END-OF-LOG:\r\n";
  return text;
}

std::string Settings() {
  return "; Stats plug-in settings for replaying the sample logs. In an "
         "export\r\n"
         "; run the plug-in shows these values in its Cabrillo header "
         "dialog;\r\n"
         "; on Linux the dialog's stand-in accepts them as they are.\r\n"
         "[Settings]\r\n"
         "Name=Sample Operator\r\n"
         "Address=1-2-3 Example Street\r\n"
         "Address-City=Example City\r\n"
         "Address-State=\r\n"
         "Address-PostalCode=100-0000\r\n"
         "Address-Country=Japan\r\n"
         "Email=sample@example.invalid\r\n"
         "Club=Sample Contest Club\r\n"
         "SoapBox=Synthetic sample log<CR><LF>written by make_sample_logs\r\n";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Usage: make_sample_logs DIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  bool ok = WriteFile(dir + "/aadx-asia-cw.adi", AsianCwAdif());
  ok = WriteFile(dir + "/aadx-dx-ssb.log", DxSsbCabrillo()) && ok;
  ok = WriteFile(dir + "/AADX.ini", Settings()) && ok;
  return ok ? 0 : 1;
}
