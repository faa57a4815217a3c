#pragma once

// What only later actions need, kept out of start-up: SVG drawings (the
// notes window's pictures, the plan's drawing, a drawing at a screen ratio
// the build drew no bitmap for) and printing. They live in a module of their
// own, quillcalc-ondemand.so, which links Qt Svg and Qt PrintSupport and is
// opened the first time one of them is asked for, so that the main window
// starts without mapping and relocating those two libraries.

#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

class QMarginsF;
class QPageSize;
class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace quill::ui {

// A drawing read from an SVG file or resource.
class VectorDrawing {
 public:
  virtual ~VectorDrawing() = default;
  virtual bool isValid() const = 0;
  virtual QSize defaultSize() const = 0;
  virtual void render(QPainter* painter, const QRectF& bounds) = 0;
};

// The module's parts. Its version must match the program's: the two are
// built together, and a module left over from another build is refused.
struct OnDemandParts {
  int version;
  // nullptr for a drawing that cannot be read.
  std::unique_ptr<VectorDrawing> (*readDrawing)(const QString& path);
  // Sets `docName` on `printer`, paints on it, and says whether the printer
  // took it all.
  bool (*print)(QPrinter& printer, const QString& docName,
                const std::function<void(QPagedPaintDevice&)>& paint);
  // The print dialog for a printer of the system's; without one, for a
  // file on `paper`. Both get `margins` (mm). Calls `print` when the user
  // accepts it.
  void (*askAndPrint)(QWidget* parent, const QString& title, const QPageSize& paper, const QMarginsF& margins,
                      const std::function<void(QPrinter&)>& print);
};

inline constexpr int kOnDemandVersion = 1;

// The module's parts, opened on the first call; nullptr when it cannot be
// opened, with the reason in one sentence in `why`. The module is looked for
// where the installation puts it beside the program's own folder, then in
// that folder itself (the build tree).
const OnDemandParts* LoadOnDemandParts(QString* why = nullptr);

// The drawing at `path`, or nullptr when it cannot be read (or the module
// cannot be opened: the reason goes to the log once).
std::unique_ptr<VectorDrawing> ReadDrawing(const QString& path);

}  // namespace quill::ui

// Defined by the module (and by the tests, which link its parts in):
// nullptr in the program until the module is opened.
extern "C" const quill::ui::OnDemandParts* quillcalc_ondemand_parts() __attribute__((weak));
