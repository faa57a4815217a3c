#pragma once

#include <QFrame>
#include <QLine>
#include <QList>
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

  // A 1-pixel line in the window-text colour, from the inner area's corner.
  void addLine(const QLine& line);

  QSize drawingSize() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QSvgRenderer* renderer_;
  QList<QLine> lines_;
};

}  // namespace quill::ui
