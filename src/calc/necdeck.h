#pragma once

// The NEC-2 card deck of a model: what nec2c (nec2c -iBEAM.nec -oBEAM.out),
// xnec2c and the Windows modellers read. One card a line, its fields apart by
// blanks; numbers in the shortest form that reads back as the same double, so
// that the deck holds exactly the model's coordinates.

#include <string>
#include <string_view>
#include <vector>

#include "calc/necmodel.h"

namespace quill::nec {

// How many frequencies the deck's sweep has: an odd number, so that the
// middle one is the design frequency.
inline constexpr int kSweepFrequencies = 41;
// The widest card image that every NEC-2 reader takes.
inline constexpr std::size_t kCardColumns = 80;

// The frequencies of the sweep in MHz, in rising order, as nec2c steps
// through them: from 5 % below to 5 % above the model's frequency in 0.25 %
// steps.
std::vector<double> SweepFrequencies(const Model& model);

// The whole deck, in cards of at most kCardColumns: comment cards (CM) that
// say what the model is and leaves out, CE, one GW card per wire in
// millimetres, GS scaling them to metres, GE (free space), PT -1 (no current tables
// in the output), the voltage source (EX), the sweep of SweepFrequencies
// (FR), the pattern in the horizontal plane (RP) and EN. `program` names the
// program and its version.
std::string Deck(const Model& model, std::string_view program);

// Ways in which a deck would make nec2c stop or run without a word and
// without results, or with wrong ones: no CE card ending the comments, a
// wire of no length or no radius, segments shorter than four times the
// wire's radius, a source on a wire or segment that does not exist, no RP
// card (nec2c then computes nothing), no GE or EN card, a card wider than
// kCardColumns (nec2c cuts long lines and stops). Returns the first
// fault found, or an empty text for a deck that is safe to run.
std::string DeckFault(std::string_view deck);

}  // namespace quill::nec
