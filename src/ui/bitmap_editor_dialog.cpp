#include "ui/bitmap_editor_dialog.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>

#include "ui/palm_image.h"
#include "ui/qt_ui.h"

namespace qb::ui {

namespace {

using Ed = TfrmBmpEd;

constexpr int kButtonMargin = 4;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 6;
// What the window frame takes round the client area.
constexpr int kFrameAllowance = 48;

struct ButtonName {
  Ed::Button button;
  const char* name;
};
constexpr ButtonName kButtonNames[] = {{Ed::Button::kOk, "butOK"},
                                       {Ed::Button::kCancel, "butCancel"},
                                       {Ed::Button::kClear, "butClear"}};

const char* NameOf(Ed::Button button) {
  for (const ButtonName& b : kButtonNames)
    if (b.button == button) return b.name;
  return "";
}

GridModifiers ModifiersOf(Qt::KeyboardModifiers m) {
  return {m.testFlag(Qt::ShiftModifier), m.testFlag(Qt::ControlModifier),
          m.testFlag(Qt::AltModifier)};
}

}  // namespace

BitmapGrid::BitmapGrid(TfrmBmpEd& model, QWidget* parent) : QWidget(parent), model_(model) {
  setObjectName("dgBitmap");
  setFixedSize(model_.GridWidth(), model_.GridHeight());
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void BitmapGrid::paintEvent(QPaintEvent* event) {
  const QRect area = event->rect();
  const PalmCanvas part =
      model_.GridPicture({area.left(), area.top(), area.right() + 1, area.bottom() + 1});
  QPainter painter(this);
  painter.drawImage(area.topLeft(), ToQImage(part));
}

void BitmapGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPoint at = event->position().toPoint();
  model_.LeftButtonDown(at.x(), at.y());
  update();
}

void BitmapGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!(event->buttons() & Qt::LeftButton)) return;
  const QPoint at = event->position().toPoint();
  model_.DragTo(at.x(), at.y(), ModifiersOf(event->modifiers()));
  update();
}

void BitmapGrid::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) model_.LeftButtonUp();
}

BitmapEditorDialog::BitmapEditorDialog(TfrmBmpEd& model, QSize available, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("frmBmpEd");
  setWindowTitle(Ed::kCaption);
  const Ed::Size fit = model_.ClientWithin(available.width(), available.height());
  const QSize client(fit.width, fit.height);
  setFixedSize(client);

  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("scbBitmap");
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setGeometry(0, 0, client.width() - Ed::kButtonColumnWidth, client.height());
  grid_ = new BitmapGrid(model_, scroll_);
  scroll_->setWidget(grid_);
  scroll_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Scroll bars only when the grid does not fit.
  scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

  int top = kButtonMargin;
  for (const auto& info : Ed::Buttons()) {
    auto* button = new QPushButton(info.caption, this);
    button->setObjectName(NameOf(info.button));
    button->setAutoDefault(false);
    button->setGeometry(client.width() - Ed::kButtonColumnWidth + kButtonMargin, top,
                        Ed::kButtonColumnWidth - 2 * kButtonMargin, kButtonHeight);
    top += kButtonHeight + kButtonGap;
    const Ed::Button which = info.button;
    connect(button, &QPushButton::clicked, this, [this, which] {
      if (which == Ed::Button::kOk) return accept();
      if (which == Ed::Button::kCancel) return reject();
      model_.Press(which);
      grid_->update();
    });
  }
}

void RegisterBitmapEditorDialog(QtUi& ui) {
  ui.RegisterDialog(Ed::kDialogId, [](QWidget* parent, DialogModel& dialog) {
    QSize available(Ed::kMaxSide * Ed::kCellPitch, Ed::kMaxSide * Ed::kCellPitch);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
      available = screen->availableGeometry().size() - QSize(kFrameAllowance, kFrameAllowance);
    BitmapEditorDialog view(static_cast<Ed&>(dialog), available, parent);
    return view.exec() == QDialog::Accepted;
  });
}

}  // namespace qb::ui
