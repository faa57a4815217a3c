// The NEC-2 model: its wires are the calculator's numbers, its source is at
// the driven element's left corner, bad requests are refused, and Debian's
// nec2c runs its decks.
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <limits>

#include "calc/format.h"
#include "calc/necdeck.h"
#include "calc/necmodel.h"
#include "exact.h"

using namespace quill;
using nec::Point;
using nec::Problem;
using nec::Wire;

Q_DECLARE_METATYPE(quill::nec::Problem)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

constexpr double kMetresPerInch = 0.0254;
const char kProgram[] = "quillcalc 1.0.0";

// The boxes that size element `i` and the spacing in front of it, in the
// window's terms.
struct Boxes {
  ResultBox horizontal, vertical, spacing;
};
Boxes boxesOf(int i) {
  using enum ResultBox;
  static const Boxes kFirst[] = {
      {Text4, Text9, Text5}, {Text6, Text10, Text5}, {Text8, Text11, Text7}, {Text17, Text21, Text12}};
  return i < 4 ? kFirst[i] : Boxes{Text19, Text23, Text14};
}

// Metres, from the value a box shows.
double metres(const Calculation& c, ResultBox box) {
  for (const BoxWrite& w : c) {
    if (w.box == box) return double(w.value) * kMetresPerInch;
  }
  return std::numeric_limits<double>::quiet_NaN();
}

QStringList cards(const std::string& deck, const char* name) {
  QStringList found;
  for (const QString& line : QString::fromStdString(deck).split(QLatin1Char('\n'))) {
    if (line.startsWith(QLatin1String(name))) found << line;
  }
  return found;
}

// The wires as nec2c reads them from the deck.
// Equal to the precision of the design's numbers, which are floats.
bool asDesigned(double actual, double expected) {
  return std::abs(actual - expected) <= 2 * std::numeric_limits<float>::epsilon() * std::abs(expected);
}

// The wires in metres, as nec2c reads them: the GW cards scaled by GS.
QList<Wire> readWires(const std::string& deck, double* radius) {
  const QStringList gs = cards(deck, "GS ");
  const double scale = gs.size() == 1 ? gs[0].split(QLatin1Char(' ')).value(3).toDouble() : 1;
  QList<Wire> wires;
  for (const QString& card : cards(deck, "GW ")) {
    const QStringList f = card.split(QLatin1Char(' '));
    auto n = [&f, scale](int i) { return f[i].toDouble() * scale; };
    wires.append({f[1].toInt(), f[2].toInt(), {n(3), n(4), n(5)}, {n(6), n(7), n(8)}});
    *radius = n(9);
  }
  return wires;
}

Point along(const Wire& w, double share) {
  return {w.from.x + (w.to.x - w.from.x) * share, w.from.y + (w.to.y - w.from.y) * share,
          w.from.z + (w.to.z - w.from.z) * share};
}

// The deck with one card changed so that nec2c would fail on it.
enum class Break { NoCE, NoRP, NoEX, SourceTag, SourceSegment, ZeroLength, NoRadius, ShortSegments, NoEN };

std::string broken(const std::string& deck, Break how) {
  QStringList lines = QString::fromStdString(deck).split(QLatin1Char('\n'));
  for (QString& line : lines) {
    QStringList f = line.split(QLatin1Char(' '));
    const bool gw5 = f[0] == QLatin1String("GW") && f[1] == QLatin1String("5");
    if ((how == Break::NoCE && f[0] == QLatin1String("CE")) ||
        (how == Break::NoRP && f[0] == QLatin1String("RP")) ||
        (how == Break::NoEX && f[0] == QLatin1String("EX")) ||
        (how == Break::NoEN && f[0] == QLatin1String("EN"))) {
      line.clear();
    } else if (how == Break::SourceTag && f[0] == QLatin1String("EX")) {
      f[2] = QStringLiteral("99");
    } else if (how == Break::SourceSegment && f[0] == QLatin1String("EX")) {
      f[3] = QStringLiteral("99");
    } else if (how == Break::ZeroLength && gw5) {
      f[6] = f[3], f[7] = f[4], f[8] = f[5];
    } else if (how == Break::NoRadius && gw5) {
      f[9] = QStringLiteral("0");
    } else if (how == Break::ShortSegments && gw5) {
      f[2] = QStringLiteral("200");
    }
    if (!line.isEmpty()) line = f.join(QLatin1Char(' '));
  }
  return lines.join(QLatin1Char('\n')).toStdString();
}

}  // namespace

Q_DECLARE_METATYPE(Break)

