// How the running program names itself: the desktop matches its windows to
// the installed menu entry by the desktop file name, so it must be the id
// the entry and the metainfo are installed under.
#include <QApplication>
#include <QTest>

#include "app/application.h"

class TestIdentity : public QObject {
  Q_OBJECT

 private slots:
  void namesMatchTheInstalledFiles() {
    quill::app::SetUpApplication(*qApp);
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral(QUILLCALC_TEST_APP_ID));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("quillcalc"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral(QUILLCALC_TEST_VERSION));
  }
};

QTEST_MAIN(TestIdentity)
#include "test_identity.moc"
