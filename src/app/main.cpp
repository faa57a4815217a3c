#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget w;
  w.setWindowTitle("Form1");
  w.show();
  return app.exec();
}
