// Every text of the three windows can be read on every look a desktop may
// ask for: the contrast of each text's ink with its background, measured in
// the windows as they are drawn, and the size of the values, which a style
// with thicker frames would squeeze. Message boxes follow the desktop.
#include <QAbstractButton>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>
#include <cmath>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/design.h"
#include "gui_support.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

using namespace quill;

namespace {

// The least contrast a text may have. The design's weakest pair, red on
// white, is 4.0:1; glyph edges drawn with anti-aliasing read a little lower.
constexpr double kLeastContrast = 3.8;

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb rgb) {
  auto linear = [](int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(qRed(rgb)) + 0.7152 * linear(qGreen(rgb)) + 0.0722 * linear(qBlue(rgb));
}
double contrast(QRgb a, QRgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a dark GNOME desktop hands a Qt program through the gtk3 platform
// theme (GTK_THEME=Adwaita:dark), set as the theme sets it: as the
// application's palette, before any window exists.
QPalette gnomeDark() {
  const QColor light(0xf0f0f0), face(0x323232), base(0x242424);
  QPalette palette(light, face, face.lighter(150), face.darker(150), face.darker(120), light, Qt::white, base,
                   face);
  palette.setColor(QPalette::Highlight, QColor(0x308cc6));
  palette.setColor(QPalette::HighlightedText, light);
  return palette;
}

// Where `control` shows its text, in `window`'s coordinates: inside its
// frame, less what the controls stacked above it cover.
QRegion textArea(QWidget* window, QWidget* control) {
  QRect inner = control->contentsRect();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth =
        edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    inner = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    inner = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  }
  QRegion area(inner.translated(control->mapTo(window, QPoint())));
  const QObjectList& siblings = control->parentWidget()->children();
  for (qsizetype i = siblings.indexOf(control) + 1; i < siblings.size(); ++i) {
    auto* above = qobject_cast<QWidget*>(siblings[i]);
    if (above && above->isVisible() && !above->isWindow())
      area -= QRect(above->mapTo(window, QPoint()), above->size());
  }
  return area & window->rect();
}

struct Measure {
  double ratio = 0;
  QRgb ink = 0, background = 0;
};

// The background is the commonest colour of the area, the ink the colour
// that stands out from it most.
Measure measure(const QImage& shot, const QRegion& area) {
  QHash<QRgb, int> counts;
  for (const QRect& rect : area) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) ++counts[shot.pixel(x, y) | 0xff000000];
    }
  }
  Measure m;
  int most = 0;
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (it.value() > most) most = it.value(), m.background = it.key();
  }
  for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
    if (const double r = contrast(it.key(), m.background); r > m.ratio) m.ratio = r, m.ink = it.key();
  }
  return m;
}

QString describe(const QString& what, const Measure& m) {
  return QStringLiteral("%1 %2:1 (%3 on %4)")
      .arg(what)
      .arg(m.ratio, 0, 'f', 2)
      .arg(QColor(m.ink).name(), QColor(m.background).name());
}

// The fonts the frequency box and the result boxes show their values in.
QList<QFont> valueFonts(const Form1& form) {
  QList<QFont> fonts{form.Text2->font()};
  for (std::size_t i = 0; i < kResultBoxCount; ++i) fonts << form.resultBox(ResultBox(i))->font();
  return fonts;
}

// 146 MHz in inches, as the user reads it.
Form1* calculatedMainWindow() {
  Form1* form = app::ShowMainWindow();
  form->Text2->setText(QStringLiteral("146"));
  QTest::mouseClick(form->Command1, Qt::LeftButton);
  return form;
}

}  // namespace

class TestLook : public QObject {
  Q_OBJECT

