// The two in-process measures of bench/ratios, each side by side with its
// floor in the same run, the two sides taking turns:
//
//   bench_ratios --click        a click on "INCHES" through the real main
//                               window until its fourteen result boxes are
//                               written and painted, against the same
//                               fourteen setText calls on plain QLineEdits of
//                               the same places, sizes, fonts and look over a
//                               plain widget, painted the same way
//   bench_ratios --calculation  one calculation with its fourteen values
//                               formatted, against fourteen std::to_chars
//                               (float) shortest conversions of the values
//
// Prints one line: "PROGRAM_NS FLOOR_NS", the medians in nanoseconds. Run
// the click with QT_QPA_PLATFORM=offscreen; bench/ratios does.
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/application.h"
#include "app/windows.h"
#include "calc/design.h"
#include "calc/format.h"
#include "ui/common/controls.h"
#include "ui/common/look.h"
#include "ui/main/form1.h"

using namespace quill;

namespace {

// Keeps the compiler from dropping work whose result nothing reads.
template <class T>
void keep(const T& value) {
  asm volatile("" : : "g"(&value) : "memory");
}

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const std::size_t n = samples.size();
  return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

// Counts paints of the widgets it watches.
class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// Paints what is waiting to be painted in `window` now, as the event loop
// does when the window's update request comes.
void paintNow(QWidget* window) {
  QEvent request(QEvent::UpdateRequest);
  QCoreApplication::sendEvent(window, &request);
}

// The fourteen texts a calculation in inches writes, in the order it writes
// them, with the boxes they go to.
struct Writes {
  std::array<ResultBox, kResultBoxCount> boxes{};
  std::array<QString, kResultBoxCount> texts;
};

Writes writesFor(const char* frequency) {
  DesignValues scratch;
  const Calculation c = Calculate(scratch, frequency, Unit::Inches);
  Writes w;
  std::size_t i = 0;
  for (const BoxWrite& write : c) {
    w.boxes[i] = write.box;
    w.texts[i++] = QString::fromStdString(FormatDimension(write.value));
  }
  return w;
}

int click(int argc, char* argv[]) {
  // The offscreen platform cannot raise windows and says so each time.
  static const QtMessageHandler previous =
      qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (!message.contains(QLatin1String("does not support raise()"))) previous(type, context, message);
      });
  QApplication application(argc, argv);
  app::SetUpApplication(application);
  Form1* form = app::ShowMainWindow();
  // Two frequencies in turn, so that every click changes all fourteen boxes.
  const char* frequencies[] = {"146", "144.5"};
  const Writes writes[] = {writesFor(frequencies[0]), writesFor(frequencies[1])};

  // The floor: plain line edits where the result boxes are, with their
  // sizes, fonts, frames, alignment and the window's style and colours.
  QWidget floor;
  floor.setWindowFlags(form->windowFlags());
  floor.resize(form->size());
  std::array<QLineEdit*, kResultBoxCount> edits{};
  for (std::size_t i = 0; i < kResultBoxCount; ++i) {
    const ui::TextBox* box = form->resultBox(ResultBox(i));
    auto* edit = new QLineEdit(box->text(), &floor);
    edit->setGeometry(QRect(box->mapTo(form, QPoint(0, 0)), box->size()));
    edit->setFont(box->font());
    edit->setFrame(box->hasFrame());
    edit->setAlignment(box->alignment());
    edits[i] = edit;
  }
  ui::UseDesignLook(&floor);
  floor.show();
  if (!QTest::qWaitForWindowExposed(form) || !QTest::qWaitForWindowExposed(&floor)) return 1;
  QTest::qWait(50);

  PaintCounter formPaints, floorPaints;
  for (std::size_t i = 0; i < kResultBoxCount; ++i) {
    form->resultBox(ResultBox(i))->installEventFilter(&formPaints);
    edits[i]->installEventFilter(&floorPaints);
  }

  const int rounds = 301;
  std::vector<double> program, base;
  QElapsedTimer timer;
  for (int round = 0; round < rounds + 10; ++round) {
    const int k = round % 2;
    const bool counted = round >= 10;  // the first rounds warm the caches
    for (int side = 0; side < 2; ++side) {
      if ((side + round / 2) % 2 == 0) {
        form->Text2->setText(QString::fromLatin1(frequencies[k]));
        paintNow(form);
        timer.start();
        QTest::mouseClick(form->Command1, Qt::LeftButton);
        paintNow(form);
        if (counted) program.push_back(double(timer.nsecsElapsed()));
      } else {
        timer.start();
        for (std::size_t i = 0; i < kResultBoxCount; ++i)
          edits[std::size_t(writes[k].boxes[i])]->setText(writes[k].texts[i]);
        paintNow(&floor);
        if (counted) base.push_back(double(timer.nsecsElapsed()));
      }
    }
  }
  // A broken click cannot pass for a fast one: every box shows what the
  // last calculation gives, and every box of both sides was painted after
  // every write.
  const Writes& last = writes[(rounds + 9) % 2];
  for (std::size_t i = 0; i < kResultBoxCount; ++i) {
    if (form->resultBox(last.boxes[i])->text() != last.texts[i]) {
      std::fprintf(stderr, "bench_ratios: the click did not write the boxes\n");
      return 1;
    }
  }
  const int expected = int(kResultBoxCount) * (rounds + 10);
  if (formPaints.paints < expected || floorPaints.paints < expected) {
    std::fprintf(stderr, "bench_ratios: boxes were not painted (%d and %d paints, %d expected)\n",
                 formPaints.paints, floorPaints.paints, expected);
    return 1;
  }
  std::printf("%.0f %.0f\n", median(program), median(base));
  return 0;
}

int calculation() {
  constexpr int kBlock = 2000;  // calculations per sample
  constexpr int kRounds = 201;
  DesignValues record;
  std::array<float, kResultBoxCount> values{};
  {
    const Calculation c = Calculate(record, "146.5", Unit::Inches);
    std::size_t i = 0;
    for (const BoxWrite& w : c) values[i++] = w.value;
  }
  std::vector<double> program, base;
  for (int round = 0; round < kRounds + 5; ++round) {
    for (int side = 0; side < 2; ++side) {
      QElapsedTimer timer;
      timer.start();
      if ((side + round) % 2 == 0) {
        for (int n = 0; n < kBlock; ++n) {
          const Calculation c = Calculate(record, "146.5", Unit::Inches);
          for (const BoxWrite& w : c) {
            const std::string text = FormatDimension(w.value);
            keep(text);
          }
        }
        if (round >= 5) program.push_back(double(timer.nsecsElapsed()) / kBlock);
      } else {
        for (int n = 0; n < kBlock; ++n) {
          keep(values);
          for (const float v : values) {
            char text[32];
            const auto end = std::to_chars(text, text + sizeof text, v).ptr;
            keep(text);
            keep(end);
          }
        }
        if (round >= 5) base.push_back(double(timer.nsecsElapsed()) / kBlock);
      }
    }
  }
  std::printf("%.1f %.1f\n", median(program), median(base));
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc >= 2 && std::strcmp(argv[1], "--click") == 0) return click(argc, argv);
  if (argc >= 2 && std::strcmp(argv[1], "--calculation") == 0) return calculation();
  std::fprintf(stderr, "usage: bench_ratios --click | --calculation\n");
  return 2;
}
