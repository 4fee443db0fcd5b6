#include "ui/preview_view.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include "controls/designer_client.h"
#include "ui/designer_views.h"
#include "ui/palm_image.h"

namespace qb::ui {

namespace {

Point PenPoint(const QMouseEvent* e, int scale) {
  return DesignerCanvas::DevicePoint(e->position().x(), e->position().y(), scale);
}

// A typed key the device would take: printable text, no shortcut held.
bool IsTyped(const QKeyEvent* e) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = e->text();
  if (text.isEmpty()) return false;
  for (const QChar ch : text)
    if (!ch.isPrint()) return false;
  return true;
}

}  // namespace

PreviewCanvas::PreviewCanvas(TMain& core) : core_(core) {
  setObjectName("imgPreview");
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  SetScale(kSmallestPreviewScale);
}

void PreviewCanvas::SetScale(int scale) {
  scale = PreviewWindow::ScaleFor(scale);
  if (scale == scale_) return;
  scale_ = scale;
  setFixedSize(TDesignerClient::kClientWidth * scale_, TDesignerClient::kClientHeight * scale_);
  update();
}

QImage PreviewCanvas::Picture() {
  PreviewSession* session = Session();
  if (!session) return QImage();
  return ToQImage(session->Frame());
}

void PreviewCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QImage picture = Picture();
  if (picture.isNull()) {
    painter.fillRect(rect(), Qt::white);
    return;
  }
  // The frame holds the caret and the pressed button.
  DrawEnlarged(painter, *this, picture);
}

void PreviewCanvas::After() {
  update();
  emit Changed();
}

void PreviewCanvas::mousePressEvent(QMouseEvent* e) {
  PreviewSession* session = Session();
  if (!session || e->button() != Qt::LeftButton) return;
  pen_down_ = true;
  session->PenDown(PenPoint(e, scale_));
  After();
}

void PreviewCanvas::mouseMoveEvent(QMouseEvent* e) {
  PreviewSession* session = Session();
  if (!session || !pen_down_) return;
  session->PenMove(PenPoint(e, scale_));
  update();
}

void PreviewCanvas::mouseReleaseEvent(QMouseEvent* e) {
  PreviewSession* session = Session();
  if (!session || e->button() != Qt::LeftButton || !pen_down_) return;
  pen_down_ = false;
  session->PenUp(PenPoint(e, scale_));
  After();
}

bool PreviewCanvas::event(QEvent* e) {
  // While the preview is active its keys are the device's: no shortcut of the main window's
  // menus (Ctrl+Z, Delete, ...) takes them.
  if (e->type() == QEvent::ShortcutOverride) {
    e->accept();
    return true;
  }
  return QWidget::event(e);
}

void PreviewCanvas::keyPressEvent(QKeyEvent* e) {
  PreviewSession* session = Session();
  if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
    emit CloseAsked();
    return;
  }
  if (!session) return QWidget::keyPressEvent(e);
  if (e->key() == Qt::Key_Backspace) {
    session->Backspace();
  } else if (IsTyped(e)) {
    session->Type(e->text().toStdString());
  } else {
    return QWidget::keyPressEvent(e);
  }
  After();
}

PreviewView::PreviewView(TMain& core, MainWindow& main)
    // A tool window of the main window: it stays above it, also when the main window is
    // clicked.
    : QWidget(&main, Qt::Tool),
      core_(core),
      main_(main),
      canvas_(new PreviewCanvas(core)),
      back_(new QPushButton(QString::fromUtf8(kPreviewBack))) {
  setObjectName("frmPreview");
  back_->setObjectName("btnPreviewBack");
  // The keys stay with the device picture, whose fields take them.
  back_->setFocusPolicy(Qt::NoFocus);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(canvas_);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(back_);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(back_, &QPushButton::clicked, this, &PreviewView::GoBack);
  connect(canvas_, &PreviewCanvas::Changed, this, &PreviewView::Follow);
  connect(canvas_, &PreviewCanvas::CloseAsked, this, &QWidget::close);
  hide();
}

void PreviewView::Follow() {
  const PreviewSession* session = core_.Preview().Session();
  if (!session) return;
  setWindowTitle(QString::fromStdString(PreviewTitleText(*session)));
  back_->setEnabled(session->CanGoBack());
}

void PreviewView::GoBack() {
  PreviewSession* session = core_.Preview().Session();
  if (!session) return;
  session->Back();
  canvas_->update();
  Follow();
}

void PreviewView::Sync() {
  PreviewWindow& preview = core_.Preview();
  if (!preview.Visible()) {
    if (isVisible()) hide();
    return;
  }
  canvas_->SetScale(core_.DesignerScale());
  if (preview.Version() == shown_version_) return;
  shown_version_ = preview.Version();
  Follow();
  canvas_->update();
  if (!placed_) {
    // The first time over the middle of the main window, as a dialog opens; afterwards where
    // the user left it.
    adjustSize();
    move(main_.geometry().center() - QPoint(width() / 2, height() / 2));
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
  canvas_->setFocus(Qt::OtherFocusReason);
}

void PreviewView::closeEvent(QCloseEvent* event) {
  core_.Preview().Close();
  event->accept();
  main_.Sync();
}

}  // namespace qb::ui
