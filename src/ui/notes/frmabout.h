#pragma once

#include <QWidget>

// The notes window: the builder's notes and a sample SWR chart.
class frmAbout : public QWidget {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);
};
