#include "ui/main/dimension_names.h"

#include "ui/main/form1_design.h"

namespace quill::ui::form1 {

const DimensionNames& dimensionNames() {
  static const DimensionNames names = [] {
    DimensionNames out;
    for (const Row& row : controls()) {
      if (row.shows) out[static_cast<std::size_t>(*row.shows)] = row.design.accessibleName;
    }
    return out;
  }();
  return names;
}

}  // namespace quill::ui::form1
