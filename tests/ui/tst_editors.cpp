// The real editor dialogs, offscreen: each is opened through the Qt Ui the way the inspector
// opens it, edited through its widgets, closed with OK, and the control checked. Each dialog is
// also grabbed as a PNG into QB_SCREENSHOT_DIR (or a folder under the temporary folder).

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "controls/CCBitmap.h"
#include "controls/CCButton.h"
#include "controls/CCListBox.h"
#include "controls/CCTable.h"
#include "controls/font_registry.h"
#include "controls/form_picture.h"
#include "model/datamod.h"
#include "properties/frmBitmapEd.h"
#include "properties/frmItemsEditor.h"
#include "properties/frmPropSelect.h"
#include "properties/frmTableEditor.h"
#include "ui/editor_dialogs.h"
#include "ui/qt_ui.h"

namespace {

// Answers questions from a script (the default button when none is left) and records them.
class ScriptedUi : public qb::ui::QtUi {
 public:
  std::vector<std::string> texts;
  std::vector<qb::MsgButton> answers;

 protected:
  qb::MsgButton DoMessageBox(const std::string&, const std::string& text, qb::MsgIcon,
                             qb::MsgButtons, qb::MsgButton default_button) override {
    texts.push_back(text);
    if (answers.empty()) return default_button;
    qb::MsgButton answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
};

// Runs body on the modal dialog once it is up.
void OnDialog(std::function<void(QDialog&)> body) {
  QTimer::singleShot(0, [body] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!dialog) {
      qWarning("no modal dialog");
      return;
    }
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog)) qWarning("dialog not active");
    body(*dialog);
    // A failed check returns early: close the dialog so that the test goes on.
    if (dialog->isVisible()) dialog->reject();
  });
}

template <typename W>
W* Find(QWidget& parent, const char* name) {
  W* widget = parent.findChild<W*>(name);
  if (!widget) qWarning("missing widget %s", name);
  return widget;
}

void Click(QWidget& dialog, const char* button) {
  if (auto* b = Find<QPushButton>(dialog, button)) QTest::mouseClick(b, Qt::LeftButton);
}

QString ScreenshotDir() {
  QString dir = qEnvironmentVariable("QB_SCREENSHOT_DIR");
  if (dir.isEmpty()) dir = QDir::temp().filePath("quillboard-editors");
  QDir().mkpath(dir);
  return dir;
}

void Screenshot(QWidget& dialog, const char* name) {
  dialog.grab().save(QDir(ScreenshotDir()).filePath(QString(name) + ".png"));
}

// The mouse moved over a widget with the left button held (and the given modifiers).
void DragTo(QWidget* widget, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent move(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)), Qt::NoButton,
                   Qt::LeftButton, modifiers);
  QApplication::sendEvent(widget, &move);
}

// The grid's cell editor while a cell is edited: it has the focus.
QWidget* CellEditor() {
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (!editor) qWarning("no cell editor");
  return editor;
}

QPoint CellCentre(int col, int row) {
  return {col * qb::TfrmBmpEd::kCellPitch + 5, row * qb::TfrmBmpEd::kCellPitch + 5};
}

}  // namespace

class TestEditors : public QObject {
  Q_OBJECT

 private:
  ScriptedUi ui_;
  qb::FontRegistry fonts_;

  // The control's own picture.
  QByteArray PictureOf(qb::TControl& control) {
    qb::FormPicture picture(fonts_);
    const qb::PalmCanvas& canvas = picture.Render(control);
    return QByteArray(reinterpret_cast<const char*>(canvas.Pixels().data()),
                      static_cast<qsizetype>(canvas.Pixels().size() * sizeof(qb::Color)));
  }

 private slots:
  void initTestCase() {
    qb::ui::RegisterEditorDialogs(ui_);
    fonts_.LoadPalmFonts(QB_BIN_DIR, ui_);
    QVERIFY(ui_.texts.empty());
  }

