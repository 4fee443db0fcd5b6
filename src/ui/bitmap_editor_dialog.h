#pragma once

// The Qt view of the bitmap editor (TfrmBmpEd): the cell grid dgBitmap, drawn from the
// editor's own grid picture, left of the OK, Cancel and Clear buttons. A picture too large
// for the screen scrolls inside scbBitmap; a picture that fits shows no scroll bars.

#include <QDialog>
#include <QWidget>

#include "properties/frmBitmapEd.h"

class QScrollArea;

namespace qb::ui {

class QtUi;

class BitmapGrid : public QWidget {
  Q_OBJECT
 public:
  BitmapGrid(TfrmBmpEd& model, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TfrmBmpEd& model_;
};

class BitmapEditorDialog : public QDialog {
  Q_OBJECT
 public:
  // The client follows the editor's size, within available (the screen's free area).
  BitmapEditorDialog(TfrmBmpEd& model, QSize available, QWidget* parent = nullptr);

 private:
  TfrmBmpEd& model_;
  BitmapGrid* grid_ = nullptr;
  QScrollArea* scroll_ = nullptr;
};

void RegisterBitmapEditorDialog(QtUi& ui);

}  // namespace qb::ui
