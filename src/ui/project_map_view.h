#pragma once

// The "Project Map" window: a dock at the bottom of the main window showing the core's
// ProjectMapWindow picture pixel for pixel in a scrolling area, with a note instead when there
// is nothing to draw. It follows the core after each input while shown (once per burst of
// input, when the event loop is idle again); a double-click asks the core to lead into the
// design at that point.

#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QScrollArea>
#include <QWidget>

#include "app/Main.h"
#include "ui/main_window.h"

namespace qb::ui {

class ProjectMapCanvas : public QWidget {
  Q_OBJECT
 public:
  explicit ProjectMapCanvas(TMain& core);
  void SetPicture(QImage picture);
  const QImage& Picture() const { return picture_; }

 signals:
  void DoubleClicked(Point map_point);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  TMain& core_;
  QImage picture_;
};

class ProjectMapView : public QDockWidget {
  Q_OBJECT
 public:
  ProjectMapView(TMain& core, MainWindow& main);
  // Shows or hides the dock as the core says and, while shown, has the map follow the design.
  void Sync();
  ProjectMapCanvas* Canvas() { return canvas_; }
  QLabel* Note() { return note_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Follow();
  void Show();
  void Open(Point map_point);

  TMain& core_;
  MainWindow& main_;
  QLabel* note_;
  QScrollArea* scroll_;
  ProjectMapCanvas* canvas_;
  unsigned shown_version_ = 0;
  bool follow_pending_ = false;
};

}  // namespace qb::ui
