// libFuzzer target: arbitrary bytes as nec2c's output for the 146 MHz
// model's 41 frequencies, read by nec::ReadResults, checking what must hold
// for any input.
//
//   fuzz_necresults -dict=fuzz/necresults.dict NEW_DIR fuzz/corpus/necresults
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "calc/necreport.h"
#include "calc/necresults.h"

using namespace quill::nec;

namespace {

void require(bool condition, const char* what) {
  if (condition) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

const std::vector<double>& frequencies() {
  static const std::vector<double> sweep = SweepFrequencies(*BuildModel(146.0f, std::nullopt, 3).model);
  return sweep;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view output(reinterpret_cast<const char*>(data), size);
  const Reading reading = ReadResults(output, frequencies(), 50);
  if (!reading.results) {
    require(!reading.problem.empty(), "a refusal says why");
    return 0;
  }
  const Results& r = *reading.results;
  require(reading.problem.empty(), "no refusal with results");
  require(r.sweep.size() == frequencies().size(), "a point for every frequency");
  for (std::size_t i = 0; i < r.sweep.size(); ++i) {
    const SweepPoint& p = r.sweep[i];
    require(p.frequencyMHz == frequencies()[i], "the sweep's frequencies, in order");
    require(std::isfinite(p.r) && p.r > 0 && std::isfinite(p.x), "a finite feed impedance with R above zero");
    require(p.swr >= 1, "an SWR of 1 or more, or infinite; never NaN");
    require(std::isfinite(p.gainDbi) || p.gainDbi == -HUGE_VAL, "a gain is a number, or none");
    require(std::isfinite(p.frontToBackDb) ||
                (std::isnan(p.frontToBackDb) && (std::isfinite(p.gainDbi) || p.gainDbi == -HUGE_VAL)),
            "a ratio is a number, or none where there is no power");
    require(std::isfinite(p.gainDbi) || std::isnan(p.frontToBackDb), "no ratio from no power");
  }
  for (const PatternPoint& p : r.pattern) {
    require(std::isfinite(p.azimuthDeg) && std::isfinite(p.gainDbi), "the pattern's numbers are finite");
  }
  require(r.atFrequency().frequencyMHz == frequencies()[frequencies().size() / 2], "the design frequency");
  require(r.lowestSwr().swr <= r.atFrequency().swr, "the lowest SWR is lowest");
  // Every row of the text's table has its six cells, however wide.
  const std::string text = ModelAsText(r);
  const std::size_t table = text.find('\n', text.find("\n\n") + 2) + 1;  // past the column names
  for (std::size_t at = table; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    std::size_t cells = 0;
    for (std::size_t i = at; i < end; ++i) cells += text[i] != ' ' && (i == at || text[i - 1] == ' ');
    require(cells == 6, "six cells in every row of the table");
    at = end + 1;
  }
  require(!ModelAsCsv(r).empty() && !ModelAsJson(r).empty(), "the listings");
  return 0;
}
