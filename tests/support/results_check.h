#pragma once

// Checks shared by the tests of the results that leave the program: the
// pasted text block, and what poppler-utils find in a plan's PDF.

#include <QMap>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>

#include "calc/results.h"
#include "examples.h"
#include "ui/main/dimension_names.h"

namespace quill::test {

// The text block: the heading, then each dimension in listing order with its
// box's name and text, the values lined up at their decimal points; then,
// after a blank line, the antenna of `elements`. `separator` is the decimal
// separator the boxes show.
inline void CheckResultsText(const QString& text, const QString& heading, const AllBoxes& example,
                             QChar separator = QLatin1Char('.'), int elements = 3) {
  QVERIFY2(text.endsWith(QLatin1Char('\n')), qPrintable(text));
  const QStringList lines = text.chopped(1).split(QLatin1Char('\n'));
  QVERIFY2(lines.size() > 2 + int(kResultBoxCount), qPrintable(text));
  QCOMPARE(lines[0], heading);
  QCOMPARE(lines[1 + int(kResultBoxCount)], QString());
  QCOMPARE(lines[2 + int(kResultBoxCount)].simplified(), QStringLiteral("Elements %1").arg(elements));
  qsizetype point = -1;
  for (std::size_t i = 0; i < ListedDimensions().size(); ++i) {
    const QString& line = lines[qsizetype(i) + 1];
    const ResultBox box = ListedDimensions()[i].box;
    const QString name = QString::fromStdString(ui::form1::dimensionNames()[std::size_t(box)]);
    const QString value = QString::fromLatin1(Shown(example, box)).replace(QLatin1Char('.'), separator);
    QVERIFY2(line.startsWith(name + QLatin1String("  ")), qPrintable(line));
    QVERIFY2(line.endsWith(QLatin1Char(' ') + value), qPrintable(line));
    QCOMPARE(line.mid(name.size()).trimmed(), value);
    // Every value's decimal point in the same column.
    const qsizetype at = line.lastIndexOf(separator);
    if (point < 0) point = at;
    QVERIFY2(at == point, qPrintable(text));
  }
}

// Runs a tool to its end; its standard output.
inline QString RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    qWarning("%s failed (%s); poppler-utils comes with script/bootstrap --test", qPrintable(program),
             qPrintable(process.errorString()));
    return QString();
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

// What poppler-utils find in a PDF.
struct PdfFacts {
  int pages = 0;
  QString pageSize;   // pdfinfo's name for it: "A4", "letter"
  QStringList words;  // pdftotext
  int images = 0;     // pdfimages -list
  int fonts = 0;      // pdffonts
  int embeddedFonts = 0;
};

inline PdfFacts ReadPdf(const QString& path) {
  PdfFacts facts;
  const QString info = RunTool(QStringLiteral("pdfinfo"), {path});
  facts.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
  facts.pageSize = QRegularExpression(QStringLiteral("Page size:.*\\((\\w+)\\)")).match(info).captured(1);
  facts.words = RunTool(QStringLiteral("pdftotext"), {path, QStringLiteral("-")})
                    .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
  // Both list one row per item under a two-line header.
  facts.images = int(RunTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), path})
                         .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                         .size()) -
                 2;
  const QStringList fonts =
      RunTool(QStringLiteral("pdffonts"), {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  for (const QString& row : fonts.mid(2)) {
    ++facts.fonts;
    // name, type (one or two words), encoding, then emb sub uni: "yes"/"no".
    const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (columns.size() >= 6 && columns[columns.size() - 5] == QLatin1String("yes")) ++facts.embeddedFonts;
  }
  return facts;
}

// A one-page vector plan with its fonts embedded, and both units' values
// for 144 MHz in its text: every element's lengths bolt centre to bolt
// centre in both units, the spacings in the chosen unit; three elements
// have no D2 and no D3 to Dn.
inline void CheckPlan144(const QString& path, const QString& pageSize, Unit chosen, int elements = 3) {
  const PdfFacts pdf = ReadPdf(path);
  QCOMPARE(pdf.pages, 1);
  QCOMPARE(pdf.pageSize, pageSize);
  QCOMPARE(pdf.images, 0);
  QVERIFY(pdf.fonts > 0);
  QCOMPARE(pdf.embeddedFonts, pdf.fonts);
  for (const AllBoxes* example : {&k144Inches, &k144Centimetres}) {
    const bool mine = (example == &k144Inches) == (chosen == Unit::Inches);
    for (std::size_t i = 0; i < ListedDimensions().size(); ++i) {
      const bool spacing = ListedDimensions()[i].key.starts_with("spacing_");
      if (spacing && !mine) continue;
      const std::string& key = ListedDimensions()[i].key;
      if (elements == 3 && (key.find("d2") != std::string::npos || key.find("d3_dn") != std::string::npos ||
                            key == "spacing_directors"))
        continue;
      const char* text = Shown(*example, ListedDimensions()[i].box);
      QVERIFY2(pdf.words.contains(QString::fromLatin1(text)), text);
    }
  }
  QVERIFY(pdf.words.contains(QStringLiteral("centre")));  // bolt centre to bolt centre
}

// Every word of a PDF's one page inside the plan's 15 mm margins: nothing
// runs off the paper or onto a second page.
inline void CheckPlanFits(const QString& path) {
  constexpr double kMargin = 15 / 25.4 * 72 - 0.5;  // points, less a rounding allowance
  const QString boxes =
      RunTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
  const QRegularExpression number(QStringLiteral("(\\w+)=\"([0-9.]+)\""));
  const QRegularExpressionMatch page =
      QRegularExpression(QStringLiteral("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\"")).match(boxes);
  QVERIFY2(page.hasMatch(), qPrintable(boxes));
  const QRectF inside(kMargin, kMargin, page.captured(1).toDouble() - 2 * kMargin,
                      page.captured(2).toDouble() - 2 * kMargin);
  int words = 0;
  for (const QString& line : boxes.split(QLatin1Char('\n'))) {
    if (!line.contains(QLatin1String("<word "))) continue;
    ++words;
    QMap<QString, double> at;
    for (auto it = number.globalMatch(line); it.hasNext();) {
      const QRegularExpressionMatch m = it.next();
      at[m.captured(1)] = m.captured(2).toDouble();
    }
    QVERIFY2(inside.contains(QRectF(QPointF(at["xMin"], at["yMin"]), QPointF(at["xMax"], at["yMax"]))),
             qPrintable(line));
  }
  QVERIFY(words > 0);
}

}  // namespace quill::test
