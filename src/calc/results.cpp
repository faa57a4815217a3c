#include "calc/results.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/format.h"

namespace quill {
namespace {

// Between the longest name and its value in the text block.
constexpr std::size_t kColumnGap = 2;

// Where a value's integer part ends: its decimal separator, else its
// exponent, else its end.
std::size_t integerWidth(std::string_view text, std::string_view separator) {
  std::size_t end = separator.empty() ? std::string_view::npos : text.find(separator);
  if (end == std::string_view::npos) end = text.find('E');
  return end == std::string_view::npos ? text.size() : end;
}

// The shortest decimal text that reads back to the same float; JSON has no
// infinity or NaN, so those are null.
std::string jsonNumber(float value) {
  if (!std::isfinite(value)) return "null";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string jsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      constexpr char kHex[] = "0123456789abcdef";
      out += "\\u00";
      out += kHex[(c >> 4) & 0xf];
      out += kHex[c & 0xf];
    } else {
      out += c;
    }
  }
  return out + '"';
}

// A CSV field, quoted only where it has to be.
std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  return out + '"';
}

}  // namespace

std::string_view UnitSymbol(Unit unit) { return unit == Unit::Inches ? "in" : "cm"; }
std::string_view UnitWord(Unit unit) { return unit == Unit::Inches ? "inches" : "centimetres"; }

ResultList ListResults(const DesignValues& record, Unit unit, const Calculation& calculation,
                       const DimensionNames& names, std::string_view decimalSeparator) {
  ResultList list{FormatDimension(record.FrequencyMHz, decimalSeparator), record.FrequencyMHz, unit, {}};
  std::array<float, kResultBoxCount> values{};
  for (const BoxWrite& write : calculation) values[static_cast<std::size_t>(write.box)] = write.value;
  const BoxTexts texts = FormatResults(calculation, decimalSeparator);
  for (const Dimension& dimension : kDimensions) {
    const auto box = static_cast<std::size_t>(dimension.box);
    list.lines.push_back({dimension.key, names[box], texts[box], values[box]});
  }
  return list;
}

std::string ResultsAsText(const ResultList& list, std::string_view decimalSeparator) {
  std::size_t nameWidth = 0, integers = 0;
  for (const ResultLine& line : list.lines) {
    nameWidth = std::max(nameWidth, line.name.size());
    integers = std::max(integers, integerWidth(line.text, decimalSeparator));
  }
  std::string out = "Quillbeam for " + list.frequency + " MHz, in " + std::string(UnitWord(list.unit)) + "\n";
  for (const ResultLine& line : list.lines) {
    out += line.name;
    out.append(
        nameWidth - line.name.size() + kColumnGap + integers - integerWidth(line.text, decimalSeparator),
        ' ');
    out += line.text;
    out += '\n';
  }
  return out;
}

std::string ResultsAsCsv(const ResultList& list) {
  std::string out = "key,name,value,unit\n";
  const std::string unit(UnitSymbol(list.unit));
  for (const ResultLine& line : list.lines) {
    out += csvField(line.key) + ',' + csvField(line.name) + ',' + csvField(line.text) + ',' + unit + '\n';
  }
  return out;
}

std::string ResultsAsJson(const ResultList& list) {
  std::string out = "{\"frequency_mhz\": " + jsonNumber(list.frequencyMHz) +
                    ", \"unit\": " + jsonString(UnitSymbol(list.unit)) + ", \"dimensions\": [";
  for (std::size_t i = 0; i < list.lines.size(); ++i) {
    const ResultLine& line = list.lines[i];
    out += i ? ",\n  " : "\n  ";
    out += "{\"key\": " + jsonString(line.key) + ", \"name\": " + jsonString(line.name) +
           ", \"text\": " + jsonString(line.text) + ", \"value\": " + jsonNumber(line.value) + "}";
  }
  return out + "\n]}\n";
}

}  // namespace quill
