#pragma once

// The worked examples of the calculation that several tests check: the texts
// of all fourteen boxes for 144 MHz, in the order the boxes are written.

#include <array>

#include "calc/design.h"

namespace quill::test {

struct BoxText {
  ResultBox box;
  const char* text;
};
using AllBoxes = std::array<BoxText, kResultBoxCount>;

inline constexpr char k144[] = "144";

// Spacings (Text5, Text7, Text12, Text14), reflector, driven element, D1, D2,
// D3 to Dn; horizontal before vertical.
inline constexpr AllBoxes k144Inches{{
    {ResultBox::Text5, "20.5"},
    {ResultBox::Text7, "12.3"},
    {ResultBox::Text12, "16.4"},
    {ResultBox::Text14, "20.5"},
    {ResultBox::Text4, "43.16667"},
    {ResultBox::Text9, "21.58333"},
    {ResultBox::Text6, "41.04167"},
    {ResultBox::Text10, "20.52083"},
    {ResultBox::Text8, "36.125"},
    {ResultBox::Text11, "18.0625"},
    {ResultBox::Text17, "35.97917"},
    {ResultBox::Text21, "17.98958"},
    {ResultBox::Text19, "35.83333"},
    {ResultBox::Text23, "17.91667"},
}};

inline constexpr AllBoxes k144Centimetres{{
    {ResultBox::Text5, "52.07"},
    {ResultBox::Text7, "31.242"},
    {ResultBox::Text12, "41.656"},
    {ResultBox::Text14, "52.07"},
    {ResultBox::Text4, "109.6433"},
    {ResultBox::Text9, "54.82167"},
    {ResultBox::Text6, "104.2458"},
    {ResultBox::Text10, "52.12292"},
    {ResultBox::Text8, "91.7575"},
    {ResultBox::Text11, "45.87875"},
    {ResultBox::Text17, "91.38708"},
    {ResultBox::Text21, "45.69354"},
    {ResultBox::Text19, "91.01667"},
    {ResultBox::Text23, "45.50834"},
}};

// What `box` shows in one of the examples.
constexpr const char* Shown(const AllBoxes& example, ResultBox box) {
  for (const BoxText& shown : example) {
    if (shown.box == box) return shown.text;
  }
  return nullptr;
}

}  // namespace quill::test
