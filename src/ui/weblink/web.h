#pragma once

#include <QWidget>

#include "calc/design.h"

class QLabel;

namespace quill::ui {
class LinkLabel;
}

// The web link window: tells the user the author's page will open in the
// default browser and shows its address as a link. A click on the address
// opens the page; nothing else in the window reacts. Modeless, no owner.
class web : public QWidget {
  Q_OBJECT

 public:
  explicit web(QWidget* parent = nullptr);

  // Controls, named as in the window design, in tab order.
  QLabel* Label1;                    // "The link will be opened in your default browser."
  QLabel* Label2;                    // "Click Link Below to "
  quill::ui::LinkLabel* lblWebPage;  // the page's address, shown as a link

  // Event handler: opens the author's page in the default browser, once per
  // click, without waiting for the browser.
  void lblWebPage_Click();

 signals:
  // No browser could be started; the window stays as it is.
  void launchFailed(const quill::RunTimeError& error);
};
