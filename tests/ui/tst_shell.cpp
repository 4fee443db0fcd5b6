// The shell as a user first meets it: the main window maximised, the tool windows with only a
// close box and kept inside the client area, the about box and the new-project dialog with
// fixed borders in the middle of the screen, the separator before the recent projects and the
// toolbars' menu.

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>

#include "ui/inspector_view.h"
#include "ui/pixel_icons.h"
#include "ui_harness.h"

using namespace qb;

namespace {

constexpr Qt::WindowFlags kExtraButtons =
    Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint |
    Qt::WindowShadeButtonHint;

// What a fixed-border dialog shows, seen while it is up.
struct DialogLook {
  bool seen = false;
  bool fixed = false;
  bool close_box_only = false;
  QPoint centre_offset;
};

DialogLook LookOf(QDialog* dialog) {
  DialogLook look;
  look.seen = true;
  look.fixed = dialog->minimumSize() == dialog->maximumSize() && dialog->minimumWidth() > 0;
  look.close_box_only = (dialog->windowFlags() & Qt::WindowCloseButtonHint) &&
                        !(dialog->windowFlags() & kExtraButtons);
  look.centre_offset =
      dialog->frameGeometry().center() - dialog->screen()->availableGeometry().center();
  return look;
}

// The window system may add its frame after the dialog was placed: a few pixels either way.
bool NearlyCentred(QPoint offset) { return std::abs(offset.x()) <= 4 && std::abs(offset.y()) <= 4; }

bool CloseBoxOnly(const QMdiSubWindow* window) {
  return (window->windowFlags() & Qt::WindowCloseButtonHint) &&
         !(window->windowFlags() & kExtraButtons) && !window->systemMenu();
}

}  // namespace

