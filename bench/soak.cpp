// Long use, measured: how much the resident set grows per error message box
// and per open/close cycle of each secondary window, after a warm-up. Prints
// one line per kind with the slope of a least-squares fit.
//   QT_QPA_PLATFORM=offscreen build/bench/soak [cycles]   (default 2000)
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/windows.h"
#include "ui/common/controls.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"

namespace {

constexpr int kWarmUp = 200;
constexpr int kSampleEvery = 50;

long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

// Runs `cycle` warm-up plus `cycles` times; returns KB per cycle.
double slope(int cycles, const std::function<void()>& cycle, long& first, long& last) {
  for (int i = 0; i < kWarmUp; ++i) cycle();
  std::vector<double> xs, ys;
  for (int i = 0; i <= cycles; ++i) {
    if (i % kSampleEvery == 0) {
      xs.push_back(i);
      ys.push_back(static_cast<double>(residentKilobytes()));
    }
    if (i < cycles) cycle();
  }
  double mx = 0, my = 0;
  for (std::size_t i = 0; i < xs.size(); ++i) mx += xs[i], my += ys[i];
  mx /= xs.size(), my /= ys.size();
  double sxy = 0, sxx = 0;
  for (std::size_t i = 0; i < xs.size(); ++i)
    sxy += (xs[i] - mx) * (ys[i] - my), sxx += (xs[i] - mx) * (xs[i] - mx);
  first = static_cast<long>(ys.front());
  last = static_cast<long>(ys.back());
  return sxy / sxx;
}

void flushDeletes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

}  // namespace

int main(int argc, char* argv[]) {
  // The offscreen platform says for every window that it cannot raise it.
  static const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("This plugin does not support")))
          previous(type, context, message);
      });
  QApplication application(argc, argv);
  quill::app::SetUpApplication(application);
  const int cycles = argc > 1 ? std::stoi(argv[1]) : 2000;
  Form1* form = quill::app::ShowMainWindow();

  // Each error box is painted, as the user sees it, then answered as a user
  // pressing OK. A box closed before it paints would hide what painting its
  // icon costs.
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [] {
    static QMessageBox* painted = nullptr;
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (box != painted) {
      box->repaint();
      painted = box;
    } else {
      box->accept();
    }
  });
  answer.start(1);

  long first = 0, last = 0;
  form->Text2->setText(QStringLiteral("0"));  // division by zero, every time
  double kb = slope(
      cycles, [&] { form->Command1->click(); }, first, last);
  std::printf("error message box:   %+.4f KB per cycle over %d (RSS %ld -> %ld KB)\n", kb, cycles, first,
              last);

  kb = slope(
      cycles,
      [] {
        quill::app::ShowNotesWindow()->close();
        flushDeletes();
      },
      first, last);
  std::printf("notes window:        %+.4f KB per cycle over %d (RSS %ld -> %ld KB)\n", kb, cycles, first,
              last);

  kb = slope(
      cycles,
      [] {
        quill::app::ShowWebLinkWindow()->close();
        flushDeletes();
      },
      first, last);
  std::printf("web link window:     %+.4f KB per cycle over %d (RSS %ld -> %ld KB)\n", kb, cycles, first,
              last);
  return 0;
}
