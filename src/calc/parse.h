#pragma once

#include <string_view>

namespace quill {

// Reads the number at the start of a text the way the frequency box is read:
// blanks (space, tab, CR, LF) are skipped anywhere, an optional sign, digits
// with "." as the decimal point whatever the locale, and an optional exponent
// ("e" or "E", optional sign, digits). Where the user's locale writes decimals
// with another point (the "," of German or French), `localeDecimalPoint`
// names it, and it is read as a decimal point too, so that a value the boxes
// show can be typed back as shown. The default reads only ".". The first character that cannot
// continue the number ends it; a text without a leading number gives 0.
// A number beyond the range of double gives +/-infinity, one too small for it
// gives +/-0.
double ParseLeadingNumber(std::string_view text, std::string_view localeDecimalPoint = ".");

}  // namespace quill
