#include "ui/multiplier_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/fakes.h"
#include "tests/test_util.h"

namespace aadx {
namespace {

// 19 June 2021 00:05 and 01:30.
constexpr double kJune19At0005 = 44366.003472222222;
constexpr double kJune19At0130 = 44366.0625;

CInfo Qso(const std::string& call, const std::string& band,
          const std::string& mode, double days, const std::string& rcvd) {
  CInfo q;
  q.call = call;
  q.band = band;
  q.mode = mode;
  q.time = {days, kOleDateValid};
  q.exchRcvd = rcvd;
  q.exchSent = "45";
  return q;
}

// Checks that the last "<SP1>" went out at exactly hz (0 before any did):
// ticks 300 Hz either side of it send none.
void ExpectLastMacroAt(MultiplierPoller* poller, FakeHostLink* host,
                       double hz) {
  size_t sent = host->macros.size();
  for (double probe : {hz + kRetuneHz, hz - kRetuneHz}) {
    host->frequency = probe;
    poller->Tick();
  }
  EXPECT_EQ(host->macros.size(), sent) << hz;
}

// A connected fake host and the state a window shows, as a reset leaves it.
class TickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.present = true;
    host_.Connect();
    host_.calls.clear();
    state_.WithLock([](SharedFields& f) {
      for (int i = 0; i < kBandSlots; ++i) {
        f.bandRows[i] = BandRow{kContestBands[i], "-", "-", "-", "-"};
      }
      f.modeFlag = 1;
      f.asiaFlag = 1;
    });
  }

  TickResult TickWith(const std::string& entry, double hz) {
    host_.entryText = entry;
    host_.frequency = hz;
    return poller_.Tick();
  }

  BandRow Row(int slot) { return CopyFields(&state_).bandRows[slot]; }
  std::string TypedCall() { return CopyFields(&state_).typedCall; }
  int BandSlot() { return CopyFields(&state_).currentBandSlot; }
  void Log(const CInfo& q) {
    state_.WithLock([&](SharedFields& f) { f.store.Append(q); });
  }
  void SetFlags(int asia, int mode) {
    state_.WithLock([&](SharedFields& f) {
      f.asiaFlag = asia;
      f.modeFlag = mode;
    });
  }

  FakeHostLink host_;
  SharedState state_;
  MultiplierPoller poller_{&state_, &host_};
};

TEST_F(TickTest, WithoutHostObjectEndsBeforeAskingTheHost) {
  FakeHostLink absent;
  MultiplierPoller poller(&state_, &absent);
  TickResult r = poller.Tick();
  EXPECT_EQ(r.end, TickEnd::kNoHost);
  EXPECT_FALSE(r.completed());
  EXPECT_FALSE(r.setTitle);
  EXPECT_TRUE(absent.calls.empty());
}

TEST_F(TickTest, ShortOrQueryEntryEndsEarlyKeepingRowsAndTitle) {
  for (const char* entry : {"J", "JA", "?", "JA1?", "?A1ABC", "JA1ABC?"}) {
    TickResult r = TickWith(entry, 14025000.0);
    EXPECT_EQ(r.end, TickEnd::kShortEntry) << entry;
    EXPECT_FALSE(r.setTitle) << entry;
    EXPECT_EQ(TypedCall(), entry);  // the grid's header shows it
    EXPECT_EQ(Row(3), (BandRow{"20m", "-", "-", "-", "-"})) << entry;
    EXPECT_EQ(BandSlot(), -1) << entry;
  }
  // Neither the frequency nor the macro was asked for.
  EXPECT_EQ(host_.calls,
            std::vector<std::string>(6, std::string("ReadEntryText")));
  EXPECT_TRUE(host_.macros.empty());
}

TEST_F(TickTest, ThreeByteEntryCompletes) {
  TickResult r = TickWith("JA1", 14025000.0);
  EXPECT_EQ(r.end, TickEnd::kCompleted);
  EXPECT_TRUE(r.completed());
  EXPECT_EQ(r.title, "AADX-CW worked with JA1");
}