  void itemsOfAListBox() {
    qb::TCCListBox list(nullptr);
    list.SetColor(qb::kWhite);
    list.SetFontName(qb::kPilotStandard);
    list.SetBounds(0, 0, 40, 35);
    list.SetItems({"One", "Two", "Three"});
    const QByteArray before = PictureOf(list);
    qb::StringList transfer = list.Items();
    bool checked = false;
    OnDialog([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Items editor"));
      QCOMPARE(dialog.size(), QSize(198, 224));
      auto* memo = Find<QPlainTextEdit>(dialog, "memItems");
      auto* counter = Find<QLabel>(dialog, "lblCount");
      QVERIFY(memo && counter);
      QCOMPARE(memo->size(), QSize(185, 161));
      QCOMPARE(counter->text(), QString("3 items"));
      QVERIFY(memo->toPlainText().startsWith("One\nTwo\nThree"));
      memo->setPlainText("Alpha\nBeta\n");
      QCOMPARE(counter->text(), QString("2 items"));
      Screenshot(dialog, "items_editor");
      checked = true;
      Click(dialog, "butOK");
    });
    QVERIFY(qb::EditItemLines(ui_, transfer));
    QVERIFY(checked);
    list.SetItems(transfer);
    QCOMPARE(list.Items(), (qb::StringList{"Alpha", "Beta"}));
    QVERIFY(PictureOf(list) != before);
  }

  void itemsCancelKeepsTheList() {
    qb::StringList transfer = {"A", "B"};
    OnDialog([](QDialog& dialog) {
      Find<QPlainTextEdit>(dialog, "memItems")->setPlainText("X");
      Click(dialog, "butCancel");
    });
    QVERIFY(!qb::EditItemLines(ui_, transfer));
    QCOMPARE(transfer, (qb::StringList{"A", "B"}));
  }

  void tableAddsAColumnAndARow() {
    qb::TCCTable table(nullptr);
    table.SetFontName(qb::kPilotBold);
    table.SetBounds(0, 0, 77, 46);
    table.SetCols(3);
    table.SetColAlign({"0", "0", "0"});
    table.SetColWidths({"25", "25", "25"});
    table.SetItems({"a~b~c"});
    bool checked = false;
    OnDialog([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Table Editor"));
      QCOMPARE(dialog.size(), QSize(383, 270));
      QCOMPARE(dialog.minimumSize(), QSize(283, 270));
      auto* grid = Find<QTableWidget>(dialog, "stgTable");
      QVERIFY(grid);
      QCOMPARE(grid->horizontalHeaderItem(0)->text(), QString("Col 0"));
      QCOMPARE(grid->verticalHeaderItem(0)->text(), QString("ColAlign"));
      QCOMPARE(grid->verticalHeaderItem(1)->text(), QString("ColWidth"));
      QCOMPARE(grid->verticalHeaderItem(2)->text(), QString("Row 0"));
      QCOMPARE(grid->item(0, 0)->text(), QString("Left"));

      Click(dialog, "butAddCol");
      QCOMPARE(grid->columnCount(), 4);
      QCOMPARE(grid->horizontalHeaderItem(3)->text(), QString("Col 3"));
      QCOMPARE(grid->item(1, 3)->text(), QString("25"));
      Click(dialog, "butAddRow");
      QCOMPARE(grid->rowCount(), 4);
      QCOMPARE(grid->verticalHeaderItem(3)->text(), QString("Row 1"));
      QCOMPARE(grid->currentRow(), 3);
      QCOMPARE(grid->currentColumn(), 0);

      // Typing into the new row's first cell; "~" never gets in.
      grid->setFocus();
      QTest::keyClick(grid, Qt::Key_X);  // opens the cell editor with the "x"
      QTest::keyClicks(CellEditor(), "~y");
      QTest::keyClick(CellEditor(), Qt::Key_Return);
      // The cell editor commits once the events are processed.
      QTRY_COMPARE(grid->item(3, 0)->text(), QString("xy"));

      // The new column's alignment through the alignment list.
      grid->setCurrentCell(0, 3);
      QTest::keyClick(grid, Qt::Key_A);
      auto* list = Find<QComboBox>(dialog, "cmbAlign");
      QVERIFY(list && list->isVisible());
      QCOMPARE(list->currentText(), QString("Left"));
      QCOMPARE(list->height(), 18);
      list->setCurrentIndex(1);
      QTest::keyClick(list, Qt::Key_Return);
      QVERIFY(!list->isVisible());
      QCOMPARE(grid->item(0, 3)->text(), QString("Center"));

      // Letters are refused in the width row.
      grid->setCurrentCell(1, 0);
      grid->setFocus();
      QTest::keyClicks(grid, "4");
      QTest::keyClicks(CellEditor(), "q0");
      QTest::keyClick(CellEditor(), Qt::Key_Return);
      QTRY_COMPARE(grid->item(1, 0)->text(), QString("40"));
      Screenshot(dialog, "table_editor");
      checked = true;
      Click(dialog, "butOK");
    });
    QVERIFY(qb::EditTable(ui_, table));
    QVERIFY(checked);
    QCOMPARE(table.Cols(), 4);
    QCOMPARE(table.ColAlign(), (qb::StringList{"0", "0", "0", "1"}));
    QCOMPARE(table.ColWidths(), (qb::StringList{"40", "25", "25", "25"}));
    QCOMPARE(table.Items(), (qb::StringList{"a~b~c~", "xy~~~"}));
    QCOMPARE(QString::fromStdString(table.Font().name), QString("PilotStandard"));
  }

