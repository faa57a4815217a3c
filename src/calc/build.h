#pragma once

// From the fourteen values to the antenna a builder makes: where each element
// goes on the boom, which pieces to cut and how much stock that takes, and
// what a tape measure reads for a length.

#include <array>
#include <string>
#include <vector>

#include "calc/design.h"

namespace quill {

// The frequencies a plan, an NEC deck or a model is made for: 1 MHz to
// 30 GHz. Outside them, or at 0 MHz or less, the sentence that says so;
// empty within.
inline constexpr double kLowestBuildMHz = 1;
inline constexpr double kHighestBuildMHz = 30000;
std::string FrequencyRefusal(float frequencyMHz);

// The stored values of one calculation, indexed by ResultBox.
using BoxValues = std::array<float, kResultBoxCount>;
BoxValues ValuesOf(const Calculation& calculation);

// One element's mark on the boom, measured from the reflector.
struct BoomMark {
  std::string key;   // "reflector", "driven", "d1" ... "d8"
  std::string name;  // "Reflector", "Driven element", "D1" ...
  double position = 0;
};

// The tube left past the centre of each bolt, so that no bolt sits at the
// very end of a piece: 10 mm, or 3/8 in for a plan in inches, unless the
// builder chooses another. Kept in the unit it was given in, so that the
// default reads exactly in it.
struct EndAllowance {
  double value = 0;
  Unit unit = Unit::Centimetres;
  // The allowance in `other`, 2.54 cm to the inch.
  double in(Unit other) const;
};
EndAllowance DefaultAllowance(Unit plan);
EndAllowance AllowanceMillimetres(double millimetres);

// Pieces of one size: a tube, or the legs of one or more elements.
struct Piece {
  std::string key;   // "reflector_tube", "reflector_leg", ... "d3_dn_leg"
  std::string name;  // "Reflector tube", ... "D3 to Dn leg"
  int count = 0;
  float length = 0;  // bolt centre to bolt centre: the stored value, as its box shows it
  ResultBox box{};   // the box that shows it
  bool leg = false;
  // What to saw: a tube has a bolt at each end and gets the allowance at
  // both; a leg is bolted at its top only, its free end is its length from
  // the bolt.
  double cut = 0;
};

// The antenna with `elements` elements: the reflector, the driven element,
// D1, then D2, then every further director a D3-to-Dn one at the "all
// additional" spacing.
struct Assembly {
  int elements = 0;
  // In boom order. The positions are running sums of the stored spacings,
  // added in double precision so that no rounding builds up along the boom.
  std::vector<BoomMark> boom;
  // From the reflector to the last director; the boom ends for the clamps
  // come on top (workshop.h).
  double boomLength = 0;
  // Each element is one tube and two legs; only sizes that are used.
  std::vector<Piece> pieces;
  // The allowance at each bolted end, in the unit of the values.
  double allowance = 0;
  // The cut lengths, end to end, without saw kerf or waste.
  double tubeTotal = 0;
  double legTotal = 0;
};

// `elements` outside kFewestElements to kMostElements is brought
// into that range: callers refuse such counts before they get here.
// `allowance` is in the unit of `values`.
Assembly Assemble(const BoxValues& values, int elements, double allowance);

// A tape measure's reading of `inches`: the nearest sixteenth, as a reduced
// mixed fraction ("42 9/16", "20 1/4", "18"); an exact thirty-second goes
// away from zero. Lengths that no tape reaches (beyond a million inches, or
// not finite) read "—".
std::string TapeInches(double inches);
// Of `centimetres`, to the nearest millimetre ("1081"); as TapeInches beyond
// that.
std::string TapeMillimetres(double centimetres);

}  // namespace quill
