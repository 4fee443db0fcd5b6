#include "ui/designer_views.h"

#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <cmath>

#include "designer/pop_menu.h"
#include "ui/palm_image.h"

namespace qb::ui {

namespace {

MouseButton ButtonOf(Qt::MouseButton b) {
  if (b == Qt::RightButton) return MouseButton::kRight;
  if (b == Qt::MiddleButton) return MouseButton::kMiddle;
  return MouseButton::kLeft;
}

ShiftState ShiftOf(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
  ShiftState s = 0;
  if (mods & Qt::ShiftModifier) s |= kSsShift;
  if (mods & Qt::ControlModifier) s |= kSsCtrl;
  if (mods & Qt::AltModifier) s |= kSsAlt;
  if (buttons & Qt::LeftButton) s |= kSsLeft;
  if (buttons & Qt::RightButton) s |= kSsRight;
  if (buttons & Qt::MiddleButton) s |= kSsMiddle;
  return s;
}

Qt::CursorShape QtCursor(CursorShape shape) {
  switch (shape) {
    case CursorShape::kSizeWE:
      return Qt::SizeHorCursor;
    case CursorShape::kSizeNS:
      return Qt::SizeVerCursor;
    case CursorShape::kSizeNWSE:
      return Qt::SizeFDiagCursor;
    case CursorShape::kSizeNESW:
      return Qt::SizeBDiagCursor;
    case CursorShape::kArrow:
      break;
  }
  return Qt::ArrowCursor;
}

Point PointOf(const QMouseEvent* e, int scale) {
  return DesignerCanvas::DevicePoint(e->position().x(), e->position().y(), scale);
}

}  // namespace

DesignerCanvas::DesignerCanvas(Workbench& bench, MainWindow& main, TChildFrm& form)
    : bench_(bench), main_(main), form_(&form), picture_(bench.Main().Fonts()) {
  setObjectName("imgPalm");
  setFixedSize(TDesignerClient::kClientWidth, TDesignerClient::kClientHeight);
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
}

Point DesignerCanvas::DevicePoint(double x, double y, int scale) {
  if (scale < 1) scale = 1;
  return Point{static_cast<int>(std::floor(x / scale)), static_cast<int>(std::floor(y / scale))};
}

void DesignerCanvas::SetScale(int scale) {
  if (scale < 1) scale = 1;
  if (scale == scale_) return;
  scale_ = scale;
  setFixedSize(TDesignerClient::kClientWidth * scale_, TDesignerClient::kClientHeight * scale_);
  update();
}

QImage DesignerCanvas::Picture() {
  TChildFrm* form = form_.Get();
  if (!form) return QImage();
  return ToQImage(picture_.Render(form->Client()));
}

void DesignerCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // The Palm picture is our own pixels; Qt only blits it.
  DrawEnlarged(painter, *this, Picture());
  if (TChildFrm* form = form_.Get()) {
    if (std::optional<Rect> band = bench_.GetDesigner().BandRect(*form)) {
      // The selection rectangle covers whole device pixels, its outline inside them.
      QPen pen(Qt::black, 1, Qt::DotLine);
      pen.setCosmetic(true);
      painter.setPen(pen);
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(band->left * scale_, band->top * scale_,
                       (band->right - band->left) * scale_ - 1,
                       (band->bottom - band->top) * scale_ - 1);
    }
  }
  if (TChildFrm* form = form_.Get()) form->ClearPictureDirty();
}

void DesignerCanvas::mousePressEvent(QMouseEvent* e) {
  TChildFrm* form = form_.Get();
  if (!form) return;
  // A box (an Image held to 40) opens after the mouse event, not inside it.
  QtUi::DeferErrors defer(main_.Ui());
  ShiftState shift = ShiftOf(e->modifiers(), e->buttons() | e->button());
  bench_.Main().Activate(*form);
  bench_.GetDesigner().MouseDown(*form, ButtonOf(e->button()), shift, PointOf(e, scale_));
  main_.Sync();
}

void DesignerCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
  TChildFrm* form = form_.Get();
  if (!form) return;
  QtUi::DeferErrors defer(main_.Ui());
  ShiftState shift = ShiftOf(e->modifiers(), e->buttons() | e->button()) | kSsDouble;
  bench_.GetDesigner().MouseDown(*form, ButtonOf(e->button()), shift, PointOf(e, scale_));
  main_.Sync();
}

void DesignerCanvas::mouseMoveEvent(QMouseEvent* e) {
  TChildFrm* form = form_.Get();
  if (!form) return;
  QtUi::DeferErrors defer(main_.Ui());
  bench_.GetDesigner().MouseMove(*form, ShiftOf(e->modifiers(), e->buttons()), PointOf(e, scale_));
  setCursor(QtCursor(form->Cursor()));
  if (form->PictureDirty()) update();
}

void DesignerCanvas::mouseReleaseEvent(QMouseEvent* e) {
  TChildFrm* form = form_.Get();
  if (!form) return;
  QtUi::DeferErrors defer(main_.Ui());
  ShiftState shift = ShiftOf(e->modifiers(), e->buttons() | e->button());
  bool menu = bench_.GetDesigner().MouseUp(*form, ButtonOf(e->button()), shift, PointOf(e, scale_));
  main_.Sync();
  if (menu) ShowPopMenu(e->globalPosition().toPoint());
}

