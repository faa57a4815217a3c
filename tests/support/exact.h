#pragma once

// Exact comparison for tests: QCOMPARE on float and double is fuzzy (about
// 1e-5 relative, and anything near zero counts as zero). QUILL_EXACT passes
// only for equal values, and prints both with all their digits when not.

#include <QString>
#include <QTest>

#define QUILL_EXACT(actual, expected)                                                 \
  QVERIFY2((actual) == (expected), qPrintable(QStringLiteral("%1 is %2, expected %3") \
                                                  .arg(QStringLiteral(#actual))       \
                                                  .arg(double(actual), 0, 'g', 17)    \
                                                  .arg(double(expected), 0, 'g', 17)))
