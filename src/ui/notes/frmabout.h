#pragma once

#include <QWidget>

class QLabel;
class QPlainTextEdit;

namespace quill::ui {
class PictureBox;
}

// The notes window: the builder's notes on construction and operation, a short
// anecdote, a sample SWR chart and a sketch. Modeless and without an owner;
// closing it discards it, edits included.
class frmAbout : public QWidget {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);

  // Controls, named as in the window design, in tab order.
  QLabel* lblDescription;           // "OPERATION", above Text2
  QLabel* lblDisclaimer;            // "TRICKS ...", above Text3
  QLabel* lblTitle;                 // the chart's caption, above Picture1
  QLabel* lblVersion;               // above Text1
  QPlainTextEdit* Text1;            // construction notes
  QPlainTextEdit* Text2;            // operation notes
  QPlainTextEdit* Text3;            // anecdote
  quill::ui::PictureBox* Picture1;  // sample SWR chart
  quill::ui::PictureBox* Picture2;  // sketch

  // Runs once each time the window is built, before it is first shown: puts
  // the application's title and version (QCoreApplication's) into the
  // caption and two labels.
  void Form_Load();
};
