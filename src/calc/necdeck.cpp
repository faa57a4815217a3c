#include "calc/necdeck.h"

#include <charconv>
#include <map>
#include <vector>

#include "calc/format.h"

namespace quill::nec {
namespace {

// The sweep: 5 % either side of the design frequency in 0.25 % steps, fine
// enough to find the lowest SWR and wide enough that it lies well inside
// (at 146 MHz it is near +2.75 %); 41 frequencies, the middle one the design
// frequency.
constexpr double kSweepStep = 0.0025;
constexpr double kSweepStart = 1 - kSweepStep * (kSweepFrequencies / 2);
// The pattern: the horizontal plane (theta 90 degrees from the z axis, which
// points up), all round in 5 degree steps.
constexpr int kPatternDirections = 73;
constexpr int kPatternStepDegrees = 5;

// The shortest text that reads back as the same double.
std::string number(double value) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value).ptr;
  return std::string(text, end);
}

std::string inches(float value) { return FormatDimension(value); }

// A length of the wires in millimetres, to the precision of the design's
// single-precision inches: nine digits at most, so that a GW card keeps
// within the 80 columns every NEC-2 reader takes (nec2c stops on longer
// lines), at 1 MHz as at 30 GHz.
std::string millimetres(double metres) {
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, static_cast<float>(metres * 1000)).ptr;
  return std::string(text, end);
}

std::string point(const Point& p) {
  return millimetres(p.x) + ' ' + millimetres(p.y) + ' ' + millimetres(p.z);
}

void comments(std::string& deck, const Model& model, std::string_view program) {
  auto card = [&deck](const std::string& text) { deck += "CM " + text + '\n'; };
  card(std::string(program) + ": a Quillbeam of " + std::to_string(model.elements.size()) + " elements for " +
       FormatDimension(model.frequencyMHz) + " MHz");
  card("Tubes and legs " + number(model.tubeDiameterMm) + " mm in diameter.");
  card("As calculated, in inches (each leg hangs from one end of its tube):");
  for (const Element& element : model.elements) {
    if (!element.spacingName.empty())
      card("  " + element.spacingName + " spacing " + inches(element.spacing));
    card("  " + element.name + " horizontal " + inches(element.horizontal) + ", vertical " +
         inches(element.vertical));
  }
  card("A free-space model of straight, perfectly conducting wires. It leaves");
  card("out the boom, the coax and its choke, the feed insulator and the ground.");
  card("GW in millimetres, which GS scales to metres: x along the boom towards");
  card("the directors, y along the tubes, z up.");
  card("Fed at the driven element's left corner: tag " + std::to_string(model.sourceTag) + ", segment " +
       std::to_string(model.sourceSegment) + '.');
  card("FR: " + std::to_string(kSweepFrequencies) + " frequencies from 5 % below to 5 % above, in 0.25 %");
  card("steps. PT -1 leaves the currents out of the output; delete it to see them.");
}

// A deck's card: its two-letter name and its fields.
struct Card {
  std::string name;
  std::vector<double> fields;
  bool readable = true;  // every field is a number
};

Card read(std::string_view line) {
  Card card;
  card.name = std::string(line.substr(0, 2));
  for (char& c : card.name) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  if (card.name == "CM" || card.name == "CE") return card;
  std::size_t at = 2;
  while (at < line.size()) {
    const std::size_t start = line.find_first_not_of(" \t,\r", at);
    if (start == std::string_view::npos) break;
    at = line.find_first_of(" \t,\r", start);
    if (at == std::string_view::npos) at = line.size();
    double value = 0;
    const auto [end, error] = std::from_chars(line.data() + start, line.data() + at, value);
    if (error != std::errc() || end != line.data() + at) card.readable = false;
    card.fields.push_back(value);
  }
  return card;
}

std::string wireFault(const Card& gw, std::map<int, int>& segmentsByTag) {
  if (!gw.readable || gw.fields.size() < 9) return "a GW card without its nine numbers";
  const int tag = static_cast<int>(gw.fields[0]), segments = static_cast<int>(gw.fields[1]);
  const Wire wire{
      tag, segments, {gw.fields[2], gw.fields[3], gw.fields[4]}, {gw.fields[5], gw.fields[6], gw.fields[7]}};
  const double radius = gw.fields[8];
  const std::string which = "wire " + std::to_string(tag);
  if (!(wire.length() > 0)) return which + " has no length";
  if (!(radius > 0)) return which + " has no radius";
  if (segments < 1) return which + " has no segments";
  if (!(wire.length() / segments >= kShortestSegmentInRadii * radius)) {
    return which + " has segments shorter than four times its radius";
  }
  segmentsByTag[tag] = segments;
  return {};
}

}  // namespace

