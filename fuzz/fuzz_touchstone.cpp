// libFuzzer target: arbitrary bytes as a Touchstone file, read as a file
// named for no port count, for one port and for two, then measured against
// 50 and 75 ohms, checking what must hold for any input.
//
//   fuzz_touchstone -dict=fuzz/touchstone.dict NEW_DIR fuzz/corpus/touchstone
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "calc/measured.h"
#include "calc/touchstone.h"

using namespace quill::touchstone;

namespace {

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// A refusal names a line of the text (or none) in one clause of printable
// ASCII, whatever bytes the text holds.
void checkProblem(const Problem& problem, std::string_view text) {
  const auto lines = std::count(text.begin(), text.end(), '\n') + 1;
  require(problem.line >= 0 && problem.line <= lines, "the line is one of the text's");
  require(!problem.what.empty(), "a refusal says why");
  for (char c : problem.what) require(c >= ' ' && c < 0x7f, "printable ASCII");
  require(problem.what.back() != '.', "a clause, with no full stop");
}

void checkMeasurement(const Measurement& m) {
  require(m.points.size() >= 2, "at least two points");
  require(std::isfinite(m.referenceOhms) && m.referenceOhms > 0, "a positive reference impedance");
  for (std::size_t i = 0; i < m.points.size(); ++i) {
    const Point& p = m.points[i];
    require(std::isfinite(p.frequencyMHz) && p.frequencyMHz >= 0, "a frequency of zero or more");
    require(i == 0 || p.frequencyMHz > m.points[i - 1].frequencyMHz, "strictly rising frequencies");
    require(std::isfinite(p.s11.real()) && std::isfinite(p.s11.imag()), "a finite S11");
    require(std::isfinite(p.magnitude) && p.magnitude >= 0, "a finite |S11|");
  }
}

void checkSweep(const Measurement& m, double referenceOhms) {
  const MeasuredSweep sweep = Measure(m, referenceOhms);
  require(sweep.points.size() == m.points.size(), "every point measured");
  require(sweep.lowest < sweep.points.size(), "the lowest is a point");
  const double lowest = sweep.points[sweep.lowest].swr;
  for (std::size_t i = 0; i < sweep.points.size(); ++i) {
    const MeasuredPoint& p = sweep.points[i];
    require(p.frequencyMHz == m.points[i].frequencyMHz, "the file's frequencies");
    require(p.swr >= 1, "an SWR of 1 or more, or infinite; never NaN");
    require(std::isnan(p.r) == std::isnan(p.x) && !std::isinf(p.r) && !std::isinf(p.x),
            "R and X finite or NaN");
    if (m.referenceOhms == referenceOhms)
      require(std::isfinite(p.swr) == (m.points[i].magnitude < 1), "off the scale exactly where |S11| >= 1");
    if (m.points[i].magnitude >= 1) require(std::isinf(p.swr), "|S11| >= 1 is off the scale on any line");
    require(i < sweep.lowest ? p.swr > lowest : p.swr >= lowest, "the lowest SWR, the first of equals");
  }
  require(sweep.minimumInside() == (sweep.lowest > 0 && sweep.lowest + 1 < sweep.points.size()),
          "a minimum inside is neither end");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (int ports : {0, 1, 2}) {
    const Reading reading = Read(text, ports);
    if (!reading.measurement) {
      checkProblem(reading.problem, text);
      continue;
    }
    checkMeasurement(*reading.measurement);
    checkSweep(*reading.measurement, reading.measurement->referenceOhms);
    checkSweep(*reading.measurement, 50);
    checkSweep(*reading.measurement, 75);
  }
  return 0;
}
