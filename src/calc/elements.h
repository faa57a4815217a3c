#pragma once

// The antenna's elements and the result boxes that size them: the one table
// that the listings, the pieces to cut, the boom marks and the NEC model all
// read. An antenna has a reflector, a driven element and D1, as drawn; a 4th
// element is D2, and every further one a D3-to-Dn director, which all share
// one size and the "all additional" spacing.

#include <array>
#include <string>
#include <string_view>

#include "calc/design.h"

namespace quill {

inline constexpr int kFewestElements = 3;
inline constexpr int kMostElements = 10;

// One size of element: the boxes of its tube and of each of its legs, and
// the boom spacing in front of it (none for the reflector).
struct ElementSize {
  std::string_view key;   // "reflector", "driven", "d1", "d2", "d3_dn"
  std::string_view name;  // "Reflector", "Driven element", "D1", "D2", "D3 to Dn"
  ResultBox horizontal, vertical;
  std::string_view spacingKey;   // "reflector_driven", ...; empty for the reflector
  std::string_view spacingName;  // "Reflector to driven element", ...; for D3 to Dn see SpacingName
  ResultBox spacing;
};

inline constexpr std::array<ElementSize, 5> kElementSizes{{
    {"reflector", "Reflector", ResultBox::Text4, ResultBox::Text9, "", "", ResultBox::Text5},
    {"driven", "Driven element", ResultBox::Text6, ResultBox::Text10, "reflector_driven",
     "Reflector to driven element", ResultBox::Text5},
    {"d1", "D1", ResultBox::Text8, ResultBox::Text11, "driven_d1", "Driven element to D1", ResultBox::Text7},
    {"d2", "D2", ResultBox::Text17, ResultBox::Text21, "d1_d2", "D1 to D2", ResultBox::Text12},
    {"d3_dn", "D3 to Dn", ResultBox::Text19, ResultBox::Text23, "directors", "", ResultBox::Text14},
}};

// The size of the element at `index` along the boom (0: the reflector).
const ElementSize& SizeOf(int index);
// How many elements of kElementSizes[size] an antenna of `elements` has.
int CountOfSize(std::size_t size, int elements);
// The element at `index` by itself: "reflector", "driven", "d1" ... "d8";
// "Reflector", "Driven element", "D1" ...
std::string ElementKey(int index);
std::string ElementName(int index);
// The spacing in front of the element at `index` (from 1): "D2 to D3" for
// the 5th.
std::string SpacingName(int index);

// One dimension of the listings: its fixed key and the box that shows it.
struct Dimension {
  std::string key;
  ResultBox box;
};

// Every listing names the dimensions in this order: each element size's tube
// then legs ("reflector_horizontal", "reflector_vertical", ...), then the
// spacings from the rear of the boom forward ("spacing_reflector_driven",
// ...). The keys never change: scripts read them.
const std::array<Dimension, kResultBoxCount>& ListedDimensions();

// How many elements the builder is making: one count for the plan, the
// copied results, the NEC export and the model window, kept for as long as
// the program runs. It starts at kFewestElements; wherever the user changes
// it, the others follow. A count outside kFewestElements to kMostElements is
// ignored: callers refuse such counts before they get here.
int SessionElements();
void SetSessionElements(int count);

}  // namespace quill
