#include "calc/workshop.h"

#include <algorithm>
#include <functional>

#include "calc/elements.h"

namespace quill {
namespace {

constexpr double kBoomEndInches = 2;
constexpr double kBoomEndCm = 5;  // the plan in inches keeps its 2 in in both columns
constexpr double kCmPerMetre = 100;
constexpr double kInchesPerFoot = 12;
constexpr int kCornersPerElement = 2;

// One stock length being filled: which length, and what is cut from it.
struct Bin {
  double used = 0;
};

}  // namespace

double BoomEnd(Unit unit) { return unit == Unit::Inches ? kBoomEndInches : kBoomEndCm; }

Boom PlanBoom(const Assembly& assembly, double end) {
  Boom boom;
  boom.end = end;
  for (const BoomMark& mark : assembly.boom) boom.marks.push_back(end + mark.position);
  boom.cut = assembly.boomLength + 2 * end;
  // Moments about the boom's end, each length weighing alike.
  double weight = boom.cut, moment = boom.cut * boom.cut / 2;
  for (std::size_t i = 0; i < boom.marks.size(); ++i) {
    const ElementSize& size = SizeOf(int(i));
    double element = 0;
    for (const Piece& piece : assembly.pieces) {
      if (piece.box == size.horizontal) element += piece.cut;
      if (piece.box == size.vertical) element += 2 * piece.cut;
    }
    weight += element;
    moment += element * boom.marks[i];
  }
  boom.mastPoint = moment / weight;
  return boom;
}

const std::vector<StockLength>& StockLengths(Unit unit) {
  static const std::vector<StockLength> metric{
      {1 * kCmPerMetre, "1 m"}, {2 * kCmPerMetre, "2 m"}, {3 * kCmPerMetre, "3 m"}};
  static const std::vector<StockLength> imperial{
      {6 * kInchesPerFoot, "6 ft"}, {8 * kInchesPerFoot, "8 ft"}, {12 * kInchesPerFoot, "12 ft"}};
  return unit == Unit::Inches ? imperial : metric;
}

Purchase BuyStock(std::vector<double> pieces, Unit unit) {
  Purchase out;
  const std::vector<StockLength>& stock = StockLengths(unit);
  const double longest = stock.back().length;
  // First fit, longest piece first, into the longest stock.
  std::sort(pieces.begin(), pieces.end(), std::greater<>());
  std::vector<Bin> bins;
  for (const double piece : pieces) {
    out.cutTotal += piece;
    if (piece > longest) {
      out.longer.push_back(piece);
      continue;
    }
    auto bin =
        std::find_if(bins.begin(), bins.end(), [&](const Bin& b) { return b.used + piece <= longest; });
    if (bin == bins.end()) bin = bins.insert(bins.end(), Bin{});
    bin->used += piece;
  }
  // Each then as short as still holds what is cut from it.
  std::vector<int> counts(stock.size(), 0);
  for (const Bin& bin : bins) {
    const auto fits =
        std::find_if(stock.begin(), stock.end(), [&](const StockLength& s) { return bin.used <= s.length; });
    ++counts[std::size_t(fits - stock.begin())];
  }
  for (std::size_t i = stock.size(); i-- > 0;) {
    if (counts[i]) out.lengths.emplace_back(stock[i], counts[i]);
  }
  return out;
}

std::vector<double> CutLengths(const Assembly& assembly, bool legs) {
  std::vector<double> out;
  for (const Piece& piece : assembly.pieces) {
    if (piece.leg == legs) out.insert(out.end(), std::size_t(piece.count), piece.cut);
  }
  return out;
}

Hardware HardwareFor(int elements) { return {kCornersPerElement * elements + 1, 1, elements}; }

}  // namespace quill
