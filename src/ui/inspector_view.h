#pragma once

// The "Properties Editor" window: the control chooser cmbForms over the grid stgProperties,
// with the pick list cmbBoolean and the "(Items)" / "(Content)" editors cmbItems / cmbBitmap
// laid over the value cell. Every keystroke in a typed cell goes to the inspector at once;
// the keys and clicks of the grid and of the in-place editors go to the inspector's handlers,
// and the view then follows the inspector's state, its focus included.

#include <QComboBox>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTableWidget>
#include <QToolButton>
#include <string>
#include <vector>

#include "app/workbench.h"
#include "ui/main_window.h"

namespace qb::ui {

class CellDelegate;

// A text box with a 20-pixel ellipsis button: the "(Items)" and "(Content)" editors.
class ButtonEdit : public QWidget {
  Q_OBJECT
 public:
  explicit ButtonEdit(QWidget* parent);
  QLineEdit* Edit() { return edit_; }
  QToolButton* Button() { return button_; }

 private:
  QLineEdit* edit_;
  QToolButton* button_;
};

class InspectorView : public QWidget {
  Q_OBJECT
 public:
  InspectorView(Workbench& bench, MainWindow& main);
  void Sync();
  QTableWidget* Grid() { return grid_; }
  QComboBox* PickList() { return pick_list_; }
  ButtonEdit* ItemsEditor() { return items_editor_; }
  ButtonEdit* ContentEditor() { return content_editor_; }
  QMdiSubWindow* Window() { return window_; }
  // The grid's open cell editor, if any.
  QLineEdit* CellEditor() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class CellDelegate;
  // A keystroke changed the text of a typed cell.
  void CellTextEdited(int row, const QString& typed);
  // Ctrl+Z or Ctrl+Y in the cell editor: the editor closes, then Undo or Redo runs.
  void StepFromCell(Command command);
  bool GridKey(QKeyEvent* key);
  bool EditorKey(QObject* editor, QKeyEvent* key);
  void EditorLostFocus(QObject* editor);
  void PlaceEditors();
  void FollowFocus();
  // Runs an inspector handler that may open a modal window once the current event returned.
  void Later(std::function<void()> action);

  Workbench& bench_;
  MainWindow& main_;
  QMdiSubWindow* window_ = nullptr;
  QComboBox* chooser_;
  QTableWidget* grid_;
  CellDelegate* delegate_;
  QComboBox* pick_list_;
  ButtonEdit* items_editor_;
  ButtonEdit* content_editor_;
  bool syncing_ = false;
  // The inspector's focus as last given to a widget.
  InspectorWidget applied_focus_ = InspectorWidget::kNone;
};

}  // namespace qb::ui
