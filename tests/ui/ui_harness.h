#pragma once

// What the widget tests share: the whole program's windows with the settings kept in a
// private folder, a driver that answers the modal dialogs and message boxes the program
// opens (as a user would, by filling in fields and pressing buttons), and mouse helpers for
// the designer windows.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "controls/PTButton.h"
#include "form/edit_transaction.h"
#include "ui/app_shell.h"

namespace qb::test {

// The settings file and the recovery sets in a private folder, so that tests neither read nor
// leave the user's files.
inline SettingsEnvironment PrivateSettings(const QString& folder) {
  SettingsEnvironment env = SettingsEnvironment::System();
  const std::string config = folder.toStdString();
  env.get_env = [config](const char* name) -> std::optional<std::string> {
    if (std::string(name) == "XDG_CONFIG_HOME") return config;
    // Recovery sets, too, stay in the test's own folder.
    if (std::string(name) == "XDG_STATE_HOME") return config + "/state";
    return std::nullopt;
  };
  return env;
}

// The program, started and shown.
struct Program {
  QTemporaryDir settings;
  std::unique_ptr<ui::AppShell> shell;

  Program() {
    shell = std::make_unique<ui::AppShell>(QB_BIN_DIR, PrivateSettings(settings.path()));
    shell->Start();
  }
  // Where the settings file is written at program end.
  QString SettingsFile() const { return settings.path() + "/quillboard/options.ini"; }

  ui::MainWindow& Window() { return shell->Window(); }
  TMain& Main() { return shell->Main(); }
  AppState& State() { return shell->Bench().State(); }
  ui::DesignerCanvas* Canvas(const TChildFrm& form) { return shell->Designers().CanvasOf(form); }
  // Runs a command as its menu item does.
  void Trigger(Command command) {
    QAction* action = Window().ActionFor(command);
    QVERIFY2(action, "the command has a menu item");
    QVERIFY2(action->isEnabled(), "the command's menu item is enabled");
    action->trigger();
  }
};

// Answers modal windows in the order they come up. Each answer gets the modal widget and
// returns true when it dealt with it; the driver looks for the next modal window every few
// milliseconds while answers are left.
class ModalDriver : public QObject {
 public:
  using Answer = std::function<bool(QWidget*)>;

  ModalDriver() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
  }
  ~ModalDriver() override = default;

  void Then(Answer answer) {
    answers_.push_back(std::move(answer));
    timer_.start();
  }
  // A file dialog: the path typed into its file name field, then its accept button.
  void ThenFile(const QString& path) {
    Then([path](QWidget* w) {
      auto* dialog = qobject_cast<QFileDialog*>(w);
      if (!dialog) return false;
      // As a user would: the folder, then the name typed into the file name field.
      const QFileInfo file(path);
      dialog->setDirectory(file.absolutePath());
      if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
        name->setText(file.fileName());
      else
        dialog->selectFile(path);
      static_cast<QDialog*>(dialog)->accept();  // accept() is protected in QFileDialog
      return true;
    });
  }
  // A message box: the button with that standard role; the text is kept for the test.
  void ThenMessage(QMessageBox::StandardButton button, QString* text = nullptr) {
    Then([button, text](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (!box || !box->button(button)) return false;
      if (text) *text = box->text();
      box->button(button)->click();
      return true;
    });
  }
  // Any dialog: the work on it, then the button whose text (without '&') is given.
  void ThenDialog(const QString& button_text, std::function<void(QDialog*)> work = {}) {
    Then([button_text, work](QWidget* w) {
      auto* dialog = qobject_cast<QDialog*>(w);
      if (!dialog) return false;
      if (work) work(dialog);
      for (QAbstractButton* b : dialog->findChildren<QAbstractButton*>()) {
        if (b->text().remove('&') == button_text && b->isVisible()) {
          b->click();
          return true;
        }
      }
      return false;
    });
  }

  bool Done() const { return answers_.empty() && running_ == 0; }
  // Waits until every answer was used; false on timeout.
  bool WaitDone(int ms = 10000) {
    return QTest::qWaitFor([this] { return Done(); }, ms);
  }

 private:
  // The answer runs from a timer of its own, after the poll returned, so that the poll keeps
  // running while the answer waits in a modal window it opened in turn (a message box over a
  // dialog), which the next answer then meets.
  void Poll() {
    if (answers_.empty()) {
      timer_.stop();
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_) return;
    last_ = modal;
    auto answer = std::make_shared<Answer>(std::move(answers_.front()));
    answers_.pop_front();
    ++running_;
    QPointer<QWidget> target(modal);
    QTimer::singleShot(0, this, [this, answer, target] {
      if (!target || !(*answer)(target)) {
        answers_.push_front(std::move(*answer));
        last_ = nullptr;
        timer_.start();
      }
      --running_;
    });
  }

