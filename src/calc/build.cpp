#include "calc/build.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "calc/elements.h"
#include "calc/format.h"

namespace quill {
namespace {

// No tape is longer; beyond it a reading would only be noise.
constexpr double kLongestTape = 1e6;  // inches, or centimetres
constexpr long long kSixteenths = 16;
constexpr long long kMillimetresPerCentimetre = 10;
constexpr char kNoReading[] = "\u2014";
constexpr double kCentimetresPerInch = 2.54;
// 3/8 in, or 10 mm.
constexpr double kDefaultAllowanceInches = 0.375;
constexpr double kDefaultAllowanceCm = 1;

float value(const BoxValues& values, ResultBox box) { return values[static_cast<std::size_t>(box)]; }

// The whole number of `parts` (of a unit) nearest to `value`; false past
// any tape.
bool nearest(double value, long long parts, long long& count) {
  if (!std::isfinite(value) || std::fabs(value) > kLongestTape) return false;
  count = std::llround(value * static_cast<double>(parts));
  return true;
}

}  // namespace

std::string FrequencyRefusal(float frequencyMHz) {
  if (frequencyMHz >= kLowestBuildMHz && frequencyMHz <= kHighestBuildMHz) return {};
  return "A Quillbeam is built for 1 MHz to 30 GHz, not for " + FormatDimension(frequencyMHz) + " MHz.";
}

BoxValues ValuesOf(const Calculation& calculation) {
  BoxValues values{};
  for (const BoxWrite& write : calculation) values[static_cast<std::size_t>(write.box)] = write.value;
  return values;
}

double EndAllowance::in(Unit other) const {
  if (other == unit) return value;
  return other == Unit::Inches ? value / kCentimetresPerInch : value * kCentimetresPerInch;
}

EndAllowance DefaultAllowance(Unit plan) {
  return plan == Unit::Inches ? EndAllowance{kDefaultAllowanceInches, Unit::Inches}
                              : EndAllowance{kDefaultAllowanceCm, Unit::Centimetres};
}

EndAllowance AllowanceMillimetres(double millimetres) {
  return {millimetres / double(kMillimetresPerCentimetre), Unit::Centimetres};
}

Assembly Assemble(const BoxValues& values, int elements, double allowance) {
  Assembly out;
  out.elements = std::clamp(elements, kFewestElements, kMostElements);
  out.allowance = allowance;
  double position = 0;
  for (int i = 0; i < out.elements; ++i) {
    if (i > 0) position += static_cast<double>(value(values, SizeOf(i).spacing));
    out.boom.push_back({ElementKey(i), ElementName(i), position});
  }
  out.boomLength = position;

  for (std::size_t size = 0; size < kElementSizes.size(); ++size) {
    const int count = CountOfSize(size, out.elements);
    if (count == 0) continue;
    const ElementSize& element = kElementSizes[size];
    const float tubeLength = value(values, element.horizontal);
    const float legLength = value(values, element.vertical);
    const Piece tube{std::string(element.key) + "_tube",
                     std::string(element.name) + " tube",
                     count,
                     tubeLength,
                     element.horizontal,
                     false,
                     tubeLength + 2 * allowance};
    const Piece legs{std::string(element.key) + "_leg",
                     std::string(element.name) + " leg",
                     2 * count,
                     legLength,
                     element.vertical,
                     true,
                     legLength + allowance};
    out.tubeTotal += tube.count * tube.cut;
    out.legTotal += legs.count * legs.cut;
    out.pieces.push_back(tube);
    out.pieces.push_back(legs);
  }
  return out;
}

std::string TapeInches(double inches) {
  long long sixteenths = 0;
  // Times 16 is exact in binary, so the only rounding is to the sixteenth.
  if (!nearest(inches, kSixteenths, sixteenths)) return kNoReading;
  const std::string sign = sixteenths < 0 ? "-" : "";
  sixteenths = std::llabs(sixteenths);
  const long long whole = sixteenths / kSixteenths;
  long long numerator = sixteenths % kSixteenths;
  long long denominator = kSixteenths;
  const long long common = std::gcd(numerator, denominator);
  numerator /= common;
  denominator /= common;
  if (numerator == 0) return sign + std::to_string(whole);
  const std::string fraction = std::to_string(numerator) + "/" + std::to_string(denominator);
  return sign + (whole ? std::to_string(whole) + " " + fraction : fraction);
}

std::string TapeMillimetres(double centimetres) {
  long long millimetres = 0;
  if (!nearest(centimetres, kMillimetresPerCentimetre, millimetres)) return kNoReading;
  return std::to_string(millimetres);
}

}  // namespace quill
