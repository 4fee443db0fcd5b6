// The help window over real pages: opened by the Ui's help request, following the manual's own
// links with Back and Forward, reused for the next request, and never keeping the program alive.

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include "ui/help_window.h"
#include "ui/qt_ui.h"

namespace {

void WritePage(const QString& path, const QByteArray& html) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(html);
}

QAction* ActionNamed(QWidget* window, const QString& text) {
  for (QAction* action : window->findChildren<QAction*>())
    if (action->text() == text) return action;
  return nullptr;
}

}  // namespace

class TestHelpWindow : public QObject {
  Q_OBJECT
 private slots:
  void init() {
    QVERIFY(dir_.isValid());
    WritePage(dir_.filePath("index.html"),
              "<html><body><h1>First steps</h1><a href=\"two.html\">Keyboard</a></body></html>");
    WritePage(dir_.filePath("two.html"), "<html><body><h1>The keyboard</h1></body></html>");
  }

  void helpRequestShowsThePage() {
    qb::ui::QtUi ui;
    QVERIFY(ui.Help() == nullptr);
    ui.ShowHelp(dir_.filePath("index.html").toStdString());
    qb::ui::HelpWindow* help = ui.Help();
    QVERIFY(help != nullptr);
    QVERIFY(help->isVisible());
    QCOMPARE(help->windowTitle(), QString("Quillboard Help"));
    QVERIFY(help->Browser()->toPlainText().startsWith("First steps"));
    QCOMPARE(help->Browser()->source(), QUrl::fromLocalFile(dir_.filePath("index.html")));
    // Closing the main window must still end the program.
    QVERIFY(!help->testAttribute(Qt::WA_QuitOnClose));

    // The next request reuses the window.
    ui.ShowHelp(dir_.filePath("index.html").toStdString());
    QCOMPARE(ui.Help(), help);
  }

  void linksOfTheManualAreFollowedWithHistory() {
    qb::ui::HelpWindow help;
    help.ShowPage(dir_.filePath("index.html"));
    QAction* back = ActionNamed(&help, "Back");
    QAction* forward = ActionNamed(&help, "Forward");
    QVERIFY(back && forward);
    QVERIFY(!back->isEnabled());

    emit help.Browser()->anchorClicked(QUrl("two.html"));
    QCOMPARE(help.Browser()->source(), QUrl::fromLocalFile(dir_.filePath("two.html")));
    QVERIFY(help.Browser()->toPlainText().startsWith("The keyboard"));
    QVERIFY(back->isEnabled());

    back->trigger();
    QCOMPARE(help.Browser()->source(), QUrl::fromLocalFile(dir_.filePath("index.html")));
    QVERIFY(forward->isEnabled());
    forward->trigger();
    QCOMPARE(help.Browser()->source(), QUrl::fromLocalFile(dir_.filePath("two.html")));

    ActionNamed(&help, "Contents")->trigger();
    QCOMPARE(help.Browser()->source(), QUrl::fromLocalFile(dir_.filePath("index.html")));
  }

  void anotherManualStartsAFreshHistory() {
    qb::ui::HelpWindow help;
    help.ShowPage(dir_.filePath("index.html"));
    emit help.Browser()->anchorClicked(QUrl("two.html"));
    QTemporaryDir other;
    WritePage(other.filePath("index.html"), "<html><body><h1>Other</h1></body></html>");
    help.ShowPage(other.filePath("index.html"));
    QVERIFY(help.Browser()->toPlainText().startsWith("Other"));
    QVERIFY(!ActionNamed(&help, "Back")->isEnabled());
  }

  void escapeCloses() {
    qb::ui::HelpWindow help;
    help.ShowPage(dir_.filePath("index.html"));
    QVERIFY(QTest::qWaitForWindowActive(&help));
    QTest::keyClick(help.Browser(), Qt::Key_Escape);
    QVERIFY(!help.isVisible());
  }

 private:
  QTemporaryDir dir_;
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
