#include "calc/elements.h"

#include <algorithm>

namespace quill {
namespace {

// Where D2 and the shared D3-to-Dn size stand in kElementSizes.
constexpr std::size_t kD2 = 3;
constexpr std::size_t kFurther = 4;

}  // namespace

const ElementSize& SizeOf(int index) {
  return kElementSizes[std::min<std::size_t>(std::size_t(std::max(index, 0)), kFurther)];
}

int CountOfSize(std::size_t size, int elements) {
  if (size < kD2) return 1;
  if (size == kD2) return elements > int(kD2) ? 1 : 0;
  return std::max(elements - int(kFurther), 0);
}

std::string ElementKey(int index) {
  return index < int(kFurther) ? std::string(SizeOf(index).key) : "d" + std::to_string(index - 1);
}

std::string ElementName(int index) {
  return index < int(kFurther) ? std::string(SizeOf(index).name) : "D" + std::to_string(index - 1);
}

std::string SpacingName(int index) {
  if (index < int(kFurther)) return std::string(SizeOf(index).spacingName);
  return ElementName(index - 1) + " to " + ElementName(index);
}

const std::array<Dimension, kResultBoxCount>& ListedDimensions() {
  static const std::array<Dimension, kResultBoxCount> dimensions = [] {
    std::array<Dimension, kResultBoxCount> out;
    std::size_t i = 0;
    for (const ElementSize& size : kElementSizes) {
      out[i++] = {std::string(size.key) + "_horizontal", size.horizontal};
      out[i++] = {std::string(size.key) + "_vertical", size.vertical};
    }
    for (const ElementSize& size : kElementSizes) {
      if (!size.spacingKey.empty()) out[i++] = {"spacing_" + std::string(size.spacingKey), size.spacing};
    }
    return out;
  }();
  return dimensions;
}

namespace {
int& sessionElements() {
  static int count = kFewestElements;
  return count;
}
}  // namespace

int SessionElements() { return sessionElements(); }

void SetSessionElements(int count) {
  if (count >= kFewestElements && count <= kMostElements) sessionElements() = count;
}

}  // namespace quill
