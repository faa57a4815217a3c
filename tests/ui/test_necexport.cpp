// "Export NEC model…": the dialog refuses what cannot be modelled and stays
// open saying why, offers a tube that suits the frequency and then the one
// used last; the drawing's menu reaches it for the last calculation's
// frequency, or reports that calculation's run-time error.
#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/elements.h"
#include "calc/necmodel.h"
#include "gui_support.h"
#include "io/savefile.h"
#include "ui/main/necexport.h"
#include "ui/main/results_menu.h"

using namespace quill;
using ui::NecExportDialog;

namespace {

void pressOk(NecExportDialog& dialog) {
  QTest::mouseClick(dialog.buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
}

}  // namespace

class TestNecExport : public QObject {
  Q_OBJECT

  QList<RunTimeError> errors;

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([this](const RunTimeError& e) { errors << e; });
  }
  void init() {
    NecExportDialog::forgetDiameter();
    SetSessionElements(kFewestElements);
    errors.clear();
  }
  void cleanup() { test::CloseAllWindows(); }

  void refusesAndStaysOpen_data() {
    QTest::addColumn<QString>("diameter");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("said");
    QTest::newRow("diameter 0") << "0"
                                << "3"
                                << "greater than 0 mm";
    QTest::newRow("diameter not a number") << "six"
                                           << "3"
                                           << "not a number";
    QTest::newRow("diameter too thick") << "50"
                                        << "3"
                                        << "too thick";
    QTest::newRow("11 elements") << "6"
                                 << "11"
                                 << "from 3 to 10";
    QTest::newRow("elements not a number") << "6"
                                           << "three"
                                           << "from 3 to 10";
  }
  void refusesAndStaysOpen() {
    QFETCH(QString, diameter);
    QFETCH(QString, elements);
    QFETCH(QString, said);
    NecExportDialog dialog(146);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.diameter()->setText(diameter);
    dialog.elements()->setText(elements);
    pressOk(dialog);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.model());
    QVERIFY2(dialog.problem()->text().contains(said), qPrintable(dialog.problem()->text()));
    // Mended, it is accepted.
    dialog.diameter()->setText(QStringLiteral("6"));
    dialog.elements()->setText(QStringLiteral("4"));
    pressOk(dialog);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.model());
    QCOMPARE(dialog.model()->elements.size(), std::size_t(4));
  }

  // 6 mm at 146 MHz scaled with the wavelength, until one is used; that one
  // is kept for the session. Three elements each time.
  void offersTheTubeAndCountUsedLast() {
    QCOMPARE(NecExportDialog(146).diameter()->text(), QStringLiteral("6"));
    QCOMPARE(NecExportDialog(432).diameter()->text(), QStringLiteral("2.03"));
    QCOMPARE(NecExportDialog(432).elements()->text(), QStringLiteral("3"));
    {
      // The tube offered is the one the command line takes by default.
      NecExportDialog dialog(432);
      dialog.accept();
      QCOMPARE(dialog.model()->tubeDiameterMm, nec::BuildModel("432", std::nullopt, 3).model->tubeDiameterMm);
    }
    {
      NecExportDialog dialog(432);
      dialog.diameter()->setText(QStringLiteral("3.5"));
      dialog.elements()->setText(QStringLiteral("7"));
      dialog.accept();
      QCOMPARE(dialog.model()->tubeDiameterMm, 3.5);
    }
    QCOMPARE(NecExportDialog(146).diameter()->text(), QStringLiteral("3.5"));
    // One element count for the session: the plan and the model use it too.
    QCOMPARE(NecExportDialog(146).elements()->text(), QStringLiteral("7"));
  }

  // The drawing's menu opens the dialog for the last calculation's frequency;
  // when that calculation failed, its error is reported and nothing is asked.
  // The save dialogs start in ~/Documents, or at home where there is none.
  void saveFolderFallsBackToHome() {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config")));
    const QString without = io::DefaultSaveFolder();
    QDir(home.path()).mkdir(QStringLiteral("Documents"));
    const QString with = io::DefaultSaveFolder();
    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
    QCOMPARE(without, home.path());
    QCOMPARE(with, home.filePath(QStringLiteral("Documents")));
  }

  void theMenuExportsWhatTheWindowShows() {
    Form1* form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    QAction* entry = nullptr;
    for (QAction* action : form->resultsMenu()->menu()->actions()) {
      if (action->text() == QStringLiteral("Export NEC model…")) entry = action;
    }
    QVERIFY(entry);

    // What the window shows, as Copy results, the plan and the model have
    // it: after a calculation that failed, still the last values on screen.
    auto offered = [&entry, this] {
      QString text;
      QTimer::singleShot(0, this, [&text] {
        auto* dialog = qobject_cast<NecExportDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        text = dialog->findChildren<QLabel*>().first()->text();
        dialog->reject();
      });
      entry->trigger();
      return text;
    };
    form->Text2->setText(QStringLiteral("146"));
    form->Command1_Click();
    QVERIFY2(offered().contains(QStringLiteral("146 MHz")), qPrintable(offered()));
    form->Text2->setText(QStringLiteral("0"));
    form->Command1_Click();
    QCOMPARE(errors.size(), 1);
    const QString afterFailure = offered();
    QVERIFY2(afterFailure.contains(QStringLiteral("146 MHz")), qPrintable(afterFailure));
    QCOMPARE(errors.size(), 1);
  }
};

QTEST_MAIN(TestNecExport)
#include "test_necexport.moc"
