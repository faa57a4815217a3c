#include "ui/common/picturebox.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QTransform>
#include <QtEndian>

#include "ui/common/controls.h"

namespace quill::ui {

namespace {
constexpr int kBorderWidth = 2;  // the standard sunken 3-D border
constexpr int kBitmapHeader = 16;
constexpr int kTextMargin = 4;  // pixels around the text's bounds
// An SVG renderer lays text out at this size and scales it down to the
// text's own, so that small text keeps its proportions.
constexpr qreal kLayoutPixels = 100;

// Word `i` of a bitmap's header: width, height and bytes per line in device
// pixels, then the device-pixel ratio.
int headerWord(const uchar* bitmap, int i) { return int(qFromLittleEndian<quint32>(bitmap + 4 * i)); }
}  // namespace

QSize BitmapDrawingSize(const uchar* bitmap) {
  return QSize(headerWord(bitmap, 0), headerWord(bitmap, 1)) / headerWord(bitmap, 3);
}

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
  const auto word = [bitmap](int i) { return headerWord(bitmap, i); };
  // Over the data as it stands: nothing is copied or decoded, unless its
  // rows do not start on 4-byte boundaries, as QImage needs them to.
  const uchar* rows = bitmap + kBitmapHeader;
  QImage image(rows, word(0), word(1), word(2), QImage::Format_Grayscale8);
  if (reinterpret_cast<quintptr>(rows) % 4 != 0) image = image.copy();
  bitmaps_.append({image, word(3)});
  update();
}

void PictureBox::setBitmapText(std::span<const DrawingText> texts) {
  texts_ = texts;
  laidOut_.clear();
  textBounds_ = {};
  update();
}

void PictureBox::addLine(const QLine& line) {
  lines_.append(line);
  update();
}

QSvgRenderer* PictureBox::drawing() const {
  if (!drawing_) drawing_ = std::make_unique<QSvgRenderer>(svgResource_);
  return drawing_->isValid() ? drawing_.get() : nullptr;
}

QSize PictureBox::drawingSize() const {
  if (!bitmaps_.isEmpty()) return bitmaps_.first().image.size() / bitmaps_.first().ratio;
  return drawing() ? drawing()->defaultSize() : QSize();
}

void PictureBox::layOutTexts() {
  // As an SVG renderer lays out a <text>: the widget's font with the
  // element's face, weight and size, at the layout size, on one line whose
  // baseline starts at the element's point; filled with its colour and
  // given the outline of an SVG drawing's initial pen (solid, without a
  // brush), which makes Qt draw the text as the filled outlines of its
  // glyphs, as the vectors show it.
  QPen outline(Qt::NoBrush, 1, Qt::SolidLine, Qt::FlatCap, Qt::SvgMiterJoin);
  outline.setMiterLimit(4);
  QRectF bounds;
  for (const DrawingText& t : texts_) {
    const qreal scale = kLayoutPixels / t.pixels;
    QFont font = this->font();
    if (*t.family) font.setFamily(QString::fromUtf8(t.family));  // else the widget's, as in SVG
    font.setWeight(t.bold ? QFont::Bold : QFont::Normal);
    font.setPixelSize(qRound(t.pixels * scale));
    const QString text = QString::fromUtf8(t.text);
    auto layout = std::make_shared<QTextLayout>(text);
    QTextOption option = layout->textOption();
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    QTextLayout::FormatRange range;
    range.start = 0;
    range.length = int(text.size());
    range.format.setFont(font);
    range.format.setTextOutline(outline);
    range.format.setForeground(QColor(t.colour));
    layout->setFormats({range});
    layout->beginLayout();
    QTextLine line = layout->createLine();
    layout->endLayout();
    if (!line.isValid()) continue;
    line.setPosition(QPointF(0, -line.ascent()));
    const QPointF origin(t.x * scale, t.y * scale);
    bounds |= QTransform::fromScale(1 / scale, 1 / scale).mapRect(line.naturalTextRect().translated(origin));
    laidOut_.append({layout, scale, origin});
  }
  // Where the text stands, with room for its smoothed edges: a repaint
  // elsewhere (under a button that is pressed) draws no text.
  textBounds_ = bounds.toAlignedRect().adjusted(-kTextMargin, -kTextMargin, kTextMargin, kTextMargin);
}

void PictureBox::drawTexts(QPainter& painter) const {
  for (const LaidOutText& t : laidOut_) {
    painter.save();
    painter.scale(1 / t.scale, 1 / t.scale);
    t.layout->draw(&painter, t.origin);
    painter.restore();
  }
}

void PictureBox::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);  // the border
  QPainter painter(this);
  const QRect inner = contentsRect();
  painter.setClipRect(inner);
  painter.translate(inner.topLeft());
  const QRectF area(QPointF(0, 0), drawingSize());
  // The bitmap drawn for this screen's device-pixel ratio, or else the
  // vector drawing, crisp at any ratio. Repaints are clipped to the region
  // that changed.
  const qreal ratio = painter.device()->devicePixelRatioF();
  const auto bitmap =
      std::find_if(bitmaps_.cbegin(), bitmaps_.cend(), [ratio](const Bitmap& b) { return b.ratio == ratio; });
  if (bitmap != bitmaps_.cend()) {
    painter.drawImage(area, bitmap->image);
    if (!texts_.empty() && laidOut_.isEmpty()) layOutTexts();
    if (event->region().intersects(textBounds_.translated(inner.topLeft()))) {
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
      drawTexts(painter);
      painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform, false);
    }
  } else if (drawing()) {
    drawing()->render(&painter, area);
  }
  painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
  painter.drawLines(lines_);
}

}  // namespace quill::ui
