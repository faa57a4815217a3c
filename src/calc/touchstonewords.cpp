#include "calc/touchstonewords.h"

#include <charconv>
#include <cmath>

namespace quill::touchstone {
namespace {

constexpr std::string_view kBlanks = " \t\r\f\v";
// A word shown in a problem is cut to this many characters.
constexpr std::size_t kMostShown = 24;

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

// Whether from_chars reads all of `text` as a number; `error` says whether
// it is in range.
bool readsWhole(std::string_view text, double& value, std::errc& error) {
  const char* end = text.data() + text.size();
  const auto result = std::from_chars(text.data(), end, value);
  error = result.ec;
  return result.ec != std::errc::invalid_argument && result.ptr == end;
}

}  // namespace

bool Same(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return {};
  return text.substr(start, text.find_last_not_of(kBlanks) - start + 1);
}

std::string_view NextWord(std::string_view& text) {
  const std::size_t start = text.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return text = {};
  std::size_t end = text.find_first_of(kBlanks, start);
  if (end == std::string_view::npos) end = text.size();
  const std::string_view word = text.substr(start, end - start);
  text.remove_prefix(end);
  return word;
}

std::string Shown(std::string_view word) {
  std::string out;
  for (std::size_t i = 0; i < word.size() && i < kMostShown; ++i) {
    out += word[i] >= ' ' && word[i] < 0x7f ? word[i] : '?';
  }
  return word.size() > kMostShown ? out + "..." : out;
}

std::string Quoted(std::string_view word) { return "\"" + Shown(word) + "\""; }

std::string ReadNumber(std::string_view word, double& value) {
  std::string_view digits = word;
  // from_chars takes no '+', which printf's "%+f" writes.
  if (digits.size() > 1 && digits[0] == '+' && digits[1] != '-' && digits[1] != '+') digits.remove_prefix(1);
  std::errc error{};
  if (readsWhole(digits, value, error)) {
    if (error == std::errc::result_out_of_range) return Quoted(word) + " is out of range";
    if (!std::isfinite(value)) return Quoted(word) + " where a finite number belongs";
    return {};
  }
  std::string dotted(digits);
  for (char& c : dotted) c = c == ',' ? '.' : c;
  double ignored = 0;
  if (dotted != digits && readsWhole(dotted, ignored, error) && error == std::errc())
    return Quoted(word) + " uses a decimal comma; Touchstone numbers take a point";
  return Quoted(word) + " where a number belongs";
}

bool IsNumber(std::string_view word) {
  double ignored = 0;
  return ReadNumber(word, ignored).empty();
}

bool LooksNumeric(std::string_view word) {
  return !word.empty() &&
         ((word[0] >= '0' && word[0] <= '9') || word[0] == '.' || word[0] == '+' || word[0] == '-');
}

}  // namespace quill::touchstone
