// --help and --version answer on stdout and exit before any window or display
// is needed; --frequency calculates without a window, printing the results
// or writing the plan; every other argument leaves the start-up as it was.
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include "app/commandline.h"
#include "calc/format.h"
#include "exact.h"
#include "examples.h"
#include "results_check.h"
#include "run_program.h"

namespace {

const QString kVersionLine = QStringLiteral("quillcalc " QUILLCALC_TEST_VERSION "\n");

enum class Reply { None, Help, Version };

using quill::test::Run;
using quill::test::RunProgram;

// The keys scripts read; they never change.
const QStringList kKeys{"reflector_horizontal",
                        "reflector_vertical",
                        "driven_horizontal",
                        "driven_vertical",
                        "d1_horizontal",
                        "d1_vertical",
                        "d2_horizontal",
                        "d2_vertical",
                        "d3_dn_horizontal",
                        "d3_dn_vertical",
                        "spacing_reflector_driven",
                        "spacing_driven_d1",
                        "spacing_d1_d2",
                        "spacing_directors"};

void checkHelp(const QString& text) {
  QVERIFY2(text.startsWith(QStringLiteral("Usage: quillcalc [options]\n")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("--help")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("--version")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("INCHES or CM")), qPrintable(text));
  QVERIFY2(!text.contains(QStringLiteral("--help-all")), qPrintable(text));
  QVERIFY2(text.endsWith(QLatin1Char('\n')), qPrintable(text));
}

}  // namespace

Q_DECLARE_METATYPE(Reply)
Q_DECLARE_METATYPE(quill::Unit)
Q_DECLARE_METATYPE(const quill::test::AllBoxes*)