std::vector<double> SweepFrequencies(const Model& model) {
  const double f = model.frequencyMHz;
  std::vector<double> frequencies;
  // As nec2c steps through them: the start, then one step added at a time.
  double at = kSweepStart * f;
  for (int i = 0; i < kSweepFrequencies; ++i, at += kSweepStep * f) frequencies.push_back(at);
  return frequencies;
}

std::string Deck(const Model& model, std::string_view program) {
  std::string deck;
  comments(deck, model, program);
  deck += "CE\n";
  const std::string radius = millimetres(model.radius());
  for (const Wire& wire : model.wires()) {
    deck += "GW " + std::to_string(wire.tag) + ' ' + std::to_string(wire.segments) + ' ' + point(wire.from) +
            ' ' + point(wire.to) + ' ' + radius + '\n';
  }
  deck += "GS 0 0 0.001\n";
  deck += "GE 0\n";
  // No current tables: they are most of nec2c's output and nothing here
  // reads them.
  deck += "PT -1 0 0 0\n";
  // A voltage source of 1 V.
  deck += "EX 0 " + std::to_string(model.sourceTag) + ' ' + std::to_string(model.sourceSegment) + " 0 1 0\n";
  const double f = model.frequencyMHz;
  deck += "FR 0 " + std::to_string(kSweepFrequencies) + " 0 0 " + number(kSweepStart * f) + ' ' +
          number(kSweepStep * f) + '\n';
  deck += "RP 0 1 " + std::to_string(kPatternDirections) + " 0 90 0 0 " +
          std::to_string(kPatternStepDegrees) + '\n';
  deck += "EN\n";
  return deck;
}

std::string DeckFault(std::string_view deck) {
  enum class Part { Comments, Geometry, Program, Ended } part = Part::Comments;
  std::map<int, int> segmentsByTag;
  bool source = false, pattern = false;
  while (!deck.empty()) {
    const std::size_t end = deck.find('\n');
    const std::string_view line = deck.substr(0, end);
    deck.remove_prefix(end == std::string_view::npos ? deck.size() : end + 1);
    if (line.empty() || line.front() == '#') continue;  // nec2c skips these
    if (line.size() > kCardColumns) return "a card longer than " + std::to_string(kCardColumns) + " columns";
    const Card card = read(line);
    if (part == Part::Ended) return "cards after EN";
    if (part == Part::Comments) {
      if (card.name == "CE") {
        part = Part::Geometry;
      } else if (card.name != "CM") {
        return "no CE card after the comments";
      }
    } else if (part == Part::Geometry) {
      if (card.name == "GS") {
        // A scale keeps the wires' proportions, which is all that is checked.
      } else if (card.name == "GW") {
        if (std::string fault = wireFault(card, segmentsByTag); !fault.empty()) return fault;
      } else if (card.name == "GE") {
        part = Part::Program;
      } else {
        return card.name + " card among the wires";
      }
    } else if (card.name == "EX") {
      if (!card.readable || card.fields.size() < 3) return "an EX card without its numbers";
      const auto wire = segmentsByTag.find(static_cast<int>(card.fields[1]));
      const int segment = static_cast<int>(card.fields[2]);
      if (wire == segmentsByTag.end()) return "the source is on a wire that does not exist";
      if (segment < 1 || segment > wire->second) return "the source is on a segment that does not exist";
      source = true;
    } else if (card.name == "RP" || card.name == "XQ") {
      pattern = true;
    } else if (card.name == "EN") {
      part = Part::Ended;
    }
  }
  if (part == Part::Comments) return "no CE card";
  if (part == Part::Geometry) return "no GE card";
  if (!source) return "no EX card (no source)";
  if (!pattern) return "no RP card";
  if (part != Part::Ended) return "no EN card";
  return {};
}

}  // namespace quill::nec
