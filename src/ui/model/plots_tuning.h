#pragma once

// What the trim and the measurement add to the plots against frequency: an
// analyser's sweep over the model's, and the band that the cutting spread
// spans under the SWR curve.

#include <QString>
#include <vector>

#include "calc/necresults.h"
#include "calc/spread.h"
#include "ui/model/plots_draw.h"

namespace quill::ui::plots {

// The measurement's own colour: 3:1 or more against white and against the
// dark bases of GNOME's and Adwaita's dark looks, and unlike the model's two.
constexpr QRgb kMeasuredColour = qRgb(0xc0, 0x61, 0xcb);
// The spread's band: the curve's colour, faint enough that the grid and the
// curves show through it.
constexpr double kBandOpacity = 0.25;

// The band between each step's lowest and highest SWR of the copies.
void DrawSwrBand(QPainter& painter, const FrequencyFrame& frame, const std::vector<nec::BandPoint>& band);
// The measured SWR, its lowest point marked, and a legend naming the model
// and the file at the bottom left of the plot.
void DrawMeasuredSwr(QPainter& painter, const FrequencyFrame& frame,
                     const std::vector<nec::SweepPoint>& measured, const QString& name, const Inks& inks);
// The measured R and X, dashed in the model's colours, and a note saying so.
void DrawMeasuredImpedance(QPainter& painter, const ImpedanceFrame& frame,
                           const std::vector<nec::SweepPoint>& measured, const QString& name,
                           const Inks& inks);

}  // namespace quill::ui::plots
