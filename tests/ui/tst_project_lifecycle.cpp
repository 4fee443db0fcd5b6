// A project's whole life through the real main window and its real dialogs: New Project,
// controls placed from the palette, Save Project As, Close All, Open Project, and the
// settings file written when the program ends. Screenshots of both libraries' main windows.

#include <QComboBox>

#include "controls/CCButton.h"
#include "controls/CCLabel.h"
#include "controls/PTButton.h"
#include "controls/PTLabel.h"
#include "model/ini_file.h"
#include "ui_harness.h"

using namespace qb;
using test::NewProjectWithTwoControls;

namespace {

struct Placed {
  std::string name;
  int left, top, width, height;
};

std::vector<Placed> ScreenControls(const TChildFrm& form) {
  std::vector<Placed> out;
  for (const auto& c : form.Screen().Children())
    out.push_back({c->Name(), c->Left(), c->Top(), c->Width(), c->Height()});
  return out;
}

}  // namespace

class TestProjectLifecycle : public QObject {
  Q_OBJECT
 private slots:
  void newSaveCloseAndOpenAgain() {
    QTemporaryDir work;
    const QString project_path = work.path() + "/Demo.qbp";
    const QString form_path = work.path() + "/Form1.qbf";
    {
      test::Program program;
      const QString settings_file = program.SettingsFile();
      QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
      TChildFrm* form = NewProjectWithTwoControls(program, "PToolBox");
      QVERIFY(form);
      QCOMPARE(program.State().library, LibraryId::kPToolboxLib);
      QCOMPARE(program.Window().windowTitle(), QString("Quillboard 1.21 - Project1"));
      const std::vector<Placed> placed = ScreenControls(*form);
      QCOMPARE(placed.size(), std::size_t{2});
      QVERIFY(As<TPTButton>(form->Screen().Children()[0].get()));
      QVERIFY(As<TPTLabel>(form->Screen().Children()[1].get()));

      // Save Project As: the project's file, then the never-saved form's file.
      test::ModalDriver driver;
      driver.ThenFile(project_path);
      driver.ThenFile(form_path);
      program.Trigger(Command::kSaveProjectAs);
      QVERIFY(driver.WaitDone());
      QVERIFY(QFile::exists(project_path));
      QVERIFY(QFile::exists(form_path));
      QCOMPARE(program.Window().windowTitle(), QString("Quillboard 1.21 - Demo"));

      // A change after the save: Close All asks whether to save; No closes without saving.
      test::EditByHand(program, [&] { form->Screen().SetTitle("Changed"); });
      QString question;
      driver.ThenMessage(QMessageBox::No, &question);
      program.Trigger(Command::kCloseAll);
      QVERIFY(driver.WaitDone());
      QCOMPARE(question, QString("Save changes to project Demo?"));
      QVERIFY(program.State().windows.empty());
      QCOMPARE(program.Window().windowTitle(), QString("Quillboard 1.21"));

      // Open Project brings the form and its controls back.
      driver.ThenFile(project_path);
      program.Trigger(Command::kOpenProject);
      QVERIFY(driver.WaitDone());
      program.Window().Sync();
      QCOMPARE(program.State().windows.size(), std::size_t{1});
      TChildFrm& reopened = *program.State().windows.front();
      QCOMPARE(reopened.Name(), std::string("Form1"));
      QVERIFY(program.Canvas(reopened));
      const std::vector<Placed> back = ScreenControls(reopened);
      QCOMPARE(back.size(), placed.size());
      for (std::size_t i = 0; i < back.size(); ++i) {
        QCOMPARE(back[i].name, placed[i].name);
        QCOMPARE(back[i].left, placed[i].left);
        QCOMPARE(back[i].top, placed[i].top);
        QCOMPARE(back[i].width, placed[i].width);
        QCOMPARE(back[i].height, placed[i].height);
      }
      QVERIFY(As<TPTButton>(reopened.Screen().Children()[0].get()));
      QVERIFY(As<TPTLabel>(reopened.Screen().Children()[1].get()));

      QCOMPARE(reopened.Screen().Title(), std::string("Form1"));

      // The program ends: nothing changed since the project was opened, so no question.
      QVERIFY(!QFile::exists(settings_file));
      program.Window().close();
      QVERIFY(!program.Window().isVisible());

      // The settings file was written at the end, with the library of the last project.
      QVERIFY(QFile::exists(settings_file));
      IniFile settings;
      QVERIFY(settings.Load(settings_file.toStdString()));
      QCOMPARE(settings.ReadString("General", "Lib", ""), std::string("2"));
      QCOMPARE(settings.ReadString("General", "Grid", ""), std::string("1"));
      QCOMPARE(settings.ReadString("MRU Items", "F0", ""), project_path.toStdString());
    }
  }

  // The main window of each library with a project open: palette, toolbars, designer window,
  // inspector and zoom window.
  void screenshotsOfBothLibraries_data() {
    QTest::addColumn<QString>("library");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("palette_buttons");
    QTest::newRow("CControls") << "CControls"
                               << "main_window_cc.png" << 14;
    QTest::newRow("PToolBox") << "PToolBox"
                              << "main_window_pt_project.png" << 12;
  }
  void screenshotsOfBothLibraries() {
    QFETCH(QString, library);
    QFETCH(QString, file);
    QFETCH(int, palette_buttons);
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    program.Window().resize(1000, 720);
    TChildFrm* form = NewProjectWithTwoControls(program, library);
    QVERIFY(form);
    QCOMPARE(static_cast<int>(form->Screen().Children().size()), 2);
    int visible = 0;
    for (int b = 0; b < kPaletteButtonCount; ++b) {
      QAction* action = program.Window().PaletteAction(static_cast<PaletteButton>(b));
      if (action && action->isVisible()) ++visible;
    }
    QCOMPARE(visible, palette_buttons);
    program.Trigger(Command::kZoom);
    QVERIFY(program.Main().Zoom().Visible());
    QTest::qWait(100);  // a few zoom refreshes
    test::SaveScreenshot(program.Window(), file);

    QVERIFY(test::LeaveWithoutSaving(program));
  }
};

QTEST_MAIN(TestProjectLifecycle)
#include "tst_project_lifecycle.moc"
