// QBENCHMARK: a click on "INCHES" until all fourteen result boxes show the
// new values, through the real main window (offscreen), e.g.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_click -minimumvalue 1000
// After the timed clicks it checks that the boxes show what the calculation
// gives for the text in the frequency box, so a broken click cannot pass for
// a fast one.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/windows.h"
#include "calc/design.h"
#include "calc/format.h"
#include "gui_support.h"
#include "ui/main/form1.h"

using namespace quill;

class BenchClick : public QObject {
  Q_OBJECT

  Form1* form = nullptr;

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }
  void cleanupTestCase() { test::CloseAllWindows(); }

  // Two frequencies in turn, so that every click changes all fourteen boxes.
  void clickInches_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("2 m band") << "146"
                              << "144.5";
    QTest::newRow("exponent form") << "000.0000001"
                                   << "000.0000002";
  }
  void clickInches() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    bool odd = false;
    QBENCHMARK {
      form->Text2->setText((odd = !odd) ? first : second);
      QTest::mouseClick(form->Command1, Qt::LeftButton);
    }
    DesignValues record;
    const Calculation expected = Calculate(record, form->Text2->text().toStdString(), Unit::Inches);
    QCOMPARE(expected.count, kResultBoxCount);
    QStringList wanted(kResultBoxCount);
    for (const BoxWrite& w : expected)
      wanted[qsizetype(w.box)] = QString::fromStdString(FormatDimension(w.value));
    QCOMPARE(test::ResultTexts(*form), wanted);
  }
};

QTEST_MAIN(BenchClick)
#include "bench_click.moc"
