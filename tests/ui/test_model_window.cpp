// The model window: opened with Ctrl+M once there are results, it runs
// Debian's nec2c in the background on the main window's frequency, follows
// each calculation, refuses bad inputs without running, copies what --model
// prints, and ends nec2c when it closes. A fake nec2c stands in for the
// failures and for a run that takes long.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "app/windows.h"
#include "calc/elements.h"
#include "fake_nec2c.h"
#include "gui_support.h"
#include "io/necrun.h"
#include "run_program.h"
#include "ui/common/controls.h"
#include "ui/model/modelwindow.h"
#include "ui/model/tuningpanel.h"

using namespace quill;
using test::FakeNec;
using ui::ModelWindow;

namespace {

// Long enough for nec2c on a busy machine; the wait ends as soon as it is done.
constexpr int kRunMs = 60000;

void calculate(Form1* form, const QString& frequency) {
  form->Text2->setText(frequency);
  form->Command1_Click();
}

void type(QLineEdit* box, const QString& text) {
  box->selectAll();
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class TestModelWindow : public QObject {
  Q_OBJECT

  Form1* form = nullptr;

  ModelWindow* open() {
    QTest::keyClick(form, Qt::Key_M, Qt::ControlModifier);
    return app::ModelWindow();
  }

 private slots:
  void initTestCase() { test::SetUpGuiTest(); }
  void init() {
    QLocale::setDefault(QLocale::c());  // a test's own locale ends with it
    SetSessionElements(kFewestElements);
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }
  void cleanup() { test::CloseAllWindows(); }

  // Nothing of it before it is asked for; then the results of nec2c for the
  // numbers on screen, which Ctrl+Shift+C copies as --model prints them.
  void opensWithCtrlMAndShowsNec2cs() {
    QVERIFY(!open());
    QVERIFY(test::OpenWindows<ModelWindow>().isEmpty());
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    QVERIFY(window);
    QVERIFY(window->windowTitle().contains(QLatin1String("Model")));
    QCOMPARE(window->diameter()->text(), QStringLiteral("6"));
    QTRY_VERIFY_WITH_TIMEOUT(window->results(), kRunMs);
    QVERIFY(!window->busy()->isVisible());
    QStringList shown;
    for (QLabel* value : window->summary()) shown << value->text();
    QCOMPARE(shown,
             (QStringList{"58.8 − j41.9 Ω", "2.16 on 50 Ω", "7.75 dBi", "14.75 dB", "1.03 at 150.015 MHz"}));
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             test::RunProgram({"--frequency", "146", "--model", "--format", "text"}).out);
    QCOMPARE(open(), window);  // one instance
  }

  // A measurement, the trim from it and the cutting spread: Ctrl+Shift+C
  // copies them as the command line prints them. A file that cannot be read
  // gets one sentence naming its line, and the measurement shown stays.
  void measurementTrimAndSpread() {
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    ui::TuningPanel* tuning = window->tuning();
    const QString measured = QStringLiteral(QUILL_TEST_DATA "/measured-146mhz-ma75.s1p");
    QVERIFY(tuning->loadMeasurement(measured));
    QTRY_VERIFY_WITH_TIMEOUT(tuning->trim() && tuning->spread(), kRunMs);
    QVERIFY(tuning->trim()->fromMeasurement && tuning->spread()->copies == 32);
    QVERIFY(tuning->spreadLine()->text().startsWith(QStringLiteral("Cut within ±3 mm: lowest SWR")));
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QApplication::clipboard()->text(),
             test::RunProgram({"--frequency", "146", "--model", "--trim", "--measured", measured,
                               "--tolerance", "3", "--format", "text"})
                 .out);

    QTemporaryDir dir;
    QFile bad(dir.filePath(QStringLiteral("z.s1p")));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("! impedance\n# MHz Z RI R 50\n146 50 0\n147 51 1\n");
    bad.close();
    QVERIFY(!tuning->loadMeasurement(bad.fileName()));
    QVERIFY2(window->status()->text().contains(QStringLiteral("z.s1p:2: ")),
             qPrintable(window->status()->text()));
    QCOMPARE(QString::fromStdString(tuning->measured()->file), QStringLiteral("measured-146mhz-ma75.s1p"));

    // A new calculation keeps the measurement and ends the runs still going.
    calculate(form, QStringLiteral("147"));
    QVERIFY(tuning->measured() && !tuning->spread());
    window->close();
    QVERIFY(!tuning->running());
  }

  // What is not a number reads as a word, as the copied text says it.
  void wordsForWhatIsNoNumber() {
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    QTRY_VERIFY_WITH_TIMEOUT(window->results(), kRunMs);
    nec::Results r = *window->results();
    r.sweep[r.sweep.size() / 2].swr = HUGE_VAL;
    r.sweep[r.sweep.size() / 2].gainDbi = -HUGE_VAL;
    r.sweep[r.sweep.size() / 2].frontToBackDb = NAN;
    emit window->run()->finished(r);
    QCOMPARE(window->summary()[1]->text(), QStringLiteral("infinite on 50 Ω"));
    QCOMPARE(window->summary()[2]->text(), QStringLiteral("none"));
    QCOMPARE(window->summary()[3]->text(), QStringLiteral("none"));
  }

