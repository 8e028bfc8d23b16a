#include "scoring/score.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "tests/scan_model.h"

namespace aadx {
namespace {

CInfo Qso(const std::string& call, const std::string& band,
          const std::string& continent, const std::string& prefix,
          const std::string& dxcc) {
  CInfo c;
  c.call = call;
  c.band = band;
  c.continent = continent;
  c.prefix = prefix;
  c.dxcc = dxcc;
  return c;
}

struct Computation {
  std::vector<int> bands;
  QsoStore store;
  BandValueLists dxcc, prefixes;

  ScoreResult Run(bool asia, const std::string& ownContinent) {
    return ComputeScore(&bands, store, asia, ownContinent, &dxcc, &prefixes);
  }
};

// The score's bands in order, after one contact on each band given.
std::vector<std::string> ScoredBands(Computation* c,
                                     const std::vector<std::string>& bands) {
  for (const std::string& band : bands) {
    c->store.Append(Qso("JA1AA", band, "AS", "JA1", "JA"));
  }
  std::vector<std::string> order;
  for (const BandTally& t : c->Run(true, "AS").bands) order.push_back(t.band);
  return order;
}

TEST(BandSortTest, HighestBandKeyFirst) {
  const std::vector<std::string> cases[][2] = {
      {{"10m", "160m", "20m"}, {"160m", "20m", "10m"}},
      {{"6m", "10m", "15m", "20m", "40m", "80m", "160m", "2m"},
       {"160m", "80m", "40m", "20m", "15m", "10m", "6m", "2m"}},
      // Byte order of the padded names: letters sort above digits.
      {{"20m", "20M", "abc"}, {"abc", "20m", "20M"}},
  };
  for (const auto& [bands, sorted] : cases) {
    Computation c;
    EXPECT_EQ(ScoredBands(&c, bands), sorted) << bands[0];
  }
}

// Names that share a padded key ("160m", "0160m", "00160m"), names longer
// than the key, repeats: the order must be the exchange sort's, exchange
// for exchange, of the last score's order with the bands new since then
// added at its end.
TEST(BandSortTest, RandomListsSortAsTheExchangeSortDoes) {
  const char* const names[] = {"160m",
                               "0160m",
                               "00160m",
                               "10m",
                               "010m",
                               "6m",
                               "06m",
                               "80m",
                               "2m",
                               "0",
                               "",
                               "00",
                               "A",
                               "20M",
                               "000000000000000000160m",
                               "a-name-longer-than-20"};
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    Computation c;
    std::vector<std::string> expected;
    // The third score, with no new band, sorts the list the second left.
    for (int batch = 0; batch < 3; ++batch) {
      std::vector<std::string> bands(batch < 2 ? rng() % 8 : 0);
      for (std::string& b : bands) {
        b = names[rng() % (sizeof names / sizeof *names)];
        if (std::find(expected.begin(), expected.end(), b) == expected.end())
          expected.push_back(b);
      }
      ExchangeSort(&expected);
      ASSERT_EQ(ScoredBands(&c, bands), expected) << round << " " << batch;
    }
  }
}

TEST(ScoreTest, BandFactorsWeighPointsPerBand) {
  for (const char* band : {"160m", "80m", "40m", "20m", "15m", "10m", "6m"}) {
    Computation c;
    c.store.Append(Qso("DL1AA", band, "EU", "DL1", "DL"));
    c.store.Append(Qso("JA1AA", band, "AS", "JA1", "JA"));
    ScoreResult asian = c.Run(true, "AS");
    ScoreResult other = c.Run(false, "EU");
    int factor = BandFactor(band);
    EXPECT_EQ(asian.totalPoints, 4 * factor) << band;
    EXPECT_EQ(other.totalPoints, factor) << band;
  }
  EXPECT_EQ(BandFactor("160m"), 3);
  EXPECT_EQ(BandFactor("80m"), 2);
  EXPECT_EQ(BandFactor("10m"), 2);
  EXPECT_EQ(BandFactor("160M"), 1);
}

TEST(ScoreTest, DupesAndEmptyCallsCountForNothing) {
  Computation c;
  c.store.Append(Qso("", "20m", "AS", "JA1", "JA"));
  c.store.Append(Qso("JA1AA", "20m", "AS", "JA2", "JA"));
  c.store.Append(Qso("JA1AA", "20m", "AS", "JA3", "JA"));  // the dupe
  ScoreResult r = c.Run(false, "EU");
  ASSERT_EQ(r.bands.size(), 1u);
  EXPECT_EQ(r.bands[0].qsos, 1);
  EXPECT_EQ(r.bands[0].prefixes, 1);
  EXPECT_EQ(c.prefixes[3], (std::vector<std::string>{"JA2"}));
  EXPECT_EQ(r.score, 1);
}

TEST(ScoreTest, EmptyValuesAreMultipliersAndContinentsCompareExactly) {
  Computation c;
  c.store.Append(Qso("JA1AA", "20m", "as", "", ""));
  c.store.Append(Qso("JA2AA", "20m", "", "", ""));
  ScoreResult asian = c.Run(true, "AS");
  EXPECT_EQ(asian.bands[0].farQsos, 2);
  EXPECT_EQ(asian.totalPoints, 6);
  EXPECT_EQ(asian.totalMultipliers, 1);
  ScoreResult other = c.Run(false, "EU");
  EXPECT_EQ(other.totalPoints, 0);  // "as" is not Asia
  EXPECT_EQ(other.totalMultipliers, 1);
  EXPECT_EQ(other.score, 0);
}

TEST(ScoreTest, RefillsTheSlotListsOfContestBandsOnly) {
  Computation c;
  c.dxcc[3] = {"stale"};
  c.prefixes[0] = {"stale"};
  c.store.Append(Qso("UA0AA", "6m", "AS", "UA0", "UA0"));
  c.store.Append(Qso("JA1AA", "20m", "AS", "JA1", "JA"));
  c.store.Append(Qso("JA9AA", "160m", "AS", "JA9", "JA"));
  ASSERT_TRUE(c.store.Remove(Qso("JA9AA", "160m", "AS", "JA9", "JA")));
  c.store.Append(Qso("BY1AA", "20m", "AS", "BY1", "BY"));
  c.store.Append(Qso("JA2AA", "20m", "AS", "JA2", "JA"));
  ScoreResult r = c.Run(true, "AS");
  EXPECT_EQ(c.dxcc[3], (std::vector<std::string>{"JA", "BY"}));
  EXPECT_EQ(c.prefixes[3], (std::vector<std::string>{"JA1", "BY1", "JA2"}));
  EXPECT_TRUE(c.prefixes[0].empty());  // 160m: emptied, nothing worked
  for (int slot : {1, 2, 4, 5}) EXPECT_TRUE(c.dxcc[slot].empty());
  ASSERT_EQ(r.bands.size(), 3u);
  EXPECT_EQ(r.bands[2].band, "6m");
  EXPECT_EQ(r.bands[2].multipliers, 1);
  EXPECT_EQ(r.totalDxcc, 3);
  EXPECT_EQ(r.totalPrefixes, 4);
}

// Many distinct values per band, repeats and dupes among them: the lists
// keep their first-seen order as the scanning score keeps it.
TEST(ScoreTest, LongValueListsMatchTheScanningScore) {
  std::mt19937 rng(11);
  Computation c;
  ScanModel model;
  model.Reset("AS");
  const char* bands[] = {"20m", "40m", "6m"};
  for (int i = 0; i < 600; ++i) {
    CInfo q = Qso("C" + std::to_string(rng() % 300), bands[rng() % 3],
                  rng() % 2 ? "AS" : "EU", "P" + std::to_string(rng() % 70),
                  "D" + std::to_string(rng() % 40));
    q.mode = "CW";
    q.exchSent = q.exchRcvd = "1";
    model.Add(q);
    c.store.Append(q);
  }
  ScoreResult got = c.Run(true, "AS");
  ScoreResult want = model.Score();
  ASSERT_EQ(got.bands.size(), want.bands.size());
  for (size_t i = 0; i < got.bands.size(); ++i) {
    EXPECT_EQ(got.bands[i].band, want.bands[i].band);
    EXPECT_EQ(got.bands[i].qsos, want.bands[i].qsos);
    EXPECT_EQ(got.bands[i].points, want.bands[i].points);
    EXPECT_EQ(got.bands[i].dxcc, want.bands[i].dxcc);
    EXPECT_EQ(got.bands[i].prefixes, want.bands[i].prefixes);
  }
  EXPECT_EQ(c.dxcc, model.dxccLists);
  EXPECT_EQ(c.prefixes, model.prefixLists);
  EXPECT_EQ(got.score, want.score);
}

TEST(ScoreTest, EmptyStoreScoresZero) {
  Computation c;
  ScoreResult r = c.Run(true, "AS");
  EXPECT_TRUE(r.bands.empty());
  EXPECT_EQ(r.totalQsos, 0);
  EXPECT_EQ(r.score, 0);
}

}  // namespace
}  // namespace aadx
