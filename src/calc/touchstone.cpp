#include "calc/touchstone.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <numbers>
#include <utility>

#include "calc/touchstonewords.h"

namespace quill::touchstone {
namespace {

enum class Unit { Hz, KHz, MHz, GHz };
enum class Format { RI, MA, DB };

// The option line's words, field by field (the unit, the parameter, the
// format, R), each field's in the order of its enum.
constexpr std::string_view kOptionWords[] = {"Hz", "kHz", "MHz", "GHz", "S",  "Y", "Z",
                                             "H",  "G",   "RI",  "MA",  "DB", "R"};
constexpr std::size_t kFieldStarts[] = {0, 4, 9, 12, std::size(kOptionWords)};
constexpr const char* kFieldNames[] = {"frequency unit", "parameter", "format", "reference impedance"};

std::string withPorts(int count) { return count == 1 ? "a one-port" : "a two-port"; }
std::string lines(int line) { return "line " + std::to_string(line) + "'s"; }

// The reader's state from line to line.
class Reader {
 public:
  explicit Reader(int ports) : hintedPorts_(ports) {}

  Reading read(std::string_view text) {
    bool ok =
        text.size() <= kMostBytes || fail(0, "the file is larger than 64 MB, more than any analyser writes");
    if (ok && text.find_first_not_of(" \t\r\n\f\v") == std::string_view::npos)
      ok = fail(0, "the file is empty");
    while (ok && !text.empty() && !ended_) {
      const std::size_t end = text.find('\n');
      std::string_view line = text.substr(0, end);
      text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
      ++line_;
      line = Trimmed(line.substr(0, line.find('!')));
      if (line.empty() || (information_ && !Same(line, "[End Information]"))) continue;
      ok = readLine(line);
      started_ = true;
    }
    if (!ok || !finish()) return {std::nullopt, problem_};
    return {std::move(measurement_), {}};
  }

 private:
  bool fail(int line, std::string what) {
    problem_ = {line, std::move(what)};
    return false;
  }

  bool readLine(std::string_view line) {
    if (!started_ && line.front() == '[') return keyword(line);
    if (!started_ && hintedPorts_ > 2)
      return fail(0, std::to_string(hintedPorts_) + " ports, where only one- and two-port files can be read");
    if (!started_ && line.front() != '#' && !LooksNumeric(line))
      return fail(line_, "not a Touchstone file: neither an option line (#) nor numbers");
    if (line.front() == '#') return optionSeen_ || !measurement_.points.empty() || optionLine(line.substr(1));
    if (line.front() == '[') return keyword(line);
    if (referencesWanted_ > 0) return references(line);
    return version2_ ? wrappedData(line) : dataLine(line);
  }

  // "# GHz S MA R 50", by token, each field at most once.
  bool optionLine(std::string_view tokens) {
    optionSeen_ = true;
    bool given[std::size(kFieldNames)] = {};
    for (std::string_view word = NextWord(tokens); !word.empty(); word = NextWord(tokens)) {
      const auto* found = std::find_if(std::begin(kOptionWords), std::end(kOptionWords),
                                       [&](std::string_view name) { return Same(word, name); });
      if (found == std::end(kOptionWords))
        return fail(line_, Quoted(word) + " in the option line is no unit, parameter, format or R");
      const std::size_t index = std::size_t(found - kOptionWords);
      const std::size_t field =
          std::size_t(std::upper_bound(kFieldStarts, std::end(kFieldStarts), index) - kFieldStarts - 1);
      const std::size_t value = index - kFieldStarts[field];
      if (std::exchange(given[field], true))
        return fail(line_, std::string("the option line gives the ") + kFieldNames[field] + " twice");
      if (field == 0) unit_ = Unit(value);
      if (field == 1 && value != 0)
        return fail(line_,
                    "holds " + std::string(*found) + "-parameters; only S-parameters (S11) can be read");
      if (field == 2) format_ = Format(value);
      if (field == 3) {
        std::string_view rest = tokens;
        if (NextWord(rest).empty()) return fail(line_, "the option line's R has no impedance after it");
        if (!reference(NextWord(tokens))) return false;
        // Version 2.1 gives one impedance a port; port 1's is S11's.
        for (rest = tokens; IsNumber(NextWord(rest));) tokens = rest;
      }
    }
    return true;
  }

  // Reads an impedance; port 1's (`kept`) is S11's.
  bool reference(std::string_view word, bool kept = true) {
    if (const std::string bad = ReadNumber(word, number_); !bad.empty()) return fail(line_, bad);
    if (!(number_ > 0))
      return fail(line_, "a reference impedance of " + Quoted(word) + "; it must be above zero");
    if (kept) measurement_.referenceOhms = number_;
    return true;
  }

