// QBENCHMARK: a click on "INCHES" until all fourteen result boxes show the
// new values, through the real main window (offscreen). Under ctest it runs
// a few iterations; for figures, run it on its own, e.g.
//   build/tests/bench_click -minimumvalue 1000
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/windows.h"
#include "calc/design.h"
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
    const QStringList shown = test::ResultTexts(*form);
    DesignValues record;
    const Calculation expected = Calculate(record, form->Text2->text().toStdString(), Unit::Inches);
    QCOMPARE(expected.count, kResultBoxCount);
    QCOMPARE(shown.size(), 14);
    QVERIFY(!shown.contains(QStringLiteral("000.00")));
  }
};

QTEST_MAIN(BenchClick)
#include "bench_click.moc"
