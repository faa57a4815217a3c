// The drawing's menu: copying what the boxes show, and the plan printed
// through QPrinter's PDF output or saved through the file dialog. The
// window's design stays as it was (test_main checks it).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/elements.h"
#include "examples.h"
#include "gui_support.h"
#include "results_check.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/main/plan.h"
#include "ui/main/results_menu.h"

using namespace quill;

class TestResultsMenu : public QObject {
  Q_OBJECT

  Form1* form = nullptr;
  QList<RunTimeError> errors;

  void calculate(const QString& text, QPushButton* button) {
    form->Text2->setText(text);
    QTest::mouseClick(button, Qt::LeftButton);
  }
  void copy() { QTest::keyClick(form, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier); }
  QString clipboard() const { return QApplication::clipboard()->text(); }
  QMenu* menu() const { return form->resultsMenu()->menu(); }

  // A right-click at `at` on the drawing, delivered as the window system
  // delivers it: to the innermost control there, which passes it on to its
  // parent if it has no menu of its own.
  void rightClick(QPoint at) {
    QWidget* target = form->Picture1->childAt(at);
    if (!target) target = form->Picture1;
    const QPoint local = target->mapFrom(form->Picture1, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, local, target->mapToGlobal(local));
    QApplication::sendEvent(target, &event);
  }

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([this](const RunTimeError& e) { errors << e; });
  }

  void init() {
    Design() = DesignValues{};
    QLocale::setDefault(QLocale::c());
    errors.clear();
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }

  void cleanup() {
    test::CloseAllWindows();
    QLocale::setDefault(QLocale::c());
  }

  // Ctrl+Shift+C copies what the boxes show, and only once there is
  // something: a failed calculation changes no box, so the copy still
  // describes the last results, frequency and unit included.
  void copyResults() {
    QApplication::clipboard()->setText(QStringLiteral("before"));
    for (QAction* entry : form->resultsMenu()->entries()) QVERIFY(!entry->isEnabled());
    copy();
    QCOMPARE(clipboard(), QStringLiteral("before"));

    calculate(test::k144, form->Command1);
    for (QAction* entry : form->resultsMenu()->entries()) QVERIFY(entry->isEnabled());
    copy();
    test::CheckResultsText(clipboard(), QStringLiteral("Quillbeam for 144 MHz, in inches"), test::k144Inches);

    calculate(QStringLiteral("0"), form->Command4);
    QCOMPARE(errors.size(), 1);
    QApplication::clipboard()->clear();
    copy();
    test::CheckResultsText(clipboard(), QStringLiteral("Quillbeam for 144 MHz, in inches"), test::k144Inches);

    calculate(test::k144, form->Command4);
    form->Text2->setFocus();  // the shortcut is the window's, wherever the focus is
    copy();
    test::CheckResultsText(clipboard(), QStringLiteral("Quillbeam for 144 MHz, in centimetres"),
                           test::k144Centimetres);

    // As the boxes show them where the locale writes a decimal comma.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    calculate(test::k144, form->Command1);
    copy();
    test::CheckResultsText(clipboard(), QStringLiteral("Quillbeam for 144 MHz, in inches"), test::k144Inches,
                           QLatin1Char(','));
  }

  // The menu opens on the drawing itself, not on a button; the boxes keep
  // their own menus.
  void contextMenu() {
    const QPoint blank(20, 300);  // under Text9, left of the reflector's leg
    QVERIFY(!form->Picture1->childAt(blank));
    rightClick(blank);
    QVERIFY(menu()->isVisible());
    QCOMPARE(menu()->actions().size(), 5);
    QCOMPARE(menu()->actions().first()->text(), QStringLiteral("Copy results"));
    QCOMPARE(menu()->actions().last()->text(), QStringLiteral("Model the antenna…"));
    QCOMPARE(menu()->actions().last()->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_M));
    menu()->hide();

    // Buttons have no menu, boxes have their own editing menu.
    const QList<std::pair<QWidget*, bool>> controls{
        {form->Command1, false}, {form->Command3, false}, {form->Text4, true}, {form->Text13, true}};
    for (const auto& [control, ownMenu] : controls) {
      rightClick(control->geometry().center());
      QVERIFY2(!menu()->isVisible(), qPrintable(control->objectName()));
      auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      QVERIFY2(bool(shown) == ownMenu, qPrintable(control->objectName()));
      if (shown) shown->close();
    }
  }

  // The plan on a printer as it is set up (its paper, not the locale's),
  // through QPrinter's own PDF output.
  void printPlan() {
    calculate(test::k144, form->Command1);
    calculate(QStringLiteral("0"), form->Command1);  // the plan is of what the boxes show
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QVERIFY(form->resultsMenu()->print(printer));
    test::CheckPlan144(printer.outputFileName(), QStringLiteral("letter"), Unit::Inches);
    QCOMPARE(Design().FrequencyMHz, 0.0f);  // worked out aside, not on the record
  }

  // Ctrl+S asks for the number of elements, then for a file, and writes the
  // plan there; the count becomes the session's, and the copy follows it.
  void savePlan() {
    calculate(test::k144, form->Command4);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("saved"));  // the dialog adds ".pdf"
    QTimer::singleShot(0, this, [this, path] {
      auto* count = QApplication::activeModalWidget()->findChild<QSpinBox*>();
      QVERIFY(count);
      QCOMPARE(count->value(), SessionElements());
      count->setValue(5);
      // An allowance below 0 keeps the dialog open and says why.
      QWidget* planDialog = QApplication::activeModalWidget();
      auto* allowance = planDialog->findChild<QLineEdit*>(QStringLiteral("allowance"));
      QCOMPARE(allowance->text(), QStringLiteral("1"));  // 10 mm, in centimetres
      allowance->setText(QStringLiteral("-1"));
      QTest::keyClick(planDialog, Qt::Key_Return);
      QCOMPARE(QApplication::activeModalWidget(), planDialog);
      QVERIFY(planDialog->findChild<QLabel*>(QStringLiteral("problem"))->text().contains("0 or more"));
      allowance->setText(QStringLiteral("2"));
      QTimer::singleShot(0, this, [path] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QVERIFY(dialog->selectedFiles().value(0).endsWith(QStringLiteral("/quillbeam-144-MHz-5-el-cm.pdf")));
        dialog->selectFile(path);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
      });
      QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Return);
    });
    QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(SessionElements(), 5);
    test::CheckPlan144(path + QStringLiteral(".pdf"), QStringLiteral("A4"), Unit::Centimetres, 5);
    const test::PdfFacts pdf = test::ReadPdf(path + QStringLiteral(".pdf"));
    QVERIFY(pdf.words.contains(QStringLiteral("D3")));
    // Cut with the dialog's 2 cm: the reflector's tube 109.6433 + 2 x 2,
    // its leg 54.82167 + 2.
    QVERIFY(pdf.words.contains(QStringLiteral("113.6433")));
    QVERIFY(pdf.words.contains(QStringLiteral("56.82167")));
    // The date as ISO 8601, whatever the locale would write.
    QVERIFY(pdf.words.contains(QDate::currentDate().toString(Qt::ISODate)));
    form->resultsMenu()->copyResults();
    test::CheckResultsText(clipboard(), QStringLiteral("Quillbeam for 144 MHz, in centimetres"),
                           test::k144Centimetres, QLatin1Char('.'), 5);
    SetSessionElements(3);
  }

  // No plan for a frequency no antenna is built for: the sentence the
  // command line gives, before any dialog; the boxes keep what the
  // calculation gave.
  void refusesFrequency() {
    calculate(QStringLiteral("-146"), form->Command1);
    QCOMPARE(form->Text4->text(), QStringLiteral("-42.57534"));
    QString said;
    QTimer::singleShot(0, this, [&said] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      QVERIFY(box);
      said = box->text();
      box->close();
    });
    QTest::keyClick(form, Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(said, QStringLiteral("A Quillbeam is built for 1 MHz to 30 GHz, not for -146 MHz."));
  }

  // Ten elements still fit on a Letter page as a printer has it.
  void printTenElements() {
    calculate(test::k144, form->Command1);
    SetSessionElements(10);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("printed.pdf")));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(ui::PlanMargins(), QPageLayout::Millimeter);
    const bool printed = form->resultsMenu()->print(printer);
    SetSessionElements(3);
    QVERIFY(printed);
    test::CheckPlanFits(printer.outputFileName());
    QCOMPARE(test::ReadPdf(printer.outputFileName()).pages, 1);
  }
};

QTEST_MAIN(TestResultsMenu)
#include "test_results_menu.moc"
