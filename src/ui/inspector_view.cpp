#include "ui/inspector_view.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "properties/cell_types.h"

namespace qb::ui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

InspectorKey KeyOf(const QKeyEvent* key) {
  switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return InspectorKey::kEnter;
    case Qt::Key_Up:
      return InspectorKey::kUp;
    case Qt::Key_Down:
      return InspectorKey::kDown;
    default:
      return InspectorKey::kOther;
  }
}

KeyModifiers ModifiersOf(const QKeyEvent* key) {
  KeyModifiers m;
  m.shift = key->modifiers() & Qt::ShiftModifier;
  m.ctrl = key->modifiers() & Qt::ControlModifier;
  m.alt = key->modifiers() & Qt::AltModifier;
  return m;
}

// A key that types a character (not a command chord or a bare modifier).
bool TypesCharacter(const QKeyEvent* key) {
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  const QString text = key->text();
  return !text.isEmpty() && text.at(0).isPrint();
}

// Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z): the form's Undo and Redo, also while a text box has the
// focus, whose own undo would otherwise take them.
std::optional<Command> StepKey(const QKeyEvent* key) {
  if (key->matches(QKeySequence::Undo)) return Command::kUndo;
  if (key->matches(QKeySequence::Redo) ||
      (key->key() == Qt::Key_Y && key->modifiers() == Qt::ControlModifier))
    return Command::kRedo;
  return std::nullopt;
}

// A cell holds one line: each line break of pasted text becomes one blank.
QString OneLine(const QString& text) {
  QString out = text;
  out.replace("\r\n", " ");
  out.replace('\r', ' ');
  out.replace('\n', ' ');
  return out;
}

// Focus that leaves only for a moment: another top-level window (a message box) or a popup.
bool PassingFocusLoss(const QEvent* event) {
  auto reason = static_cast<const QFocusEvent*>(event)->reason();
  return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

}  // namespace

