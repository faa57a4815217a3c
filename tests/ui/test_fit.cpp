// What the user reads: every text a calculation or the write-back puts into
// a box is shown whole, first character to last, in the font the box really
// uses. ctest runs this at the scale factors 1, 1.25, 1.5 and 2.
#include <QApplication>
#include <QFontMetricsF>
#include <QTest>

#include "app/windows.h"
#include "calc/design.h"
#include "calc/format.h"
#include "examples.h"
#include "gui_support.h"
#include "ui/common/controls.h"
#include "ui/main/form1.h"

using namespace quill;
using ui::TextBox;

namespace {

// Band edges, in MHz, from 2200 m to 1.25 cm.
constexpr const char* kBandEdges[] = {
    "0.1357", "0.1378", "0.472", "0.479", "1.8",   "2",     "3.5",    "4",      "5.3305", "5.4065",
    "7",      "7.3",    "10.1",  "10.15", "14",    "14.35", "18.068", "18.168", "21",     "21.45",
    "24.89",  "24.99",  "28",    "29.7",  "50",    "54",    "144",    "148",    "222",    "225",
    "420",    "450",    "902",   "928",   "1240",  "1300",  "2300",   "2450",   "3300",   "3500",
    "5650",   "5925",   "10000", "10368", "10500", "24000", "24192",  "24250"};

// The widest texts of the exponent form that FormatDimension gives.
constexpr float kExponentValues[] = {-3.402823e38f, -1.234567e38f, -1.234567e-38f, -1.401298e-45f,
                                     -8.888888e10f, 2.952e10f,     1.234567e-5f};

// Whether `box` shows all of its text: drawn with the caret at the end (as
// after Tab or a selection) the first character is where it is drawn with
// the caret at the start, so nothing has scrolled out of view.
QString cutOff(TextBox* box) {
  const QString text = box->text();
  box->setCursorPosition(0);
  box->grab();  // QLineEdit decides how far to scroll when it paints
  const QRect start = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  box->end(false);
  box->grab();
  const QRect end = box->inputMethodQuery(Qt::ImCursorRectangle).toRect();
  box->setCursorPosition(0);
  // The caret stands at the centre of the rectangle.
  const int first = start.center().x(), last = end.center().x();
  const int drawn = last - first;
  const int width = qRound(QFontMetricsF(box->font(), box).horizontalAdvance(text));
  if (std::abs(drawn - width) > 1 || first < 0 || last >= box->width()) {
    return QStringLiteral("%1 \"%2\": %3 px wide, drawn over %4 px from x %5 to %6 in a %7 px box")
        .arg(box->objectName(), text)
        .arg(width)
        .arg(drawn)
        .arg(first)
        .arg(last)
        .arg(box->width());
  }
  return {};
}

// The boxes a calculation writes and the one the write-back writes.
QList<TextBox*> writtenBoxes(const Form1& form) {
  QList<TextBox*> boxes{form.Text2};
  for (std::size_t i = 0; i < kResultBoxCount; ++i) boxes << form.resultBox(ResultBox(i));
  return boxes;
}

}  // namespace

class TestFit : public QObject {
  Q_OBJECT

  Form1* form = nullptr;

  // Every box shows its text whole, in its own face, narrowed at most to
  // half its width and never made smaller.
  void verifyAllWhole() {
    for (TextBox* box : writtenBoxes(*form)) {
      const QString cut = cutOff(box);
      QVERIFY2(cut.isEmpty(), qPrintable(cut));
      const QFont shown = box->font();
      QCOMPARE(shown.family(), box->designFont().family());
      QCOMPARE(shown.pointSizeF(), box->designFont().pointSizeF());
      QVERIFY2(shown.stretch() == QFont::AnyStretch || shown.stretch() >= 50,
               qPrintable(QStringLiteral("%1 at stretch %2").arg(box->objectName()).arg(shown.stretch())));
    }
  }

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }

  void init() { Design() = DesignValues{}; }

  void cleanupTestCase() { test::CloseAllWindows(); }

  // Each band edge, and its negative, in both units, through the buttons;
  // then the write-back of that frequency.
  void bands_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<bool>("inches");
    for (const char* edge : kBandEdges) {
      for (const QString& sign : {QString(), QStringLiteral("-")}) {
        const QString frequency = sign + QLatin1String(edge);
        QTest::addRow("%s MHz in", qPrintable(frequency)) << frequency << true;
        QTest::addRow("%s MHz cm", qPrintable(frequency)) << frequency << false;
      }
    }
  }
  void bands() {
    QFETCH(QString, frequency);
    QFETCH(bool, inches);
    form->Text2->setText(frequency);
    QTest::mouseClick(inches ? form->Command1 : form->Command4, Qt::LeftButton);
    verifyAllWhole();
    QTest::mouseClick(form->Text2, Qt::LeftButton);
    QCOMPARE(form->Text2->text().toFloat(), frequency.toFloat());
    verifyAllWhole();
  }

  // The first thing many users do: "INCHES" on the start text, which is
  // itself the widest text the frequency box starts with.
  void startText() {
    form->Text2->setText(QStringLiteral("000.0000001"));
    verifyAllWhole();
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    QCOMPARE(form->Text5->text(), QStringLiteral("2.952E+10"));
    verifyAllWhole();
  }

  // The exponent form's widest texts, in every box either kind of write
  // can reach.
  void exponentForm_data() {
    QTest::addColumn<QString>("text");
    for (float value : kExponentValues) {
      const QString text = QString::fromStdString(FormatDimension(value));
      QTest::addRow("%s", qPrintable(text)) << text;
    }
  }
  void exponentForm() {
    QFETCH(QString, text);
    for (TextBox* box : writtenBoxes(*form)) box->setText(text);
    verifyAllWhole();
  }

  // Values that fit keep the box's own font; the eight-character ones are
  // narrowed only a little.
  void onlyWhatNeedsItIsNarrowed() {
    form->Text2->setText(QString::fromLatin1(test::k144));
    QTest::mouseClick(form->Command1, Qt::LeftButton);
    for (TextBox* box : {static_cast<TextBox*>(form->Text2), form->Text5, form->Text7, form->Text12,
                         form->Text14, form->Text8}) {
      QVERIFY2(box->font() == box->designFont(), qPrintable(box->objectName() + " " + box->text()));
    }
    for (TextBox* box : {form->Text4, form->Text9, form->Text6}) {
      const int stretch = box->font().stretch();
      QVERIFY2(stretch >= 85 && stretch < 100, qPrintable(QStringLiteral("%1 \"%2\" at stretch %3")
                                                              .arg(box->objectName(), box->text())
                                                              .arg(box->font().stretch())));
    }
  }
};

QTEST_MAIN(TestFit)
#include "test_fit.moc"
