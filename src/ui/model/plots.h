#pragma once

// The model window's three plots of what nec2c worked out: the SWR and the
// feed impedance across the sweep, and the horizontal-plane radiation
// pattern at the design frequency. Each keeps a copy of the results it is
// given and paints them with the widget's own font and palette, so they scale
// with the window and read on light and dark desktops alike.

#include <QPainter>
#include <QWidget>

#include "calc/necresults.h"

namespace quill::ui {

namespace plots {
struct Inks;
}

// What the three plots share: a copy of the results they are given, which
// setResults() replaces and clear() empties, each time with a repaint, and
// size hints in lines of the widget's font, so that they grow with it.
class ResultsPlot : public QWidget {
  Q_OBJECT
 public:
  void setResults(const nec::Results& results);
  void clear();
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  // A plot's size, across and upright, in lines of the widget's font.
  struct Lines {
    double across, upright;
  };
  // A screen reader cannot read a picture: `name` says what it shows, and
  // `description` points to the summary for the numbers. `hint` is the size
  // the plot asks for, `least` the smallest it reads at.
  ResultsPlot(const QString& name, const QString& description, Lines hint, Lines least, QWidget* parent);
  const nec::Results& results() const { return results_; }

  // Every plot paints the same way: the ground, then either a line that
  // says there is nothing to show, or the plot itself, antialiased.
  void paintEvent(QPaintEvent* event) final;
  // What the plot shows, if the results hold it.
  virtual bool hasSomethingToShow() const { return !results_.sweep.empty(); }
  // The sentence when they do not.
  virtual QString nothingToShow() const = 0;
  virtual void paintResults(QPainter& painter, const plots::Inks& inks) = 0;

 private:
  QSize inLines(Lines size) const;

  nec::Results results_;
  Lines hint_, least_;
};

// SWR against frequency on a fixed scale of 1 to 10, with the design
// frequency and the sweep's lowest SWR marked.
class SwrPlot : public ResultsPlot {
  Q_OBJECT
 public:
  explicit SwrPlot(QWidget* parent = nullptr);

 protected:
  QString nothingToShow() const override;
  void paintResults(QPainter& painter, const plots::Inks& inks) override;
};

// R and X against frequency, on one scale with a legend and a zero line.
class ImpedancePlot : public ResultsPlot {
  Q_OBJECT
 public:
  explicit ImpedancePlot(QWidget* parent = nullptr);

 protected:
  QString nothingToShow() const override;
  void paintResults(QPainter& painter, const plots::Inks& inks) override;
};

// The horizontal-plane radiation pattern, polar, in dBi, with azimuth 0
// (towards the directors) at the top.
class PatternPlot : public ResultsPlot {
  Q_OBJECT
 public:
  explicit PatternPlot(QWidget* parent = nullptr);

 protected:
  bool hasSomethingToShow() const override { return !results().pattern.empty(); }
  QString nothingToShow() const override;
  void paintResults(QPainter& painter, const plots::Inks& inks) override;
};

}  // namespace quill::ui