// The value cell's editor of typed rows; it reports every keystroke.
class CellDelegate : public QStyledItemDelegate {
 public:
  CellDelegate(InspectorView& view, TfrmProperties& inspector)
      : QStyledItemDelegate(&view), view_(view), inspector_(inspector) {
    // The view closes the editor itself when it loses the focus for good: from then on it
    // is no longer open, although it lives until its deferred deletion.
    connect(this, &QAbstractItemDelegate::closeEditor, this, [this](QWidget* editor) {
      if (editor == editor_) editor_ = nullptr;
    });
  }

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    int row = index.row();
    // Only the user opens a cell editor: never a change of the rows while the view follows
    // the inspector (a current row moved up because the rows went).
    if (view_.syncing_) return nullptr;
    // Pick-list and button rows are edited by the editors laid over the cell; a line editor
    // under them would keep showing the value from before the pick.
    const auto& rows = inspector_.Rows();
    if (row < 0 || row >= static_cast<int>(rows.size()) ||
        TipoCelda(rows[static_cast<std::size_t>(row)].name) != CellType::kTyped)
      return nullptr;
    auto* edit = new QLineEdit(parent);
    edit->setObjectName("cellEditor");
    connect(edit, &QLineEdit::textEdited, edit,
            [this, row](const QString& text) { view_.CellTextEdited(row, text); });
    editor_ = edit;
    editor_row_ = row;
    binding_ = inspector_.BindEditor(row);
    return edit;
  }
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

  QLineEdit* Editor() const { return editor_; }
  int EditorRow() const { return editor_ ? editor_row_ : -1; }
  // Whether the open editor still serves the control and row it was opened for.
  bool Bound() const { return editor_ && inspector_.StillBound(binding_); }
  void Close() {
    QLineEdit* editor = editor_;
    editor_ = nullptr;
    if (editor) emit closeEditor(editor, QAbstractItemDelegate::NoHint);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // A message box or a menu taking the focus for a moment leaves the editor open, with the
    // typed text, to get the focus back when it closes.
    if (watched == editor_ && event->type() == QEvent::FocusOut && PassingFocusLoss(event))
      return false;
    if (watched == editor_ &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
      if (std::optional<Command> step = StepKey(static_cast<QKeyEvent*>(event))) {
        // Taken here rather than by the menu's shortcut, so that the editor closes first.
        event->accept();
        if (event->type() == QEvent::KeyPress) view_.StepFromCell(*step);
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(watched, event);
  }

 private:
  InspectorView& view_;
  TfrmProperties& inspector_;
  mutable QPointer<QLineEdit> editor_;
  mutable int editor_row_ = -1;
  mutable EditorBinding binding_;
};

ButtonEdit::ButtonEdit(QWidget* parent)
    : QWidget(parent), edit_(new QLineEdit(this)), button_(new QToolButton(this)) {
  button_->setText("...");
  // Clicking the ellipsis keeps the focus in the text box: losing it would hide the editor.
  button_->setFocusPolicy(Qt::NoFocus);
  button_->setFixedWidth(TfrmProperties::kEllipsisWidth);
  button_->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(edit_, 1);
  layout->addWidget(button_);
  setFocusProxy(edit_);
}

InspectorView::InspectorView(Workbench& bench, MainWindow& main)
    : bench_(bench),
      main_(main),
      chooser_(new QComboBox),
      grid_(new QTableWidget(0, 2)),
      delegate_(new CellDelegate(*this, bench.Inspector())),
      pick_list_(new QComboBox(grid_->viewport())),
      items_editor_(new ButtonEdit(grid_->viewport())),
      content_editor_(new ButtonEdit(grid_->viewport())) {
  setObjectName("frmProperties");
  chooser_->setObjectName("cmbForms");
  grid_->setObjectName("stgProperties");
  pick_list_->setObjectName("cmbBoolean");
  items_editor_->setObjectName("cmbItems");
  content_editor_->setObjectName("cmbBitmap");
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->verticalHeader()->setDefaultSectionSize(TfrmProperties::kGridRowHeight);
  grid_->horizontalHeader()->setStretchLastSection(true);
  grid_->setColumnWidth(0, TfrmProperties::kInitialColumnWidth);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setEditTriggers(QAbstractItemView::AllEditTriggers);
  grid_->setItemDelegateForColumn(1, delegate_);
  pick_list_->hide();
  items_editor_->hide();
  content_editor_->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(chooser_);
  layout->addWidget(grid_);
  for (QObject* watched : std::initializer_list<QObject*>{
           chooser_, grid_, pick_list_, items_editor_->Edit(), content_editor_->Edit()})
    watched->installEventFilter(this);

  TfrmProperties& inspector = bench_.Inspector();
  connect(chooser_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    bench_.Inspector().ChooseEntry(index);
    main_.Sync();
  });
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (syncing_ || row < 0) return;
    bench_.Inspector().SelectCell(row);
    main_.Sync();
  });
  connect(grid_, &QTableWidget::cellClicked, this, [this](int, int) {
    if (syncing_) return;
    bench_.Inspector().GridClicked();
    main_.Sync();
  });
  connect(pick_list_, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
    QtUi::DeferErrors defer(main_.Ui());
    bench_.Inspector().PickListPicked(index);
    main_.Sync();
  });
  connect(items_editor_->Edit(), &QLineEdit::textEdited, this,
          [&inspector](const QString& t) { inspector.ItemsEditorTextChanged(t.toStdString()); });
  connect(items_editor_->Button(), &QToolButton::clicked, this,
          [this] { Later([this] { bench_.Inspector().ItemsButtonClicked(); }); });
  connect(content_editor_->Button(), &QToolButton::clicked, this,
          [this] { Later([this] { bench_.Inspector().ContentButtonClicked(); }); });
  // After an error box about a typed value the cell being edited gets the focus back.
  main_.Ui().SetAfterDeferredBoxes([this] {
    if (QLineEdit* edit = CellEditor()) {
      edit->activateWindow();
      edit->setFocus(Qt::OtherFocusReason);
    }
  });

  window_ = AddToolWindow(main_.Area(), this);
  window_->setWindowTitle(TfrmProperties::kCaption);
  window_->setAttribute(Qt::WA_DeleteOnClose, false);
  window_->resize(TfrmProperties::kInitialWidth, TfrmProperties::kInitialHeight);
  window_->installEventFilter(this);
  window_->hide();
}

QLineEdit* InspectorView::CellEditor() const { return delegate_->Editor(); }

void InspectorView::Later(std::function<void()> action) {
  QTimer::singleShot(0, this, [this, action] {
    action();
    main_.Sync();
  });
}

void InspectorView::CellTextEdited(int row, const QString& typed) {
  if (!delegate_->Bound()) {
    // The control or the rows changed under the editor: the key is not for them.
    delegate_->Close();
    main_.Sync();
    return;
  }
  const QString text = OneLine(typed);
  if (text != typed) {
    QLineEdit* edit = delegate_->Editor();
    const int caret = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(caret);
  }
  {
    QtUi::DeferErrors defer(main_.Ui());
    TfrmProperties& inspector = bench_.Inspector();
    if (inspector.SelectedRow() != row) inspector.SelectCell(row);
    inspector.CellEdited(text.toStdString());
  }
  main_.Sync();
}

void InspectorView::StepFromCell(Command command) {
  // The editor ends with the value it applied key by key; then the step is taken back or done
  // again, and the row shows the value it restored.
  delegate_->Close();
  if (QAction* action = main_.ActionFor(command); action && action->isEnabled()) action->trigger();
  main_.Sync();
}