  void tableDeleteRowAsks() {
    qb::TCCTable table(nullptr);
    table.SetCols(1);
    table.SetColAlign({"0"});
    table.SetColWidths({"25"});
    table.SetItems({"a", "b"});
    ui_.texts.clear();
    ui_.answers = {qb::kMbYes};
    OnDialog([&](QDialog& dialog) {
      auto* grid = Find<QTableWidget>(dialog, "stgTable");
      grid->setCurrentCell(2, 0);
      Click(dialog, "butDeleteRow");
      QCOMPARE(grid->rowCount(), 3);
      QCOMPARE(grid->item(2, 0)->text(), QString("b"));
      Click(dialog, "butOK");
    });
    QVERIFY(qb::EditTable(ui_, table));
    QCOMPARE(ui_.texts,
             (std::vector<std::string>{"The selected row will be deleted. Are you sure?"}));
    QCOMPARE(table.Items(), (qb::StringList{"b"}));
  }

  void bitmapDrawsThreePixels() {
    qb::TCCBitmap picture(nullptr);
    picture.SetColor(qb::kWhite);
    picture.SetBounds(0, 0, 8, 8);
    const QByteArray before = PictureOf(picture);
    bool checked = false;
    OnDialog([&](QDialog& dialog) {
      QCOMPARE(dialog.windowTitle(), QString("Bitmap Editor"));
      // An 88-pixel grid is not higher than 104: the dialog keeps its design height.
      QCOMPARE(dialog.size(), QSize(88 + 80, 198));
      auto* grid = Find<QWidget>(dialog, "dgBitmap");
      QVERIFY(grid);
      QCOMPARE(grid->size(), QSize(88, 88));
      QTest::mousePress(grid, Qt::LeftButton, Qt::NoModifier, CellCentre(1, 1));
      DragTo(grid, CellCentre(2, 1));
      DragTo(grid, CellCentre(3, 1));
      QTest::mouseRelease(grid, Qt::LeftButton, Qt::NoModifier, CellCentre(3, 1));
      const QImage shown = grid->grab().toImage();
      QCOMPARE(shown.pixelColor(CellCentre(2, 1)), QColor(Qt::black));
      QCOMPARE(shown.pixelColor(CellCentre(4, 1)), QColor(Qt::white));
      QCOMPARE(shown.pixelColor(10, 3), QColor(192, 192, 192));  // a grid line
      Screenshot(dialog, "bitmap_editor");
      checked = true;
      Click(dialog, "butOK");
    });
    QVERIFY(qb::EditBitmap(ui_, picture));
    QVERIFY(checked);
    QCOMPARE(QString::fromStdString(picture.StringBits()), QString("0070000000000000"));
    QVERIFY(PictureOf(picture) != before);
  }

