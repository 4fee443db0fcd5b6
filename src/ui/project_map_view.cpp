#include "ui/project_map_view.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include "model/user_error.h"
#include "ui/palm_image.h"

namespace qb::ui {

namespace {

// The dock opens showing a row of forms, but never takes more of the window than this.
constexpr int kMaxOpenHeight = 320;

}  // namespace

ProjectMapCanvas::ProjectMapCanvas(TMain& core) : core_(core) {
  setObjectName("mapCanvas");
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProjectMapCanvas::SetPicture(QImage picture) {
  picture_ = std::move(picture);
  setFixedSize(picture_.size());
  update();
}

void ProjectMapCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawEnlarged(painter, *this, picture_);
}

void ProjectMapCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPointF p = event->position();
  emit DoubleClicked({static_cast<int>(p.x()), static_cast<int>(p.y())});
}

ProjectMapView::ProjectMapView(TMain& core, MainWindow& main)
    : QDockWidget(QString::fromUtf8(kProjectMapTitle), &main),
      core_(core),
      main_(main),
      note_(new QLabel),
      scroll_(new QScrollArea),
      canvas_(new ProjectMapCanvas(core)) {
  setObjectName("dockProjectMap");
  auto* body = new QWidget;
  auto* layout = new QVBoxLayout(body);
  layout->setContentsMargins(4, 2, 4, 4);
  layout->setSpacing(2);
  note_->setObjectName("lblMapNote");
  scroll_->setObjectName("scrMap");
  scroll_->setWidget(canvas_);
  scroll_->setWidgetResizable(false);
  layout->addWidget(note_, 0, Qt::AlignTop);
  layout->addWidget(scroll_);
  setWidget(body);
  connect(canvas_, &ProjectMapCanvas::DoubleClicked, this, [this](Point p) {
    // Once the canvas's own event has returned: leading may show a message.
    QTimer::singleShot(0, this, [this, p] { Open(p); });
  });
  main.addDockWidget(Qt::BottomDockWidgetArea, this);
  hide();
}

void ProjectMapView::Sync() {
  const ProjectMapWindow& map = core_.MapWindow();
  if (!map.Visible()) {
    if (!isHidden()) hide();
    return;
  }
  if (map.Version() != shown_version_) Show();
  if (isHidden()) {
    show();
    raise();
  }
  // Input comes in bursts (a drag, typing): the map follows once the burst is over.
  if (!follow_pending_) {
    follow_pending_ = true;
    QTimer::singleShot(0, this, [this] { Follow(); });
  }
}

void ProjectMapView::Follow() {
  follow_pending_ = false;
  if (core_.MapWindow().Follow() || core_.MapWindow().Version() != shown_version_) Show();
}

void ProjectMapView::Show() {
  const ProjectMapWindow& map = core_.MapWindow();
  shown_version_ = map.Version();
  note_->setText(QString::fromStdString(map.Note()));
  note_->setVisible(!map.Note().empty());
  canvas_->SetPicture(ToQImage(map.Map().picture));
  scroll_->setVisible(map.Note().empty());
  // Tall enough for a row of forms, the scroll bar below it included.
  const int frame = 2 * scroll_->frameWidth() + scroll_->horizontalScrollBar()->sizeHint().height();
  scroll_->setMinimumHeight(std::min(kMaxOpenHeight, canvas_->height() + frame));
}

void ProjectMapView::Open(Point map_point) {
  // The mouse button may still be down after a double-click: a message box waits until it
  // is up, or it would swallow the release.
  QtUi::DeferErrors defer(main_.Ui());
  try {
    core_.MapWindow().OpenAt(map_point);
  } catch (const UserError& e) {
    main_.Ui().ShowError(e.what());
  }
  main_.Sync();
}

void ProjectMapView::closeEvent(QCloseEvent* event) {
  core_.MapWindow().Close();
  QDockWidget::closeEvent(event);
}

}  // namespace qb::ui
