#include "ui/inspector_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "properties/cell_types.h"

namespace qb::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The value cell's editor reports every keystroke.
class KeystrokeDelegate : public QStyledItemDelegate {
 public:
  KeystrokeDelegate(TfrmProperties& inspector, std::function<void()> after, QObject* parent)
      : QStyledItemDelegate(parent), inspector_(inspector), after_(std::move(after)) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    int row = index.row();
    // Pick-list and button rows are edited by the editors laid over the cell; a line editor
    // under them would keep showing the value from before the pick.
    const auto& rows = inspector_.Rows();
    if (row < 0 || row >= static_cast<int>(rows.size()) ||
        TipoCelda(rows[static_cast<std::size_t>(row)].name) != CellType::kTyped)
      return nullptr;
    auto* edit = new QLineEdit(parent);
    connect(edit, &QLineEdit::textEdited, edit, [this, row](const QString& text) {
      if (inspector_.SelectedRow() != row) inspector_.SelectCell(row);
      inspector_.CellEdited(text.toStdString());
      after_();
    });
    return edit;
  }
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

 private:
  TfrmProperties& inspector_;
  std::function<void()> after_;
};

}  // namespace

InspectorView::InspectorView(Workbench& bench, MainWindow& main)
    : bench_(bench),
      main_(main),
      chooser_(new QComboBox),
      grid_(new QTableWidget(0, 2)),
      pick_list_(new QComboBox(grid_->viewport())),
      items_button_(new QPushButton("...", grid_->viewport())),
      content_button_(new QPushButton("...", grid_->viewport())) {
  setObjectName("frmProperties");
  chooser_->setObjectName("cmbForms");
  grid_->setObjectName("stgProperties");
  pick_list_->setObjectName("cmbBoolean");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(TfrmProperties::kGridRowHeight);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setColumnWidth(0, TfrmProperties::kInitialColumnWidth);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  grid_->setItemDelegateForColumn(
      1, new KeystrokeDelegate(bench_.Inspector(), [this] { main_.Sync(); }, this));
  pick_list_->hide();
  items_button_->hide();
  content_button_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(chooser_);
  layout->addWidget(grid_);
  chooser_->installEventFilter(this);
  grid_->installEventFilter(this);

  connect(chooser_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    bench_.Inspector().ChooseEntry(index);
    main_.Sync();
  });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (syncing_ || row < 0) return;
    bench_.Inspector().SelectCell(row);
    main_.Sync();
  });
  connect(pick_list_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    bench_.Inspector().PickListPicked(index);
    main_.Sync();
  });
  connect(items_button_, &QPushButton::clicked, this, [this] {
    bench_.Inspector().ItemsButtonClicked();
    main_.Sync();
  });
  connect(content_button_, &QPushButton::clicked, this, [this] {
    bench_.Inspector().ContentButtonClicked();
    main_.Sync();
  });

  window_ = AddToolWindow(main_.Area(), this);
  window_->setWindowTitle(TfrmProperties::kCaption);
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  window_->resize(TfrmProperties::kInitialWidth, TfrmProperties::kInitialHeight);
  window_->installEventFilter(this);
  window_->hide();
}

void InspectorView::Sync() {
  syncing_ = true;
  TfrmProperties& inspector = bench_.Inspector();
  const InspectorWindow& shown = bench_.Main().Inspector();
  if (shown.visible && !window_->isVisible()) {
    window_->move(shown.bounds.left, shown.bounds.top);
    window_->show();
  } else if (!shown.visible && window_->isVisible()) {
    window_->hide();
  }
  // The chooser.
  const auto& entries = inspector.ChooserEntries();
  bool same = chooser_->count() == static_cast<int>(entries.size());
  for (int i = 0; same && i < chooser_->count(); ++i)
    same = chooser_->itemText(i) == Q(entries[static_cast<std::size_t>(i)].text);
  if (!same) {
    chooser_->clear();
    for (const auto& e : entries) chooser_->addItem(Q(e.text));
  }
  chooser_->setCurrentIndex(inspector.ChooserIndex());
  // The grid; a cell being edited keeps what the user typed.
  const auto& rows = inspector.Rows();
  if (grid_->rowCount() != inspector.RowCount()) grid_->setRowCount(inspector.RowCount());
  QWidget* editing = grid_->indexWidget(grid_->currentIndex());
  for (int r = 0; r < inspector.RowCount(); ++r) {
    const GridRow& row = rows[static_cast<std::size_t>(r)];
    auto* name = grid_->item(r, 0);
    if (!name) {
      name = new QTableWidgetItem;
      name->setFlags(Qt::ItemIsEnabled);
      name->setBackground(QColor(212, 208, 200));
      grid_->setItem(r, 0, name);
    }
    name->setText(Q(row.name));
    auto* value = grid_->item(r, 1);
    if (!value) {
      value = new QTableWidgetItem;
      grid_->setItem(r, 1, value);
    }
    if (!(editing && r == grid_->currentRow())) value->setText(Q(row.value));
  }
  if (inspector.SelectedRow() >= 0 && inspector.SelectedRow() < grid_->rowCount() &&
      grid_->currentRow() != inspector.SelectedRow())
    grid_->setCurrentCell(inspector.SelectedRow(), 1);
  PlaceEditors();
  syncing_ = false;
}

void InspectorView::PlaceEditors() {
  TfrmProperties& inspector = bench_.Inspector();
  auto place = [this](QWidget* w, int row) {
    QRect cell = grid_->visualRect(grid_->model()->index(row, 1));
    w->setGeometry(cell);
    w->show();
    w->raise();
  };
  const PickListEditor& pick = inspector.PickList();
  if (pick.visible) {
    pick_list_->clear();
    for (const auto& e : pick.entries) pick_list_->addItem(Q(e));
    pick_list_->setCurrentIndex(pick.selected);
    place(pick_list_, pick.row);
  } else {
    pick_list_->hide();
  }
  if (inspector.ItemsEditor().visible)
    place(items_button_, inspector.ItemsEditor().row);
  else
    items_button_->hide();
  if (inspector.ContentEditor().visible)
    place(content_button_, inspector.ContentEditor().row);
  else
    content_button_->hide();
}

bool InspectorView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == window_ && event->type() == QEvent::Close) {
    event->ignore();
    bench_.Main().TogglePropertiesEditor();
    main_.Sync();
    return true;
  }
  if (event->type() == QEvent::FocusIn) {
    if (watched == grid_) bench_.Inspector().SetFocus(InspectorWidget::kGrid);
    if (watched == chooser_) bench_.Inspector().SetFocus(InspectorWidget::kChooser);
    main_.Sync();
  }
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    InspectorKey k = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ? InspectorKey::kEnter
                     : key->key() == Qt::Key_Up                                   ? InspectorKey::kUp
                     : key->key() == Qt::Key_Down ? InspectorKey::kDown
                                                  : InspectorKey::kOther;
    if (k != InspectorKey::kOther && bench_.Inspector().GridKeyDown(k)) {
      main_.Sync();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qb::ui