class TestShell : public QObject {
  Q_OBJECT
 private slots:
  void theMainWindowStartsMaximised() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    QVERIFY(program.Window().windowState() & Qt::WindowMaximized);
    QVERIFY(!program.Window().windowIcon().isNull());
    QCOMPARE(program.Window().windowIcon().pixmap(16, 16).toImage().convertToFormat(
                 QImage::Format_ARGB32),
             ui::ProgramImage().convertToFormat(QImage::Format_ARGB32));
  }

  void theZoomLiesInsideTheClientAreaWithOnlyACloseBox() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    QVERIFY(test::NewProjectWithTwoControls(program, "CControls"));
    program.Trigger(Command::kZoom);
    auto* zoom = program.Window().findChild<QMdiSubWindow*>("frmZoom");
    QVERIFY(zoom);
    QVERIFY(zoom->isVisible());
    QVERIFY(CloseBoxOnly(zoom));
    const QRect client = program.Window().Area()->viewport()->rect();
    QVERIFY2(client.contains(zoom->geometry()), "the whole zoom window, frame included");
    QCOMPARE(zoom->geometry().right(), client.right());
    QCOMPARE(zoom->widget()->size(), QSize(334, 452));
    QVERIFY(program.Window().ActionFor(Command::kZoom)->isChecked());

    // Its close box hides it and clears the menu's check mark.
    zoom->close();
    QVERIFY(!zoom->isVisible());
    QVERIFY(!program.Main().Zoom().Visible());
    QVERIFY(!program.Window().ActionFor(Command::kZoom)->isChecked());
    program.State().project_name.clear();
  }

  void theInspectorAndTheDesignerWindowsHaveOnlyACloseBox() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    TChildFrm* form = test::NewProjectWithTwoControls(program, "PToolBox");
    QVERIFY(form);
    QVERIFY(CloseBoxOnly(program.shell->Designers().SubWindowOf(*form)));
    auto* inspector = qobject_cast<QMdiSubWindow*>(program.shell->Inspector().parentWidget());
    QVERIFY(inspector);
    QVERIFY(CloseBoxOnly(inspector));
    program.State().project_name.clear();
  }

  void theAboutBoxIsFixedWhiteCentredWithTheProgramIcon() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    DialogLook look;
    QColor background;
    bool auto_fill = false;
    QImage icon;
    int hand_links = 0;
    bool ok_default = false;
    test::ModalDriver driver;
    driver.ThenDialog("OK", [&](QDialog* dialog) {
      look = LookOf(dialog);
      background = dialog->palette().color(QPalette::Window);
      auto_fill = dialog->autoFillBackground();
      if (auto* label = dialog->findChild<QLabel*>("imgProgramIcon"))
        icon = label->pixmap().toImage();
      for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text().contains("<a ") && label->cursor().shape() == Qt::PointingHandCursor)
          ++hand_links;
      for (QPushButton* button : dialog->findChildren<QPushButton*>())
        if (button->text().remove('&') == "OK") ok_default = button->isDefault();
    });
    program.Trigger(Command::kAbout);
    QVERIFY(driver.WaitDone());
    QVERIFY(look.seen);
    QVERIFY(look.fixed);
    QVERIFY(look.close_box_only);
    QVERIFY2(NearlyCentred(look.centre_offset),
             qPrintable(QString("centred on the screen, off by %1, %2")
                            .arg(look.centre_offset.x())
                            .arg(look.centre_offset.y())));
    QCOMPARE(background, QColor(Qt::white));
    QVERIFY(auto_fill);
    QCOMPARE(hand_links, 2);
    QVERIFY(ok_default);
    // The icon is the program's 16-pixel art stretched three times, pixel by pixel.
    const QImage art = ui::ProgramImage();
    QCOMPARE(icon.size(), QSize(48, 48));
    int differing = 0;
    for (int y = 0; y < 48; ++y)
      for (int x = 0; x < 48; ++x) differing += icon.pixel(x, y) != art.pixel(x / 3, y / 3);
    QCOMPARE(differing, 0);
  }

  void theNewProjectDialogIsFixedAndCentred() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    DialogLook look;
    test::ModalDriver driver;
    driver.ThenDialog("Cancel", [&](QDialog* dialog) { look = LookOf(dialog); });
    program.Trigger(Command::kNewProject);
    QVERIFY(driver.WaitDone());
    QVERIFY(look.seen);
    QVERIFY(look.fixed);
    QVERIFY(look.close_box_only);
    QVERIFY2(NearlyCentred(look.centre_offset),
             qPrintable(QString("centred on the screen, off by %1, %2")
                            .arg(look.centre_offset.x())
                            .arg(look.centre_offset.y())));
  }

  void aSeparatorComesAndGoesWithTheRecentProjects() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    QMenu* file = program.Window().menuBar()->actions().at(0)->menu();
    QVERIFY(file);
    const QList<QAction*> items = file->actions();
    int recent = -1;
    for (int i = 0; i < items.size(); ++i)
      if (items[i]->text() == "&Recent Projects") recent = i;
    QVERIFY(recent > 0);
    QAction* separator = items[recent - 1];
    QVERIFY(separator->isSeparator());
    QCOMPARE(items[recent - 2]->text(), QString("&Open Project..."));

    program.Main().Recent().Clear();
    program.Window().Sync();
    QVERIFY(!items[recent]->isVisible());
    QVERIFY(!separator->isVisible());
    program.Main().Recent().Add("/nowhere/Demo.qbp");
    program.Window().Sync();
    QVERIFY(items[recent]->isVisible());
    QVERIFY(separator->isVisible());
    program.Main().Recent().Clear();
  }

  void theToolbarsMenuShowsTheCaptionsAsTheyStand() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    QStringList captions;
    for (QToolBar* bar : program.Window().findChildren<QToolBar*>())
      captions << bar->toggleViewAction()->text();
    QVERIFY2(captions.contains("Align && Size"), qPrintable(captions.join(",")));
    // The menu of the toolbars is made of those actions.
    std::unique_ptr<QMenu> menu(program.Window().createPopupMenu());
    QVERIFY(menu);
    QStringList shown;
    for (QAction* action : menu->actions()) shown << action->text();
    QVERIFY2(shown.contains("Align && Size"), qPrintable(shown.join(",")));
  }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
