// The listings' edge cases that the worked examples do not reach: values in
// exponent form and with a decimal comma, names that CSV must quote and JSON
// must escape, and numbers JSON cannot hold. The examples themselves are
// checked through the program (test_commandline) and the menu.
#include <QTest>

#include "calc/results.h"

using namespace quill;

namespace {

ResultList twoLines(const std::string& firstName, const std::string& first, const std::string& second) {
  return {"0.0000001",
          1e-7f,
          Unit::Centimetres,
          {{"a", firstName, first, 7.5e10f}, {"b", "B", second, 0.5f}},
          {}};
}

}  // namespace

class TestResults : public QObject {
  Q_OBJECT

 private slots:
  // Decimal separators in one column, whatever the separator and the form.
  void textAlignsDecimalSeparators_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("exponent") << "2.952E+10"
                              << "109.6433"
                              << "."
                              << "Long name    2.952E+10\nB          109.6433\n";
    QTest::newRow("comma") << "-20,5"
                           << "109,6433"
                           << ","
                           << "Long name  -20,5\nB          109,6433\n";
    QTest::newRow("no point") << "7E+10"
                              << "12"
                              << "."
                              << "Long name   7E+10\nB          12\n";
  }
  void textAlignsDecimalSeparators() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    const std::string text = ResultsAsText(twoLines("Long name", first.toStdString(), second.toStdString()),
                                           separator.toStdString());
    QCOMPARE(QString::fromStdString(text), "Quillbeam for 0.0000001 MHz, in centimetres\n" + expected);
  }

  void csvQuotesOnlyWhereNeeded() {
    const std::string csv = ResultsAsCsv(twoLines("The \"rear\" one", "20,5", "1"));
    QCOMPARE(QString::fromStdString(csv),
             QStringLiteral("key,name,value,unit\na,\"The \"\"rear\"\" one\",\"20,5\",cm\nb,B,1,cm\n"));
  }

  void jsonEscapesAndNumbers() {
    ResultList list = twoLines("Say \"D1\"\\\n", "7.5E+10", "0.5");
    list.lines[1].value = std::numeric_limits<float>::infinity();
    const QString json = QString::fromStdString(ResultsAsJson(list));
    QVERIFY2(json.startsWith(QStringLiteral("{\"frequency_mhz\": 1e-07, \"unit\": \"cm\", ")),
             qPrintable(json));
    QVERIFY2(json.contains(QStringLiteral("\"name\": \"Say \\\"D1\\\"\\\\\\u000a\"")), qPrintable(json));
    QVERIFY2(json.contains(QStringLiteral("\"value\": 7.5e+10}")), qPrintable(json));
    QVERIFY2(json.contains(QStringLiteral("\"value\": null}")), qPrintable(json));
  }
};

QTEST_GUILESS_MAIN(TestResults)
#include "test_results.moc"