class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  void reply_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Reply>("expected");
    const QString program = QStringLiteral("/usr/bin/quillcalc");
    QTest::newRow("none") << QStringList{program} << Reply::None;
    QTest::newRow("--version") << QStringList{program, "--version"} << Reply::Version;
    QTest::newRow("-v") << QStringList{program, "-v"} << Reply::Version;
    QTest::newRow("--help") << QStringList{program, "--help"} << Reply::Help;
    QTest::newRow("-h") << QStringList{program, "-h"} << Reply::Help;
    QTest::newRow("--help-all is not offered") << QStringList{program, "--help-all"} << Reply::None;
    QTest::newRow("help wins over version") << QStringList{program, "--version", "--help"} << Reply::Help;
    QTest::newRow("unknown option") << QStringList{program, "--frobnicate"} << Reply::None;
    QTest::newRow("unknown before --version")
        << QStringList{program, "--frobnicate", "--version"} << Reply::Version;
    QTest::newRow("a file from a launcher") << QStringList{program, "notes.txt"} << Reply::None;
    QTest::newRow("version after --") << QStringList{program, "--", "--version"} << Reply::None;
    // Qt's own single-dash options are words, not bundles holding -v or -h.
    QTest::newRow("-reverse") << QStringList{program, "-reverse"} << Reply::None;
    QTest::newRow("-platformtheme") << QStringList{program, "-platformtheme", "gtk3"} << Reply::None;
    QTest::newRow("-stylesheet") << QStringList{program, "-stylesheet=dark.qss"} << Reply::None;
    QTest::newRow("-platform") << QStringList{program, "-platform", "offscreen"} << Reply::None;
    QTest::newRow("-vh") << QStringList{program, "-vh"} << Reply::None;
  }
  void reply() {
    QFETCH(QStringList, arguments);
    QFETCH(Reply, expected);
    const std::optional<QString> reply = quill::app::CommandLineReply(arguments);
    QCOMPARE(reply.has_value(), expected != Reply::None);
    if (expected == Reply::Version) QCOMPARE(*reply, kVersionLine);
    if (expected == Reply::Help) checkHelp(*reply);
  }

  // The built program itself, with no display of any kind to reach.
  void programAnswersWithoutDisplay_data() {
    QTest::addColumn<QString>("argument");
    QTest::newRow("--version") << QStringLiteral("--version");
    QTest::newRow("--help") << QStringLiteral("--help");
  }
  void programAnswersWithoutDisplay() {
    QFETCH(QString, argument);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(QUILLCALC_TEST_PROGRAM), {argument});
    QVERIFY2(program.waitForFinished(30000), "the program did not end by itself");
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QByteArray err = program.readAllStandardError();
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QVERIFY2(err.isEmpty(), err.constData());
    if (argument == QLatin1String("--version")) {
      QCOMPARE(out, kVersionLine);
    } else {
      checkHelp(out);
    }
  }

  // The three listings for the worked examples, in both units.
  void listings_data() {
    QTest::addColumn<QString>("format");
    QTest::addColumn<quill::Unit>("unit");
    QTest::addColumn<const quill::test::AllBoxes*>("example");
    for (const QString format : {"text", "csv", "json"}) {
      QTest::addRow("%s in", qPrintable(format)) << format << quill::Unit::Inches << &quill::test::k144Inches;
      QTest::addRow("%s cm", qPrintable(format))
          << format << quill::Unit::Centimetres << &quill::test::k144Centimetres;
    }
  }
  void listings() {
    QFETCH(QString, format);
    QFETCH(quill::Unit, unit);
    QFETCH(const quill::test::AllBoxes*, example);
    const QString symbol = unit == quill::Unit::Inches ? "in" : "cm";
    const Run run = RunProgram({"--frequency", quill::test::k144, "--unit", symbol, "--format", format});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const auto& names = quill::ui::form1::dimensionNames();
    QCOMPARE(QString::fromStdString(names[std::size_t(quill::ResultBox::Text4)]),
             QStringLiteral("Reflector horizontal length"));

    if (format == "text") {
      quill::test::CheckResultsText(run.out,
                                    unit == quill::Unit::Inches ? "Quillbeam for 144 MHz, in inches"
                                                                : "Quillbeam for 144 MHz, in centimetres",
                                    *example);
    } else if (format == "csv") {
      const QStringList rows = run.out.split('\n', Qt::SkipEmptyParts);
      QVERIFY(rows.size() > 15);
      QCOMPARE(rows[0], QStringLiteral("key,name,value,unit"));
      QCOMPARE(rows[15], QStringLiteral("elements,Number of elements,3,"));
      for (int i = 0; i < kKeys.size(); ++i) {
        const quill::ResultBox box = quill::kDimensions[std::size_t(i)].box;
        QCOMPARE(rows[i + 1], QStringList({kKeys[i], QString::fromStdString(names[std::size_t(box)]),
                                           quill::test::Shown(*example, box), symbol})
                                  .join(','));
      }
    } else {
      QJsonParseError error;
      const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
      QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
      QCOMPARE(json.keys(), QStringList({"boom", "boom_length", "dimensions", "elements", "frequency_mhz",
                                         "leg_total", "pieces", "tube_total", "unit"}));
      QCOMPARE(json["frequency_mhz"].toDouble(), 144.0);
      QCOMPARE(json["unit"].toString(), symbol);
      const QJsonArray dimensions = json["dimensions"].toArray();
      QCOMPARE(dimensions.size(), kKeys.size());
      quill::DesignValues record;
      const quill::Calculation calculation = quill::Calculate(record, quill::test::k144, unit);
      for (int i = 0; i < kKeys.size(); ++i) {
        const QJsonObject dimension = dimensions[i].toObject();
        const quill::ResultBox box = quill::kDimensions[std::size_t(i)].box;
        QCOMPARE(dimension["key"].toString(), kKeys[i]);
        QCOMPARE(dimension["name"].toString(), QString::fromStdString(names[std::size_t(box)]));
        QCOMPARE(dimension["text"].toString(), QString::fromLatin1(quill::test::Shown(*example, box)));
        // The number reads back to the very float the box shows.
        const auto stored = std::find_if(calculation.begin(), calculation.end(),
                                         [box](const quill::BoxWrite& w) { return w.box == box; });
        QUILL_EXACT(float(dimension["value"].toDouble()), stored->value);
      }
    }
  }

  // --elements 5: the marks add up the spacings the listing gives, in
  // double precision, to seven digits; the pieces are the element lengths.
  void elementsListing_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("boomLength");  // "": not written out
    QTest::newRow("146 MHz in") << "146"
                                << "in"
                                << "68.7452";
    QTest::newRow("432 MHz cm") << "432"
                                << "cm"
                                << "";
  }
  void elementsListing() {
    QFETCH(QString, frequency);
    QFETCH(QString, unit);
    QFETCH(QString, boomLength);
    const Run run =
        RunProgram({"--frequency", frequency, "--unit", unit, "--elements", "5", "--format", "json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QCOMPARE(json["elements"].toInt(), 5);
    QMap<QString, double> values;
    for (const QJsonValue dimension : json["dimensions"].toArray())
      values[dimension["key"].toString()] = dimension["value"].toDouble();
    const auto sevenDigits = [](double sum) { return std::stod(quill::FormatSignificant(sum)); };

    const QJsonArray boom = json["boom"].toArray();
    const QStringList marks{"reflector", "driven", "d1", "d2", "d3"};
    const QStringList spacings{"spacing_reflector_driven", "spacing_driven_d1", "spacing_d1_d2",
                               "spacing_directors"};
    QCOMPARE(boom.size(), marks.size());
    double position = 0;
    for (int i = 0; i < boom.size(); ++i) {
      if (i > 0) position += values[spacings[i - 1]];
      QCOMPARE(boom[i]["element"].toString(), marks[i]);
      QUILL_EXACT(boom[i]["position"].toDouble(), sevenDigits(position));
    }
    QUILL_EXACT(json["boom_length"].toDouble(), sevenDigits(position));
    if (!boomLength.isEmpty()) QUILL_EXACT(json["boom_length"].toDouble(), boomLength.toDouble());

    QStringList pieces;
    double totals[2] = {0, 0};
    for (const QJsonValue piece : json["pieces"].toArray()) {
      const QString key = piece["key"].toString();
      pieces << key + ' ' + QString::number(piece["count"].toInt());
      const bool tube = key.endsWith("_tube");
      const QString dimension = key.section('_', 0, -2) + (tube ? "_horizontal" : "_vertical");
      QUILL_EXACT(piece["length"].toDouble(), values[dimension]);
      totals[tube ? 0 : 1] += piece["count"].toInt() * piece["length"].toDouble();
    }
    QCOMPARE(pieces.join(", "),
             QStringLiteral("reflector_tube 1, reflector_leg 2, driven_tube 1, driven_leg 2, "
                            "d1_tube 1, d1_leg 2, d2_tube 1, d2_leg 2, d3_dn_tube 1, "
                            "d3_dn_leg 2"));
    QUILL_EXACT(json["tube_total"].toDouble(), sevenDigits(totals[0]));
    QUILL_EXACT(json["leg_total"].toDouble(), sevenDigits(totals[1]));
  }

  // A failed calculation says so on stderr only; bad usage names the problem.
  void exits_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QString byZero = "Run-time error '11': Division by zero\n";
    QTest::newRow("zero") << QStringList{"--frequency", "0"} << 3 << byZero;
    QTest::newRow("empty text") << QStringList{"--frequency", "", "--format", "json"} << 3 << byZero;
    QTest::newRow("no number") << QStringList{"--frequency", "MHz"} << 3 << byZero;
    QTest::newRow("overflow") << QStringList{"--frequency", "1e39", "--unit", "cm"} << 3
                              << "Run-time error '6': Overflow\n";
    QTest::newRow("unknown unit") << QStringList{"--frequency", "144", "--unit", "mm"} << 2 << "'mm'";
    QTest::newRow("unknown format") << QStringList{"--frequency", "144", "--format", "xml"} << 2 << "'xml'";
    QTest::newRow("plan without frequency")
        << QStringList{"--plan", "x.pdf"} << 2 << "--plan needs --frequency";
    QTest::newRow("11 elements") << QStringList{"--frequency", "144", "--elements", "11", "--format", "json"}
                                 << 2 << "--elements: \"11\" is not a whole number from 3 to 10";
    QTest::newRow("2 elements") << QStringList{"--frequency", "144", "--elements", "2", "--plan", "x.pdf"}
                                << 2 << "\"2\" is not a whole number from 3 to 10";
    QTest::newRow("unit without frequency") << QStringList{"--unit", "cm"} << 2 << "--unit needs --frequency";
    QTest::newRow("frequency without value") << QStringList{"--frequency"} << 2 << "--frequency";
    QTest::newRow("unknown option") << QStringList{"--frequency", "144", "-reverse"} << 2 << "'reverse'";
    QTest::newRow("stray argument") << QStringList{"--frequency", "144", "MHz"} << 2 << "'MHz'";
  }
  void exits() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = RunProgram(arguments);
    QCOMPARE(run.exitCode, status);
    QVERIFY2(run.out.isEmpty(), qPrintable(run.out));
    if (status == 3) {
      QCOMPARE(run.err, message);
    } else {
      QVERIFY2(run.err.startsWith("quillcalc: ") && run.err.contains(message), qPrintable(run.err));
    }
  }

  // --plan: one page, vectors and embedded fonts, both units' values as text;
  // a failed calculation writes nothing and leaves an earlier file alone.
  void plan() {
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.pdf");
    Run run = RunProgram({"--frequency", quill::test::k144, "--plan", path});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.out.isEmpty() && run.err.isEmpty(), qPrintable(run.out + run.err));
    quill::test::CheckPlan144(path, "A4", quill::Unit::Inches);  // the C locale measures in metric
    if (QTest::currentTestFailed()) return;

    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    run = RunProgram({"--frequency", "0", "--plan", path, "--unit", "cm"});
    QCOMPARE(run.exitCode, 3);
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("earlier"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"plan.pdf"});
  }

  // Ten elements on one page, every mark with both tape readings: D8 at
  // 169.8411 in ("169 13/16") and 431.3964 cm (4314 mm), the boom's length.
  void planForTenElements() {
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.pdf");
    const Run run = RunProgram({"--frequency", "146", "--elements", "10", "--plan", path});
    QCOMPARE(run.exitCode, 0);
    quill::test::CheckPlanFits(path);
    const quill::test::PdfFacts pdf = quill::test::ReadPdf(path);
    QCOMPARE(pdf.pages, 1);
    for (const char* word : {"169.8411", "431.3964", "4314"}) QVERIFY2(pdf.words.count(word) == 2, word);
    QVERIFY(pdf.words.contains("D8"));
    QVERIFY(pdf.words.contains("13/16"));
  }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
