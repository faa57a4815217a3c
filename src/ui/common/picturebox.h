#pragma once

#include <QFrame>
#include <QImage>
#include <QLine>
#include <QList>
#include <QRect>
#include <QString>

class QSvgRenderer;

namespace quill::ui {

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
  // What the bitmaps leave out, drawn over them as vectors: the drawing's
  // text, which takes the desktop's own font settings. `svg` stays where it
  // is for the program's lifetime.
  void setBitmapText(const QByteArray& svg);

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

  QSvgRenderer* renderer() const;

  QString svgResource_;
  mutable QSvgRenderer* renderer_ = nullptr;  // read on first need
  QByteArray bitmapText_;
  QSvgRenderer* bitmapTextRenderer_ = nullptr;  // read on first paint
  QRect textBounds_;                            // from the inner area's corner
  QList<Bitmap> bitmaps_;
  QList<QLine> lines_;
};

}  // namespace quill::ui
