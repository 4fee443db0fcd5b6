#pragma once

// The preview window: the current form running as on the device, drawn from the core's
// PreviewSession at the preview's scale. The pen is the left mouse button, typed keys go to
// the focused field, "Back" returns along the way taken and Escape closes the window. The
// title bar names the form shown.

#include <QPushButton>
#include <QWidget>

#include "app/Main.h"
#include "ui/main_window.h"

namespace qb::ui {

class PreviewCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit PreviewCanvas(TMain& core);
  void SetScale(int scale);
  int Scale() const { return scale_; }
  // The frame as drawn last, at the device's own size, for tests and screenshots.
  QImage Picture();

 signals:
  // The session changed: the window follows its title and Back.
  void Changed();
  void CloseAsked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  PreviewSession* Session() { return core_.Preview().Session(); }
  void After();

  TMain& core_;
  int scale_ = 0;
  bool pen_down_ = false;
};

class PreviewView : public QWidget {
  Q_OBJECT
 public:
  PreviewView(TMain& core, MainWindow& main);
  // Shows the window when a session started since the last Sync, hides it when none is open,
  // and follows the designer's scale.
  void Sync();
  PreviewCanvas* Canvas() { return canvas_; }
  QPushButton* BackButton() { return back_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Follow();
  void GoBack();

  TMain& core_;
  MainWindow& main_;
  PreviewCanvas* canvas_;
  QPushButton* back_;
  unsigned shown_version_ = 0;
  bool placed_ = false;
};

}  // namespace qb::ui
