#pragma once

#include <QList>
#include <QObject>
#include <optional>

#include "calc/results.h"
#include "ui/main/plan.h"

class Form1;
class QAction;
class QMenu;
class QPoint;
class QPrinter;
class QKeySequence;

namespace quill::ui {

// The main window's menu on the drawing: a right-click on Picture1 where no
// box or button stands opens it (the boxes keep their own editing menus),
// and its entries' shortcuts work anywhere in the window. Every entry works
// on what the result boxes show, so all of them wait for the first
// calculation. Nothing of the window's design changes: no control is added,
// moved or rewired.
class ResultsMenu : public QObject {
  Q_OBJECT

 public:
  explicit ResultsMenu(Form1* form);

  QMenu* menu() const { return menu_; }
  // The entries, in menu order.
  const QList<QAction*>& entries() const { return entries_; }

  // What the boxes show as a list of the fourteen dimensions, with the
  // antenna of the session's number of elements, or an empty list before
  // the first calculation.
  ResultList shownResults() const;

  // "Copy results": the text block on the clipboard.
  void copyResults();
  // "Print plan...": the number of elements, the print dialog, then print();
  // "Save plan as PDF...": the number of elements, a file dialog, then
  // savePdf(). Errors show in a message box.
  void printPlan();
  void savePlan();
  // The plan of what the boxes show, for the session's number of elements,
  // on `printer` as it is set up, or in a PDF file. False, with the reason in a message box, if it could not
  // be made.
  bool print(QPrinter& printer);
  bool savePdf(const QString& path);
  // "Export NEC model…": the model of the last calculation's frequency,
  // through its dialog and a file dialog.
  void exportNecModel();
  // "Model the antenna…": asks for the model window (modelRequested).
  void showModel();

 signals:
  void modelRequested();

 private:
  // One entry of the menu: text, shortcut, what it does.
  void add(const QString& text, const QKeySequence& shortcut, void (ResultsMenu::*action)());
  void popUp(const QPoint& position);
  void enableEntries();
  void showProblem(const QString& title, const QString& text);
  // Says why no plan is made for the shown frequency, if none is.
  bool refused(const QString& title);
  // The plan of what the boxes show, with the plan dialog's last choice
  // and the session's count; nothing after saying why not.
  std::optional<Plan> plan(const QString& title);

  Form1* form_;
  QMenu* menu_;
  QList<QAction*> entries_;
  std::optional<PlanChoice> choice_;
};

}  // namespace quill::ui
