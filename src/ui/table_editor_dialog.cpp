#include "ui/table_editor_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/qt_ui.h"

namespace qb::ui {

namespace {

using Ed = TfrmTableEd;

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The first character of a key's text as the editor's logic sees it; 0 for keys without text.
char32_t KeyChar(const QKeyEvent& key) {
  if (key.key() == Qt::Key_Escape) return Ed::kEscChar;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) return Ed::kEnterChar;
  if (key.key() == Qt::Key_Backspace) return Ed::kBackspaceChar;
  const QString text = key.text();
  if (text.isEmpty() || !text[0].isPrint()) return 0;
  return text.toUcs4().value(0);
}

struct ButtonName {
  Ed::Button button;
  const char* name;
};
constexpr ButtonName kButtonNames[] = {
    {Ed::Button::kAddRow, "butAddRow"},
    {Ed::Button::kDeleteRow, "butDeleteRow"},
    {Ed::Button::kAddCol, "butAddCol"},
    {Ed::Button::kDeleteCol, "butDeleteCol"},
    {Ed::Button::kClearAll, "butClearAll"},
    {Ed::Button::kCancel, "butCancel"},
    {Ed::Button::kOk, "butOK"},
};

const char* NameOf(Ed::Button button) {
  for (const ButtonName& b : kButtonNames)
    if (b.button == button) return b.name;
  return "";
}

// A cell editor whose characters pass the editor's key filter first.
class FilteredEdit : public QLineEdit {
 public:
  FilteredEdit(Ed& model, QWidget* parent) : QLineEdit(parent), model_(model) {}

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const char32_t ch = KeyChar(*event);
    if (ch != 0 && !model_.CharTyped(ch)) return;
    QLineEdit::keyPressEvent(event);
  }

 private:
  Ed& model_;
};

// Edits go into the logic, which filters them; the cell shows what it kept.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(Ed& model, QObject* parent) : QStyledItemDelegate(parent), model_(model) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex&) const override {
    auto* editor = new FilteredEdit(model_, parent);
    editor->setFrame(false);
    return editor;
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    const int row = index.row() + 1, col = index.column() + 1;
    model_.SetCell(row, col, static_cast<QLineEdit*>(editor)->text().toStdString());
    model->setData(index, Q(model_.Cell(row, col)));
  }

 private:
  Ed& model_;
};

}  // namespace

TableEditorDialog::TableEditorDialog(TfrmTableEd& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setObjectName("frmTableEd");
  setWindowTitle(Ed::kCaption);
  setSizeGripEnabled(true);
  setMinimumSize(Ed::kMinWidth, Ed::kMinHeight);
  resize(Ed::kInitialWidth, Ed::kInitialHeight);

  stg_table_ = new QTableWidget(this);
  stg_table_->setObjectName("stgTable");
  stg_table_->setItemDelegate(new CellDelegate(model_, stg_table_));
  stg_table_->setSelectionMode(QAbstractItemView::SingleSelection);
  stg_table_->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::DoubleClicked);
  stg_table_->verticalHeader()->setDefaultSectionSize(Ed::kRowHeight);
  stg_table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  stg_table_->installEventFilter(this);
  connect(stg_table_, &QTableWidget::currentCellChanged, this, [this](int row, int col) {
    if (refreshing_) return;
    model_.Select(row + 1, col + 1);
    HideAlignList();
  });

  cmb_align_ = new QComboBox(stg_table_->viewport());
  cmb_align_->setObjectName("cmbAlign");
  for (const char* word : Ed::AlignWords()) cmb_align_->addItem(word);
  cmb_align_->installEventFilter(this);
  cmb_align_->hide();
  connect(cmb_align_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (cmb_align_->isVisible()) model_.AlignListHighlight(index);
  });

  auto* buttons = new QVBoxLayout;
  buttons->setSpacing(4);
  for (const auto& info : Ed::Buttons()) {
    auto* button = new QPushButton(info.caption, this);
    button->setObjectName(NameOf(info.button));
    button->setAutoDefault(false);
    const Ed::Button which = info.button;
    connect(button, &QPushButton::clicked, this, [this, which] { Press(which); });
    buttons->addWidget(button);
  }
  buttons->addStretch();
  auto* column = new QWidget(this);
  column->setFixedWidth(Ed::kButtonColumnWidth);
  column->setLayout(buttons);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(stg_table_, 1);
  layout->addWidget(column);

  Refresh();
  stg_table_->setFocus();
}

