// The comparison for bench/startup: the least a Qt Widgets program can show,
// with the main window's flags, title and size and nothing in it. With
// "--text" it also shows one line of text, which is what any window with text
// pays on top: the font database (fontconfig), one font and its glyphs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowFlags(Qt::Tool);
  window.setAttribute(Qt::WA_QuitOnClose, true);
  window.setWindowTitle(QStringLiteral("Form1"));
  window.resize(615, 426);
  if (QCoreApplication::arguments().contains(QLatin1String("--text"))) {
    auto* label = new QLabel(QStringLiteral("INPUT FREQUENCY IN MEGAHERTZ"), &window);
    label->move(8, 8);
  }
  window.show();
  return application.exec();
}
