#include <QApplication>

#include "app/application.h"
#include "app/windows.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quill::app::SetUpApplication(application);
  quill::app::ShowMainWindow();
  return application.exec();
}
