#include "calc/necreport.h"

#include <charconv>
#include <cmath>

namespace quill::nec {
namespace {

// The design frequency is single precision: digits past the seventh are
// noise from the sweep's arithmetic.
constexpr int kFrequencyDigits = 7;
// nec2c prints gains to two decimals; their difference has no more.
constexpr int kGainDecimals = 2;
// The text's own rounding, as a builder reads an impedance and an SWR.
constexpr int kOhmDecimalsShown = 1;
constexpr int kSwrDecimalsShown = 2;
constexpr int kMhzDecimalsShown = 3;  // kHz

// `value` rounded to `decimals` places, as a double (for JSON and CSV).
double rounded(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  return std::round(value * scale) / scale;
}

std::string json(double value) { return std::isfinite(value) ? ShortestText(value) : "null"; }

std::string point(const SweepPoint& p) {
  return "{\"frequency_mhz\": " + FrequencyText(p.frequencyMHz) + ", \"r_ohms\": " + json(p.r) +
         ", \"x_ohms\": " + json(p.x) + ", \"swr\": " + SwrText(p.swr) +
         ", \"gain_dbi\": " + json(p.gainDbi) +
         ", \"front_to_back_db\": " + json(rounded(p.frontToBackDb, kGainDecimals)) + "}";
}

std::string padLeft(const std::string& text, std::size_t width) {
  return text.size() >= width ? text : std::string(width - text.size(), ' ') + text;
}

// A gain with its unit, or "none" alone where there is no power.
std::string withUnit(double db, const char* unit) {
  return FixedText(db, kGainDecimals) + (std::isfinite(db) ? std::string(" ") + unit : std::string());
}

std::string impedance(const SweepPoint& p) {
  return FixedText(p.r, kOhmDecimalsShown) + (p.x < 0 ? " - j" : " + j") +
         FixedText(std::abs(p.x), kOhmDecimalsShown) + " ohms";
}

}  // namespace

// to_chars into a text as long as the number needs: a resistance of 1e62
// ohms has 63 digits before its point.
template <typename... Format>
std::string chars(double value, Format... format) {
  std::string text(32, '\0');
  while (true) {
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value, format...);
    if (error == std::errc()) {
      text.resize(std::size_t(end - text.data()));
      return text;
    }
    text.resize(text.size() * 2);
  }
}

std::string ShortestText(double value) { return chars(value); }

std::string FixedText(double value, int decimals) {
  if (!std::isfinite(value)) return value > 0 ? "infinite" : "none";
  std::string out = chars(value, std::chars_format::fixed, decimals);
  if (out.find_first_not_of("-0.") == std::string::npos && out.front() == '-') out.erase(0, 1);  // no "-0.0"
  return out;
}

std::string FrequencyText(double mhz) {
  const std::string text = chars(mhz, std::chars_format::general, kFrequencyDigits);
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return ShortestText(value);
}

std::string KilohertzText(double mhz) { return ShortestText(rounded(mhz, kMhzDecimalsShown)); }

std::string SwrText(double swr, int decimals) {
  return std::isfinite(swr) ? ShortestText(rounded(swr, decimals)) : "null";
}

std::string ModelAsText(const Results& results) {
  const SweepPoint& at = results.atFrequency();
  const SweepPoint& lowest = results.lowestSwr();
  std::string out = "Quillbeam of " + std::to_string(results.elements) + " elements for " +
                    KilohertzText(results.designFrequencyMHz) + " MHz, tubes " +
                    ShortestText(results.diameterMm) + " mm, modelled by nec2c\n";
  out += "At " + KilohertzText(at.frequencyMHz) + " MHz: " + impedance(at) + ", SWR " +
         FixedText(at.swr, kSwrDecimalsShown) + " on " + ShortestText(results.referenceOhms) + " ohms\n";
  out += "Gain towards the directors " + withUnit(at.gainDbi, "dBi") + ", front-to-back " +
         withUnit(at.frontToBackDb, "dB") + "\n";
  out += "Lowest SWR " + FixedText(lowest.swr, kSwrDecimalsShown) + " at " +
         KilohertzText(lowest.frequencyMHz) + " MHz\n";
  out += std::string(kLeftOut) + "\n\n";
  // Wide enough for the usual numbers, and the SWR's for "infinite".
  static constexpr std::size_t kWidths[] = {10, 8, 8, 8, 8, 7};
  const char* const kHeads[] = {"MHz", "R ohms", "X ohms", "SWR", "Gain dBi", "F/B dB"};
  auto row = [&out](const std::string(&cells)[6]) {
    // A blank between cells, so that a number wider than its column (a
    // resistance of 1e62 ohms) still stands apart.
    for (std::size_t i = 0; i < 6; ++i) out += (i ? " " : "") + padLeft(cells[i], kWidths[i]);
    out += '\n';
  };
  row({kHeads[0], kHeads[1], kHeads[2], kHeads[3], kHeads[4], kHeads[5]});
  for (const SweepPoint& p : results.sweep) {
    row({FixedText(p.frequencyMHz, kMhzDecimalsShown), FixedText(p.r, kOhmDecimalsShown),
         FixedText(p.x, kOhmDecimalsShown), FixedText(p.swr, kSwrDecimalsShown),
         FixedText(p.gainDbi, kGainDecimals), FixedText(p.frontToBackDb, kGainDecimals)});
  }
  return out;
}

std::string ModelAsCsv(const Results& results) {
  std::string out = "frequency_mhz,r_ohms,x_ohms,swr,gain_dbi,front_to_back_db\n";
  for (const SweepPoint& p : results.sweep) {
    out += FrequencyText(p.frequencyMHz) + ',' + json(p.r) + ',' + json(p.x) + ',' + SwrText(p.swr) + ',' +
           json(p.gainDbi) + ',' + json(rounded(p.frontToBackDb, kGainDecimals)) + '\n';
  }
  return out;
}

std::string ModelAsJson(const Results& results) {
  std::string out = "{\"frequency_mhz\": " + FrequencyText(results.designFrequencyMHz) +
                    ", \"elements\": " + std::to_string(results.elements) +
                    ", \"diameter_mm\": " + json(results.diameterMm) +
                    ", \"reference_ohms\": " + json(results.referenceOhms) + ",\n";
  out += " \"at_frequency\": " + point(results.atFrequency()) + ",\n";
  const SweepPoint& lowest = results.lowestSwr();
  out += " \"lowest_swr\": {\"frequency_mhz\": " + FrequencyText(lowest.frequencyMHz) +
         ", \"swr\": " + SwrText(lowest.swr) + "},\n";
  out += " \"sweep\": [";
  for (std::size_t i = 0; i < results.sweep.size(); ++i) out += (i ? ", " : "") + point(results.sweep[i]);
  out += "],\n \"pattern\": [";
  for (std::size_t i = 0; i < results.pattern.size(); ++i) {
    const PatternPoint& p = results.pattern[i];
    out += (i ? ", {\"azimuth_deg\": " : "{\"azimuth_deg\": ") + json(p.azimuthDeg) +
           ", \"gain_dbi\": " + json(p.gainDbi) + "}";
  }
  out += "]}\n";
  return out;
}

}  // namespace quill::nec
