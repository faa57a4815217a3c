// From the values to the antenna that is built: the boom's marks, the
// pieces to cut and what a tape measure reads.
#include <QTest>

#include "calc/build.h"
#include "calc/format.h"
#include "exact.h"

using namespace quill;

namespace {

BoxValues valuesAt(float frequencyMHz, Unit unit) {
  DesignValues scratch;
  return ValuesOf(CalculateFrequency(scratch, frequencyMHz, unit));
}

}  // namespace

class TestBuild : public QObject {
  Q_OBJECT

 private slots:
  // 146 MHz in inches: the spacings as stored (the shortest texts that read
  // back to them) are 20.219177, 12.131506, 16.175343 and 20.219177; each
  // mark adds the next one in double precision.
  void boomFor5Elements() {
    constexpr double s1 = 20.219177f, s2 = 12.131506f, s3 = 16.175343f, s4 = 20.219177f;
    const double positions[] = {0, s1, s1 + s2, s1 + s2 + s3, s1 + s2 + s3 + s4};
    const char* shown[] = {"0", "20.21918", "32.35068", "48.52603", "68.7452"};
    const char* keys[] = {"reflector", "driven", "d1", "d2", "d3"};
    const Assembly assembly = Assemble(valuesAt(146, Unit::Inches), 5, 0.375);
    QCOMPARE(assembly.boom.size(), std::size(positions));
    for (std::size_t i = 0; i < assembly.boom.size(); ++i) {
      QCOMPARE(assembly.boom[i].key, std::string(keys[i]));
      QUILL_EXACT(assembly.boom[i].position, positions[i]);
      QCOMPARE(FormatSignificant(assembly.boom[i].position), std::string(shown[i]));
    }
    QUILL_EXACT(assembly.boomLength, positions[4]);
  }

  // Each element one tube and two legs; D3 to Dn share one size.
  void pieces_data() {
    QTest::addColumn<int>("elements");
    QTest::addColumn<QString>("pieces");
    QTest::addColumn<QString>("lastMark");
    // clang-format off
    const QString three = "reflector_tube 1, reflector_leg 2, driven_tube 1, driven_leg 2, d1_tube 1, d1_leg 2";
    QTest::newRow("3") << 3 << three << "d1";
    QTest::newRow("4") << 4 << three + ", d2_tube 1, d2_leg 2" << "d2";
    QTest::newRow("5") << 5 << three + ", d2_tube 1, d2_leg 2, d3_dn_tube 1, d3_dn_leg 2" << "d3";
    QTest::newRow("10") << 10 << three + ", d2_tube 1, d2_leg 2, d3_dn_tube 6, d3_dn_leg 12" << "d8";
    // clang-format on
  }
  void pieces() {
    QFETCH(int, elements);
    QFETCH(QString, pieces);
    QFETCH(QString, lastMark);
    const BoxValues values = valuesAt(146, Unit::Centimetres);
    const Assembly assembly = Assemble(values, elements, 1);
    QStringList listed;
    double tubes = 0, legs = 0;
    for (const Piece& piece : assembly.pieces) {
      listed << QStringLiteral("%1 %2").arg(QString::fromStdString(piece.key)).arg(piece.count);
      QUILL_EXACT(piece.length, values[std::size_t(piece.box)]);
      (piece.key.ends_with("_tube") ? tubes : legs) += piece.count * piece.cut;
    }
    QCOMPARE(listed.join(", "), pieces);
    QCOMPARE(int(assembly.boom.size()), elements);
    QCOMPARE(QString::fromStdString(assembly.boom.back().key), lastMark);
    QUILL_EXACT(assembly.tubeTotal, tubes);
    QUILL_EXACT(assembly.legTotal, legs);
  }

