// The floating-point status the calculation keeps: which faults become which
// run-time error, and that they stay set once raised.
#include <QTest>
#include <cmath>
#include <limits>

#include "calc/arithmetic.h"

using namespace quill;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

int errorNumber(const Arithmetic& math) {
  const std::optional<RunTimeError> error = math.check();
  return error ? error->number : 0;
}

}  // namespace

class TestArithmetic : public QObject {
  Q_OBJECT

 private slots:
  // One operation and a store of its result; 0 for no error.
  void oneOperation_data() {
    QTest::addColumn<double>("a");
    QTest::addColumn<char>("op");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("error");
    QTest::newRow("ordinary quotient") << 492.0 << '/' << 144.0 << 0;
    QTest::newRow("ordinary product") << 3.4166667 << '*' << 12.0 << 0;
    QTest::newRow("division by zero") << 492.0 << '/' << 0.0 << 11;
    QTest::newRow("negative by zero") << -492.0 << '/' << 0.0 << 11;
    QTest::newRow("by minus zero") << 492.0 << '/' << -0.0 << 11;
    QTest::newRow("zero by zero is an overflow") << 0.0 << '/' << 0.0 << 6;
    QTest::newRow("NaN by zero is an overflow") << kNaN << '/' << 0.0 << 6;
    QTest::newRow("double overflow") << 1e308 << '*' << 10.0 << 6;
    QTest::newRow("double overflow by division") << 1e308 << '/' << 1e-10 << 6;
    QTest::newRow("beyond single when stored") << 1e38 << '*' << 10.0 << 6;
    QTest::newRow("negative beyond single") << -1e38 << '*' << 10.0 << 6;
    QTest::newRow("largest single fits") << double(std::numeric_limits<float>::max()) << '*' << 1.0 << 0;
    QTest::newRow("infinite operand stored") << kInf << '*' << 2.0 << 6;
    QTest::newRow("infinite factor stored") << 2.0 << '*' << kInf << 6;
    QTest::newRow("by infinity is zero") << 492.0 << '/' << kInf << 0;
    QTest::newRow("underflow is no fault") << 1e-30 << '*' << 1e-30 << 0;
    QTest::newRow("below single is no fault") << 1e-50 << '/' << 1.0 << 0;
  }
  void oneOperation() {
    QFETCH(double, a);
    QFETCH(char, op);
    QFETCH(double, b);
    QFETCH(int, error);
    Arithmetic math;
    math.store(op == '/' ? math.divide(a, b) : math.multiply(a, b));
    QCOMPARE(errorNumber(math), error);
  }

  // A fault stays raised through later good operations, and division by
  // zero is reported ahead of an overflow, whichever came first.
  void faultsAreSticky() {
    Arithmetic math;
    math.store(math.multiply(1e38, 10));
    math.store(math.divide(1, 4));
    QCOMPARE(errorNumber(math), 6);
    math.store(math.divide(1, 0));
    math.store(math.multiply(2, 3));
    QCOMPARE(errorNumber(math), 11);
  }
};

QTEST_MAIN(TestArithmetic)
#include "test_arithmetic.moc"
