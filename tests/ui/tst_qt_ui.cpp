#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTimer>
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
    ui.SetClipboard(
        {{"application/x-quillboard-control", "payload\x01"}, {"text/plain", "Button1"}});
    auto data = ui.ClipboardData("application/x-quillboard-control");
    QVERIFY(data.has_value());
    QCOMPARE(QString::fromStdString(*data), QString("payload\x01"));
    QCOMPARE(QString::fromStdString(ui.ClipboardData("text/plain").value_or("")),
             QString("Button1"));
    QVERIFY(!ui.ClipboardData("application/x-other").has_value());
  }

  // Inside a widget's own event, OK-only boxes wait until the event has returned; questions
  // need their answer and still ask at once.
  void boxesRaisedInsideAWidgetsEventWaitForItToReturn_data() {
    QTest::addColumn<int>("kind");  // 0 error, 1 OK box, 2 Yes/No question
    QTest::addColumn<bool>("deferred");
    QTest::newRow("error") << 0 << true;
    QTest::newRow("ok box") << 1 << true;
    QTest::newRow("question") << 2 << false;
  }
  void boxesRaisedInsideAWidgetsEventWaitForItToReturn() {
    QFETCH(int, kind);
    QFETCH(bool, deferred);
    qb::ui::QtUi ui;
    QStringList shown;
    // Answers every box that comes up, noting its caption and text.
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown << box->windowTitle() + ": " + box->text();
        box->done(box->buttons().isEmpty() ? 0 : box->standardButton(box->buttons().first()));
      }
    });
    answer.start();
    int after = 0;
    ui.SetAfterDeferredBoxes([&] { ++after; });
    {
      qb::ui::QtUi::DeferErrors defer(ui);
      if (kind == 0) ui.ShowError("'x' is not a valid integer value");
      if (kind == 1)
        QCOMPARE(ui.MessageBox("Error", "too wide", qb::MsgIcon::kError, qb::kMbOk, qb::kMbOk),
                 qb::kMbOk);
      if (kind == 2)
        ui.MessageBox("Confirm", "Sure?", qb::MsgIcon::kQuestion, qb::kMbYesNo, qb::kMbNo);
      QCOMPARE(shown.size(), deferred ? 0 : 1);
      QCOMPARE(static_cast<int>(ui.PendingBoxes().size()), deferred ? 1 : 0);
    }
    if (deferred) {
      QVERIFY(QTest::qWaitFor([&] { return after == 1; }, 5000));
      QCOMPARE(shown.size(), 1);
      QVERIFY(ui.PendingBoxes().empty());
      QCOMPARE(ui.ModalDepth(), 0);
    }
    QStringList expected = {kind == 0 ? QApplication::applicationName() +
                                            ": 'x' is not a valid integer value"
                            : kind == 1 ? QString("Error: too wide")
                                        : QString("Confirm: Sure?")};
    QCOMPARE(shown, expected);
    // Outside the scope a box shows at once again.
    ui.ShowError("now");
    QCOMPARE(shown.last(), QApplication::applicationName() + ": now");
  }

  // A deferred box waits while a mouse button is held: up between a press and its release it
  // would swallow the release.
  void deferredBoxesWaitForTheMouseButtonsToBeLetGo() {
    qb::ui::QtUi ui;
    QWidget target;
    target.resize(50, 50);
    target.show();
    QVERIFY(QTest::qWaitForWindowExposed(&target));
    int shown = 0;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++shown;
        box->done(QMessageBox::Ok);
      }
    });
    answer.start();
    QTest::mousePress(&target, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QCOMPARE(QGuiApplication::mouseButtons(), Qt::MouseButtons(Qt::LeftButton));
    {
      qb::ui::QtUi::DeferErrors defer(ui);
      ui.ShowError("held");
    }
    QTest::qWait(150);
    QCOMPARE(shown, 0);
    QCOMPARE(static_cast<int>(ui.PendingBoxes().size()), 1);
    QTest::mouseRelease(&target, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QVERIFY(QTest::qWaitFor([&] { return shown == 1; }, 5000));
    QVERIFY(ui.PendingBoxes().empty());
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