  QTimer timer_;
  std::deque<Answer> answers_;
  QPointer<QWidget> last_;
  int running_ = 0;
};

// Mouse work on a designer window's canvas, in its client-area pixels.
inline void Press(QWidget* canvas, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::mousePress(canvas, Qt::LeftButton, mods, at);
}

// A move with no button down, as the pointer passes over the canvas.
inline void Hover(QWidget* canvas, QPoint to) {
  QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(canvas, &move);
}

inline void MoveHeld(QWidget* canvas, QPoint to, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QMouseEvent move(QEvent::MouseMove, QPointF(to), canvas->mapToGlobal(QPointF(to)), Qt::NoButton,
                   Qt::LeftButton, mods);
  QApplication::sendEvent(canvas, &move);
}

inline void Release(QWidget* canvas, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::mouseRelease(canvas, Qt::LeftButton, mods, at);
}

// The pointer brought to a point, then a press, one move and a release, as a drag with the
// left button.
inline void Drag(QWidget* canvas, QPoint from, QPoint to,
                 Qt::KeyboardModifiers mods = Qt::NoModifier) {
  Hover(canvas, from);
  Press(canvas, from, mods);
  MoveHeld(canvas, to, mods);
  Release(canvas, to, mods);
}

inline void Click(QWidget* canvas, QPoint at, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  Hover(canvas, at);
  Press(canvas, at, mods);
  Release(canvas, at, mods);
}

// The canvas point of a panel point on a form's screen panel.
inline QPoint OnScreen(const TChildFrm& form, int x, int y) {
  return QPoint(form.Screen().Left() + x, form.Screen().Top() + y);
}

// The New Project dialog's answer: the library chosen by its list entry, then OK.
inline void ChooseLibrary(ModalDriver& driver, const QString& entry) {
  driver.ThenDialog("OK", [entry](QDialog* dialog) {
    auto* list = dialog->findChild<QComboBox*>("cmbLib");
    if (list) list->setCurrentIndex(list->findText(entry));
  });
}

// New Project of the library ("CControls" or "PToolBox") through its dialog, then a button at
// (20, 30) and a label at (20, 70) placed from the palette. The new form; nullptr when any
// step failed.
inline TChildFrm* NewProjectWithTwoControls(Program& program, const QString& library) {
  ModalDriver driver;
  ChooseLibrary(driver, library);
  program.Window().ActionFor(Command::kNewProject)->trigger();
  if (!driver.WaitDone()) return nullptr;
  program.Window().Sync();
  if (program.State().windows.size() != 1) return nullptr;
  TChildFrm& form = *program.State().windows.front();
  ui::DesignerCanvas* canvas = program.Canvas(form);
  if (!canvas) return nullptr;
  program.Window().PaletteAction(PaletteButton::kButton)->trigger();
  Click(canvas, OnScreen(form, 20, 30));
  program.Window().PaletteAction(PaletteButton::kLabel)->trigger();
  Click(canvas, OnScreen(form, 20, 70));
  return &form;
}

// The Button NewProjectWithTwoControls placed on a PToolBox form; nullptr when there is none.
inline TPTButton* PlacedButton(const TChildFrm& form) {
  for (const auto& entry : form.ControlList())
    if (auto* button = As<TPTButton>(entry.control.Get())) return button;
  return nullptr;
}

// Saves a screenshot under test_output/ of the build folder.
inline void SaveScreenshot(QWidget& widget, const QString& name) {
  QDir().mkpath("test_output");
  widget.grab().save("test_output/" + name);
}

// The inspector grid's row whose name cell reads `name`; -1 when there is none.
inline int RowOf(QTableWidget* grid, const QString& name) {
  for (int r = 0; r < grid->rowCount(); ++r)
    if (grid->item(r, 0) && grid->item(r, 0)->text() == name) return r;
  return -1;
}

// A change the test makes by hand, as one edit of every open form (outside an edit the change
// check would fail it); the current window's form records the step.
template <typename F>
void EditByHand(Program& program, F change) {
  AppState& state = program.State();
  std::vector<std::unique_ptr<EditTransaction>> edits;
  if (TChildFrm* current = state.current_window.Get())
    edits.push_back(std::make_unique<EditTransaction>(state, current, "Edit"));
  for (const auto& form : state.windows)
    if (form.get() != state.current_window.Get())
      edits.push_back(std::make_unique<EditTransaction>(state, form.get(), "Edit"));
  change();
  while (!edits.empty()) edits.pop_back();
}

// Closes the program without saving: the project's question skipped, each open form's
// question answered No.
inline bool LeaveWithoutSaving(Program& program) {
  program.State().project_name.clear();
  ModalDriver leave;
  for (const auto& form : program.State().windows)
    if (form->Visible() && form->Undo().Modified()) leave.ThenMessage(QMessageBox::No);
  program.Window().close();
  return leave.WaitDone();
}

}  // namespace qb::test
