// Long random runs of AddData, RemoveData, CheckCall and GetResult on the
// plug-in and on the scan-based model beside it: every answer, every byte
// added to err.txt, every stored record with its dupe mark, the band list,
// the summary, the worked-before lists and the window's band rows must
// agree after every step.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "scoring/summary.h"
#include "scoring/ubn_report.h"
#include "tests/plugin_harness.h"
#include "tests/scan_model.h"
#include "ui/multiplier_view.h"

namespace aadx {
namespace {

const char* const kCalls[] = {"JA1AA", "JA1AB", "BY1AA", "DL1AA", "ja1aa",
                              "UA0AA", "HL1AA", "W1AW",  "",      "VU2AA"};
// Contest bands, texts that share a padded key with them, a WARC band the
// intake refuses, and one longer than the key.
const char* const kBandTexts[] = {"160m",
                                  "80m",
                                  "40m",
                                  "20m",
                                  "15m",
                                  "10m",
                                  "6m",
                                  "0160m",
                                  "00m",
                                  "30m",
                                  "20M",
                                  "",
                                  "band-name-of-22-chars"};
const char* const kModes[] = {"CW", "SSB", "CW", "SSB", "FM"};
const char* const kPrefixes[] = {"JA1", "JA2", "BY1", "DL1", "", "UA0"};
const char* const kDxcc[] = {"JA", "BY", "DL", "UA", ""};
const char* const kContinents[] = {"AS", "EU", "AS", "", "as"};

template <typename T, size_t N>
const T& Pick(std::mt19937* rng, const T (&values)[N]) {
  return values[std::uniform_int_distribution<size_t>(0, N - 1)(*rng)];
}

class MixedRun {
 public:
  explicit MixedRun(unsigned seed) : rng_(seed) {
    link_.present = true;
    link_.Connect();
  }

  void Step() {
    int op = std::uniform_int_distribution<int>(0, 999)(rng_);
    // The log grows to a few hundred contacts, many of them dupes, and
    // shrinks again; a reset now and then.
    if (op < 3) {
      Reset();
    } else if (op < 450 && model_.records.size() < 300) {
      Add();
    } else if (op < 700) {
      Remove();
    } else if (op < 880) {
      CheckCall();
    } else {
      Result();
    }
    CompareRecords();
    if (op % 5 == 0) CompareWindow();
  }

  void Reset() {
    std::string continent = Pick(&rng_, kContinents);
    h_.Reset(continent);
    model_.Reset(continent);
    ubnSeen_ = ReadFileBytes(kUbnFileName).size();
  }

 private:
  ContactArgs RandomContact() {
    ContactArgs c = TestContact(Pick(&rng_, kCalls), Pick(&rng_, kDxcc),
                                Pick(&rng_, kBandTexts));
    CInfo& i = c.info;
    i.mode = Pick(&rng_, kModes);
    i.prefix = Pick(&rng_, kPrefixes);
    i.continent = Pick(&rng_, kContinents);
    i.exchRcvd = std::to_string(rng_() % 4 + 1);
    if (rng_() % 20 == 0) i.exchRcvd.clear();
    if (rng_() % 30 == 0) i.exchSent.clear();
    i.time.days = kTestContactTime + (rng_() % 5) / 1440.0;
    if (rng_() % 15 == 0) i.time.status = kOleDateNull;
    return c;
  }

  void Add() {
    ContactArgs c = RandomContact();
    ScanModel::AddOutcome want = model_.Add(c.info);
    std::string expected;
    for (const std::string& message : want.messages) {
      expected += FormatUbnLine(c.info, c.ownCall, message) + "\r\n";
    }
    ASSERT_EQ(h_.plugin->AddData(c), want.result);
    std::ifstream ubn(kUbnFileName, std::ios::binary);
    ubn.seekg(static_cast<std::streamoff>(ubnSeen_));
    std::string added((std::istreambuf_iterator<char>(ubn)),
                      std::istreambuf_iterator<char>());
    ASSERT_EQ(added, expected) << c.info.call;
    ubnSeen_ += added.size();
  }

