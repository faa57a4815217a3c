// Build tool: draws the lines of an SVG drawing once, as the picture box
// would paint them on a white ground, and writes the pixels as a grey bitmap
// that the program shows instead of drawing the vectors at start-up. The
// drawing's text is left out of the bitmap and written as an SVG of its own,
// which the program draws over it: glyphs are drawn with the desktop's own
// font settings (hinting, smoothing), which the build does not know.
//
//   render_drawing IN.svg RATIO OUT.gray [OUT-text.svg]
//
// OUT.gray holds a 16-byte header (width, height and bytes per line in
// device pixels, then the device-pixel ratio, each a little-endian 32-bit
// number) and the rows of 8-bit grey values, each padded to 4 bytes. Fails
// when the drawing is not grey throughout, or when its text is not its last
// element (the text must be drawn over everything else).
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QtEndian>
#include <cstdio>

namespace {

int fail(const char* what, const char* path) {
  std::fprintf(stderr, "render_drawing: %s %s\n", what, path);
  return 1;
}

bool write(const char* path, const QByteArray& data) {
  QFile file(QString::fromLocal8Bit(path));
  return file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush();
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: render_drawing IN.svg RATIO OUT.gray [OUT-text.svg]\n");
    return 2;
  }
  // No display is needed.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const int ratio = QByteArray(argv[2]).toInt();
  QFile in(QString::fromLocal8Bit(argv[1]));
  if (ratio < 1 || !in.open(QIODevice::ReadOnly)) return fail("cannot read", argv[1]);
  const QByteArray svg = in.readAll();

  // The lines, and the text on its own: the opening <svg> tag, the text
  // elements (the last ones of the drawing) and the closing tag.
  const qsizetype text = svg.indexOf("<text");
  const qsizetype textEnd = svg.lastIndexOf("</text>") + int(sizeof "</text>") - 1;
  const qsizetype close = svg.lastIndexOf("</svg>");
  const qsizetype open = svg.indexOf('>', svg.indexOf("<svg")) + 1;
  QByteArray lines = svg, words;
  if (text >= 0) {
    if (textEnd < text || close < textEnd || !svg.mid(textEnd, close - textEnd).trimmed().isEmpty())
      return fail("text is not the last element of", argv[1]);
    lines = svg.left(text) + svg.mid(textEnd);
    // Named, so that the program can ask where the text stands.
    words = svg.left(open) + "\n<g id=\"text\">" + svg.mid(text, textEnd - text) + "</g>\n" + svg.mid(close);
  }

  QSvgRenderer renderer(lines);
  if (!renderer.isValid()) return fail("cannot read", argv[1]);
  const QSize size = renderer.defaultSize();
  QImage image(size * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), size));
  }
  const int width = image.width();
  const int height = image.height();
  const int bytesPerLine = (width + 3) / 4 * 4;
  QByteArray out(16 + qsizetype(bytesPerLine) * height, '\0');
  uchar* data = reinterpret_cast<uchar*>(out.data());
  qToLittleEndian<quint32>(width, data);
  qToLittleEndian<quint32>(height, data + 4);
  qToLittleEndian<quint32>(bytesPerLine, data + 8);
  qToLittleEndian<quint32>(ratio, data + 12);
  for (int y = 0; y < height; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < width; ++x) {
      const QRgb pixel = row[x];
      if (qRed(pixel) != qGreen(pixel) || qRed(pixel) != qBlue(pixel)) return fail("is not grey:", argv[1]);
      data[16 + qsizetype(y) * bytesPerLine + x] = uchar(qRed(pixel));
    }
  }
  if (!write(argv[3], out)) return fail("cannot write", argv[3]);
  if (argc == 5 && !write(argv[4], words)) return fail("cannot write", argv[4]);
  return 0;
}
