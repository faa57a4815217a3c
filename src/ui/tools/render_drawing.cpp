// Build tool: draws the lines of an SVG drawing once, as the picture box
// would paint them on a white ground, and writes the pixels as a grey bitmap
// that the program shows instead of drawing the vectors at start-up. The
// drawing's text is left out of the bitmap and written as a table of C++
// initialisers (ui::DrawingText), which the program draws over it as text
// of an SVG drawing is drawn: glyph outlines take the installed font, which
// the build does not know.
//
//   render_drawing IN.svg RATIO OUT.gray [OUT-text.inc]
//
// OUT.gray holds a 16-byte header (width, height and bytes per line in
// device pixels, then the device-pixel ratio, each a little-endian 32-bit
// number) and the rows of 8-bit grey values, each padded to 4 bytes. Fails
// when the drawing is not grey throughout, when its text is not its last
// element (the text must be drawn over everything else), or when a text
// element has anything the table cannot hold (a transform, a tspan, an
// anchor, a style): the program would draw it otherwise than the vectors.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <QtEndian>
#include <cstdio>

namespace {

int fail(const char* what, const char* path) {
  std::fprintf(stderr, "render_drawing: %s %s\n", what, path);
  return 1;
}

// The text elements as initialisers of ui::DrawingText, or an empty array
// when one has what the table cannot hold.
QByteArray textTable(const QByteArray& elements) {
  static const QStringList known = {QStringLiteral("x"),           QStringLiteral("y"),
                                    QStringLiteral("font-family"), QStringLiteral("font-size"),
                                    QStringLiteral("font-weight"), QStringLiteral("fill")};
  QXmlStreamReader xml("<texts>" + elements + "</texts>");
  QByteArray table;
  xml.readNextStartElement();  // <texts>
  while (xml.readNextStartElement()) {
    if (xml.name() != QLatin1String("text")) return {};
    const QXmlStreamAttributes attributes = xml.attributes();
    for (const QXmlStreamAttribute& attribute : attributes) {
      if (!known.contains(attribute.name().toString())) return {};
    }
    const QString weight = attributes.value(QLatin1String("font-weight")).toString();
    const QString fill = attributes.value(QLatin1String("fill")).toString();
    bool ok = true;
    const auto number = [&](const char* name) {
      bool read = false;
      const double value = attributes.value(QLatin1String(name)).toDouble(&read);
      ok = ok && read;
      return QByteArray::number(value, 'g', 17);
    };
    const QByteArray x = number("x"), y = number("y"), size = number("font-size");
    const QString text = xml.readElementText();  // fails on a child element
    if (!ok || xml.hasError() || size.toDouble() <= 0 ||
        !(weight.isEmpty() || weight == QLatin1String("bold") || weight == QLatin1String("normal")))
      return {};
    if (!QRegularExpression(QStringLiteral("^#[0-9a-fA-F]{6}$")).match(fill).hasMatch()) return {};
    const auto literal = [](const QString& s) {
      QByteArray out = "\"";
      for (const char c : s.toUtf8()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
      }
      return out + '"';
    };
    table += "{" + literal(text) + ", " + x + ", " + y + ", " +
             literal(attributes.value(QLatin1String("font-family")).toString()) + ", " + size + ", " +
             (weight == QLatin1String("bold") ? "true" : "false") + ", 0x" + fill.mid(1).toLatin1() + "},\n";
  }
  return xml.hasError() ? QByteArray() : table;
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
  QByteArray lines = svg, words;
  if (text >= 0) {
    if (textEnd < text || close < textEnd || !svg.mid(textEnd, close - textEnd).trimmed().isEmpty())
      return fail("text is not the last element of", argv[1]);
    lines = svg.left(text) + svg.mid(textEnd);
    words = textTable(svg.mid(text, textEnd - text));
    if (words.isEmpty()) return fail("has text the program cannot draw as it stands in", argv[1]);
  }
  words.prepend("// Written by render_drawing: the text of the drawing, drawn over its bitmap.\n");

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
