#include "ui/weblink/web.h"

#include <QDesktopServices>
#include <QHash>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QUrl>

#include "app/errors.h"
#include "ui/common/forms.h"
#include "ui/weblink/web_design.h"

using namespace quill::ui;

namespace {

constexpr QRgb kLinkColour = qRgb(0, 0, 255);

// The error a failed launch raises: the same number as a missing launcher
// program, and the address, so that the user can still open it by hand.
quill::RunTimeError browserNotStarted() {
  return {53, std::string("File not found: no web browser could be started for ") + weblink::kOpenCommand};
}

QLabel* createLabel(const weblink::LabelDesign& d) {
  auto* label = new QLabel(QString::fromLatin1(d.text));
  label->setObjectName(QString::fromLatin1(d.name));
  label->setTextFormat(Qt::PlainText);
  label->setAlignment((d.align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
  label->setWordWrap(true);  // clipped at the label's height
  label->setAutoFillBackground(true);
  label->setFocusPolicy(Qt::NoFocus);
  if (d.link) {
    QFont font = defaultFont();
    font.setUnderline(true);
    label->setFont(font);
    setTextColour(label, QColor(kLinkColour));
    label->setCursor(Qt::PointingHandCursor);
    label->setAccessibleName(QStringLiteral("Open %1 in the web browser").arg(label->text()));
  } else {
    label->setForegroundRole(QPalette::ButtonText);
  }
  return label;
}

}  // namespace

web::web(QWidget* parent) : QWidget(parent) {
  // A fixed single frame: title bar with minimise and close boxes, no
  // maximise, no resizing; a window of its own with its own task-bar button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QString::fromLatin1(weblink::kCaption));
  setFont(defaultFont());
  // The system's dialog colour, painted under the labels as well.
  setAutoFillBackground(true);
  // The client area's corner, not the frame's, goes to the designed place.
  setGeometry(
      pxRect(weblink::kClientLeft, weblink::kClientTop, weblink::kClientWidth, weblink::kClientHeight));
  setFixedSize(size());

  createControls();
  lblWebPage->installEventFilter(this);
}

void web::createControls() {
  QHash<QString, QLabel*> byName;
  for (const weblink::LabelDesign& d : weblink::labels()) {
    QLabel* label = createLabel(d);
    label->setParent(this);
    label->setGeometry(pxRect(d.left, d.top, d.width, d.height));
    byName.insert(label->objectName(), label);
  }
  Label1 = byName.value(QStringLiteral("Label1"));
  Label2 = byName.value(QStringLiteral("Label2"));
  lblWebPage = byName.value(QStringLiteral("lblWebPage"));
}

void web::lblWebPage_Click() {
  // On the desktop this starts the user's opener (xdg-open, or $BROWSER) as
  // a process of its own and returns at once. When none can be started the
  // user is told where the page is; the window stays open.
  if (!QDesktopServices::openUrl(QUrl(QString::fromLatin1(weblink::kOpenCommand)))) {
    quill::app::ReportRunTimeError(browserNotStarted());
  }
}

bool web::eventFilter(QObject* watched, QEvent* event) {
  // A click is a left-button release over the link (the press that began it
  // was on the link too: the label holds the mouse until the release).
  if (watched == lblWebPage && event->type() == QEvent::MouseButtonRelease) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton && lblWebPage->rect().contains(mouse->position().toPoint())) {
      lblWebPage_Click();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}
