#include <QResource>

#include "ui/common/picturebox.h"
#include "ui/main/form1_design.h"

// The drawing as src/ui/tools/render_drawing drew it at build time. The
// bitmaps are resources stored uncompressed (src/ui/CMakeLists.txt):
// uncompressedData() then hands out the program's own read-only bytes,
// neither copied nor decoded. The text is a table the build wrote
// (QUILL_ANTENNA_TEXT).

namespace quill::ui::form1 {
namespace {
const unsigned char* bytes(const QByteArray& data) {
  return reinterpret_cast<const unsigned char*>(data.data());
}
}  // namespace

std::span<const unsigned char* const> drawingBitmaps() {
  static const QByteArray ratio1 = QResource(QStringLiteral(":/ui/main/antenna_1x.gray")).uncompressedData();
  static const QByteArray ratio2 = QResource(QStringLiteral(":/ui/main/antenna_2x.gray")).uncompressedData();
  static const unsigned char* const bitmaps[] = {bytes(ratio1), bytes(ratio2)};
  return bitmaps;
}

std::span<const DrawingText> drawingText() {
  static constexpr DrawingText texts[] = {
#include QUILL_ANTENNA_TEXT
  };
  return texts;
}

QSize drawingPixels() { return BitmapDrawingSize(drawingBitmaps().front()); }

}  // namespace quill::ui::form1
