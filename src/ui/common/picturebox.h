#pragma once

#include <QFrame>
#include <QImage>
#include <QLine>
#include <QList>
#include <QRect>
#include <QRgb>
#include <QString>
#include <memory>
#include <span>

class QSvgRenderer;
class QTextLayout;

namespace quill::ui {

// The size, in pixels, of the drawing that a bitmap of PictureBox::addBitmap
// holds.
QSize BitmapDrawingSize(const uchar* bitmap);

// One line of a drawing's text as its SVG <text> element gives it: the start
// of its baseline in the drawing's pixels, the face, the size in pixels, the
// weight and the colour.
struct DrawingText {
  const char* text;
  double x, y;
  const char* family;
  double pixels;
  bool bold;
  QRgb colour;
};

// A picture box: a sunken 2-pixel border around a drawing shown unscaled at
// the top-left of the inner area and clipped to it. It can hold child
// controls (their places are measured from the inner area's corner, which is
// contentsRect().topLeft()), and thin lines drawn over the drawing and under
// the children.
class PictureBox : public QFrame {
  Q_OBJECT

 public:
  // `svgResource` is the drawing's resource path, e.g. ":/ui/main/antenna.svg".
  explicit PictureBox(const QString& svgResource, QWidget* parent = nullptr);
  ~PictureBox() override;

  // The drawing as it was drawn once at build time, at some device-pixel
  // ratios: `bitmap` is what the build tool render_drawing wrote (a header
  // and grey rows), kept where it is for the program's lifetime. Where the
  // screen's ratio is one of them the box shows the bitmap, pixel for pixel
  // what the vectors would give, and never reads the vectors at all.
  void addBitmap(const uchar* bitmap);
  // What the bitmaps leave out, drawn over them: the drawing's text, drawn
  // as text of an SVG drawing is drawn, from the installed font's outlines.
  // `texts` stays where it is for the program's lifetime.
  void setBitmapText(std::span<const DrawingText> texts);

  // A 1-pixel line in the window-text colour, from the inner area's corner.
  void addLine(const QLine& line);

  QSize drawingSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  struct Bitmap {
    QImage image;  // Format_Grayscale8 over the program's own data
    int ratio;
  };
  struct LaidOutText {
    std::shared_ptr<QTextLayout> layout;  // at the layout size, see drawTexts()
    qreal scale;                          // from the drawing's pixels to the layout's
    QPointF origin;                       // in the layout's pixels
  };

  QSvgRenderer* drawing() const;
  void layOutTexts();
  void drawTexts(QPainter& painter) const;

  QString svgResource_;
  mutable std::unique_ptr<QSvgRenderer> drawing_;  // read on first need
  std::span<const DrawingText> texts_;
  QList<LaidOutText> laidOut_;  // on first paint
  QRect textBounds_;            // from the inner area's corner
  QList<Bitmap> bitmaps_;
  QList<QLine> lines_;
};

}  // namespace quill::ui
