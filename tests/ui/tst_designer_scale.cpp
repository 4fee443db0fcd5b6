// The designer windows enlarged: every device pixel drawn as a square of screen pixels with no
// smoothing, also under a screen scale factor, the window growing with its picture, and mouse
// positions taken back to device pixels.

#include <QMdiSubWindow>

#include "controls/PTLabel.h"
#include "ui_harness.h"

using namespace qb;

class TestDesignerScale : public QObject {
  Q_OBJECT
 private slots:
  void everyDevicePixelIsASquareOfScreenPixels() {
    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    program.State().library = LibraryId::kPToolboxLib;
    TChildFrm& form = program.Main().Forms().NewForm();
    program.Window().Sync();
    ui::DesignerCanvas* canvas = program.Canvas(form);
    QVERIFY(canvas);
    const QSize at_one = canvas->parentWidget()->size();
    // This program runs at a screen scale factor of 2 (see main below).
    const qreal ratio = canvas->devicePixelRatioF();
    QCOMPARE(ratio, 2.0);

    for (int scale : {3, 1, 2}) {
      program.Window()
          .ActionFor(Command(static_cast<int>(Command::kScale1) + scale - 1))
          ->trigger();
      QCOMPARE(program.Main().DesignerScale(), scale);
      QCOMPARE(canvas->size(), QSize(167 * scale, 226 * scale));
      QWidget* window = canvas->parentWidget();
      QVERIFY(window->width() >= canvas->width() && window->height() >= canvas->height());
      if (scale > 1) QVERIFY(window->width() > at_one.width());

      const QImage device = canvas->Picture().convertToFormat(QImage::Format_RGB32);
      const QImage shown = canvas->grab().toImage().convertToFormat(QImage::Format_RGB32);
      const int step = scale * 2;  // screen pixels per device pixel, in device pixels of Qt
      QCOMPARE(shown.size(), QSize(167 * step, 226 * step));
      int wrong = 0;
      for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
          if (shown.pixel(x, y) != device.pixel(x / step, y / step)) ++wrong;
      QCOMPARE(wrong, 0);
    }
  }

  void mousePositionsAreDividedBackToDevicePixels() {
    QCOMPARE(ui::DesignerCanvas::DevicePoint(0, 0, 2).x, 0);
    QCOMPARE(ui::DesignerCanvas::DevicePoint(25.9, 0, 2).x, 12);
    QCOMPARE(ui::DesignerCanvas::DevicePoint(26, 0, 2).x, 13);
    QCOMPARE(ui::DesignerCanvas::DevicePoint(0, 44.5, 3).y, 14);
    QCOMPARE(ui::DesignerCanvas::DevicePoint(-0.5, -1, 2).x, -1);  // left of the window
    QCOMPARE(ui::DesignerCanvas::DevicePoint(7, 7, 0).x, 7);       // no scale below 1

    test::Program program;
    QVERIFY(QTest::qWaitForWindowExposed(&program.Window()));
    program.State().library = LibraryId::kPToolboxLib;
    TChildFrm& form = program.Main().Forms().NewForm();
    program.Main().SetDesignerScale(2);
    program.Window().Sync();
    ui::DesignerCanvas* canvas = program.Canvas(form);
    QVERIFY(program.State().grid_option);
    // Screen offset (26, 44) of the screen panel is device (13, 22), which the grid takes to
    // (12, 24).
    program.Window().PaletteAction(PaletteButton::kLabel)->trigger();
    const QPoint screen(4 * 2, 2 * 2);
    test::Click(canvas, screen + QPoint(26, 44));
    QCOMPARE(static_cast<int>(form.Screen().Children().size()), 1);
    TControl* label = form.Screen().Children()[0].get();
    QCOMPARE(label->Left(), 12);
    QCOMPARE(label->Top(), 24);
    // 10 screen pixels are 5 device pixels: the grid makes them 4.
    const QPoint grab = screen + QPoint((12 + 8) * 2, (24 + 5) * 2);
    test::Drag(canvas, grab, grab + QPoint(10, 0));
    QCOMPARE(label->Left(), 16);
    QCOMPARE(label->Top(), 24);
  }
};

int main(int argc, char** argv) {
  // Set before the application starts, as a user's environment would.
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  TestDesignerScale test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_designer_scale.moc"
