#pragma once

// The designer windows as MDI sub-windows: each shows its form's picture and forwards mouse
// input in client-area pixels to the designer.

#include <QMdiSubWindow>
#include <QWidget>
#include <map>
#include <vector>

#include "app/workbench.h"
#include "controls/form_picture.h"
#include "ui/main_window.h"

namespace qb::ui {

class DesignerCanvas : public QWidget {
  Q_OBJECT
 public:
  DesignerCanvas(Workbench& bench, MainWindow& main, TChildFrm& form);
  TChildFrm* Form() const { return form_.Get(); }
  // The picture as drawn last, at the device's own size, for tests and screenshots.
  QImage Picture();
  // Screen pixels per device pixel; the canvas takes the size of the enlarged picture.
  int Scale() const { return scale_; }
  void SetScale(int scale);
  // A position on the canvas in device pixels: divided by the scale and rounded down, so that
  // every screen pixel of an enlarged device pixel stands for that pixel.
  static Point DevicePoint(double x, double y, int scale);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void ShowPopMenu(const QPoint& global);
  Workbench& bench_;
  MainWindow& main_;
  WeakRef<TChildFrm> form_;
  FormPicture picture_;
  int scale_ = 1;
};

class DesignerViews : public QObject, public DesignerWindowHost, public ViewLinks {
  Q_OBJECT
 public:
  DesignerViews(Workbench& bench, MainWindow& main);
  ~DesignerViews() override;
  void SyncWindows() override;
  QMdiSubWindow* SubWindowOf(const TChildFrm& form) const;
  DesignerCanvas* CanvasOf(const TChildFrm& form) const;

  void FocusWindow(TChildFrm& form) override;
  // The controls are drawn on the window's canvas, so the control's keys reach it there.
  void FocusControl(TControl& control) override;
  void RepaintWindow(TChildFrm& form) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void StackWindows();

  struct View {
    WeakRef<TChildFrm> form;
    QMdiSubWindow* window;
    DesignerCanvas* canvas;
  };
  Workbench& bench_;
  MainWindow& main_;
  std::map<const TChildFrm*, View> views_;
  // The window order last applied to the sub-windows, front first.
  std::vector<TChildFrm*> stacked_;
  // The current window as last made the active sub-window: only a change activates again, so
  // that a repaint never takes the focus from the inspector.
  const TChildFrm* activated_ = nullptr;
  bool syncing_ = false;
};

}  // namespace qb::ui