TEST_F(TickTest, TypedCallNamesTheStationInTheModesTitle) {
  TickResult r = TickWith("JA1ABC", 14025000.0);
  EXPECT_TRUE(r.setTitle);
  EXPECT_EQ(r.title, "AADX-CW worked with JA1ABC");

  SetFlags(1, 0);
  r = TickWith("UA9XYZ", 14025000.0);
  EXPECT_EQ(r.title, "AADX-SSB worked with UA9XYZ");
  EXPECT_EQ(TypedCall(), "UA9XYZ");
}

TEST_F(TickTest, EmptyEntryOn20mGivesIdleTitleWithTrailingSpace) {
  TickResult r = TickWith("", 14025000.0);
  EXPECT_EQ(r.end, TickEnd::kCompleted);
  ASSERT_TRUE(r.setTitle);
  EXPECT_EQ(r.title, "AADX-CW  DXCC worked on 20m ");
  EXPECT_EQ(r.title.back(), ' ');
  EXPECT_EQ(BandSlot(), 3);
  EXPECT_EQ(TypedCall(), "");
}

TEST_F(TickTest, IdleTitleFollowsAsiaAndModeFlags) {
  SetFlags(0, 1);
  EXPECT_EQ(TickWith("", 7010000.0).title, "AADX-CW  Prefix worked on 40m ");
  SetFlags(0, 0);
  EXPECT_EQ(TickWith("", 7010000.0).title, "AADX-SSB  Prefix worked on 40m ");
  SetFlags(1, 0);
  EXPECT_EQ(TickWith("", 7010000.0).title, "AADX-SSB  DXCC worked on 40m ");
}

TEST_F(TickTest, FrequencyOutsideTheBandsGivesSlotMinusOneAndNoBandText) {
  TickWith("", 14025000.0);
  ASSERT_EQ(BandSlot(), 3);
  TickResult r = TickWith("", 29100000.0);
  EXPECT_EQ(BandSlot(), -1);
  EXPECT_EQ(r.title, "AADX-CW  DXCC worked on  ");
}

TEST_F(TickTest, SendsSp1OnlyAfterTuningMoreThan300Hz) {
  // The macro frequency starts at 0, so the first tick sends it.
  TickWith("", 14025000.0);
  EXPECT_EQ(host_.macros, std::vector<std::string>{"<SP1>"});
  ExpectLastMacroAt(&poller_, &host_, 14025000.0);

  TickWith("", 14025300.0);  // exactly 300 Hz away
  EXPECT_EQ(host_.macros.size(), 1u);
  ExpectLastMacroAt(&poller_, &host_, 14025000.0);

  TickWith("", 14025310.0);
  EXPECT_EQ(host_.macros, (std::vector<std::string>{"<SP1>", "<SP1>"}));
  ExpectLastMacroAt(&poller_, &host_, 14025310.0);

  TickWith("JA1ABC", 14025010.0);  // down again, by 300 Hz
  EXPECT_EQ(host_.macros.size(), 2u);
  TickWith("JA1ABC", 14025009.0);  // 301 Hz
  EXPECT_EQ(host_.macros.size(), 3u);
}

TEST_F(TickTest, RowsShowTheTypedCallsQsosTheLaterOneWinning) {
  Log(Qso("JA1ABC", "20m", "CW", kJune19At0005, "30"));
  Log(Qso("UA9XYZ", "20m", "CW", kJune19At0005, "17"));
  Log(Qso("JA1ABC", "40m", "SSB", kJune19At0005, "31"));
  Log(Qso("JA1ABC", "20m", "SSB", kJune19At0130, "32"));  // worked again

  TickResult r = TickWith("JA1ABC", 14025000.0);
  EXPECT_TRUE(r.completed());
  EXPECT_EQ(Row(3), (BandRow{"20m", "SSB", "01:30", "32", "   -"}));
  EXPECT_EQ(Row(2), (BandRow{"40m", "SSB", "00:05", "31", "   -"}));
  for (int slot : {0, 1, 4, 5}) {
    EXPECT_EQ(Row(slot),
              (BandRow{kContestBands[slot], "   -", "   -", "   -", "   -"}));
  }
}

TEST_F(TickTest, RowsMatchTheCallExactlyAndCountDupes) {
  Log(Qso("JA1ABC", "20m", "CW", kJune19At0005, "30"));
  Log(Qso("JA1ABC", "20m", "CW", kJune19At0130, "33"));  // a dupe
  ASSERT_EQ(CopyFields(&state_).store.records().at(1).dupe, 1);
  TickWith("JA1ABC", 14025000.0);
  EXPECT_EQ(Row(3)[3], "33");

  TickWith("ja1abc", 14025000.0);
  EXPECT_EQ(Row(3), (BandRow{"20m", "   -", "   -", "   -", "   -"}));
}

