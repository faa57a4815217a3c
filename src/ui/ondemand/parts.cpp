// The module quillcalc-ondemand.so: the parts of the program that need
// Qt Svg or Qt PrintSupport, opened by ui::LoadOnDemandParts the first
// time one of them is asked for.
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgRenderer>

#include "ui/common/ondemand.h"

namespace quill::ui {
namespace {

class SvgDrawing : public VectorDrawing {
 public:
  explicit SvgDrawing(const QString& path) : renderer_(path) {}
  bool isValid() const override { return renderer_.isValid(); }
  QSize defaultSize() const override { return renderer_.defaultSize(); }
  void render(QPainter* painter, const QRectF& bounds) override { renderer_.render(painter, bounds); }

 private:
  QSvgRenderer renderer_;
};

std::unique_ptr<VectorDrawing> readDrawing(const QString& path) {
  auto drawing = std::make_unique<SvgDrawing>(path);
  if (!drawing->isValid()) return nullptr;
  return drawing;
}

bool print(QPrinter& printer, const QString& docName, const std::function<void(QPagedPaintDevice&)>& paint) {
  printer.setDocName(docName);
  paint(printer);
  return printer.printerState() != QPrinter::Error;
}

void askAndPrint(QWidget* parent, const QString& title, const QPageSize& paper, const QMarginsF& margins,
                 const std::function<void(QPrinter&)>& print) {
  QPrinter printer(QPrinter::HighResolution);
  // Without a printer of the system's, the dialog offers a file: give it
  // the paper asked for. A printer brings its own.
  if (printer.outputFormat() == QPrinter::PdfFormat) printer.setPageSize(paper);
  // The caller's margins; a printer whose printable area reaches the edge
  // of the paper (a PDF printer) would otherwise get none.
  printer.setPageMargins(margins, QPageLayout::Millimeter);
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(title);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  if (dialog.exec() == QDialog::Accepted) print(printer);
}

constexpr OnDemandParts kParts{kOnDemandVersion, readDrawing, print, askAndPrint};

}  // namespace
}  // namespace quill::ui

extern "C" __attribute__((visibility("default"))) const quill::ui::OnDemandParts* quillcalc_ondemand_parts() {
  return &quill::ui::kParts;
}
