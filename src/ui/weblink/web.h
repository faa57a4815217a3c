#pragma once

#include <QWidget>

// The web link window: opens the author's web page in the default browser.
class web : public QWidget {
  Q_OBJECT

 public:
  explicit web(QWidget* parent = nullptr);
};
