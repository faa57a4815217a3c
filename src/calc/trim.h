#pragma once

// The trim: one length by which to lengthen (or shorten) every leg, the same
// for all, so that the model's lowest SWR falls on the design frequency. It
// is found by running nec2c on trimmed models (io/tuning.h); this part
// makes the models and chooses which lengths to try next.

#include <optional>
#include <string>
#include <vector>

#include "calc/necmodel.h"
#include "calc/necresults.h"

namespace quill::nec {

// `model` with every leg's free end moved down by `legChangeMm` (up, when
// negative); its tube and its joints stay where they are. A leg that grows
// gets more segments where it needs them to keep each within a twentieth of
// a wavelength. The deck's comments give the change.
Model WithLegsChanged(const Model& model, double legChangeMm);

// The most a trim may change a leg by: a quarter of the shortest leg.
double TrimRangeMm(const Model& model);

// The lowest SWR between the sweep's steps: a parabola through the
// reflection's squared magnitude at the lowest sweep point and its two
// neighbours. At either end of the sweep, that end's point.
struct Lowest {
  double frequencyMHz = 0;
  double swr = 0;
};
Lowest LowestBetweenSteps(const Results& results);

// One trimmed model that nec2c ran.
struct TrimProbe {
  double legChangeMm = 0;
  Results results;
};

// What to do next, from the probes run so far (the first the model as
// calculated, a change of 0): run the changes in `run`, or stop with the
// probe found (an index into the probes), or stop without one.
struct TrimStep {
  std::vector<double> run;
  std::optional<std::size_t> found;
  bool hopeless = false;  // no change within TrimRangeMm brings the lowest SWR to the frequency
};
// `lanes` is how many runs go at once: the first step tries that many
// changes around an estimate, the later ones one change each.
TrimStep NextTrimStep(const Model& model, const std::vector<TrimProbe>& probes, int lanes);

// How far the lowest SWR moves per mm of leg, as a ratio of frequencies per
// mm (negative: longer legs lower it), from the probes run; nullopt with
// fewer than two distinct changes.
std::optional<double> TrimSensitivity(const std::vector<TrimProbe>& probes);

// The leg change that would move a lowest SWR measured at `measuredMHz` to
// the design frequency, at `sensitivity` (TrimSensitivity).
double MeasuredTrimMm(double measuredMHz, double designMHz, double sensitivity);

// The trim the program advises.
struct TrimAnswer {
  bool fromMeasurement = false;  // else from the model
  bool found = false;
  double fromMHz = 0;                    // the lowest SWR before the trim: the model's, or the measured one
  double toMHz = 0;                      // the design frequency
  double legChangeMm = 0;                // positive: longer
  double fromSwr = 0;                    // the measured lowest SWR
  std::optional<Results> before, after;  // the model as calculated and trimmed (from the model)
  std::string refusal;                   // one sentence, when not found
};

// The answer from the probes that NextTrimStep stopped at (`last`); from
// the model.
TrimAnswer ModelTrim(const Model& model, const std::vector<TrimProbe>& probes, const TrimStep& last);
// The trim that moves the measured lowest SWR (`lowestMHz`, `lowestSwr`) to
// the design frequency, at the model's sensitivity from the probes; refused
// when the measurement has no dip inside its range (`dipInside`), or the
// change would be past TrimRangeMm.
TrimAnswer MeasurementTrim(const Model& model, const std::vector<TrimProbe>& probes, double lowestMHz,
                           double lowestSwr, bool dipInside);

// A leg change in inches, to the nearest sixteenth.
double SixteenthsOfInch(double mm);

}  // namespace quill::nec
