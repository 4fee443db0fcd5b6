// Code generation through the real main window: a saved project opened again, Generate Code
// (F7), Generate, Save into a folder; the files are those quillboard-cli writes for the
// same project.

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "ui_harness.h"

using namespace qb;

namespace {

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

const char* const kOutputs[] = {"Project1.pc", "Project1Forms.pc", "Project1Events.pc",
                                "Project1.h",  "large1.bmp",       "small1.bmp",
                                "large2.bmp",  "small2.bmp",       "large4.bmp",
                                "small4.bmp",  "large8.bmp",       "small8.bmp"};

}  // namespace

class TestGenerateFromMain : public QObject {
  Q_OBJECT
 private slots:
  void generateAndSaveEqualsTheCommandLine() {
    QTemporaryDir work;
    const QString project_path = work.path() + "/Project1.qbp";
    const QString dialog_out = work.path() + "/dialog out";
    const QString cli_out = work.path() + "/cli out";
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));

    // A project saved, closed, and opened again.
    QVERIFY(test::NewProjectWithTwoControls(program, "PToolBox"));
    test::ModalDriver driver;
    driver.ThenFile(project_path);
    driver.ThenFile(work.path() + "/Form1.qbf");
    program.Trigger(Command::kSaveProjectAs);
    QVERIFY(driver.WaitDone());
    program.Trigger(Command::kCloseAll);  // just saved: no question
    QVERIFY(driver.WaitDone());
    driver.ThenFile(project_path);
    program.Trigger(Command::kOpenProject);
    QVERIFY(driver.WaitDone());
    program.Window().Sync();
    QCOMPARE(program.State().windows.size(), std::size_t{1});

    // F7 opens the dialog: Generate, the output folder typed, Save (the missing-library
    // warning answered), then Exit.
    QString warning;
    QString main_text;
    driver.Then([&](QWidget* w) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (!dialog || w->objectName() != "frmGenerate") return false;
      dialog->findChild<QPushButton*>("butGenerar")->click();
      main_text = dialog->findChild<QPlainTextEdit*>("memMain")->toPlainText();
      test::SaveScreenshot(*dialog, "generate_after_generate.png");
      auto* output = dialog->findChild<QLineEdit*>("dedOutput");
      output->selectAll();
      QTest::keyClicks(output, dialog_out);
      dialog->findChild<QPushButton*>("butSave")->click();
      dialog->findChild<QPushButton*>("butSalir")->click();
      return true;
    });
    driver.ThenMessage(QMessageBox::Ok, &warning);
    // The shortcut needs the main window active again after the file dialogs.
    program.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&program.Window()));
    QTest::keyClick(&program.Window(), Qt::Key_F7);
    QVERIFY(driver.WaitDone());
    QVERIFY(main_text.startsWith("@cid \"QLBD\";\n"));
    QVERIFY(main_text.contains("#include \"Project1Forms.pc\""));
    QVERIFY2(warning.contains("Fctl.h"), qPrintable(warning));

    // The command line on the same project file.
    const QString command = QString("'%1/quillboard-cli' generate '%2' --out '%3' >/dev/null 2>&1")
                                .arg(QB_BIN_DIR, project_path, cli_out);
    QCOMPARE(std::system(command.toLocal8Bit().constData()), 0);
    for (const char* name : kOutputs) {
      const QByteArray from_dialog = ReadAll(dialog_out + "/" + name);
      QVERIFY2(!from_dialog.isEmpty(), name);
      QCOMPARE(ReadAll(cli_out + "/" + name), from_dialog);
    }
    // What the dialog showed is what it saved, with CRLF line ends.
    QString saved = QString::fromUtf8(ReadAll(dialog_out + "/Project1.pc"));
    QCOMPARE(saved, main_text.replace("\n", "\r\n"));

    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestGenerateFromMain)
#include "tst_generate_from_main.moc"
