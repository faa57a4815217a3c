#include "calc/necresults.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quill::nec {
namespace {

// nec2c prints frequencies with five significant digits (1.4527E+02).
constexpr double kFrequencyPrecision = 1e-4;
// Where nec2c's blocks start. A frequency's block opens with its frequency,
// then the source's table, then the pattern.
constexpr std::string_view kFrequencyLine = "FREQUENCY :";
constexpr std::string_view kSourceHeading = "ANTENNA INPUT PARAMETERS";
constexpr std::string_view kPatternHeading = "RADIATION PATTERNS";
// How many lines of column names (and blank lines) may stand between a
// heading and its first line of numbers.
constexpr int kMostHeaderLines = 6;
// The horizontal plane: theta 90 degrees from the z axis.
constexpr double kHorizontalTheta = 90;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// One line's blank-separated words.
std::vector<std::string_view> words(std::string_view line) {
  std::vector<std::string_view> found;
  std::size_t at = 0;
  while (true) {
    const std::size_t start = line.find_first_not_of(" \t\r", at);
    if (start == std::string_view::npos) break;
    at = line.find_first_of(" \t\r", start);
    if (at == std::string_view::npos) at = line.size();
    found.push_back(line.substr(start, at - start));
  }
  return found;
}

// A whole word as a finite number.
std::optional<double> number(std::string_view word) {
  double value = 0;
  // from_chars takes no leading '+', which C's printf never writes.
  const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
  if (error != std::errc() || end != word.data() + word.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

// nec2c's output, a line at a time.
class Lines {
 public:
  explicit Lines(std::string_view text) : text_(text) {}
  bool next(std::string_view& line) {
    if (text_.empty()) return false;
    const std::size_t end = text_.find('\n');
    line = text_.substr(0, end);
    text_.remove_prefix(end == std::string_view::npos ? text_.size() : end + 1);
    return true;
  }
  // Past a heading's column names to its first line that starts with a
  // number; false if there is none within a few lines.
  bool firstNumbers(std::string_view& line) {
    for (int i = 0; i <= kMostHeaderLines && next(line); ++i) {
      const std::vector<std::string_view> w = words(line);
      if (!w.empty() && number(w[0])) return true;
    }
    return false;
  }

 private:
  std::string_view text_;
};

// One frequency's block as read.
struct Block {
  double frequencyMHz = 0;
  std::optional<double> r, x;
  std::optional<double> front, back;  // total gain at azimuth 0 and 180
  std::vector<PatternPoint> pattern;
  bool patternBroken = false;
};

// The source's line: tag, segment, voltage, current, then the impedance.
void readSource(Lines& lines, Block& block) {
  std::string_view line;
  if (!lines.firstNumbers(line)) return;
  const std::vector<std::string_view> w = words(line);
  if (w.size() < 8) return;
  block.r = number(w[6]);
  block.x = number(w[7]);
}

// The pattern's lines: theta, phi, three gains (vertical, horizontal,
// total), then polarisation and fields, which are not needed (and one word
// shorter at a null, where the sense is blank). Ends at the first line that
// is not a pattern line.
void readPattern(Lines& lines, Block& block) {
  std::string_view line;
  if (!lines.firstNumbers(line)) return;
  do {
    const std::vector<std::string_view> w = words(line);
    if (w.empty() || !number(w[0])) break;  // the end of the table
    const std::optional<double> phi = w.size() >= 5 ? number(w[1]) : std::nullopt;
    const std::optional<double> total = phi ? number(w[4]) : std::nullopt;
    if (!total) {
      block.patternBroken = true;
      break;
    }
    if (*number(w[0]) != kHorizontalTheta) continue;
    block.pattern.push_back({*phi, *total});
    if (*phi == 0) block.front = *total;
    if (*phi == 180) block.back = *total;
  } while (lines.next(line));
}

std::string ordinal(std::size_t i) { return "frequency " + std::to_string(i + 1); }

}  // namespace

double Swr(double r, double x, double referenceOhms) {
  if (!(r > 0)) return std::numeric_limits<double>::infinity();
  // |Γ| = |Z - Z0| / |Z + Z0|
  const double reflection = std::hypot(r - referenceOhms, x) / std::hypot(r + referenceOhms, x);
  return (1 + reflection) / (1 - reflection);
}

Reading ReadResults(std::string_view output, const std::vector<double>& frequencies, double referenceOhms) {
  std::vector<Block> blocks;
  Lines lines(output);
  std::string_view line;
  while (lines.next(line)) {
    if (const std::size_t at = line.find(kFrequencyLine); at != std::string_view::npos) {
      const std::vector<std::string_view> w = words(line.substr(at + kFrequencyLine.size()));
      const std::optional<double> f = w.empty() ? std::nullopt : number(w[0]);
      if (!f) return {std::nullopt, "a frequency that is not a number"};
      blocks.push_back({});
      blocks.back().frequencyMHz = *f;
    } else if (blocks.empty()) {
      continue;
    } else if (line.find(kSourceHeading) != std::string_view::npos) {
      readSource(lines, blocks.back());
    } else if (line.find(kPatternHeading) != std::string_view::npos) {
      readPattern(lines, blocks.back());
    }
  }

  if (blocks.empty()) return {std::nullopt, "no results"};
  if (blocks.size() != frequencies.size()) {
    return {std::nullopt, "results for " + std::to_string(blocks.size()) + " of the " +
                              std::to_string(frequencies.size()) + " frequencies"};
  }
  Reading reading;
  Results& results = reading.results.emplace();
  results.referenceOhms = referenceOhms;
  for (std::size_t i = 0; i < blocks.size(); ++i) {
    const Block& b = blocks[i];
    if (std::abs(b.frequencyMHz - frequencies[i]) > kFrequencyPrecision * frequencies[i])
      return {std::nullopt,
              "a block for " + std::to_string(b.frequencyMHz) + " MHz where " + ordinal(i) + " was expected"};
    if (!b.r || !b.x) return {std::nullopt, "no feed impedance at " + ordinal(i)};
    if (!(*b.r > 0)) return {std::nullopt, "a feed resistance that is not positive at " + ordinal(i)};
    if (b.patternBroken || !b.front || !b.back)
      return {std::nullopt, "no gain towards the front and back at " + ordinal(i)};
    const bool noPower = *b.front <= kNoPowerDbi || *b.back <= kNoPowerDbi;
    results.sweep.push_back({frequencies[i], *b.r, *b.x, Swr(*b.r, *b.x, referenceOhms),
                             *b.front <= kNoPowerDbi ? -kInfinity : *b.front,
                             noPower ? std::numeric_limits<double>::quiet_NaN() : *b.front - *b.back});
  }
  results.pattern = blocks[blocks.size() / 2].pattern;
  return reading;
}

}  // namespace quill::nec
