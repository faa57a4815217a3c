#include "ui/main/elementcount.h"

#include "calc/necmodel.h"

namespace quill::ui {
namespace {

int& sessionElements() {
  static int count = nec::kFewestElements;
  return count;
}

}  // namespace

int SessionElements() { return sessionElements(); }

void SetSessionElements(int count) {
  if (count >= nec::kFewestElements && count <= nec::kMostElements) sessionElements() = count;
}

}  // namespace quill::ui
