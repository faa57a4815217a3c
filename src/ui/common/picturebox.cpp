#include "ui/common/picturebox.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quill::ui {

namespace {
constexpr int kBorderWidth = 2;  // the standard sunken 3-D border
}

PictureBox::PictureBox(const QString& svgResource, QWidget* parent)
    : QFrame(parent), renderer_(new QSvgRenderer(svgResource, this)) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setLineWidth(kBorderWidth);
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

PictureBox::~PictureBox() = default;

void PictureBox::place(QWidget* child, const QRect& innerRect) {
  // Qt measures child positions from the frame's outer corner.
  child->setParent(this);
  child->setGeometry(innerRect.translated(contentsRect().topLeft()));
}

void PictureBox::addLine(const QLine& line) {
  lines_.append(line);
  update();
}

QSize PictureBox::drawingSize() const { return renderer_->defaultSize(); }

const QPixmap& PictureBox::drawing() {
  // Rendered once per device-pixel ratio, so a 2x screen gets crisp lines
  // and repaints only copy pixels.
  const qreal ratio = devicePixelRatioF();
  if (cache_.isNull() || cache_.devicePixelRatio() != ratio) {
    const QSize size = drawingSize();
    cache_ = QPixmap(size * ratio);
    cache_.setDevicePixelRatio(ratio);
    cache_.fill(Qt::white);
    QPainter painter(&cache_);
    renderer_->render(&painter, QRectF(QPointF(0, 0), size));
  }
  return cache_;
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the border
  QPainter painter(this);
  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  if (renderer_->isValid()) painter.drawPixmap(0, 0, drawing());
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLines(lines_);
}

}  // namespace quill::ui
