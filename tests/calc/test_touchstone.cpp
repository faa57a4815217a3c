// Reading analysers' Touchstone files: every form of the option line and of
// the data, the files refused with the line and the reason, and sweeps of
// nec2c's feed impedance written as S11 (tests/data/make-measured.sh) read
// back as R, X and SWR.
#include <QFile>
#include <QTest>
#include <cmath>

#include "calc/measured.h"
#include "calc/necresults.h"

using namespace quill::touchstone;

namespace {

Reading read(const QByteArray& text, const QString& name) {
  return Read(std::string_view(text.constData(), std::size_t(text.size())),
              PortsOfFileName(name.toStdString()));
}

MeasuredSweep measured(const QByteArray& text, double referenceOhms) {
  const Reading reading = read(text, QStringLiteral("x.s1p"));
  return reading.measurement ? Measure(*reading.measurement, referenceOhms) : MeasuredSweep{};
}

}  // namespace

class TestTouchstone : public QObject {
  Q_OBJECT

 private slots:
  // Every file holds 146 and 147 MHz: 147 MHz's S11, and the reference.
  void reads_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("re");
    QTest::addColumn<double>("im");
    QTest::addColumn<double>("ohms");
    const QByteArray s2p = "# MHz S RI R 50\n146 .1 .2 9 9 9 9 9 9\n147 .3 .4 9 9 9 9 9 9\n";
    const QByteArray v2 = "[Version] 2.0\n# MHz S RI R 50\n[Number of Ports] ";
    QTest::newRow("RI, Hz, leading 0")
        << "a.s1p" << QByteArray("# Hz S RI R 50\n0146000000 1 0\n147000000 .3 .4") << .3 << .4 << 50.0;
    QTest::newRow("MA") << "a.s1p" << QByteArray("# MHz S MA R 50\n146 .5 0\n147 .5 90\n") << 0.0 << .5
                        << 50.0;
    QTest::newRow("DB is 20 log") << "a.s1p" << QByteArray("# GHz S DB R 50\n.146 -6 0\n.147 -20 180\n")
                                  << -.1 << 0.0 << 50.0;
    QTest::newRow("the unit alone") << "a" << QByteArray("# kHz\n146000 .5 0\n147000 .5 90\n") << 0.0 << .5
                                    << 50.0;
    QTest::newRow("any order and case")
        << "a.s1p" << QByteArray("# ri s mhz r 75\n146 0 0\n147 .2 .3\n") << .2 << .3 << 75.0;
    QTest::newRow("no option line") << "a.s1p" << QByteArray("0.146 .5 0\n0.147 .5 180\n") << -.5 << 0.0
                                    << 50.0;
    QTest::newRow("a bare #") << "a.s1p" << QByteArray("#\n0.146 .5 0\n0.147 .1 -90\n") << 0.0 << -.1 << 50.0;
    QTest::newRow("indented, comments, later option lines")
        << "a.s1p"
        << QByteArray("! VNA\n\n   # MHz S RI R 50 ! x\n146 .1 0 ! c\n# GHz S MA R 75\n147 .2 .3\n") << .2
        << .3 << 50.0;
    QTest::newRow("CRLF, tabs") << "a.s1p"
                                << QByteArray("# MHz S RI R 50.0 \r\n146\t.1\t0\r\n147\t.2\t.3\t\r\n") << .2
                                << .3 << 50.0;
    QTest::newRow("R a port") << "a.s1p" << QByteArray("# MHz S RI R 75.000000000000 50\n146 0 0\n147 0 0\n")
                              << 0.0 << 0.0 << 75.0;
    QTest::newRow("signs, exponents")
        << "a" << QByteArray("# MHz RI\n1.46e2 +1e-1 -0\n147. +.5 5E-1\n") << .5 << .5 << 50.0;
    QTest::newRow(".s2p") << "a.s2p" << s2p << .3 << .4 << 50.0;
    QTest::newRow("an S2P named .s1p") << "a.s1p" << s2p << .3 << .4 << 50.0;
    QTest::newRow("noise block") << "a.S2P" << s2p + "100 1.5 .5 30 .3\n120 1.6 .5 40 .3\n"
                                 << .3 << .4 << 50.0;
    QTest::newRow("version 2")
        << "a.ts"
        << v2 + "1\n[Number of Frequencies] 2\n[Reference] 75\n[Network Data]\n146 .1 0\n"
                "147 .2 .3\n[End]\nnot read\n"
        << .2 << .3 << 75.0;
    QTest::newRow("version 2, two ports, wrapped")
        << "a.s1p"
        << v2 + "2\n[Two-Port Data Order] 12_21\n[Reference]\n60 50\n[Network Data]\n146 .1 0 1 1\n 1 1 1 1\n"
                "147 .2 .3 1 1 1 1\n1 1\n[Noise Data]\n100 1 .5 30 .3\n[End]\n"
        << .2 << .3 << 60.0;
    QTest::newRow("version 2, lower matrix")
        << "a" << v2 + "2\n[Matrix Format] Lower\n[Network Data]\n146 .1 0 1 1 1 1\n147 .2 .3 1 1 1 1\n"
        << .2 << .3 << 50.0;
  }
  void reads() {
    QFETCH(QString, name);
    QFETCH(QByteArray, text);
    QFETCH(double, re);
    QFETCH(double, im);
    QFETCH(double, ohms);
    const Reading reading = read(text, name);
    QVERIFY2(reading.measurement, Describe(reading.problem, "").c_str());
    const Measurement& m = *reading.measurement;
    QCOMPARE(m.points.size(), std::size_t(2));
    const Point& last = m.points.back();
    QVERIFY2(m.points[0].frequencyMHz == 146 && last.frequencyMHz == 147 && m.referenceOhms == ohms,
             qPrintable(QString::number(last.frequencyMHz)));
    QVERIFY2(std::abs(last.s11 - std::complex<double>(re, im)) < 1e-15,
             qPrintable(QString::number(last.s11.real())));
  }

  // What is said, after the file's name (whose extension gives the ports).
  void refuses_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("said");
    const QByteArray ri = "# MHz S RI R 50\n146 0 0\n";
    const QByteArray v2 = "[Version] 2.0\n[Number of Ports] 2\n";
    const char* notTouchstone = "a.s1p:2: not a Touchstone file: neither an option line (#) nor numbers";
    QTest::newRow("blank") << QByteArray(" \r\n\n") << "a.s1p: the file is empty";
    QTest::newRow("comments") << QByteArray("! x\n# MHz\n") << "a.s1p: the file holds no measurements";
    QTest::newRow("text") << QByteArray("\n<html>\n") << notTouchstone;
    QTest::newRow("binary") << QByteArray("! x\n\x89PNG\r\n\x1a\n", 11) << notTouchstone;
    QTest::newRow("Z") << QByteArray("# MHz Z RI R 1\n")
                       << "a:1: holds Z-parameters; only S-parameters (S11) can be read";
    QTest::newRow("glued") << QByteArray("# HZ S RI RS11r S11i\n")
                           << "a:1: \"RS11r\" in the option line is no unit, parameter, format or R";
    QTest::newRow("time") << QByteArray("# s S RI R 50\n")
                          << "a:1: the option line gives the parameter twice";
    QTest::newRow("R 0") << QByteArray("# R 0\n")
                         << "a:1: a reference impedance of \"0\"; it must be above zero";
    QTest::newRow("R alone") << QByteArray("# R\n") << "a:1: the option line's R has no impedance after it";
    QTest::newRow("4 numbers") << ri + "147 .1 .2 .3\n"
                               << "a.s1p:3: 4 numbers where a one-port line has 3";
    QTest::newRow("3 in .s2p") << ri << "a.s2p:2: 3 numbers where a two-port line has 9";
    QTest::newRow("5, no extension") << QByteArray("1 2 3 4 5\n")
                                     << "a.txt:1: 5 numbers where a line has 3 (one port) or 9 (two ports)";
    QTest::newRow("word") << ri + "147 .1 abc\n"
                          << "a.s1p:3: \"abc\" where a number belongs";
    QTest::newRow("NaN") << ri + "147 nan 0\n"
                         << "a.s1p:3: \"nan\" where a finite number belongs";
    QTest::newRow("inf") << ri + "147 0 -INF\n"
                         << "a.s1p:3: \"-INF\" where a finite number belongs";
    QTest::newRow("hex") << ri + "0x93 0 0\n"
                         << "a.s1p:3: \"0x93\" where a number belongs";
    QTest::newRow("1e999") << ri + "147 1e999 0\n"
                           << "a.s1p:3: \"1e999\" is out of range";
    QTest::newRow("decimal comma")
        << QByteArray("# MHz S RI R 50\n146,5 0,72 -0,1\n")
        << "a.s1p:2: \"146,5\" uses a decimal comma; Touchstone numbers take a point";
    QTest::newRow("repeats") << ri + "\n146 0 0\n"
                             << "a.s1p:4: the frequency repeats line 2's";
    QTest::newRow("falls") << ri + "145 0 0\n"
                           << "a.s1p:3: the frequency falls below line 2's; it must rise";
    QTest::newRow("falls, two ports") << QByteArray("# MHz RI\n2 0 0 0 0 0 0 0 0\n1 0 0 0 0 0 0 0 0\n")
                                      << "a.s2p:3: the frequency falls below line 2's; it must rise";
    QTest::newRow("below zero") << QByteArray("-1 0 0\n") << "a.s1p:1: a frequency below zero";
    QTest::newRow("one point") << ri << "a.s1p: only one frequency; a sweep needs at least two";
    QTest::newRow(".s3p") << ri << "a.s3p: 3 ports, where only one- and two-port files can be read";
    QTest::newRow("keyword in version 1, a control character")
        << ri + "[Number of\x1bPorts] 1\n"
        << "a.s1p:3: [Number of?Ports] belongs in a file that starts with [Version] 2.0";
    QTest::newRow("before [Network Data]") << v2 + "146 0 0\n"
                                           << "a:3: numbers before [Network Data]";
    QTest::newRow("wrapped, cut short") << v2 + "[Network Data]\n1 0 0 0 0\n0 0\n[End]\n"
                                        << "a:4: the frequency's numbers stop after 7 of 9";
    QTest::newRow("[Number of Frequencies]") << QByteArray(
                                                    "[Version] 2.0\n[Number of Ports] 1\n[Number of "
                                                    "Frequencies] 3\n[Network Data]\n1 0 0\n2 0 0\n")
                                             << "a: 2 frequencies where [Number of Frequencies] says \"3\"";
  }
  void refuses() {
    QFETCH(QByteArray, text);
    QFETCH(QString, said);
    const QString name = said.section(QLatin1Char(':'), 0, 0);
    const Reading reading = read(text, name);
    QVERIFY(!reading.measurement);
    QCOMPARE(QString::fromStdString(Describe(reading.problem, name.toStdString())), said);
  }

  // The first point's R, X and SWR against a reference impedance.
  void measures_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("z0");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("swr");
    const double inf = INFINITY, nan = NAN, m = 0.987654321;
    // A magnitude that cos, sin and hypot would not give back exactly.
    QTest::newRow("from |S11| itself") << QByteArray("# MHz MA\n1 0.987654321 37\n2 0 0\n") << 50.0
                                       << 3.083483347694967 << 149.37700863214556 << (1 + m) / (1 - m);
    QTest::newRow("75 ohms on 50") << QByteArray("# MHz RI R 75\n1 0 0\n2 0 0\n") << 50.0 << 75.0 << 0.0
                                   << 1.5;
    QTest::newRow("50 ohms on 75") << QByteArray("# MHz RI\n1 .2 0\n2 0 0\n") << 75.0 << 75.0 << 0.0 << 1.0;
    QTest::newRow("|S11| above 1") << QByteArray("# MHz MA\n1 1.0066 0\n2 0 0\n") << 50.0
                                   << -50 * 2.0066 / .0066 << 0.0 << inf;
    QTest::newRow("... on 75") << QByteArray("# MHz MA\n1 1.0066 30\n2 0 0\n") << 75.0 << -2.4546819854822233
                               << 186.57240852055037 << inf;
    QTest::newRow("an open") << QByteArray("# MHz RI\n1 1 0\n2 0 0\n") << 50.0 << nan << nan << inf;
  }
  void measures() {
    QFETCH(QByteArray, text);
    QFETCH(double, z0);
    QFETCH(double, r);
    QFETCH(double, x);
    QFETCH(double, swr);
    const MeasuredSweep sweep = measured(text, z0);
    QCOMPARE(sweep.points.size(), std::size_t(2));
    const MeasuredPoint& p = sweep.points[0];
    const auto near = [](double a, double b) {
      return std::isnan(b) ? std::isnan(a) : std::abs(a - b) <= 1e-9 * std::abs(b);
    };
    QVERIFY2(near(p.r, r) && near(p.x, x), qPrintable(QStringLiteral("%1 %2").arg(p.r).arg(p.x)));
    QVERIFY2(p.swr == swr || std::abs(p.swr - swr) < 1e-13, qPrintable(QString::number(p.swr, 'g', 17)));
  }

  // The lowest SWR (the first of equals) and whether it is a dip inside.
  void lowest_data() {
    QTest::addColumn<QByteArray>("magnitudes");
    QTest::addColumn<int>("lowest");
    QTest::addColumn<bool>("inside");
    QTest::newRow("a dip") << QByteArray(".5 .2 .2 .5") << 1 << true;
    QTest::newRow("at the end") << QByteArray(".5 .4 .3") << 2 << false;
    QTest::newRow("at the start") << QByteArray(".1 .4 .3") << 0 << false;
    QTest::newRow("off the scale") << QByteArray("1.1 1.1 1.1") << 0 << false;
  }
  void lowest() {
    QFETCH(QByteArray, magnitudes);
    QFETCH(int, lowest);
    QFETCH(bool, inside);
    QByteArray text = "# MHz MA\n";
    for (const QByteArray& magnitude : magnitudes.split(' '))
      text += QByteArray::number(text.count('\n')) + " " + magnitude + " 0\n";
    const MeasuredSweep sweep = measured(text, 50);
    QCOMPARE(int(sweep.lowest), lowest);
    QCOMPARE(sweep.minimumInside(), inside);
  }

  // nec2c's R + jX for a deck with longer legs, written as S11 in three ways,
  // read back to the precision written (9 or 10 digits).
  void nec2cAsMeasured_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("RI, Hz") << "measured-146mhz-ri.s1p";
    QTest::newRow("MA, 75 ohms") << "measured-146mhz-ma75.s1p";
    QTest::newRow("DB, GHz, tabs") << "measured-146mhz-db.s1p";
  }
  void nec2cAsMeasured() {
    QFETCH(QString, file);
    const auto contents = [](const char* name) {
      QFile f(QStringLiteral(QUILL_TEST_DATA "/") + QLatin1String(name));
      return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
    };
    std::vector<double> frequencies;
    for (int i = 0; i < 41; ++i) frequencies.push_back(138.7 + i * 0.365);
    const quill::nec::Reading model =
        quill::nec::ReadResults(contents("nec2c-146mhz-legs+20mm.out"), frequencies, 50);
    QVERIFY2(model.results, model.problem.c_str());
    const Reading reading = read(QByteArray::fromStdString(contents(qPrintable(file))), file);
    QVERIFY2(reading.measurement, reading.problem.what.c_str());
    const MeasuredSweep sweep = Measure(*reading.measurement, 50);
    QCOMPARE(sweep.points.size(), frequencies.size());
    for (std::size_t i = 0; i < frequencies.size(); ++i) {
      const MeasuredPoint& p = sweep.points[i];
      const quill::nec::SweepPoint& n = model.results->sweep[i];
      QVERIFY2(std::abs(p.frequencyMHz - n.frequencyMHz) < 1e-9 && std::abs(p.r - n.r) < 1e-5 &&
                   std::abs(p.x - n.x) < 1e-5 && std::abs(p.swr - n.swr) < 1e-7,
               qPrintable(QStringLiteral("%1: %2 %3 %4").arg(i).arg(p.r).arg(p.x).arg(p.swr)));
    }
    QCOMPARE(&sweep.lowestSwr() - sweep.points.data(),
             &model.results->lowestSwr() - model.results->sweep.data());
    QVERIFY(sweep.minimumInside());
  }
};

QTEST_GUILESS_MAIN(TestTouchstone)
#include "test_touchstone.moc"
