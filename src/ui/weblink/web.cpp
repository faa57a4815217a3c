#include "ui/weblink/web.h"

#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include "ui/common/builder.h"
#include "ui/common/controls.h"
#include "ui/common/forms.h"
#include "ui/common/look.h"
#include "ui/weblink/web_design.h"

using namespace quill::ui;

namespace {

constexpr QRgb kLinkColour = qRgb(0, 0, 255);

// The page a click opens: the address with a closing "/".
QString pageToOpen() { return QString::fromLatin1(weblink::kPageAddress) + QLatin1Char('/'); }

// The error a failed launch raises: the same number as a missing launcher
// program, and the address, so that the user can still open it by hand.
quill::RunTimeError browserNotStarted() {
  return {53, "File not found: no web browser could be started for " + pageToOpen().toStdString()};
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

  BuildControls(*this, this, weblink::controls());

  // The address looks like a link: blue, underlined, with the pointing hand.
  QFont font = lblWebPage->font();
  font.setUnderline(true);
  lblWebPage->setFont(font);
  setTextColour(lblWebPage, QColor(kLinkColour));
  lblWebPage->setCursor(Qt::PointingHandCursor);
  lblWebPage->setAccessibleName(QStringLiteral("Open %1 in the web browser").arg(lblWebPage->text()));
  connect(lblWebPage, &LinkLabel::clicked, this, &web::lblWebPage_Click);

  UseDesignLook(this);
}

void web::lblWebPage_Click() {
  // On the desktop this starts the user's opener (xdg-open, or $BROWSER) as
  // a process of its own and returns at once. When none can be started the
  // user is told where the page is; the window stays open.
  if (!QDesktopServices::openUrl(QUrl(pageToOpen()))) emit launchFailed(browserNotStarted());
}
