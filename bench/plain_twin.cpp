// The floor for bench/startup: quillcalc's main window written plainly, as a
// Qt developer would write it in an afternoon. The same 27 controls at the
// same places, with their texts, faces and colours, in the Fusion style, and
// the drawing as one picture drawn beforehand (plain_twin_drawing.png, the
// drawing with its word, taken from src/ui/main/antenna.svg). No tables, no
// fitting of texts, no accessible names, no menu: what start-up costs above
// this is what quillcalc's own house costs.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStyleFactory::create("Fusion"));
  QFont font("Liberation Sans");
  font.setPointSizeF(8.25);
  app.setFont(font);

  QWidget window;
  window.setWindowFlags(Qt::Tool);
  window.setAttribute(Qt::WA_QuitOnClose, true);  // a tool window does not count otherwise
  window.setWindowTitle("Form1");
  window.resize(615, 426);

  auto* picture = new QLabel(&window);
  picture->setGeometry(0, 0, 659, 428);
  picture->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  picture->setLineWidth(2);
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  picture->setPixmap(QPixmap(":/plain_twin_drawing.png"));

  // Places in pixels from the drawing's corner, inside the 2-pixel border.
  auto box = [&](const char* text, int x, int y, int w, int h, Qt::Alignment align, QColor colour) {
    auto* edit = new QLineEdit(text, &window);
    edit->setGeometry(x + 2, y + 2, w, h);
    edit->setAlignment(align | Qt::AlignVCenter);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, colour);
    edit->setPalette(palette);
    return edit;
  };
  auto result = [&](int x, int y, int w, int h, Qt::Alignment align) {
    box("000.00", x, y, w, h, align, Qt::red);
  };
  auto caption = [&](const char* text, int x, int y, int w, int h) {
    box(text, x, y, w, h, Qt::AlignLeft, Qt::black)->setFrame(false);
  };
  auto lines = [&](const char* text, int x, int y, int w, int h) {
    auto* edit = new QPlainTextEdit(text, &window);
    edit->setGeometry(x + 2, y + 2, w, h);
    edit->setFrameShape(QFrame::NoFrame);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(Qt::AlignHCenter);
    edit->document()->setDefaultTextOption(option);
  };
  auto button = [&](const char* text, int x, int y, int w, int h) {
    (new QPushButton(text, &window))->setGeometry(x + 2, y + 2, w, h);
  };

  QLineEdit* callSign = box("XX9ZZZ", 8, 8, 105, 25, Qt::AlignLeft, Qt::blue);
  callSign->setFrame(false);
  QFont serif("Liberation Serif");
  serif.setPointSizeF(14.25);
  callSign->setFont(serif);
  QLineEdit* frequency = box("000.0000001", 504, 304, 97, 25, Qt::AlignHCenter, Qt::red);
  QFont bold("Liberation Sans");
  bold.setPointSizeF(13.5);
  bold.setBold(true);
  frequency->setFont(bold);
  lines("INPUT\nFREQUENCY\nIN MEGAHERTZ\n", 504, 336, 97, 41);
  button("INCHES", 416, 304, 73, 25);
  result(152, 56, 49, 21, Qt::AlignRight);
  result(200, 104, 49, 19, Qt::AlignRight);
  result(240, 128, 49, 19, Qt::AlignRight);
  result(296, 160, 49, 19, Qt::AlignRight);
  result(336, 184, 49, 19, Qt::AlignRight);
  result(0, 264, 49, 19, Qt::AlignRight);
  result(96, 312, 57, 19, Qt::AlignRight);
  result(200, 352, 49, 19, Qt::AlignRight);
  result(536, 104, 65, 19, Qt::AlignLeft);
  lines("D1 TO D2\nSPACING\n", 528, 128, 73, 33);
  result(536, 160, 65, 19, Qt::AlignHCenter);
  lines("ALL ADDITIONAL\nDIRECTOR\nSPACINGS\n", 504, 192, 105, 49);
  caption("D2 Horizontal", 440, 8, 89, 19);
  result(536, 8, 65, 19, Qt::AlignLeft);
  caption("D3 TO Dn Horz", 440, 32, 97, 19);
  result(536, 32, 65, 19, Qt::AlignLeft);
  caption("D2 Vertical", 440, 56, 97, 19);
  result(536, 56, 65, 19, Qt::AlignLeft);
  caption("D3 to Dn Vert", 440, 80, 97, 19);
  result(536, 80, 65, 19, Qt::AlignLeft);
  button("NOTES", 312, 352, 81, 25);
  button("WEB LINK", 312, 304, 81, 25);
  button("CM", 416, 352, 73, 25);

  window.show();
  return app.exec();
}
