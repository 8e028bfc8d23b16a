// The ten exports as a hostile host calls them: the input is decoded into a
// sequence of calls with odd texts (line breaks, device names, format
// directives, long and null texts), dates and frequencies. Oracles: nothing
// crashes; the Cabrillo file of an export run has one QSO line per stored
// contact (adds that were stored less removes that found their contact) and
// no line split; the summary's totals are the sums of its band lines and
// the score is their product.
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "cabrillo/file_base.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/summary_totals.h"
#include "loader/host_calls.h"
#include "plugin/linked_exports.h"

namespace aadx {
namespace {

namespace fs = std::filesystem;

const PluginExports kExports = {
    AddData0,   RemoveData0,     CheckCall0, ResetStats0,    GetResult0,
    GetSetName, GetNumberOfSets, SetupSet0,  GetExchgCount0, IsValidExchg0};

// Band texts: the contest's, the refused ones and near misses. None holds
// a TAB or line break, so the summary's band lines stay readable.
const char* const kBands[] = {"160m", "80m", "40m", "20m",  "15m",
                              "10m",  "30m", "17m", "12m",  "20M",
                              "6m",   "",    "2m",  " 20m", "10m "};
const char* const kTexts[] = {"JA1ZZZ",
                              "DL5XYZ/P",
                              "",
                              "CW",
                              "SSB",
                              "599",
                              "59",
                              "001",
                              "AS",
                              "EU",
                              "JA",
                              "JA1",
                              "\r\n",
                              "A\r\nB",
                              "DL1AA\r\n[Evil]\r\nMode=CW",
                              "QSO: 1\rQSO: 2\n",
                              "CON",
                              "COM\xB9",
                              "CONOUT$",
                              "%s%n%x",
                              "<CR><LF>",
                              "\t",
                              "\xff\xfe\x80",
                              "..\\..\\x",
                              "a/b\\c:d*e"};

// A text as a C string carries it: up to its first NUL.
std::string Text(FuzzedDataProvider* in) {
  switch (in->ConsumeIntegralInRange(0, 3)) {
    case 0:
      return in->ConsumeRandomLengthString(24).c_str();
    case 1:
      return std::string(in->ConsumeIntegralInRange<size_t>(0, 400), 'W');
    default:
      return in->PickValueInArray(kTexts);
  }
}

StatsOleDate Date(FuzzedDataProvider* in) {
  StatsOleDate d;
  d.days = in->ConsumeBool()
               ? 44366.0 + in->ConsumeFloatingPointInRange(0.0, 2.0)
               : in->ConsumeFloatingPoint<double>();
  d.status = in->ConsumeIntegralInRange<int32_t>(-1, 3);
  return d;
}

// A contact and the arguments passed as null pointers instead of its values.
struct FuzzContact {
  ContactArgs args;
  HostNulls nulls;
};

FuzzContact Contact(FuzzedDataProvider* in) {
  FuzzContact f;
  std::string ownCall = Text(in), call = Text(in);
  StatsOleDate time = Date(in);
  unsigned freqHz = in->ConsumeIntegral<unsigned>();
  std::string mode =
      in->ConsumeBool() ? (in->ConsumeBool() ? "CW" : "SSB") : Text(in);
  // Reports, exchanges, prefix, DXCC entity and continent.
  std::string t[7];
  for (std::string& text : t) text = Text(in);
  std::string band = in->PickValueInArray(kBands);
  f.nulls.texts = in->ConsumeIntegralInRange(0, 15) == 0;
  f.nulls.dates = in->ConsumeIntegralInRange(0, 15) == 0;
  // The contact as the plug-in sees it.
  auto arg = [&](const std::string& text) {
    return f.nulls.texts ? nullptr : text.c_str();
  };
  f.args =
      UnpackContact(arg(ownCall), arg(call), f.nulls.dates ? nullptr : &time,
                    freqHz, arg(mode), arg(t[0]), arg(t[1]), arg(t[2]),
                    arg(t[3]), arg(t[4]), arg(t[5]), arg(t[6]), arg(band));
  return f;
}

// The run as the plug-in should hold it.
struct Model {
  bool exportRun = false;
  std::string fileName;                                     // of the export run
  std::vector<std::pair<std::string, std::string>> stored;  // call, band
};

void CheckResult(const Model& model) {
  int status = 0;
  const char* result = GetResult0(&status);
  FUZZ_CHECK(result != nullptr, "GetResult0 returned no text");
  SummaryTotals totals;
  FUZZ_CHECK(ReadSummaryTotals(result, &totals), "the summary has no totals");
  FUZZ_CHECK(totals.bandQsos == totals.totalQsos,
             "the QSO total is not the sum of the band lines");
  FUZZ_CHECK(totals.bandPoints == totals.totalPoints,
             "the points total is not the sum of the band lines");
  FUZZ_CHECK(totals.bandMultipliers == totals.totalMultipliers,
             "the multiplier total is not the sum of the band lines");
  FUZZ_CHECK(totals.score == totals.totalPoints * totals.totalMultipliers,
             "the score is not points times multipliers");
  FUZZ_CHECK(totals.totalQsos <= static_cast<int64_t>(model.stored.size()),
             "more QSOs counted than stored");
  if (!model.exportRun) return;

  std::string file = ReadWholeFile(model.fileName);
  size_t qsoLines = 0;
  for (size_t i = 0; i < file.size(); ++i) {
    if (file[i] == '\r') {
      FUZZ_CHECK(i + 1 < file.size() && file[i + 1] == '\n',
                 "a CR without LF in the Cabrillo file");
    } else if (file[i] == '\n') {
      FUZZ_CHECK(i > 0 && file[i - 1] == '\r',
                 "an LF without CR in the Cabrillo file");
    }
    if ((i == 0 || file[i - 1] == '\n') && file.compare(i, 5, "QSO: ") == 0) {
      ++qsoLines;
    }
  }
  FUZZ_CHECK(file.compare(0, 19, "START-OF-LOG: 3.0\r\n") == 0,
             "the Cabrillo file does not start with its first line");
  FUZZ_CHECK(qsoLines == model.stored.size(),
             "the Cabrillo file does not list every stored contact once");
}

void ClearFolder() {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(".", error)) {
    if (entry.path().filename() != "Plugins") fs::remove_all(entry, error);
  }
  fs::remove("Plugins/AADX.ini", error);
}

}  // namespace
}  // namespace aadx

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The plug-in writes into the current folder: give it one of its own.
  char folder[] = "/tmp/aadx-exports-fuzz-XXXXXX";
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) std::abort();
  std::filesystem::create_directory("Plugins");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace aadx;
  ClearFolder();
  FuzzedDataProvider in(data, size);
  Model model;
  auto reset = [&] {
    ResetArgs r;
    r.exportFlag =
        in.ConsumeIntegralInRange(0, 3) == 0 ? 0 : in.ConsumeIntegral<int>();
    r.ownCall = Text(&in);
    r.contestStart = Date(&in);
    r.contestEnd = Date(&in);
    r.ownContinent = in.ConsumeBool() ? "AS" : Text(&in);
    bool nullTexts = in.ConsumeIntegralInRange(0, 15) == 0;
    CallResetStats(kExports, r, HostNulls{nullTexts, nullTexts});
    model.exportRun = r.exportFlag != 0;
    model.fileName =
        CabrilloFileBase(nullTexts ? std::string() : r.ownCall) + ".cbr";
    model.stored.clear();
  };
  reset();
  std::vector<FuzzContact> added;
  while (in.remaining_bytes() > 0) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
      case 0:
      case 1:
      case 2: {
        FuzzContact c = Contact(&in);
        if (CallAddData(kExports, c.args, c.nulls) == 1) {
          model.stored.emplace_back(c.args.info.call, c.args.info.band);
          added.push_back(c);
        }
        break;
      }
      case 3: {
        // A contact added before, or any other.
        FuzzContact c =
            !added.empty() && in.ConsumeBool()
                ? added[in.ConsumeIntegralInRange<size_t>(0, added.size() - 1)]
                : Contact(&in);
        CallRemoveData(kExports, c.args, c.nulls);
        const CInfo& info = c.args.info;
        for (auto it = model.stored.begin(); it != model.stored.end(); ++it) {
          if (it->first == info.call && it->second == info.band) {
            model.stored.erase(it);
            break;
          }
        }
        break;
      }
      case 4: {
        CallQuery q;
        q.call = Text(&in);
        q.mode = Text(&in);
        q.prefix = Text(&in);
        q.dxcc = Text(&in);
        q.continent = Text(&in);
        q.band = in.PickValueInArray(kBands);
        q.band2 = Text(&in);
        q.hasBand2 = !in.ConsumeBool();
        HostNulls nulls;
        nulls.texts = in.ConsumeIntegralInRange(0, 15) == 0;
        CallCheckCall(kExports, q, nulls);
        break;
      }
      case 5:
        CheckResult(model);
        break;
      case 6:
        reset();
        added.clear();
        break;
      case 7:
        SetupSet0();
        break;
      case 8: {
        std::string a = Text(&in), b = Text(&in), c = Text(&in);
        GetExchgCount0(a.c_str(), b.c_str(), c.c_str());
        IsValidExchg0(in.ConsumeBool() ? a.c_str() : nullptr, b.c_str(),
                      nullptr, c.c_str(), in.ConsumeIntegral<int>(),
                      in.ConsumeIntegral<int>(), in.ConsumeIntegral<int>());
        break;
      }
      default:
        GetSetName(in.ConsumeIntegral<int>());
        GetNumberOfSets();
        break;
    }
  }
  CheckResult(model);
  return 0;
}