  // Version 2's "[Keyword] value".
  bool keyword(std::string_view line) {
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
      return fail(line_, Quoted(line) + " opens a keyword without closing it");
    const std::string_view name = Trimmed(line.substr(1, close - 1));
    const std::string_view value = Trimmed(line.substr(close + 1));
    if (Same(name, "Version")) {
      if (started_) return fail(line_, "[Version] must come before all but comments");
      if (value.substr(0, 2) != "2." || !IsNumber(value))
        return fail(line_,
                    "Touchstone version " + Quoted(value) + ", which cannot be read; versions 1 and 2 can");
      return version2_ = true;
    }
    if (!version2_)
      return fail(line_, "[" + Shown(name) + "] belongs in a file that starts with [Version] 2.0");
    if (!finishPending()) return false;
    if (referencesWanted_ > 0) return fail(line_, "[Reference] gives fewer impedances than there are ports");
    if (Same(name, "Number of Ports")) {
      const std::string bad = ReadNumber(value, number_);
      if (!bad.empty()) return fail(line_, bad);
      if (number_ != 1 && number_ != 2) {
        if (number_ >= 3 && number_ == std::floor(number_))
          return fail(line_, Quoted(value) + " ports, where only one- and two-port files can be read");
        return fail(line_, Quoted(value) + " is not a number of ports");
      }
      ports_ = int(number_);
    } else if (Same(name, "Number of Frequencies")) {
      const std::string bad = ReadNumber(value, number_);
      if (!bad.empty()) return fail(line_, bad);
      declaredFrequencies_ = value;
      declaredCount_ = number_;
    } else if (Same(name, "Reference")) {
      if (ports_ == 0) return fail(line_, "[Reference] before [Number of Ports]");
      referencesWanted_ = ports_;
      return value.empty() || references(value);
    } else if (Same(name, "Matrix Format")) {
      lowerOrUpper_ = Same(value, "Lower") || Same(value, "Upper");
      if (!lowerOrUpper_ && !Same(value, "Full"))
        return fail(line_, "[Matrix Format] must be Full, Lower or Upper");
    } else if (Same(name, "Mixed-Mode Order")) {
      return fail(line_, "holds mixed-mode parameters, which cannot be read");
    } else if (Same(name, "Network Data")) {
      if (ports_ == 0) return fail(line_, "[Network Data] before [Number of Ports]");
      networkData_ = true;
    } else if (Same(name, "Noise Data")) {
      noise_ = true;
    } else if (Same(name, "End")) {
      ended_ = true;
    } else if (Same(name, "Begin Information") || Same(name, "End Information")) {
      information_ = Same(name, "Begin Information");
    }
    return true;  // other keywords say nothing about S11
  }

  // [Reference]'s impedances, one a port, which may run on across lines.
  bool references(std::string_view line) {
    for (std::string_view word = NextWord(line); !word.empty(); word = NextWord(line)) {
      if (referencesWanted_ == 0) return fail(line_, "more impedances than ports after [Reference]");
      if (!reference(word, referencesWanted_-- == ports_)) return false;
    }
    return true;
  }

  // A line's numbers into numbers_; false at the first word that is none.
  bool numbers(std::string_view line) {
    numbers_.clear();
    for (std::string_view word = NextWord(line); !word.empty(); word = NextWord(line)) {
      if (const std::string bad = ReadNumber(word, number_); !bad.empty()) return fail(line_, bad);
      numbers_.push_back(number_);
    }
    return true;
  }

  // Version 1: one frequency a line; 3 numbers for one port, 9 for two.
  bool dataLine(std::string_view line) {
    if (!numbers(line)) return false;
    const std::size_t count = numbers_.size();
    if (ports_ == 0) ports_ = hintedPorts_ == 2 || count == 9 ? 2 : hintedPorts_ == 1 || count == 3 ? 1 : 0;
    if (ports_ == 0)
      return fail(line_, std::to_string(count) + " numbers where a line has 3 (one port) or 9 (two ports)");
    // A 2-port file's noise block: 5 numbers a line, from where the frequency falls back.
    const bool fallsBack =
        !measurement_.points.empty() && mhz(numbers_[0]) <= measurement_.points.back().frequencyMHz;
    if (ports_ == 2 && count == 5 && (noise_ || fallsBack)) return noise_ = true;
    if (noise_) return fail(line_, std::to_string(count) + " numbers where a noise line has 5");
    if (count != perFrequency())
      return fail(line_, std::to_string(count) + " numbers where " + withPorts(ports_) + " line has " +
                             std::to_string(perFrequency()));
    return point(line_);
  }

