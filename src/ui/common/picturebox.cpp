#include "ui/common/picturebox.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/common/controls.h"

namespace quill::ui {

namespace {
constexpr int kBorderWidth = 2;  // the standard sunken 3-D border
}

PictureBox::PictureBox(const QString& svgResource, QWidget* parent)
    : QFrame(parent), renderer_(new QSvgRenderer(svgResource, this)) {
  ensureAccessibleInterfaces();
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setLineWidth(kBorderWidth);
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

PictureBox::~PictureBox() = default;

void PictureBox::addLine(const QLine& line) {
  lines_.append(line);
  update();
}

QSize PictureBox::drawingSize() const { return renderer_->defaultSize(); }

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the border
  QPainter painter(this);
  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  // Drawn straight from the vector drawing on every paint: crisp at any
  // device-pixel ratio, and no off-screen copy to allocate and fill at
  // start-up. Repaints are clipped to the region that changed.
  if (renderer_->isValid()) renderer_->render(&painter, QRectF(QPointF(0, 0), drawingSize()));
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLines(lines_);
}

}  // namespace quill::ui
