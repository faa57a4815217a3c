#include <QApplication>

#include "app/application.h"
#include "app/commandline.h"
#include "app/windows.h"

int main(int argc, char* argv[]) {
  if (const auto done = quill::app::HandleCommandLine(argc, argv)) return *done;
  QApplication application(argc, argv);
  quill::app::SetUpApplication(application);
  quill::app::ShowMainWindow();
  return application.exec();
}
