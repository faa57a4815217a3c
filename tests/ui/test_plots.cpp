// The model window's plots: values land where the scales say, the marks sit
// on the points they mark, and nothing nec2c or a broken run can hand over
// (no power, NaN, infinities, an empty or one-point sweep) breaks the
// painting or spills a curve out of its plot.
#include <QImage>
#include <QTest>
#include <cmath>

#include "calc/necresults.h"
#include "ui/common/numbers.h"
#include "ui/model/plots.h"
#include "ui/model/plots_draw.h"

using namespace quill;
using namespace quill::ui;
using namespace quill::ui::plots;

namespace {

bool near(QRgb a, QRgb b, int tolerance = 40) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Five steps around 146 MHz, uneven so that the design frequency is not the
// middle of the plot, the lowest SWR above it at 147.5 MHz, and a beam's
// pattern with a null behind it.
nec::Results beam() {
  nec::Results results;
  results.designFrequencyMHz = 146;
  results.sweep = {{140, 30, -80, 4.6, 7, 12},
                   {143, 40, -60, 2.9, 7.3, 13},
                   {146, 58.8, -41.9, 2.16, 7.75, 14.8},
                   {147.5, 49, 1, 1.03, 7.9, 15},
                   {149, 70, 40, 2.2, 7.6, 13}};
  for (double az = 0; az <= 360; az += 5)
    results.pattern.push_back({az, az == 180 ? -999.99 : 7.75 - 10 * (1 - std::cos(az * M_PI / 180)) / 2});
  results.pattern[90 / 5].gainDbi = -10;  // a notch at 90, to tell left from right
  return results;
}

QImage paint(QWidget& plot) {
  plot.resize(640, 360);
  return plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Pixels of the curves' colour outside `inside`.
int strays(const QImage& image, const std::function<bool(QPoint)>& inside) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (!inside({x, y}) && near(image.pixel(x, y), kCurveColour)) ++count;
  return count;
}

}  // namespace

Q_DECLARE_METATYPE(nec::Results)

class TestPlots : public QObject {
  Q_OBJECT

