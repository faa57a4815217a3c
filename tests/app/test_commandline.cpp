// --help and --version answer on stdout and exit before any window or display
// is needed; --frequency calculates without a window, printing the results
// or writing the plan; every other argument leaves the start-up as it was.
#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "exact.h"
#include "examples.h"
#include "results_check.h"
#include "run_program.h"

namespace {

const QString kVersionLine = QStringLiteral("quillcalc " QUILLCALC_TEST_VERSION "\n");

using Action = quill::app::Request::Action;

using quill::test::Run;
using quill::test::RunProgram;

// The keys scripts read, in their order, each with the box of the design
// whose value it carries; they never change.
struct Key {
  const char* key;
  quill::ResultBox box;
};
constexpr Key kKeys[] = {
    {"reflector_horizontal", quill::ResultBox::Text4},
    {"reflector_vertical", quill::ResultBox::Text9},
    {"driven_horizontal", quill::ResultBox::Text6},
    {"driven_vertical", quill::ResultBox::Text10},
    {"d1_horizontal", quill::ResultBox::Text8},
    {"d1_vertical", quill::ResultBox::Text11},
    {"d2_horizontal", quill::ResultBox::Text17},
    {"d2_vertical", quill::ResultBox::Text21},
    {"d3_dn_horizontal", quill::ResultBox::Text19},
    {"d3_dn_vertical", quill::ResultBox::Text23},
    {"spacing_reflector_driven", quill::ResultBox::Text5},
    {"spacing_driven_d1", quill::ResultBox::Text7},
    {"spacing_d1_d2", quill::ResultBox::Text12},
    {"spacing_directors", quill::ResultBox::Text14},
};
constexpr int kKeyCount = int(std::size(kKeys));

void checkHelp(const QString& text) {
  QVERIFY2(text.startsWith(QStringLiteral("Usage: quillcalc [options]\n")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("--help")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("--version")), qPrintable(text));
  QVERIFY2(text.contains(QStringLiteral("INCHES or CM")), qPrintable(text));
  QVERIFY2(!text.contains(QStringLiteral("--help-all")), qPrintable(text));
  QVERIFY2(text.endsWith(QLatin1Char('\n')), qPrintable(text));
}

}  // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(quill::Unit)
Q_DECLARE_METATYPE(const quill::test::AllBoxes*)

class TestCommandLine : public QObject {
  Q_OBJECT

