#include "ui/notes/frmabout.h"

#include <QCoreApplication>
#include <QHash>
#include <QLabel>
#include <QPalette>
#include <QPlainTextEdit>

#include "app/version.h"
#include "ui/common/forms.h"
#include "ui/common/picturebox.h"
#include "ui/notes/frmabout_design.h"

using namespace quill::ui;

namespace {

QWidget* createControl(const notes::ControlDesign& d) {
  QWidget* widget = nullptr;
  switch (d.kind) {
    case notes::Kind::Label: {
      auto* label = new QLabel(QString::fromLatin1(d.text));
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(true);  // clipped at the label's height
      label->setAutoFillBackground(true);
      // Labels take the system's button-text colour unless they name one.
      if (!d.colour) label->setForegroundRole(QPalette::ButtonText);
      widget = label;
      break;
    }
    case notes::Kind::TextBox: {
      auto* box = new QPlainTextEdit(designText(d.text));
      // A small inset, as the notes were laid out for boxes with a thin margin.
      styleMultiLine(box, d.border, Align::Left, 1);
      box->moveCursor(QTextCursor::Start);
      widget = box;
      break;
    }
    case notes::Kind::Picture:
      widget = new PictureBox(QString::fromLatin1(d.text));
      break;
  }
  widget->setObjectName(QString::fromLatin1(d.name));
  if (d.font) widget->setFont(designFont(d.font->face, d.font->points));
  if (d.colour || d.background) {
    setTextColour(widget, d.colour ? QColor(d.colour) : QColor(),
                  d.background ? QColor(d.background) : QColor());
  }
  return widget;
}

}  // namespace

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

  createControls();
  Form_Load();

  // The focus starts in the construction notes, caret at the start.
  Text1->setFocus();
}

void frmAbout::createControls() {
  QHash<QString, QWidget*> byName;
  QWidget* previous = nullptr;
  for (const notes::ControlDesign& d : notes::controls()) {
    QWidget* widget = createControl(d);
    widget->setParent(this);
    widget->setGeometry(pxRect(d.left, d.top, d.width, d.height));
    if (d.kind == notes::Kind::Label) {
      // Labels are painted on the window's surface, under every box.
      widget->lower();
    } else {
      if (previous) setTabOrder(previous, widget);
      previous = widget;
    }
    byName.insert(widget->objectName(), widget);
  }

  auto label = [&](const char* name) { return static_cast<QLabel*>(byName.value(QLatin1String(name))); };
  auto box = [&](const char* name) {
    return static_cast<QPlainTextEdit*>(byName.value(QLatin1String(name)));
  };
  auto picture = [&](const char* name) {
    return static_cast<PictureBox*>(byName.value(QLatin1String(name)));
  };
  lblDescription = label("lblDescription");
  lblDisclaimer = label("lblDisclaimer");
  lblTitle = label("lblTitle");
  lblVersion = label("lblVersion");
  Text1 = box("Text1");
  Text2 = box("Text2");
  Text3 = box("Text3");
  Picture1 = picture("Picture1");
  Picture2 = picture("Picture2");
}

void frmAbout::Form_Load() {
  const QString title = QCoreApplication::applicationName();
  setWindowTitle(QStringLiteral("About ") + title);
  lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                          .arg(quill::app::kVersionMajor)
                          .arg(quill::app::kVersionMinor)
                          .arg(quill::app::kVersionRevision));
  lblTitle->setText(title);
}
