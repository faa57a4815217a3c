#include <QApplication>

#include "app/application.h"
#include "app/runcommand.h"
#include "app/session.h"
#include "app/windows.h"

int main(int argc, char* argv[]) {
  if (const auto done = quill::app::HandleCommandLine(argc, argv)) return *done;
  // Without a display, one line on stderr and exit status 1, before Qt would
  // abort for want of one.
  if (const auto done = quill::app::ChooseWindowSystem(argc, argv)) return *done;
  QApplication application(argc, argv);
  quill::app::ForgetWindowSystemChoice();
  quill::app::SetUpApplication(application);
  quill::app::ShowMainWindow();
  return application.exec();
}