  QString lightStyle;
  QList<QFont> lightFonts;

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([](const RunTimeError&) {});
    lightStyle = QApplication::style()->name();
    Form1* form = calculatedMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    lightFonts = valueFonts(*form);
    test::CloseAllWindows();
  }

  void cleanup() {
    test::CloseAllWindows();
    QApplication::setStyle(lightStyle);
    QApplication::setPalette(QPalette());  // back to the style's own
  }

  // The designed windows, with NOTES and WEB LINK open, on each look.
  void readableOnEveryLook_data() {
    QTest::addColumn<QString>("style");
    QTest::addColumn<bool>("darkPalette");
    QTest::newRow("light") << QString() << false;
    QTest::newRow("GNOME dark palette") << QString() << true;
    QTest::newRow("Adwaita-Dark style") << QStringLiteral("Adwaita-Dark") << false;
    QTest::newRow("Adwaita-HighContrastInverse style")
        << QStringLiteral("Adwaita-HighContrastInverse") << false;
  }
  void readableOnEveryLook() {
    QFETCH(QString, style);
    QFETCH(bool, darkPalette);
    if (!style.isEmpty()) {
      QVERIFY2(QStyleFactory::keys().contains(style), "the style comes with adwaita-qt6");
      QApplication::setStyle(style);
    }
    if (darkPalette) QApplication::setPalette(gnomeDark());
    const QPalette desktop = QApplication::palette();
    const QStyle* desktopStyle = QApplication::style();

    Form1* form = calculatedMainWindow();
    QTest::mouseClick(form->Command2, Qt::LeftButton);
    QTest::mouseClick(form->Command3, Qt::LeftButton);
    QCOMPARE(test::OpenWindows<frmAbout>().size(), 1);
    QCOMPARE(test::OpenWindows<web>().size(), 1);
    const QList<QWidget*> windows{form, test::OpenWindows<frmAbout>().first(),
                                  test::OpenWindows<web>().first()};

    QStringList weak, weakest;
    for (QWidget* window : windows) {
      QVERIFY(QTest::qWaitForWindowExposed(window));
      const QImage shot = window->grab().toImage();
      Measure least{1e9};
      QString leastName;
      for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool text = qobject_cast<QLineEdit*>(control) || qobject_cast<QPlainTextEdit*>(control) ||
                          qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control);
        if (!text || !control->isVisible()) continue;
        const Measure m = measure(shot, textArea(window, control));
        if (m.ratio < kLeastContrast) weak << describe(control->objectName(), m);
        if (m.ratio < least.ratio) least = m, leastName = control->objectName();
      }
      weakest << describe(QString::fromLatin1(window->metaObject()->className()) + " " + leastName, least);
    }

    // The write-back leaves the frequency selected: white on the selection.
    QTest::mouseClick(form->Text2, Qt::LeftButton);
    QCOMPARE(form->Text2->selectedText(), QStringLiteral("146"));
    const QImage shot = form->grab().toImage();
    const QRgb highlight = form->Text2->palette().color(QPalette::Highlight).rgb();
    QRect selection;
    for (const QRect& rect : textArea(form, form->Text2)) {
      for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
          if ((shot.pixel(x, y) | 0xff000000) == highlight) selection |= QRect(x, y, 1, 1);
        }
      }
    }
    QVERIFY2(!selection.isEmpty(), "the selection is painted");
    const Measure selected = measure(shot, selection);
    if (selected.ratio < kLeastContrast) weak << describe(QStringLiteral("selected Text2"), selected);
    weakest << describe(QStringLiteral("selected Text2"), selected);
    qInfo("%s", qPrintable(weakest.join(QLatin1String("; "))));

    // The values keep the size they have on the light look: squeezed, they
    // would be too small to read at any contrast.
    QCOMPARE(valueFonts(*form), lightFonts);
    QVERIFY2(weak.isEmpty(), qPrintable(weak.join(QLatin1String("; "))));

    // Message boxes are the desktop's: its style and its colours.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("quillcalc"), QStringLiteral("Run-time error"),
                    QMessageBox::Ok, form);
    QCOMPARE(box.style(), desktopStyle);
    QCOMPARE(box.palette().color(QPalette::Window), desktop.color(QPalette::Window));
    QCOMPARE(box.palette().color(QPalette::WindowText), desktop.color(QPalette::WindowText));
  }
};

QTEST_MAIN(TestLook)
#include "test_look.moc"
