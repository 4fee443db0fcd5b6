#include "ui/color_editor_dialog.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "properties/editor_texts.h"
#include "ui/palm_image.h"
#include "ui/qt_ui.h"

namespace qb::ui {

namespace {

using Ed = TfrmDlgColor;

constexpr int kMargin = 4;
constexpr int kSampleWidth = 160;
constexpr int kSampleLeft = Ed::kClientWidth - kMargin - kSampleWidth;
constexpr int kDateSampleHeight = 160;
constexpr int kTimeSampleHeight = 74;
constexpr int kButtonTop = kMargin + kDateSampleHeight + 8;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kNameColumn = 0;
constexpr int kValueColumn = 1;

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

SampleView::SampleView(TfrmDlgColor& model, bool date, QWidget* parent)
    : QWidget(parent), model_(model), date_(date) {
  setObjectName(date ? "dlgSelect" : "dlgTime");
  setFixedSize(kSampleWidth, date ? kDateSampleHeight : kTimeSampleHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void SampleView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, ToQImage(date_ ? model_.DatePicture() : model_.TimePicture()));
}

ColorEditorDialog::ColorEditorDialog(TfrmDlgColor& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("frmDlgColor");
  setWindowTitle(Ed::kCaption);
  setFixedSize(Ed::kClientWidth, Ed::kClientHeight);

  stg_colors_ = new QTableWidget(Ed::kRowCount, 2, this);
  stg_colors_->setObjectName("stgColors");
  stg_colors_->horizontalHeader()->hide();
  stg_colors_->verticalHeader()->hide();
  stg_colors_->horizontalHeader()->setDefaultSectionSize(Ed::kGridColWidth);
  stg_colors_->verticalHeader()->setDefaultSectionSize(Ed::kGridRowHeight);
  stg_colors_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  stg_colors_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  stg_colors_->setSelectionMode(QAbstractItemView::SingleSelection);
  stg_colors_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  stg_colors_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  const int frame = 2 * stg_colors_->frameWidth();
  stg_colors_->setGeometry(kMargin, kMargin, 2 * Ed::kGridColWidth + frame,
                           Ed::kRowCount * Ed::kGridRowHeight + frame);
  for (int row = 0; row < Ed::kRowCount; ++row) {
    auto* name = new QTableWidgetItem(Ed::RowNames()[static_cast<std::size_t>(row)]);
    name->setFlags(Qt::ItemIsEnabled);
    name->setBackground(palette().button());
    stg_colors_->setItem(row, kNameColumn, name);
    stg_colors_->setItem(row, kValueColumn, new QTableWidgetItem);
  }
  ShowValues();
  {
    QSignalBlocker block(stg_colors_);
    stg_colors_->setCurrentCell(model_.SelectedRow(), kValueColumn);
  }
  connect(stg_colors_, &QTableWidget::currentCellChanged, this, [this](int row) {
    model_.SelectRow(row);
    ShowColorList();
  });
  connect(stg_colors_, &QTableWidget::cellClicked, this, [this](int row) {
    model_.SelectRow(row);
    ShowColorList();
  });

  cmb_colors_ = new QComboBox(stg_colors_->viewport());
  cmb_colors_->setObjectName("cmbColors");
  for (const std::string& name : model_.ColorList()) cmb_colors_->addItem(Q(name));
  cmb_colors_->setMaxVisibleItems(static_cast<int>(model_.ColorList().size()));
  cmb_colors_->installEventFilter(this);
  cmb_colors_->hide();
  connect(cmb_colors_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (placing_list_ || index < 0) return;
    model_.ChooseColor(index);
    ShowValues();
    dlg_select_->update();
    dlg_time_->update();
  });

  dlg_select_ = new SampleView(model_, true, this);
  dlg_select_->move(kSampleLeft, kMargin);
  dlg_select_->setVisible(model_.DateSample().Visible());
  dlg_time_ = new SampleView(model_, false, this);
  dlg_time_->move(kSampleLeft, kMargin);
  dlg_time_->setVisible(model_.TimeSample().Visible());

  auto* cancel = new QPushButton(kCancelCaption, this);
  cancel->setObjectName("butCancel");
  cancel->setGeometry(kSampleLeft, kButtonTop, kButtonWidth, kButtonHeight);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* ok = new QPushButton(kOkCaption, this);
  ok->setObjectName("butOK");
  ok->setGeometry(kSampleLeft + kSampleWidth - kButtonWidth, kButtonTop, kButtonWidth,
                  kButtonHeight);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  stg_colors_->setFocus();
}

void ColorEditorDialog::ShowValues() {
  for (int row = 0; row < Ed::kRowCount; ++row)
    stg_colors_->item(row, kValueColumn)->setText(Q(model_.Value(row)));
}

void ColorEditorDialog::ShowColorList() {
  if (!model_.ColorListVisible()) return;
  QRect cell =
      stg_colors_->visualRect(stg_colors_->model()->index(model_.SelectedRow(), kValueColumn));
  cell.setHeight(Ed::kColorListHeight);
  placing_list_ = true;
  cmb_colors_->setCurrentIndex(model_.ColorListIndex());
  placing_list_ = false;
  cmb_colors_->setGeometry(cell);
  cmb_colors_->show();
  cmb_colors_->setFocus();
}

bool ColorEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cmb_colors_ && event->type() == QEvent::FocusOut &&
      !cmb_colors_->view()->isVisible()) {
    model_.HideColorList();
    cmb_colors_->hide();
  }
  return QDialog::eventFilter(watched, event);
}

void RegisterColorEditorDialog(QtUi& ui) {
  ui.RegisterDialog(Ed::kDialogId, [](QWidget* parent, DialogModel& dialog) {
    ColorEditorDialog view(static_cast<Ed&>(dialog), parent);
    return view.exec() == QDialog::Accepted;
  });
}

}  // namespace qb::ui
