// The whole task through the accessibility interfaces a screen reader uses:
// set the frequency, press "INCHES", read the fourteen values with their
// names and unit; and the names and actions of the other two windows.
#include <QAccessible>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <QUrl>

#include "app/errors.h"
#include "app/windows.h"
#include "calc/design.h"
#include "examples.h"
#include "gui_support.h"
#include "ui/common/controls.h"
#include "ui/common/picturebox.h"
#include "ui/main/form1.h"
#include "ui/notes/frmabout.h"
#include "ui/weblink/web.h"
#include "url_recorder.h"

using namespace quill;

namespace {

// Every interface under `root`, depth first.
QList<QAccessibleInterface*> Descendants(QAccessibleInterface* root) {
  QList<QAccessibleInterface*> found;
  for (int i = 0; i < root->childCount(); ++i) {
    QAccessibleInterface* child = root->child(i);
    if (!child) continue;
    found << child << Descendants(child);
  }
  return found;
}

QAccessibleInterface* Find(QWidget* window, QAccessible::Role role, const QString& name) {
  for (QAccessibleInterface* i : Descendants(QAccessible::queryAccessibleInterface(window))) {
    if (i->role() == role && i->text(QAccessible::Name) == name) return i;
  }
  return nullptr;
}

QAccessibleInterface* Of(QObject* control) { return QAccessible::queryAccessibleInterface(control); }

void Press(QAccessibleInterface* button) {
  QVERIFY(button && button->actionInterface());
  button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

}  // namespace

class TestAccessible : public QObject {
  Q_OBJECT

  Form1* form = nullptr;
  test::UrlRecorder browser;

  // The fourteen result boxes as a screen reader finds them: value, name and
  // description, keyed by the box.
  void verifyResults(const test::AllBoxes& expected, const QString& unit) {
    QSet<QString> names;
    for (const test::BoxText& box : expected) {
      QAccessibleInterface* read = Of(form->resultBox(box.box));
      QVERIFY(read);
      QCOMPARE(read->role(), QAccessible::EditableText);
      QCOMPARE(read->text(QAccessible::Value), QString::fromLatin1(box.text));
      QCOMPARE(read->text(QAccessible::Description), unit);
      names << read->text(QAccessible::Name);
    }
    names.remove(QString());
    QCOMPARE(names.size(), int(kResultBoxCount));  // every box has a name of its own
  }

 private slots:
  void initTestCase() {
    test::SetUpGuiTest();
    app::SetErrorReporter([](const RunTimeError&) {});
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
  }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }

  void init() {
    Design() = DesignValues{};
    browser.opened.clear();
    form = app::ShowMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
  }
  void cleanup() { test::CloseAllWindows(); }

  void wholeTask() {
    QAccessibleInterface* frequency =
        Find(form, QAccessible::EditableText, QStringLiteral("Frequency in megahertz"));
    QVERIFY(frequency && frequency->editableTextInterface() && frequency->textInterface());
    const int length = frequency->textInterface()->characterCount();
    frequency->editableTextInterface()->replaceText(0, length, QString::fromLatin1(test::k144));
    QCOMPARE(form->Text2->text(), QString::fromLatin1(test::k144));
    QCOMPARE(Of(form->Text4)->text(QAccessible::Description), QStringLiteral("Nothing calculated yet"));

    Press(Find(form, QAccessible::Button, QStringLiteral("INCHES")));
    QTRY_COMPARE(form->Text4->text(),
                 QString::fromLatin1(
                     test::Shown(test::k144Inches, ResultBox::Text4)));  // a press is an animated click
    verifyResults(test::k144Inches, QStringLiteral("In inches"));

    Press(Find(form, QAccessible::Button, QStringLiteral("CM")));
    QTRY_COMPARE(form->Text4->text(),
                 QString::fromLatin1(test::Shown(test::k144Centimetres, ResultBox::Text4)));
    verifyResults(test::k144Centimetres, QStringLiteral("In centimetres"));
  }

  // Screen readers announce a window that opens or takes the focus only if
  // it is a frame or a dialog, by its title.
  void windowsAreAnnounced() {
    Press(Find(form, QAccessible::Button, QStringLiteral("NOTES")));
    Press(Find(form, QAccessible::Button, QStringLiteral("WEB LINK")));
    QTRY_COMPARE(test::OpenWindows<frmAbout>().size(), 1);
    QTRY_COMPARE(test::OpenWindows<web>().size(), 1);
    const struct {
      QWidget* window;
      QAccessible::Role role;
      QString name;
    } windows[] = {
        {form, QAccessible::Window, QStringLiteral("Form1")},
        {test::OpenWindows<frmAbout>().first(), QAccessible::Dialog, QStringLiteral("About quillcalc")},
        {test::OpenWindows<web>().first(), QAccessible::Window, QStringLiteral("Web Page Link")},
    };
    for (const auto& w : windows) {
      QCOMPARE(Of(w.window)->role(), w.role);
      QCOMPARE(Of(w.window)->text(QAccessible::Name), w.name);
    }
    // What Qt describes itself keeps its own role.
    QMessageBox box(form);
    QCOMPARE(Of(&box)->role(), QAccessible::AlertMessage);
  }

  void drawingIsDescribed() {
    QAccessibleInterface* drawing = Of(form->Picture1);
    QCOMPARE(drawing->role(), QAccessible::Graphic);
    QCOMPARE(drawing->text(QAccessible::Name), QStringLiteral("Drawing of the Quillbeam antenna"));
    QVERIFY(drawing->text(QAccessible::Description).contains(QLatin1String("reflector")));
  }

  void notesAreNamed() {
    Press(Find(form, QAccessible::Button, QStringLiteral("NOTES")));
    QTRY_COMPARE(test::OpenWindows<frmAbout>().size(), 1);
    frmAbout* notes = test::OpenWindows<frmAbout>().first();
    QSet<QString> names;
    for (QWidget* control : {static_cast<QWidget*>(notes->Text1), static_cast<QWidget*>(notes->Text2),
                             static_cast<QWidget*>(notes->Text3), static_cast<QWidget*>(notes->Picture1),
                             static_cast<QWidget*>(notes->Picture2)}) {
      names << Of(control)->text(QAccessible::Name);
    }
    names.remove(QString());
    QCOMPARE(names.size(), 5);
    QCOMPARE(Of(notes->Picture1)->role(), QAccessible::Graphic);
    QVERIFY(!Of(notes->Picture1)->text(QAccessible::Description).isEmpty());
  }

  // The link's press action opens the page, though the window takes no
  // keyboard focus.
  void linkHasAPressAction() {
    Press(Find(form, QAccessible::Button, QStringLiteral("WEB LINK")));
    QTRY_COMPARE(test::OpenWindows<web>().size(), 1);
    web* link = test::OpenWindows<web>().first();
    QAccessibleInterface* address = Of(link->lblWebPage);
    QCOMPARE(address->role(), QAccessible::Link);
    QVERIFY(address->actionInterface());
    QCOMPARE(address->actionInterface()->actionNames(),
             QStringList{QAccessibleActionInterface::pressAction()});
    QVERIFY(!address->text(QAccessible::Name).isEmpty());
    Press(address);
    QTRY_COMPARE(browser.opened.size(), 1);
    QCOMPARE(browser.opened.first(), QUrl(QStringLiteral("https://example.org/quillbeam/")));
    for (QWidget* control : link->findChildren<QWidget*>()) QCOMPARE(control->focusPolicy(), Qt::NoFocus);
  }
};

QTEST_MAIN(TestAccessible)
#include "test_accessible.moc"
