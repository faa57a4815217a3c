#pragma once

// The words of an analyser's text file, for the Touchstone reader: blanks
// (tabs and CR among them), case-insensitive keywords, and numbers as C's
// printf writes them, read the same whatever the locale.

#include <string>
#include <string_view>

namespace quill::touchstone {

// ASCII case-insensitive equality.
bool Same(std::string_view a, std::string_view b);
// Without its leading and trailing blanks.
std::string_view Trimmed(std::string_view text);
// Cuts the first blank-separated word off `text`; empty when none is left.
std::string_view NextWord(std::string_view& text);
// A word as it may be shown on a terminal: printable ASCII only, cut short.
std::string Shown(std::string_view word);
// The same in double quotes.
std::string Quoted(std::string_view word);

// Reads a whole word as a finite number ([+-]digits[.digits][e[+-]digits]).
// Empty on success, else what is wrong with it: a word where a number
// belongs, NaN or infinity, out of range, or a decimal comma.
std::string ReadNumber(std::string_view word, double& value);
bool IsNumber(std::string_view word);
// Whether a word starts as a number does, right or wrong, rather than as text.
bool LooksNumeric(std::string_view word);

}  // namespace quill::touchstone