void InspectorView::Sync() {
  syncing_ = true;
  TfrmProperties& inspector = bench_.Inspector();
  const InspectorWindow& shown = bench_.Main().Inspector();
  if (shown.visible && !window_->isVisible()) {
    window_->move(shown.bounds.left, shown.bounds.top);
    if (shown.bounds.width > 0 && shown.bounds.height > 0)
      window_->resize(shown.bounds.width, shown.bounds.height);
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
  // The grid. A cell editor opened for another object's rows (another control, a new
  // project, a row that went) would write its keys there: it closes before the rows change.
  const auto& rows = inspector.Rows();
  if (delegate_->Editor() && !delegate_->Bound()) delegate_->Close();
  // Following the rows opens no editor: a current cell moved by the rows is not the user's.
  const auto triggers = grid_->editTriggers();
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  if (grid_->rowCount() != inspector.RowCount()) grid_->setRowCount(inspector.RowCount());
  const int editing = delegate_->EditorRow();
  for (int r = 0; r < inspector.RowCount(); ++r) {
    const GridRow& row = rows[static_cast<std::size_t>(r)];
    auto* name = grid_->item(r, 0);
    if (!name) {
      name = new QTableWidgetItem;
      name->setFlags(Qt::ItemIsEnabled);
      name->setBackground(QColor(212, 208, 200));
      grid_->setItem(r, 0, name);
    }
    if (name->text() != Q(row.name)) name->setText(Q(row.name));
    auto* value = grid_->item(r, 1);
    if (!value) {
      value = new QTableWidgetItem;
      grid_->setItem(r, 1, value);
    }
    if (value->text() != Q(row.value)) value->setText(Q(row.value));
    // The cell editor keeps what the user typed, which is the row's text, unless a rule
    // replaced it (an Image held to 40).
    if (r == editing && delegate_->Editor()->text() != Q(row.value))
      delegate_->Editor()->setText(Q(row.value));
  }
  if (inspector.SelectedRow() >= 0 && inspector.SelectedRow() < grid_->rowCount() &&
      grid_->currentRow() != inspector.SelectedRow()) {
    // Selecting a row for the inspector opens no cell editor: only the user's choice does.
    grid_->setCurrentCell(inspector.SelectedRow(), 1);
  }
  grid_->setEditTriggers(triggers);
  PlaceEditors();
  FollowFocus();
  syncing_ = false;
}

void InspectorView::PlaceEditors() {
  TfrmProperties& inspector = bench_.Inspector();
  // A focused widget that hides passes the focus on as a Tab would, and in the grid a Tab
  // moves the current cell: the grid takes the focus first.
  auto hide = [this](QWidget* w) {
    if (w->isVisible() && w->isAncestorOf(QApplication::focusWidget())) grid_->setFocus();
    w->hide();
  };
  auto place = [this](QWidget* w, int row, int height) {
    QRect cell = grid_->visualRect(grid_->model()->index(row, 1));
    cell.setHeight(height);
    w->setGeometry(cell);
    w->show();
    w->raise();
  };
  const PickListEditor& pick = inspector.PickList();
  if (pick.visible) {
    QStringList texts;
    for (const auto& e : pick.entries) texts << Q(e);
    QStringList shown_texts;
    for (int i = 0; i < pick_list_->count(); ++i) shown_texts << pick_list_->itemText(i);
    if (texts != shown_texts) {
      pick_list_->clear();
      pick_list_->addItems(texts);
    }
    pick_list_->setMaxVisibleItems(pick.visible_lines);
    pick_list_->setCurrentIndex(pick.selected);
    place(pick_list_, pick.row, TfrmProperties::kPickListHeight);
  } else {
    hide(pick_list_);
  }
  auto place_button_editor = [&](ButtonEdit* editor, const ButtonEditor& state) {
    if (!state.visible) {
      hide(editor);
      return;
    }
    if (editor->Edit()->text() != Q(state.text)) editor->Edit()->setText(Q(state.text));
    place(editor, state.row, TfrmProperties::kButtonEditorHeight);
  };
  place_button_editor(items_editor_, inspector.ItemsEditor());
  place_button_editor(content_editor_, inspector.ContentEditor());
}

// The widget the inspector gave the focus to gets it, once per change, so that a repaint
// never takes the focus from where the user is typing.
void InspectorView::FollowFocus() {
  InspectorWidget focus = bench_.Inspector().Focus();
  if (focus == applied_focus_) return;
  applied_focus_ = focus;
  if (!window_->isVisible()) return;
  switch (focus) {
    case InspectorWidget::kGrid:
      if (!grid_->hasFocus() && !CellEditor()) grid_->setFocus(Qt::OtherFocusReason);
      break;
    case InspectorWidget::kPickList:
      pick_list_->setFocus(Qt::OtherFocusReason);
      break;
    case InspectorWidget::kItemsEditor:
      items_editor_->setFocus(Qt::OtherFocusReason);
      break;
    case InspectorWidget::kContentEditor:
      content_editor_->setFocus(Qt::OtherFocusReason);
      break;
    default:
      break;
  }
}

bool InspectorView::GridKey(QKeyEvent* key) {
  TfrmProperties& inspector = bench_.Inspector();
  if (KeyOf(key) == InspectorKey::kEnter) {
    if (inspector.GridKeyDown(InspectorKey::kEnter)) {
      main_.Sync();
      return true;
    }
    // A typed row's editor is the grid's own cell editor. Return in that editor ends it and
    // passes on to the grid, which must not open it again at once.
    if (CellEditor()) return false;
    if (grid_->currentIndex().isValid() && grid_->currentColumn() == 1) {
      grid_->edit(grid_->currentIndex());
      return true;
    }
    return false;
  }
  if (TypesCharacter(key) && inspector.GridCharTyped()) {
    main_.Sync();
    return true;
  }
  return false;
}

bool InspectorView::EditorKey(QObject* editor, QKeyEvent* key) {
  TfrmProperties& inspector = bench_.Inspector();
  const InspectorKey k = KeyOf(key);
  bool consumed = false;
  if (editor == pick_list_) {
    consumed = k != InspectorKey::kOther &&
               inspector.PickListKeyDown(k, ModifiersOf(key), pick_list_->view()->isVisible());
  } else if (editor == items_editor_->Edit()) {
    consumed = k != InspectorKey::kOther && inspector.ItemsEditorKeyDown(k);
  } else if (editor == content_editor_->Edit()) {
    if (k != InspectorKey::kOther) {
      consumed = inspector.ContentEditorKeyDown(k);
    } else if (TypesCharacter(key)) {
      // The picture or colour editor is modal: it opens once this key has been handled.
      Later([this] { bench_.Inspector().ContentEditorCharTyped(); });
      return true;
    }
  }
  if (consumed) main_.Sync();
  return consumed;
}

void InspectorView::EditorLostFocus(QObject* editor) {
  TfrmProperties& inspector = bench_.Inspector();
  InspectorWidget widget = editor == pick_list_                ? InspectorWidget::kPickList
                           : editor == items_editor_->Edit()   ? InspectorWidget::kItemsEditor
                           : editor == content_editor_->Edit() ? InspectorWidget::kContentEditor
                                                               : InspectorWidget::kNone;
  // Each in-place editor hides when the focus goes elsewhere for good; the pick list's own
  // dropped list taking the focus (a click on its body, Alt+Down, F4) is the list at work.
  if (widget == InspectorWidget::kNone || inspector.Focus() != widget) return;
  if (editor == pick_list_ && pick_list_->view()->isVisible()) return;
  inspector.SetFocus(InspectorWidget::kOutside);
  applied_focus_ = InspectorWidget::kOutside;
  main_.Sync();
}

bool InspectorView::eventFilter(QObject* watched, QEvent* event) {
  // Where the user puts and how large he makes the inspector is what Save Project records.
  if (watched == window_ && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
      window_->isVisible())
    bench_.Main().InspectorMovedTo(
        {window_->x(), window_->y(), window_->width(), window_->height()});
  if (watched == window_ && event->type() == QEvent::Close) {
    event->ignore();
    bench_.Main().View().TogglePropertiesEditor();
    main_.Sync();
    return true;
  }
  if (event->type() == QEvent::FocusIn && !syncing_) {
    InspectorWidget widget = watched == grid_      ? InspectorWidget::kGrid
                             : watched == chooser_ ? InspectorWidget::kChooser
                                                   : InspectorWidget::kNone;
    // Always told: the grid's focus also switches the designer's cursor keys off.
    if (widget != InspectorWidget::kNone) {
      bench_.Inspector().SetFocus(widget);
      applied_focus_ = widget;
      main_.Sync();
    }
  }
  if (event->type() == QEvent::FocusOut && !syncing_ && !PassingFocusLoss(event))
    EditorLostFocus(watched);
  // The text boxes of the "(Items)" and "(Content)" editors leave Undo and Redo to the menu.
  if (event->type() == QEvent::ShortcutOverride &&
      (watched == items_editor_->Edit() || watched == content_editor_->Edit()) &&
      StepKey(static_cast<QKeyEvent*>(event)))
    return true;
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == grid_) return GridKey(key) || QWidget::eventFilter(watched, event);
    if (watched != chooser_) return EditorKey(watched, key) || QWidget::eventFilter(watched, event);
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qb::ui
