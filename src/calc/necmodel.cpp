#include "calc/necmodel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/build.h"
#include "calc/format.h"

namespace quill::nec {
namespace {

constexpr double kMetresPerInch = 0.0254;                  // kMmPerInch in metres, written exactly
constexpr double kLightMetresPerMicrosecond = 299.792458;  // c, so that c / MHz is metres
// The thinnest tube, as a fraction of the wavelength: NEC's wire kernel
// divides by the radius and squares it, and nec2c's numbers turn to NaN on
// wires vanishingly thin; a millionth of a wavelength is far thinner than
// any wire a builder uses.
constexpr double kThinnestInWavelengths = 1e-6;
// The default tube: 6 mm at 146 MHz, scaled with the wavelength.
constexpr double kDefaultDiameterMm = 6;
constexpr double kDefaultDiameterAtMHz = 146;

std::string number(double value, int significant = 17) {
  char text[32];
  const auto end =
      std::to_chars(text, text + sizeof text, value, std::chars_format::general, significant).ptr;
  return std::string(text, end);
}

// `value` cut down (not rounded) to three significant digits, so that the
// figure the user reads is one that works.
double floorToThreeDigits(double value) {
  const double unit = std::pow(10.0, std::floor(std::log10(value)) - 2);
  return std::floor(value / unit) * unit;
}

// `value` raised to three significant digits.
double ceilToThreeDigits(double value) {
  const double unit = std::pow(10.0, std::floor(std::log10(value)) - 2);
  return std::ceil(value / unit) * unit;
}

float shown(const Calculation& calculation, ResultBox box) {
  for (const BoxWrite& write : calculation) {
    if (write.box == box) return write.value;
  }
  return 0;  // not reached: a calculation that succeeded wrote every box
}

Outcome refused(Problem problem, std::string message) {
  Outcome outcome;
  outcome.problem = problem;
  outcome.message = std::move(message);
  return outcome;
}

// The checks that need no frequency.
std::optional<Outcome> checkRequest(std::optional<double> tubeDiameterMm, int elements) {
  if (tubeDiameterMm && !std::isfinite(*tubeDiameterMm)) {
    return refused(Problem::Diameter, "The tube diameter is not a number.");
  }
  if (tubeDiameterMm && *tubeDiameterMm <= 0) {
    return refused(Problem::Diameter, "The tube diameter must be greater than 0 mm.");
  }
  if (elements < kFewestElements || elements > kMostElements) {
    return refused(Problem::Elements, "The number of elements must be from " +
                                          std::to_string(kFewestElements) + " to " +
                                          std::to_string(kMostElements) + ".");
  }
  return std::nullopt;
}

// The sizes of the element in place `index` (0 is the reflector).
Element sized(const Calculation& inches, int index) {
  const ElementSize& size = SizeOf(index);
  Element element;
  element.name = ElementName(index);
  element.horizontal = shown(inches, size.horizontal);
  element.vertical = shown(inches, size.vertical);
  if (index > 0) {
    element.spacing = shown(inches, size.spacing);
    element.spacingName = SpacingName(index);
  }
  return element;
}

// Places the element's three wires at `x` metres along the boom. Each
// corner and each free leg end is computed once and given to both wires
// that meet there, so the joints are exact.
void place(Element& element, double x, int firstTag) {
  const double halfTube = element.horizontal * kMetresPerInch / 2;
  const double leg = element.vertical * kMetresPerInch;
  const Point leftFoot{x, -halfTube, -leg}, leftCorner{x, -halfTube, 0};
  const Point rightCorner{x, halfTube, 0}, rightFoot{x, halfTube, -leg};
  element.leftLeg = {firstTag, 0, leftFoot, leftCorner};
  element.tube = {firstTag + 1, 0, leftCorner, rightCorner};
  element.rightLeg = {firstTag + 2, 0, rightCorner, rightFoot};
}

Outcome build(const Calculation& inches, float frequencyMHz, std::optional<double> tubeDiameterMm,
              int count) {
  if (!inches.ok()) {
    Outcome outcome = refused(Problem::Calculation, inches.error->description);
    outcome.error = inches.error;
    return outcome;
  }
  if (std::string refusal = FrequencyRefusal(frequencyMHz); !refusal.empty())
    return refused(Problem::Frequency, std::move(refusal));

  Model model;
  model.frequencyMHz = frequencyMHz;
  model.wavelength = kLightMetresPerMicrosecond / frequencyMHz;
  model.tubeDiameterMm = tubeDiameterMm.value_or(DefaultTubeDiameterMm(frequencyMHz));
  double x = 0;
  for (int i = 0; i < count; ++i) {
    Element element = sized(inches, i);
    x += element.spacing * kMetresPerInch;
    place(element, x, 3 * i + 1);
    model.elements.push_back(std::move(element));
  }

  // As few segments as keep each within a twentieth of a wavelength; the
  // shortest that gives must still be four radii long.
  const double longest = model.wavelength / kSegmentsPerWavelength;
  double shortest = HUGE_VAL;
  for (Element& element : model.elements) {
    for (Wire* wire : {&element.leftLeg, &element.tube, &element.rightLeg}) {
      wire->segments = std::max(1, static_cast<int>(std::ceil(wire->length() / longest)));
      shortest = std::min(shortest, wire->length() / wire->segments);
    }
  }
  const double thickest = floorToThreeDigits(shortest / kShortestSegmentInRadii * 2 * 1000);
  const double thinnest = ceilToThreeDigits(model.wavelength * kThinnestInWavelengths * 1000);
  if (shortest < kShortestSegmentInRadii * model.radius()) {
    return refused(Problem::Diameter,
                   "A tube of " + number(model.tubeDiameterMm, 6) + " mm is too thick to model at " +
                       FormatDimension(frequencyMHz) +
                       " MHz: NEC needs pieces of wire no longer than a twentieth of a wavelength and "
                       "no shorter than four times the tube's radius. At most " +
                       number(thickest, 3) + " mm can be modelled.");
  }
  if (model.tubeDiameterMm < thinnest) {
    return refused(Problem::Diameter,
                   "A tube of " + number(model.tubeDiameterMm, 6) + " mm is too thin to model at " +
                       FormatDimension(frequencyMHz) +
                       " MHz: NEC's thin-wire model needs a tube of at least a millionth of a "
                       "wavelength. From " +
                       number(thinnest, 3) + " to " + number(thickest, 3) + " mm can be modelled.");
  }

  const Element& driven = model.elements[1];
  model.sourceTag = driven.tube.tag;
  model.sourceSegment = 1;  // the tube runs from the left corner
  Outcome outcome;
  outcome.model = std::move(model);
  return outcome;
}

}  // namespace

double Wire::length() const { return std::hypot(to.x - from.x, to.y - from.y, to.z - from.z); }

std::vector<Wire> Model::wires() const {
  std::vector<Wire> all;
  for (const Element& element : elements)
    all.insert(all.end(), {element.leftLeg, element.tube, element.rightLeg});
  return all;
}

Outcome BuildModel(std::string_view frequencyText, std::optional<double> tubeDiameterMm, int elements) {
  if (auto refusal = checkRequest(tubeDiameterMm, elements)) return *refusal;
  DesignValues scratch;
  const Calculation inches = Calculate(scratch, frequencyText, Unit::Inches);
  return build(inches, scratch.FrequencyMHz, tubeDiameterMm, elements);
}

Outcome BuildModel(float frequencyMHz, std::optional<double> tubeDiameterMm, int elements) {
  if (auto refusal = checkRequest(tubeDiameterMm, elements)) return *refusal;
  DesignValues scratch;
  const Calculation inches = CalculateFrequency(scratch, frequencyMHz, Unit::Inches);
  return build(inches, scratch.FrequencyMHz, tubeDiameterMm, elements);
}

double DefaultTubeDiameterMm(double frequencyMHz) {
  const std::string text = number(kDefaultDiameterMm * kDefaultDiameterAtMHz / frequencyMHz, 3);
  double diameter = 0;
  std::from_chars(text.data(), text.data() + text.size(), diameter);
  return diameter;
}

}  // namespace quill::nec
