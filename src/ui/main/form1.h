#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "calc/design.h"

class QPlainTextEdit;

namespace quill::ui {
class CommandButton;
class ResultsMenu;
class FrequencyBox;
class PictureBox;
class TextBox;
}  // namespace quill::ui

// The main window: a drawing of the antenna with the frequency box, the
// fourteen result boxes, their captions and the four buttons placed on it.
// It calculates itself; showing the other windows and reporting run-time
// errors are left to whoever listens to its signals.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // The result box that shows `box`.
  quill::ui::TextBox* resultBox(quill::ResultBox box) const {
    return results_[static_cast<std::size_t>(box)];
  }

  // What the result boxes show: the frequency and unit of the last
  // calculation that wrote them. Nothing before the first; a failed
  // calculation writes no box and leaves it as it was.
  struct Shown {
    float frequencyMHz;
    quill::Unit unit;
  };
  const std::optional<Shown>& shown() const { return shown_; }

  // The drawing's menu and its shortcuts: copy the results, print or save
  // the plan.
  quill::ui::ResultsMenu* resultsMenu() const { return resultsMenu_; }

  // Controls, named as in the window design. Every control but Picture1 is a
  // child of Picture1.
  quill::ui::PictureBox* Picture1;
  quill::ui::TextBox* Text1;       // call sign
  quill::ui::FrequencyBox* Text2;  // frequency input
  QPlainTextEdit* Text3;
  quill::ui::CommandButton* Command1;  // INCHES
  quill::ui::TextBox *Text4, *Text5, *Text6, *Text7, *Text8, *Text9, *Text10, *Text11, *Text12;
  QPlainTextEdit* Text13;
  quill::ui::TextBox* Text14;
  QPlainTextEdit* Text15;
  quill::ui::TextBox *Text16, *Text17, *Text18, *Text19, *Text20, *Text21, *Text22, *Text23;
  quill::ui::CommandButton* Command2;  // NOTES
  quill::ui::CommandButton* Command3;  // WEB LINK
  quill::ui::CommandButton* Command4;  // CM

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
  // A calculation has written every result box.
  void resultsShown();

 private:
  // Shows what a calculation in `unit` wrote; a screen reader hears the unit
  // as each written box's description.
  void showResults(const quill::Calculation& calculation, quill::Unit unit);

  std::array<quill::ui::TextBox*, quill::kResultBoxCount> results_{};
  std::optional<Shown> shown_;
  quill::ui::ResultsMenu* resultsMenu_ = nullptr;
};
