#include "calc/tuningreport.h"

#include <cmath>

#include "calc/build.h"
#include "calc/necreport.h"
#include "calc/trim.h"

namespace quill::nec {
namespace {

// Below this a leg change reads to the tenth of a mm.
constexpr double kWholeMmFrom = 10;
constexpr int kGainDecimals = 2;
constexpr int kSwrDecimals = 2;
constexpr int kMhzDecimals = 1;  // as a builder sets an analyser
constexpr int kMeasuredMhzDecimals = 3;

std::string json(double value) { return std::isfinite(value) ? ShortestText(value) : "null"; }
std::string mhz(double value) { return FixedText(value, kMhzDecimals); }

std::string length(double mm) {
  const double size = std::abs(mm);
  return FixedText(size, size >= kWholeMmFrom ? 0 : 1) + " mm (" + TapeInches(size / kMmPerInch) + " in)";
}

std::string change(double mm) {
  return (mm >= 0 ? "lengthen every leg by " : "shorten every leg by ") + length(mm);
}

std::string range(const Range& r, int decimals) {
  return FixedText(r.min, decimals) + " to " + FixedText(r.max, decimals);
}

// As the model's own JSON gives the same figure.
template <typename Text>
std::string jsonRange(const Range& r, Text text) {
  return "{\"min\": " + text(r.min) + ", \"max\": " + text(r.max) + "}";
}

std::string roundedJson(double value, int decimals) {
  if (!std::isfinite(value)) return "null";
  const double scale = std::pow(10.0, decimals);
  return ShortestText(std::round(value * scale) / scale);
}

// A JSON string: quotes, backslashes and control characters escaped.
std::string quoted(const std::string& text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
      out += escaped;
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string gain(double value) { return roundedJson(value, kGainDecimals); }
std::string swr(double value) { return SwrText(value); }

}  // namespace

static std::string trimSentence(const TrimAnswer& trim) {
  if (!trim.found) return trim.refusal;
  if (trim.fromMeasurement) {
    return "Measured lowest SWR " + FixedText(trim.fromSwr, kSwrDecimals) + " at " + mhz(trim.fromMHz) +
           " MHz: " + change(trim.legChangeMm) + " to bring it to " + mhz(trim.toMHz) + " MHz.";
  }
  const SweepPoint& lowest = trim.after->lowestSwr();
  const SweepPoint& before = trim.before->atFrequency();
  const SweepPoint& after = trim.after->atFrequency();
  std::string text = "Trim: " + change(trim.legChangeMm) + " to bring the lowest SWR from " +
                     mhz(trim.fromMHz) + " to " + mhz(trim.toMHz) + " MHz. The model then gives " +
                     FixedText(lowest.swr, kSwrDecimals) + " at " + mhz(lowest.frequencyMHz) + " MHz";
  if (trim.legChangeMm == 0)
    text = "Trim: none needed; the model's lowest SWR is at " + mhz(trim.toMHz) + " MHz";
  return text + ", gain " + FixedText(after.gainDbi, kGainDecimals) + " dBi (" +
         FixedText(before.gainDbi, kGainDecimals) + " before) and front-to-back " +
         FixedText(after.frontToBackDb, kGainDecimals) + " dB (" +
         FixedText(before.frontToBackDb, kGainDecimals) + " before).";
}

std::string WithNumberStyle(std::string_view text, const NumberStyle& style) {
  const auto digit = [&text](std::size_t i) { return i < text.size() && text[i] >= '0' && text[i] <= '9'; };
  const auto letter = [&text](std::size_t i) {
    return i < text.size() && ((text[i] >= 'a' && text[i] <= 'z') || (text[i] >= 'A' && text[i] <= 'Z'));
  };
  std::string out;
  std::size_t at = 0;
  while (at < text.size()) {
    if (!digit(at)) {
      out += text[at++];
      continue;
    }
    // A run of digits and of points between digits: a number, unless a
    // letter touches it.
    std::size_t end = at;
    while (digit(end) || (end < text.size() && text[end] == '.' && digit(end + 1))) ++end;
    const bool word = (at > 0 && letter(at - 1)) || letter(end);
    for (std::size_t i = at; i < end; ++i) {
      if (word) {
        out += text[i];
      } else {
        out += digit(i) ? style.digits[std::size_t(text[i] - '0')] : style.point;
      }
    }
    at = end;
  }
  return out;
}

std::string MeasuredSentence(const MeasuredListing& measured, const NumberStyle& style) {
  const touchstone::MeasuredPoint& lowest = measured.sweep.lowestSwr();
  return WithNumberStyle("Measured lowest SWR " + FixedText(lowest.swr, kSwrDecimals) + " at " +
                             FixedText(lowest.frequencyMHz, kMeasuredMhzDecimals) + " MHz on " +
                             ShortestText(measured.sweep.referenceOhms) + " ohms",
                         style) +
         " (" + measured.file + ", " + WithNumberStyle(std::to_string(measured.sweep.points.size()), style) +
         " points).";
}

static std::string spreadSentence(const Spread& spread) {
  const std::string cut = "\u00b1" + ShortestText(spread.cutMm) + " mm";
  if (spread.copies == 0) {
    return "Cut within " + cut + ": no spread, as nec2c failed on all " + std::to_string(spread.asked) +
           " copies.";
  }
  const double designMHz = spread.designMHz;
  std::string text = "Cut within " + cut + ": lowest SWR " + range(spread.lowestSwr, kSwrDecimals) +
                     ", between " + mhz(spread.lowestFrequencyMHz.min) + " and " +
                     mhz(spread.lowestFrequencyMHz.max) + " MHz; at " + mhz(designMHz) + " MHz " +
                     range(spread.swrAtFrequency, kSwrDecimals) + "; gain " +
                     range(spread.gainDbi, kGainDecimals) + " dBi, front-to-back " +
                     range(spread.frontToBackDb, kGainDecimals) + " dB.";
  if (spread.copies < spread.asked) {
    text += " From " + std::to_string(spread.copies) + " of " + std::to_string(spread.asked) +
            " copies: nec2c failed on the others.";
  }
  return text;
}

std::string TrimSentence(const TrimAnswer& trim, const NumberStyle& style) {
  return WithNumberStyle(trimSentence(trim), style);
}

std::string SpreadSentence(const Spread& spread, const NumberStyle& style) {
  return WithNumberStyle(spreadSentence(spread), style);
}

std::string TuningAsText(const TrimAnswer* trim, const MeasuredListing* measured, const Spread* spread) {
  std::string out = trim || measured || spread ? "\n" : "";
  if (measured) out += MeasuredSentence(*measured) + "\n";
  if (trim) out += TrimSentence(*trim) + "\n";
  if (spread) out += SpreadSentence(*spread) + "\n";
  if (measured) {
    out += "\nMeasured\n       MHz    R ohms    X ohms     SWR\n";
    for (const touchstone::MeasuredPoint& p : measured->sweep.points) {
      char line[96];
      std::snprintf(line, sizeof line, "%10s %9s %9s %7s\n", FixedText(p.frequencyMHz, 3).c_str(),
                    FixedText(p.r, 1).c_str(), FixedText(p.x, 1).c_str(), FixedText(p.swr, 2).c_str());
      out += line;
    }
  }
  return out;
}

std::string TuningAsCsv(const TrimAnswer* trim, const MeasuredListing* measured, const Spread* spread) {
  std::string out;
  if (trim) {
    out += "\ntrim_basis,from_mhz,to_mhz,leg_change_mm,leg_change_in\n";
    out += std::string(trim->fromMeasurement ? "measurement," : "model,") + FrequencyText(trim->fromMHz) +
           ',' + FrequencyText(trim->toMHz) + ',' + (trim->found ? json(trim->legChangeMm) : "") + ',' +
           (trim->found ? json(SixteenthsOfInch(trim->legChangeMm)) : "") + '\n';
  }
  if (measured) {
    out += "\nmeasured_frequency_mhz,r_ohms,x_ohms,swr\n";
    for (const touchstone::MeasuredPoint& p : measured->sweep.points) {
      out += json(p.frequencyMHz) + ',' + json(p.r) + ',' + json(p.x) + ',' + SwrText(p.swr) + '\n';
    }
  }
  if (spread) {
    out += "\ncut_mm,frequency_mhz,swr_min,swr_max\n";
    for (const BandPoint& b : spread->band) {
      out += json(spread->cutMm) + ',' + FrequencyText(b.frequencyMHz) + ',' + SwrText(b.swrMin) + ',' +
             SwrText(b.swrMax) + '\n';
    }
  }
  return out;
}

std::string WithTuningJson(std::string modelJson, const TrimAnswer* trim, const MeasuredListing* measured,
                           const Spread* spread) {
  std::string out;
  if (trim) {
    out += ",\n \"trim\": {\"basis\": \"" + std::string(trim->fromMeasurement ? "measurement" : "model") +
           "\", \"from_mhz\": " + FrequencyText(trim->fromMHz) +
           ", \"to_mhz\": " + FrequencyText(trim->toMHz) +
           ", \"leg_change_mm\": " + (trim->found ? json(trim->legChangeMm) : "null") +
           ", \"leg_change_in\": " + (trim->found ? json(SixteenthsOfInch(trim->legChangeMm)) : "null");
    if (trim->found && trim->after) {
      const SweepPoint& at = trim->after->atFrequency();
      out += ", \"after\": {\"lowest_swr\": {\"frequency_mhz\": " +
             FrequencyText(trim->after->lowestSwr().frequencyMHz) +
             ", \"swr\": " + SwrText(trim->after->lowestSwr().swr) + "}, \"gain_dbi\": " + json(at.gainDbi) +
             ", \"front_to_back_db\": " + roundedJson(at.frontToBackDb, kGainDecimals) + "}";
    }
    if (!trim->found) out += ", \"reason\": " + quoted(trim->refusal);
    out += "}";
  }
  if (measured) {
    const touchstone::MeasuredSweep& sweep = measured->sweep;
    out += ",\n \"measured\": {\"file\": " + quoted(measured->file) +
           ", \"points\": " + std::to_string(sweep.points.size()) +
           ", \"reference_ohms\": " + json(sweep.referenceOhms) +
           ", \"lowest_swr\": {\"frequency_mhz\": " + json(sweep.lowestSwr().frequencyMHz) +
           ", \"swr\": " + SwrText(sweep.lowestSwr().swr) + "},\n  \"sweep\": [";
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
      const touchstone::MeasuredPoint& p = sweep.points[i];
      out += std::string(i ? ", " : "") + "{\"frequency_mhz\": " + json(p.frequencyMHz) +
             ", \"r_ohms\": " + json(p.r) + ", \"x_ohms\": " + json(p.x) + ", \"swr\": " + SwrText(p.swr) +
             "}";
    }
    out += "]}";
  }
  if (spread && spread->copies > 0) {
    out += ",\n \"tolerance\": {\"cut_mm\": " + json(spread->cutMm) +
           ", \"copies\": " + std::to_string(spread->copies) +
           ", \"lowest_swr_frequency_mhz\": " + jsonRange(spread->lowestFrequencyMHz, FrequencyText) +
           ", \"lowest_swr\": " + jsonRange(spread->lowestSwr, swr) +
           ", \"swr_at_frequency\": " + jsonRange(spread->swrAtFrequency, swr) +
           ", \"gain_dbi\": " + jsonRange(spread->gainDbi, json) +
           ", \"front_to_back_db\": " + jsonRange(spread->frontToBackDb, gain) + ",\n  \"band\": [";
    for (std::size_t i = 0; i < spread->band.size(); ++i) {
      const BandPoint& b = spread->band[i];
      out += std::string(i ? ", " : "") + "{\"frequency_mhz\": " + FrequencyText(b.frequencyMHz) +
             ", \"swr_min\": " + SwrText(b.swrMin) + ", \"swr_max\": " + SwrText(b.swrMax) + "}";
    }
    out += "]}";
  }
  // The model's JSON ends in "}\n".
  modelJson.insert(modelJson.size() - 2, out);
  return modelJson;
}

}  // namespace quill::nec
