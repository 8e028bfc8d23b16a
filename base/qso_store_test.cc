#include "base/qso_store.h"

#include <gtest/gtest.h>

namespace aadx {
namespace {

CInfo Contact(const std::string& call, const std::string& band,
              const std::string& mode, double days = 44366.0) {
  CInfo c;
  c.call = call;
  c.band = band;
  c.mode = mode;
  c.exchSent = "45";
  c.exchRcvd = "30";
  c.time = {days, kOleDateValid};
  return c;
}

TEST(IntakeTest, ChecksBandThenModeThenExchange) {
  EXPECT_EQ(CheckIntake(Contact("JA1AA", "20m", "CW")), Intake::kAccepted);
  // Only the three WARC bands are refused; any other band text passes.
  for (const char* band : {"30m", "17m", "12m"}) {
    EXPECT_EQ(CheckIntake(Contact("JA1AA", band, "RTTY")),
              Intake::kNoContestBand)
        << band;
  }
  EXPECT_EQ(CheckIntake(Contact("JA1AA", "6m", "SSB")), Intake::kAccepted);
  EXPECT_EQ(CheckIntake(Contact("JA1AA", "30M", "SSB")), Intake::kAccepted);
  for (const char* mode : {"cw", "ssb", "FM", "", "CW "}) {
    EXPECT_EQ(CheckIntake(Contact("JA1AA", "20m", mode)), Intake::kNoTestMode)
        << mode;
  }
  CInfo noSent = Contact("JA1AA", "20m", "CW");
  noSent.exchSent.clear();
  EXPECT_EQ(CheckIntake(noSent), Intake::kNoRxNumber);
  CInfo noRcvd = Contact("JA1AA", "20m", "CW");
  noRcvd.exchRcvd.clear();
  noRcvd.mode = "XX";
  EXPECT_EQ(CheckIntake(noRcvd), Intake::kNoTestMode);
  noRcvd.mode = "SSB";
  EXPECT_EQ(CheckIntake(noRcvd), Intake::kNoRxNumber);
}

TEST(QsoStoreTest, MarksDupesBySameCallBandAndMode) {
  QsoStore store;
  // Append answers how many earlier records match: the UBN "DUPE" lines.
  std::vector<int> earlier;
  for (const CInfo& c :
       {Contact("JA1AA", "20m", "CW"),
        Contact("JA1AA", "20m", "SSB"),  // other mode
        Contact("ja1aa", "20m", "CW"),   // other station
        Contact("JA1AA", "40m", "CW"),   // other band
        Contact("JA1AA", "20m", "CW"), Contact("JA1AA", "20m", "CW")}) {
    earlier.push_back(store.Append(c));
  }
  EXPECT_EQ(earlier, (std::vector<int>{0, 0, 0, 0, 1, 2}));

  ASSERT_EQ(store.count(), 6);
  std::vector<int> dupes;
  for (const CInfo& r : store.records()) dupes.push_back(r.dupe);
  EXPECT_EQ(dupes, (std::vector<int>{0, 0, 0, 0, 1, 1}));
}

TEST(QsoStoreTest, RemovePrefersTheExactContactAndRederivesDupes) {
  QsoStore store;
  store.Append(Contact("JA1AA", "20m", "SSB", 44366.1));
  store.Append(Contact("JA1AA", "20m", "CW", 44366.2));
  store.Append(Contact("JA1AA", "20m", "CW", 44366.3));  // dupe

  // Deleting the first CW contact leaves the later one, now counting.
  EXPECT_TRUE(store.Remove(Contact("JA1AA", "20m", "CW", 44366.2)));
  std::vector<CInfo> left = store.records();
  ASSERT_EQ(store.count(), 2);
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].mode, "SSB");
  EXPECT_EQ(left[1].time.days, 44366.3);
  EXPECT_EQ(left[1].dupe, 0);
}

TEST(QsoStoreTest, RemoveFallsBackToCallBandModeThenCallBand) {
  QsoStore store;
  store.Append(Contact("JA1AA", "20m", "SSB", 1.0));
  store.Append(Contact("JA1AA", "20m", "CW", 2.0));
  store.Append(Contact("JA1AA", "20m", "CW", 3.0));

  // No record has this time: the first with the same call, band and mode.
  EXPECT_TRUE(store.Remove(Contact("JA1AA", "20m", "CW", 9.0)));
  ASSERT_EQ(store.count(), 2);
  ASSERT_EQ(store.records().size(), 2u);
  EXPECT_EQ(store.records()[1].time.days, 3.0);
  EXPECT_EQ(store.records()[1].dupe, 0);

  // No record has this mode: the first with the same call and band.
  EXPECT_TRUE(store.Remove(Contact("JA1AA", "20m", "FM", 9.0)));
  ASSERT_EQ(store.count(), 1);
  ASSERT_EQ(store.records().size(), 1u);
  EXPECT_EQ(store.records()[0].mode, "CW");

  EXPECT_FALSE(store.Remove(Contact("JA1AA", "40m", "CW")));
  EXPECT_FALSE(store.Remove(Contact("JA1AB", "20m", "CW")));
  EXPECT_EQ(store.count(), 1);
}

TEST(QsoStoreTest, RemoveMatchesTimeByStatusToo) {
  QsoStore store;
  CInfo nullTime = Contact("JA1AA", "20m", "CW");
  nullTime.time = {5.0, kOleDateNull};
  store.Append(Contact("JA1AA", "20m", "CW", 5.0));
  store.Append(nullTime);
  EXPECT_TRUE(store.Remove(nullTime));
  ASSERT_EQ(store.count(), 1);
  ASSERT_EQ(store.records().size(), 1u);
  EXPECT_EQ(store.records()[0].time.status, kOleDateValid);
}

TEST(QsoStoreTest, NumbersBandsInFirstSeenOrderUntilCleared) {
  QsoStore store;
  for (const char* b : {"20m", "40m", "20m", "6m", "40m", "20M"}) {
    store.Append(Contact("JA1AA", b, "CW"));
  }
  ASSERT_TRUE(store.Remove(Contact("JA1AA", "6m", "CW")));
  std::vector<std::string> bands;
  for (int b = 0; b < store.bandCount(); ++b)
    bands.push_back(store.bandName(b));
  EXPECT_EQ(bands, (std::vector<std::string>{"20m", "40m", "6m", "20M"}));
  std::vector<int> numbers;
  store.ForEachWithBand(
      [&](const CInfo&, int band) { numbers.push_back(band); });
  EXPECT_EQ(numbers, (std::vector<int>{0, 1, 0, 1, 3}));
  store.Clear();
  EXPECT_EQ(store.bandCount(), 0);
}

}  // namespace
}  // namespace aadx