void DesignerCanvas::ShowPopMenu(const QPoint& global) {
  QMenu menu(this);
  menu.setObjectName("popMenu");
  for (const PopMenuEntry& entry : PopMenuEntries()) {
    if (!entry.visible) continue;
    if (std::string(entry.caption) == kPopSeparator) {
      menu.addSeparator();
      continue;
    }
    QAction* action = menu.addAction(QString::fromUtf8(entry.caption));
    PopCommand command = entry.command;
    connect(action, &QAction::triggered, this, [this, command] {
      if (TChildFrm* form = form_.Get()) bench_.GetDesigner().RunPopCommand(*form, command);
      main_.Sync();
    });
  }
  ModalScope modal(bench_.Main().GetUi());
  menu.exec(global);
}

DesignerViews::DesignerViews(Workbench& bench, MainWindow& main) : bench_(bench), main_(main) {
  connect(main_.Area(), &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) {
    if (syncing_ || !w) return;
    for (auto& [key, view] : views_) {
      TChildFrm* form = view.form.Get();
      if (view.window == w && form && bench_.State().current_window.Get() != form) {
        bench_.Main().Activate(*form);
        main_.Sync();
        return;
      }
    }
  });
}

DesignerViews::~DesignerViews() = default;

QMdiSubWindow* DesignerViews::SubWindowOf(const TChildFrm& form) const {
  auto it = views_.find(&form);
  return it == views_.end() ? nullptr : it->second.window;
}

DesignerCanvas* DesignerViews::CanvasOf(const TChildFrm& form) const {
  auto it = views_.find(&form);
  return it == views_.end() ? nullptr : it->second.canvas;
}

void DesignerViews::SyncWindows() {
  syncing_ = true;
  // Views of destroyed forms go first.
  for (auto it = views_.begin(); it != views_.end();) {
    if (!it->second.form.Get()) {
      if (activated_ == it->first) activated_ = nullptr;
      it->second.window->deleteLater();
      it = views_.erase(it);
    } else {
      ++it;
    }
  }
  for (const auto& owned : bench_.State().windows) {
    TChildFrm& form = *owned;
    auto it = views_.find(&form);
    if (it == views_.end()) {
      auto* canvas = new DesignerCanvas(bench_, main_, form);
      QMdiSubWindow* window = AddToolWindow(main_.Area(), canvas);
      window->setAttribute(Qt::WA_DeleteOnClose, false);
      window->setObjectName(QString::fromStdString("ChildFrm_" + form.Name()));
      window->installEventFilter(this);
      window->move(form.WindowLeft(), form.WindowTop());
      it = views_.emplace(&form, View{WeakRef<TChildFrm>(&form), window, canvas}).first;
    }
    View& view = it->second;
    if (view.canvas->Scale() != bench_.Main().DesignerScale()) {
      // The window grows or shrinks with its picture.
      view.canvas->SetScale(bench_.Main().DesignerScale());
      view.window->adjustSize();
    }
    // The modified mark as Qt shows it: "Form1.qbf*".
    view.window->setWindowTitle(QString::fromStdString(form.Caption()) + "[*]");
    view.window->setWindowModified(form.Undo().Modified());
    if (form.Visible() && !view.window->isVisible()) view.window->show();
    if (!form.Visible() && view.window->isVisible()) view.window->hide();
    if (!form.Visible() && activated_ == &form) activated_ = nullptr;
    if (form.Visible() && bench_.State().current_window.Get() == &form && activated_ != &form) {
      activated_ = &form;
      if (main_.Area()->activeSubWindow() != view.window)
        main_.Area()->setActiveSubWindow(view.window);
    }
    // Only a form whose picture changed repaints; the others keep what they showed.
    if (form.PictureDirty()) view.canvas->update();
  }
  StackWindows();
  syncing_ = false;
}

// The sub-windows stack as the core orders them, so that a form sent to the back goes behind.
void DesignerViews::StackWindows() {
  std::vector<TChildFrm*> order = bench_.Main().WindowsFrontToBack();
  if (order == stacked_) return;
  stacked_ = order;
  if (order.empty()) return;
  if (QMdiSubWindow* front = SubWindowOf(*order.front())) front->raise();
  for (std::size_t i = 1; i < order.size(); ++i) {
    QMdiSubWindow* above = SubWindowOf(*order[i - 1]);
    QMdiSubWindow* below = SubWindowOf(*order[i]);
    if (above && below) below->stackUnder(above);
  }
}

void DesignerViews::FocusWindow(TChildFrm& form) {
  if (DesignerCanvas* canvas = CanvasOf(form)) canvas->setFocus();
}

void DesignerViews::FocusControl(TControl& control) {
  for (auto& [key, view] : views_) {
    TChildFrm* form = view.form.Get();
    if (form && control.Owner() == &form->Document()) return FocusWindow(*form);
  }
}

void DesignerViews::RepaintWindow(TChildFrm& form) {
  if (DesignerCanvas* canvas = CanvasOf(form)) canvas->update();
}

bool DesignerViews::eventFilter(QObject* watched, QEvent* event) {
  for (auto& [key, view] : views_) {
    if (view.window != watched) continue;
    TChildFrm* form = view.form.Get();
    if (!form) break;
    if (event->type() == QEvent::Close) {
      // Closing a designer window only hides it; the core decides.
      event->ignore();
      bench_.Main().Forms().CloseFormWindow(*form);
      main_.Sync();
      return true;
    }
    if (event->type() == QEvent::Move && !syncing_) {
      QPoint p = view.window->pos();
      form->SetWindowPos(p.x(), p.y());
    }
    break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace qb::ui