  void bitmapClearAsksAndLargePicturesScroll() {
    qb::TCCBitmap picture(nullptr);
    picture.SetBounds(0, 0, 300, 200);
    picture.SetStringBits("ff");
    ui_.texts.clear();
    ui_.answers = {qb::kMbYes};
    OnDialog([&](QDialog& dialog) {
      auto* grid = Find<QWidget>(dialog, "dgBitmap");
      QCOMPARE(grid->size(), QSize(3300, 2200));
      // The window fits the screen; the grid scrolls inside it.
      QVERIFY(dialog.width() < 3300);
      Click(dialog, "butClear");
      Click(dialog, "butOK");
    });
    QVERIFY(qb::EditBitmap(ui_, picture));
    QCOMPARE(ui_.texts,
             (std::vector<std::string>{"This operation erase the bitmap. Are you sure?"}));
    QCOMPARE(picture.StringBits(), std::string(75 * 200, '0'));
  }

  void pickerColourChanges() {
    qb::TCCButton select(nullptr);
    select.SetTag(qb::kSelectTag);
    select.SetDOTPicker(qb::kPickerDate);
    select.SetDOTTitle("Select...");
    bool checked = false;
    int depth = -1;
    qb::ColorEditorSlot slot;
    OnDialog([&](QDialog& dialog) {
      depth = ui_.ModalDepth();
      QVERIFY(slot.open != nullptr);
      QCOMPARE(dialog.windowTitle(), QString("Select Dialog Color Editor"));
      QCOMPARE(dialog.size(), QSize(433, 205));
      auto* grid = Find<QTableWidget>(dialog, "stgColors");
      auto* date = Find<QWidget>(dialog, "dlgSelect");
      auto* time = Find<QWidget>(dialog, "dlgTime");
      auto* list = Find<QComboBox>(dialog, "cmbColors");
      QVERIFY(grid && date && time && list);
      QVERIFY(date->isVisible());
      QVERIFY(!time->isVisible());
      QVERIFY(!list->isVisible());
      QCOMPARE(date->size(), QSize(160, 160));
      QCOMPARE(grid->item(0, 0)->text(), QString("DialogFrameColor"));
      QCOMPARE(grid->item(0, 1)->text(), QString("Black"));
      QCOMPARE(date->grab().toImage().pixelColor(80, 0), QColor(Qt::black));

      QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier,
                        grid->visualItemRect(grid->item(0, 1)).center());
      QVERIFY(list->isVisible());
      QCOMPARE(list->count(), 16);
      QCOMPARE(list->currentText(), QString("Black"));
      QCOMPARE(list->height(), 17);
      list->setCurrentIndex(list->findText("Red"));
      QCOMPARE(grid->item(0, 1)->text(), QString("Red"));
      QCOMPARE(date->grab().toImage().pixelColor(80, 0), QColor(Qt::red));
      // The zoom copies the same sample.
      QCOMPARE(slot.open->ShownSamplePicture().At(80, 0), qb::kRed);
      Screenshot(dialog, "color_editor");
      checked = true;
      Click(dialog, "butOK");
    });
    QVERIFY(qb::EditPickerColors(ui_, select, fonts_, &slot));
    QVERIFY(checked);
    QCOMPARE(depth, 0);  // the zoom keeps refreshing with the editor's sample
    QCOMPARE(QString::fromStdString(select.DOTColors()),
             QString("Red,White,Black,White,Black,White,Black"));
  }

  void timePickerShowsTheTimeSample() {
    qb::TCCButton select(nullptr);
    select.SetTag(qb::kSelectTag);
    select.SetDOTPicker(qb::kPickerTime);
    select.SetDOTColors("Blue,Yellow,Black,White,Black,Black,White");
    OnDialog([&](QDialog& dialog) {
      auto* time = Find<QWidget>(dialog, "dlgTime");
      QVERIFY(time->isVisible());
      QVERIFY(!Find<QWidget>(dialog, "dlgSelect")->isVisible());
      QCOMPARE(time->size(), QSize(160, 74));
      QCOMPARE(time->grab().toImage().pixelColor(80, 73), QColor(Qt::blue));
      Screenshot(dialog, "color_editor_time");
      Click(dialog, "butCancel");
    });
    QVERIFY(!qb::EditPickerColors(ui_, select, fonts_));
    QCOMPARE(select.DOTColors(), std::string("Blue,Yellow,Black,White,Black,Black,White"));
  }
};

QTEST_MAIN(TestEditors)
#include "tst_editors.moc"
