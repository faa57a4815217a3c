#pragma once

// The model window's three plots of what nec2c worked out: the SWR and the
// feed impedance across the sweep, and the horizontal-plane radiation
// pattern at the design frequency. Each keeps a copy of the results it is
// given and paints them with the widget's own font and palette, so they scale
// with the window and read on light and dark desktops alike.

#include <QWidget>

#include "calc/necresults.h"

namespace quill::ui {

// Each plot keeps a copy of the results it is given and repaints; clear() empties it.

// SWR against frequency on a fixed scale of 1 to 10, with the design
// frequency and the sweep's lowest SWR marked.
class SwrPlot : public QWidget {
  Q_OBJECT
 public:
  explicit SwrPlot(QWidget* parent = nullptr);
  void setResults(const nec::Results& results);
  void clear();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  nec::Results results_;
};

// R and X against frequency, on one scale with a legend and a zero line.
class ImpedancePlot : public QWidget {
  Q_OBJECT
 public:
  explicit ImpedancePlot(QWidget* parent = nullptr);
  void setResults(const nec::Results& results);
  void clear();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  nec::Results results_;
};

// The horizontal-plane radiation pattern, polar, in dBi, with azimuth 0
// (towards the directors) at the top.
class PatternPlot : public QWidget {
  Q_OBJECT
 public:
  explicit PatternPlot(QWidget* parent = nullptr);
  void setResults(const nec::Results& results);
  void clear();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  nec::Results results_;
};

}  // namespace quill::ui