  void Remove() {
    ContactArgs c = RandomContact();
    // Mostly a stored contact, sometimes with another time or mode, so
    // every removal preference is taken.
    if (!model_.records.empty() && rng_() % 4 != 0) {
      c.info = model_.records[rng_() % model_.records.size()];
      if (rng_() % 3 == 0) c.info.time.days += 1;
      if (rng_() % 5 == 0) c.info.mode = Pick(&rng_, kModes);
    }
    model_.Remove(c.info);
    ASSERT_EQ(h_.plugin->RemoveData(c), 1);
  }

  void CheckCall() {
    CallQuery q;
    q.call = Pick(&rng_, kCalls);
    q.mode = Pick(&rng_, kModes);
    q.prefix = Pick(&rng_, kPrefixes);
    q.dxcc = Pick(&rng_, kDxcc);
    q.continent = Pick(&rng_, kContinents);
    q.band = Pick(&rng_, kBandTexts);
    q.band2 = rng_() % 8 == 0 ? Pick(&rng_, kBandTexts) : q.band;
    q.hasBand = rng_() % 10 != 0;
    q.hasBand2 = rng_() % 10 != 0;
    ASSERT_EQ(h_.plugin->CheckCall(q), model_.CheckCall(q))
        << q.call << " " << q.band << " " << q.prefix;
  }

  void Result() {
    std::string text = h_.Result();
    ScoreResult score = model_.Score();
    SharedFields s = CopyFields(&h_.plugin->state().shared);
    SummaryHeader header;
    header.cw = s.modeFlag != 0;
    header.asia = model_.asia;
    header.startDate = h_.plugin->state().startDateText;
    header.endDate = h_.plugin->state().endDateText;
    header.contestant = h_.plugin->state().contestantCall;
    ASSERT_EQ(text, FormatSummary(header, score));
    std::vector<std::string> bands;
    for (int band : h_.plugin->state().bandOrder) {
      bands.push_back(s.store.bandName(band));
    }
    ASSERT_EQ(bands, model_.bandList);
    ASSERT_EQ(s.bandDxccLists, model_.dxccLists);
    ASSERT_EQ(s.bandPrefixLists, model_.prefixLists);
  }

  void CompareRecords() {
    std::vector<CInfo> stored = h_.plugin->state().shared.WithLock(
        [](const SharedFields& s) { return s.store.records(); });
    ASSERT_EQ(stored.size(), model_.records.size());
    for (size_t i = 0; i < stored.size(); ++i) {
      const CInfo& a = stored[i];
      const CInfo& b = model_.records[i];
      ASSERT_EQ(a.call, b.call) << i;
      ASSERT_EQ(a.band, b.band) << i;
      ASSERT_EQ(a.mode, b.mode) << i;
      ASSERT_EQ(a.prefix, b.prefix) << i;
      ASSERT_EQ(a.time.days, b.time.days) << i;
      ASSERT_EQ(a.time.status, b.time.status) << i;
      ASSERT_EQ(a.dupe, b.dupe) << i << " " << a.call;
    }
  }

  void CompareWindow() {
    std::string call = Pick(&rng_, kCalls);
    link_.entryText = call;
    link_.frequency = 14025000.0;
    poller_.Tick();
    if (call.size() > 0 && call.size() < 3) return;
    auto rows = model_.Rows(call);
    SharedFields s = CopyFields(&h_.plugin->state().shared);
    for (int slot = 0; slot < kBandSlots; ++slot) {
      for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(s.bandRows[slot][i + 1], rows[slot][i]) << call << slot;
      }
    }
  }

  std::mt19937 rng_;
  PluginHarness h_;
  ScanModel model_;
  size_t ubnSeen_ = 0;  // bytes of err.txt already compared
  FakeHostLink link_;
  MultiplierPoller poller_{&h_.plugin->state().shared, &link_};
};

TEST(StoreEquivalenceTest, LongMixedRunsMatchTheScanningModel) {
  for (unsigned seed : {1u, 2u, 3u, 4u}) {
    SCOPED_TRACE(seed);
    MixedRun run(seed);
    run.Reset();
    for (int step = 0; step < 4000 && !::testing::Test::HasFatalFailure();
         ++step) {
      run.Step();
    }
  }
}

}  // namespace
}  // namespace aadx