  // Version 2: a frequency's numbers may run on across lines, but each
  // frequency starts a line of its own.
  bool wrappedData(std::string_view line) {
    if (!networkData_) return fail(line_, "numbers before [Network Data]");
    if (noise_) return true;
    if (pending_.empty()) pendingLine_ = line_;
    if (!numbers(line)) return false;
    pending_.insert(pending_.end(), numbers_.begin(), numbers_.end());
    if (pending_.size() > perFrequency())
      return fail(pendingLine_, std::to_string(pending_.size()) + " numbers where " + withPorts(ports_) +
                                    " frequency has " + std::to_string(perFrequency()));
    if (pending_.size() < perFrequency()) return true;
    numbers_.swap(pending_);
    pending_.clear();
    return point(pendingLine_);
  }

  bool finishPending() {
    if (pending_.empty()) return true;
    return fail(pendingLine_, "the frequency's numbers stop after " + std::to_string(pending_.size()) +
                                  " of " + std::to_string(perFrequency()));
  }

  std::size_t perFrequency() const {
    const int pairs = ports_ == 2 && lowerOrUpper_ ? 3 : ports_ * ports_;
    return std::size_t(1 + 2 * pairs);
  }

  double mhz(double frequency) const {
    switch (unit_) {
      case Unit::Hz:
        return frequency / 1e6;
      case Unit::KHz:
        return frequency / 1e3;
      case Unit::MHz:
        return frequency;
      case Unit::GHz:
        return frequency * 1e3;
    }
    return frequency;
  }

  // numbers_ (frequency, then S11's pair) as a point read at `line`.
  bool point(int line) {
    Point p;
    p.frequencyMHz = mhz(numbers_[0]);
    if (numbers_[0] < 0) return fail(line, "a frequency below zero");
    if (!std::isfinite(p.frequencyMHz)) return fail(line, "a frequency out of range");
    if (!measurement_.points.empty()) {
      const double last = measurement_.points.back().frequencyMHz;
      if (p.frequencyMHz == last) return fail(line, "the frequency repeats " + lines(lastLine_));
      if (p.frequencyMHz < last)
        return fail(line, "the frequency falls below " + lines(lastLine_) + "; it must rise");
    }
    const double a = numbers_[1], b = numbers_[2];
    if (format_ == Format::RI) {
      p.s11 = {a, b};
      p.magnitude = std::hypot(a, b);
    } else {
      if (format_ == Format::MA && a < 0) return fail(line, "a magnitude below zero");
      p.magnitude = format_ == Format::MA ? a : std::pow(10.0, a / 20);
      const double radians = b * (std::numbers::pi / 180);
      p.s11 = {p.magnitude * std::cos(radians), p.magnitude * std::sin(radians)};
    }
    if (!std::isfinite(p.magnitude) || !std::isfinite(p.s11.real()) || !std::isfinite(p.s11.imag()))
      return fail(line, "S11 out of range");
    measurement_.points.push_back(p);
    lastLine_ = line;
    return true;
  }

  bool finish() {
    if (!finishPending()) return false;
    if (referencesWanted_ > 0) return fail(0, "[Reference] gives fewer impedances than there are ports");
    if (version2_ && ports_ == 0) return fail(0, "no [Number of Ports]");
    if (version2_ && !networkData_) return fail(0, "no [Network Data]");
    const std::size_t count = measurement_.points.size();
    if (count == 0) return fail(0, "the file holds no measurements");
    if (count == 1) return fail(0, "only one frequency; a sweep needs at least two");
    if (declaredFrequencies_ && declaredCount_ != double(count))
      return fail(0, std::to_string(count) + " frequencies where [Number of Frequencies] says " +
                         Quoted(*declaredFrequencies_));
    return true;
  }

  const int hintedPorts_;
  int ports_ = 0;
  int line_ = 0;
  bool started_ = false, optionSeen_ = false, version2_ = false, networkData_ = false;
  bool noise_ = false, ended_ = false, information_ = false, lowerOrUpper_ = false;
  Unit unit_ = Unit::GHz;
  Format format_ = Format::MA;
  int referencesWanted_ = 0;
  std::optional<std::string_view> declaredFrequencies_;  // as written
  double declaredCount_ = 0;
  double number_ = 0;
  std::vector<double> numbers_, pending_;
  int pendingLine_ = 0, lastLine_ = 0;
  Measurement measurement_;
  Problem problem_;
};

}  // namespace

int PortsOfFileName(std::string_view fileName) {
  const std::size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos || fileName.size() - dot < 4) return 0;
  const std::string_view extension = fileName.substr(dot + 1);
  if (!Same(extension.substr(0, 1), "s") || !Same(extension.substr(extension.size() - 1), "p")) return 0;
  const std::string_view digits = extension.substr(1, extension.size() - 2);
  int count = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), count);
  return error == std::errc() && end == digits.data() + digits.size() && count > 0 ? count : 0;
}

Reading Read(std::string_view text, int ports) { return Reader(ports).read(text); }

std::string Describe(const Problem& problem, std::string_view fileName) {
  std::string out(fileName);
  if (problem.line > 0) out += ":" + std::to_string(problem.line);
  return out + ": " + problem.what;
}

}  // namespace quill::touchstone
