#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

namespace quill::test {

// Stands in for the desktop's browser opener: a test registers it with
// QDesktopServices::setUrlHandler, and no real browser ever starts.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

}  // namespace quill::test