  // A tube is cut with the allowance at both ends, a leg at its top only;
  // the allowance is one length, whichever unit the plan is in.
  void cutLengths_data() {
    QTest::addColumn<float>("frequency");
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<int>("elements");
    QTest::addColumn<double>("allowanceMm");  // 0: the unit's default
    QTest::addColumn<double>("allowance");    // in the unit
    QTest::addColumn<QString>("reflectorCut");
    QTest::addColumn<QString>("lastLegCut");
    // clang-format off
    QTest::newRow("146 in, default 3/8") << 146.f << Unit::Inches << 6 << 0.0 << 0.375 << "43.32534" << "18.04623";
    QTest::newRow("146 cm, default 10 mm") << 146.f << Unit::Centimetres << 3 << 0.0 << 1.0 << "110.1414" << "46.25027";
    QTest::newRow("432 cm, 10 mm") << 432.f << Unit::Centimetres << 6 << 10.0 << 1.0 << "38.54778" << "16.16944";
    QTest::newRow("432 in, 10 mm") << 432.f << Unit::Inches << 10 << 10.0 << 10 / 25.4 << "15.17629" << "6.365923";
    QTest::newRow("50 in, none") << 50.f << Unit::Inches << 4 << 1e-300 << 0.0 << "124.32" << "51.81";
    // clang-format on
  }
  void cutLengths() {
    QFETCH(float, frequency);
    QFETCH(Unit, unit);
    QFETCH(int, elements);
    QFETCH(double, allowanceMm);
    QFETCH(double, allowance);
    QFETCH(QString, reflectorCut);
    QFETCH(QString, lastLegCut);
    const EndAllowance chosen = allowanceMm > 0 ? AllowanceMillimetres(allowanceMm) : DefaultAllowance(unit);
    QVERIFY2(std::fabs(chosen.in(unit)-allowance) < 1e-12,
             qPrintable(QString::number(chosen.in(unit), 'g', 17)));
    const BoxValues values = valuesAt(frequency, unit);
    const Assembly assembly = Assemble(values, elements, chosen.in(unit));
    for (const Piece& piece : assembly.pieces)
      QUILL_EXACT(piece.cut, piece.length + (piece.leg ? 1 : 2) * chosen.in(unit));
    QCOMPARE(QString::fromStdString(FormatSignificant(assembly.pieces.front().cut)), reflectorCut);
    QCOMPARE(QString::fromStdString(FormatSignificant(assembly.pieces.back().cut)), lastLegCut);
  }

  // The nearest sixteenth, reduced; an exact thirty-second goes up (away
  // from zero); the nearest millimetre.
  void tapeReadings_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("inches");
    QTest::addColumn<QString>("millimetres");
    // One row to a line, as a table.
    // clang-format off
    QTest::newRow("reflector at 146 MHz") << double(42.575344f) << "42 9/16" << "426";
    QTest::newRow("exact sixteenth") << 17.8125 << "17 13/16" << "178";
    QTest::newRow("quarter reduces") << 20.25 << "20 1/4" << "203";
    QTest::newRow("half reduces") << 35.49 << "35 1/2" << "355";
    QTest::newRow("eighth reduces") << 12.13151 << "12 1/8" << "121";
    QTest::newRow("just below a whole inch") << 17.97 << "18" << "180";
    QTest::newRow("a thirty-second below 18") << 17.96875 << "18" << "180";
    QTest::newRow("a thirty-second goes up") << 17.90625 << "17 15/16" << "179";
    QTest::newRow("just under that") << 17.968749 << "17 15/16" << "180";
    QTest::newRow("whole") << 5.0 << "5" << "50";
    QTest::newRow("fraction only") << 0.07 << "1/16" << "1";
    QTest::newRow("nearly zero") << 0.03 << "0" << "0";
    QTest::newRow("millimetre rounds up") << 108.1414 << "108 1/8" << "1081";
    QTest::newRow("millimetre rounds down") << 54.07069 << "54 1/16" << "541";
    QTest::newRow("negative") << -20.25 << "-20 1/4" << "-203";
    QTest::newRow("negative fraction") << -0.5 << "-1/2" << "-5";
    QTest::newRow("beyond any tape") << 2.952e10 << "\u2014" << "\u2014";
    QTest::newRow("infinite") << double(INFINITY) << "\u2014" << "\u2014";
    // clang-format on
  }
  void tapeReadings() {
    QFETCH(double, value);
    QFETCH(QString, inches);
    QFETCH(QString, millimetres);
    QCOMPARE(QString::fromStdString(TapeInches(value)), inches);
    QCOMPARE(QString::fromStdString(TapeMillimetres(value)), millimetres);
  }
};

QTEST_GUILESS_MAIN(TestBuild)
#include "test_build.moc"