TEST_F(TickTest, EmptyEntryBlanksTheRows) {
  Log(Qso("JA1ABC", "20m", "CW", kJune19At0005, "30"));
  TickWith("JA1ABC", 14025000.0);
  ASSERT_EQ(Row(3)[1], "CW");
  TickWith("", 14025000.0);
  EXPECT_EQ(Row(3), (BandRow{"20m", "   -", "   -", "   -", "   -"}));
}

// A host whose object is held but refuses some calls.
class RefusingHostLink : public FakeHostLink {
 public:
  bool refuseFrequency = false;
  bool refuseMacro = false;
  bool ReadHostFrequency(double* hz) override {
    if (refuseFrequency) return false;
    return FakeHostLink::ReadHostFrequency(hz);
  }
  bool RunHostMacro(const std::string& macro) override {
    if (refuseMacro) return false;
    return FakeHostLink::RunHostMacro(macro);
  }
};

TEST_F(TickTest, FailingHostCallEndsTheTick) {
  RefusingHostLink host;
  host.present = true;
  host.Connect();
  host.frequency = 14025000.0;
  MultiplierPoller poller(&state_, &host);

  host.entryText = "JA1ABC";
  host.refuseFrequency = true;
  TickResult r = poller.Tick();
  EXPECT_EQ(r.end, TickEnd::kHostFailed);
  EXPECT_FALSE(r.completed());
  // The title chosen before the failure still applies.
  EXPECT_EQ(r.title, "AADX-CW worked with JA1ABC");
  EXPECT_EQ(BandSlot(), -1);

  host.refuseFrequency = false;
  host.refuseMacro = true;
  r = poller.Tick();
  EXPECT_EQ(r.end, TickEnd::kHostFailed);
  EXPECT_EQ(BandSlot(), -1);

  // The refused macro does not count as sent; once the host accepts it,
  // the macro goes out.
  host.refuseMacro = false;
  ExpectLastMacroAt(&poller, &host, 0.0);
  host.frequency = 14025000.0;
  r = poller.Tick();
  EXPECT_TRUE(r.completed());
  EXPECT_EQ(host.macros, std::vector<std::string>{"<SP1>"});
  EXPECT_EQ(BandSlot(), 3);
}

TEST(BandSlotOfFrequencyTest, WholeMegahertzPicksTheBand) {
  EXPECT_EQ(BandSlotOfFrequency(1830000.0), 0);
  EXPECT_EQ(BandSlotOfFrequency(1999999.0), 0);
  EXPECT_EQ(BandSlotOfFrequency(3510000.0), 1);
  EXPECT_EQ(BandSlotOfFrequency(7000000.0), 2);
  EXPECT_EQ(BandSlotOfFrequency(14350000.0), 3);
  EXPECT_EQ(BandSlotOfFrequency(21000000.0), 4);
  EXPECT_EQ(BandSlotOfFrequency(28500000.0), 5);
  EXPECT_EQ(BandSlotOfFrequency(29100000.0), -1);
  EXPECT_EQ(BandSlotOfFrequency(2000000.0), -1);
  EXPECT_EQ(BandSlotOfFrequency(999999.0), -1);
  EXPECT_EQ(BandSlotOfFrequency(10100000.0), -1);
  EXPECT_EQ(BandSlotOfFrequency(0.0), -1);
  EXPECT_EQ(BandSlotOfFrequency(-14025000.0), -1);
  EXPECT_EQ(BandSlotOfFrequency(std::numeric_limits<double>::quiet_NaN()), -1);
  EXPECT_EQ(BandSlotOfFrequency(std::numeric_limits<double>::infinity()), -1);
}

TEST(TitleTest, WorkedTitleKeepsTheCallsBytes) {
  EXPECT_EQ(WorkedTitle(true, "JA1%sABC"), "AADX-CW worked with JA1%sABC");
  EXPECT_EQ(WorkedTitle(false, "\xC0X"), "AADX-SSB worked with \xC0X");
}

}  // namespace
}  // namespace aadx
