// The contest score, computed from scratch over the QSO store.
//
// Asian entrants: 3 points outside their continent, 1 inside, DXCC
// entities per band as multipliers. Others: 1 point for an Asian station,
// none otherwise, prefixes per band as multipliers. Points are weighted by
// the band: 3 on 160m, 2 on 80m and 10m, 1 elsewhere.
#ifndef AADX_SCORING_SCORE_H_
#define AADX_SCORING_SCORE_H_

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/plugin_state.h"
#include "base/qso_store.h"

namespace aadx {

struct BandTally {
  std::string band;
  int32_t qsos = 0;
  int32_t farQsos = 0;
  int32_t nearQsos = 0;
  int32_t dxcc = 0;      // distinct DXCC entities
  int32_t prefixes = 0;  // distinct prefixes
  int32_t points = 0;
  int32_t multipliers = 0;
};

struct ScoreResult {
  std::vector<BandTally> bands;  // in sorted band-list order
  int32_t totalQsos = 0;
  int32_t totalPoints = 0;
  int32_t totalDxcc = 0;
  int32_t totalPrefixes = 0;
  int32_t totalMultipliers = 0;
  int32_t score = 0;
};

using BandValueLists = std::array<std::vector<std::string>, kBandSlots>;

int BandFactor(const std::string& band);

// Tallies every band of the store, in band order, and refills the six
// per-slot DXCC and prefix lists the worked-before grid paints. A band
// outside the six contest bands is tallied but fills no slot list.
// Bands are sorted highest band key first (scoring/band_order.h): the name
// left-padded with '0' to 20 characters, compared byte by byte, so 160m
// comes first, 10m last of the contest bands, 6m after it. *bandOrder holds
// the store's band numbers as the last computation sorted them; the bands
// first logged since are added and the whole list sorted again, so names
// that share a band key keep the order the exchange sort gave them before.
// Empty it whenever the store is cleared.
ScoreResult ComputeScore(std::vector<int>* bandOrder, const QsoStore& store,
                         bool asia, const std::string& ownContinent,
                         BandValueLists* dxccLists,
                         BandValueLists* prefixLists);

}  // namespace aadx

#endif  // AADX_SCORING_SCORE_H_
