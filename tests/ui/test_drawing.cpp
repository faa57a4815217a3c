// The main window's drawing as start-up shows it, the bitmap the build drew
// with the text drawn over it, against the drawing's own vectors: the same
// pixels at both ratios the build draws for (run once at QT_SCALE_FACTOR=1
// and once at 2).
#include <QApplication>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>
#include <QtTest>

#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1_design.h"

using namespace quill;

namespace {

constexpr int kBorder = 2;  // the picture box's sunken frame

QImage blank(QSize size, int ratio) {
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

}  // namespace

class TestDrawing : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    ui::installFontSubstitutes();
    QApplication::setFont(ui::defaultFont());
  }

  // Start-up shows the bitmaps' bytes where they stand: stored compressed,
  // they would be unpacked into copies first.
  void bitmapsAreStoredUncompressed() {
    for (const char* path : {":/ui/main/antenna_1x.gray", ":/ui/main/antenna_2x.gray"}) {
      const QResource resource(QString::fromLatin1(path));
      QVERIFY2(resource.isValid(), path);
      QVERIFY2(resource.compressionAlgorithm() == QResource::NoCompression, path);
    }
  }

  void bitmapWithTextIsTheVectors() {
    const QString svg = QStringLiteral(":/ui/main/antenna.svg");
    const QSize size = ui::form1::drawingPixels();
    ui::PictureBox box(svg);
    for (const unsigned char* bitmap : ui::form1::drawingBitmaps()) box.addBitmap(bitmap);
    box.setBitmapText(ui::form1::drawingText());
    box.resize(size + QSize(2 * kBorder, 2 * kBorder));
    const int ratio = qRound(box.devicePixelRatioF());
    QVERIFY2(ratio == 1 || ratio == 2, "a ratio the build draws a bitmap for");
    const QImage shown =
        box.grab(QRect(QPoint(kBorder, kBorder), size)).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.size(), size * ratio);

    QImage vectors = blank(size, ratio);
    QSvgRenderer renderer(svg);
    QVERIFY(renderer.isValid());
    QCOMPARE(renderer.defaultSize(), size);
    {
      QPainter painter(&vectors);
      renderer.render(&painter, QRectF(QPointF(0, 0), size));
    }
    int differ = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < vectors.height(); ++y) {
      for (int x = 0; x < vectors.width(); ++x) {
        if (shown.pixel(x, y) == vectors.pixel(x, y)) continue;
        if (differ++ == 0) first = {x, y};
      }
    }
    QVERIFY2(differ == 0, qPrintable(QStringLiteral("%1 pixels differ, the first at (%2, %3)")
                                         .arg(differ)
                                         .arg(first.x())
                                         .arg(first.y())));
  }
};

QTEST_MAIN(TestDrawing)
#include "test_drawing.moc"
