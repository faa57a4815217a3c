#include "ui/notes/frmabout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>
#include <QVersionNumber>

#include "ui/common/builder.h"
#include "ui/common/forms.h"
#include "ui/common/look.h"
#include "ui/common/picturebox.h"
#include "ui/notes/frmabout_design.h"

using namespace quill::ui;

frmAbout::frmAbout(QWidget* parent) : QWidget(parent) {
  // A fixed dialog frame: title bar with the close box only, no resizing.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QString::fromLatin1(notes::kCaption));
  setFont(defaultFont());
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, QColor(notes::kBackColour));
  setPalette(palette);
  setAutoFillBackground(true);
  // The client area's corner, not the frame's, goes to the designed place.
  setGeometry(pxRect(notes::kClientLeft, notes::kClientTop, notes::kClientWidth, notes::kClientHeight));
  setFixedSize(size());

  BuildControls(*this, this, notes::controls());
  UseDesignLook(this);
  Form_Load();

  // The focus starts in the construction notes, caret at the start.
  Text1->setFocus();
}

void frmAbout::Form_Load() {
  const QString title = QCoreApplication::applicationName();
  setWindowTitle(QStringLiteral("About ") + title);
  // Major, minor and revision, each a plain number ("1.0.0").
  const QVersionNumber version = QVersionNumber::fromString(QCoreApplication::applicationVersion());
  lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                          .arg(version.majorVersion())
                          .arg(version.minorVersion())
                          .arg(version.microVersion()));
  lblTitle->setText(title);
}
