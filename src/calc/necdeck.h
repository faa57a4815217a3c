#pragma once

// The NEC-2 card deck of a model: what nec2c (nec2c -iBEAM.nec -oBEAM.out),
// xnec2c and the Windows modellers read. One card a line, its fields apart by
// blanks; numbers in the shortest form that reads back as the same double, so
// that the deck holds exactly the model's coordinates.

#include <string>
#include <string_view>

#include "calc/necmodel.h"

namespace quill::nec {

// The whole deck: comment cards (CM) that say what the model is and leaves
// out, CE, one GW card per wire, GE (free space), the voltage source (EX),
// a sweep from 3 % below to 3 % above the frequency (FR), the pattern in the
// horizontal plane (RP) and EN. `program` names the program and its version.
std::string Deck(const Model& model, std::string_view program);

// Ways in which a deck would make nec2c stop or run without a word and
// without results, or with wrong ones: no CE card ending the comments, a
// wire of no length or no radius, segments shorter than four times the
// wire's radius, a source on a wire or segment that does not exist, no RP
// card (nec2c then computes nothing), no GE or EN card. Returns the first
// fault found, or an empty text for a deck that is safe to run.
std::string DeckFault(std::string_view deck);

}  // namespace quill::nec
