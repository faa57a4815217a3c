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

// A name and its value, or a heading (no value).
struct TextRow {
  std::string name;
  std::string value;
};

constexpr char kIndent[] = "  ";
constexpr char kBoomEnds[] = "(add the boom ends for the clamps)";

// One line per row, the names padded so that the values line up at their
// decimal separators in a monospace font.
std::string alignedRows(const std::vector<TextRow>& rows, std::string_view separator) {
  std::size_t nameWidth = 0, integers = 0;
  for (const TextRow& row : rows) {
    if (row.value.empty()) continue;
    nameWidth = std::max(nameWidth, row.name.size());
    integers = std::max(integers, integerWidth(row.value, separator));
  }
  std::string out;
  for (const TextRow& row : rows) {
    out += row.name;
    if (!row.value.empty()) {
      out.append(nameWidth - row.name.size() + kColumnGap + integers - integerWidth(row.value, separator),
                 ' ');
      out += row.value;
    }
    out += '\n';
  }
  return out;
}

// A sum worked out in double precision, as JSON: its seven significant
// digits (the exponent form is JSON's too).
std::string jsonSum(double value) {
  if (!std::isfinite(value)) return "null";
  return FormatSignificant(value);
}

}  // namespace

std::string_view UnitSymbol(Unit unit) { return unit == Unit::Inches ? "in" : "cm"; }
std::string_view UnitWord(Unit unit) { return unit == Unit::Inches ? "inches" : "centimetres"; }

ResultList ListResults(const DesignValues& record, Unit unit, const Calculation& calculation,
                       const DimensionNames& names, std::string_view decimalSeparator, int elements,
                       std::optional<EndAllowance> allowance) {
  const BoxValues values = ValuesOf(calculation);
  const BoxTexts texts = FormatResults(calculation, decimalSeparator);
  ResultList list{FormatDimension(record.FrequencyMHz, decimalSeparator),
                  record.FrequencyMHz,
                  unit,
                  {},
                  Assemble(values, elements, allowance.value_or(DefaultAllowance(unit)).in(unit))};
  for (const Dimension& dimension : ListedDimensions()) {
    const auto box = static_cast<std::size_t>(dimension.box);
    list.lines.push_back({dimension.key, names[box], texts[box], values[box]});
  }
  return list;
}

std::string ResultsAsText(const ResultList& list, std::string_view decimalSeparator) {
  std::vector<TextRow> rows;
  for (const ResultLine& line : list.lines) rows.push_back({line.name, line.text});
  std::string out = "Quillbeam for " + list.frequency + " MHz, in " + std::string(UnitWord(list.unit)) + "\n";
  out += alignedRows(rows, decimalSeparator);
  if (list.assembly.elements == 0) return out;

  const Assembly& assembly = list.assembly;
  const auto sum = [&](double value) { return FormatSignificant(value, decimalSeparator); };
  rows = {{"Elements", std::to_string(assembly.elements)}, {"Boom positions from the reflector:", ""}};
  for (const BoomMark& mark : assembly.boom) rows.push_back({kIndent + mark.name, sum(mark.position)});
  rows.push_back({"Boom length", sum(assembly.boomLength)});
  rows.push_back({kIndent + std::string(kBoomEnds), ""});
  rows.push_back({"Allowance past each bolt", sum(assembly.allowance)});
  rows.push_back({"Pieces, bolt centre to bolt centre:", ""});
  for (const Piece& piece : assembly.pieces) {
    rows.push_back({kIndent + std::to_string(piece.count) + " x " + piece.name,
                    FormatDimension(piece.length, decimalSeparator)});
  }
  rows.push_back({"Pieces to cut (tubes: an allowance at each end; legs: at the top):", ""});
  for (const Piece& piece : assembly.pieces)
    rows.push_back({kIndent + std::to_string(piece.count) + " x " + piece.name, sum(piece.cut)});
  rows.push_back({"Tube stock in all", sum(assembly.tubeTotal)});
  rows.push_back({"Leg stock in all", sum(assembly.legTotal)});
  rows.push_back({kIndent + std::string("(cut lengths, without the saw kerf)"), ""});
  return out + "\n" + alignedRows(rows, decimalSeparator);
}

std::string ResultsAsCsv(const ResultList& list) {
  std::string out = "key,name,value,unit\n";
  const std::string unit(UnitSymbol(list.unit));
  for (const ResultLine& line : list.lines) {
    out += csvField(line.key) + ',' + csvField(line.name) + ',' + csvField(line.text) + ',' + unit + '\n';
  }
  const Assembly& assembly = list.assembly;
  if (assembly.elements == 0) return out;
  const auto row = [&out](const std::string& key, const std::string& name, const std::string& value,
                          std::string_view unit) {
    out += csvField(key) + ',' + csvField(name) + ',' + csvField(value) + ',' + std::string(unit) + '\n';
  };
  row("elements", "Number of elements", std::to_string(assembly.elements), "");
  for (const BoomMark& mark : assembly.boom)
    row("boom_" + mark.key, mark.name + " position", FormatSignificant(mark.position), unit);
  row("boom_length", "Boom length", FormatSignificant(assembly.boomLength), unit);
  row("allowance", "Allowance past each bolt", FormatSignificant(assembly.allowance), unit);
  for (const Piece& piece : assembly.pieces) {
    row(piece.key + "_count", piece.name + " count", std::to_string(piece.count), "");
    row(piece.key, piece.name + " length", FormatDimension(piece.length), unit);
    row(piece.key + "_cut", piece.name + " cut length", FormatSignificant(piece.cut), unit);
  }
  row("tube_total", "Tube stock in all", FormatSignificant(assembly.tubeTotal), unit);
  row("leg_total", "Leg stock in all", FormatSignificant(assembly.legTotal), unit);
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
  out += "\n]";
  const Assembly& assembly = list.assembly;
  if (assembly.elements == 0) return out + "}\n";
  out += ",\n\"elements\": " + std::to_string(assembly.elements) + ", \"boom\": [";
  for (std::size_t i = 0; i < assembly.boom.size(); ++i) {
    out += i ? ",\n  " : "\n  ";
    out += "{\"element\": " + jsonString(assembly.boom[i].key) +
           ", \"position\": " + jsonSum(assembly.boom[i].position) + "}";
  }
  out += "\n],\n\"boom_length\": " + jsonSum(assembly.boomLength) +
         ", \"allowance\": " + jsonSum(assembly.allowance) + ", \"pieces\": [";
  for (std::size_t i = 0; i < assembly.pieces.size(); ++i) {
    const Piece& piece = assembly.pieces[i];
    out += i ? ",\n  " : "\n  ";
    out += "{\"key\": " + jsonString(piece.key) + ", \"count\": " + std::to_string(piece.count) +
           ", \"length\": " + jsonNumber(piece.length) + ", \"centre_length\": " + jsonNumber(piece.length) +
           ", \"cut_length\": " + jsonSum(piece.cut) + "}";
  }
  return out + "\n],\n\"tube_total\": " + jsonSum(assembly.tubeTotal) +
         ", \"leg_total\": " + jsonSum(assembly.legTotal) + "}\n";
}

}  // namespace quill