 private slots:
  // What the command line asks for: Qt's own options are left for Qt and
  // start the windows; anything else unknown is bad usage.
  void reply_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("expected");
    const QString program = QStringLiteral("/usr/bin/quillcalc");
    auto row = [&](const char* name, const QStringList& arguments, Action action) {
      QTest::newRow(name) << QStringList{program} + arguments << action;
    };
    row("none", {}, Action::Windows);
    row("--version", {"--version"}, Action::Version);
    row("-v", {"-v"}, Action::Version);
    row("--help", {"--help"}, Action::Help);
    row("-h", {"-h"}, Action::Help);
    row("--help-all is not offered", {"--help-all"}, Action::BadUsage);
    row("help wins over version", {"--version", "--help"}, Action::Help);
    row("unknown option", {"--frobnicate"}, Action::BadUsage);
    row("unknown before --version", {"--frobnicate", "--version"}, Action::Version);
    row("a file from a launcher", {"notes.txt"}, Action::BadUsage);
    row("version after --", {"--", "--version"}, Action::BadUsage);
    // Qt's own single-dash options are words, not bundles holding -v or -h,
    // and their values are theirs.
    row("-reverse", {"-reverse"}, Action::Windows);
    row("-platformtheme", {"-platformtheme", "gtk3"}, Action::Windows);
    row("-stylesheet=", {"-stylesheet=dark.qss"}, Action::Windows);
    row("-platform", {"-platform", "offscreen"}, Action::Windows);
    row("--display", {"--display", ":1", "-name", "beam", "-nograb"}, Action::Windows);
    row("-style taking -v as its value", {"-style", "-v"}, Action::Windows);
    row("-platform=, which Qt does not read", {"-platform=xcb"}, Action::BadUsage);
    row("-vh", {"-vh"}, Action::BadUsage);
    row("--nec's file named like Qt's option", {"--frequency", "1", "--nec", "-reverse"}, Action::Calculate);
  }
  void reply() {
    QFETCH(QStringList, arguments);
    QFETCH(Action, expected);
    const quill::app::Request request = quill::app::ParseCommandLine(arguments);
    QCOMPARE(request.action, expected);
    if (expected == Action::Version) QCOMPARE(request.reply, kVersionLine);
    if (expected == Action::Help) checkHelp(request.reply);
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
      for (int i = 0; i < kKeyCount; ++i) {
        const quill::ResultBox box = kKeys[i].box;
        QCOMPARE(rows[i + 1], QStringList({kKeys[i].key, QString::fromStdString(names[std::size_t(box)]),
                                           quill::test::Shown(*example, box), symbol})
                                  .join(','));
      }
    } else {
      QJsonParseError error;
      const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8(), &error).object();
      QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
      QCOMPARE(json.keys(), QStringList({"allowance", "boom", "boom_length", "dimensions", "elements",
                                         "frequency_mhz", "leg_total", "pieces", "tube_total", "unit"}));
      QCOMPARE(json["frequency_mhz"].toDouble(), 144.0);
      QCOMPARE(json["unit"].toString(), symbol);
      const QJsonArray dimensions = json["dimensions"].toArray();
      QCOMPARE(dimensions.size(), kKeyCount);
      quill::DesignValues record;
      const quill::Calculation calculation = quill::Calculate(record, quill::test::k144, unit);
      for (int i = 0; i < kKeyCount; ++i) {
        const QJsonObject dimension = dimensions[i].toObject();
        const quill::ResultBox box = kKeys[i].box;
        QCOMPARE(dimension["key"].toString(), QString::fromLatin1(kKeys[i].key));
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
      QUILL_EXACT(piece["centre_length"].toDouble(), values[dimension]);
      // The stored float, as the program adds it.
      const double cut = double(float(values[dimension])) + (tube ? 2 : 1) * json["allowance"].toDouble();
      QUILL_EXACT(piece["cut_length"].toDouble(), sevenDigits(cut));
      totals[tube ? 0 : 1] += piece["count"].toInt() * cut;
    }
    QCOMPARE(pieces.join(", "),
             QStringLiteral("reflector_tube 1, reflector_leg 2, driven_tube 1, driven_leg 2, "
                            "d1_tube 1, d1_leg 2, d2_tube 1, d2_leg 2, d3_dn_tube 1, "
                            "d3_dn_leg 2"));
    QUILL_EXACT(json["tube_total"].toDouble(), sevenDigits(totals[0]));
    QUILL_EXACT(json["leg_total"].toDouble(), sevenDigits(totals[1]));
  }

  // Command lines as a script or a hurried typist writes them: the exit
  // status, how standard output starts (nothing, if empty) and all of
  // standard error. Bad usage and typos exit at once, before any display is
  // looked for: without one, the windows would have exited 1.
  void commands_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    const QString f = QStringLiteral("--frequency");
    const QString inches146 = QStringLiteral("Quillbeam for 146 MHz, in inches\n");
    const QString try_ = QStringLiteral(" (Try 'quillcalc --help')\n");
    auto usage = [&](const char* problem) { return "quillcalc: " + QString::fromUtf8(problem) + try_; };
    auto row = [](const char* name) -> QTestData& { return QTest::newRow(name); };

    row("zero") << QStringList{f, "0"} << "" << 3 << ""
                << "quillcalc: Run-time error '11': Division by zero\n";
    row("overflow") << QStringList{f, "1e39", "--unit", "cm"} << "" << 3 << ""
                    << "quillcalc: Run-time error '6': Overflow\n";
    row("MHz after it") << QStringList{f, "146 MHz"} << "" << 0 << inches146 << "";
    row("mhz, no blank") << QStringList{f, "146mhz"} << "" << 0 << inches146 << "";
    row("unit and format in capitals") << QStringList{f, "146", "--unit", "CM", "--format", "JSON"} << "" << 0
                                       << "{\"frequency_mhz\": 146, \"unit\": \"cm\""
                                       << "";
    row("decimal comma, German") << QStringList{f, "146,5"} << "de_DE.UTF-8" << 0
                                 << "Quillbeam for 146.5 MHz, in inches\n"
                                 << "";
    row("Arabic-Indic digits, Egypt") << QStringList{f, "١٤٦"} << "ar_EG.UTF-8" << 0 << inches146 << "";
    row("decimal comma, C") << QStringList{f, "146,5"} << "C.UTF-8" << 2 << ""
                            << usage(
                                   "--frequency: '146,5' is not a number of MHz"
                                   "; write 146.5, with '.' as the decimal point");
    row("decimal comma, English") << QStringList{f, "146,5"} << "en_US.UTF-8" << 2 << ""
                                  << usage(
                                         "--frequency: '146,5' is not a number of MHz"
                                         "; write 146.5, with '.' as the decimal point");
    row("two points") << QStringList{f, "146.5.3"} << "" << 2 << ""
                      << usage("--frequency: '146.5.3' is not a number of MHz");
    row("letters") << QStringList{f, "abc"} << "" << 2 << ""
                   << usage("--frequency: 'abc' is not a number of MHz");
    row("nan") << QStringList{f, "nan"} << "" << 2 << ""
               << usage("--frequency: 'nan' is not a number of MHz");
    row("inf") << QStringList{f, "inf"} << "" << 2 << ""
               << usage("--frequency: 'inf' is not a number of MHz");
    row("empty") << QStringList{f, ""} << "" << 2 << "" << usage("--frequency: '' is not a number of MHz");
    row("unit alone") << QStringList{f, "MHz"} << "" << 2 << ""
                      << usage("--frequency: 'MHz' is not a number of MHz");
    row("frequency without value") << QStringList{f} << "" << 2 << "" << usage("--frequency: needs a value");
    row("typo") << QStringList{"--freqency", "146"} << "" << 2 << "" << usage("--freqency: unknown option");
    row("typo beside Qt's option") << QStringList{"-platform", "offscreen", "--freqency"} << "" << 2 << ""
                                   << usage("--freqency: unknown option");
    row("bare number") << QStringList{"146"} << "" << 2 << ""
                       << usage("146: unexpected argument; did you mean --frequency 146?");
    row("a file") << QStringList{"notes.txt"} << "" << 2 << "" << usage("notes.txt: unexpected argument");
    row("unknown unit") << QStringList{f, "144", "--unit", "mm"} << "" << 2 << ""
                        << usage("--unit: unknown unit 'mm' (use in or cm)");
    row("unknown format") << QStringList{f, "144", "--format", "xml"} << "" << 2 << ""
                          << usage("--format: unknown format 'xml' (use text, csv or json)");
    row("plan without frequency") << QStringList{"--plan", "x.pdf"} << "" << 2 << ""
                                  << usage("--plan: needs --frequency");
    row("Qt's option without a window") << QStringList{f, "144", "-reverse"} << "" << 2 << ""
                                        << usage(
                                               "-reverse: an option for the windows, which --frequency "
                                               "does not open");
    row("stray argument") << QStringList{f, "144", "extra"} << "" << 2 << ""
                          << usage("extra: unexpected argument");
    row("two outputs on stdout") << QStringList{f, "144", "--plan", "-", "--nec", "-"} << "" << 2 << ""
                                 << usage("--nec -: standard output already gets the plan");
    row("diameter with a comma, German")
        << QStringList{f, "146", "--nec", "-", "--diameter", "6,5"} << "de_DE.UTF-8" << 0 << "CM "
        << "";
    // Every option's number is read as --frequency's is, and every usage
    // error says where to look.
    row("diameter, not a number") << QStringList{f, "146", "--nec", "-", "--diameter", "six"} << "" << 2 << ""
                                  << usage("--diameter: 'six' is not a number of millimetres");
    row("diameter with a comma, C") << QStringList{f, "146", "--nec", "-", "--diameter", "6,5"} << "C.UTF-8"
                                    << 2 << ""
                                    << usage(
                                           "--diameter: '6,5' is not a number of millimetres"
                                           "; write 6.5, with '.' as the decimal point");
    row("diameter of no size") << QStringList{f, "146", "--nec", "-", "--diameter", "0"} << "" << 2 << ""
                               << usage("--diameter: the tube diameter must be greater than 0 mm");
    row("Arabic-Indic elements, Egypt") << QStringList{f, "١٤٦", "--elements", "٦", "--format", "json"}
                                        << "ar_EG.UTF-8" << 0 << "{\"frequency_mhz\": 146"
                                        << "";
    row("elements not whole") << QStringList{f, "144", "--elements", "4.5"} << "" << 2 << ""
                              << usage("--elements: '4.5' is not a whole number from 3 to 10");
    row("second frequency") << QStringList{f, "144", f, "432"} << "" << 2 << ""
                            << usage("--frequency: given more than once");
    row("unit for the deck alone")
        << QStringList{f, "144", "--nec", "-", "--unit", "cm"} << "" << 2 << ""
        << usage("--unit: --nec writes no lengths in a unit; add --format or --plan");
    row("unit for the deck's listing")
        << QStringList{f, "144", "--nec", "/dev/null", "--unit", "cm", "--format", "csv"} << "" << 0
        << "key,name,value,unit\n"
        << "";
    row("11 elements") << QStringList{f, "144", "--elements", "11", "--format", "json"} << "" << 2 << ""
                       << usage("--elements: '11' is not a whole number from 3 to 10");
    row("2 elements") << QStringList{f, "144", "--elements", "2", "--plan", "x.pdf"} << "" << 2 << ""
                      << usage("--elements: '2' is not a whole number from 3 to 10");
    // No plan outside 1 MHz to 30 GHz: one line, as the model says it.
    row("plan for -146 MHz")
        << QStringList{f, "-146", "--plan", "x.pdf"} << "" << 2 << ""
        << usage("--frequency: a Quillbeam is built for 1 MHz to 30 GHz, not for -146 MHz");
    row("plan for 31 GHz") << QStringList{f, "31000", "--plan", "x.pdf"} << "" << 2 << ""
                           << usage(
                                  "--frequency: a Quillbeam is built for 1 MHz to 30 GHz, not for 31000 MHz");
    row("allowance below 0") << QStringList{f, "146", "--allowance", "-1"} << "" << 2 << ""
                             << usage("--allowance: '-1' is not 0 mm or more");
    row("allowance, not a number") << QStringList{f, "146", "--allowance", "ten"} << "" << 2 << ""
                                   << usage("--allowance: 'ten' is not a number of millimetres");
    row("allowance with the model")
        << QStringList{f, "146", "--model", "--allowance", "10"} << "" << 2 << ""
        << usage("--allowance: --model cuts no pieces; use it with --plan or the listings");
    row("diameter with the plan") << QStringList{f, "146", "--plan", "/dev/null", "--diameter", "8"} << ""
                                  << 0 << ""
                                  << "";
  }

  // --allowance in millimetres, whatever the unit: 12.7 mm is 1/2 in past
  // each bolt, twice on a tube and once on a leg.
  void allowanceInListing() {
    const Run run = RunProgram({"--frequency", "146", "--allowance", "12.7", "--format", "json"});
    QCOMPARE(run.exitCode, 0);
    const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
    QUILL_EXACT(json["allowance"].toDouble(), 0.5);
    const QJsonArray pieces = json["pieces"].toArray();
    QCOMPARE(pieces[0]["key"].toString(), QStringLiteral("reflector_tube"));
    QUILL_EXACT(pieces[0]["cut_length"].toDouble(), 43.57534);  // 42.57534 + 2 x 0.5
    QUILL_EXACT(pieces[1]["cut_length"].toDouble(), 21.78767);  // 21.28767 + 0.5
  }
  void commands() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run run = RunProgram(arguments, locale);
    QCOMPARE(run.err, err);
    QCOMPARE(run.exitCode, status);
    if (out.isEmpty()) {
      QCOMPARE(run.out, QString());
    } else {
      QVERIFY2(run.out.startsWith(out), qPrintable(run.out.left(200)));
    }
  }

  // Files as Unix tools write them: standard output, a FIFO with a reader
  // and a character device are written in place and keep their type, a
  // link stays a link; a write that fails names the path and the reason.
  // The full device is a private node (as root) or /dev/full, never a
  // replaced one.
  void files_data() {
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    for (const char* option : {"--nec", "--plan"}) {
      QTest::addRow("%s standard output", option) << option << "-" << 0 << "";
      QTest::addRow("%s FIFO", option) << option << "fifo" << 0 << "";
      QTest::addRow("%s link", option) << option << "link" << 0 << "";
      QTest::addRow("%s full device", option) << option << "full" << 1 << "No space left on device";
      QTest::addRow("%s folder", option) << option << "folder" << 1 << "Is a directory";
      QTest::addRow("%s missing folder", option)
          << option << "missing/beam" << 1 << "No such file or directory";
    }
  }
  void files() {
    QFETCH(QString, option);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = target == "-" ? target : dir.filePath(target);
    const QByteArray name = QFile::encodeName(path);
    QProcess reader;
    if (target == "fifo") {
      QCOMPARE(mkfifo(name, 0600), 0);
      reader.start("cat", {path});
      QVERIFY(reader.waitForStarted());
    } else if (target == "link") {
      QCOMPARE(symlink("real", name), 0);
    } else if (target == "folder") {
      QVERIFY(QDir(dir.path()).mkdir(target));
    } else if (target == "full") {
      if (getuid() != 0 || mknod(name, S_IFCHR | 0600, makedev(1, 7)) != 0) path = "/dev/full";
    }
    const Run run = RunProgram({"--frequency", "146", option, path});
    QCOMPARE(run.exitCode, status);
    if (status != 0) {
      QCOMPARE(run.err, "quillcalc: " + option + ": cannot write " + path + ": " + reason + "\n");
      QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    } else {
      QCOMPARE(run.err, QString());
    }
    struct stat after {};
    QByteArray written;
    if (target == "-") {
      written = run.out.toUtf8();
    } else if (target == "fifo") {
      QVERIFY(reader.waitForFinished());
      written = reader.readAllStandardOutput();
      QVERIFY(stat(name, &after) == 0 && S_ISFIFO(after.st_mode));
    } else if (target == "link") {
      QVERIFY(lstat(name, &after) == 0 && S_ISLNK(after.st_mode));
      QFile real(dir.filePath("real"));
      QVERIFY(real.open(QIODevice::ReadOnly));
      written = real.readAll();
    } else if (target == "full") {
      QVERIFY(stat(QFile::encodeName(path), &after) == 0 && S_ISCHR(after.st_mode));
    }
    if (status != 0) return;
    if (option == "--nec") {
      const quill::nec::Outcome model = quill::nec::BuildModel("146", std::nullopt, 3);
      QCOMPARE(written, QByteArray::fromStdString(
                            quill::nec::Deck(*model.model, "quillcalc " QUILLCALC_TEST_VERSION)));
    } else {
      QVERIFY2(written.startsWith("%PDF-") && written.trimmed().endsWith("%%EOF"),
               written.left(40).constData());
    }
  }

  // --plan: one page, vectors and embedded fonts, both units' values as text;
  // a failed calculation writes nothing and leaves an earlier file alone.
  // A PDF on a terminal would fill it with binary noise: refused, as gzip
  // refuses, with nothing written.
  void planNotOnATerminal() {
    const int terminal = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    QVERIFY(terminal >= 0 && grantpt(terminal) == 0 && unlockpt(terminal) == 0);
    QProcess program;
    program.setStandardOutputFile(QString::fromLocal8Bit(ptsname(terminal)));
    program.start(QStringLiteral(QUILLCALC_TEST_PROGRAM), {"--frequency", "146", "--plan", "-"});
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitCode(), 2);
    QCOMPARE(
        QString::fromUtf8(program.readAllStandardError()),
        QStringLiteral("quillcalc: --plan -: standard output is a terminal, which cannot show a PDF; send it "
                       "to a file or a program (Try 'quillcalc --help')\n"));
    char byte = 0;
    QCOMPARE(read(terminal, &byte, 1), ssize_t(-1));  // nothing came
    close(terminal);
  }

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

  // Ten elements on one page of A4 or Letter, every word inside its
  // margins: D8's mark 2 in past 169.8411 in from the reflector (171.8411,
  // "171 13/16"), the same 5.08 cm past 431.3964 cm (436.4764, 4365 mm);
  // the boom cut with both ends (173.8411 in).
  void planForTenElements_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper");
    QTest::newRow("A4") << "C.UTF-8"
                        << "A4";
    QTest::newRow("Letter") << "en_US.UTF-8"
                            << "letter";
  }
  void planForTenElements() {
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    QTemporaryDir dir;
    const QString path = dir.filePath("plan.pdf");
    const Run run = RunProgram({"--frequency", "146", "--elements", "10", "--plan", path}, locale);
    QCOMPARE(run.exitCode, 0);
    quill::test::CheckPlanFits(path);
    const quill::test::PdfFacts pdf = quill::test::ReadPdf(path);
    QCOMPARE(pdf.pages, 1);
    QCOMPARE(pdf.pageSize, paper);
    for (const char* word : {"171.8411", "436.4764", "4365"}) QVERIFY2(pdf.words.count(word) == 1, word);
    // The boom cut, in its table and the buying list, where it is longer
    // than 12 ft stock; D8 drawn and marked.
    QVERIFY(pdf.words.count("173.8411") == 3);
    QVERIFY(pdf.words.count("D8") == 2);
    QVERIFY(pdf.words.contains("13/16"));
  }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