 private slots:
  void scales_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("swrFraction");
    QTest::addColumn<double>("patternFraction");  // with the outer ring at 10 dBi
    QTest::newRow("SWR 1 at the bottom, 1 dBi") << 1.0 << 0.0 << 0.775;
    QTest::newRow("SWR 10 at the top, 10 dBi on the outer ring") << 10.0 << 1.0 << 1.0;
    QTest::newRow("SWR 2, 2 dBi") << 2.0 << std::log10(2.0) << 0.8;
    QTest::newRow("below 1, -30 dBi at the centre") << -30.0 << 0.0 << 0.0;
    QTest::newRow("-50 dBi, below the centre") << -50.0 << 0.0 << 0.0;
    QTest::newRow("SWR 100 runs off the top, but not far") << 100.0 << kSwrOffScale << 1.0;
    QTest::newRow("no power") << -999.99 << 0.0 << 0.0;
    QTest::newRow("infinity") << double(INFINITY) << kSwrOffScale << 0.0;
    QTest::newRow("-infinity") << double(-INFINITY) << 0.0 << 0.0;
    QTest::newRow("NaN") << double(NAN) << double(NAN) << 0.0;
  }
  void scales() {
    QFETCH(double, value);
    QFETCH(double, swrFraction);
    QFETCH(double, patternFraction);
    const double swr = SwrFraction(value);
    QVERIFY2(std::isnan(swrFraction) ? std::isnan(swr) : std::abs(swr - swrFraction) < 1e-12,
             qPrintable(QString::number(swr)));
    QCOMPARE(PatternFraction(value, 10), patternFraction);
  }

  void patternOuterRing() {
    auto outer = [](std::vector<double> gains) {
      std::vector<nec::PatternPoint> pattern;
      for (const double gain : gains) pattern.push_back({0, gain});
      return PatternOuter(pattern);
    };
    QCOMPARE(outer({7.75, -999.99, 2}), 10.0);
    QCOMPARE(outer({2.15, 2.15}), 5.0);
    QCOMPARE(outer({-3, NAN, INFINITY}), 0.0);  // the non-finite values are left out
    QVERIFY(std::isnan(outer({-999.99, -999.99})));
    QVERIFY(std::isnan(outer({})));
  }

  void axisNumbers_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("most");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("146 MHz, ±5 %") << "C" << 138.7 << 153.3 << 7 << QStringList{"140", "145", "150"};
    QTest::newRow("50.1 MHz, German")
        << "de_DE" << 47.6 << 52.6 << 10
        << QStringList{"48,0", "48,5", "49,0", "49,5", "50,0", "50,5", "51,0", "51,5", "52,0", "52,5"};
    QTest::newRow("1296 MHz, no group separator")
        << "en_US" << 1231.2 << 1360.8 << 3 << QStringList{"1250", "1300", "1350"};
    QTest::newRow("Persian digits") << "fa_IR" << -45.0 << 45.0 << 5
                                    << QStringList{"\u200e\u2212۴۰", "\u200e\u2212۲۰", "۰", "۲۰", "۴۰"};
  }
  void axisNumbers() {
    QFETCH(QString, locale);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, most);
    QFETCH(QStringList, labels);
    const double step = NiceStep(high - low, most);
    QStringList texts;
    for (const double tick : Ticks(low, high, step))
      texts << FixedNumber(QLocale(locale), tick, DecimalsFor(step));
    QCOMPARE(texts, labels);
  }

  // The design frequency's dashed line and the lowest point's mark, found in
  // the painted plot where the layout puts them.
  void swrMarks() {
    ui::SwrPlot plot;
    const nec::Results results = beam();
    plot.setResults(results);
    const QImage image = paint(plot);
    const FrequencyFrame frame = SwrLayout(plot, results);
    QVERIFY(frame.usable());
    // The sweep spans the plot across, SWR 1 to 10 upwards.
    QCOMPARE(frame.x(140), frame.area.left());
    QCOMPARE(frame.x(149), frame.area.right());
    QCOMPARE(SwrY(frame.area, 1), frame.area.bottom());
    QCOMPARE(SwrY(frame.area, 10), frame.area.top());
    const int design = int(frame.x(146)), top = int(frame.area.top()), bottom = int(frame.area.bottom());
    int ink = 0;
    for (int y = top + 1; y < bottom; ++y)
      ink += near(image.pixel(design, y), plot.palette().text().color().rgb());
    QVERIFY2(ink > (bottom - top) / 3, qPrintable(QString::number(ink)));
    const QPoint lowest(int(frame.x(147.5)), int(SwrY(frame.area, 1.03)));
    QVERIFY(near(image.pixel(lowest), kMarkColour, 10));
    // The curve passes through the first point, at the left edge.
    const QPoint first(int(frame.x(140)) + 1, int(SwrY(frame.area, 4.6)));
    QVERIFY(near(image.pixel(first), kCurveColour));
  }

  // The maximum's mark at azimuth 0 at the top, 90 on the left (NEC's
  // azimuth turns anticlockwise seen from above), and the no-power direction
  // at the centre.
  void patternMarks() {
    ui::PatternPlot plot;
    const nec::Results results = beam();
    plot.setResults(results);
    const QImage image = paint(plot);
    const PolarFrame frame = PatternLayout(plot, results);
    QCOMPARE(frame.outerDbi, 10.0);
    // 7.75 dBi is 37.75 dB above the centre's -30, of the 40 to the outer ring.
    const QPointF maximum = frame.centre - QPointF(0, frame.radius * 37.75 / 40);
    QVERIFY(near(image.pixel(maximum.toPoint()), kMarkColour, 10));
    const QPointF left = frame.centre - QPointF(frame.radius * 20 / 40, 0);  // -10 dBi at 90
    QVERIFY(near(image.pixel(left.toPoint()), kCurveColour));
    // Behind the beam the curve dips to the centre, not past it.
    QVERIFY(near(image.pixel(frame.centre.toPoint()), kCurveColour));
  }

  // GNOME's dark theme gives a mid as dark as its base: the grid must show all the same.
  void gridShowsOnDark() {
    const QColor ink(0xf0f0f0), face(0x323232), base(0x242424);
    ui::SwrPlot plot;
    plot.setPalette(QPalette(ink, face, face.lighter(150), face.darker(150), face.darker(120), ink, Qt::white,
                             base, face));
    plot.setResults(beam());
    const QImage image = paint(plot);
    const FrequencyFrame frame = SwrLayout(plot, beam());
    // The grid line at SWR 5, near the right end, where the curve is far below it.
    const int x = int(frame.area.left() + 0.9 * frame.area.width()), y = int(SwrY(frame.area, 5));
    int brightest = 0;
    for (int dy = -1; dy <= 1; ++dy) brightest = std::max(brightest, qGray(image.pixel(x, y + dy)));
    QVERIFY2(brightest - qGray(base.rgb()) >= 25, qPrintable(QString::number(brightest)));
  }

  void wildResultsStayInside_data() {
    QTest::addColumn<nec::Results>("results");
    nec::Results wild = beam();
    wild.sweep.front().swr = 30;
    wild.sweep.back().swr = INFINITY;
    wild.sweep[1] = {143, NAN, -INFINITY, NAN, NAN, NAN};
    wild.sweep[0].r = 1e300;
    wild.sweep[3].x = -1e300;
    for (std::size_t i = 0; i < wild.pattern.size(); i += 2) wild.pattern[i].gainDbi = -999.99;
    wild.pattern[1].gainDbi = NAN;
    wild.pattern[3].gainDbi = -INFINITY;
    wild.pattern[5].azimuthDeg = NAN;
    QTest::newRow("wild") << wild;
    nec::Results silent = beam();
    for (nec::PatternPoint& point : silent.pattern) point.gainDbi = -999.99;
    QTest::newRow("no power anywhere") << silent;
    nec::Results one;
    one.sweep = {{146, 50, 0, 1, 2.15, 0}};
    one.pattern = {{0, 2.15}};
    QTest::newRow("one point") << one;
    nec::Results nothing;
    nothing.sweep = {{NAN, NAN, NAN, NAN, NAN, NAN}};
    QTest::newRow("no number at all") << nothing;
    nec::Results huge;
    huge.sweep = {{-1e308, 1e308, -1e308, 1e308, 0, 0}, {0, 0, 0, 1, 0, 0}, {1e308, -1e308, 1e308, 1, 0, 0}};
    huge.pattern = {{-1e308, 1e308}, {1e308, -1e308}};
    QTest::newRow("numbers past any scale") << huge;
    QTest::newRow("empty") << nec::Results();
  }
  void wildResultsStayInside() {
    QFETCH(nec::Results, results);
    ui::SwrPlot swr;
    ui::ImpedancePlot impedance;
    ui::PatternPlot pattern;
    swr.setResults(results);
    impedance.setResults(results);
    pattern.setResults(results);
    // Nothing of the curves' colour outside the plots, but for the impedance
    // plot's legend in the row above it, right of the middle.
    for (auto [plot, area, legend] :
         {std::tuple<QWidget*, QRectF, bool>{&swr, SwrLayout(swr, results).area, false},
          {&impedance, ImpedanceLayout(impedance, results).frequency.area, true}}) {
      const QImage image = paint(*plot);
      const QRect allowed = area.toAlignedRect().adjusted(-3, -3, 3, 3);
      const QRectF row(area.center().x(), 0, plot->width(), area.top());
      QCOMPARE(strays(image, [&](QPoint p) { return allowed.contains(p) || (legend && row.contains(p)); }),
               0);
    }
    const QImage image = paint(pattern);
    const PolarFrame frame = PatternLayout(pattern, results);
    QCOMPARE(strays(image, [&](QPoint p) { return QLineF(frame.centre, p).length() <= frame.radius + 3; }),
             0);
  }

  void clearEmpties() {
    ui::SwrPlot swr;
    ui::ImpedancePlot impedance;
    ui::PatternPlot pattern;
    for (QWidget* plot : std::initializer_list<QWidget*>{&swr, &impedance, &pattern}) {
      QVERIFY(!plot->accessibleName().isEmpty() && !plot->accessibleDescription().isEmpty());
    }
    swr.setResults(beam());
    impedance.setResults(beam());
    pattern.setResults(beam());
    swr.clear();
    impedance.clear();
    pattern.clear();
    for (QWidget* plot : std::initializer_list<QWidget*>{&swr, &impedance, &pattern})
      QCOMPARE(strays(paint(*plot), [](QPoint) { return false; }), 0);
  }
};

QTEST_MAIN(TestPlots)
#include "test_plots.moc"