void TableEditorDialog::Refresh() {
  refreshing_ = true;
  QSignalBlocker block(stg_table_);
  stg_table_->setColumnCount(model_.ColCount() - 1);
  stg_table_->setRowCount(model_.RowCount() - 1);
  QStringList headers, labels;
  for (int c = 1; c < model_.ColCount(); ++c) headers << Q(model_.Cell(Ed::kHeaderRow, c));
  for (int r = 1; r < model_.RowCount(); ++r) labels << Q(model_.Cell(r, Ed::kLabelCol));
  stg_table_->setHorizontalHeaderLabels(headers);
  stg_table_->setVerticalHeaderLabels(labels);
  for (int r = 1; r < model_.RowCount(); ++r)
    for (int c = 1; c < model_.ColCount(); ++c) {
      auto* item = new QTableWidgetItem(Q(model_.Cell(r, c)));
      Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (model_.CellEditable(r, c)) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      stg_table_->setItem(r - 1, c - 1, item);
    }
  if (model_.HasSelection())
    stg_table_->setCurrentCell(model_.SelectedRow() - 1, model_.SelectedCol() - 1);
  refreshing_ = false;
}

void TableEditorDialog::ShowAlignList() {
  QTableWidgetItem* item = stg_table_->currentItem();
  if (!item) return;
  QRect cell = stg_table_->visualItemRect(item);
  cell.setHeight(Ed::kAlignListHeight);
  {
    QSignalBlocker block(cmb_align_);
    cmb_align_->setCurrentIndex(model_.AlignListIndex());
  }
  cmb_align_->setGeometry(cell);
  cmb_align_->show();
  cmb_align_->setFocus();
}

void TableEditorDialog::HideAlignList() {
  if (!cmb_align_->isVisible()) return;
  cmb_align_->hide();
  stg_table_->setFocus();
}

void TableEditorDialog::Press(Ed::Button button) {
  if (button == Ed::Button::kCancel) {
    reject();
    return;
  }
  if (button == Ed::Button::kOk) {
    model_.AlignListEscape();
    cmb_align_->hide();
    accept();
    return;
  }
  HideAlignList();
  model_.Press(button);
  Refresh();
  stg_table_->setFocus();
}

bool TableEditorDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  auto* key = static_cast<QKeyEvent*>(event);
  const char32_t ch = KeyChar(*key);
  if (watched == cmb_align_) {
    if (ch == Ed::kEnterChar) {
      model_.AlignListHighlight(cmb_align_->currentIndex());
      model_.AlignListEnter();
      Refresh();
      HideAlignList();
      return true;
    }
    if (ch == Ed::kEscChar) {
      model_.AlignListEscape();
      HideAlignList();
      return true;
    }
    return false;
  }
  // While a cell is edited its keys go to the cell editor, not to the grid.
  if (watched == stg_table_ && ch != 0) {
    if (model_.CharTyped(ch)) return false;
    if (model_.AlignListVisible()) ShowAlignList();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void RegisterTableEditorDialog(QtUi& ui) {
  ui.RegisterDialog(Ed::kDialogId, [](QWidget* parent, DialogModel& dialog) {
    TableEditorDialog view(static_cast<Ed&>(dialog), parent);
    return view.exec() == QDialog::Accepted;
  });
}

}  // namespace qb::ui
