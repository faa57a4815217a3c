#include "ui/common/picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>

#include "ui/common/controls.h"

namespace quill::ui {

namespace {
constexpr int kBorderWidth = 2;  // the standard sunken 3-D border
constexpr int kBitmapHeader = 16;
constexpr int kTextMargin = 4;  // pixels around the text's bounds
}  // namespace

PictureBox::PictureBox(const QString& svgResource, QWidget* parent)
    : QFrame(parent), svgResource_(svgResource) {
  ensureAccessibleInterfaces();
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setLineWidth(kBorderWidth);
  setFocusPolicy(Qt::StrongFocus);
  setBackgroundRole(QPalette::Base);
  setAutoFillBackground(true);
}

PictureBox::~PictureBox() = default;

void PictureBox::addBitmap(const uchar* bitmap) {
  const auto word = [bitmap](int i) { return int(qFromLittleEndian<quint32>(bitmap + 4 * i)); };
  // Over the data as it stands: nothing is copied or decoded.
  bitmaps_.append(
      {QImage(bitmap + kBitmapHeader, word(0), word(1), word(2), QImage::Format_Grayscale8), word(3)});
  update();
}

void PictureBox::setBitmapText(const QByteArray& svg) {
  bitmapText_ = svg;
  update();
}

void PictureBox::addLine(const QLine& line) {
  lines_.append(line);
  update();
}

QSvgRenderer* PictureBox::renderer() const {
  if (!renderer_) renderer_ = new QSvgRenderer(svgResource_, const_cast<PictureBox*>(this));
  return renderer_;
}

QSize PictureBox::drawingSize() const {
  if (!bitmaps_.isEmpty()) return bitmaps_.first().image.size() / bitmaps_.first().ratio;
  return renderer()->defaultSize();
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the border
  QPainter painter(this);
  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  const QRectF drawing(QPointF(0, 0), drawingSize());
  // The bitmap drawn for this screen's device-pixel ratio, or else the
  // vector drawing, crisp at any ratio. Repaints are clipped to the region
  // that changed.
  const qreal ratio = painter.device()->devicePixelRatioF();
  const auto bitmap =
      std::find_if(bitmaps_.cbegin(), bitmaps_.cend(), [ratio](const Bitmap& b) { return b.ratio == ratio; });
  if (bitmap != bitmaps_.cend()) {
    painter.drawImage(drawing, bitmap->image);
    if (!bitmapText_.isEmpty() && !bitmapTextRenderer_) {
      bitmapTextRenderer_ = new QSvgRenderer(bitmapText_, this);
      // Where the text stands, with room for its smoothed edges: a repaint
      // elsewhere (under a button that is pressed) lays out no text.
      if (bitmapTextRenderer_->elementExists(QStringLiteral("text"))) {
        textBounds_ = bitmapTextRenderer_->boundsOnElement(QStringLiteral("text"))
                          .toAlignedRect()
                          .adjusted(-kTextMargin, -kTextMargin, kTextMargin, kTextMargin);
      }
    }
    const bool textTouched =
        textBounds_.isNull() || event->region().intersects(textBounds_.translated(inner.topLeft()));
    if (bitmapTextRenderer_ && bitmapTextRenderer_->isValid() && textTouched)
      bitmapTextRenderer_->render(&painter, drawing);
  } else if (renderer()->isValid()) {
    renderer()->render(&painter, drawing);
  }
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLines(lines_);
}

}  // namespace quill::ui
