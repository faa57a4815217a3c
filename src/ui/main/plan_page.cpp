// Painting the plan: its title block and where each part stands on the
// page; the drawings are in plan_sketches.cpp, the tables in
// plan_tables.cpp and plan_buying.cpp. Everything is drawn as vectors and
// text, so the page stays sharp at any zoom and its numbers can be searched
// and copied.
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include "calc/results.h"
#include "ui/main/plan.h"
#include "ui/main/plan_paint.h"

namespace quill::ui {
namespace {

using plan::Frame;
using plan::kAreaWidth;

// Title block: the title, what the plan is made for, the program.
constexpr double kTitleSize = 16;
constexpr double kTitleHeight = 22;
constexpr double kLineSize = 8.5;
constexpr double kLineHeight = 12;

// The drawings' band: the top view on the left, the feed on the right.
constexpr double kBandTop = 50;
constexpr double kBandHeight = 185;
constexpr double kTopViewWidth = 320;
constexpr double kBandGap = 14;
// Between the parts below.
constexpr double kGap = 10;
// The boom's column, then what to buy beside it.
constexpr double kBuyingLeft = 318;

void drawTitle(QPainter& painter, const Frame& frame, const Plan& plan) {
  painter.setPen(Qt::black);
  painter.setFont(frame.font(kTitleSize, true));
  painter.drawText(frame.rect(0, 0, kAreaWidth, kTitleHeight), Qt::AlignLeft | Qt::AlignTop, plan.title);
  painter.setFont(frame.font(kLineSize));
  const QString allowance = plan::sum(plan.allowance.value, plan) + QLatin1Char(' ') +
                            QString::fromLatin1(UnitSymbol(plan.allowance.unit).data());
  painter.drawText(frame.rect(0, kTitleHeight, kAreaWidth, kLineHeight), Qt::AlignLeft | Qt::AlignTop,
                   QStringLiteral("For tube of %1 mm; allowance %2 past each bolt")
                       .arg(QLocale().toString(plan.tubeDiameterMm, 'g', 3), allowance));
  painter.drawText(frame.rect(0, kTitleHeight + kLineHeight, kAreaWidth, kLineHeight),
                   Qt::AlignLeft | Qt::AlignTop, plan.byline);
}

}  // namespace

void PaintPlan(QPagedPaintDevice& device, const Plan& plan) {
  const QRect paintable = device.pageLayout().paintRectPixels(device.logicalDpiX());
  const Frame frame(device, QRectF(QPointF(0, 0), paintable.size()));
  QPainter painter(&device);
  painter.setRenderHint(QPainter::Antialiasing);
  drawTitle(painter, frame, plan);
  plan::drawTopView(painter, frame, plan, QRectF(0, kBandTop, kTopViewWidth, kBandHeight));
  plan::drawFeedCorner(
      painter, frame, plan,
      QRectF(kTopViewWidth + kBandGap, kBandTop, kAreaWidth - kTopViewWidth - kBandGap, kBandHeight));
  const double below = plan::drawCutList(painter, frame, plan, kBandTop + kBandHeight + kGap) + kGap;
  plan::drawBoomAndHoles(painter, frame, plan, 0, below);
  plan::drawBuying(painter, frame, plan, kBuyingLeft, below);
}

}  // namespace quill::ui
