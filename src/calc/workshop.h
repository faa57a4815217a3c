#pragma once

// What the workshop needs beyond the pieces: the boom with its ends, where
// each element's mark falls on it, where the mast clamp goes, and what to
// buy. Every length is in the unit of the assembly it is worked out from.

#include <string>
#include <vector>

#include "calc/build.h"

namespace quill {

// The boom, cut with an end past the reflector's mark and past the last
// director's, where their clamps hold: 2 in, or 5 cm.
struct Boom {
  double end = 0;             // at each end
  std::vector<double> marks;  // each element's, from the reflector's end of the boom
  double cut = 0;             // the boom's own length
  // Where the antenna balances along the boom, from the same end: each
  // element's tube and legs (their cut lengths) at its mark, the boom at its
  // middle, all of one tube per unit of length.
  double mastPoint = 0;
};
double BoomEnd(Unit unit);
Boom PlanBoom(const Assembly& assembly, double end);

// A length that stock comes in: 1 m, 2 m and 3 m for a plan in
// centimetres, 6 ft, 8 ft and 12 ft for one in inches.
struct StockLength {
  double length = 0;
  std::string name;  // "2 m", "8 ft"
};
const std::vector<StockLength>& StockLengths(Unit unit);

// The stock lengths that the pieces are cut from: as few as hold every
// piece that fits in one (saw kerf left out), each then as short as still
// holds its pieces. A piece longer than every stock length is left over,
// to be bought as it is or joined.
struct Purchase {
  double cutTotal = 0;
  std::vector<std::pair<StockLength, int>> lengths;  // longest first; each used at least once
  std::vector<double> longer;                        // pieces no stock length holds
};
Purchase BuyStock(std::vector<double> pieces, Unit unit);

// The pieces of one kind, each as many times as it is cut.
std::vector<double> CutLengths(const Assembly& assembly, bool legs);

// The hardware: a bolt at each corner of every element, and one more where
// the driven element's fed corner is split by its insulator; a clamp for
// each element on the boom.
struct Hardware {
  int bolts = 0;
  int insulators = 0;
  int clamps = 0;
};
Hardware HardwareFor(int elements);

}  // namespace quill
