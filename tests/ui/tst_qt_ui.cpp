#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "ui/qt_ui.h"

class TestQtUi : public QObject {
  Q_OBJECT
 private slots:
  void filtersBecomeQtFilters() {
    using qb::ui::QtFilterFromToolkit;
    QCOMPARE(QtFilterFromToolkit("Quillboard form (*.qbf)|*.qbf"),
             QString("Quillboard form (*.qbf)"));
    QCOMPARE(QtFilterFromToolkit("A (*.a)|*.a|Bitmaps|*.bmp;*.dib"),
             QString("A (*.a);;Bitmaps (*.bmp *.dib)"));
    QCOMPARE(QtFilterFromToolkit(""), QString());
  }

  void clipboardKeepsPrivateAndPlainData() {
    qb::ui::QtUi ui;
    ui.SetClipboard({{"application/x-quillboard-control", "payload\x01"}, {"text/plain", "Button1"}});
    auto data = ui.ClipboardData("application/x-quillboard-control");
    QVERIFY(data.has_value());
    QCOMPARE(QString::fromStdString(*data), QString("payload\x01"));
    QCOMPARE(QString::fromStdString(ui.ClipboardData("text/plain").value_or("")),
             QString("Button1"));
    QVERIFY(!ui.ClipboardData("application/x-other").has_value());
  }

  void modalDepthCoversEveryPrompt() {
    qb::ui::QtUi ui;
    int deepest = 0;
    ui.SetModalListener([&](int depth) { deepest = std::max(deepest, depth); });
    // An unknown dialog id is refused without showing anything, but still counts as modal.
    struct Unknown : qb::DialogModel {
      const char* DialogId() const override { return "unknown"; }
    } dialog;
    QVERIFY(!ui.RunDialog(dialog));
    QCOMPARE(deepest, 1);
    QCOMPARE(ui.ModalDepth(), 0);
  }
};

QTEST_MAIN(TestQtUi)
#include "tst_qt_ui.moc"
