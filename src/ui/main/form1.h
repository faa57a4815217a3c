#pragma once

#include <QWidget>
#include <array>

#include "calc/design.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quill::ui {
class PictureBox;
}

// The main window: a drawing of the antenna with the frequency box, the
// fourteen result boxes, their captions and the four buttons placed on it.
// It calculates itself; showing the other windows and reporting run-time
// errors are left to whoever listens to its signals.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // The result box that shows `box`.
  QLineEdit* resultBox(quill::ResultBox box) const { return results_[static_cast<std::size_t>(box)]; }

  // Controls, named as in the window design. Every control but Picture1 is a
  // child of Picture1.
  quill::ui::PictureBox* Picture1;
  QLineEdit* Text1;  // call sign
  QLineEdit* Text2;  // frequency input
  QPlainTextEdit* Text3;
  QPushButton* Command1;  // INCHES
  QLineEdit *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10, *Text11, *Text12;
  QPlainTextEdit* Text13;
  QLineEdit* Text14;
  QPlainTextEdit* Text15;
  QLineEdit *Text16, *Text17, *Text18, *Text19, *Text20, *Text21, *Text22, *Text23;
  QPushButton* Command2;  // NOTES
  QPushButton* Command3;  // WEB LINK
  QPushButton* Command4;  // CM

  // Event handlers.
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Text2_Click();

 signals:
  void notesRequested();
  void webLinkRequested();
  // A calculation failed; the boxes it did not reach keep their texts.
  void runTimeError(const quill::RunTimeError& error);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showResults(const quill::Calculation& calculation);

  std::array<QLineEdit*, quill::kResultBoxCount> results_{};
};
