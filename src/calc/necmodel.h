#pragma once

// A wire model of the designed antenna for NEC-2 antenna modellers (nec2c,
// xnec2c and the common Windows ones): every element as the calculator
// sizes it, an upside-down U of straight wires, standing along the boom at
// the calculated spacings. The card deck itself is written by necdeck.h.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/design.h"
#include "calc/elements.h"

namespace quill::nec {

// The elements are those of calc/elements.h: the reflector, the driven
// element and D1, as drawn; a 4th is D2, and every further one a D3-to-Dn
// director.

// NEC's thin-wire model wants pieces of wire (segments) no longer than about
// a twentieth of a wavelength, so that the current is nearly constant along
// each, and no shorter than a few times the wire's radius, below which its
// results go wrong without a warning.
// Inches, as the design gives its lengths, in millimetres.
inline constexpr double kMmPerInch = 25.4;
inline constexpr double kSegmentsPerWavelength = 20;
inline constexpr double kShortestSegmentInRadii = 4;

// In metres. x runs along the boom from the reflector towards the
// directors, y along the tubes and z up. The tubes lie at z = 0 with their
// middle on the boom, the legs hang down from their ends. Seen as in the
// main window's drawing (from the front, above and to the left), the left
// corner of an element is its end at negative y.
struct Point {
  double x = 0, y = 0, z = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

// One straight wire of the model.
struct Wire {
  int tag = 0;       // NEC's wire number, from 1
  int segments = 0;  // how many pieces NEC cuts it into
  Point from, to;
  double length() const;
};

// One element: its sizes as the calculator gives them, and its wires,
// which run as one path: up the left leg, along the tube, down the right
// leg. Neighbouring wires share their end point exactly.
struct Element {
  std::string name;         // "Reflector", "Driven element", "D1", ...
  float horizontal = 0;     // inches, the tube from corner to corner
  float vertical = 0;       // inches, each leg
  float spacing = 0;        // inches along the boom from the element before; 0 for the reflector
  std::string spacingName;  // which spacing that is, as the window names it
  Wire leftLeg, tube, rightLeg;
};

struct Model {
  float frequencyMHz = 0;
  double wavelength = 0;      // metres, in free space
  double tubeDiameterMm = 0;  // the same for tubes and legs
  std::vector<Element> elements;
  // The voltage source: the segment of the driven element's tube that
  // starts at its left corner, where the feed insulator is.
  int sourceTag = 0;
  int sourceSegment = 0;
  // How much longer than calculated every leg is (the trim), in mm.
  double legChangeMm = 0;

  double radius() const { return tubeDiameterMm / 2000; }  // metres
  std::vector<Wire> wires() const;
};

// Why no model was made.
enum class Problem {
  None,
  Diameter,     // not a number, zero or negative, or too thick or thin to model
  Elements,     // not from kFewestElements to kMostElements
  Frequency,    // calculated, but outside 1 MHz to 30 GHz (FrequencyRefusal)
  Calculation,  // the calculation failed (see Outcome::error)
};

struct Outcome {
  std::optional<Model> model;
  Problem problem = Problem::None;
  std::string message;                // what is wrong, in a sentence for the user
  std::optional<RunTimeError> error;  // the run-time error "INCHES" reports for this frequency
};

// The model for `tubeDiameterMm` (without one, DefaultTubeDiameterMm) and
// `elements` at a frequency, calculated in inches as "INCHES" calculates it:
// from a text read as the frequency box reads it, or from a frequency already
// read (the last calculation's). Every wire is cut into pieces of at most a
// twentieth of a wavelength; a tube so thick that such pieces would be
// shorter than four times its radius is refused, since NEC's thin-wire model
// then gives wrong results, and so is one thinner than a millionth of a
// wavelength. The diameter and the count are checked before
// the frequency.
Outcome BuildModel(std::string_view frequencyText, std::optional<double> tubeDiameterMm, int elements);
Outcome BuildModel(float frequencyMHz, std::optional<double> tubeDiameterMm, int elements);

// A tube diameter that suits the frequency: 6 mm at 146 MHz, scaled with the
// wavelength and given to three significant digits, as a user would type it.
double DefaultTubeDiameterMm(double frequencyMHz);

}  // namespace quill::nec
