// The boom with its ends, the mast point and the stock to buy, worked out
// by hand for small antennas of round numbers.
#include <QTest>

#include "calc/elements.h"
#include "calc/workshop.h"
#include "exact.h"

using namespace quill;

class TestWorkshop : public QObject {
  Q_OBJECT

 private slots:
  // Three elements 10 apart; tubes cut 10, 8 and 6, legs 5, 4 and 3; boom
  // ends of 5. The boom (30, its middle at 15) and each element (tube and
  // two legs, at 5, 15 and 25) balance at (30*15 + 20*5 + 16*15 + 12*25) /
  // (30 + 20 + 16 + 12) = 1090 / 78 from the boom's end.
  void mastPoint() {
    Assembly assembly;
    assembly.elements = 3;
    assembly.boomLength = 20;
    const double tubes[] = {10, 8, 6}, legs[] = {5, 4, 3};
    for (int i = 0; i < 3; ++i) {
      assembly.boom.push_back({"", "", 10.0 * i});
      assembly.pieces.push_back({"", "", 1, 0, kElementSizes[std::size_t(i)].horizontal, false, tubes[i]});
      assembly.pieces.push_back({"", "", 2, 0, kElementSizes[std::size_t(i)].vertical, true, legs[i]});
    }
    const Boom boom = PlanBoom(assembly, 5);
    QUILL_EXACT(boom.cut, 30.0);
    QUILL_EXACT(boom.marks[2], 25.0);
    QUILL_EXACT(boom.mastPoint, 1090.0 / 78);
  }

  // As few stock lengths as hold the pieces, each then as short as will do.
  void stock_data() {
    QTest::addColumn<Unit>("unit");
    QTest::addColumn<QList<double>>("pieces");
    QTest::addColumn<QString>("bought");
    QTest::newRow("two bins, one shortened")
        << Unit::Inches << QList<double>{30, 100, 40, 50} << "12 ft 1, 8 ft 1";
    QTest::newRow("all in one short length") << Unit::Centimetres << QList<double>{40, 50} << "1 m 1";
    QTest::newRow("one too long") << Unit::Centimetres << QList<double>{310, 150} << "2 m 1, longer 310";
    QTest::newRow("longest first") << Unit::Inches << QList<double>{60, 60, 80, 80} << "12 ft 2";
    QTest::newRow("exactly full") << Unit::Centimetres << QList<double>{150, 150} << "3 m 1";
  }
  void stock() {
    QFETCH(Unit, unit);
    QFETCH(QList<double>, pieces);
    QFETCH(QString, bought);
    const Purchase purchase = BuyStock({pieces.begin(), pieces.end()}, unit);
    QStringList listed;
    for (const auto& [stock, count] : purchase.lengths)
      listed << QStringLiteral("%1 %2").arg(QString::fromStdString(stock.name)).arg(count);
    for (const double piece : purchase.longer) listed << QStringLiteral("longer %1").arg(piece);
    QCOMPARE(listed.join(", "), bought);
  }
};

QTEST_GUILESS_MAIN(TestWorkshop)
#include "test_workshop.moc"
