// The real generate dialog, offscreen: Generate, edits, the targets, then Save into a
// temporary folder and Exit.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <vector>

#include "codegen/frmGenerateCode.h"
#include "form/ChildFor.h"
#include "ui/generate_dialog.h"
#include "ui/qt_ui.h"

namespace {

// Records the messages instead of showing them, answering with the default button.
class RecordingUi : public qb::ui::QtUi {
 public:
  std::vector<std::string> texts;

 protected:
  qb::MsgButton DoMessageBox(const std::string&, const std::string& text, qb::MsgIcon,
                             qb::MsgButtons, qb::MsgButton default_button) override {
    texts.push_back(text);
    return default_button;
  }
};

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

}  // namespace

class TestGenerateDialog : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir_;
  RecordingUi ui_;
  std::unique_ptr<qb::TfrmGenerate> model_;
  std::vector<std::unique_ptr<qb::TChildFrm>> forms_;

  template <typename W>
  W* Find(QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(name);
    if (!widget) qWarning("missing widget %s", name);
    return widget;
  }

  void OpenOnProject() {
    const QString project = dir_.filePath("Demo.qbp");
    QFile file(project);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Project]\r\nLib=1\r\n");
    file.close();
    forms_.clear();
    for (const char* name : {"Form2", "Form1"}) {
      forms_.push_back(std::make_unique<qb::TChildFrm>());
      forms_.back()->SetName(name);
      forms_.back()->Screen().SetTitle(name);
    }
    const std::string program = dir_.filePath("program").toStdString();
    QDir().mkpath(QString::fromStdString(program));
    model_ = std::make_unique<qb::TfrmGenerate>(ui_, qb::GenerateFolders{program, program});
    model_->Show({qb::LibraryId::kCControls,
                  project.toStdString(),
                  "Demo",
                  {forms_[0].get(), forms_[1].get()}});
  }

 private slots:
  void initTestCase() { QVERIFY(dir_.isValid()); }

  void showsTheProjectAndItsWidgets() {
    OpenOnProject();
    qb::ui::GenerateDialog dialog(*model_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.windowState() & Qt::WindowMaximized);
    QCOMPARE(dialog.windowTitle(), QString("Quillboard 1.21 - Generate code - CControls"));
    for (const char* name :
         {"cmbForms",   "rbtPDE",     "rbtMemos",    "butGenerar", "butSave",
          "butSaveDoc", "butSalir",   "chkColor",    "dedOutput",  "grpPrcProp",
          "edtCID",     "edtAppName", "edtAppDB",    "edtVersion", "imgLarge1",
          "imgSmall8",  "memMain",    "memForms",    "memEvents",  "memHeader",
          "lblLines",   "lblCharsH",  "butCopyMain", "butCopyH",   "pagGenerate"})
      QVERIFY2(dialog.findChild<QWidget*>(name), name);
    auto* forms = Find<QComboBox>(dialog, "cmbForms");
    QCOMPARE(forms->count(), 2);
    QCOMPARE(forms->currentText(), QString("Form2"));
    QVERIFY(!Find<QWidget>(dialog, "chkColor")->isVisible());
    QVERIFY(!Find<QPushButton>(dialog, "butSave")->isEnabled());
    QVERIFY(!Find<QPushButton>(dialog, "butSaveDoc")->isVisible());
    auto* large = Find<QLabel>(dialog, "imgLarge1");
    QCOMPARE(large->pixmap().size(), QSize(32, 32));
    QCOMPARE(Find<QLabel>(dialog, "imgSmall4")->pixmap().size(), QSize(15, 9));
    QCOMPARE(large->cursor().shape(), Qt::PointingHandCursor);
  }

  void keepsTheCodeWrittenInTheFilesAndSaysSo() {
    OpenOnProject();
    qb::ui::GenerateDialog dialog(*model_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto* keep = Find<QCheckBox>(dialog, "chkKeepCode");
    QVERIFY(keep->isVisible());
    QVERIFY(keep->isChecked());
    QCOMPARE(keep->text(), QString("&Keep the code written in the files"));
    const QString out = dir_.filePath("keep");
    auto* output = Find<QLineEdit>(dialog, "dedOutput");
    output->selectAll();
    QTest::keyClicks(output, out);
    QTest::mouseClick(Find<QPushButton>(dialog, "butGenerar"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(dialog, "butSave"), Qt::LeftButton);
    QCOMPARE(ReadAll(out + "/Demo.h.base"), ReadAll(out + "/Demo.h"));

    QFile header(out + "/Demo.h");
    QVERIFY(header.open(QIODevice::Append));
    header.write("//mine\r\n");
    header.close();
    QTest::mouseClick(Find<QPushButton>(dialog, "butGenerar"), Qt::LeftButton);
    QCOMPARE(Find<QPlainTextEdit>(dialog, "memHeader")->toPlainText(),
             QString("//Form and dialog prototypes\nForm2();\nForm1();\n//mine\n"));
    QCOMPARE(Find<QLabel>(dialog, "lblKept")->text(),
             QString("Kept your code in 1 line outside handlers."));

    // Off: the fresh texts at once.
    QTest::mouseClick(keep, Qt::LeftButton);
    QVERIFY(!model_->KeepCodeChecked());
    QCOMPARE(Find<QPlainTextEdit>(dialog, "memHeader")->toPlainText(),
             QString("//Form and dialog prototypes\nForm2();\nForm1();\n"));
    QCOMPARE(Find<QLabel>(dialog, "lblKept")->text(), QString());
    QTest::mouseClick(Find<QRadioButton>(dialog, "rbtMemos"), Qt::LeftButton);
    QVERIFY(!keep->isVisible());
    QTest::mouseClick(Find<QRadioButton>(dialog, "rbtPDE"), Qt::LeftButton);
    QTest::mouseClick(keep, Qt::LeftButton);
    QVERIFY(model_->KeepCodeChecked());
  }

  void creatorIdTakesFourCharacters() {
    OpenOnProject();
    qb::ui::GenerateDialog dialog(*model_);
    dialog.show();
    auto* cid = Find<QLineEdit>(dialog, "edtCID");
    cid->selectAll();
    QTest::keyClicks(cid, "ABCDE");
    QCOMPARE(cid->text(), QString("ABCD"));
    QCOMPARE(model_->CreatorId(), std::string("ABCD"));
  }

  void generateThenSaveIntoAFolder() {
    OpenOnProject();
    qb::ui::GenerateDialog dialog(*model_);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    ui_.texts.clear();

    auto* forms = Find<QComboBox>(dialog, "cmbForms");
    forms->setCurrentIndex(1);
    emit forms->activated(1);
    QTest::mouseClick(Find<QPushButton>(dialog, "butGenerar"), Qt::LeftButton);
    auto* main = Find<QPlainTextEdit>(dialog, "memMain");
    QVERIFY(main->toPlainText().startsWith("@cid \"QLBD\";\n@name \"Application\";\n"));
    QVERIFY(main->toPlainText().contains("  Form1();\n"));
    QCOMPARE(main->textCursor().position(), 0);
    QCOMPARE(Find<QLabel>(dialog, "lblLinesH")->text(), QString("3 lines"));
    QCOMPARE(Find<QLabel>(dialog, "lblCharsH")->text(), QString("50 chars"));
    QVERIFY(Find<QPushButton>(dialog, "butSave")->isEnabled());

    if (qEnvironmentVariableIsSet("QB_SCREENSHOT_DIR")) {
      const QString shot =
          QDir(qEnvironmentVariable("QB_SCREENSHOT_DIR")).filePath("generate_dialog.png");
      QVERIFY(dialog.grab().save(shot));
    }

    // A typed line reaches the saved file and the counters.
    auto* header = Find<QPlainTextEdit>(dialog, "memHeader");
    header->moveCursor(QTextCursor::End);
    QTest::keyClicks(header, "//end");
    QCOMPARE(Find<QLabel>(dialog, "lblLinesH")->text(), QString("4 lines"));

    const QString out = dir_.filePath("out/src");
    auto* output = Find<QLineEdit>(dialog, "dedOutput");
    output->selectAll();
    QTest::keyClicks(output, out);
    QTest::mouseClick(Find<QPushButton>(dialog, "butSave"), Qt::LeftButton);

    QCOMPARE(ReadAll(out + "/Demo.h"),
             QByteArray("//Form and dialog prototypes\r\nForm2();\r\nForm1();\r\n//end\r\n"));
    QVERIFY(ReadAll(out + "/Demo.pc").startsWith("@cid \"QLBD\";\r\n@name \"Application\";\r\n"));
    for (const char* name :
         {"DemoForms.pc", "DemoEvents.pc", "large1.bmp", "small1.bmp", "large2.bmp", "small2.bmp",
          "large4.bmp", "small4.bmp", "large8.bmp", "small8.bmp"})
      QVERIFY2(QFile::exists(out + "/" + name), name);
    QCOMPARE(ReadAll(out + "/large8.bmp"), QByteArray::fromStdString(model_->Icon(6).bytes));
    QCOMPARE(ui_.texts, std::vector<std::string>{"CControls library not found at project source "
                                                 "path. You must copy it before compile."});

    QTest::mouseClick(Find<QPushButton>(dialog, "butSalir"), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
    QVERIFY(model_->Closed());
  }

  void memoTargetSwapsTheSaveButtonsAndClearsTheTexts() {
    OpenOnProject();
    qb::ui::GenerateDialog dialog(*model_);
    dialog.show();
    QTest::mouseClick(Find<QPushButton>(dialog, "butGenerar"), Qt::LeftButton);
    auto* memos = Find<QRadioButton>(dialog, "rbtMemos");
    memos->click();
    QVERIFY(Find<QPlainTextEdit>(dialog, "memMain")->toPlainText().isEmpty());
    QCOMPARE(Find<QLabel>(dialog, "lblLines")->text(), QString("0 lines"));
    QVERIFY(!Find<QPushButton>(dialog, "butSave")->isVisible());
    QVERIFY(Find<QPushButton>(dialog, "butSaveDoc")->isVisible());
    QVERIFY(Find<QPushButton>(dialog, "butSaveDoc")->isEnabled());
    QVERIFY(!Find<QWidget>(dialog, "grpPrcProp")->isVisible());
    QVERIFY(Find<QWidget>(dialog, "dedOutput")->isVisible());  // where the DOC files go
    dialog.reject();
    QVERIFY(model_->Closed());
  }

  void registeredForRunDialog() {
    OpenOnProject();
    qb::ui::RegisterGenerateDialog(ui_);
    QTimer::singleShot(0, [] {
      for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<qb::ui::GenerateDialog*>(w))
          QTest::mouseClick(d->findChild<QPushButton*>("butSalir"), Qt::LeftButton);
    });
    QVERIFY(ui_.RunDialog(*model_));
    QVERIFY(model_->Closed());
  }
};

QTEST_MAIN(TestGenerateDialog)
#include "tst_generate_dialog.moc"