class TestNec : public QObject {
  Q_OBJECT

  void designs() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<std::optional<double>>("diameter");
    QTest::addColumn<int>("elements");
    QTest::newRow("146 MHz, 3 elements, 6 mm") << "146" << std::optional(6.0) << 3;
    QTest::newRow("432 MHz, 5 elements, default tube") << "432" << std::optional<double>() << 5;
    QTest::newRow("50.1 MHz, 10 elements, 20 mm") << "50.1" << std::optional(20.0) << 10;
    QTest::newRow("1296 MHz, 4 elements, 4 mm") << "1296" << std::optional(4.0) << 4;
  }

 private slots:
  void wiresAreTheCalculatorsNumbers_data() { designs(); }
  void wiresAreTheCalculatorsNumbers() {
    QFETCH(QString, frequency);
    QFETCH(std::optional<double>, diameter);
    QFETCH(int, elements);
    const nec::Outcome outcome = nec::BuildModel(frequency.toStdString(), diameter, elements);
    QVERIFY2(outcome.model, outcome.message.c_str());
    const std::string deck = nec::Deck(*outcome.model, kProgram);
    DesignValues scratch;
    const Calculation inches = Calculate(scratch, frequency.toStdString(), Unit::Inches);

    double radius = 0;
    const QList<Wire> wires = readWires(deck, &radius);
    QCOMPARE(wires.size(), 3 * elements);
    const double longest = 299.792458 / frequency.toDouble() / 20;
    for (const Wire& w : wires) {
      const double piece = w.length() / w.segments;
      QVERIFY2(piece <= longest, "a segment longer than a twentieth of a wavelength");
      QVERIFY2(w.segments == 1 || w.length() / (w.segments - 1) > longest, "more segments than needed");
      QVERIFY2(piece >= 4 * radius, "a segment shorter than four radii");
    }
    for (int i = 0; i < elements; ++i) {
      const Wire &leftLeg = wires[3 * i], &tube = wires[3 * i + 1], &rightLeg = wires[3 * i + 2];
      const Boxes boxes = boxesOf(i);
      const double horizontal = metres(inches, boxes.horizontal);
      // One path up the left leg, along the tube and down the right leg,
      // with joints that meet exactly.
      QVERIFY(leftLeg.to == tube.from);
      QVERIFY(tube.to == rightLeg.from);
      QVERIFY2(leftLeg.to.z == 0 && leftLeg.from.z < 0 && rightLeg.to.z < 0, "legs hanging down");
      QVERIFY2(tube.from.y < tube.to.y, "the tube runs from the left corner");
      // The free leg ends are the horizontal length apart, each leg is as
      // long as its box, and the element holds twice its horizontal length.
      // To the design's own precision: single-precision inches.
      QVERIFY(asDesigned(rightLeg.to.y - leftLeg.from.y, horizontal));
      QUILL_EXACT(leftLeg.from.x, rightLeg.to.x);
      QUILL_EXACT(leftLeg.from.z, rightLeg.to.z);
      QVERIFY(asDesigned(leftLeg.length(), metres(inches, boxes.vertical)));
      QVERIFY(asDesigned(rightLeg.length(), metres(inches, boxes.vertical)));
      QVERIFY(asDesigned(leftLeg.length() + tube.length() + rightLeg.length(), 2 * horizontal));
      QVERIFY2(leftLeg.from.x == tube.to.x, "an element stands across the boom");
      if (i > 0) {
        const double spacing = tube.from.x - wires[3 * i - 2].from.x;
        QVERIFY2(
            asDesigned(tube.from.x, wires[3 * i - 2].from.x + metres(inches, boxes.spacing)),
            qPrintable(QStringLiteral("element %1 stands %2 m from the one before").arg(i).arg(spacing)));
      }
      // The comments give each dimension as its box shows it.
      for (ResultBox box : {boxes.horizontal, boxes.vertical}) {
        float value = float(metres(inches, box) / kMetresPerInch);
        QVERIFY(QString::fromStdString(deck).contains(QString::fromStdString(FormatDimension(value))));
      }
    }

    // The source is the driven element's segment at its left corner.
    const QStringList ex = cards(deck, "EX ");
    QCOMPARE(ex.size(), 1);
    const int tag = ex[0].split(QLatin1Char(' '))[2].toInt(),
              segment = ex[0].split(QLatin1Char(' '))[3].toInt();
    QVERIFY2(tag >= 4 && tag <= 6, "the source is not on the driven element");
    const Wire& fed = wires[tag - 1];
    const Point corner = wires[3].to;  // where the driven element's left leg meets its tube
    QVERIFY(corner.y < 0);
    QVERIFY2(along(fed, double(segment - 1) / fed.segments) == corner ||
                 along(fed, double(segment) / fed.segments) == corner,
             "the source segment does not touch the left corner");

    const QString text = QString::fromStdString(deck);
    for (const char* said :
         {kProgram, "MHz", "mm in diameter", "free-space", "boom", "coax", "choke", "insulator", "ground"}) {
      QVERIFY2(text.contains(QLatin1String(said)), said);
    }
    QVERIFY2(nec::DeckFault(deck).empty(), nec::DeckFault(deck).c_str());
  }

  void refusals_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<int>("elements");
    QTest::addColumn<Problem>("problem");
    QTest::addColumn<QString>("said");
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = HUGE_VAL;
    QTest::newRow("diameter 0") << "146" << 0.0 << 3 << Problem::Diameter << "greater than 0";
    QTest::newRow("diameter negative") << "146" << -6.0 << 3 << Problem::Diameter << "greater than 0";
    QTest::newRow("diameter not a number") << "146" << nan << 3 << Problem::Diameter << "not a number";
    QTest::newRow("diameter infinite") << "146" << inf << 3 << Problem::Diameter << "not a number";
    QTest::newRow("diameter too thick") << "146" << 50.0 << 3 << Problem::Diameter << "too thick";
    QTest::newRow("too thick for 1296 MHz") << "1296" << 6.0 << 3 << Problem::Diameter << "too thick";
    QTest::newRow("2 elements") << "146" << 6.0 << 2 << Problem::Elements << "from 3 to 10";
    QTest::newRow("11 elements") << "146" << 6.0 << 11 << Problem::Elements << "from 3 to 10";
    QTest::newRow("frequency 1E-30") << "1E-30" << 6.0 << 3 << Problem::Frequency
                                     << "built for 1 MHz to 30 GHz";
    QTest::newRow("diameter 4.9E-324") << "146" << 4.9e-324 << 3 << Problem::Diameter << "too thin";
    QTest::newRow("diameter 1E-300") << "146" << 1e-300 << 3 << Problem::Diameter << "too thin";
    QTest::newRow("negative frequency")
        << "-146" << 6.0 << 3 << Problem::Frequency << "built for 1 MHz to 30 GHz, not for -146 MHz.";
    QTest::newRow("below 1 MHz") << "0.99" << 6.0 << 3 << Problem::Frequency << "not for 0.99 MHz";
    QTest::newRow("above 30 GHz") << "30001" << 6.0 << 3 << Problem::Frequency << "not for 30001 MHz";
    QTest::newRow("frequency 0") << "0" << 6.0 << 3 << Problem::Calculation << "Division by zero";
    QTest::newRow("no frequency") << "" << 6.0 << 3 << Problem::Calculation << "Division by zero";
    QTest::newRow("frequency overflows") << "1E39" << 6.0 << 3 << Problem::Calculation << "Overflow";
  }
  void refusals() {
    QFETCH(QString, frequency);
    QFETCH(double, diameter);
    QFETCH(int, elements);
    QFETCH(Problem, problem);
    QFETCH(QString, said);
    const nec::Outcome outcome = nec::BuildModel(frequency.toStdString(), diameter, elements);
    QVERIFY(!outcome.model);
    QCOMPARE(outcome.problem, problem);
    QVERIFY2(QString::fromStdString(outcome.message).contains(said), outcome.message.c_str());
    // The calculation's errors are those "INCHES" reports for the same text.
    DesignValues scratch;
    QCOMPARE(outcome.error, Calculate(scratch, frequency.toStdString(), Unit::Inches).error);
  }

  // The thickest tube a refusal names can be modelled; a little more cannot.
  void thickestNamedTubeIsModelled_data() {
    QTest::addColumn<double>("frequency");
    QTest::newRow("146 MHz") << 146.0;
    QTest::newRow("432 MHz") << 432.0;
  }
  void thickestNamedTubeIsModelled() {
    QFETCH(double, frequency);
    const nec::Outcome refusal = nec::BuildModel(frequency, 1000.0, 10);
    const QRegularExpressionMatch named = QRegularExpression(QStringLiteral("At most ([0-9.]+) mm"))
                                              .match(QString::fromStdString(refusal.message));
    QVERIFY2(named.hasMatch(), refusal.message.c_str());
    const double thickest = named.captured(1).toDouble();
    QVERIFY(nec::BuildModel(frequency, thickest, 10).model);
    QVERIFY(!nec::BuildModel(frequency, thickest * 1.01, 10).model);
    // And the thinnest.
    const nec::Outcome thin = nec::BuildModel(frequency, 1e-9, 10);
    const QRegularExpressionMatch limits =
        QRegularExpression(QStringLiteral("From ([0-9.e-]+) to ([0-9.]+) mm"))
            .match(QString::fromStdString(thin.message));
    QVERIFY2(limits.hasMatch() && limits.captured(2).toDouble() == thickest, thin.message.c_str());
    const double thinnest = limits.captured(1).toDouble();
    QVERIFY(nec::BuildModel(frequency, thinnest, 10).model);
    QVERIFY(!nec::BuildModel(frequency, thinnest * 0.99, 10).model);
  }

  // Decks that nec2c would stop on, or run without results or with wrong
  // ones, are caught before they are written.
  void faultyDecksAreCaught_data() {
    QTest::addColumn<Break>("how");
    QTest::addColumn<QString>("said");
    QTest::newRow("no CE") << Break::NoCE << "no CE";
    QTest::newRow("no RP") << Break::NoRP << "no RP";
    QTest::newRow("no EX") << Break::NoEX << "no EX";
    QTest::newRow("EX on a missing wire") << Break::SourceTag << "wire that does not exist";
    QTest::newRow("EX on a missing segment") << Break::SourceSegment << "segment that does not exist";
    QTest::newRow("a wire of no length") << Break::ZeroLength << "no length";
    QTest::newRow("a wire of no radius") << Break::NoRadius << "no radius";
    QTest::newRow("segments shorter than four radii") << Break::ShortSegments << "four times";
    QTest::newRow("no EN") << Break::NoEN << "no EN";
  }
  void faultyDecksAreCaught() {
    QFETCH(Break, how);
    QFETCH(QString, said);
    const std::string deck = nec::Deck(*nec::BuildModel("146", 6.0, 3).model, kProgram);
    QVERIFY(nec::DeckFault(deck).empty());
    const QString fault = QString::fromStdString(nec::DeckFault(broken(deck, how)));
    QVERIFY2(fault.contains(said), qPrintable(fault));
  }

  // Debian's nec2c runs the decks and gives an input impedance at every
  // frequency of the sweep.
  void nec2cRunsTheDeck_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<int>("elements");
    QTest::newRow("146 MHz, 3 elements") << "146" << 3;
    QTest::newRow("432 MHz, 5 elements") << "432" << 5;
  }
  void nec2cRunsTheDeck() {
    QFETCH(QString, frequency);
    QFETCH(int, elements);
    const QString nec2c = QStandardPaths::findExecutable(QStringLiteral("nec2c"));
    QVERIFY2(!nec2c.isEmpty(), "nec2c is not installed (script/bootstrap --test installs it)");
    QTemporaryDir dir;
    const QString in = dir.filePath(QStringLiteral("beam.nec")),
                  out = dir.filePath(QStringLiteral("beam.out"));
    QFile file(in);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(
        nec::Deck(*nec::BuildModel(frequency.toStdString(), std::nullopt, elements).model, kProgram).c_str());
    file.close();

    QProcess run;
    run.start(nec2c, {QStringLiteral("-i") + in, QStringLiteral("-o") + out});
    QVERIFY2(run.waitForFinished(120000), "nec2c did not finish");
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QCOMPARE(run.exitCode(), 0);
    QFile result(out);
    QVERIFY(result.open(QIODevice::ReadOnly));
    const QString text = QString::fromLatin1(result.readAll());
    // Each step's table: a heading, two lines of column names, then the
    // source's line: tag, segment, voltage, current, impedance (real, imaginary).
    const QRegularExpression table(
        QStringLiteral("ANTENNA INPUT PARAMETERS[^\\n]*\\n[^\\n]*\\n[^\\n]*\\n([^\\n]*)"));
    int steps = 0;
    for (const QRegularExpressionMatch& m : table.globalMatch(text)) {
      const QStringList f = m.captured(1).simplified().split(QLatin1Char(' '));
      QCOMPARE(f.size(), 11);
      QCOMPARE(f[0], QStringLiteral("5"));  // the driven element's tube
      QVERIFY2(f[6].toDouble() > 0, qPrintable(m.captured(1)));
      ++steps;
    }
    QCOMPARE(steps, nec::kSweepFrequencies);
  }
};

QTEST_GUILESS_MAIN(TestNec)
#include "test_nec.moc"