  // It follows every calculation, with a tube that scales with the frequency
  // until the user types one, and the session's element count.
  void followsTheCalculation() {
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    calculate(form, QStringLiteral("0.5"));  // refused: no tube offered for it
    QCOMPARE(window->diameter()->text(), QStringLiteral("6"));
    calculate(form, QStringLiteral("432"));
    QCOMPARE(window->diameter()->text(), QStringLiteral("2.03"));
    QTRY_VERIFY_WITH_TIMEOUT(window->results() && window->results()->designFrequencyMHz == 432, kRunMs);
    window->elements()->setValue(4);
    QCOMPARE(SessionElements(), 4);
    type(window->diameter(), QStringLiteral("5"));
    calculate(form, QStringLiteral("222"));
    QCOMPARE(window->diameter()->text(), QStringLiteral("5"));
    QTRY_VERIFY_WITH_TIMEOUT(window->results() && window->results()->designFrequencyMHz == 222, kRunMs);
    QCOMPARE(window->results()->elements, 4);
    QVERIFY(window->results()->diameterMm == 5);
  }

  // Every number in one style in a locale that groups digits: 1331.64 MHz
  // reads the same in the title, the summary and the plot's label.
  void numbersWithoutGroupSeparators() {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    calculate(form, QStringLiteral("1296"));
    ModelWindow* window = open();
    QTRY_VERIFY_WITH_TIMEOUT(window->results(), kRunMs);
    QVERIFY2(window->windowTitle().endsWith(QStringLiteral(" 1296 MHz")), qPrintable(window->windowTitle()));
    const QString lowest = window->summary().last()->text();
    QVERIFY2(lowest.endsWith(QStringLiteral(" at 1331.64 MHz")), qPrintable(lowest));
  }

  // The tuning lines write their numbers in the locale's digits, as the
  // summary does; a file's name stays as it is.
  void tuningInTheLocalesDigits() {
    QLocale::setDefault(QLocale(QLocale::Persian, QLocale::Iran));
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    QVERIFY(window->tuning()->loadMeasurement(QStringLiteral(QUILL_TEST_DATA "/measured-146mhz-ma75.s1p")));
    QCOMPARE(window->tuning()->measuredLine()->text(),
             QStringLiteral("Measured lowest SWR ۱٫۰۶ at ۱۴۷٫۰۹۵ MHz on ۵۰ ohms "
                            "(measured-146mhz-ma75.s1p, ۴۱ points)."));
    const QLabel* line = window->tuning()->spreadLine();
    QTRY_VERIFY_WITH_TIMEOUT(line->text().contains(QStringLiteral(" has run ")), kRunMs);
    const QRegularExpression counts(
        QStringLiteral("^Cutting within ±۳ mm: nec2c has run [۰-۹]+ of ۳۲ copies…$"));
    QVERIFY2(counts.match(line->text()).hasMatch(), qPrintable(line->text()));
    window->close();
  }

  // A bad value says why and runs nothing.
  void badValuesRunNothing_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("said");
    QTest::newRow("diameter not a number") << "six"
                                           << "50"
                                           << "The tube diameter is not a number.";
    QTest::newRow("reference 0") << "6"
                                 << "0"
                                 << "reference impedance must be a number of ohms greater than 0";
  }
  void badValuesRunNothing() {
    QFETCH(QString, diameter);
    QFETCH(QString, reference);
    QFETCH(QString, said);
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    test::FakeNec2c fake(FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    window->reference()->setText(reference);
    type(window->diameter(), diameter);
    QVERIFY2(window->status()->text().contains(said), qPrintable(window->status()->text()));
    QVERIFY(!window->run()->running());
    QVERIFY(!window->results());
    QCOMPARE(fake.pid(), 0);
  }

  // A failure is one sentence naming nec2c, in the window (test_model_command
  // has every one); the window's run has its own clock.
  void failuresAreSaid_data() {
    QTest::addColumn<int>("how");  // a FakeNec, or -1 for none on PATH
    QTest::addColumn<QString>("said");
    QTest::newRow("no nec2c") << -1 << "The model needs nec2c: sudo apt install nec2c";
    QTest::newRow("a hang") << int(FakeNec::Hang) << "nec2c took longer than 0.5 s and was stopped.";
  }
  void failuresAreSaid() {
    QFETCH(int, how);
    QFETCH(QString, said);
    test::FakeNec2c fake(how < 0 ? FakeNec::Hang : FakeNec(how));
    QTemporaryDir empty;
    test::ModelEnvironment environment(how < 0 ? empty.path() : fake.folder());
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    window->run()->setTimeLimit(std::chrono::milliseconds(500));
    window->runModel();
    QTRY_COMPARE_WITH_TIMEOUT(window->status()->text(), said, kRunMs);
    QVERIFY(!window->busy()->isVisible());
    QVERIFY(!window->results());
    QVERIFY(!fake.alive());
    QCOMPARE(environment.leftOver(), QStringList());
  }

  // While nec2c works, the main window calculates and the model window takes
  // input; a new calculation replaces the run, and closing ends it.
  void staysResponsiveAndClosingEndsNec2c() {
    test::FakeNec2c fake(FakeNec::Hang);
    test::ModelEnvironment environment(fake.folder());
    calculate(form, QStringLiteral("146"));
    ModelWindow* window = open();
    QTRY_VERIFY(fake.alive());
    const qint64 first = fake.pid();
    QVERIFY(window->busy()->isVisible());
    calculate(form, QStringLiteral("50.1"));
    QCOMPARE(form->resultBox(ResultBox::Text4)->text(), QStringLiteral("124.0719"));
    QCOMPARE(window->diameter()->text(), QStringLiteral("17.5"));
    QTRY_VERIFY(fake.pid() != first && fake.alive());
    QVERIFY(window->run()->running());
    QVERIFY2(::kill(pid_t(first), 0) != 0, "the replaced run's nec2c still runs");
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!app::ModelWindow());
    QVERIFY2(!fake.alive(), "nec2c still runs after the window closed");
    QCOMPARE(environment.leftOver(), QStringList());
  }
};

QTEST_MAIN(TestModelWindow)
#include "test_model_window.moc"
